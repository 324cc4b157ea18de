// The input dialogs: the number dialog with its key filter and limit, the
// number-and-remark dialog, the text and password dialog, the drop-down
// dialog, the radio dialog and the result log, driven with simulated keys.

#include "AblakSeged.h"
#include "Beall.h"
#include "Combo.h"
#include "Eredmeny.h"
#include "Inp.h"
#include "Inp2.h"
#include "InpStr.h"
#include "Radio.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

class TestBeviteli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void inpSzuro_data();
    void inpSzuro();
    void inpTorles();
    void inpErtek_data();
    void inpErtek();
    void inpBeillesztes();
    void inpSzamOkEsMegsem();
    void betuMeret();
    void inpSzamMaxElofeltoltes();
    void inpKorlat_data();
    void inpKorlat();
    void inpSzamMaxMaradNyitva();

    void inp2Enter_data();
    void inp2Enter();
    void inp2Esc();
    void inp2Lepes_data();
    void inp2Lepes();
    void inp2Szuro();
    void inpSzamMegj();

    void inpStrGepeles_data();
    void inpStrGepeles();
    void inpSzoveg();
    void inpJelszoMaszkolt();
    void inpJelszoNyilt();

    void comboRendezes();
    void inpCombo();
    void inpComboMegsem();

    void radioValasztekok_data();
    void radioValasztekok();
    void radioZsugorodas();
    void radioValaszt();
    void radioValasztSzoveg();

    void eredmeny();

private:
    QList<UzenetAdat> m_uzenetek;
};

void TestBeviteli::initTestCase()
{
    AlkalmazasStilus(*qApp);
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestBeviteli::init()
{
    Beall = TBeall();
    m_uzenetek.clear();
    QLocale::setDefault(QLocale::c());
}

void TestBeviteli::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

// --- number dialog ------------------------------------------------------------------

void TestBeviteli::inpSzuro_data()
{
    QTest::addColumn<QString>("gepelt");
    QTest::addColumn<QString>("vart");
    QTest::newRow("letters dropped") << QStringLiteral("1a2B3") << QStringLiteral("123");
    QTest::newRow("comma and minus kept") << QStringLiteral("-12,5") << QStringLiteral("-12,5");
    QTest::newRow("point and space dropped")
        << QStringLiteral("1 234.5") << QStringLiteral("12345");
    QTest::newRow("Hungarian letter dropped") << QStringLiteral("1é2ő") << QStringLiteral("12");
    QTest::newRow("other digits dropped") << QStringLiteral("1\u0663\uff12") << QStringLiteral("1");
}

void TestBeviteli::inpSzuro()
{
    QFETCH(QString, gepelt);
    QFETCH(QString, vart);
    Tfrm_Inp d;
    d.szamSzerkeszto()->clear();
    gepel(d.szamSzerkeszto(), gepelt);
    QCOMPARE(d.szamSzerkeszto()->text(), vart);
}

void TestBeviteli::inpTorles()
{
    Tfrm_Inp d;
    QLineEdit* e = d.szamSzerkeszto();
    QTest::keyClicks(e, "1234");
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QStringLiteral("123"));
    QTest::keyClick(e, Qt::Key_Home);
    QTest::keyClick(e, Qt::Key_Delete);
    QCOMPARE(e->text(), QStringLiteral("23"));
}

void TestBeviteli::inpErtek_data()
{
    QTest::addColumn<bool>("magyar");
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<double>("vart");
    QTest::newRow("space-grouped, decimal comma workstation")
        << true << QStringLiteral("1 234,5") << 1234.5;
    QTest::newRow("space-grouped, decimal point workstation")
        << false << QStringLiteral("1 234,5") << 1234.5;
    QTest::newRow("no-break space grouping") << true << QStringLiteral("1\u00a0234") << 1234.0;
    QTest::newRow("negative") << true << QStringLiteral("-12,5") << -12.5;
    QTest::newRow("letters only") << true << QStringLiteral("abc") << 0.0;
    QTest::newRow("empty") << false << QString() << 0.0;
    QTest::newRow("two separators") << true << QStringLiteral("1.234,5") << 0.0;
}

