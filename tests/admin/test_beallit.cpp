// The settings window against the real `beallit` row: what it shows, OK
// saves the row and the workstation settings, every other close discards
// both, the item rows (pick, cancelled pick, clear), refused numbers and a
// failing save; and the sale item picker it uses.

#include "AblakSeged.h"
#include "Beall.h"
#include "Beallit.h"
#include "BeallitSor.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"
#include "TorzsCikkszam.h"
#include "Uzenetek.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{

const QString AB = QStringLiteral("teszt_beallit");

QString sor()
{
    return SqlSzoveg(
        QStringLiteral(
            "SELECT CONCAT_WS('|', blokknyomtat, konyhablokknyomtat, osszeglatszik, vanbeleptetes,"
            " vanfigyelmeztetes, elobbnyomkep, csiliviliblokk, keskenyblokk, vanszervizjelszo, "
            "vanadossag,"
            " vanvaluta, mutatafa, kedvnevhez, pincerkerdez, pincerpin, pincernyom, "
            "bonuszcikkazon, kedvsor,"
            " szervsor, muszakdb, gombszeles, afa1, afa2, afa3, kisadagar, "
            "IFNULL(szervizjelszo,'-'),"
            " IFNULL(stornojelszo,'-'), IFNULL(udvozletszoveg,'-'), IFNULL(udvozletszoveg2,'-'))"
            " FROM beallit;"),
        QStringLiteral("<nincs>"));
}

// The INI file without the sections the settings window writes on its own
// account: its geometry (saved whenever it closes) and the automatic backup
// settings (saved by its OK).
QString iniTartalom()
{
    QFile f(IniFajl());
    QString s = f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    for (const char* szakasz : {"frm_Beallit", "AutoMentes"}) {
        const QString fej = QStringLiteral("\r\n[") + QLatin1String(szakasz) + QLatin1Char(']');
        const int eleje = s.indexOf(fej);
        if (eleje < 0)
            continue;
        const int kov = s.indexOf(QStringLiteral("\r\n["), eleje + fej.size());
        s.remove(eleje, (kov < 0 ? s.size() : kov) - eleje);
    }
    return s;
}

template <class W> W* elem(QWidget* ablak, const char* nev)
{
    W* w = ablak->findChild<W*>(QLatin1String(nev));
    if (!w)
        qWarning("no control %s", nev);
    return w;
}

} // namespace

class TestBeallit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void sorOdaVissza();
    void uresTablaBeszur();
    void ablakErtekek();
    void megsemNemMent();
    void okMent();
    void cikkTorles();
    void cikkValasztas();
    void valasztoNelkul();
    void hibasSzam_data();
    void hibasSzam();
    void mentesHiba();

    void arlistaValaszt();
    void beallitasokArlistaval();

private:
    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
    QString m_alapSor;
};

void TestBeallit::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Alapertek]\r\nSPrint=0\r\n");
    ini.close();
    MappakBeallit(m_mappa.path());
    AlkalmazasStilus(*qApp);
    try {
        TesztAdatbazis::letrehoz(AB);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    SQL_OK(
        QStringLiteral("INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, torolve) VALUES"
                       " (1, 'K1', 'Kedvezmény', 0, 'N'),"
                       " (2, 'SZ', 'Szervizdíj', 0, 'N'),"
                       " (3, 'B1', 'Bónusz pont', 0, 'N'),"
                       " (4, 'A0', 'Törölt tétel', 100, 'I'),"
                       " (5, 'H1', 'Hajvágás rövid', 3500, 'N');"));
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestBeallit::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestBeallit::init()
{
    m_uzenetek.clear();
    Beall = TBeall();
    SQL_OK(QStringLiteral("DELETE FROM beallit;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO beallit (beallit, blokknyomtat, konyhablokknyomtat, osszeglatszik, "
        "vanbeleptetes,"
        " vanfigyelmeztetes, elobbnyomkep, csiliviliblokk, keskenyblokk, vanszervizjelszo, "
        "vanadossag,"
        " vanvaluta, mutatafa, kedvnevhez, pincerkerdez, pincerpin, pincernyom, bonuszcikkazon, "
        "kedvsor,"
        " szervsor, muszakdb, gombszeles, afa1, afa2, afa3, kisadagar, szervizjelszo, stornojelszo,"
        " udvozletszoveg, udvozletszoveg2) VALUES (1, "
        "'I','N','I','I','N','I','N','N','I','I','N','N','N',"
        "'N','N','N', 3, 1, 2, 2, 100, 27, 18, 5, 12.5, 'szerv', 'storno', 'Köszönjük!', NULL);"));
    m_alapSor = sor();
}

void TestBeallit::sorOdaVissza()
{
    TBeallitSor s = BeallitSorOlvas();
    QVERIFY(s.van);
    QCOMPARE(s.kedvsor.toInt(), 1);
    QCOMPARE(s.afa1, 27.0);
    QCOMPARE(s.udvozletszoveg, QStringLiteral("Köszönjük!"));
    s.pincernyom = true;
    s.blokknyomtat = false;
    s.afa2 = 17.5;
    s.udvozletszoveg2 = QStringLiteral("Viszontlátásra, O'Neil úr!");
    s.szervizjelszo.clear();
    BeallitSorMent(s);
    // vanbeleptetes and kisadagar have no control: they stay.
    QCOMPARE(sor(),
             QStringLiteral("N|N|I|I|N|I|N|N|I|I|N|N|N|N|N|I|3|1|2|2|100|27|17.5|5|12.5|-|storno|"
                            "Köszönjük!|Viszontlátásra, O'Neil úr!"));
}

void TestBeallit::uresTablaBeszur()
{
    SQL_OK(QStringLiteral("DELETE FROM beallit;"));
    TBeallitSor s = BeallitSorOlvas();
    QVERIFY(!s.van);
    s.muszakdb = 3;
    s.bonuszcikkazon = -1;
    s.kedvsor = 0;
    s.szervsor = 0;
    BeallitSorMent(s);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM beallit;"), -1), 1);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT muszakdb FROM beallit WHERE beallit=1;"), -1), 3);
}

