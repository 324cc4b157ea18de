// A chain of salons on a replicated cluster: three MariaDB Galera nodes on
// this machine (scripts/galera-private.sh). A workstation whose connection
// entry lists the nodes sells and settles on node 1 through the stored
// procedures, another reads the day's report views on node 2, two
// workstations on two nodes choose the same next key at once and both rows
// are kept, and when node 1 is killed the workstation goes on on the next
// node of its list with nothing lost.
//
// The test is skipped, with the reason, when the cluster cannot run here
// (galera-4 or rsync missing, or the state-transfer scripts cannot be had).

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SqlSzkript.h"
#include "Tranzakcio.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

class TestFurt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void eladasEgyikenJelentesMasikon();
    void egyszerreValasztottKulcs();
    void utkozoTranzakcio1213();
    void csomopontKiesik();

private:
    QString futtat(const QStringList& argumentumok, int* kod = nullptr, int ms = 240000);
    KapcsolatAdat csomopont(int n) const;
    int elad(int asztal, int cikkazon, double ar, double db);

    QString m_mappa;
    QList<int> m_portok;
    bool m_fut = false;
};

namespace
{
const QString adatbazis = QStringLiteral("vexlof_furt");
}

QString TestFurt::futtat(const QStringList& argumentumok, int* kod, int ms)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(qEnvironmentVariable("VEXLOF_SOURCE_DIR") +
                QStringLiteral("/scripts/galera-private.sh"),
            argumentumok);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
    }
    if (kod)
        *kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    const QString hiba = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    if (!hiba.isEmpty())
        qInfo().noquote() << hiba;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

KapcsolatAdat TestFurt::csomopont(int n) const
{
    KapcsolatAdat a;
    a.adatbazis = adatbazis;
    a.kiszolgalo = QStringLiteral("127.0.0.1");
    a.port = m_portok.at(n - 1);
    a.felhasznalo = QStringLiteral("vexlof");
    a.jelszo = QStringLiteral("furt");
    a.adatbazisnev = QStringLiteral("Szalon ") + QString::number(n);
    return a;
}

void TestFurt::initTestCase()
{
    m_mappa = QCoreApplication::applicationDirPath() + QStringLiteral("/galera");
    int kod = 0;
    const QString ok = futtat({QStringLiteral("check"), m_mappa}, &kod);
    if (kod == 3)
        QSKIP(qPrintable(QStringLiteral("A Galera fürt itt nem indítható: ") + ok));
    QCOMPARE(kod, 0);

    QElapsedTimer ora;
    ora.start();
    const QStringList portok =
        futtat({QStringLiteral("start"), m_mappa}, &kod).split(QLatin1Char(' '));
    QVERIFY2(kod == 0 && portok.size() == 3, "the cluster did not start");
    for (const QString& p : portok)
        m_portok << p.toInt();
    m_fut = true;
    qInfo() << "three nodes synced in" << ora.elapsed() << "ms";

    // The schema is loaded on node 1 by the program's batch executor; the
    // cluster replicates every definition to the other nodes.
    try {
        KapcsolatAdat gyoker = csomopont(1);
        gyoker.adatbazis.clear();
        QSqlDatabase db = Kapcsolat::nyit(gyoker, QStringLiteral("furt_admin"));
        SqlFuttat(QStringLiteral("CREATE DATABASE ") + adatbazis +
                      QStringLiteral(" CHARACTER SET latin2 COLLATE latin2_hungarian_ci"),
                  db);
        SqlFuttat(QStringLiteral("USE ") + adatbazis, db);
        const SqlSzkript sema = SqlSzkript::betolt(qEnvironmentVariable("VEXLOF_SCHEMA"));
        QVERIFY2(sema.ervenyes(), qPrintable(sema.hiba()));
        sema.futtat(db);
        db.close();
        Kapcsolat::bezar(QStringLiteral("furt_admin"));

        // The workstation's entry lists the three nodes.
        KapcsolatAdat ws = csomopont(1);
        ws.kiszolgalo = QStringLiteral("127.0.0.1:%1, 127.0.0.1:%2,127.0.0.1:%3")
                            .arg(m_portok[0])
                            .arg(m_portok[1])
                            .arg(m_portok[2]);
        Kapcsolat::foNyit(ws);
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT @@port;"), 0), m_portok[0]);
        SqlFuttat(QStringLiteral("INSERT IGNORE INTO naplezar (nap,muszak,lezarva) "
                                 "VALUES (CURDATE(),1,'N');"));
        SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES "
                                 "(1,'Anna'),(2,'Bea');"));
        SqlFuttat(QStringLiteral(
            "INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, afakulcs) VALUES "
            "(1,'C1','Hajvágás',4500,27),(2,'C2','Festés',9800,27);"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }
}

void TestFurt::cleanupTestCase()
{
    Kapcsolat::foBezar();
    for (const QString& n :
         {QStringLiteral("furt_n2"), QStringLiteral("furt_n3"), QStringLiteral("furt_masik")})
        Kapcsolat::bezar(n);
    if (m_fut)
        futtat({QStringLiteral("stop"), m_mappa});
}

