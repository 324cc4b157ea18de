// The start-up of the program against the real server: the connection list
// of the INI file, the first-run dialog, the schema version, cancelled
// dialogs, the settings that show or hide actions, and what a normal close
// writes back.

#include "AkcioTar.h"
#include "AppTeszt.h"
#include "AsztalModell.h"
#include "DbHiba.h"
#include "EloModell.h"
#include "EloOszlop.h"
#include "IniAllomany.h"
#include "Kapcsolat.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "Main.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

using namespace AppTeszt;

namespace
{

const QString db = QStringLiteral("teszt_app_inditas");
const QString db2 = QStringLiteral("teszt_app_inditas2");

} // namespace

class TestInditas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void elsoFuttatasMegszakitva();
    void elsoFuttatasUjKapcsolattal();
    void egyBejegyzesListaNelkul();
    void uresNevuBejegyzesKimarad();
    void adatbazisValasztasMegszakitva();
    void nemNyithatoAdatbazis();
    void elteroVerzio_data();
    void elteroVerzio();
    void megszakitottParbeszed_data();
    void megszakitottParbeszed();
    void sikeresInditas();
    void kedvezmenySorBeallitas_data();
    void kedvezmenySorBeallitas();
    void hitelkezelesNelkul();
    void bonuszCikkNelkul();
    void normalBezarasIr();
    void uresFodraszLista();
    void idoSzinkron_data();
    void idoSzinkron();

private:
    void adatbazisAlap();
};

void TestInditas::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db2, false);
        TesztAdatbazis::letrehoz(db, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestInditas::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
    TesztAdatbazis::torol(db2);
}

void TestInditas::adatbazisAlap()
{
    Kapcsolat::foNyit(TesztAdatbazis::root(db));
    SQL_OK(QStringLiteral("DELETE FROM verzio;"));
    SQL_OK(QStringLiteral("INSERT INTO verzio (verzio) VALUES ('18.0.0.333');"));
    SQL_OK(QStringLiteral(
        "UPDATE beallit SET kedvsor=58, szervsor=59, bonuszcikkazon=60, vanadossag='I', "
        "vanvaluta='N', vanbeleptetes='N';"));
}

void TestInditas::init()
{
    allapotTorles();
    adatbazisAlap();
}

void TestInditas::elsoFuttatasMegszakitva()
{
    ProgramMappa mappa({}, false);
    Uzenetek uzenetek;
    InditasHorgok h = horgok();
    int hivas = 0;
    h.adatbazisInit = [&] {
        ++hivas;
        return false;
    };
    bool belepett = false;
    h.belepes = [&](TJog&) {
        belepett = true;
        return true;
    };
    Tfrm_Main ablak(h);
    QSignalSpy bezarult(&ablak, &Tfrm_Main::bezarult);
    QVERIFY(!ablak.indit());
    QCOMPARE(hivas, 1);
    QVERIFY(!belepett);
    QVERIFY(ablak.kilepes());
    QVERIFY(uzenetek.lista.isEmpty());
    // The closing timer ends the program without writing an INI file.
    QVERIFY(bezarult.wait(3000));
    QVERIFY(!QFile::exists(mappa.ini()));
}

void TestInditas::elsoFuttatasUjKapcsolattal()
{
    ProgramMappa mappa({}, false);
    InditasHorgok h = horgok();
    h.adatbazisInit = [] {
        Beall.ConStr = kapcsolat(db, QStringLiteral("Első"));
        return true;
    };
    Tfrm_Main ablak(h);
    QVERIFY(ablak.indit());
    QCOMPARE(Kapcsolat::fo().databaseName(), db);
    QCOMPARE(Beall.AdatbazisNev, QStringLiteral("Első"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Vexlo.F: Első"));
}

void TestInditas::egyBejegyzesListaNelkul()
{
    ProgramMappa mappa({{1, kapcsolat(db, QStringLiteral("Szalon"))}});
    InditasHorgok h = horgok();
    h.adatbazisValaszt = nullptr; // the real choice: one entry is opened without the list
    bool parbeszed = false;
    QTimer figyelo;
    figyelo.setInterval(100);
    connect(&figyelo, &QTimer::timeout, this, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            parbeszed = true;
            m->close();
        }
    });
    figyelo.start();
    Tfrm_Main ablak(h);
    QVERIFY(ablak.indit());
    QVERIFY(!parbeszed);
    QCOMPARE(Kapcsolat::fo().databaseName(), db);
    QCOMPARE(Beall.ConStr, kapcsolat(db, QStringLiteral("Szalon")));
}