void TestBeviteli::inpErtek()
{
    QFETCH(bool, magyar);
    QFETCH(QString, szoveg);
    QFETCH(double, vart);
    if (magyar)
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    Tfrm_Inp d;
    d.szamSzerkeszto()->setText(szoveg);
    QCOMPARE(d.ertek(), vart);
}

void TestBeviteli::inpBeillesztes()
{
    // The filter acts on typing only: pasted letters arrive and read as 0.
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    if (QGuiApplication::clipboard()->text() != QLatin1String("abc"))
        QSKIP("no clipboard on this platform");
    Tfrm_Inp d;
    d.szamSzerkeszto()->clear();
    QTest::keyClick(d.szamSzerkeszto(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d.szamSzerkeszto()->text(), QStringLiteral("abc"));
    QCOMPARE(d.ertek(), 0.0);
}

void TestBeviteli::inpSzamOkEsMegsem()
{
    double szam = 1234;
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Inp"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Ár megadás"));
        QCOMPARE(d->kerdesCimke()->text(), QStringLiteral("Add meg az árat"));
        QCOMPARE(d->szamSzerkeszto()->text(), QStringLiteral("1 234"));
        QCOMPARE(d->szamSzerkeszto()->selectedText(), QStringLiteral("1 234"));
        QVERIFY(d->szamSzerkeszto()->alignment() & Qt::AlignRight);
        QCOMPARE(d->szamSzerkeszto()->font().pixelSize(), 15);
        QVERIFY(d->alsoCimke()->text().isEmpty());
        QVERIFY(d->okGomb()->isDefault());
        QCOMPARE(d->megsemGomb()->text(), QStringLiteral("Mégsem"));
        gepel(d->szamSzerkeszto(), QStringLiteral("5x6"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    QVERIFY(InpSzam(QStringLiteral("Ár megadás"), QStringLiteral("Add meg az árat"), szam));
    QCOMPARE(szam, 56.0);

    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        gepel(d->szamSzerkeszto(), QStringLiteral("99"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Escape);
    });
    QVERIFY(!InpSzam(QStringLiteral("Ár megadás"), QStringLiteral("Add meg az árat"), szam));
    QCOMPARE(szam, 56.0);

    // No limit: any size goes.
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        d->szamSzerkeszto()->setText(QStringLiteral("99999999"));
        QTest::mouseClick(d->okGomb(), Qt::LeftButton);
    });
    QVERIFY(InpSzam(QStringLiteral("Ár"), QStringLiteral("Ár"), szam));
    QCOMPARE(szam, 99999999.0);
    QVERIFY(m_uzenetek.isEmpty());
}

void TestBeviteli::betuMeret()
{
    // The setting's font size reaches every control but the ones with a size
    // of their own (the number edit, the log).
    Beall.BetuMeret = 13;
    Tfrm_Inp inp;
    QCOMPARE(inp.kerdesCimke()->font().pointSize(), 13);
    QCOMPARE(inp.okGomb()->font().pointSize(), 13);
    QCOMPARE(inp.szamSzerkeszto()->font().pixelSize(), 15);
    QVERIFY(inp.alsoCimke()->font().pointSizeF() < 13);
    Tfrm_Inp2 inp2;
    QCOMPARE(inp2.megjegyzesSzerkeszto()->font().pointSize(), 13);
    Tfrm_InpStr str;
    QCOMPARE(str.lathatoJelolo()->font().pointSize(), 13);
    Tfrm_Combo combo;
    QCOMPARE(combo.combo()->font().pointSize(), 13);
    Tfrm_Radio radio;
    radio.beallit(QStringLiteral("x"), {QStringLiteral("a")}, 0);
    QCOMPARE(radio.gombok()[0]->font().pointSize(), 13);
    Tfrm_Eredmeny eredmeny;
    QCOMPARE(eredmeny.bezarGomb()->font().pointSize(), 13);
    QCOMPARE(eredmeny.memo()->font().pixelSize(), 12);
}

