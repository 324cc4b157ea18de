// Business day and shift against the real server: opening, the shift still
// open elsewhere, a closed shift, closing with and without open lines and
// right, the state display and the order commands, the list of unclosed
// shifts.

#include "AkcioTar.h"
#include "AppTeszt.h"
#include "BlokkSzoveg.h"
#include "DbHiba.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Main.h"
#include "NapMuszak.h"
#include "RendelesModell.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace AppTeszt;

namespace
{

const QString db = QStringLiteral("teszt_app_napmuszak");

const QList<Parancs> tag10{Parancs::AsztalSzabad, Parancs::AsztalSzabadHitel, Parancs::RendelUj,
                           Parancs::RendelTorol,  Parancs::NapLezar,          Parancs::Bonuszba,
                           Parancs::Bonuszbol,    Parancs::AsztalAtul,        Parancs::Kedvezmeny,
                           Parancs::Kedvezmeny2,  Parancs::Szervizdij};

int naplezarSorok()
{
    return SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplezar;"), -1);
}

QString lezarva(const QDate& nap, int muszak)
{
    return SqlSzoveg(QStringLiteral("SELECT lezarva FROM naplezar WHERE nap=") + SqlDatum(nap) +
                         QStringLiteral(" AND muszak=") + QString::number(muszak) +
                         QLatin1Char(';'),
                     QStringLiteral("-"));
}

} // namespace

class TestNapMuszak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void indulasMegnyitja();
    void kesobbiNapNemNyithato();
    void masikNyitottMuszakFolytatodik();
    void lezartMuszakUjraNyitva();
    void zarasNyitottRendelessel();
    void zarasJogNelkul();
    void zarasMegszakitva();
    void zarasSikeres();
    void marLezartZaras();
    void tag10KovetiAllapotot();
    void ujNapParbeszeddel();
    void lenemzartUres();
    void lenemzartSorok();
    void lenemzartJogNelkul();

private:
    std::unique_ptr<ProgramMappa> m_mappa;
    std::unique_ptr<Tfrm_Main> m_ablak;
    std::unique_ptr<Uzenetek> m_uzenetek;
    void indit(const TJog& jog = teljesJog());
};

void TestNapMuszak::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db, false);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestNapMuszak::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

void TestNapMuszak::init()
{
    allapotTorles();
    Kapcsolat::foNyit(TesztAdatbazis::root(db));
    SQL_OK(QStringLiteral("DELETE FROM naplezar;"));
    SQL_OK(QStringLiteral("DELETE FROM rendelma;"));
    SQL_OK(QStringLiteral("DELETE FROM rendeles;"));
    SQL_OK(QStringLiteral("DELETE FROM asztal;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO asztal (asztal, asztal_nev) VALUES (1, 'Kovács Anna'), (2, 'Nagy Péter');"));
    SQL_OK(QStringLiteral(
        "UPDATE beallit SET muszakdb=2, kedvsor=1, szervsor=1, bonuszcikkazon=1, vanadossag='I';"));
    m_mappa = std::make_unique<ProgramMappa>(QMap<int, QString>{{1, kapcsolat(db)}});
    m_uzenetek = std::make_unique<Uzenetek>();
}

void TestNapMuszak::cleanup()
{
    m_ablak.reset();
    m_uzenetek.reset();
    m_mappa.reset();
}

void TestNapMuszak::indit(const TJog& jog)
{
    m_ablak = std::make_unique<Tfrm_Main>(horgok(jog));
    QVERIFY(m_ablak->indit());
    // A command without a routine stays disabled; stand-in routines let these
    // tests watch every shift command follow the shift state.
    AkcioTar& t = m_ablak->akciok();
    for (Parancs p : tag10 + QList<Parancs>{Parancs::MegEgy})
        if (!t.vanKezelo(p))
            t.kezelo(p, [] {});
}