void TestInditas::uresNevuBejegyzesKimarad()
{
    ProgramMappa mappa(
        {{1, kapcsolat(db2, QString())}, {2, kapcsolat(db, QStringLiteral("Második"))}});
    InditasHorgok h = horgok();
    QStringList kapottSorok, kapottKapcsolatok;
    QString kapottFelirat;
    h.adatbazisValaszt = [&](const QStringList& s, const QStringList& k, const QString& f) {
        kapottSorok = s;
        kapottKapcsolatok = k;
        kapottFelirat = f;
        return 0;
    };
    Tfrm_Main ablak(h);
    QVERIFY(ablak.indit());
    QCOMPARE(kapottSorok, QStringList{QStringLiteral("2; Második")});
    QCOMPARE(kapottKapcsolatok.size(), 1);
    QCOMPARE(kapottFelirat, QStringLiteral("Vexlo.F adatbázis választás"));
    QCOMPARE(Kapcsolat::fo().databaseName(), db);
}

void TestInditas::adatbazisValasztasMegszakitva()
{
    ProgramMappa mappa(
        {{1, kapcsolat(db, QStringLiteral("A"))}, {2, kapcsolat(db2, QStringLiteral("B"))}});
    const QByteArray elotte = mappa.iniTartalom();
    InditasHorgok h = horgok();
    h.adatbazisValaszt = [](const QStringList&, const QStringList&, const QString&) { return -1; };
    Tfrm_Main ablak(h);
    QSignalSpy bezarult(&ablak, &Tfrm_Main::bezarult);
    QVERIFY(!ablak.indit());
    QVERIFY(bezarult.wait(3000));
    QCOMPARE(mappa.iniTartalom(), elotte);
}

void TestInditas::nemNyithatoAdatbazis()
{
    ProgramMappa mappa(
        {{1, kapcsolat(QStringLiteral("nincs_ilyen_adatbazis"), QStringLiteral("Rossz"))}});
    const QByteArray elotte = mappa.iniTartalom();
    Uzenetek uzenetek;
    Tfrm_Main ablak(horgok());
    QVERIFY(!ablak.indit());
    QCOMPARE(uzenetek.hibak(), QStringList{QStringLiteral("Adatbázis megnyitás sikertelen")});
    ablak.close();
    QCOMPARE(mappa.iniTartalom(), elotte);
}

void TestInditas::elteroVerzio_data()
{
    QTest::addColumn<QString>("verzio");
    QTest::newRow("newer") << QStringLiteral("18.0.0.334");
    QTest::newRow("older") << QStringLiteral("18.0.0.332");
}

void TestInditas::elteroVerzio()
{
    QFETCH(QString, verzio);
    SQL_OK(QStringLiteral("DELETE FROM verzio;"));
    SQL_OK(QStringLiteral("INSERT INTO verzio (verzio) VALUES (") + SqlIdez(verzio) +
           QStringLiteral(");"));
    ProgramMappa mappa({{1, kapcsolat(db)}});
    const QByteArray elotte = mappa.iniTartalom();
    Uzenetek uzenetek;
    InditasHorgok h = horgok();
    bool belepett = false;
    h.belepes = [&](TJog&) {
        belepett = true;
        return true;
    };
    Tfrm_Main ablak(h);
    QSignalSpy bezarult(&ablak, &Tfrm_Main::bezarult);
    QVERIFY(!ablak.indit());
    QVERIFY(!belepett);
    QCOMPARE(
        uzenetek.hibak(),
        QStringList{
            QStringLiteral("Eltérő verziók, hiba lehetséges, frissítse programját, adatbázisát\r\n"
                           "adatbázis : ") +
            verzio + QStringLiteral("\r\nprogram: 18.0.0.333")});
    QVERIFY(bezarult.wait(3000));
    QCOMPARE(mappa.iniTartalom(), elotte);
}

void TestInditas::megszakitottParbeszed_data()
{
    QTest::addColumn<bool>("belepesMegszakitva");
    QTest::newRow("login") << true;
    QTest::newRow("date and shift") << false;
}

void TestInditas::megszakitottParbeszed()
{
    QFETCH(bool, belepesMegszakitva);
    ProgramMappa mappa({{1, kapcsolat(db)}});
    const QByteArray elotte = mappa.iniTartalom();
    InditasHorgok h = horgok();
    if (belepesMegszakitva)
        h.belepes = [](TJog&) { return false; };
    else
        h.muszakValaszt = [](QDate&, int&) { return false; };
    Tfrm_Main ablak(h);
    QSignalSpy bezarult(&ablak, &Tfrm_Main::bezarult);
    QVERIFY(!ablak.indit());
    QVERIFY(ablak.kilepes());
    // Showing the window does not keep it either.
    ablak.show();
    QVERIFY(bezarult.wait(3000));
    QCOMPARE(mappa.iniTartalom(), elotte);
}

