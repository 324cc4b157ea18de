// The stock procedures against the real server: stock documents (intake,
// issue, scrapping) posted and reversed, their lines and totals, the
// refusals, purchase prices, the stock count with its correction list, item
// copying, all-or-nothing behaviour when a step fails, and texts passed
// through every text argument.

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QSqlRecord>
#include <QTest>

namespace {

const QString adatbazis = QStringLiteral("teszt_sqlkeszlet");

// Stock and price of one holder as "db/ar".
QString keszlet(int gyujto)
{
    return SqlSzoveg(QStringLiteral("SELECT CONCAT(db,'/',COALESCE(ar,'NULL')) FROM gyujto WHERE gyujto=") +
                         QString::number(gyujto) + QLatin1Char(';'),
                     QStringLiteral("?"));
}

// Every row of every table the stock procedures write, as one text, to see
// that a refused or failed call changed nothing.
QString pillanatkep()
{
    const QStringList lekerdezesek = {
        QStringLiteral("SELECT gyujto, db, ar, ujdb FROM gyujto ORDER BY gyujto"),
        QStringLiteral("SELECT * FROM mozgas ORDER BY mozgas"),
        QStringLiteral("SELECT * FROM mozgas_sorok ORDER BY mozgas, sor"),
        QStringLiteral("SELECT * FROM karton ORDER BY karton"),
        QStringLiteral("SELECT * FROM arvaltozas ORDER BY arvaltozas"),
        QStringLiteral("SELECT * FROM cikkszam ORDER BY cikkazon"),
        QStringLiteral("SELECT * FROM cikkgyujto ORDER BY cikkazon, gyujto"),
        QStringLiteral("SELECT * FROM naplozas ORDER BY naplozas"),
    };
    QString ki;
    for (const QString& sql : lekerdezesek) {
        QSqlQuery q = SqlNyit(sql);
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                ki += Szoveg(q.value(i), QStringLiteral("NULL")) + QLatin1Char('|');
            ki += QLatin1Char('\n');
        }
        ki += QStringLiteral("--\n");
    }
    return ki;
}

// A new document of the kind; returns its `mozgas`.
int ujBizonylat(const QString& tip, const QString& ugyfel = QStringLiteral("Szállító Kft."))
{
    // The procedure answers with the new key.
    return SqlEgesz(QStringLiteral("CALL sp_ujmozgas(") + SqlIdez(tip) + QLatin1Char(',') +
                        SqlIdez(ugyfel) + QStringLiteral(",'admin');"),
                    -1);
}

void ujSor(int mozgas, int gyujto, double db, double ar)
{
    SqlFuttat(QStringLiteral("CALL sp_ujmozgassor(") + QString::number(mozgas) + QLatin1Char(',') +
              QString::number(gyujto) + QLatin1Char(',') + SzamSql(db) + QLatin1Char(',') + SzamSql(ar) +
              QStringLiteral(");"));
}

void konyvel(int mozgas)
{
    SqlFuttat(QStringLiteral("CALL sp_mozgkonyvel(") + QString::number(mozgas) + QStringLiteral(",'admin');"));
}

void sztorno(int mozgas)
{
    SqlFuttat(QStringLiteral("CALL sp_mozgkonyvelstorno(") + QString::number(mozgas) + QStringLiteral(");"));
}

QString fej(int mozgas)
{
    return SqlSzoveg(QStringLiteral("SELECT CONCAT(prntip,mozgaz,konyvelve,storno,' ',ar) FROM mozgas WHERE mozgas=") +
                         QString::number(mozgas) + QLatin1Char(';'),
                     QStringLiteral("?"));
}

} // namespace

class TestKeszlet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void konyvelesEsSztorno_data();
    void konyvelesEsSztorno();
    void sorszamTipusonkent();
    void sorokEsOsszeg();
    void elutasitasok_data();
    void elutasitasok();
    void beszerzesiAr();
    void keszletmodositEsKarton();
    void cikkMasolas();
    void mindentVagySemmit_data();
    void mindentVagySemmit();
    void szovegekOdaVissza_data();
    void szovegekOdaVissza();
    void latin2KivuliKarakter();
};

void TestKeszlet::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(adatbazis);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestKeszlet::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(adatbazis);
}

