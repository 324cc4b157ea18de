// The report engine on large data sets: laying out 1 000, 10 000 and
// 100 000 rows (the layout must stay linear in the rows), and laying out and
// writing a 10 000-row report to PDF, with the time and the peak memory of
// the process. Run by hand: build/bench/bench_riport

#include "Riport.h"
#include "RiportRajz.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace
{

// Rows in the shape of a detailed turnover report: a category changes every
// 40 rows.
RAdat adat(int n)
{
    RAdat a;
    a.oszlopok = {QStringLiteral("kategoria"), QStringLiteral("cikkszam"),
                  QStringLiteral("cikkszam_nev"), QStringLiteral("db"), QStringLiteral("osszar")};
    a.sorok.reserve(n);
    for (int i = 0; i < n; ++i)
        a.sorok << QVariantList{QStringLiteral("Kategória %1").arg(i / 40, 5, 10, QLatin1Char('0')),
                                QStringLiteral("C%1").arg(i),
                                QStringLiteral("Hajvágás és szárítás %1").arg(i % 97),
                                double(i % 7 + 1), 1500.0 * (i % 13 + 1)};
    return a;
}

RiportDef def()
{
    RiportDef d(QStringLiteral("Forgalom kategóriánként (részletes)"));
    d.a4();
    const int w = d.belsoSzeles();
    d.lapFejlec =
        RSav(80, {RKeret(0, 0, w, 70), RCimke(10, 10, w - 20, 50, d.cim).felkover().meret(12)});
    d.csoportok << RCsoport(
        QStringLiteral("kategoria"),
        RSav(50, {RMezo(0, 5, w, 40, QStringLiteral("kategoria")).felkover()}),
        RSav(50, {RKif(0, 5, w, 40,
                       QStringLiteral("'Összesen: '+FORMATNUMERIC('### ### ##0',SUM(osszar))"))
                      .jobbra()}));
    d.reszlet = RSav(40, {RMezo(0, 0, 200, 40, QStringLiteral("cikkszam")),
                          RMezo(200, 0, w - 600, 40, QStringLiteral("cikkszam_nev")),
                          RMezo(w - 400, 0, 200, 40, QStringLiteral("db"), DbKep).jobbra(),
                          RMezo(w - 200, 0, 200, 40, QStringLiteral("osszar"), PenzKep).jobbra()});
    d.osszesito = RSav(
        60,
        {RKif(0, 10, w, 40, QStringLiteral("'Összesen: '+FORMATNUMERIC('### ### ##0',SUM(osszar))"))
             .jobbra()
             .felkover()});
    d.lapLablec = RSav(40, {RKif(0, 0, w, 40, QStringLiteral("PAGENUMBER")).jobbra()});
    return d;
}

long csucsMemoriaKb()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const RiportDef d = def();

    std::printf("layout only (rows, pages, ms, ms per 1000 rows):\n");
    for (int n : {1000, 10000, 100000}) {
        const RAdat a = adat(n);
        QElapsedTimer t;
        t.start();
        const RDokumentum doc = RiportKeszit(d, a);
        const qint64 ms = t.elapsed();
        std::printf("  %7d rows  %5lld pages  %6lld ms  %6.2f ms/1000\n", n,
                    qlonglong(doc.lapok.size()), qlonglong(ms), double(ms) * 1000.0 / n);
    }

    QTemporaryDir dir;
    const QString f = dir.filePath(QStringLiteral("riport.pdf"));
    const RAdat a = adat(10000);
    const long elotte = csucsMemoriaKb();
    QElapsedTimer t;
    t.start();
    const RDokumentum doc = RiportKeszit(d, a);
    const qint64 tordeles = t.elapsed();
    QString hiba;
    if (!RiportPdf(doc, f, &hiba)) {
        std::fprintf(stderr, "PDF: %s\n", qPrintable(hiba));
        return 1;
    }
    const qint64 osszes = t.elapsed();
    std::printf(
        "10000 rows to PDF: %lld pages, layout %lld ms, layout + PDF %lld ms, file %lld KB\n",
        qlonglong(doc.lapok.size()), qlonglong(tordeles), qlonglong(osszes),
        qlonglong(QFile(f).size() / 1024));
    std::printf("peak memory: %ld MB (%ld MB before the 10000-row run)\n", csucsMemoriaKb() / 1024,
                elotte / 1024);
    return 0;
}