void TestInditas::sikeresInditas()
{
    ProgramMappa mappa({{1, kapcsolat(db, QStringLiteral("Demó"))}});
    Tfrm_Main ablak(horgok());
    QVERIFY(ablak.indit());
    QVERIFY(!ablak.kilepes());
    QCOMPARE(ablak.windowTitle(), QStringLiteral("Vexlo.F V18.0.0.333: [Tündérhaj Szépségszalon]"));
    QCOMPARE(ablak.statuszPanel(2)->text(), QStringLiteral("Felhasználó: rendszergazda"));
    QCOMPARE(Beall.TulCim, QStringLiteral("6720 Szeged, Kárász utca 12."));
    QCOMPARE(AktNap, QDate::currentDate());
    QCOMPARE(AktMuszak, 1);
    QVERIFY(ablak.asztalModell()->rowCount() >= 6);
    QVERIFY(ablak.asztal() > 0);
    QCOMPARE(ablak.eloOszlop()->EloNap(), QDate::currentDate());
    // The shift is open: the shift commands with a routine are enabled.
    QVERIFY(ablak.akcio(Parancs::NapLezar)->isEnabled());
    QCOMPARE(ablak.kereso()->count(), ablak.asztalModell()->rowCount());
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 218, 181));
}

void TestInditas::kedvezmenySorBeallitas_data()
{
    QTest::addColumn<int>("kedvsor");
    QTest::addColumn<bool>("jog");
    QTest::addColumn<bool>("lathato");
    QTest::newRow("no discount item, with the right") << 0 << true << false;
    QTest::newRow("discount item, with the right") << 58 << true << true;
    // The setting, not the right, decides what is offered; the right is
    // tested when the command runs.
    QTest::newRow("discount item, without the right") << 58 << false << true;
}

void TestInditas::kedvezmenySorBeallitas()
{
    QFETCH(int, kedvsor);
    QFETCH(bool, jog);
    QFETCH(bool, lathato);
    SQL_OK(QStringLiteral("UPDATE beallit SET kedvsor=") + QString::number(kedvsor) +
           QStringLiteral(", szervsor=0;"));
    ProgramMappa mappa({{1, kapcsolat(db)}});
    TJog j = teljesJog();
    j.kedvezmenytadhat = jog;
    Tfrm_Main ablak(horgok(j));
    QVERIFY(ablak.indit());
    QCOMPARE(ablak.akcio(Parancs::Kedvezmeny)->isVisible(), lathato);
    QCOMPARE(lathatoHelyek(ablak, QStringLiteral("Kedv%!")) > 0, lathato);
    QVERIFY(!ablak.akcio(Parancs::Szervizdij)->isVisible());
    QCOMPARE(lathatoHelyek(ablak, QStringLiteral("Szervizdíj!")), 0);
    // "Kedv.ebből" follows the right.
    QCOMPARE(ablak.akcio(Parancs::Kedvezmeny2)->isVisible(), jog);
}

void TestInditas::hitelkezelesNelkul()
{
    SQL_OK(QStringLiteral("UPDATE beallit SET vanadossag='N';"));
    ProgramMappa mappa({{1, kapcsolat(db)}});
    {
        Tfrm_Main ablak(horgok());
        QVERIFY(ablak.indit());
        ablak.show();
        QCOMPARE(lathatoHelyek(ablak, QStringLiteral("Hitelre")), 0);
        QCOMPARE(lathatoHelyek(ablak, QStringLiteral("Ügyfelek (adósságok)")), 0);
        QVERIFY(!ablak.akcio(Parancs::AsztalSzabadHitel)->isEnabled());
        // The separator beside the customers button goes with it.
        const QList<QAction*> gombok = ablak.felsoEszkoztar()->actions();
        const int i = int(gombok.indexOf(ablak.akcio(Parancs::TorzsUgyfel)));
        QVERIFY(i >= 0);
        QVERIFY(gombok.at(i + 1)->isSeparator());
        QVERIFY(!gombok.at(i + 1)->isVisible());
    }
    // With credit handling on, both are offered: the order tool bar, the
    // "Rendelés" menu and the two pop-up menus; the top tool bar and the
    // "Kassza" menu.
    SQL_OK(QStringLiteral("UPDATE beallit SET vanadossag='I';"));
    allapotTorles();
    Tfrm_Main masik(horgok());
    QVERIFY(masik.indit());
    QCOMPARE(lathatoHelyek(masik, QStringLiteral("Hitelre")), 4);
    QCOMPARE(lathatoHelyek(masik, QStringLiteral("Ügyfelek (adósságok)")), 2);
}

