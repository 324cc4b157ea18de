// The transaction guard against the real server, watched from a second
// connection: a failed inner scope, a connection killed in the middle of a
// change or just before its COMMIT, reconnecting between transactions, and
// the retry of a unit that loses a deadlock.

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TesztAdatbazis.h"
#include "Tranzakcio.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

namespace
{

const QString ADATBAZIS = QStringLiteral("teszt_tranzakcio");
const QString MASIK = QStringLiteral("tranzakcio_masik");

QSqlDatabase masik()
{
    return QSqlDatabase::database(MASIK, false);
}

// Rows committed, as another workstation sees them.
int sorok()
{
    return SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM tx_sor;"), -1, masik());
}

void beszur(int id)
{
    SqlFuttat(QStringLiteral("INSERT INTO tx_sor (id, szoveg) VALUES (") + QString::number(id) +
              QStringLiteral(", 'árvíztűrő');"));
}

// Runs a statement and swallows its error, as careless code inside a guard
// might.
void probal(int id)
{
    try {
        beszur(id);
    } catch (const DbHiba&) {
    }
}

int foAzon()
{
    return SqlEgesz(QStringLiteral("SELECT CONNECTION_ID();"), 0);
}

// Kills a connection from the second one and waits until the server has
// ended it.
void olo(int azon)
{
    SqlFuttat(QStringLiteral("KILL CONNECTION ") + QString::number(azon) + QLatin1Char(';'),
              masik());
    QDeadlineTimer hatarido(5000);
    while (
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = ") +
                     QString::number(azon) + QLatin1Char(';'),
                 -1, masik()) != 0 &&
        !hatarido.hasExpired())
        QThread::msleep(10);
}

} // namespace

class TestTranzakcio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void beagyazottHibaKintElkapva();
    void kapcsolatMegszakadVaratlanul();
    void commitElottMegszakad();
    void tranzakciokKoztUjrakapcsolodik();
    void ujrakapcsolodasNelkul();
    void holtpontUtanFolytatasTiltott();
    void eljarasokCsatlakoznak();
    void eljarasHibajaElkapva();
    void ketFizetesEgyszerre();
    void ismetlesSzabalya_data();
    void ismetlesSzabalya();
    void ismetlesNyitottTranzakcioban();
    void valodiHoltpontIsmetelve();
};