void TestNapMuszak::indulasMegnyitja()
{
    indit();
    QCOMPARE(AktNap, QDate::currentDate());
    QCOMPARE(AktMuszak, 1);
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("N"));
    QCOMPARE(m_ablak->allapotCimke()->text(),
             QStringLiteral("Nyitott\nBejelentkezett: rendszergazda"));
    QCOMPARE(m_ablak->allapotFelirat()->text(),
             DatumFormat(QDate::currentDate(), QStringLiteral("yyyy.mmmm.dd")) +
                 QStringLiteral(" - 1. műszak"));
    QVERIFY(!m_ablak->nyitottKep()->isHidden());
    QVERIFY(m_ablak->lezartKep()->isHidden());
    QVERIFY(m_uzenetek->lista.isEmpty());
}

void TestNapMuszak::kesobbiNapNemNyithato()
{
    indit();
    const int sorok = naplezarSorok();
    m_ablak->NapNyitas(1, QDate::currentDate().addDays(1));
    QCOMPARE(m_uzenetek->hibak(),
             QStringList{QStringLiteral("Helytelen dátum, következő nap nem nyitható.")});
    QVERIFY(!AktNap.isValid());
    QCOMPARE(naplezarSorok(), sorok);
    QVERIFY(!m_ablak->rendelesModell()->nyitva());
    // Without a business day nothing can be sold.
    for (Parancs p : tag10)
        QVERIFY(!m_ablak->akcio(p)->isEnabled());
    QCOMPARE(m_ablak->allapotCimke()->text(),
             QStringLiteral("Lezárva\nBejelentkezett: rendszergazda"));
}

void TestNapMuszak::masikNyitottMuszakFolytatodik()
{
    const QDate tegnap = QDate::currentDate().addDays(-1);
    SQL_OK(QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES (") +
           SqlDatum(tegnap) + QStringLiteral(", 2, 'N');"));
    indit();
    QCOMPARE(m_uzenetek->hibak(), QStringList{QStringLiteral("Van még nyitott nap: ") +
                                              DatumFormat(tegnap, QStringLiteral("yyyy.mm.dd")) +
                                              QStringLiteral(" Először le kell zárni.")});
    QCOMPARE(AktNap, tegnap);
    QCOMPARE(AktMuszak, 2);
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("-"));
    QVERIFY(m_ablak->akcio(Parancs::RendelUj)->isEnabled());
    QVERIFY(m_ablak->allapotFelirat()->text().endsWith(QStringLiteral(" - 2. műszak")));
    // Asking for the open shift itself says nothing.
    m_uzenetek->torol();
    m_ablak->NapNyitas(2, tegnap);
    QVERIFY(m_uzenetek->lista.isEmpty());
}

void TestNapMuszak::lezartMuszakUjraNyitva()
{
    SQL_OK(
        QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES (CURDATE(), 1, 'I');"));
    indit();
    QVERIFY(m_uzenetek->lista.isEmpty());
    QCOMPARE(naplezarSorok(), 1);
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("I"));
    QCOMPARE(m_ablak->allapotCimke()->text(),
             QStringLiteral("Lezárva\nBejelentkezett: rendszergazda"));
    QVERIFY(m_ablak->nyitottKep()->isHidden());
    QVERIFY(!m_ablak->lezartKep()->isHidden());
    for (Parancs p : tag10)
        QVERIFY(!m_ablak->akcio(p)->isEnabled());
}

void TestNapMuszak::zarasNyitottRendelessel()
{
    indit();
    // An open line of another service point than the selected one.
    m_ablak->asztalValaszt(1);
    SQL_OK(QStringLiteral("INSERT INTO rendelma (datum, muszak, asztal, cikkazon, db, ar) VALUES "
                          "(CURDATE(), 1, 2, 0, 1, 1000);"));
    m_uzenetek->torol();
    m_ablak->akcio(Parancs::NapLezar)->trigger();
    QCOMPARE(m_uzenetek->hibak(),
             QStringList{QStringLiteral("Van még kifizetetlen rendelés. Zárás sikertelen.")});
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("N"));
    // A voided line does not block the close.
    SQL_OK(QStringLiteral("UPDATE rendelma SET torolve='I';"));
    m_uzenetek->torol();
    m_ablak->akcio(Parancs::NapLezar)->trigger();
    QCOMPARE(m_uzenetek->szovegek(), (QStringList{QStringLiteral("Valóban lezárjam a napot?"),
                                                  QStringLiteral("A nap lezárása kész.")}));
}