void TestBeallit::ablakErtekek()
{
    Beall.TeljesKep = false;
    Beall.IdoSzinkron = true;
    Beall.SPrint = true;
    Beall.DbFormatum = QStringLiteral("### ##0.00");
    Tfrm_Beallit d(BeallitSorOlvas(), [](int) { return -1; });
    QCOMPARE(d.objectName(), QStringLiteral("frm_Beallit"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Beállítások"));
    QCOMPARE(d.lapok()->count(), 5);
    QCOMPARE(d.lapok()->tabText(4), QStringLiteral("Mentés"));
    const QStringList lapok = {"Általános", "Nyomtatás", "Jelszó", "Érintőképernyő"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(d.lapok()->tabText(i), lapok[i]);
        // Every tab has its own OK and Mégsem.
        QVERIFY(elem<QPushButton>(&d, QStringLiteral("btnOK_%1").arg(i).toLatin1().constData()));
        QVERIFY(
            elem<QPushButton>(&d, QStringLiteral("btnMegsem_%1").arg(i).toLatin1().constData()));
    }
    QVERIFY(!elem<QCheckBox>(&d, "chkTeljesKep")->isChecked());
    QVERIFY(elem<QCheckBox>(&d, "chkIdoSzinkron")->isChecked());
    QVERIFY(elem<QCheckBox>(&d, "chkSPrint")->isChecked());
    QCOMPARE(elem<QLineEdit>(&d, "edtDbFormatum")->text(), QStringLiteral("### ##0.00"));
    QCOMPARE(elem<QLineEdit>(&d, "edtPenzFormatum")->text(), QStringLiteral("### ### ##0"));
    QVERIFY(elem<QCheckBox>(&d, "chk_blokknyomtat")->isChecked());
    QVERIFY(!elem<QCheckBox>(&d, "chk_konyhablokknyomtat")->isChecked());
    QVERIFY(elem<QCheckBox>(&d, "chk_vanszervizjelszo")->isChecked());
    QCOMPARE(elem<QCheckBox>(&d, "chk_vanfigyelmeztetes")->text(),
             QStringLiteral("\"KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT\" felirat megjelenítés"));
    QCOMPARE(elem<QLineEdit>(&d, "edtAfa1")->text(), QStringLiteral("27"));
    QCOMPARE(elem<QLineEdit>(&d, "edtMuszakdb")->text(), QStringLiteral("2"));
    QCOMPARE(elem<QLineEdit>(&d, "edtGombszeles")->text(), QStringLiteral("100"));
    QCOMPARE(elem<QLineEdit>(&d, "edtUdvozlet1")->text(), QStringLiteral("Köszönjük!"));
    QCOMPARE(elem<QLineEdit>(&d, "edtUdvozlet1")->maxLength(), 42);
    QCOMPARE(elem<QLineEdit>(&d, "edtStornojelszo")->echoMode(), QLineEdit::Password);
    QCOMPARE(elem<QLineEdit>(&d, "edtSzervizjelszo")->text(), QStringLiteral("szerv"));
    QCOMPARE(d.cikkNev(0), QStringLiteral("Kedvezmény"));
    QCOMPARE(d.cikkNev(1), QStringLiteral("Szervizdíj"));
    QCOMPARE(d.cikkNev(2), QStringLiteral("Bónusz pont"));
    QCOMPARE(elem<QToolButton>(&d, "btnBonuszTorol")->toolTip(),
             QStringLiteral("Nincs kedvezmény adás lehetőség"));

    QVERIFY(aktival(&d));
    for (int i = 0; i < 4; ++i) {
        d.lapok()->setCurrentIndex(i);
        kepMent(&d, QStringLiteral("frm_Beallit_%1").arg(i + 1));
    }
}

void TestBeallit::megsemNemMent()
{
    const QString ini = iniTartalom();
    const TBeall elotte = Beall;
    modalban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        elem<QCheckBox>(d, "chkSPrint")->setChecked(true);
        elem<QCheckBox>(d, "chkTeljesKep")->setChecked(false);
        elem<QLineEdit>(d, "edtPenzFormatum")->setText(QStringLiteral("0.00"));
        elem<QCheckBox>(d, "chk_keskenyblokk")->setChecked(true);
        elem<QLineEdit>(d, "edtAfa1")->setText(QStringLiteral("5"));
        d->cikkTorol(2);
        d->lapok()->setCurrentIndex(1);
        QTest::keyClick(elem<QCheckBox>(d, "chk_keskenyblokk"), Qt::Key_Escape);
    });
    Beallitasok(nullptr, [](int) { return -1; });
    QCOMPARE(sor(), m_alapSor);
    QCOMPARE(Beall.SPrint, elotte.SPrint);
    QCOMPARE(Beall.TeljesKep, elotte.TeljesKep);
    QCOMPARE(Beall.PenzFormatum, elotte.PenzFormatum);
    QCOMPARE(iniTartalom(), ini);

    // Mégsem of another tab does the same.
    modalban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        elem<QCheckBox>(d, "chkSPrint")->setChecked(true);
        elem<QPushButton>(d, "btnMegsem_3")->click();
    });
    Beallitasok(nullptr, [](int) { return -1; });
    QCOMPARE(sor(), m_alapSor);
    QVERIFY(!Beall.SPrint);
    QVERIFY(m_uzenetek.isEmpty());
}

