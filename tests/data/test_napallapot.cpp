// The business day and shift state without windows, against the real server:
// a shift's state with and without its row, the current shift without a
// business day, the shift still open, and the texts of the state display.

#include "DbHiba.h"
#include "KozosDB.h"
#include "NapAllapot.h"
#include "TesztAdatbazis.h"

#include <QTest>

class TestNapAllapot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void napLezarvaHianyzoSor();
    void nyitottNapKeres();
    void feliratok();
};

namespace
{
const QString db = QStringLiteral("teszt_napallapot");
}

void TestNapAllapot::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestNapAllapot::init()
{
    SQL_OK(QStringLiteral("DELETE FROM naplezar;"));
    AktNap = QDate();
    AktMuszak = 0;
}

void TestNapAllapot::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

void TestNapAllapot::napLezarvaHianyzoSor()
{
    SQL_OK(QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES "
                          "('2024-03-04', 1, 'I'), ('2024-03-04', 2, 'N');"));
    QVERIFY(NapLezarva(1, QDate(2024, 3, 4)));
    QVERIFY(!NapLezarva(2, QDate(2024, 3, 4)));
    // A missing row counts as closed for a given shift, and as open for the
    // current one.
    QVERIFY(NapLezarva(3, QDate(2024, 3, 4)));
    // Without a business day nothing can be sold.
    QVERIFY(MuszakLezarva());
    AktNap = QDate(2024, 3, 4);
    AktMuszak = 3;
    QVERIFY(!MuszakLezarva());
    AktMuszak = 1;
    QVERIFY(MuszakLezarva());
    AktMuszak = 2;
    QVERIFY(!MuszakLezarva());
}

void TestNapAllapot::nyitottNapKeres()
{
    QDate nap(2000, 1, 1);
    int muszak = 7;
    SQL_OK(QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES "
                          "('2024-03-04', 1, 'I');"));
    QVERIFY(!NyitottNapKeres(nap, muszak));
    QCOMPARE(nap, QDate(2000, 1, 1));
    QCOMPARE(muszak, 7);
    SQL_OK(QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES "
                          "('2024-03-05', 2, 'N');"));
    QVERIFY(NyitottNapKeres(nap, muszak));
    QCOMPARE(nap, QDate(2024, 3, 5));
    QCOMPARE(muszak, 2);
}

void TestNapAllapot::feliratok()
{
    QCOMPARE(AllapotFelirat(QDate(2024, 3, 5), 1), QStringLiteral("2024.március.05 - 1. műszak"));
    QCOMPARE(AllapotFelirat(QDate(), 1), QStringLiteral("Nincs megnyitott nap"));
    QCOMPARE(AllapotSzoveg(true, QStringLiteral("anna")),
             QStringLiteral("Lezárva\nBejelentkezett: anna"));
    QCOMPARE(NapZarSql(QDate(2024, 3, 5), 2), QStringLiteral("CALL sp_napzar('2024-03-05',2);"));
}

QTEST_MAIN(TestNapAllapot)
#include "test_napallapot.moc"
