// Automatic backups at day close: N+1 closed days leave the newest N backups
// in the chosen folder, each a complete backup that restores the day it was
// made on; other files of the folder stay; a folder that cannot be written
// is reported and remembered until a good backup follows; the backup runs on
// a worker thread and the main connection is free meanwhile; at exit only a
// worked day is saved.

#include "AutoMentes.h"
#include "DbHiba.h"
#include "IniAllomany.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "TesztAdatbazis.h"
#include "Visszaallitas.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestAutoMentes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void napzarasokUtanAzUtolsoNMarad();
    void irhatatlanMappaJelzett();
    void kilepeskorCsakLedolgozottNap();

private:
    KapcsolatAdat adat() const { return TesztAdatbazis::root(db); }
    QString ini() const { return m_dir.filePath(QStringLiteral("VexloF.ini")); }
    QString temp() const { return m_dir.filePath(QStringLiteral("Temp")); }
    // Opens the day, sells `osszeg` on one bill and closes the day.
    void napLedolgoz(const QDate& nap, double osszeg);
    void beallit(const QString& mappa, int darab);

    const QString db = QStringLiteral("teszt_automentes");
    QTemporaryDir m_dir;
};

void TestAutoMentes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    try {
        TesztAdatbazis::letrehoz(db);
        SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES (1,'Anna');"));
        SqlFuttat(QStringLiteral("INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar) "
                                 "VALUES (1,'C1','Hajvágás',4500);"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestAutoMentes::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
    TesztAdatbazis::torol(db + QStringLiteral("_vissza"));
}

void TestAutoMentes::napLedolgoz(const QDate& nap, double osszeg)
{
    SqlFuttat(QStringLiteral("INSERT IGNORE INTO naplezar (nap,muszak,lezarva) VALUES (") +
              SqlDatum(nap) + QStringLiteral(",1,'N');"));
    SqlFuttat(QStringLiteral("CALL sp_rendelsor(1,0,1,") + SzamSql(osszeg) +
              QStringLiteral(",1,'');"));
    SqlNyit(QStringLiteral("CALL sp_fizet(1,'N');"));
    SqlFuttat(QStringLiteral("CALL sp_napzar(") + SqlDatum(nap) + QStringLiteral(",1);"));
}

void TestAutoMentes::beallit(const QString& mappa, int darab)
{
    AutoMentesBeallitas b;
    b.mappa = mappa;
    b.darab = darab;
    b.ir(ini());
}

void TestAutoMentes::napzarasokUtanAzUtolsoNMarad()
{
    const QString mappa = m_dir.filePath(QStringLiteral("mentesek"));
    QVERIFY(QDir().mkpath(mappa));
    // A file of the administrator's own, in the naming style, stays.
    QFile sajat(mappa + QStringLiteral("/teszt_automentes-2020-01-01.zip"));
    QVERIFY(sajat.open(QIODevice::WriteOnly));
    sajat.close();
    const int n = 3;
    beallit(mappa, n);

    AutoMento mento(ini(), temp());
    QSignalSpy kesz(&mento, &AutoMento::kesz);
    QStringList fajlok;
    const QDate elso(2026, 3, 2);
    try {
        for (int i = 0; i <= n; ++i) {
            napLedolgoz(elso.addDays(i), 1000 * (i + 1));
            QVERIFY(mento.indit(adat()));
            // The main connection is free while the backup runs.
            QCOMPARE(SqlEgesz(QStringLiteral("SELECT 1;"), 0), 1);
            QVERIFY(kesz.wait(60000));
            const AutoMentesEredmeny e = kesz.takeFirst().at(0).value<AutoMentesEredmeny>();
            QVERIFY2(e.sikeres, qPrintable(e.hiba));
            fajlok << e.fajl;
        }
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }

    // The newest n, newest first; the oldest went.
    const QStringList maradt = AutoMentesFajlok(mappa, db);
    QCOMPARE(maradt.size(), n);
    QCOMPARE(maradt, QStringList({fajlok[3], fajlok[2], fajlok[1]}));
    QVERIFY(!QFile::exists(fajlok[0]));
    QVERIFY(sajat.exists());
    QCOMPARE(AutoMentesAllapot(ini()), QString());

    // Each one restores the database as it was after its own day.
    const QString vissza = db + QStringLiteral("_vissza");
    const KapcsolatAdat cel = TesztAdatbazis::uresLetrehoz(vissza);
    try {
        VisszaallitasKerdesek igen;
        igen.ellenorizhetetlen = [](const QString&) { return false; };
        igen.felulir = [](const QString&, const QString&) { return true; };
        QVERIFY(Visszaallitas(cel, TesztAdatbazis::schemaFajl(), igen));
        for (int i = 1; i <= n; ++i) {
            QVERIFY(Visszaallitas(cel, fajlok[i], igen));
            QSqlDatabase c = Kapcsolat::nyit(cel, QStringLiteral("automentes_cel"));
            QCOMPARE(
                SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplezar WHERE lezarva='I';"), 0, c),
                i + 1);
            QCOMPARE(SqlSzam(QStringLiteral("SELECT SUM(db*ar) FROM rendeles;"), 0, c),
                     1000.0 * (i + 1) * (i + 2) / 2);
            Kapcsolat::bezar(QStringLiteral("automentes_cel"));
        }
    } catch (const Hiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestAutoMentes::irhatatlanMappaJelzett()
{
    // A "folder" that is a file cannot take backups.
    const QString rossz = m_dir.filePath(QStringLiteral("fajl_nem_mappa"));
    QFile f(rossz);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    beallit(rossz, 3);
    const AutoMentesEredmeny e = AutoMentesFuttat(ini(), adat(), temp());
    QVERIFY(e.volt);
    QVERIFY(!e.sikeres);
    QVERIFY(e.hiba.contains(rossz));
    const QString allapot = AutoMentesAllapot(ini());
    QVERIFY(allapot.startsWith(QStringLiteral("Automatikus mentés sikertelen")));
    QVERIFY(allapot.contains(rossz));
    // Still reported when the program starts again, until a good one.
    QCOMPARE(AutoMentesAllapot(ini()), allapot);

    // An unreachable server is reported as well, and leaves no file.
    const QString mappa = m_dir.filePath(QStringLiteral("mentesek2"));
    beallit(mappa, 3);
    KapcsolatAdat halott = adat();
    halott.port = 1;
    const AutoMentesEredmeny e2 = AutoMentesFuttat(ini(), halott, temp());
    QVERIFY(!e2.sikeres);
    QVERIFY(AutoMentesFajlok(mappa, db).isEmpty());
    QVERIFY(!AutoMentesAllapot(ini()).isEmpty());

    const AutoMentesEredmeny jo = AutoMentesFuttat(ini(), adat(), temp());
    QVERIFY2(jo.sikeres, qPrintable(jo.hiba));
    QCOMPARE(AutoMentesAllapot(ini()), QString());

    // Off: nothing happens and nothing is reported.
    beallit(QString(), 3);
    QVERIFY(!AutoMentesFuttat(ini(), adat(), temp()).volt);
}

void TestAutoMentes::kilepeskorCsakLedolgozottNap()
{
    const QString mappa = m_dir.filePath(QStringLiteral("mentesek3"));
    beallit(mappa, 5);
    const QDate nap(2026, 4, 1);
    try {
        // Nothing recorded on the day: no backup needed.
        QVERIFY(!AutoMentesKell(ini(), nap));
        SqlFuttat(QStringLiteral("INSERT IGNORE INTO naplezar (nap,muszak,lezarva) VALUES (") +
                  SqlDatum(nap) + QStringLiteral(",1,'N');"));
        SqlFuttat(QStringLiteral("CALL sp_rendelsor(1,0,1,500,1,'');"));
        QVERIFY(AutoMentesKell(ini(), nap));
        // The server clock counts in seconds: the backup starts after the
        // line's second.
        QTest::qWait(1100);
        QVERIFY(AutoMentesFuttat(ini(), adat(), temp()).sikeres);
        // Saved since: not again.
        QVERIFY(!AutoMentesKell(ini(), nap));
        QVERIFY(!AutoMentesKell(ini(), QDate()));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas()));
    }
}

QTEST_GUILESS_MAIN(TestAutoMentes)
#include "test_automentes.moc"