void TestBeviteli::inpSzamMaxElofeltoltes()
{
    // A decimal-comma workstation with a space-grouping quantity format.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    Beall.DbFormatum = QStringLiteral("### ### ##0.00");
    double szam = 1234.5;
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        QCOMPARE(d->szamSzerkeszto()->text(), QStringLiteral("1 234,50"));
        QCOMPARE(d->alsoCimke()->text(), QStringLiteral("Szabad: 2 000,00"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(InpSzamMax(QStringLiteral("Bónusz felhasználás"),
                       QStringLiteral("Add meg a felhasználandó bónuszt!"), szam, 2000));
    QCOMPARE(szam, 1234.5);
}

void TestBeviteli::inpKorlat_data()
{
    QTest::addColumn<double>("korlat");
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<bool>("elfogadva");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("equal to the limit") << 100.0 << QStringLiteral("100") << true << QString();
    QTest::newRow("below") << 100.0 << QStringLiteral("99,99") << true << QString();
    QTest::newRow("0.01 above") << 100.0 << QStringLiteral("100,01") << false
                                << QStringLiteral("Túl nagy szám, legfeljebb 100.00 lehet.");
    QTest::newRow("grouped limit in the message")
        << 1234567.5 << QStringLiteral("1234567,51") << false
        << QStringLiteral("Túl nagy szám, legfeljebb 1 234 567.50 lehet.");
    // 0.7 - 0.4 is a hair below 0.3: the amount the limit shows must pass.
    QTest::newRow("limit summed from prices")
        << (0.7 - 0.4) << QStringLiteral("0,3") << true << QString();
    QTest::newRow("zero limit") << 0.0 << QStringLiteral("1") << false
                                << QStringLiteral("Túl nagy szám, legfeljebb 0.00 lehet.");
    QTest::newRow("negative value under a zero limit")
        << 0.0 << QStringLiteral("-5") << true << QString();
}

void TestBeviteli::inpKorlat()
{
    QFETCH(double, korlat);
    QFETCH(QString, szoveg);
    QFETCH(bool, elfogadva);
    QFETCH(QString, uzenet);
    Tfrm_Inp d;
    d.korlatBeallit(korlat);
    d.show();
    d.szamSzerkeszto()->setText(szoveg);
    d.Ok();
    if (elfogadva) {
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
        QVERIFY(m_uzenetek.isEmpty());
    } else {
        QVERIFY(d.isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
        QCOMPARE(m_uzenetek[0].felirat, QStringLiteral("Hiba"));
        QCOMPARE(m_uzenetek[0].szoveg, uzenet);
    }
}

void TestBeviteli::inpSzamMaxMaradNyitva()
{
    double szam = 0;
    modalban<Tfrm_Inp>([this](Tfrm_Inp* d) {
        QCOMPARE(d->alsoCimke()->text(), QStringLiteral("Szabad: 100"));
        QCOMPARE(d->szamSzerkeszto()->text(), QStringLiteral("0"));
        d->szamSzerkeszto()->selectAll();
        gepel(d->szamSzerkeszto(), QStringLiteral("100,01"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Backspace);
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Backspace);
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Backspace);
        QCOMPARE(d->szamSzerkeszto()->text(), QStringLiteral("100"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    QVERIFY(InpSzamMax(QStringLiteral("Bónusz"), QStringLiteral("Mennyi?"), szam, 100));
    QCOMPARE(szam, 100.0);
}

// --- number and remark dialog ---------------------------------------------------------

void TestBeviteli::inp2Enter_data()
{
    QTest::addColumn<QString>("hol");
    QTest::newRow("remark edit") << QStringLiteral("edMegjegyzes");
    QTest::newRow("number edit") << QStringLiteral("edSzam");
    QTest::newRow("minus button") << QStringLiteral("btnMinusz");
    QTest::newRow("Mégsem button") << QStringLiteral("btnMegsem");
}

void TestBeviteli::inp2Enter()
{
    QFETCH(QString, hol);
    Tfrm_Inp2 d;
    d.beallit(QStringLiteral("Kp kivét"), QStringLiteral("Mekkora összeget veszel ki?"), 10,
              QString());
    QVERIFY(aktival(&d));
    auto* w = d.findChild<QWidget*>(hol);
    QVERIFY(w);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    QCOMPARE(d.ertek(), 10.0);
}

void TestBeviteli::inp2Esc()
{
    Tfrm_Inp2 d;
    QVERIFY(aktival(&d));
    d.megjegyzesSzerkeszto()->setFocus();
    QTest::keyClick(d.megjegyzesSzerkeszto(), Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(!d.isVisible());
}

void TestBeviteli::inp2Lepes_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<bool>("plusz");
    QTest::addColumn<QString>("vart");
    QTest::newRow("plus") << QStringLiteral("5") << true << QStringLiteral("6");
    QTest::newRow("minus") << QStringLiteral("5") << false << QStringLiteral("4");
    QTest::newRow("empty plus") << QString() << true << QStringLiteral("1");
    QTest::newRow("letters minus") << QStringLiteral("abc") << false << QStringLiteral("-1");
    QTest::newRow("below zero") << QStringLiteral("0") << false << QStringLiteral("-1");
    QTest::newRow("negative plus") << QStringLiteral("-3") << true << QStringLiteral("-2");
    QTest::newRow("fraction plus") << QStringLiteral("12,5") << true << QStringLiteral("13");
    QTest::newRow("fraction minus") << QStringLiteral("12,5") << false << QStringLiteral("11");
}

void TestBeviteli::inp2Lepes()
{
    QFETCH(QString, szoveg);
    QFETCH(bool, plusz);
    QFETCH(QString, vart);
    Tfrm_Inp2 d;
    QVERIFY(aktival(&d));
    d.szamSzerkeszto()->setText(szoveg);
    QTest::mouseClick(plusz ? d.pluszGomb() : d.minuszGomb(), Qt::LeftButton);
    QCOMPARE(d.szamSzerkeszto()->text(), vart);
    QVERIFY(d.szamSzerkeszto()->hasFocus());
    QVERIFY(d.isVisible());
}

void TestBeviteli::inp2Szuro()
{
    Tfrm_Inp2 d;
    QLineEdit* e = d.szamSzerkeszto();
    e->clear();
    gepel(e, QStringLiteral("1a,5.é-"));
    QCOMPARE(e->text(), QStringLiteral("1,5-"));
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QStringLiteral("1,5"));
    gepel(d.megjegyzesSzerkeszto(), QStringLiteral("x.ő 1"));
    QCOMPARE(d.megjegyzes(), QStringLiteral("x.ő 1"));
}

void TestBeviteli::inpSzamMegj()
{
    double szam = 2.5;
    QString megj = QStringLiteral("régi");
    modalban<Tfrm_Inp2>([](Tfrm_Inp2* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Inp2"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Kp berakás"));
        QCOMPARE(d->kerdesCimke()->text(), QStringLiteral("Mekkora összeget raksz be?"));
        QCOMPARE(d->szamSzerkeszto()->text(), QStringLiteral("2.5"));
        QCOMPARE(d->megjegyzesSzerkeszto()->text(), QStringLiteral("régi"));
        d->szamSzerkeszto()->selectAll();
        gepel(d->szamSzerkeszto(), QStringLiteral("1500"));
        d->megjegyzesSzerkeszto()->setFocus();
        d->megjegyzesSzerkeszto()->selectAll();
        gepel(d->megjegyzesSzerkeszto(), QStringLiteral("Bérlet díja"));
        QTest::keyClick(d->megjegyzesSzerkeszto(), Qt::Key_Return);
    });
    QVERIFY(InpSzamMegj(QStringLiteral("Kp berakás"), QStringLiteral("Mekkora összeget raksz be?"),
                        szam, megj));
    QCOMPARE(szam, 1500.0);
    QCOMPARE(megj, QStringLiteral("Bérlet díja"));

    modalban<Tfrm_Inp2>([](Tfrm_Inp2* d) {
        gepel(d->megjegyzesSzerkeszto(), QStringLiteral("más"));
        QTest::mouseClick(d->megsemGomb(), Qt::LeftButton);
    });
    QVERIFY(!InpSzamMegj(QStringLiteral("Kp kivét"), QStringLiteral("?"), szam, megj));
    QCOMPARE(szam, 1500.0);
    QCOMPARE(megj, QStringLiteral("Bérlet díja"));
}

// --- text dialog ------------------------------------------------------------------------

void TestBeviteli::inpStrGepeles_data()
{
    QTest::addColumn<bool>("nagybetus");
    QTest::addColumn<int>("maxHossz");
    QTest::addColumn<QString>("gepelt");
    QTest::addColumn<QString>("vart");
    QTest::newRow("upper case") << true << -1 << QStringLiteral("abc-ő1ű")
                                << QStringLiteral("ABC-Ő1Ű");
    QTest::newRow("case kept") << false << -1 << QStringLiteral("abc-ő1ű")
                               << QStringLiteral("abc-ő1ű");
    QTest::newRow("upper case, length 5")
        << true << 5 << QStringLiteral("abcdefg") << QStringLiteral("ABCDE");
    QTest::newRow("case kept, length 3")
        << false << 3 << QStringLiteral("árvíz") << QStringLiteral("árv");
}

void TestBeviteli::inpStrGepeles()
{
    QFETCH(bool, nagybetus);
    QFETCH(int, maxHossz);
    QFETCH(QString, gepelt);
    QFETCH(QString, vart);
    Tfrm_InpStr d;
    d.nagybetusBeallit(nagybetus);
    d.maxHosszBeallit(maxHossz);
    gepel(d.szovegSzerkeszto(), gepelt);
    QCOMPARE(d.szoveg(), vart);
}

void TestBeviteli::inpSzoveg()
{
    QString szoveg = QStringLiteral("ab12");
    modalban<Tfrm_InpStr>([](Tfrm_InpStr* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_InpStr"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Új cikkszám"));
        QCOMPARE(d->kerdesCimke()->text(), QStringLiteral("Add meg az új cikkszámot!"));
        QVERIFY(d->lathatoJelolo()->isHidden());
        QCOMPARE(d->szovegSzerkeszto()->echoMode(), QLineEdit::Normal);
        QCOMPARE(d->szovegSzerkeszto()->maxLength(), 15);
        // The preset text shows in upper case as well.
        QCOMPARE(d->szovegSzerkeszto()->text(), QStringLiteral("AB12"));
        QTest::keyClick(d->szovegSzerkeszto(), Qt::Key_End);
        gepel(d->szovegSzerkeszto(), QStringLiteral("-kód"));
        QTest::keyClick(d->szovegSzerkeszto(), Qt::Key_Return);
    });
    QVERIFY(InpSzoveg(QStringLiteral("Új cikkszám"), QStringLiteral("Add meg az új cikkszámot!"),
                      szoveg, 15));
    QCOMPARE(szoveg, QStringLiteral("AB12-KÓD"));

    modalban<Tfrm_InpStr>([](Tfrm_InpStr* d) {
        QCOMPARE(d->szovegSzerkeszto()->text(), QStringLiteral("AB12-KÓD"));
        gepel(d->szovegSzerkeszto(), QStringLiteral("más"));
        QTest::keyClick(d->szovegSzerkeszto(), Qt::Key_Escape);
    });
    QVERIFY(!InpSzoveg(QStringLiteral("Megjegyzés"), QStringLiteral("Add meg a megjegyzést!"),
                       szoveg, 50, true));
    QCOMPARE(szoveg, QStringLiteral("AB12-KÓD"));
}

void TestBeviteli::inpJelszoMaszkolt()
{
    QString szoveg;
    modalban<Tfrm_InpStr>([](Tfrm_InpStr* d) {
        QLineEdit* e = d->szovegSzerkeszto();
        QCheckBox* jel = d->lathatoJelolo();
        QVERIFY(jel->isVisible());
        QCOMPARE(jel->text(), QStringLiteral("Látszanak a karakterek"));
        QVERIFY(!jel->isChecked());
        QCOMPARE(e->echoMode(), QLineEdit::Password);
        QCOMPARE(e->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, e),
                 int('*'));
        gepel(e, QStringLiteral("Titok1é"));
        QCOMPARE(e->displayText(), QStringLiteral("*******"));

        QTest::mouseClick(jel, Qt::LeftButton);
        QCOMPARE(e->echoMode(), QLineEdit::Normal);
        QCOMPARE(e->displayText(), QStringLiteral("Titok1é"));
        QVERIFY(e->hasFocus());
        QTest::mouseClick(jel, Qt::LeftButton);
        QCOMPARE(e->echoMode(), QLineEdit::Password);
        QVERIFY(e->hasFocus());
        QTest::keyClick(e, Qt::Key_Return);
    });
    // The keep-case flag has no effect: the password stays as typed.
    QVERIFY(InpJelszo(QStringLiteral("Jelszó megadása"), QStringLiteral("Add meg az új jelszót"),
                      true, -1, false, szoveg));
    QCOMPARE(szoveg, QStringLiteral("Titok1é"));
}

