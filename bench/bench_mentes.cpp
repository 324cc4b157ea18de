// Backup and restore of a large database against the tools of the server:
// a private MariaDB server (scripts/mariadb-private.sh) gets the schema and
// a history of SOROK order lines; then
//   - our data backup (.sql) against mariadb-dump of the same database,
//   - our restore of that file into an empty database against the mariadb
//     client loading the same file into another empty one,
//   - our restore over the full database (the usual case: its tables are
//     emptied inside the transaction first),
// and the peak memory of this process (VmHWM). Run by hand:
//   build/bench/bench_mentes [lines, default 1000000]

#include "DbHiba.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Mentes.h"
#include "Visszaallitas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace
{

QString g_szkript, g_mappa;

QString vmHwm()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& sor : f.readAll().split('\n'))
            if (sor.startsWith("VmHWM:"))
                return QString::fromLatin1(sor.mid(6).simplified());
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return QString::number(r.ru_maxrss) + QStringLiteral(" kB");
}

// Runs a program; stdin from a file when given. Returns the seconds taken.
double futtat(const QString& program, const QStringList& args, const QString& be = {},
              const QString& ki = {})
{
    QProcess p;
    if (!be.isEmpty())
        p.setStandardInputFile(be);
    if (!ki.isEmpty())
        p.setStandardOutputFile(ki);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
        std::exit(1);
    }
    return double(t.nsecsElapsed()) / 1e9;
}

double kliens(const QStringList& args, const QString& be = {})
{
    return futtat(g_szkript, QStringList{QStringLiteral("client"), g_mappa} + args, be);
}

void sql(const QString& s)
{
    kliens({QStringLiteral("--default-character-set=utf8mb4"), QStringLiteral("-e"), s});
}

void uresSemaval(const QString& db, const QString& sema)
{
    sql(QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1 CHARACTER SET latin2 "
                       "COLLATE latin2_hungarian_ci;")
            .arg(db));
    kliens({QStringLiteral("--default-character-set=utf8mb4"), db}, sema);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int sorok = argc > 1 ? std::atoi(argv[1]) : 1000000;
    g_szkript = QStringLiteral(VEXLOF_FORRAS "/scripts/mariadb-private.sh");
    const QString sema = QStringLiteral(VEXLOF_SEMA);
    QTemporaryDir munka;
    g_mappa = munka.filePath(QStringLiteral("szerver"));

    QProcess inditas;
    inditas.start(g_szkript, {QStringLiteral("start"), g_mappa, QStringLiteral("--fast")});
    inditas.waitForFinished(-1);
    const int port = QString::fromLatin1(inditas.readAllStandardOutput()).trimmed().toInt();
    if (port <= 0) {
        std::fprintf(stderr, "the server did not start: %s\n",
                     inditas.readAllStandardError().constData());
        return 1;
    }
    int eredmeny = 0;
    try {
        std::printf("building a database of %d order lines...\n", sorok);
        std::fflush(stdout);
        uresSemaval(QStringLiteral("bench_forras"), sema);
        sql(QStringLiteral(
                "USE bench_forras; INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, "
                "asztal, pincer, cikkazon, db, ar, fizetve, torolve, storno, megjegyzes, nyomtatva, "
                "konyvelve, rogzitve) SELECT seq, seq DIV 3, '2026-01-01' + INTERVAL (seq MOD 300) "
                "DAY, 1 + seq MOD 2, 1 + seq MOD 20, 1, 1 + seq MOD 500, 1 + seq MOD 3, "
                "1500 + (seq MOD 7) / 2, 'I', 'N', 0, IF(seq MOD 4 = 0, NULL, CONCAT('Öregné "
                "O''Neil; C:\\\\új ', seq MOD 1000)), 'I', 'I', '2026-01-01 10:00:00' + INTERVAL "
                "seq SECOND FROM seq_1_to_%1;")
                .arg(sorok));

        KapcsolatAdat adat;
        adat.kiszolgalo = QStringLiteral("127.0.0.1");
        adat.port = port;
        adat.felhasznalo = QStringLiteral("root");
        adat.adatbazis = QStringLiteral("bench_forras");

        const QString mentes = munka.filePath(QStringLiteral("mentes.sql"));
        QElapsedTimer t;
        t.start();
        BiztonsagiMentes(adat, mentes);
        const double mi = double(t.nsecsElapsed()) / 1e9;
        const QString memMentes = vmHwm();

        const double dump = futtat(
            QStringLiteral("mariadb-dump"),
            {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
             QStringLiteral("-P") + QString::number(port), QStringLiteral("-uroot"),
             QStringLiteral("--single-transaction"), QStringLiteral("bench_forras"),
             QStringLiteral("--result-file=") + munka.filePath(QStringLiteral("dump.sql"))});

        VisszaallitasKerdesek igen;
        igen.ellenorizhetetlen = [](const QString&) { return true; };
        igen.felulir = [](const QString&, const QString&) { return true; };
        uresSemaval(QStringLiteral("bench_cel"), sema);
        adat.adatbazis = QStringLiteral("bench_cel");
        t.restart();
        Visszaallitas(adat, mentes, igen);
        const double visszaUres = double(t.nsecsElapsed()) / 1e9;
        t.restart();
        Visszaallitas(adat, mentes, igen);
        const double visszaTeli = double(t.nsecsElapsed()) / 1e9;
        const QString memVissza = vmHwm();

        uresSemaval(QStringLiteral("bench_kliens"), sema);
        const double kliensIdo =
            kliens({QStringLiteral("--default-character-set=cp1250"), QStringLiteral("bench_kliens")},
                   mentes);

        std::printf("order lines:                %d\n", sorok);
        std::printf("backup file:                %.1f MB\n",
                    double(QFileInfo(mentes).size()) / 1048576.0);
        std::printf("backup:                     %.2f s   mariadb-dump: %.2f s   ratio %.2f\n", mi,
                    dump, mi / dump);
        std::printf("restore into empty tables:  %.2f s   mariadb client: %.2f s   ratio %.2f\n",
                    visszaUres, kliensIdo, visszaUres / kliensIdo);
        std::printf("restore over full tables:   %.2f s   (ratio to the client on empty ones %.2f)\n",
                    visszaTeli, visszaTeli / kliensIdo);
        std::printf("peak memory after backup:   %s\n", qPrintable(memMentes));
        std::printf("peak memory after restores: %s\n", qPrintable(memVissza));
    } catch (const Hiba& h) {
        std::fprintf(stderr, "%s\n", qPrintable(h.uzenet()));
        eredmeny = 1;
    }
    QProcess::execute(g_szkript, {QStringLiteral("stop"), g_mappa});
    return eredmeny;
}
