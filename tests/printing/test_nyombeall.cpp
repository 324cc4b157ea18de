// The printer profile window: the grid over "Nyomtato.csv", delete with
// renumbering, moves, the new-profile dialog chain, saving however the
// window closes.

#include "Beall.h"
#include "DialogusVezerlo.h"
#include "Inp.h"
#include "InpStr.h"
#include "Mappak.h"
#include "NyomBeall.h"
#include "Nyomtato.h"
#include "NyomtatoModell.h"
#include "Radio.h"
#include "RawNyomtatas.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

TNyomtato profil(int n, const QString& nev)
{
    TNyomtato ny;
    ny.nyomtato = n;
    ny.nyomtato_nev = nev;
    ny.nyomtipus = 1;
    ny.kodlapkonv = 2;
    ny.marka = 0;
    ny.szeles = 40;
    ny.extrasor = 5;
    ny.cutter = true;
    NyomtatoNevekBeallit(ny);
    return ny;
}

QStringList fajlNevek()
{
    QStringList s;
    for (const TNyomtato& ny : NyomtatoListaOlvas(NyomtatoFajl()))
        s << QString::number(ny.nyomtato) + QLatin1Char(' ') + ny.nyomtato_nev;
    return s;
}

DialogusVezerlo::Lepes radio(int index)
{
    return [index](QWidget* w) {
        auto* d = qobject_cast<Tfrm_Radio*>(w);
        QVERIFY(d);
        d->gombok().at(index)->setChecked(true);
        d->okGomb()->click();
    };
}

DialogusVezerlo::Lepes szam(const QString& szoveg)
{
    return [szoveg](QWidget* w) {
        auto* d = qobject_cast<Tfrm_Inp*>(w);
        QVERIFY(d);
        d->szamSzerkeszto()->setText(szoveg);
        d->okGomb()->click();
    };
}

DialogusVezerlo::Lepes megsem()
{
    return [](QWidget* w) { QMetaObject::invokeMethod(w, "reject"); };
}

} // namespace

class TestNyomBeall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<UzenetAdat> m_uzenetek;
    bool m_valasz = true;

    void harom() { NyomtatoListaIr(NyomtatoFajl(), {profil(1, "egy"), profil(2, "ketto"), profil(3, "harom")}); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void megjelenites();
    void oszlopCimekKiferek_data();
    void oszlopCimekKiferek();
    void torlesMasodik();
    void torlesNem();
    void mozgatas();
    void ujPortProfil();
    void ujFajlProfil();
    void ujMegszakitva();
    void ujGrafikusNyomtatoNelkul();
    void mentesBezaraskor();
    void kepernyokep();
};

void TestNyomBeall::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile ini(m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    // No printers: a scheduler address where none listens.
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return m_valasz;
    });
}

void TestNyomBeall::init()
{
    m_uzenetek.clear();
    m_valasz = true;
    QFile::remove(NyomtatoFajl());
}

void TestNyomBeall::cleanupTestCase()
{
    UzenetElfogo({});
}