void TestBeviteli::inpJelszoNyilt()
{
    QString szoveg = QStringLiteral("x");
    modalban<Tfrm_InpStr>([](Tfrm_InpStr* d) {
        QVERIFY(d->lathatoJelolo()->isHidden());
        QCOMPARE(d->szovegSzerkeszto()->echoMode(), QLineEdit::Normal);
        QCOMPARE(d->szovegSzerkeszto()->maxLength(), 4);
        gepel(d->szovegSzerkeszto(), QStringLiteral("abcdef"));
        QTest::keyClick(d->szovegSzerkeszto(), Qt::Key_Return);
    });
    QVERIFY(InpJelszo(QStringLiteral("Jelszó"), QStringLiteral("?"), false, 4, false, szoveg));
    QCOMPARE(szoveg, QStringLiteral("abcd"));
}

// --- drop-down dialog ---------------------------------------------------------------------

void TestBeviteli::comboRendezes()
{
    Tfrm_Combo d;
    d.beallit(QStringLiteral("Ügyfél megadás"),
              {QStringLiteral("b"), QStringLiteral("Cukor"), QStringLiteral("Ábel"),
               QStringLiteral("a"), QStringLiteral("csoda"), QStringLiteral("Öreg"),
               QStringLiteral("c"), QStringLiteral("ostor")});
    QStringList elemek;
    for (int i = 0; i < d.combo()->count(); ++i)
        elemek << d.combo()->itemText(i);
    const QStringList vart{QStringLiteral("a"),     QStringLiteral("Ábel"),
                           QStringLiteral("b"),     QStringLiteral("c"),
                           QStringLiteral("csoda"), QStringLiteral("Cukor"),
                           QStringLiteral("ostor"), QStringLiteral("Öreg")};
    // Hungarian rules put "cs" after every other "c..." word; letter-by-letter
    // order (csoda before cukor) is accepted as well.
    QStringList betunkent = vart;
    betunkent.swapItemsAt(4, 5);
    QVERIFY2(elemek == vart || elemek == betunkent, qPrintable(elemek.join(QLatin1Char('|'))));
    QCOMPARE(d.feliratCimke()->text(), QStringLiteral("Ügyfél megadás"));
    QVERIFY(d.szoveg().isEmpty());
}