void TestTranzakcio::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(ADATBAZIS);
        Kapcsolat::nyit(TesztAdatbazis::root(ADATBAZIS), MASIK);
        SqlFuttat(
            QStringLiteral("CREATE TABLE tx_sor (id INT NOT NULL PRIMARY KEY, szoveg VARCHAR(20)) "
                           "ENGINE=InnoDB;"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestTranzakcio::init()
{
    SQL_OK(QStringLiteral("DELETE FROM tx_sor;"));
}

void TestTranzakcio::cleanupTestCase()
{
    Kapcsolat::bezar(MASIK);
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(ADATBAZIS);
}

void TestTranzakcio::beagyazottHibaKintElkapva()
{
    bool kivetel = false;
    try {
        Tranzakcio kulso;
        beszur(1);
        try {
            Tranzakcio belso;
            beszur(2);
            beszur(1); // duplicate key: the inner scope fails
        } catch (const DbHiba& h) {
            QCOMPARE(h.kod(), 1062);
        }
        beszur(3);
    } catch (const DbHiba&) {
        kivetel = true; // the outer guard refuses to commit the rest
    }
    QVERIFY(kivetel);
    QCOMPARE(sorok(), 0);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM tx_sor;"), -1), 0);

    // The next transaction starts clean and commits.
    {
        Tranzakcio t;
        beszur(4);
        {
            Tranzakcio belso;
            beszur(5);
        }
    }
    QCOMPARE(sorok(), 2);
}

void TestTranzakcio::kapcsolatMegszakadVaratlanul()
{
    const int elotte = foAzon();
    bool kivetel = false;
    try {
        Tranzakcio t;
        beszur(1);
        olo(elotte);
        // Whatever the code inside does with the errors, nothing of the
        // change may be committed: neither row 1 nor any row after the loss.
        probal(2);
        probal(3);
        probal(4);
    } catch (const DbHiba& h) {
        kivetel = true;
    }
    QVERIFY(kivetel);
    QCOMPARE(sorok(), 0);

    // Between transactions the program works again, on a fresh connection.
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT 1;"), 0), 1);
    QVERIFY(foAzon() != elotte);
    {
        Tranzakcio t;
        beszur(5);
    }
    QCOMPARE(sorok(), 1);
    // Texts still travel in utf8mb4 on the new connection.
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT szoveg FROM tx_sor WHERE id = 5;"), QString()),
             QStringLiteral("árvíztűrő"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT @@character_set_client;"), QString()),
             QStringLiteral("utf8mb4"));
}

void TestTranzakcio::commitElottMegszakad()
{
    const int elotte = foAzon();
    bool kivetel = false;
    try {
        Tranzakcio t;
        beszur(1);
        beszur(2);
        olo(elotte); // the COMMIT at the end of the scope meets a dead connection
    } catch (const DbHiba& h) {
        kivetel = true;
        QVERIFY2(Kapcsolat::kapcsolatVesztes(h.kod()), qPrintable(QString::number(h.kod())));
    }
    QVERIFY(kivetel);
    QCOMPARE(sorok(), 0);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM tx_sor;"), -1), 0);
    QVERIFY(foAzon() != elotte);
}

void TestTranzakcio::tranzakciokKoztUjrakapcsolodik()
{
    // A connection lost while idle is restored when the next guard opens:
    // the change goes through without an error.
    olo(foAzon());
    {
        Tranzakcio t;
        beszur(1);
        beszur(2);
    }
    QCOMPARE(sorok(), 2);
}

void TestTranzakcio::ujrakapcsolodasNelkul()
{
    // A connection opened without reconnecting (a restore) stays lost.
    const QString nev = QStringLiteral("tranzakcio_harmadik");
    QSqlDatabase db = Kapcsolat::nyit(TesztAdatbazis::root(ADATBAZIS), nev, false);
    const int azon = SqlEgesz(QStringLiteral("SELECT CONNECTION_ID();"), 0, db);
    olo(azon);
    QVERIFY_THROWS_EXCEPTION(DbHiba, Tranzakcio t(db));
    QVERIFY_THROWS_EXCEPTION(DbHiba, SqlFuttat(QStringLiteral("SELECT 1;"), db));
    db = QSqlDatabase();
    Kapcsolat::bezar(nev);
}

void TestTranzakcio::holtpontUtanFolytatasTiltott()
{
    // The server ends a transaction that loses a deadlock; a statement after
    // the swallowed error would run on its own and stay. Simulated with the
    // error number the routines would have seen.
    bool kivetel = false;
    try {
        Tranzakcio t;
        beszur(1);
        Tranzakcio::utasitasHiba(Kapcsolat::fo(), 1213, QStringLiteral("UPDATE"));
        QVERIFY_THROWS_EXCEPTION(DbHiba, beszur(2));
    } catch (const DbHiba& h) {
        kivetel = true;
        QCOMPARE(h.kod(), 1213);
    }
    QVERIFY(kivetel);
    QCOMPARE(sorok(), 0);
}

namespace
{

// A bill of two lines on service point 1 in the open shift.
void szamlaElokeszit()
{
    SqlFuttat(QStringLiteral("DELETE FROM rendelma;"));
    SqlFuttat(QStringLiteral("DELETE FROM cassa;"));
    SqlFuttat(QStringLiteral("DELETE FROM asztal;"));
    SqlFuttat(QStringLiteral("DELETE FROM naplezar;"));
    SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES (1, 'Kovács Anna');"));
    SqlFuttat(
        QStringLiteral("INSERT INTO naplezar (nap, muszak, lezarva) VALUES (CURDATE(), 1, 'N');"));
    SqlFuttat(QStringLiteral("CALL sp_rendelsor(1, 0, 1, 1500, 2, '');"));
}

// Settling in cash as one unit: stock, bill, cash-desk entry.
void elad(const QString& penztarSzoveg)
{
    Tranzakcio t;
    SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);"));
    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_fizet(1, 'N');"));
    QVERIFY(q.next());
    q = QSqlQuery();
    SqlFuttat(QStringLiteral("CALL sp_cassaad('F', 1, 3000, ") + SqlIdez(penztarSzoveg) +
              QStringLiteral(");"));
}

QString allas()
{
    return SqlSzoveg(
        QStringLiteral("SELECT CONCAT((SELECT COUNT(*) FROM rendelma WHERE fizetve = 'N'), "
                       "' nyitott, ', (SELECT COUNT(*) FROM cassa), ' pénztár');"),
        QString(), masik());
}

} // namespace

void TestTranzakcio::eljarasokCsatlakoznak()
{
    // The procedures join the guard's transaction instead of committing it:
    // a sale whose last step fails leaves nothing behind.
    try {
        szamlaElokeszit();
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    QVERIFY_THROWS_EXCEPTION(DbHiba, elad(QStringLiteral("Ár 5 €"))); // refused: not latin2
    QCOMPARE(allas(), QStringLiteral("1 nyitott, 0 pénztár"));
    elad(QStringLiteral("A: Kovács Anna - R: 1"));
    QCOMPARE(allas(), QStringLiteral("0 nyitott, 1 pénztár"));
    // Outside a guard a procedure still commits its own work.
    SQL_OK(QStringLiteral("CALL sp_cassaad('B', -1, 500, 'Betét');"));
    QCOMPARE(allas(), QStringLiteral("0 nyitott, 2 pénztár"));
}

void TestTranzakcio::eljarasHibajaElkapva()
{
    // A procedure that fails half-way may leave its first steps in the
    // transaction: catching its error does not let the rest commit.
    try {
        szamlaElokeszit();
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    bool kivetel = false;
    try {
        Tranzakcio t;
        SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);"));
        try {
            SqlFuttat(QStringLiteral("CALL sp_cassaad('F', 1, 3000, 'Ár 5 €');"));
        } catch (const DbHiba&) {
        }
        SqlNyit(QStringLiteral("CALL sp_fizet(1, 'N');"));
    } catch (const DbHiba&) {
        kivetel = true;
    }
    QVERIFY(kivetel);
    QCOMPARE(allas(), QStringLiteral("1 nyitott, 0 pénztár"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma WHERE konyvelve = 'I';"), -1,
                      masik()),
             0);
}

void TestTranzakcio::ketFizetesEgyszerre()
{
    // Two workstations settle two bills at the same moment: the second one
    // waits for the first one's number instead of taking the same. Ours is
    // point 3, the other's point 1; the open bill of point 2 between them
    // keeps the two from meeting on the locks of their own lines.
    try {
        szamlaElokeszit();
        SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES (2, 'Szabó Éva'), "
                                 "(3, 'Tóth Béla');"));
        // A busy day: many open lines, so the server reaches each bill
        // through the index of open lines, not by reading the whole table.
        SqlFuttat(QStringLiteral("INSERT INTO rendelma (rendeles, datum, muszak, asztal, cikkazon, "
                                 "db, ar, fizetve, torolve) SELECT 0, CURDATE(), 1, 2, 1, 1, 900, "
                                 "'N', 'N' FROM ora a, ora b LIMIT 500;"));
        SqlFuttat(QStringLiteral("CALL sp_rendelsor(3, 0, 1, 700, 1, '');"));
        SqlFuttat(QStringLiteral("ANALYZE TABLE rendelma;"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    int sajat = -1;
    std::atomic<int> masikSzam{-1};
    QString masikHiba;
    std::thread szal;
    {
        Tranzakcio t;
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_fizet(3, 'N');"));
        QVERIFY(q.next());
        sajat = q.value(0).toInt();
        q = QSqlQuery();
        szal = std::thread([&] {
            const QString nev = QStringLiteral("tranzakcio_fizet");
            try {
                QSqlDatabase db = Kapcsolat::nyit(TesztAdatbazis::root(ADATBAZIS), nev, false);
                QSqlQuery q2 = SqlNyit(QStringLiteral("CALL sp_fizet(1, 'N');"), db);
                masikSzam = q2.next() ? q2.value(0).toInt() : 0;
            } catch (const DbHiba& h) {
                masikHiba = h.uzenet();
                masikSzam = 0;
            }
            Kapcsolat::bezar(nev);
        });
        // Time for the other one to take a number while ours is not committed.
        QDeadlineTimer hatarido(400);
        while (masikSzam < 0 && !hatarido.hasExpired())
            QThread::msleep(10);
    }
    szal.join();
    QVERIFY2(masikHiba.isEmpty(), qPrintable(masikHiba));
    QVERIFY(sajat > 0);
    QCOMPARE(int(masikSzam), sajat + 1);
}

void TestTranzakcio::ismetlesSzabalya_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<int>("probak");
    QTest::addColumn<int>("vartFutas");
    QTest::newRow("deadlock, up to the limit") << 1213 << 5 << 5;
    QTest::newRow("lock wait timeout") << 1205 << 3 << 3;
    QTest::newRow("duplicate key goes through") << 1062 << 5 << 1;
    QTest::newRow("refusal of a procedure goes through") << 1644 << 5 << 1;
    QTest::newRow("one try only") << 1213 << 1 << 1;
}

void TestTranzakcio::ismetlesSzabalya()
{
    QFETCH(int, kod);
    QFETCH(int, probak);
    QFETCH(int, vartFutas);
    int futas = 0;
    try {
        TranzakcioIsmetel(
            [&] {
                ++futas;
                beszur(futas);
                throw DbHiba(QStringLiteral("próba"), QString(), kod);
            },
            probak);
        QFAIL("the last failure must reach the caller");
    } catch (const DbHiba& h) {
        QCOMPARE(h.kod(), kod);
    }
    QCOMPARE(futas, vartFutas);
    QCOMPARE(sorok(), 0);

    // A try that succeeds ends the loop and commits once.
    futas = 0;
    TranzakcioIsmetel([&] {
        if (++futas < 3)
            throw DbHiba(QStringLiteral("próba"), QString(), 1213);
        beszur(100 + futas);
    });
    QCOMPARE(futas, 3);
    QCOMPARE(sorok(), 1);
}

void TestTranzakcio::ismetlesNyitottTranzakcioban()
{
    // Part of an open transaction: run once, and its failure dooms the whole.
    int futas = 0;
    bool kivetel = false;
    try {
        Tranzakcio t;
        beszur(1);
        try {
            TranzakcioIsmetel([&] {
                ++futas;
                throw DbHiba(QStringLiteral("próba"), QString(), 1213);
            });
        } catch (const DbHiba&) {
        }
    } catch (const DbHiba&) {
        kivetel = true;
    }
    QCOMPARE(futas, 1);
    QVERIFY(kivetel);
    QCOMPARE(sorok(), 0);
}

void TestTranzakcio::valodiHoltpontIsmetelve()
{
    for (int i = 1; i <= 40; ++i)
        beszur(i);

    // The other workstation, on a thread and connection of its own: it
    // changes rows 2..40 (the larger transaction, so the server picks ours as
    // the victim), then, when told, waits for row 1, which we hold.
    std::atomic<int> lepes{0};
    QString masikHiba;
    std::thread szal([&] {
        const QString nev = QStringLiteral("tranzakcio_szal");
        try {
            QSqlDatabase db = Kapcsolat::nyit(TesztAdatbazis::root(ADATBAZIS), nev, false);
            SqlFuttat(QStringLiteral("START TRANSACTION;"), db);
            SqlFuttat(
                QStringLiteral("UPDATE tx_sor SET szoveg = 'másik' WHERE id BETWEEN 2 AND 40;"),
                db);
            lepes = 1;
            while (lepes < 2)
                QThread::msleep(5);
            SqlFuttat(QStringLiteral("UPDATE tx_sor SET szoveg = 'másik' WHERE id = 1;"), db);
            SqlFuttat(QStringLiteral("COMMIT;"), db);
        } catch (const DbHiba& h) {
            masikHiba = h.uzenet();
        }
        lepes = 3;
        Kapcsolat::bezar(nev);
    });
    while (lepes < 1)
        QThread::msleep(5);

    int futas = 0;
    QList<int> hibakodok;
    try {
        TranzakcioIsmetel([&] {
            ++futas;
            SqlFuttat(QStringLiteral("UPDATE tx_sor SET szoveg = 'mienk' WHERE id = 1;"));
            if (futas == 1) {
                lepes = 2;
                // Until the other one waits for our row.
                QDeadlineTimer hatarido(10000);
                while (SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM information_schema.INNODB_TRX "
                                               "WHERE trx_state = 'LOCK WAIT';"),
                                0, masik()) == 0 &&
                       !hatarido.hasExpired())
                    QThread::msleep(5);
            }
            try {
                SqlFuttat(QStringLiteral("UPDATE tx_sor SET szoveg = 'mienk' WHERE id = 2;"));
            } catch (const DbHiba& h) {
                hibakodok << h.kod();
                throw;
            }
        });
    } catch (const DbHiba& h) {
        szal.join();
        QFAIL(qPrintable(h.uzenet()));
    }
    szal.join();
    QVERIFY2(masikHiba.isEmpty(), qPrintable(masikHiba));
    QCOMPARE(hibakodok, QList<int>{1213});
    QCOMPARE(futas, 2);
    // Both changes stand: the other one's on rows 2..40 first, ours after.
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT szoveg FROM tx_sor WHERE id = 1;"), QString(), masik()),
        QStringLiteral("mienk"));
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT szoveg FROM tx_sor WHERE id = 2;"), QString(), masik()),
        QStringLiteral("mienk"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM tx_sor WHERE szoveg = 'másik';"), -1,
                      masik()),
             38);
}

QTEST_GUILESS_MAIN(TestTranzakcio)
#include "test_tranzakcio.moc"