void TestNyomBeall::megjelenites()
{
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.resize(840, 300);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QCOMPARE(a.windowTitle(), QStringLiteral("Nyomtatók"));
    QCOMPARE(a.racs()->model()->rowCount(), 3);
    QStringList cimek;
    for (int i = 0; i < a.racs()->model()->columnCount(); ++i)
        cimek << a.racs()->model()->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(cimek, (QStringList{"sorszám", "nyomt.típusa", "nyomtató", "betűtípus", "betűméret",
                                 "széles", "extra sor", "vágóegység", "márka"}));
    QCOMPARE(a.racs()->model()->index(1, 2).data().toString(), QStringLiteral("ketto"));
    QCOMPARE(a.racs()->model()->index(1, 1).data().toString(), NyomtipusNevek().at(1));
    QCOMPARE(a.racs()->model()->index(1, 7).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(a.allapotCimke()->text(), QStringLiteral("3: 1"));
    QCOMPARE(a.racs()->property("kiemeltOszlop").toInt(), 0);
    // Column shares of the grid width less 40 pixels, none narrower than
    // its title.
    const int alap = a.racs()->width() - 40;
    QCOMPARE(a.racs()->columnWidth(1), alap * 23 / 100);
    for (int i = 0; i < a.racs()->model()->columnCount(); ++i)
        QVERIFY(a.racs()->columnWidth(i) >= alap * NyomtatoModell::oszlopArany(i) / 100);
    QCOMPARE(a.aUj->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(a.aTorol->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QCOMPARE(a.aFeljebb->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(a.aLejjebb->shortcut(), QKeySequence(Qt::Key_F8));
    QCOMPARE(a.aBezar->shortcut(), QKeySequence(Qt::Key_Escape));
    a.racs()->selectRow(2);
    QCOMPARE(a.allapotCimke()->text(), QStringLiteral("3: 3"));
}

void TestNyomBeall::oszlopCimekKiferek_data()
{
    QTest::addColumn<int>("betuMeret");
    QTest::addColumn<int>("szeles");
    QTest::newRow("default font, default width") << 9 << 760;
    QTest::newRow("one step larger") << 10 << 760;
    QTest::newRow("narrow window") << 9 << 420;
}

void TestNyomBeall::oszlopCimekKiferek()
{
    // Every title fits its column at the window's font and at one point
    // larger ("orszán", "etűmére", "extra so" were cut before).
    QFETCH(int, betuMeret);
    QFETCH(int, szeles);
    const int regi = Beall.BetuMeret;
    Beall.BetuMeret = betuMeret;
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.resize(szeles, 300);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    const QHeaderView* fejlec = a.racs()->horizontalHeader();
    QCOMPARE(a.racs()->font().pointSize(), betuMeret);
    // The titles at the larger of the header's and the window's size, one
    // step up.
    QFont nagyobb = fejlec->font();
    nagyobb.setPointSize(qMax(betuMeret, fejlec->font().pointSize()) + 1);
    for (int i = 0; i < a.racs()->model()->columnCount(); ++i) {
        const QString cim = a.racs()->model()->headerData(i, Qt::Horizontal).toString();
        const int kell = QFontMetrics(nagyobb).horizontalAdvance(cim);
        QVERIFY2(a.racs()->columnWidth(i) > kell + 4, qPrintable(QStringLiteral("%1: %2 <= %3")
                                                                     .arg(cim)
                                                                     .arg(a.racs()->columnWidth(i))
                                                                     .arg(kell + 4)));
        QCOMPARE(a.racs()->columnWidth(i) >= CimSzelesseg(fejlec, i), true);
    }
    a.close();
    Beall.BetuMeret = regi;
}

void TestNyomBeall::torlesMasodik()
{
    // Three profiles, delete the second, close: profiles 1 and 2 in the file,
    // the former third now number 2.
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    a.racs()->selectRow(1);
    a.aTorol->trigger();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Kerdes);
    QCOMPARE(m_uzenetek.at(0).szoveg, QStringLiteral("Valóban töröljem a nyomtatót?"));
    QCOMPARE(m_uzenetek.at(0).felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(a.allapotCimke()->text(), QStringLiteral("2: 1"));
    QCOMPARE(a.lista().aktualis(), 0);
    QTest::keyClick(&a, Qt::Key_Escape);
    QVERIFY(!a.isVisible());
    QCOMPARE(fajlNevek(), (QStringList{"1 egy", "2 harom"}));
}

void TestNyomBeall::torlesNem()
{
    harom();
    m_valasz = false;
    Tfrm_NyomBeall a;
    a.betolt();
    a.racs()->selectRow(2);
    a.aTorol->trigger();
    QCOMPARE(a.lista().darab(), 3);
    QCOMPARE(a.lista().aktualis(), 0);
    a.aBezar->trigger();
    QCOMPARE(fajlNevek(), (QStringList{"1 egy", "2 ketto", "3 harom"}));
}

void TestNyomBeall::mozgatas()
{
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    QVERIFY(QTest::qWaitForWindowActive(&a));
    // Up on profile 1 and down on the last change nothing.
    a.racs()->selectRow(0);
    QVERIFY(!a.aFeljebb->isEnabled());
    a.Feljebb();
    a.racs()->selectRow(2);
    QVERIFY(!a.aLejjebb->isEnabled());
    a.Lejjebb();
    QCOMPARE(a.lista().sorok().at(2).nyomtato_nev, QStringLiteral("harom"));
    // F7 on the third: it becomes number 2 and stays selected.
    QTest::keyClick(a.racs(), Qt::Key_F7);
    QCOMPARE(a.lista().sorok().at(1).nyomtato_nev, QStringLiteral("harom"));
    QCOMPARE(a.racs()->currentIndex().row(), 1);
    QCOMPARE(a.allapotCimke()->text(), QStringLiteral("3: 2"));
    // F8 on the first.
    a.racs()->selectRow(0);
    QTest::keyClick(a.racs(), Qt::Key_F8);
    a.close();
    QCOMPARE(fajlNevek(), (QStringList{"1 harom", "2 egy", "3 ketto"}));
}

void TestNyomBeall::ujPortProfil()
{
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    m_valasz = false; // no cutter: an answer, not a cancel
    DialogusVezerlo v({radio(2), radio(3), radio(2), radio(1), szam(QStringLiteral("32")), szam(QStringLiteral("2,5"))},
                      &a);
    a.aUj->trigger();
    QCOMPARE(v.hatralevo(), 0);
    QCOMPARE(v.cimek, (QStringList{"Nyomtatás típusa", "Port választás", "Kódlap", "Nyomtató gyártmány", "Szélesség",
                                   "Extra sorok"}));
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).szoveg, QStringLiteral("A nyomtató rendelkezik vágóegységgel?"));
    QCOMPARE(m_uzenetek.at(0).felirat, QStringLiteral("Vágóegység"));
    QCOMPARE(a.lista().darab(), 4);
    QCOMPARE(a.lista().aktualis(), 3);
    QCOMPARE(a.racs()->currentIndex().row(), 3);
    const TNyomtato uj = a.lista().sorok().at(3);
    TNyomtato vart;
    vart.nyomtato = 4;
    vart.nyomtato_nev = QStringLiteral("COM1");
    vart.nyomtipus = 2;
    vart.kodlapkonv = 2;
    vart.marka = 1;
    vart.szeles = 32;
    vart.extrasor = 2; // 2.5 rounded half to even
    vart.cutter = false;
    vart.nyomtipus_nev = QStringLiteral("Direkt nyomtatás (Port)");
    vart.kodlapkonv_nev = QStringLiteral("PC852");
    vart.marka_nev = QStringLiteral("Samsung");
    QCOMPARE(uj, vart);
    a.close();
    TNyomtato ny;
    QVERIFY(NyomtatoBetolt(4, ny));
    QCOMPARE(ny, vart);
}

void TestNyomBeall::ujFajlProfil()
{
    // The port "FILE" asks for the file, proposed in the data folder; the
    // profile keeps the full path, and a relative name lies in that folder.
    const QList<std::pair<QString, QString>> esetek = {
        {QString(), QDir::toNativeSeparators(FajlKimenetAlap())},
        {QStringLiteral("blokkok/pult.txt"), m_dir.filePath(QStringLiteral("blokkok/pult.txt"))},
    };
    for (const auto& [beirt, vart] : esetek) {
        QFile::remove(NyomtatoFajl());
        Tfrm_NyomBeall a;
        a.betolt();
        a.show();
        QString javasolt;
        const QString szoveg = beirt;
        DialogusVezerlo v({radio(2), radio(9),
                           [&javasolt, szoveg](QWidget* w) {
                               auto* d = qobject_cast<Tfrm_InpStr*>(w);
                               QVERIFY(d);
                               javasolt = d->szovegSzerkeszto()->text();
                               if (!szoveg.isEmpty())
                                   d->szovegSzerkeszto()->setText(szoveg);
                               d->okGomb()->click();
                           },
                           radio(0), radio(3), szam(QStringLiteral("40")),
                           szam(QStringLiteral("3"))},
                          &a);
        a.aUj->trigger();
        QCOMPARE(v.hatralevo(), 0);
        QCOMPARE(v.cimek.mid(0, 3),
                 (QStringList{"Nyomtatás típusa", "Port választás", "Kimeneti fájl"}));
        QCOMPARE(javasolt, QDir::toNativeSeparators(FajlKimenetAlap()));
        QCOMPARE(a.lista().darab(), 1);
        QCOMPARE(QDir::toNativeSeparators(a.lista().sorok().at(0).nyomtato_nev),
                 QDir::toNativeSeparators(vart));
        a.close();
    }
    // Cancelling the file question stores nothing.
    QFile::remove(NyomtatoFajl());
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    DialogusVezerlo v({radio(2), radio(9), megsem()}, &a);
    a.aUj->trigger();
    QCOMPARE(v.hatralevo(), 0);
    QCOMPARE(a.lista().darab(), 0);
}

void TestNyomBeall::ujMegszakitva()
{
    // Cancelling any dialog of the chain stores nothing.
    const QList<QList<DialogusVezerlo::Lepes>> lancok = {
        {megsem()},
        {radio(2), megsem()},
        {radio(2), radio(0), megsem()},
        {radio(2), radio(0), radio(0), megsem()},
        {radio(2), radio(0), radio(0), radio(0), megsem()},
        {radio(2), radio(0), radio(0), radio(0), szam(QStringLiteral("40")), megsem()},
    };
    harom();
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    for (const auto& lanc : lancok) {
        DialogusVezerlo v(lanc, &a);
        a.aUj->trigger();
        QCOMPARE(v.hatralevo(), 0);
        QCOMPARE(a.lista().darab(), 3);
    }
    QVERIFY(m_uzenetek.isEmpty());
}

void TestNyomBeall::ujGrafikusNyomtatoNelkul()
{
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    DialogusVezerlo v({radio(0)}, &a);
    a.aUj->trigger();
    QCOMPARE(a.lista().darab(), 0);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Figyelmeztetes);
    QCOMPARE(m_uzenetek.at(0).szoveg, QStringLiteral("Nincs telepített nyomtató."));
}

void TestNyomBeall::mentesBezaraskor()
{
    // No file: the window opens empty; Esc closes it and creates the file.
    QVERIFY(!QFile::exists(NyomtatoFajl()));
    QTimer::singleShot(0, []() {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<Tfrm_NyomBeall*>(w));
        QTest::keyClick(w, Qt::Key_Escape);
    });
    NyomtatoBeallitas();
    QVERIFY(QFile::exists(NyomtatoFajl()));
    QVERIFY(NyomtatoListaOlvas(NyomtatoFajl()).isEmpty());

    // A file that cannot be written: the error is shown, the window closes.
    QFile::remove(NyomtatoFajl());
    QVERIFY(QDir().mkdir(NyomtatoFajl()));
    Tfrm_NyomBeall a;
    a.show();
    a.close();
    QVERIFY(!a.isVisible());
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Hiba);
    QVERIFY(m_uzenetek.at(0).szoveg.startsWith(QStringLiteral("Hiba: A nyomtatók fájlja nem írható: ")));
    QVERIFY(QDir().rmdir(NyomtatoFajl()));
}