// A small fixture: three holders, one item with a two-line recipe.
void TestKeszlet::init()
{
    for (const char* t : {"mozgas", "mozgas_sorok", "gyujto", "karton", "arvaltozas", "cikkszam", "cikkgyujto",
                          "naplozas"})
        SQL_OK(QStringLiteral("DELETE FROM ") + QLatin1String(t) + QLatin1Char(';'));
    SQL_OK(QStringLiteral("ALTER TABLE mozgas AUTO_INCREMENT=1;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO gyujto (gyujto, gyujto_kod, gyujto_nev, db, ar) VALUES "
        "(1, 'FES60', 'Hajfesték 6/0', 10, 30), (2, 'OXI6', 'Oxidáló 6%', 5, 4), (3, 'FOL', 'Alufólia', 100, 2);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, ar2, afakulcs, cikkat, besorolas, bekerules) "
        "VALUES (7, 'FES1', 'Festés rövid hajra', 9500, 9000, 27, 3, 1, 1200);"));
    SQL_OK(QStringLiteral("INSERT INTO cikkgyujto (cikkazon, gyujto, db) VALUES (7, 1, 60), (7, 2, 60);"));
}

void TestKeszlet::cleanup()
{
    SQL_OK(QStringLiteral("DROP TRIGGER IF EXISTS teszt_hiba;"));
}

void TestKeszlet::konyvelesEsSztorno_data()
{
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("utan1"); // holder 1 after posting
    QTest::addColumn<QString>("utan2"); // holder 2 after posting
    QTest::newRow("intake raises") << QStringLiteral("B") << QStringLiteral("14/25") << QStringLiteral("7/6");
    QTest::newRow("issue lowers") << QStringLiteral("K") << QStringLiteral("6/30") << QStringLiteral("3/4");
    QTest::newRow("scrapping lowers") << QStringLiteral("S") << QStringLiteral("6/30") << QStringLiteral("3/4");
}

void TestKeszlet::konyvelesEsSztorno()
{
    QFETCH(QString, tip);
    QFETCH(QString, utan1);
    QFETCH(QString, utan2);
    const int m = ujBizonylat(tip);
    QCOMPARE(fej(m), tip + QStringLiteral("1NN 0"));
    // Two lines of the same holder count together.
    ujSor(m, 1, 3, 28);
    ujSor(m, 2, 2, 6);
    ujSor(m, 1, 1, 25);
    QCOMPARE(keszlet(1), QStringLiteral("10/30")); // nothing before posting
    konyvel(m);
    QCOMPARE(fej(m), tip + QStringLiteral("1IN 121"));
    QCOMPARE(keszlet(1), utan1);
    QCOMPARE(keszlet(2), utan2);
    QCOMPARE(keszlet(3), QStringLiteral("100/2"));
    sztorno(m);
    QCOMPARE(fej(m), tip + QStringLiteral("1II 121"));
    QCOMPARE(keszlet(1), QStringLiteral("10/30"));
    QCOMPARE(keszlet(2), QStringLiteral("5/4"));
    QCOMPARE(keszlet(3), QStringLiteral("100/2"));
    // Both steps are in the action log under their documents.
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(COALESCE(felhasznalo,'-'),':',mit) "
                                      "ORDER BY naplozas SEPARATOR '|') FROM naplozas;"),
                       QString()),
             QStringLiteral("admin:Készletbizonylat könyvelése: ") + tip +
                 QStringLiteral("0000001|-:Készletbizonylat sztornó: ") + tip + QStringLiteral("0000001"));
}

void TestKeszlet::sorszamTipusonkent()
{
    const int b1 = ujBizonylat(QStringLiteral("B"));
    const int s1 = ujBizonylat(QStringLiteral("S"), QString());
    const int b2 = ujBizonylat(QStringLiteral("b")); // the kind letter in either case
    const int k1 = ujBizonylat(QStringLiteral("K"));
    QVERIFY(b1 < s1 && s1 < b2 && b2 < k1);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(prntip,LPAD(mozgaz,7,'0')) ORDER BY mozgas) "
                                      "FROM mozgas;"),
                       QString()),
             QStringLiteral("B0000001,S0000001,B0000002,K0000001"));
    // Today's date, the partner (empty for scrapping, never NULL) and the user.
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM mozgas WHERE datum=CURDATE() AND felhasznalo='admin' "
                                     "AND konyvelve='N' AND storno='N' AND ar=0;"),
                      -1),
             4);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT('[',ugyfel,']') FROM mozgas WHERE mozgas=") +
                           QString::number(s1),
                       QStringLiteral("NULL")),
             QStringLiteral("[]"));
}