// Sells one line to a service point and settles it through the stored
// procedures on the main connection; the bill number.
int TestFurt::elad(int asztal, int cikkazon, double ar, double db)
{
    SqlFuttat(QStringLiteral("CALL sp_rendelsor(%1,0,%2,%3,%4,'');")
                  .arg(asztal)
                  .arg(cikkazon)
                  .arg(SzamSql(ar), SzamSql(db)));
    SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(%1);").arg(asztal));
    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_fizet(%1,'N');").arg(asztal));
    if (!q.next())
        throw DbHiba(QStringLiteral("sp_fizet: no row"));
    return q.value(0).toInt();
}

void TestFurt::eladasEgyikenJelentesMasikon()
{
    try {
        const int b1 = elad(1, 1, 4500, 1);
        const int b2 = elad(2, 2, 9800, 2);
        QVERIFY(b1 > 0 && b2 > b1);

        // Another salon reads the day's reports on node 2.
        QSqlDatabase n2 = Kapcsolat::nyit(csomopont(2), QStringLiteral("furt_n2"));
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT @@port;"), 0, n2), m_portok[1]);
        QSqlQuery q = SqlNyit(QStringLiteral("SELECT rendeles, asztal_nev, ar FROM vw_forglistama1 "
                                             "WHERE datum=CURDATE() ORDER BY rendeles;"),
                              n2);
        QStringList sorok;
        while (q.next())
            sorok << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString() +
                         QLatin1Char('|') + q.value(2).toString();
        QCOMPARE(sorok, QStringList({QString::number(b1) + QStringLiteral("|Anna|4500"),
                                     QString::number(b2) + QStringLiteral("|Bea|19600")}));
        QCOMPARE(SqlSzam(QStringLiteral("SELECT SUM(osszar) FROM vw_forglistama2 "
                                        "WHERE datum=CURDATE();"),
                         0, n2),
                 24100.0);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }
}

void TestFurt::egyszerreValasztottKulcs()
{
    // Two workstations on two nodes add a service point at the same moment:
    // both choose MAX+1. The other one's row commits first; this one's
    // insert meets it (a duplicate key, or a conflict the cluster reports
    // as a deadlock) and is made again with the next key.
    try {
        QSqlDatabase masik = Kapcsolat::nyit(csomopont(2), QStringLiteral("furt_masik"));
        int kiserlet = 0;
        int masikKulcs = 0;
        const int kulcs =
            UjAzonnalBeszur(QStringLiteral("asztal"), QStringLiteral("asztal"), [&](int azon) {
                if (++kiserlet == 1) {
                    masikKulcs = azon;
                    SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES "
                                             "(%1,'Csilla');")
                                  .arg(azon),
                              masik);
                }
                SqlFuttat(
                    QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES (%1,'Dóra');")
                        .arg(azon));
            });
        QVERIFY(kiserlet >= 2);
        QVERIFY(kulcs > masikKulcs);
        QCOMPARE(
            SqlSzoveg(
                QStringLiteral("SELECT asztal_nev FROM asztal WHERE asztal=%1;").arg(masikKulcs),
                QString(), masik),
            QStringLiteral("Csilla"));
        QCOMPARE(
            SqlSzoveg(QStringLiteral("SELECT asztal_nev FROM asztal WHERE asztal=%1;").arg(kulcs),
                      QString(), masik),
            QStringLiteral("Dóra"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }
}

void TestFurt::utkozoTranzakcio1213()
{
    // A transaction whose row another node changed in the meantime is
    // refused at its commit with 1213, the error a deadlock gives: callers
    // retry both alike.
    QSqlDatabase masik = Kapcsolat::nyit(csomopont(2), QStringLiteral("furt_masik"));
    int kod = 0;
    try {
        Tranzakcio t;
        SqlFuttat(QStringLiteral("UPDATE asztal SET asztal_nev='Anna 1' WHERE asztal=1;"));
        SqlFuttat(QStringLiteral("UPDATE asztal SET asztal_nev='Anna 2' WHERE asztal=1;"), masik);
    } catch (const DbHiba& h) {
        kod = h.kod();
    }
    QCOMPARE(kod, 1213);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT asztal_nev FROM asztal WHERE asztal=1;"), QString()),
             QStringLiteral("Anna 2"));
}

void TestFurt::csomopontKiesik()
{
    try {
        const int elotte = SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1);
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT @@port;"), 0), m_portok[0]);
        int kod = 0;
        futtat({QStringLiteral("kill"), m_mappa, QStringLiteral("1")}, &kod);
        QCOMPARE(kod, 0);

        // Between transactions the connection moves to the next node of the
        // entry's list by itself; the work goes on there.
        QElapsedTimer ora;
        ora.start();
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1), elotte);
        qInfo() << "failover took" << ora.elapsed() << "ms";
        QVERIFY(SqlEgesz(QStringLiteral("SELECT @@port;"), 0) != m_portok[0]);

        const int b3 = elad(1, 2, 9800, 1);
        QSqlDatabase n3 = Kapcsolat::nyit(csomopont(3), QStringLiteral("furt_n3"));
        // Nothing of the bills settled on node 1 is lost, and the new one is
        // everywhere.
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(DISTINCT rendeles) FROM rendelma "
                                         "WHERE fizetve='I';"),
                          0, n3),
                 3);
        QCOMPARE(SqlEgesz(QStringLiteral("SELECT MAX(rendeles) FROM rendelma;"), 0, n3), b3);
        QCOMPARE(
            SqlSzam(QStringLiteral("SELECT SUM(db*ar) FROM rendelma WHERE fizetve='I';"), 0, n3),
            33900.0);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }
}

QTEST_MAIN(TestFurt)
#include "test_furt.moc"
