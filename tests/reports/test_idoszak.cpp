// The period and date dialogs: the five presets computed from fixed days,
// confirming with Ctrl+Enter and Enter, cancelling, captions.

#include "AblakSeged.h"
#include "Beall.h"
#include "Datumbe.h"
#include "Idoszak.h"
#include "Intervallum.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTemporaryDir>

class TestIdoszak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void elore_data();
    void elore();
    void egyHonappalKorabban_data();
    void egyHonappalKorabban();

    void ctrlEnterElfogad();
    void enterElfogad();
    void megsemNemValtoztat();
    void eloreGomb();
    void felirat();
    void datumEnterEsEsc();

private:
    QTemporaryDir m_mappa;
};

void TestIdoszak::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_mappa.path());
    AlkalmazasStilus(*qApp);
    Beall.BetuMeret = 11;
}

void TestIdoszak::elore_data()
{
    QTest::addColumn<QDate>("ma");
    QTest::addColumn<int>("fajta");
    QTest::addColumn<QDate>("tol");
    QTest::addColumn<QDate>("ig");

    const QDate szerda(2024, 3, 13);
    const int mai = int(Intervallum::MaiNap), het = int(Intervallum::EzAHet),
              honap = int(Intervallum::EzAHonap), mult = int(Intervallum::MultHonap),
              iden = int(Intervallum::Iden);
    QTest::newRow("today") << szerda << mai << szerda << szerda;
    QTest::newRow("week of a Wednesday")
        << szerda << het << QDate(2024, 3, 11) << QDate(2024, 3, 17);
    QTest::newRow("week of a Monday")
        << QDate(2024, 3, 11) << het << QDate(2024, 3, 11) << QDate(2024, 3, 17);
    QTest::newRow("week of a Sunday")
        << QDate(2024, 3, 17) << het << QDate(2024, 3, 11) << QDate(2024, 3, 17);
    // 1 January 2021 is a Friday in ISO week 53 of 2020.
    QTest::newRow("1 January in the last week of the old year")
        << QDate(2021, 1, 1) << het << QDate(2020, 12, 28) << QDate(2021, 1, 3);
    QTest::newRow("31 December in week 1 of the new year")
        << QDate(2024, 12, 31) << het << QDate(2024, 12, 30) << QDate(2025, 1, 5);
    QTest::newRow("this month, 31 days")
        << szerda << honap << QDate(2024, 3, 1) << QDate(2024, 3, 31);
    QTest::newRow("this month, leap February")
        << QDate(2024, 2, 10) << honap << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last month, leap February")
        << szerda << mult << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last month across the year")
        << QDate(2021, 1, 1) << mult << QDate(2020, 12, 1) << QDate(2020, 12, 31);
    QTest::newRow("last month of the 31st")
        << QDate(2023, 5, 31) << mult << QDate(2023, 4, 1) << QDate(2023, 4, 30);
    QTest::newRow("this year") << szerda << iden << QDate(2024, 1, 1) << QDate(2024, 12, 31);
}

void TestIdoszak::elore()
{
    QFETCH(QDate, ma);
    QFETCH(int, fajta);
    QFETCH(QDate, tol);
    QFETCH(QDate, ig);
    const Idoszak i = IntervallumSzamit(static_cast<Intervallum>(fajta), ma);
    QCOMPARE(i.tol, tol);
    QCOMPARE(i.ig, ig);
}

void TestIdoszak::egyHonappalKorabban_data()
{
    // The callers' "one month before today" preset.
    QTest::addColumn<QDate>("nap");
    QTest::addColumn<QDate>("vart");
    QTest::newRow("31 March, common year") << QDate(2023, 3, 31) << QDate(2023, 2, 28);
    QTest::newRow("31 March, leap year") << QDate(2024, 3, 31) << QDate(2024, 2, 29);
    QTest::newRow("15 January") << QDate(2024, 1, 15) << QDate(2023, 12, 15);
}

void TestIdoszak::egyHonappalKorabban()
{
    QFETCH(QDate, nap);
    QFETCH(QDate, vart);
    QCOMPARE(EgyHonappalKorabban(nap), vart);
}

void TestIdoszak::ctrlEnterElfogad()
{
    QDate tol(2024, 2, 1), ig(2024, 2, 29);
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Idoszak"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Időszak megadása"));
        QCOMPARE(d->font().pointSize(), 11);
        QCOMPARE(d->eAlso()->date(), QDate(2024, 2, 1));
        QCOMPARE(d->eFelso()->date(), QDate(2024, 2, 29));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->eAlso()));
        // The focused picker is painted light blue.
        QCOMPARE(d->eAlso()->palette().color(QPalette::Base), FokuszSzin());
        kepMent(d, QStringLiteral("frm_Idoszak"));
        d->eFelso()->setDate(QDate(2024, 3, 5));
        QTest::keyClick(d->eAlso(), Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY(IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2024, 2, 1));
    QCOMPARE(ig, QDate(2024, 3, 5));

    // From a button as well: Ctrl+Enter never presses the focused button.
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->btnMegsem()->setFocus();
        QTest::keyClick(d->btnMegsem(), Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY(IdoszakKer(tol, ig));
}

