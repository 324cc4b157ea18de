// Speed of the master lists on a large salon: 20 000 sale items and 5 000
// customers. Measures opening the item list, the item picker and the
// customer list, and one keystroke of the incremental search (searching in
// the loaded rows, and filtering on the server), each beside the bare query
// that fetches the same rows in the same run. Goals: under 300 ms to open,
// under 50 ms a keystroke.
//
// Needs the private test server:
//   scripts/mariadb-private.sh start build/tests/testdb --fresh --fast
//   VEXLOF_TESTDB_DIR=build/tests/testdb VEXLOF_SCHEMA=build/sql/vexlof.sql \
//     build/bench/bench_torzslista
//   scripts/mariadb-private.sh stop build/tests/testdb

#include "DbHiba.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "TesztAdatbazis.h"
#include "TorzsCikkszam.h"
#include "TorzsLeirasok.h"
#include "TorzsModell.h"
#include "TorzsUgyfel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace
{

const QString AB = QStringLiteral("bench_torzslista");

double g_leghosszabb = 0;

// The median of n runs, in milliseconds; the longest in g_leghosszabb.
double meres(int n, const std::function<void()>& fv)
{
    QList<double> t;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer o;
        o.start();
        fv();
        t << o.nsecsElapsed() / 1e6;
    }
    std::sort(t.begin(), t.end());
    g_leghosszabb = t.last();
    return t[t.size() / 2];
}

int nyersLekerdezes(const QString& sql)
{
    QSqlQuery q(Kapcsolat::fo());
    q.exec(sql);
    int n = 0;
    while (q.next())
        ++n;
    return n;
}

void sor(const char* mit, double ido, double nyers, double cel)
{
    std::printf("%-48s median %7.2f ms (longest %7.2f)   bare query %7.2f ms   ratio %5.2f   goal "
                "%s\n",
                mit, ido, g_leghosszabb, nyers, nyers > 0 ? ido / nyers : 0.0,
                ido < cel ? "met" : "MISSED");
}

// The item list searching on the server, as the stock holders do.
class SzerverKeresoLista : public TorzsLista
{
public:
    static TablaLeiras leiras()
    {
        TablaLeiras l = CikkszamLeiras();
        l.alapFeltetel = QStringLiteral("(cikkszam.torolve='N')");
        l.keresoMezok = {QStringLiteral("cikkszam.cikkszam"),
                         QStringLiteral("cikkszam.cikkszam_nev")};
        return l;
    }
    SzerverKeresoLista()
        : TorzsLista(leiras(), QStringLiteral("bench"), QStringLiteral("bench"), Qt::AlignCenter)
    {
    }

protected:
    int szerkeszto(int) override { return -1; }
};

void feltolt()
{
    const QStringList nevek = {QStringLiteral("Hajvágás"), QStringLiteral("Festés"),
                               QStringLiteral("Melír"),    QStringLiteral("Dauer"),
                               QStringLiteral("Sampon"),   QStringLiteral("Ősz hajszín")};
    for (int blokk = 0; blokk < 20; ++blokk) {
        QStringList ertekek;
        for (int i = 0; i < 1000; ++i) {
            const int k = blokk * 1000 + i + 1;
            ertekek << QStringLiteral("(%1,'C%2',%3,%4,'%5')")
                           .arg(k)
                           .arg(k, 5, 10, QLatin1Char('0'))
                           .arg(SqlIdez(nevek[k % nevek.size()] + QLatin1Char(' ') +
                                        QString::number(k)))
                           .arg(1000 + k % 9000)
                           .arg(k % 7 ? QLatin1Char('I') : QLatin1Char('N'));
        }
        SqlFuttat(QStringLiteral(
                      "INSERT INTO cikkszam (cikkazon,cikkszam,cikkszam_nev,ar,vankedv) VALUES ") +
                  ertekek.join(QLatin1Char(',')) + QLatin1Char(';'));
    }
    for (int blokk = 0; blokk < 5; ++blokk) {
        QStringList ertekek;
        for (int i = 0; i < 1000; ++i) {
            const int k = blokk * 1000 + i + 1;
            ertekek << QStringLiteral("(%1,%2,'30%3',%4)")
                           .arg(k)
                           .arg(SqlIdez(QStringLiteral("Vendég ") + QString::number(k)))
                           .arg(k)
                           .arg(k % 5 ? 0 : 2500);
        }
        SqlFuttat(QStringLiteral("INSERT INTO ugyfel (ugyfel,ugyfel_nev,telefon,osszeg) VALUES ") +
                  ertekek.join(QLatin1Char(',')) + QLatin1Char(';'));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir mappa;
    MappakBeallit(mappa.path());
    try {
        TesztAdatbazis::letrehoz(AB);
        feltolt();

        const TablaLeiras cikk = CikkszamLeiras();
        const double nyersCikk = meres(7, [&] { nyersLekerdezes(cikk.listaSql()); });
        const double nyitas = meres(7, [] {
            Tfrm_TorzsCikkszam w;
            w.megnyit(-1);
        });
        sor("item list: open (20 000 items)", nyitas, nyersCikk, 300);
        const double valaszto = meres(7, [] {
            Tfrm_TorzsCikkszam w;
            w.valasztasBeallit(true);
            w.megnyit(15000);
        });
        sor("item picker: open on item 15000", valaszto, nyersCikk, 300);

        // One keystroke after another: "f", "fe", ... as typed.
        const QString szo = QStringLiteral("festés 19");
        {
            Tfrm_TorzsCikkszam w;
            w.megnyit(-1);
            w.rendez(1); // search by name
            int i = 0;
            const double billentyu = meres(int(szo.size()), [&] {
                w.kereso()->setText(szo.left(++i));
                w.keres(w.kereso()->text());
            });
            sor("item list: keystroke, search in loaded rows", billentyu, nyersCikk, 50);
        }
        {
            SzerverKeresoLista w;
            w.megnyit(-1);
            int i = 0, j = 0;
            const TablaLeiras l = SzerverKeresoLista::leiras();
            const double nyers =
                meres(int(szo.size()), [&] { nyersLekerdezes(l.listaSql({}, szo.left(++j))); });
            const double billentyu = meres(int(szo.size()), [&] {
                w.kereso()->setText(szo.left(++i));
                w.keres(w.kereso()->text());
            });
            sor("item list: keystroke, filter on the server", billentyu, nyers, 50);
        }

        const TablaLeiras ugyfel = UgyfelLeiras();
        const double nyersUgyfel = meres(7, [&] { nyersLekerdezes(ugyfel.listaSql()); });
        const double ugyfelNyitas = meres(7, [] {
            Tfrm_TorzsUgyfel w(false);
            w.megnyit(-1);
        });
        sor("customer list: open (5 000 customers)", ugyfelNyitas, nyersUgyfel, 300);
        {
            Tfrm_TorzsUgyfel w(false);
            w.megnyit(-1);
            w.rendez(1);
            const QString nev = QStringLiteral("vendég 4999");
            int i = 0;
            const double billentyu = meres(int(nev.size()), [&] {
                w.kereso()->setText(nev.left(++i));
                w.keres(w.kereso()->text());
            });
            sor("customer list: keystroke, search in loaded rows", billentyu, nyersUgyfel, 50);
        }
        TesztAdatbazis::torol(AB);
    } catch (const Hiba& h) {
        std::fprintf(stderr, "%s\n", qPrintable(h.uzenet()));
        return 1;
    }
    return 0;
}