void TestBeallit::okMent()
{
    const QString ini = iniTartalom();
    modalban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        elem<QCheckBox>(d, "chkSPrint")->setChecked(true);
        elem<QCheckBox>(d, "chkTeljesKep")->setChecked(false);
        elem<QCheckBox>(d, "chkIdoSzinkron")->setChecked(true);
        elem<QLineEdit>(d, "edtDbFormatum")->setText(QStringLiteral("### ##0.00"));
        elem<QLineEdit>(d, "edtPenzFormatum")->setText(QStringLiteral("### ### ##0 Ft"));
        elem<QCheckBox>(d, "chk_blokknyomtat")->setChecked(false);
        elem<QCheckBox>(d, "chk_konyhablokknyomtat")->setChecked(true);
        elem<QCheckBox>(d, "chk_pincerpin")->setChecked(true);
        elem<QCheckBox>(d, "chk_csiliviliblokk")->setChecked(true);
        elem<QCheckBox>(d, "chk_vanszervizjelszo")->setChecked(false);
        elem<QLineEdit>(d, "edtAfa1")->setText(QStringLiteral("27,5"));
        elem<QLineEdit>(d, "edtAfa3")->setText(QStringLiteral(" 0 "));
        elem<QLineEdit>(d, "edtMuszakdb")->setText(QStringLiteral("3"));
        elem<QLineEdit>(d, "edtGombszeles")->setText(QStringLiteral("120"));
        QLineEdit* u2 = elem<QLineEdit>(d, "edtUdvozlet2");
        gepel(u2, QStringLiteral("Árvíztűrő tükörfúrógép"));
        elem<QLineEdit>(d, "edtStornojelszo")->setText(QStringLiteral("Ő1"));
        d->lapok()->setCurrentIndex(2);
        elem<QPushButton>(d, "btnOK_2")->click();
    });
    Beallitasok(nullptr, [](int) { return -1; });
    QVERIFY(m_uzenetek.isEmpty());
    QCOMPARE(sor(),
             QStringLiteral("N|I|I|I|N|I|I|N|N|I|N|N|N|N|I|N|3|1|2|3|120|27.5|18|0|12.5|szerv|Ő1|"
                            "Köszönjük!|Árvíztűrő tükörfúrógép"));
    QVERIFY(Beall.SPrint);
    QVERIFY(!Beall.TeljesKep);
    QVERIFY(Beall.IdoSzinkron);
    QCOMPARE(Beall.DbFormatum, QStringLiteral("### ##0.00"));
    QCOMPARE(Beall.PenzFormatum, QStringLiteral("### ### ##0 Ft"));
    // The workstation settings reach the INI file only when the program
    // closes.
    QCOMPARE(iniTartalom(), ini);
    // The caller's re-read sees the saved row.
    TBeall b;
    BeallitRekordOlvas(b);
    QCOMPARE(b.muszakdb, 3);
    QCOMPARE(b.afa1, 27.5);
    QVERIFY(b.csiliviliblokk);
}

