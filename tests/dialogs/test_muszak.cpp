// The date and shift dialog: its shift entries, OK and Mégsem, and the month
// line of the date panel with the Hungarian month names.

#include "Beall.h"
#include "Muszak.h"
#include "SegedUI.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestMuszak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void muszakParbeszed_data();
    void muszakParbeszed();
    void muszakParbeszedMegsem();
    void honapNevek_data();
    void honapNevek();
    void lapozas();
};

void TestMuszak::initTestCase()
{
    AlkalmazasStilus(*qApp);
}

void TestMuszak::init()
{
    Beall = TBeall();
}

void TestMuszak::muszakParbeszed_data()
{
    QTest::addColumn<int>("muszakdb");
    QTest::addColumn<int>("muszak");
    QTest::addColumn<QStringList>("bejegyzesek");
    QTest::addColumn<int>("eredmeny");
    QTest::newRow("three shifts") << 3 << 2
                                  << QStringList{QStringLiteral("1. műszak"),
                                                 QStringLiteral("2. műszak"),
                                                 QStringLiteral("3. műszak")}
                                  << 2;
    QTest::newRow("no shift") << 0 << 1 << QStringList{} << 0;
    QTest::newRow("shift out of range") << 1 << 4 << QStringList{QStringLiteral("1. műszak")} << 0;
}

void TestMuszak::muszakParbeszed()
{
    QFETCH(int, muszakdb);
    QFETCH(int, muszak);
    QFETCH(QStringList, bejegyzesek);
    QFETCH(int, eredmeny);
    Beall.muszakdb = muszakdb;
    QDate nap(2024, 3, 5);
    int m = muszak;
    bool ok = false;
    QTimer::singleShot(0, this, [&] {
        auto* d = qobject_cast<Tfrm_Muszak*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Dátum, műszak megadása"));
        QCOMPARE(d->honapFelirat(), QStringLiteral("2024. Március"));
        QStringList feliratok;
        for (QRadioButton* r : d->radioGombok())
            feliratok << r->text();
        QCOMPARE(feliratok, bejegyzesek);
        d->naptar()->setSelectedDate(QDate(2024, 3, 1));
        d->okGomb()->click();
    });
    ok = MuszakValaszt(nap, m);
    QVERIFY(ok);
    QCOMPARE(nap, QDate(2024, 3, 1));
    QCOMPARE(m, eredmeny);
}

void TestMuszak::muszakParbeszedMegsem()
{
    Beall.muszakdb = 2;
    QDate nap(2024, 12, 24);
    int m = 2;
    QTimer::singleShot(0, this, [&] {
        auto* d = qobject_cast<Tfrm_Muszak*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->honapFelirat(), QStringLiteral("2024. December"));
        QCOMPARE(d->muszak(), 2);
        d->radioGombok().first()->setChecked(true);
        d->naptar()->setSelectedDate(QDate(2024, 12, 1));
        d->megsemGomb()->click();
    });
    QVERIFY(!MuszakValaszt(nap, m));
    QCOMPARE(nap, QDate(2024, 12, 24));
    QCOMPARE(m, 2);
}

void TestMuszak::honapNevek_data()
{
    QTest::addColumn<int>("honap");
    QTest::addColumn<QString>("nev");
    const char* const nevek[] = {"Január",     "Február", "Március",  "Április",
                                 "Május",      "Június",  "Július",   "Augusztus",
                                 "Szeptember", "Október", "November", "December"};
    for (int h = 1; h <= 12; ++h)
        QTest::addRow("%d", h) << h << QString::fromUtf8(nevek[h - 1]);
}

void TestMuszak::honapNevek()
{
    QFETCH(int, honap);
    QFETCH(QString, nev);
    Tfrm_Muszak d;
    d.beallit(QDate(2025, honap, 15), 1, 1);
    QCOMPARE(d.honapFelirat(), QStringLiteral("2025. ") + nev);
}

void TestMuszak::lapozas()
{
    // The arrows of the month line page across the year boundary.
    Tfrm_Muszak d;
    d.beallit(QDate(2025, 1, 10), 1, 1);
    const auto gombok = d.findChildren<QToolButton*>();
    QToolButton* elozo = nullptr;
    QToolButton* kovetkezo = nullptr;
    for (QToolButton* g : gombok) {
        if (g->arrowType() == Qt::LeftArrow)
            elozo = g;
        else if (g->arrowType() == Qt::RightArrow)
            kovetkezo = g;
    }
    QVERIFY(elozo && kovetkezo);
    elozo->click();
    QCOMPARE(d.honapFelirat(), QStringLiteral("2024. December"));
    kovetkezo->click();
    kovetkezo->click();
    QCOMPARE(d.honapFelirat(), QStringLiteral("2025. Február"));
    // Paging does not change the chosen day.
    QCOMPARE(d.datum(), QDate(2025, 1, 10));
}

QTEST_MAIN(TestMuszak)
#include "test_muszak.moc"