void TestKeszlet::sorokEsOsszeg()
{
    const int m = ujBizonylat(QStringLiteral("B"));
    ujSor(m, 1, 2, 31.5);
    ujSor(m, 2, 3, 4.25);
    ujSor(m, 3, 50, 2);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT ar FROM mozgas WHERE mozgas=") + QString::number(m), -1), 175.75);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(sor ORDER BY sor) FROM mozgas_sorok;"), QString()),
             QStringLiteral("1,2,3"));

    SQL_OK(QStringLiteral("CALL sp_sortorol(") + QString::number(m) + QStringLiteral(",2);"));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT ar FROM mozgas WHERE mozgas=") + QString::number(m), -1), 163.0);
    // A new line takes the largest number plus one; the others keep theirs.
    ujSor(m, 2, 1, 1);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(sor ORDER BY sor) FROM mozgas_sorok;"), QString()),
             QStringLiteral("1,3,4"));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT ar FROM mozgas WHERE mozgas=") + QString::number(m), -1), 164.0);

    for (int sor : {1, 3, 4})
        SQL_OK(QStringLiteral("CALL sp_sortorol(") + QString::number(m) + QLatin1Char(',') + QString::number(sor) +
               QStringLiteral(");"));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT ar FROM mozgas WHERE mozgas=") + QString::number(m), -1), 0.0);
    // Lines of other documents are not touched.
    const int m2 = ujBizonylat(QStringLiteral("K"));
    ujSor(m2, 1, 1, 30);
    ujSor(m, 1, 1, 10);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT ar FROM mozgas WHERE mozgas=") + QString::number(m2), -1), 30.0);
}

// States a document is brought into before the refused call.
enum Allapot { Nyitott, Konyvelt, Sztornozott, Ures };

void TestKeszlet::elutasitasok_data()
{
    QTest::addColumn<int>("allapot");
    QTest::addColumn<QString>("hivas"); // %1 = the document
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("posting twice") << int(Konyvelt) << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');")
                                   << QStringLiteral("A bizonylat már könyvelve lett!");
    QTest::newRow("posting a reversed one") << int(Sztornozott) << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');")
                                            << QStringLiteral("A bizonylat már könyvelve lett!");
    QTest::newRow("reversing twice") << int(Sztornozott) << QStringLiteral("CALL sp_mozgkonyvelstorno(%1);")
                                     << QStringLiteral("A bizonylat már sztornózva lett!");
    QTest::newRow("reversing an unposted one") << int(Nyitott) << QStringLiteral("CALL sp_mozgkonyvelstorno(%1);")
                                               << QStringLiteral("Nem könyvelt bizonylat nem sztornózható.");
    QTest::newRow("line added to a posted one") << int(Konyvelt) << QStringLiteral("CALL sp_ujmozgassor(%1,3,1,2);")
                                                << QStringLiteral("Könyvelt bizonylathoz nem adható új sor.");
    QTest::newRow("line removed from a posted one") << int(Konyvelt) << QStringLiteral("CALL sp_sortorol(%1,1);")
                                                    << QStringLiteral("Könyvelt bizonylat sora nem törölhető.");
    QTest::newRow("line removed from a reversed one") << int(Sztornozott) << QStringLiteral("CALL sp_sortorol(%1,1);")
                                                      << QStringLiteral("Könyvelt bizonylat sora nem törölhető.");
    QTest::newRow("posting an empty one") << int(Ures) << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');")
                                          << QStringLiteral("Üres bizonylat nem könyvelhető.");
    QTest::newRow("posting an unknown one") << int(Nyitott) << QStringLiteral("CALL sp_mozgkonyvel(%1+1,'admin');")
                                            << QStringLiteral("A bizonylat nem létezik.");
    QTest::newRow("reversing an unknown one") << int(Nyitott) << QStringLiteral("CALL sp_mozgkonyvelstorno(-5);")
                                              << QStringLiteral("A bizonylat nem létezik.");
    QTest::newRow("line for an unknown document") << int(Nyitott) << QStringLiteral("CALL sp_ujmozgassor(%1+1,1,1,1);")
                                                  << QStringLiteral("A bizonylat nem létezik.");
    QTest::newRow("line of an unknown holder") << int(Nyitott) << QStringLiteral("CALL sp_ujmozgassor(%1,99,1,1);")
                                               << QStringLiteral("A gyűjtő nem létezik.");
    QTest::newRow("line without quantity") << int(Nyitott) << QStringLiteral("CALL sp_ujmozgassor(%1,1,NULL,1);")
                                           << QStringLiteral("A mennyiség és az egységár megadása kötelező.");
    QTest::newRow("removing a missing line") << int(Nyitott) << QStringLiteral("CALL sp_sortorol(%1,9);")
                                             << QStringLiteral("A bizonylat sora nem található.");
    QTest::newRow("unknown kind") << int(Nyitott) << QStringLiteral("CALL sp_ujmozgas('X','Kft','admin');")
                                  << QStringLiteral("Ismeretlen bizonylattípus (B, K vagy S lehet).");
    QTest::newRow("no kind") << int(Nyitott) << QStringLiteral("CALL sp_ujmozgas(NULL,'Kft','admin');")
                             << QStringLiteral("Ismeretlen bizonylattípus (B, K vagy S lehet).");
    QTest::newRow("partner of 51 characters")
        << int(Nyitott) << QStringLiteral("CALL sp_ujmozgas('B',REPEAT('ő',51),'admin');")
        << QStringLiteral("Az ügyfél neve legfeljebb 50 karakter lehet.");
    QTest::newRow("user code of 21 characters")
        << int(Nyitott) << QStringLiteral("CALL sp_mozgkonyvel(%1,REPEAT('a',21));")
        << QStringLiteral("A felhasználó kódja legfeljebb 20 karakter lehet.");
    QTest::newRow("count by a user code of 21 characters")
        << int(Nyitott) << QStringLiteral("CALL sp_keszletmodosit(REPEAT('a',21));")
        << QStringLiteral("A felhasználó kódja legfeljebb 20 karakter lehet.");
    QTest::newRow("copy under an empty code") << int(Nyitott) << QStringLiteral("CALL sp_ujcikkmasikbol(7,'  ');")
                                              << QStringLiteral("Termék kódjának megadása kötelező.");
    QTest::newRow("copy under a code of 16 characters")
        << int(Nyitott) << QStringLiteral("CALL sp_ujcikkmasikbol(7,'ABCDEFGHIJKLMNOP');")
        << QStringLiteral("A cikkszám legfeljebb 15 karakter lehet.");
    QTest::newRow("copy of an unknown item") << int(Nyitott) << QStringLiteral("CALL sp_ujcikkmasikbol(8,'X');")
                                             << QStringLiteral("A másolandó cikk nem létezik.");
}