void TestNyomBeall::kepernyokep()
{
    const QString mappa = qEnvironmentVariable("VEXLOF_KEPEK_MAPPA");
    if (mappa.isEmpty())
        QSKIP("VEXLOF_KEPEK_MAPPA not set: no picture saved");
    TNyomtato g;
    g.nyomtato = 1;
    g.nyomtato_nev = QStringLiteral("HP_LaserJet");
    g.nyomtipus = 0;
    g.kodlapkonv = -1;
    g.marka = -1;
    g.betutipus = QStringLiteral("Courier New");
    g.betumeret = 10;
    g.szeles = 80;
    NyomtatoNevekBeallit(g);
    TNyomtato p = profil(3, QStringLiteral("LPT1"));
    p.nyomtipus = 2;
    p.marka = 3;
    p.cutter = false;
    NyomtatoNevekBeallit(p);
    NyomtatoListaIr(NyomtatoFajl(), {g, profil(2, QStringLiteral("Star_TSP100")), p});
    Tfrm_NyomBeall a;
    a.betolt();
    a.resize(820, 300);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    a.racs()->selectRow(1);
    QVERIFY(a.grab().save(mappa + QStringLiteral("/nyomtatok.png")));
}

QTEST_MAIN(TestNyomBeall)
#include "test_nyombeall.moc"