void TestBeallit::cikkTorles()
{
    modalban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        elem<QToolButton>(d, "btnKedvsorTorol")->click();
        elem<QToolButton>(d, "btnSzervsorTorol")->click();
        elem<QToolButton>(d, "btnBonuszTorol")->click();
        QVERIFY(d->cikkNev(0).isEmpty());
        QVERIFY(d->cikkNev(1).isEmpty());
        QVERIFY(d->cikkNev(2).isEmpty());
        elem<QPushButton>(d, "btnOK_0")->click();
    });
    Beallitasok(nullptr, [](int) { return -1; });
    QCOMPARE(SqlSzoveg(QStringLiteral(
                           "SELECT CONCAT(kedvsor,'|',szervsor,'|',bonuszcikkazon) FROM beallit;"),
                       QString()),
             QStringLiteral("0|0|-1"));
    TBeall b;
    BeallitRekordOlvas(b);
    QCOMPARE(b.bonuszcikkazon, -1);
    QCOMPARE(b.kedvsor, 0);
}

void TestBeallit::cikkValasztas()
{
    QList<int> kapott;
    int valasz = -1;
    Tfrm_Beallit d(BeallitSorOlvas(), [&](int k) {
        kapott << k;
        return valasz;
    });
    // A cancelled pick keeps the item and its name.
    elem<QToolButton>(&d, "btnKedvsorValaszt")->click();
    QCOMPARE(kapott, QList<int>{1});
    QCOMPARE(d.sor().kedvsor.toInt(), 1);
    QCOMPARE(d.cikkNev(0), QStringLiteral("Kedvezmény"));

    valasz = 5;
    elem<QToolButton>(&d, "btnBonuszValaszt")->click();
    QCOMPARE(kapott.last(), 3);
    QCOMPARE(d.sor().bonuszcikkazon.toInt(), 5);
    QCOMPARE(d.cikkNev(2), QStringLiteral("Hajvágás rövid"));

    // After a clear, the picker starts from "none".
    elem<QToolButton>(&d, "btnSzervsorTorol")->click();
    valasz = -1;
    elem<QToolButton>(&d, "btnSzervsorValaszt")->click();
    QCOMPARE(kapott.last(), 0);
    QCOMPARE(d.sor().szervsor.toInt(), 0);
    QVERIFY(d.cikkNev(1).isEmpty());

    elem<QPushButton>(&d, "btnOK_0")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(SqlSzoveg(QStringLiteral(
                           "SELECT CONCAT(kedvsor,'|',szervsor,'|',bonuszcikkazon) FROM beallit;"),
                       QString()),
             QStringLiteral("1|0|5"));
}

void TestBeallit::valasztoNelkul()
{
    Tfrm_Beallit d(BeallitSorOlvas(), {});
    QVERIFY(!elem<QToolButton>(&d, "btnKedvsorValaszt")->isEnabled());
    QVERIFY(elem<QToolButton>(&d, "btnKedvsorTorol")->isEnabled());
}

void TestBeallit::hibasSzam_data()
{
    QTest::addColumn<QString>("mezo");
    QTest::addColumn<QString>("szoveg");
    QTest::newRow("VAT rate with letters") << "edtAfa1"
                                           << "27a";
    QTest::newRow("empty VAT rate") << "edtAfa2"
                                    << "";
    QTest::newRow("shifts not whole") << "edtMuszakdb"
                                      << "1,5";
    QTest::newRow("no shift") << "edtMuszakdb"
                              << "0";
    QTest::newRow("button width") << "edtGombszeles"
                                  << "széles";
}