void TestKeszlet::elutasitasok()
{
    QFETCH(int, allapot);
    QFETCH(QString, hivas);
    QFETCH(QString, uzenet);
    const int m = ujBizonylat(QStringLiteral("B"));
    if (allapot != Ures) {
        ujSor(m, 1, 2, 35);
        ujSor(m, 2, 1, 5);
    }
    if (allapot == Konyvelt || allapot == Sztornozott)
        konyvel(m);
    if (allapot == Sztornozott)
        sztorno(m);
    SQL_OK(QStringLiteral("UPDATE gyujto SET ujdb=3 WHERE gyujto=3;"));
    const QString elotte = pillanatkep();
    try {
        SqlFuttat(hivas.arg(m));
        QFAIL("the call was accepted");
    } catch (const DbHiba& h) {
        QCOMPARE(h.uzenet(), uzenet);
    }
    QCOMPARE(pillanatkep(), elotte);
}

void TestKeszlet::beszerzesiAr()
{
    // The last line with a price above 0 sets a holder's purchase price; a
    // free line does not.
    const int b1 = ujBizonylat(QStringLiteral("B"));
    ujSor(b1, 1, 1, 32);
    ujSor(b1, 1, 1, 34);
    ujSor(b1, 2, 10, 0);
    konyvel(b1);
    QCOMPARE(keszlet(1), QStringLiteral("12/34"));
    QCOMPARE(keszlet(2), QStringLiteral("15/4"));

    // Issues and scrapping leave the price alone.
    const int k1 = ujBizonylat(QStringLiteral("K"));
    ujSor(k1, 1, 2, 99);
    konyvel(k1);
    QCOMPARE(keszlet(1), QStringLiteral("10/34"));

    // A later intake's price survives the reversal of an earlier one ...
    const int b2 = ujBizonylat(QStringLiteral("B"));
    ujSor(b2, 1, 5, 36);
    konyvel(b2);
    sztorno(b1);
    QCOMPARE(keszlet(1), QStringLiteral("13/36"));
    // ... and reversing the latest one puts back the price it replaced.
    sztorno(b2);
    QCOMPARE(keszlet(1), QStringLiteral("8/34"));

    // A price edited since the intake is kept.
    const int b3 = ujBizonylat(QStringLiteral("B"));
    ujSor(b3, 3, 10, 3);
    konyvel(b3);
    QCOMPARE(keszlet(3), QStringLiteral("110/3"));
    SQL_OK(QStringLiteral("UPDATE gyujto SET ar=2.5 WHERE gyujto=3;"));
    sztorno(b3);
    QCOMPARE(keszlet(3), QStringLiteral("100/2.5"));
}

