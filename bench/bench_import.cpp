// Benchmark: importing and exporting a price list of 20 000 items against a
// private MariaDB server: a Windows-1250 file checked and imported as new
// items, the same file again as updates, then the table exported as
// delimited text and as a worksheet.
//
//   build/bench/bench_import [items]
//
// Uses the server of VEXLOF_TESTDB_DIR when set (e.g. the test fixture's),
// otherwise starts a private one in a temporary folder and stops it.

#include "Ansi.h"
#include "CikkImport.h"
#include "HataroltSzoveg.h"
#include "KozosDB.h"
#include "TesztAdatbazis.h"
#include "XlsxIro.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

void meres(const char* mi, QElapsedTimer& ora)
{
    std::printf("%-52s %8lld ms\n", mi, static_cast<long long>(ora.restart()));
    std::fflush(stdout);
}

bool szerver(const QString& parancs, const QString& mappa)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arg{parancs, mappa};
    if (parancs == QLatin1String("start"))
        arg << QStringLiteral("--fresh") << QStringLiteral("--fast");
    p.start(QStringLiteral(VEXLOF_FORRAS "/scripts/mariadb-private.sh"), arg);
    return p.waitForFinished(120000) && p.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int darab = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    QTemporaryDir tmp;
    const bool sajat = qEnvironmentVariableIsEmpty("VEXLOF_TESTDB_DIR");
    if (sajat) {
        qputenv("VEXLOF_TESTDB_DIR", tmp.filePath(QStringLiteral("db")).toLocal8Bit());
        if (!szerver(QStringLiteral("start"), tmp.filePath(QStringLiteral("db")))) {
            std::fprintf(stderr, "the private server did not start\n");
            return 1;
        }
    }
    if (qEnvironmentVariableIsEmpty("VEXLOF_SCHEMA"))
        qputenv("VEXLOF_SCHEMA", VEXLOF_SEMA);
    int hiba = 0;
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("bench_import"));
        SqlFuttat(
            QStringLiteral("INSERT INTO cikkat (cikkat, cikkat_nev) VALUES (1,'Szolgáltatás');"));

        QString szoveg = QStringLiteral("cikkszam;cikkszam_nev;ar;ar2;cikkat;kategoria;aktiv\r\n");
        for (int i = 0; i < darab; ++i)
            szoveg += QStringLiteral("K%1;Őszi hajfestés és árvíztűrő kezelés %1;%2,5;%3;%4;"
                                     "\"Festés; szín\";I\r\n")
                          .arg(i)
                          .arg(1000 + i % 9000)
                          .arg(1200 + i % 9000)
                          .arg(i % 2);
        const QByteArray fajl = AnsiBajtok(szoveg);
        std::printf("%d items, file %.1f MB (Windows-1250)\n", darab, fajl.size() / 1048576.0);

        QElapsedTimer ora;
        ora.start();
        CikkImport imp;
        ImportTerv terv = imp.tervez(HataroltDekodol(fajl));
        meres("decode, split and check the file", ora);
        ImportEredmeny e = imp.vegrehajt(terv, false);
        meres("import as new items (one transaction)", ora);
        terv = imp.tervez(HataroltDekodol(fajl));
        e = imp.vegrehajt(terv, false);
        meres("check and import again as updates", ora);
        if (e.frissitett != darab)
            throw Hiba(QStringLiteral("unexpected refresh count"));

        QSqlQueryModel m;
        m.setQuery(QStringLiteral("SELECT * FROM cikkszam ORDER BY cikkazon;"), Kapcsolat::fo());
        while (m.canFetchMore())
            m.fetchMore();
        meres("read the table for the export", ora);
        HataroltMent(tmp.filePath(QStringLiteral("arlista.csv")),
                     HataroltIro(&m, HataroltBeallitas{}).sorok());
        meres("export as delimited text", ora);
        XlsxMent(tmp.filePath(QStringLiteral("arlista.xlsx")), &m);
        meres("export as worksheet (.xlsx)", ora);
        std::printf("csv %.1f MB, xlsx %.1f MB\n",
                    QFileInfo(tmp.filePath(QStringLiteral("arlista.csv"))).size() / 1048576.0,
                    QFileInfo(tmp.filePath(QStringLiteral("arlista.xlsx"))).size() / 1048576.0);
        m.clear();
        Kapcsolat::foBezar();
        TesztAdatbazis::torol(QStringLiteral("bench_import"));
    } catch (const Hiba& h) {
        std::fprintf(stderr, "error: %s\n", qPrintable(h.uzenet()));
        hiba = 1;
    }
    if (sajat)
        szerver(QStringLiteral("stop"), tmp.filePath(QStringLiteral("db")));
    return hiba;
}