void TestBeviteli::inpCombo()
{
    const QStringList valasztek{QStringLiteral("Kovács"), QStringLiteral("Árpád Kft.")};
    modalban<Tfrm_Combo>([](Tfrm_Combo* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Combo"));
        QVERIFY(d->combo()->isEditable());
        d->combo()->setCurrentIndex(1);
        QCOMPARE(d->szoveg(), QStringLiteral("Kovács"));
        QTest::mouseClick(d->okGomb(), Qt::LeftButton);
    });
    QCOMPARE(InpCombo(QStringLiteral("Ügyfél megadás"), valasztek), QStringLiteral("Kovács"));

    // Typed text is the answer; it does not become a new choice.
    modalban<Tfrm_Combo>([](Tfrm_Combo* d) {
        d->combo()->setFocus();
        gepel(d->combo(), QStringLiteral("Új Bt."));
        QTest::keyClick(d->combo(), Qt::Key_Return);
        QCOMPARE(d->combo()->count(), 2);
    });
    QCOMPARE(InpCombo(QStringLiteral("Ügyfél megadás"), valasztek), QStringLiteral("Új Bt."));
}

void TestBeviteli::inpComboMegsem()
{
    modalban<Tfrm_Combo>([](Tfrm_Combo* d) {
        d->combo()->setCurrentIndex(0);
        QTest::keyClick(d->combo(), Qt::Key_Escape);
    });
    QCOMPARE(InpCombo(QStringLiteral("Ügyfél"), {QStringLiteral("a")}), QString());
}