void TestKeszlet::keszletmodositEsKarton()
{
    // Counted: 1 lower, 2 equal to the stock, 3 higher; one holder not counted.
    SQL_OK(QStringLiteral("INSERT INTO gyujto (gyujto, gyujto_kod, gyujto_nev, db, ar) "
                          "VALUES (4, 'SAMP', 'Sampon', 7, 10);"));
    SQL_OK(QStringLiteral("UPDATE gyujto SET ujdb=CASE gyujto WHEN 1 THEN 8.5 WHEN 2 THEN 5 WHEN 3 THEN 120 END "
                          "WHERE gyujto IN (1,2,3);"));
    SQL_OK(QStringLiteral("CALL sp_keszletmodosit('leltar');"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(gyujto,':',db,':',COALESCE(ujdb,'-')) "
                                      "ORDER BY gyujto) FROM gyujto;"),
                       QString()),
             QStringLiteral("1:8.5:-,2:5:-,3:120:-,4:7:-"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(gyujto,':',regidb,':',ujdb,':',db,':',felhasznalo) "
                                      "ORDER BY karton) FROM karton;"),
                       QString()),
             QStringLiteral("1:10:8.5:-1.5:leltar,3:100:120:20:leltar")); // in code order

    // A second run finds nothing counted and changes nothing.
    SQL_OK(QStringLiteral("CALL sp_keszletmodosit('leltar');"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM karton;"), -1), 2);

    // The correction list of a period, by the day of recording.
    SQL_OK(QStringLiteral("INSERT INTO karton (gyujto, regidb, ujdb, db, felhasznalo, rogzitve) VALUES "
                          "(2, 6, 5, -1, 'regi', CURDATE() - INTERVAL 3 DAY + INTERVAL '23:59:59' HOUR_SECOND);"));
    struct Eset {
        int tol, ig;
        QString vart;
    };
    const QList<Eset> esetek = {
        {0, 0, QStringLiteral("leltar -1.5 Hajfesték 6/0|leltar 20 Alufólia|")},
        {-3, -3, QStringLiteral("regi -1 Oxidáló 6%|")},
        {-5, -1, QStringLiteral("regi -1 Oxidáló 6%|")},
        {-3, 0, QStringLiteral("regi -1 Oxidáló 6%|leltar -1.5 Hajfesték 6/0|leltar 20 Alufólia|")},
        {-2, -1, QString()},
    };
    for (const Eset& e : esetek) {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_karton(") + SqlDatum(QDate::currentDate().addDays(e.tol)) +
                              QLatin1Char(',') + SqlDatum(QDate::currentDate().addDays(e.ig)) + QStringLiteral(");"));
        QString sorok;
        while (q.next()) {
            QVERIFY(q.value(QStringLiteral("karton")).toInt() > 0);
            QVERIFY(q.value(QStringLiteral("rogzitve")).toDateTime().isValid());
            sorok += q.value(QStringLiteral("felhasznalo")).toString() + QLatin1Char(' ') +
                     SzamSql(q.value(QStringLiteral("db")).toDouble()) + QLatin1Char(' ') +
                     q.value(QStringLiteral("gyujto_nev")).toString() + QLatin1Char('|');
        }
        QCOMPARE(sorok, e.vart);
    }
}

void TestKeszlet::cikkMasolas()
{
    SQL_OK(QStringLiteral("UPDATE cikkszam SET kategoria='Festés', pgepgyujto='A1', port1='2', ar3=8800, ar4=8500, "
                          "aktiv='N', ezetel='I', szin=255, torolve='I' WHERE cikkazon=7;"));
    SQL_OK(QStringLiteral("INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev) VALUES (12, 'X', 'Más');"));
    SQL_OK(QStringLiteral("INSERT INTO cikkgyujto VALUES (12, 3, 1);"));
    // The procedure answers with the new item's key.
    QCOMPARE(SqlEgesz(QStringLiteral("CALL sp_ujcikkmasikbol(7, 'FES1K');"), -1), 13);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT MAX(cikkazon) FROM cikkszam;"), -1), 13);

    // Every field of the source except the key, the code and the deletion.
    const QString mezok = QStringLiteral(
        "CONCAT_WS('|', cikkszam_nev, mert, ar, port1, port2, port3, port4, kategoria, pgepgyujto, kellar, "
        "vankedv, vanszerviz, aktiv, ar2, ar3, afakulcs, besorolas, cikkat, szin, gyorsanfogy, ezetel, ezszobadij, "
        "szorfelnott, szorgyermek, szornap, ar4, borravalo, bekerules)");
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ") + mezok + QStringLiteral(" FROM cikkszam WHERE cikkazon=13;"),
                       QStringLiteral("?")),
             SqlSzoveg(QStringLiteral("SELECT ") + mezok + QStringLiteral(" FROM cikkszam WHERE cikkazon=7;"),
                       QStringLiteral("!")));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT(cikkszam,torolve) FROM cikkszam WHERE cikkazon=13;"), QString()),
             QStringLiteral("FES1KN"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT(cikkszam,torolve) FROM cikkszam WHERE cikkazon=7;"), QString()),
             QStringLiteral("FES1I"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(cikkazon,':',gyujto,':',db) ORDER BY cikkazon, "
                                      "gyujto) FROM cikkgyujto;"),
                       QString()),
             QStringLiteral("7:1:60,7:2:60,12:3:1,13:1:60,13:2:60"));

    // The source's own code is allowed; an item without recipe copies too.
    SQL_OK(QStringLiteral("CALL sp_ujcikkmasikbol(12, 'X');"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT(cikkszam,cikkszam_nev) FROM cikkszam WHERE cikkazon=14;"),
                       QString()),
             QStringLiteral("XMás"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM cikkgyujto WHERE cikkazon=14;"), -1), 1);
}

// A test-only trigger makes a later step of the procedure fail; the earlier
// steps must be rolled back with it.
void TestKeszlet::mindentVagySemmit_data()
{
    QTest::addColumn<QString>("elokeszit"); // %1 = the document
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("hivas");
    const QString nyitott;
    const QString konyvelt = QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');");
    QTest::newRow("posting fails after the stock changed")
        << nyitott << QStringLiteral("BEFORE UPDATE ON mozgas") << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');");
    QTest::newRow("posting fails at the log")
        << nyitott << QStringLiteral("BEFORE INSERT ON naplozas") << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');");
    QTest::newRow("posting fails at the price")
        << nyitott << QStringLiteral("BEFORE INSERT ON arvaltozas")
        << QStringLiteral("CALL sp_mozgkonyvel(%1,'admin');");
    QTest::newRow("reversal fails after the stock changed")
        << konyvelt << QStringLiteral("BEFORE UPDATE ON mozgas") << QStringLiteral("CALL sp_mozgkonyvelstorno(%1);");
    QTest::newRow("reversal fails after the price returned")
        << konyvelt << QStringLiteral("BEFORE UPDATE ON arvaltozas")
        << QStringLiteral("CALL sp_mozgkonyvelstorno(%1);");
    QTest::newRow("line fails at the total")
        << nyitott << QStringLiteral("BEFORE UPDATE ON mozgas") << QStringLiteral("CALL sp_ujmozgassor(%1,3,4,2);");
    QTest::newRow("line removal fails at the total")
        << nyitott << QStringLiteral("BEFORE UPDATE ON mozgas") << QStringLiteral("CALL sp_sortorol(%1,1);");
    QTest::newRow("count fails after the corrections were written")
        << QStringLiteral("UPDATE gyujto SET ujdb=db+1;") << QStringLiteral("BEFORE UPDATE ON gyujto")
        << QStringLiteral("CALL sp_keszletmodosit('admin');");
    QTest::newRow("copy fails at the recipe")
        << nyitott << QStringLiteral("BEFORE INSERT ON cikkgyujto") << QStringLiteral("CALL sp_ujcikkmasikbol(7,'UJ');");
}

void TestKeszlet::mindentVagySemmit()
{
    QFETCH(QString, elokeszit);
    QFETCH(QString, trigger);
    QFETCH(QString, hivas);
    const int m = ujBizonylat(QStringLiteral("B"));
    ujSor(m, 1, 2, 35);
    ujSor(m, 2, 1, 5);
    if (!elokeszit.isEmpty())
        SQL_OK(elokeszit.arg(m));
    SQL_OK(QStringLiteral("CREATE TRIGGER teszt_hiba ") + trigger +
           QStringLiteral(" FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'tesztelt hiba';"));
    const QString elotte = pillanatkep();
    try {
        SqlFuttat(hivas.arg(m));
        QFAIL("the failing step went unnoticed");
    } catch (const DbHiba& h) {
        QCOMPARE(h.uzenet(), QStringLiteral("tesztelt hiba"));
    }
    QCOMPARE(pillanatkep(), elotte);
    // Without the fault the same call goes through on the same connection.
    SQL_OK(QStringLiteral("DROP TRIGGER teszt_hiba;"));
    SQL_OK(hivas.arg(m));
    QVERIFY(pillanatkep() != elotte);
}

void TestKeszlet::szovegekOdaVissza_data()
{
    QTest::addColumn<QString>("szoveg"); // at most 15 characters: fits every text argument
    QTest::newRow("apostrophes") << QStringLiteral("O'Neil 'Kft'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\új\\ \\'x\\");
    QTest::newRow("line breaks") << QStringLiteral("első\r\nmás\nő\r");
    QTest::newRow("Hungarian") << QStringLiteral("ÁRVÍZTŰRŐ őű");
    QTest::newRow("percent and quotes") << QStringLiteral("\"50%\" _a_;--");
}

void TestKeszlet::szovegekOdaVissza()
{
    QFETCH(QString, szoveg);
    // Partner and user of a new document.
    const int m = SqlEgesz(QStringLiteral("CALL sp_ujmozgas('B',") + SqlIdez(szoveg) +
                               QLatin1Char(',') + SqlIdez(szoveg) + QStringLiteral(");"),
                           -1);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ugyfel FROM mozgas WHERE mozgas=") + QString::number(m), QString()),
             szoveg);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT felhasznalo FROM mozgas WHERE mozgas=") + QString::number(m),
                       QString()),
             szoveg);
    ujSor(m, 1, 1, 30);
    {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_bevszall(") + QString::number(m) + QStringLiteral(");"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("ugyfel")).toString(), szoveg);
    }
    // The posting user goes to the action log.
    SqlFuttat(QStringLiteral("CALL sp_mozgkonyvel(") + QString::number(m) + QLatin1Char(',') + SqlIdez(szoveg) +
              QStringLiteral(");"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT felhasznalo FROM naplozas ORDER BY naplozas DESC LIMIT 1;"), QString()),
             szoveg);
    // The counting user comes back from the correction list.
    SQL_OK(QStringLiteral("UPDATE gyujto SET ujdb=1 WHERE gyujto=3;"));
    SqlFuttat(QStringLiteral("CALL sp_keszletmodosit(") + SqlIdez(szoveg) + QStringLiteral(");"));
    {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_karton(CURDATE(), CURDATE());"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("felhasznalo")).toString(), szoveg);
    }
    // The code of a copied item.
    SqlFuttat(QStringLiteral("CALL sp_ujcikkmasikbol(7,") + SqlIdez(szoveg) + QStringLiteral(");"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT cikkszam FROM cikkszam WHERE cikkazon=8;"), QString()), szoveg);
}

// A character the latin2 columns cannot hold is refused, not replaced.
void TestKeszlet::latin2KivuliKarakter()
{
    const QString elotte = pillanatkep();
    for (const QString& hivas : {QStringLiteral("CALL sp_ujmozgas('B', 'Ár 5 €', 'admin');"),
                                 QStringLiteral("CALL sp_ujcikkmasikbol(7, 'FES€');"),
                                 QStringLiteral("CALL sp_keszletmodosit('ad€');")}) {
        try {
            SqlFuttat(hivas);
            QFAIL(qPrintable(hivas));
        } catch (const DbHiba& h) {
            QCOMPARE(h.kod(), 1366);
        }
    }
    QCOMPARE(pillanatkep(), elotte);
}

QTEST_GUILESS_MAIN(TestKeszlet)
#include "test_keszlet.moc"