void TestIdoszak::enterElfogad()
{
    // Enter in either date confirms the dates shown.
    QDate tol(2024, 1, 1), ig(2024, 1, 31);
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->eFelso()->setDate(QDate(2024, 2, 10));
        QTest::keyClick(d->eAlso(), Qt::Key_Return);
    });
    QVERIFY(IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2024, 1, 1));
    QCOMPARE(ig, QDate(2024, 2, 10));

    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->eAlso()->setDate(QDate(2023, 12, 1));
        d->eFelso()->setFocus();
        QTest::keyClick(d->eFelso(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2023, 12, 1));

    // Enter on the focused OK button presses it; on a preset it fills the
    // dates and leaves the dialog open.
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->setMa(QDate(2024, 3, 13));
        d->eloreGomb(0)->setFocus();
        QTest::keyClick(d->eloreGomb(0), Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(d->eAlso()->date(), QDate(2024, 3, 13));
        d->btnOK()->setFocus();
        QTest::keyClick(d->btnOK(), Qt::Key_Return);
    });
    QVERIFY(IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2024, 3, 13));
    QCOMPARE(ig, QDate(2024, 3, 13));
}

void TestIdoszak::megsemNemValtoztat()
{
    QDate tol(2024, 1, 1), ig(2024, 1, 31);
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->eAlso()->setDate(QDate(2020, 5, 5));
        d->eloreGomb(4)->click();
        QTest::keyClick(d->eAlso(), Qt::Key_Escape);
    });
    QVERIFY(!IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2024, 1, 1));
    QCOMPARE(ig, QDate(2024, 1, 31));

    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        d->eAlso()->setDate(QDate(2020, 5, 5));
        d->btnMegsem()->click();
    });
    QVERIFY(!IdoszakKer(tol, ig));
    QCOMPARE(tol, QDate(2024, 1, 1));
}

void TestIdoszak::eloreGomb()
{
    // The buttons fill the pickers from the given day; the operator still
    // confirms.
    Tfrm_Idoszak d;
    d.setMa(QDate(2021, 1, 1));
    const QString feliratok[] = {QStringLiteral("Csak a mai nap"), QStringLiteral("Ez a hét"),
                                 QStringLiteral("Ez a hónap"), QStringLiteral("Múlt hónap"),
                                 QStringLiteral("Idén")};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(d.eloreGomb(i)->text(), feliratok[i]);
        d.eloreGomb(i)->click();
        const Idoszak v = IntervallumSzamit(static_cast<Intervallum>(i), QDate(2021, 1, 1));
        QCOMPARE(d.tol(), v.tol);
        QCOMPARE(d.ig(), v.ig);
        QVERIFY(!d.isVisible() || d.result() == 0);
    }
    // Without a fixed day the workstation's date is used.
    Tfrm_Idoszak m;
    m.eloreGomb(0)->click();
    QCOMPARE(m.tol(), QDate::currentDate());
}

void TestIdoszak::felirat()
{
    QDate tol = QDate::currentDate(), ig = tol;
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Forgalom időszak"));
        d->reject();
    });
    QVERIFY(!IdoszakKer(tol, ig, QStringLiteral("Forgalom időszak")));

    QDate nap = tol;
    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Régi adatok törlése"));
        d->reject();
    });
    QVERIFY(!DatumKer(nap, QStringLiteral("Régi adatok törlése")));
}

void TestIdoszak::datumEnterEsEsc()
{
    QDate nap(2023, 12, 24);
    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Datumbe"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Dátum megadása"));
        QCOMPARE(d->font().pointSize(), 11);
        QCOMPARE(d->eDatum()->date(), QDate(2023, 12, 24));
        kepMent(d, QStringLiteral("frm_Datumbe"));
        d->eDatum()->setDate(QDate(2023, 9, 30));
        QTest::keyClick(d->eDatum(), Qt::Key_Return);
    });
    QVERIFY(DatumKer(nap));
    QCOMPARE(nap, QDate(2023, 9, 30));

    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) {
        d->eDatum()->setDate(QDate(2000, 1, 1));
        QTest::keyClick(d->eDatum(), Qt::Key_Escape);
    });
    QVERIFY(!DatumKer(nap));
    QCOMPARE(nap, QDate(2023, 9, 30));
}

QTEST_MAIN(TestIdoszak)
#include "test_idoszak.moc"
