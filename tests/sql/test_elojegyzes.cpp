// Reservations against the real server: sp_ujelojegyzes books one row per
// half-hour slot under one identifier, ends a booking at the end of the day,
// refuses overlaps and bad input, and the reservation grid's query shows it.

#include "PosSeged.h"

using namespace PosSeged;

class TestElojegyzes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void foglalas_data();
    void foglalas();
    void egyAzonosito();
    void racsLekerdezes();
    void atfedesElutasit();
    void hibasAdat_data();
    void hibasAdat();
    void torlesFoglalasonkent();

private:
    QString foglal(int asztal, const QDate& nap, int ora, int db,
                   const QString& szoveg = QStringLiteral("Vágás"),
                   const QString& nev = QStringLiteral("Kiss Anna"));
    QDate m_nap;
};

void TestElojegyzes::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_elojegyzes"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestElojegyzes::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_elojegyzes"));
}

void TestElojegyzes::init()
{
    POS_OK(uresit());
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(asztalUj(2, QStringLiteral("Ádám")));
    m_nap = QDate(2026, 3, 2);
}

// The dialog's call; the error message, or empty on success.
QString TestElojegyzes::foglal(int asztal, const QDate& nap, int ora, int db, const QString& szoveg,
                               const QString& nev)
{
    return hibaUzenet(hivas(QStringLiteral("sp_ujelojegyzes"),
                            {QString::number(asztal), SqlDatum(nap), QString::number(ora),
                             QString::number(db), SqlIdez(szoveg), SqlIdez(nev)}));
}

void TestElojegyzes::foglalas_data()
{
    QTest::addColumn<int>("ora");
    QTest::addColumn<int>("db");
    QTest::addColumn<QString>("vart");
    // 09:30 for 1.5 hours is slot 19 and three slots.
    QTest::newRow("09:30 1.5 hours") << 19 << 3 << QStringLiteral("19,20,21");
    QTest::newRow("midnight half hour") << 0 << 1 << QStringLiteral("0");
    QTest::newRow("last slot") << 47 << 1 << QStringLiteral("47");
    // Past 23:30 the booking ends with the day.
    QTest::newRow("past the day's end") << 46 << 4 << QStringLiteral("46,47");
    QTest::newRow("whole day") << 0 << 48 << QString();
}

void TestElojegyzes::foglalas()
{
    QFETCH(int, ora);
    QFETCH(int, db);
    QFETCH(QString, vart);
    if (vart.isEmpty()) {
        QStringList mind;
        for (int i = 0; i < 48; ++i)
            mind << QString::number(i);
        vart = mind.join(QLatin1Char(','));
    }
    QCOMPARE(foglal(1, m_nap, ora, db), QString());
    QCOMPARE(
        SqlSzoveg(QStringLiteral(
                      "SELECT GROUP_CONCAT(ora ORDER BY ora) FROM elojegyzes WHERE asztal=1 AND "
                      "datum=") +
                      SqlDatum(m_nap),
                  QString()),
        vart);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(DISTINCT azon) FROM elojegyzes;"), -1), 1);
    QCOMPARE(
        SqlEgesz(QStringLiteral(
                     "SELECT COUNT(*) FROM elojegyzes WHERE szoveg='Vágás' AND nev='Kiss Anna';"),
                 -1),
        vart.count(QLatin1Char(',')) + 1);
}

void TestElojegyzes::egyAzonosito()
{
    QCOMPARE(foglal(1, m_nap, 19, 3), QString());
    QCOMPARE(foglal(1, m_nap, 30, 2), QString());
    QCOMPARE(foglal(2, m_nap, 19, 1), QString());
    // Each booking has its own identifier, the next after the largest, so
    // consecutive bookings get different colours.
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT azon, GROUP_CONCAT(ora ORDER BY ora) FROM elojegyzes GROUP BY azon "
                 "ORDER BY azon")),
             QStringList({QStringLiteral("1|19,20,21"), QStringLiteral("2|30,31"),
                          QStringLiteral("3|19")}));
    // The procedure answers with the key of the booking's last slot and the
    // booking's identifier.
    {
        QSqlQuery q = SqlNyit(
            QStringLiteral("CALL sp_ujelojegyzes(2,'2026-03-02',40,2,'Vágás','Kiss Anna');"));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toInt(), 4);
        QCOMPARE(
            SqlEgesz(QStringLiteral("SELECT CONCAT(azon, ora) FROM elojegyzes WHERE elojegyzes=") +
                         q.value(0).toString(),
                     -1),
            441);
    }
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT asztal FROM elojegyzes ORDER BY elojegyzes DESC LIMIT 1;"),
                 -1),
        2);
}