void TestBeallit::hibasSzam()
{
    QFETCH(QString, mezo);
    QFETCH(QString, szoveg);
    Tfrm_Beallit d(BeallitSorOlvas(), {});
    QVERIFY(aktival(&d));
    QLineEdit* e = d.findChild<QLineEdit*>(mezo);
    QVERIFY(e);
    e->setText(szoveg);
    d.lapok()->setCurrentIndex(1);
    elem<QPushButton>(&d, "btnOK_1")->click();
    QVERIFY(d.isVisible());
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
    // The refused edit is shown and focused.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(e));
    QCOMPARE(sor(), m_alapSor);
}

void TestBeallit::mentesHiba()
{
    // A save the server refuses leaves the window open and nothing changed.
    SQL_OK(QStringLiteral("RENAME TABLE beallit TO beallit_felre;"));
    const bool elotte = Beall.SPrint;
    Tfrm_Beallit d(TBeallitSor{}, {});
    QVERIFY(aktival(&d));
    elem<QCheckBox>(&d, "chkSPrint")->setChecked(!elotte);
    elem<QPushButton>(&d, "btnOK_0")->click();
    SQL_OK(QStringLiteral("RENAME TABLE beallit_felre TO beallit;"));
    QVERIFY(d.isVisible());
    QCOMPARE(m_uzenetek.size(), 1);
    QVERIFY(m_uzenetek[0].szoveg.startsWith(QStringLiteral("Hiba: ")));
    QCOMPARE(Beall.SPrint, elotte);
    QCOMPARE(sor(), m_alapSor);
}

void TestBeallit::arlistaValaszt()
{
    // Live items only, by code; positioned on the initial item.
    modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_TorzsCikkszam"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Árlista"));
        QAbstractItemModel* m = d->grid()->model();
        QCOMPARE(m->rowCount(), 4);
        QStringList kodok;
        for (int i = 0; i < m->rowCount(); ++i)
            kodok << m->index(i, 0).data().toString();
        QCOMPARE(kodok, (QStringList{"B1", "H1", "K1", "SZ"}));
        QCOMPARE(d->aktualisKulcs(), 5);
        kepMent(d, QStringLiteral("frm_TorzsCikkszam"));
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_Return);
    });
    QCOMPARE(ArlistaValaszt(5, true), 1);

    modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* d) {
        QCOMPARE(d->aktualisKulcs(), 3); // -1 leaves the first row current
        QTest::keyClick(d->grid(), Qt::Key_Escape);
    });
    QCOMPARE(ArlistaValaszt(-1, true), -1);

    // A soft-deleted item is not offered even as the initial one.
    modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* d) {
        QCOMPARE(d->aktualisKulcs(), 3);
        const QModelIndex i = d->grid()->model()->index(3, 0);
        const QPoint p = d->grid()->visualRect(i).center();
        QTest::mouseClick(d->grid()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(d->grid()->viewport(), Qt::LeftButton, {}, p);
    });
    QCOMPARE(ArlistaValaszt(4, true), 2);

    // Not in pick mode nothing is chosen.
    modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* d) {
        QTest::keyClick(d->grid(), Qt::Key_Return);
        QVERIFY(d->isVisible());
        d->reject();
    });
    QCOMPARE(ArlistaValaszt(5, false), -1);
}

void TestBeallit::beallitasokArlistaval()
{
    // The settings window with the real item list: cancelling the list keeps
    // the item on display, a choice replaces it.
    modalban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* l) {
            QCOMPARE(l->aktualisKulcs(), 1);
            QTest::keyClick(l->grid(), Qt::Key_Escape);
        });
        elem<QToolButton>(d, "btnKedvsorValaszt")->click();
        QCOMPARE(d->cikkNev(0), QStringLiteral("Kedvezmény"));

        modalban<Tfrm_TorzsCikkszam>([](Tfrm_TorzsCikkszam* l) {
            QCOMPARE(l->aktualisKulcs(), 1);
            QTest::keyClick(l->grid(), Qt::Key_Up);
            QTest::keyClick(l->grid(), Qt::Key_Return);
        });
        elem<QToolButton>(d, "btnKedvsorValaszt")->click();
        QCOMPARE(d->cikkNev(0), QStringLiteral("Hajvágás rövid"));
        elem<QPushButton>(d, "btnOK_0")->click();
    });
    Beallitasok(nullptr, [](int k) { return ArlistaValaszt(k, true); });
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT kedvsor FROM beallit;"), -1), 5);
}

QTEST_MAIN(TestBeallit)
#include "test_beallit.moc"