// --- radio dialog -----------------------------------------------------------------------

namespace
{

// Clicks a radio button on its indicator (its middle may lie beyond a short
// text).
void kattint(QRadioButton* g)
{
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(6, g->height() / 2));
}

} // namespace

void TestBeviteli::radioValasztekok_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QStringList>("vart");
    QTest::newRow("empty piece and semicolon")
        << QStringLiteral("a,,b;c")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("separators only") << QStringLiteral(",;,") << QStringList();
    QTest::newRow("one choice") << QStringLiteral("Star") << QStringList{QStringLiteral("Star")};
    QTest::newRow("trailing separator, spaces kept")
        << QStringLiteral("PC852; PC437;")
        << QStringList{QStringLiteral("PC852"), QStringLiteral(" PC437")};
    QStringList huszonot, husz;
    for (int i = 1; i <= 25; ++i)
        huszonot << QString::number(i);
    husz = huszonot.mid(0, 20);
    QTest::newRow("more than 20 capped") << huszonot.join(QLatin1Char(',')) << husz;
}

void TestBeviteli::radioValasztekok()
{
    QFETCH(QString, szoveg);
    QFETCH(QStringList, vart);
    QCOMPARE(RadioValasztekok(szoveg), vart);
}

void TestBeviteli::radioZsugorodas()
{
    auto keszit = [](int db) {
        auto* d = new Tfrm_Radio;
        QStringList v;
        for (int i = 0; i < db; ++i)
            v << QStringLiteral("Választás %1").arg(i + 1);
        d->beallit(QStringLiteral("Nyomtató gyártmány"), v, 0);
        return d;
    };
    std::unique_ptr<Tfrm_Radio> egy(keszit(1)), harom(keszit(3)), negy(keszit(4)), husz(keszit(20));
    QCOMPARE(negy->height() - harom->height(), 32);
    QCOMPARE(negy->csoport()->height() - harom->csoport()->height(), 32);
    QCOMPARE(negy->okGomb()->y() - harom->okGomb()->y(), 32);
    QCOMPARE(negy->megsemGomb()->y() - harom->megsemGomb()->y(), 32);
    QCOMPARE(egy->height(), harom->height());
    // The buttons stay to the right of the group, inside the window.
    QVERIFY(harom->okGomb()->x() > harom->csoport()->geometry().right());
    QVERIFY(harom->megsemGomb()->geometry().bottom() < harom->height());
    // Twenty choices all fit.
    QVERIFY(husz->csoport()->height() >= husz->csoport()->sizeHint().height());
    QVERIFY(husz->height() > husz->csoport()->height());
}