void TestElojegyzes::racsLekerdezes()
{
    QCOMPARE(foglal(1, m_nap, 19, 3, QStringLiteral("Festés"), QStringLiteral("O'Brien Zsófi")),
             QString());
    QCOMPARE(foglal(1, m_nap.addDays(1), 19, 1), QString());
    QCOMPARE(foglal(2, m_nap, 20, 1), QString());
    // The reservation grid's query, with its parameters filled in.
    const QString racs =
        QStringLiteral(
            "SELECT\n ora.ora,\n CONCAT(LPAD(ora.ora DIV 2,2,'0'),':',IF(ora.ora MOD 2 = "
            "0,'00','30')) "
            "ora2,\n elojegyzes.elojegyzes,\n elojegyzes.azon,\n elojegyzes.asztal,\n "
            "elojegyzes.datum,\n elojegyzes.szoveg,\n elojegyzes.nev\nFROM ora\n LEFT JOIN "
            "elojegyzes "
            "ON (ora.ora = elojegyzes.ora) AND (elojegyzes.asztal = 1) AND (elojegyzes.datum = ") +
        SqlDatum(m_nap) + QStringLiteral(")\nORDER BY ora.ora;");
    const QStringList r = sorok(racs);
    QCOMPARE(r.size(), 48);
    QStringList foglalt;
    for (const QString& s : r)
        if (!s.endsWith(QLatin1String("NULL|NULL")))
            foglalt << s.section(QLatin1Char('|'), 1, 1) + QLatin1Char(' ') +
                           s.section(QLatin1Char('|'), 6, 7);
    QCOMPARE(foglalt, QStringList({QStringLiteral("09:30 Festés|O'Brien Zsófi"),
                                   QStringLiteral("10:00 Festés|O'Brien Zsófi"),
                                   QStringLiteral("10:30 Festés|O'Brien Zsófi")}));
}

void TestElojegyzes::atfedesElutasit()
{
    QCOMPARE(foglal(1, m_nap, 20, 1), QString());
    // 09:30 for 1.5 hours would take 10:00: refused as a whole.
    QCOMPARE(foglal(1, m_nap, 19, 3), QStringLiteral("Foglalt időpont: 10:00"));
    QCOMPARE(foglal(1, m_nap, 15, 20), QStringLiteral("Foglalt időpont: 10:00"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM elojegyzes;"), -1), 1);
    // Just before and just after, another point and another day are free.
    QCOMPARE(foglal(1, m_nap, 18, 2), QString());
    QCOMPARE(foglal(1, m_nap, 21, 2), QString());
    QCOMPARE(foglal(2, m_nap, 19, 3), QString());
    QCOMPARE(foglal(1, m_nap.addDays(1), 19, 3), QString());
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM elojegyzes;"), -1), 1 + 2 + 2 + 3 + 3);
}

void TestElojegyzes::hibasAdat_data()
{
    QTest::addColumn<int>("asztal");
    QTest::addColumn<int>("ora");
    QTest::addColumn<int>("db");
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("no length") << 1 << 19 << 0 << QStringLiteral("x") << QStringLiteral("fél óra");
    QTest::newRow("negative length")
        << 1 << 19 << -2 << QStringLiteral("x") << QStringLiteral("fél óra");
    QTest::newRow("slot 48") << 1 << 48 << 1 << QStringLiteral("x")
                             << QStringLiteral("Hibás időpont");
    QTest::newRow("slot -1") << 1 << -1 << 1 << QStringLiteral("x")
                             << QStringLiteral("Hibás időpont");
    QTest::newRow("unknown service point")
        << 9 << 19 << 1 << QStringLiteral("x") << QStringLiteral("fodrász");
    QTest::newRow("text of 51") << 1 << 19 << 1 << QString(51, QLatin1Char('a'))
                                << QStringLiteral("50 karakter");
}

void TestElojegyzes::hibasAdat()
{
    QFETCH(int, asztal);
    QFETCH(int, ora);
    QFETCH(int, db);
    QFETCH(QString, szoveg);
    QFETCH(QString, uzenet);
    const QString h = foglal(asztal, m_nap, ora, db, szoveg);
    QVERIFY2(h.contains(uzenet), qPrintable(h));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM elojegyzes;"), -1), 0);
}

void TestElojegyzes::torlesFoglalasonkent()
{
    QCOMPARE(foglal(1, m_nap, 19, 3), QString());
    QCOMPARE(foglal(1, m_nap, 22, 1), QString());
    // The window's delete of any slot removes the whole booking of that day.
    const int azon = SqlEgesz(QStringLiteral("SELECT azon FROM elojegyzes WHERE ora=20;"), -1);
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM elojegyzes WHERE (azon = ") +
                     QString::number(azon) + QStringLiteral(") AND (datum = ") + SqlDatum(m_nap) +
                     QStringLiteral(") AND (asztal = 1);")));
    QCOMPARE(sorok(QStringLiteral("SELECT ora FROM elojegyzes")),
             QStringList(QStringLiteral("22")));
    // The freed slots can be booked again; the identifier goes on from the
    // largest left.
    QCOMPARE(foglal(1, m_nap, 19, 2), QString());
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT azon FROM elojegyzes WHERE ora=19;"), -1), 3);
}

QTEST_GUILESS_MAIN(TestElojegyzes)
#include "test_elojegyzes.moc"