void TestNapMuszak::zarasJogNelkul()
{
    TJog j = teljesJog();
    j.napzar = false;
    indit(j);
    QVERIFY(!m_ablak->akcio(Parancs::NapLezar)->isVisible());
    // The routine tests the right itself as well.
    m_uzenetek->torol();
    QCOMPARE(NapZaras(m_ablak.get()), NapZarasEredmeny::NincsJog);
    QCOMPARE(m_uzenetek->hibak(), QStringList{QStringLiteral("Nincs hozzá jogosultság")});
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("N"));
}

void TestNapMuszak::zarasMegszakitva()
{
    indit();
    m_uzenetek->valasz = false;
    m_ablak->akcio(Parancs::NapLezar)->trigger();
    QCOMPARE(m_uzenetek->lista.size(), 1);
    QCOMPARE(m_uzenetek->lista.first().tipus, UzenetAdat::Kerdes);
    QCOMPARE(m_uzenetek->lista.first().felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("N"));
    QVERIFY(m_ablak->akcio(Parancs::RendelUj)->isEnabled());
}

void TestNapMuszak::zarasSikeres()
{
    indit();
    // A settled bill of the day moves into the history.
    SQL_OK(QStringLiteral(
        "INSERT INTO rendelma (rendeles, datum, muszak, asztal, cikkazon, db, ar, fizetve) "
        "VALUES (1, CURDATE(), 1, 1, 0, 2, 1500, 'I');"));
    m_ablak->akcio(Parancs::NapLezar)->trigger();
    QCOMPARE(m_uzenetek->lista.size(), 2);
    QCOMPARE(m_uzenetek->lista.at(1).tipus, UzenetAdat::Informacio);
    QCOMPARE(m_uzenetek->lista.at(1).szoveg, QStringLiteral("A nap lezárása kész."));
    QCOMPARE(lezarva(QDate::currentDate(), 1), QStringLiteral("I"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1), 0);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles WHERE datum=CURDATE();"), -1),
             1);
    QCOMPARE(m_ablak->allapotCimke()->text(),
             QStringLiteral("Lezárva\nBejelentkezett: rendszergazda"));
    for (Parancs p : tag10)
        QVERIFY(!m_ablak->akcio(p)->isEnabled());
    QVERIFY(m_ablak->akcio(Parancs::UjNap)->isEnabled());
}

void TestNapMuszak::marLezartZaras()
{
    indit();
    // Closed at another workstation: the command still looks enabled here.
    SQL_OK(QStringLiteral("UPDATE naplezar SET lezarva='I';"));
    QVERIFY(m_ablak->akcio(Parancs::NapLezar)->isEnabled());
    m_ablak->akcio(Parancs::NapLezar)->trigger();
    QCOMPARE(m_uzenetek->hibak(), QStringList{QStringLiteral("Műszak már le lett zárva")});
    QVERIFY(!m_ablak->akcio(Parancs::NapLezar)->isEnabled());
    QVERIFY(!m_ablak->akcio(Parancs::RendelUj)->isEnabled());
}