void TestBeviteli::radioValaszt()
{
    modalban<Tfrm_Radio>([](Tfrm_Radio* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Radio"));
        QCOMPARE(d->csoport()->title(), QStringLiteral("Kódlap"));
        QCOMPARE(d->gombok().size(), 3);
        QCOMPARE(d->gombok()[1]->text(), QStringLiteral("b"));
        QVERIFY(d->gombok()[1]->isChecked());
        kattint(d->gombok()[2]);
        QVERIFY(d->gombok()[2]->isChecked());
        QTest::keyClick(d->gombok()[2], Qt::Key_Return);
    });
    QCOMPARE(RadioValaszt(1, QStringLiteral("a,,b;c"), QStringLiteral("Kódlap")), 2);

    modalban<Tfrm_Radio>([](Tfrm_Radio* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QCOMPARE(RadioValaszt(0, QStringLiteral("a;b"), QStringLiteral("Kódlap")), -1);

    // A preselection out of range marks nothing; OK then gives -1.
    modalban<Tfrm_Radio>([](Tfrm_Radio* d) {
        QCOMPARE(d->valasztott(), -1);
        QTest::mouseClick(d->okGomb(), Qt::LeftButton);
    });
    QCOMPARE(RadioValasztLista(5, {QStringLiteral("x"), QStringLiteral("y")},
                               QStringLiteral("Nyomtatás típusa")),
             -1);

    modalban<Tfrm_Radio>([](Tfrm_Radio* d) { QTest::mouseClick(d->okGomb(), Qt::LeftButton); });
    QCOMPARE(RadioValasztLista(0, {QStringLiteral("x"), QStringLiteral("y")},
                               QStringLiteral("Nyomtatás típusa")),
             0);

    // A lone choice (one installed printer) stays chosen when it is clicked.
    modalban<Tfrm_Radio>([](Tfrm_Radio* d) {
        kattint(d->gombok()[0]);
        QVERIFY(d->gombok()[0]->isChecked());
        QTest::mouseClick(d->okGomb(), Qt::LeftButton);
    });
    QCOMPARE(RadioValasztLista(0, {QStringLiteral("Egyetlen nyomtató")},
                               QStringLiteral("Nyomtató választás")),
             0);
}

void TestBeviteli::radioValasztSzoveg()
{
    QString szoveg = QStringLiteral("régi");
    modalban<Tfrm_Radio>([](Tfrm_Radio* d) {
        kattint(d->gombok()[1]);
        QTest::mouseClick(d->okGomb(), Qt::LeftButton);
    });
    QCOMPARE(RadioValasztSzoveg(0, QStringLiteral("LPT1;COM1;Fájl"),
                                QStringLiteral("Port választás"), szoveg),
             1);
    QCOMPARE(szoveg, QStringLiteral("COM1"));

    modalban<Tfrm_Radio>([](Tfrm_Radio* d) { QTest::mouseClick(d->megsemGomb(), Qt::LeftButton); });
    QCOMPARE(RadioValasztSzoveg(2, QStringLiteral("LPT1;COM1;Fájl"),
                                QStringLiteral("Port választás"), szoveg),
             -1);
    QCOMPARE(szoveg, QStringLiteral("COM1"));
}

// --- result log -----------------------------------------------------------------------------

void TestBeviteli::eredmeny()
{
    modalban<Tfrm_Eredmeny>([](Tfrm_Eredmeny* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Napló"));
        QCOMPARE(d->memo()->toPlainText(), QStringLiteral("Első sor\n  második;sor"));
        QVERIFY(QFontInfo(d->memo()->font()).fixedPitch());
        QCOMPARE(d->memo()->font().pixelSize(), 12);
        QCOMPARE(d->memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(d->bezarGomb()->text(), QStringLiteral("Bezár"));
        QVERIFY(d->bezarGomb()->isDefault());
        const QRect kepernyo = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((d->frameGeometry().center() - kepernyo.center()).manhattanLength() <= 2);
        QTest::keyClick(d->memo(), Qt::Key_Escape);
    });
    EredmenyMutat({QStringLiteral("Első sor"), QStringLiteral("  második;sor")});

    // Enter closes it as well.
    Tfrm_Eredmeny d;
    QVERIFY(aktival(&d));
    QTest::keyClick(d.bezarGomb(), Qt::Key_Return);
    QVERIFY(!d.isVisible());
}

QTEST_MAIN(TestBeviteli)
#include "test_beviteli.moc"