void TestInditas::bonuszCikkNelkul()
{
    SQL_OK(QStringLiteral("UPDATE beallit SET bonuszcikkazon=-1;"));
    ProgramMappa mappa({{1, kapcsolat(db)}});
    Tfrm_Main ablak(horgok());
    QVERIFY(ablak.indit());
    QVERIFY(!ablak.akcio(Parancs::Bonuszba)->isVisible());
    QVERIFY(!ablak.akcio(Parancs::Bonuszbol)->isVisible());
    // Re-reading the settings does not bring them back before the next start.
    SQL_OK(QStringLiteral("UPDATE beallit SET bonuszcikkazon=60;"));
    ablak.BeallitOlvas();
    QVERIFY(!ablak.akcio(Parancs::Bonuszba)->isVisible());
}

void TestInditas::normalBezarasIr()
{
    SQL_OK(QStringLiteral("UPDATE beallit SET vanvaluta='I';"));
    ProgramMappa mappa({{1, kapcsolat(db)}});
    {
        IniAllomany ini(mappa.ini());
        ini.ir(QStringLiteral("Alapertek"), QStringLiteral("PenzFormatum"),
               QStringLiteral("### ### ##0 Ft"));
        ini.ir(QStringLiteral("Alapertek"), QStringLiteral("DbFormatum"),
               QStringLiteral("### ##0.0"));
        ini.ment();
    }
    InditasHorgok h = horgok();
    QString felirat, kerdes;
    double elozo = 0;
    h.inpSzam = [&](const QString& f, const QString& k, double& sz) {
        felirat = f;
        kerdes = k;
        elozo = sz;
        sz = 392.5;
        return true;
    };
    Tfrm_Main ablak(h);
    QVERIFY(ablak.indit());
    QCOMPARE(felirat, QStringLiteral("Euro szorzó megadás"));
    QCOMPARE(kerdes, QStringLiteral("Add meg a mai árfolyamot"));
    QCOMPARE(elozo, 250.0);
    QCOMPARE(Beall.Szorzo, 392.5);
    ablak.show();
    ablak.BetumeretNovel();
    ablak.close();
    const IniAllomany ini(mappa.ini());
    QCOMPARE(ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("PenzFormatum")),
             QStringLiteral("### ### ##0 Ft"));
    QCOMPARE(ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("DbFormatum")),
             QStringLiteral("### ##0.0"));
    QCOMPARE(ini.olvas(QStringLiteral("Valuta"), QStringLiteral("Szorzo")),
             QStringLiteral("392.5"));
    QCOMPARE(ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret")),
             QStringLiteral("10"));
    QCOMPARE(ini.olvas(QStringLiteral("Tulajdonos"), QStringLiteral("Tulajdonos")),
             QStringLiteral("Tündérhaj Szépségszalon"));
    // The connection list is not rewritten.
    QCOMPARE(Dekodol(ini.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"))),
             kapcsolat(db));
}

void TestInditas::uresFodraszLista()
{
    // A new database has no service points yet: the program still starts,
    // on service point 0.
    ProgramMappa mappa({{1, kapcsolat(db2)}});
    Tfrm_Main ablak(horgok());
    QVERIFY(ablak.indit());
    QCOMPARE(ablak.asztalModell()->rowCount(), 0);
    QCOMPARE(ablak.asztal(), 0);
    QCOMPARE(ablak.eloOszlop()->asztal(), 0);
    QCOMPARE(ablak.eloOszlop()->modell()->rowCount(), 48);
    ablak.akcio(Parancs::Frissit)->trigger();
    QCOMPARE(ablak.asztal(), 0);
}

void TestInditas::idoSzinkron_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<int>("hivas");
    QTest::newRow("off by default") << QString() << 0;
    QTest::newRow("on") << QStringLiteral("1") << 1;
    QTest::newRow("off") << QStringLiteral("0") << 0;
}

void TestInditas::idoSzinkron()
{
    QFETCH(QString, ini);
    QFETCH(int, hivas);
    ProgramMappa mappa({{1, kapcsolat(db)}});
    if (!ini.isNull()) {
        IniAllomany f(mappa.ini());
        f.ir(QStringLiteral("Alapertek"), QStringLiteral("IdoSzinkron"), ini);
        f.ment();
    }
    InditasHorgok h = horgok();
    int n = 0;
    h.idoSzinkron = [&] { ++n; };
    Tfrm_Main ablak(h);
    QVERIFY(ablak.indit());
    QCOMPARE(n, hivas);
}

QTEST_MAIN(TestInditas)
#include "test_inditas.moc"
