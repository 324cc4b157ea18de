// The main window after a restore through the "Adatbázisok" window: every
// grid reads the data again (the restored names, not the ones on screen).

#include "AblakSeged.h"
#include "Adatbazisok.h"
#include "AppTeszt.h"
#include "AsztalModell.h"
#include "DbHiba.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Main.h"
#include "Mentes.h"
#include "Parancs.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

using namespace AppTeszt;

namespace
{
const QString db = QStringLiteral("teszt_app_adatfrissites");
}

class TestAdatFrissites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void visszaallitasUtanUjraolvas();
};

void TestAdatFrissites::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestAdatFrissites::cleanupTestCase()
{
    Tfrm_Adatbazis::fajlKerdesBeallit({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

void TestAdatFrissites::visszaallitasUtanUjraolvas()
{
    allapotTorles();
    ProgramMappa mappa(QMap<int, QString>{{1, kapcsolat(db)}});
    Tfrm_Main ablak(horgok());
    QVERIFY(ablak.indit());
    QVERIFY(aktival(&ablak));
    Uzenetek uzenetek;

    const int elso = SqlEgesz(QStringLiteral("SELECT MIN(asztal) FROM asztal;"), 0);
    QVERIFY(elso > 0);
    const QString eredeti =
        SqlSzoveg(QStringLiteral("SELECT asztal_nev FROM asztal WHERE asztal=%1;").arg(elso), {});
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("mentes.zip"));
    BiztonsagiMentes(TesztAdatbazis::root(db), fajl);

    // The screen shows a later name...
    SqlFuttat(
        QStringLiteral("UPDATE asztal SET asztal_nev = 'Átnevezve' WHERE asztal=%1;").arg(elso));
    ablak.Frissites();
    const auto nevek = [&] { return ablak.asztalModell()->nevek(); };
    QVERIFY(nevek().contains(QStringLiteral("Átnevezve")));

    // ...and the restore, run from the main window's command, brings the
    // backup's name onto it.
    Tfrm_Adatbazis::fajlKerdesBeallit(
        [&](QWidget*, bool, const QString&, const QString&, const QString&) { return fajl; });
    bool lefutott = false;
    modalban<Tfrm_Adatbazis>([&](Tfrm_Adatbazis* w) {
        w->aRestore->trigger();
        lefutott = true;
        w->reject();
    });
    ablak.akcio(Parancs::Adatbazis)->trigger();
    QVERIFY(lefutott);
    QVERIFY2(uzenetek.hibak().isEmpty(), qPrintable(uzenetek.hibak().join(QLatin1Char('\n'))));
    QVERIFY(
        uzenetek.szovegek().contains(QStringLiteral("Az adatbázis visszaállítása befejeződött.")));
    QVERIFY(nevek().contains(eredeti));
    QVERIFY(!nevek().contains(QStringLiteral("Átnevezve")));
}

QTEST_MAIN(TestAdatFrissites)
#include "test_adatfrissites.moc"