void TestNapMuszak::tag10KovetiAllapotot()
{
    indit();
    for (Parancs p : tag10)
        QVERIFY2(m_ablak->akcio(p)->isEnabled(), AkcioTar::leiras(p).nev);
    SQL_OK(QStringLiteral("UPDATE naplezar SET lezarva='I';"));
    // A command with the shift guard finds the shift closed and refreshes.
    m_ablak->akcio(Parancs::RendelUj)->trigger();
    QCOMPARE(m_uzenetek->hibak(), QStringList{QStringLiteral("Műszak már le lett zárva")});
    for (Parancs p : tag10)
        QVERIFY2(!m_ablak->akcio(p)->isEnabled(), AkcioTar::leiras(p).nev);
    QVERIFY(m_ablak->akcio(Parancs::MegEgy)->isEnabled());
    SQL_OK(QStringLiteral("UPDATE naplezar SET lezarva='N';"));
    m_ablak->AllapotFrissit();
    for (Parancs p : tag10)
        QVERIFY2(m_ablak->akcio(p)->isEnabled(), AkcioTar::leiras(p).nev);
}

void TestNapMuszak::ujNapParbeszeddel()
{
    InditasHorgok h = horgok();
    QDate kapottNap;
    int kapottMuszak = -1;
    int hivas = 0;
    h.muszakValaszt = [&](QDate& nap, int& muszak) {
        if (++hivas == 2) {
            kapottNap = nap;
            kapottMuszak = muszak;
            muszak = 2;
        }
        return true;
    };
    m_ablak = std::make_unique<Tfrm_Main>(h);
    QVERIFY(m_ablak->indit());
    SQL_OK(QStringLiteral("UPDATE naplezar SET lezarva='I';"));
    m_ablak->akcio(Parancs::UjNap)->trigger();
    QCOMPARE(kapottNap, QDate::currentDate());
    QCOMPARE(kapottMuszak, 1);
    QCOMPARE(AktMuszak, 2);
    QCOMPARE(lezarva(QDate::currentDate(), 2), QStringLiteral("N"));
    QVERIFY(m_ablak->akcio(Parancs::NapLezar)->isEnabled());
}

void TestNapMuszak::lenemzartUres()
{
    indit();
    SQL_OK(QStringLiteral("UPDATE naplezar SET lezarva='I';"));
    QStringList nyomtatott;
    m_ablak->listaNyomtat = [&](const QStringList& l) { nyomtatott = l; };
    m_ablak->akcio(Parancs::Lenemzart)->trigger();
    QStringList vart;
    FejlecHozzaad(vart, QStringLiteral("Le nem zárt műszakok"));
    const int fej = int(vart.size());
    LablecHozzaad(vart);
    QCOMPARE(nyomtatott.size(), vart.size());
    QCOMPARE(nyomtatott.mid(0, fej), vart.mid(0, fej));
    for (const QString& s : nyomtatott)
        QVERIFY(!s.contains(QStringLiteral("műszak")) || s.contains(QStringLiteral("Le nem zárt")));
}

void TestNapMuszak::lenemzartSorok()
{
    SQL_OK(
        QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES ('2024-03-04', 2, 'N'), "
                       "('2024-03-05', 1, 'I');"));
    indit();
    const QStringList lista = LenemzartLista();
    QStringList napSorok;
    for (const QString& s : lista)
        if (s.endsWith(QStringLiteral(". műszak")))
            napSorok << s;
    QCOMPARE(napSorok, QStringList{QStringLiteral("2024.03.04: 2. műszak")});
    // The start-up continued in that old shift.
    QCOMPARE(AktNap, QDate(2024, 3, 4));
}

void TestNapMuszak::lenemzartJogNelkul()
{
    TJog j = teljesJog();
    j.nyomtathat = false;
    indit(j);
    QVERIFY(!m_ablak->akcio(Parancs::Lenemzart)->isVisible());
    bool nyomtatott = false;
    m_ablak->listaNyomtat = [&](const QStringList&) { nyomtatott = true; };
    m_ablak->akciok().futtat(Parancs::Lenemzart);
    QVERIFY(!nyomtatott);
}

QTEST_MAIN(TestNapMuszak)
#include "test_napmuszak.moc"
