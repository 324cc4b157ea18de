// The demo data: it loads over the schema (through the program's batch
// executor and through the mariadb client alike) and is consistent: six
// hairdressers, about sixty live items with recipes over existing stock
// holders, closed history days whose bills match their cash-desk entries,
// ledgers that match the balances, and reservations around today.

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace
{

const QString adatbazis = QStringLiteral("teszt_sqldemo");
const QString kliensAdatbazis = QStringLiteral("teszt_sqldemo_kliens");

// The bills of the history and of today: day, bill number, hairdresser and
// total of the lines that count.
const QString szamlak = QStringLiteral(
    "(SELECT r.datum, r.rendeles, r.asztal, SUM(IF(r.torolve='N', r.db*r.ar, 0)) AS osszeg"
    "   FROM rendeles r GROUP BY r.datum, r.rendeles, r.asztal"
    " UNION ALL"
    " SELECT m.datum, m.rendeles, m.asztal, SUM(IF(m.torolve='N', m.db*m.ar, 0))"
    "   FROM rendelma m WHERE m.fizetve='I' GROUP BY m.datum, m.rendeles, m.asztal)");

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void kovetkezetes_data();
    void kovetkezetes();
    void magyarSzovegek_data();
    void magyarSzovegek();
    void riportokAdatot();
    void mariadbKliensselIs();
    void napFolytathatoEsZarhato();
};

void TestDemo::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(adatbazis, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet() + QStringLiteral(" -- ") + h.utasitas().left(300)));
    }
}

void TestDemo::cleanupTestCase()
{
    Kapcsolat::foBezar();
    Kapcsolat::bezar(QStringLiteral("kliens"));
    TesztAdatbazis::torol(adatbazis);
    TesztAdatbazis::torol(kliensAdatbazis);
}

void TestDemo::kovetkezetes_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("vart");

    // Hairdressers and master data.
    QTest::newRow("six hairdressers") << QStringLiteral("SELECT COUNT(*) FROM asztal") << 6;
    QTest::newRow("named, price category 1, placed")
        << QStringLiteral("SELECT COUNT(*) FROM asztal WHERE asztal_nev<>'' AND arkat=1 AND w>0 "
                          "AND h>0 AND l>=0 "
                          "AND t>=0 AND terem IN (SELECT terem FROM terem)")
        << 6;
    QTest::newRow("buttons do not overlap")
        << QStringLiteral("SELECT COUNT(*) FROM asztal a JOIN asztal b ON a.asztal<b.asztal "
                          "WHERE a.l<b.l+b.w AND b.l<a.l+a.w AND a.t<b.t+b.h AND b.t<a.t+a.h")
        << 0;
    QTest::newRow("about sixty live items")
        << QStringLiteral("SELECT COUNT(*) BETWEEN 55 AND 70 FROM cikkszam WHERE torolve='N'") << 1;
    QTest::newRow("items' category, classification and unit exist")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cikkszam c WHERE c.cikkat NOT IN (SELECT cikkat FROM cikkat) "
               "OR c.besorolas NOT IN (SELECT besorolas FROM besorolas) OR c.mert NOT IN (SELECT "
               "mert FROM mert)")
        << 0;
    QTest::newRow("item codes unique among live items")
        << QStringLiteral(
               "SELECT COUNT(*) - COUNT(DISTINCT cikkszam) FROM cikkszam WHERE torolve='N'")
        << 0;
    QTest::newRow("holders' category and unit exist")
        << QStringLiteral("SELECT COUNT(*) FROM gyujto g WHERE g.kategoria NOT IN (SELECT "
                          "kategoria FROM kategoria) "
                          "OR g.mert NOT IN (SELECT mert FROM mert)")
        << 0;
    QTest::newRow("recipes refer to existing items and holders")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cikkgyujto cg LEFT JOIN cikkszam c ON c.cikkazon=cg.cikkazon "
               "LEFT JOIN gyujto g ON g.gyujto=cg.gyujto WHERE c.cikkazon IS NULL OR g.gyujto IS "
               "NULL "
               "OR g.torolve<>'N' OR cg.db<=0")
        << 0;
    QTest::newRow("most live items have a recipe")
        << QStringLiteral("SELECT COUNT(DISTINCT cg.cikkazon) >= 35 FROM cikkgyujto cg "
                          "JOIN cikkszam c ON c.cikkazon=cg.cikkazon WHERE c.torolve='N'")
        << 1;
    QTest::newRow("bonus, discount and service-charge items configured")
        << QStringLiteral(
               "SELECT COUNT(*) FROM beallit b JOIN cikkszam k ON k.cikkazon=b.kedvsor "
               "JOIN cikkszam s ON s.cikkazon=b.szervsor JOIN cikkszam x ON "
               "x.cikkazon=b.bonuszcikkazon "
               "WHERE b.kedvsor<>b.szervsor AND b.szervsor<>b.bonuszcikkazon AND k.torolve='N'")
        << 1;
    QTest::newRow("one settings and one owner row")
        << QStringLiteral(
               "SELECT (SELECT COUNT(*) FROM beallit) + (SELECT COUNT(*) FROM tulajdonos)")
        << 2;
    QTest::newRow("commission for every hairdresser and classification")
        << QStringLiteral("SELECT COUNT(*) FROM asztal a JOIN besorolas b LEFT JOIN jutalek j "
                          "ON j.asztal=a.asztal AND j.besorolas=b.besorolas WHERE j.asztal IS NULL")
        << 0;
    QTest::newRow("services earn commission")
        << QStringLiteral("SELECT MIN(szazalek) > 0 FROM jutalek WHERE besorolas=1") << 1;
    QTest::newRow("happy hours name live items on valid days")
        << QStringLiteral(
               "SELECT COUNT(*) FROM happy h LEFT JOIN cikkszam c ON c.cikkszam=h.cikkszam AND "
               "c.torolve='N' "
               "WHERE c.cikkazon IS NULL OR h.hetnapja NOT BETWEEN 1 AND 7 OR h.oratol>=h.oraig")
        << 0;
    QTest::newRow("void reasons") << QStringLiteral("SELECT COUNT(*) >= 3 FROM storno") << 1;
    QTest::newRow("cash-desk kinds F, B, K")
        << QStringLiteral("SELECT COUNT(*) FROM cassatip WHERE cassatip IN ('F','B','K')") << 3;

    // Business days.
    QTest::newRow("every history day closed")
        << QStringLiteral(
               "SELECT COUNT(*) FROM (SELECT DISTINCT datum, muszak FROM rendeles) d LEFT JOIN "
               "naplezar n "
               "ON n.nap=d.datum AND n.muszak=d.muszak WHERE COALESCE(n.lezarva,'N')<>'I'")
        << 0;
    QTest::newRow("no older shift open")
        << QStringLiteral("SELECT COUNT(*) FROM naplezar WHERE lezarva<>'I' AND nap<CURDATE()")
        << 0;
    QTest::newRow("today's shift 1 open")
        << QStringLiteral(
               "SELECT COUNT(*) FROM naplezar WHERE lezarva='N' AND nap=CURDATE() AND muszak=1")
        << 1;
    QTest::newRow("two weeks of history ending yesterday")
        << QStringLiteral("SELECT COUNT(DISTINCT datum)=14 AND MAX(datum)=CURDATE()-INTERVAL 1 DAY "
                          "FROM rendeles")
        << 1;
    QTest::newRow("today's lines only in the day's table")
        << QStringLiteral("SELECT (SELECT COUNT(*) FROM rendeles WHERE datum>=CURDATE()) + "
                          "(SELECT COUNT(*) FROM rendelma WHERE datum<>CURDATE() OR muszak<>1)")
        << 0;
    QTest::newRow("line numbers continue after the history")
        << QStringLiteral(
               "SELECT MIN(m.rendelesazon) > MAX(r.rendelesazon) FROM rendelma m, rendeles r")
        << 1;

    // Bills and the cash desk.
    QTest::newRow("bill numbers run on without gaps")
        << QStringLiteral(
               "SELECT MIN(rendeles)=1 AND MAX(rendeles)=COUNT(DISTINCT rendeles) FROM rendeles")
        << 1;
    QTest::newRow("later days have higher bill numbers")
        << QStringLiteral("SELECT COUNT(*) FROM rendeles a JOIN rendeles b ON a.datum<b.datum AND "
                          "a.rendeles>b.rendeles")
        << 0;
    QTest::newRow("today's bill takes the next number")
        << QStringLiteral("SELECT MIN(m.rendeles)=MAX(m.rendeles) AND MIN(m.rendeles)=(SELECT "
                          "MAX(rendeles)+1 FROM rendeles) "
                          "FROM rendelma m WHERE m.fizetve='I'")
        << 1;
    QTest::newRow("history lines settled")
        << QStringLiteral("SELECT COUNT(*) FROM rendeles WHERE fizetve<>'I' OR rendeles<1") << 0;
    QTest::newRow("a bill belongs to one day and one hairdresser")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT rendeles FROM rendeles GROUP BY rendeles "
                          "HAVING COUNT(DISTINCT datum)>1 OR COUNT(DISTINCT asztal)>1) x")
        << 0;
    QTest::newRow("settled lines posted to stock, open ones not")
        << QStringLiteral(
               "SELECT (SELECT COUNT(*) FROM rendeles WHERE konyvelve<>'I') + "
               "(SELECT COUNT(*) FROM rendelma WHERE konyvelve <> IF(fizetve='I','I','N'))")
        << 0;
    QTest::newRow("cash bills match their cash entries")
        << QStringLiteral("SELECT COUNT(*) FROM ") + szamlak +
               QStringLiteral(" b JOIN asztal a ON a.asztal=b.asztal "
                              "WHERE NOT EXISTS (SELECT 1 FROM ugyfel_ados u WHERE u.hiteltip='P' "
                              "AND u.datum=b.datum "
                              "AND u.rendeles=b.rendeles) AND (SELECT COUNT(*) FROM cassa c WHERE "
                              "c.cassatip='F' "
                              "AND c.datum=b.datum AND c.asztal=b.asztal AND c.osszeg=b.osszeg "
                              "AND c.szoveg=CONCAT('A: ',a.asztal_nev,' - R: ',b.rendeles))<>1")
        << 0;
    QTest::newRow("every settlement entry has its bill")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cassa c WHERE c.cassatip='F' AND NOT EXISTS (SELECT 1 FROM ") +
               szamlak +
               QStringLiteral(" b JOIN asztal a ON a.asztal=b.asztal WHERE b.datum=c.datum AND "
                              "b.osszeg=c.osszeg "
                              "AND c.szoveg=CONCAT('A: ',a.asztal_nev,' - R: ',b.rendeles))")
        << 0;
    QTest::newRow("credit bill recorded as debt, not cash")
        << QStringLiteral("SELECT COUNT(*) FROM ugyfel_ados u JOIN ") + szamlak +
               QStringLiteral(
                   " b ON b.datum=u.datum AND b.rendeles=u.rendeles WHERE u.hiteltip='P' AND "
                   "u.osszeg=b.osszeg "
                   "AND NOT EXISTS (SELECT 1 FROM cassa c WHERE c.datum=b.datum AND c.szoveg LIKE "
                   "CONCAT('% - R: ',b.rendeles))")
        << 1;
    QTest::newRow("cash balances run on")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cassa c LEFT JOIN cassa p ON p.cassa=(SELECT MAX(cassa) FROM "
               "cassa "
               "WHERE cassa<c.cassa) WHERE c.nyito<>COALESCE(p.zaro,0) OR c.zaro<>c.nyito+c.osszeg")
        << 0;
    QTest::newRow("drawer never negative")
        << QStringLiteral("SELECT COUNT(*) FROM cassa WHERE zaro<0") << 0;
    QTest::newRow("deposits and withdrawals signed, from no hairdresser")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cassa WHERE cassatip IN ('B','K','T') AND (asztal<>-1 OR "
               "(cassatip='K' AND osszeg>=0) OR (cassatip IN ('B','T') AND osszeg<=0))")
        << 0;
    QTest::newRow("repayments taken into the cash desk")
        << QStringLiteral(
               "SELECT COUNT(*) FROM ugyfel_ados u JOIN ugyfel g ON g.ugyfel=u.ugyfel WHERE "
               "u.hiteltip='M' "
               "AND (SELECT COUNT(*) FROM cassa c WHERE c.cassatip='T' AND c.datum=u.datum "
               "AND c.osszeg=-u.osszeg AND c.szoveg=CONCAT(u.blokk,': ',g.ugyfel_nev))<>1")
        << 0;
    QTest::newRow("every repayment entry has its ledger row")
        << QStringLiteral("SELECT COUNT(*) FROM cassa c WHERE c.cassatip='T' AND NOT EXISTS "
                          "(SELECT 1 FROM ugyfel_ados u "
                          "WHERE u.hiteltip='M' AND u.datum=c.datum AND u.osszeg=-c.osszeg)")
        << 0;
    QTest::newRow("only known cash-desk kinds")
        << QStringLiteral(
               "SELECT COUNT(*) FROM cassa WHERE cassatip NOT IN (SELECT cassatip FROM cassatip)")
        << 0;
    QTest::newRow("a voided line with a reason")
        << QStringLiteral("SELECT COUNT(*) > 0 FROM rendeles WHERE torolve='I' AND storno IN "
                          "(SELECT storno FROM storno)")
        << 1;
    QTest::newRow("discount lines of the discount item, negative")
        << QStringLiteral("SELECT COUNT(*) > 0 AND SUM(r.ar>=0)=0 FROM rendeles r JOIN beallit b "
                          "ON r.cikkazon=b.kedvsor")
        << 1;
    QTest::newRow("bonus spent on a bill")
        << QStringLiteral(
               "SELECT COUNT(*) FROM rendeles r JOIN beallit b ON r.cikkazon=b.bonuszcikkazon "
               "WHERE r.db=-1 AND r.ar>0")
        << 1;
    QTest::newRow("open bill makes its hairdresser occupied")
        << QStringLiteral("SELECT COUNT(*) FROM asztal a WHERE a.foglalt <> IF(EXISTS (SELECT 1 "
                          "FROM rendelma m "
                          "WHERE m.asztal=a.asztal AND m.fizetve='N' AND m.torolve='N'), 'I', 'N')")
        << 0;

    // Customers and their ledgers.
    QTest::newRow("customers") << QStringLiteral(
                                      "SELECT COUNT(*) >= 10 FROM ugyfel WHERE torolve='N'")
                               << 1;
    QTest::newRow("some with discount, debt and bonus")
        << QStringLiteral(
               "SELECT SUM(kedv>0)>=3 AND SUM(osszeg>0)>=2 AND SUM(bonusz>0)>=2 FROM ugyfel")
        << 1;
    QTest::newRow("debts equal the ledger")
        << QStringLiteral(
               "SELECT COUNT(*) FROM ugyfel u WHERE u.osszeg <> (SELECT COALESCE(SUM(a.osszeg),0) "
               "FROM ugyfel_ados a WHERE a.ugyfel=u.ugyfel)")
        << 0;
    QTest::newRow("ledger rows of known kinds and customers")
        << QStringLiteral(
               "SELECT COUNT(*) FROM ugyfel_ados a WHERE a.ugyfel NOT IN (SELECT ugyfel FROM "
               "ugyfel) "
               "OR NOT ((a.hiteltip='P' AND a.osszeg>0) OR (a.hiteltip='M' AND a.osszeg<0))")
        << 0;
    QTest::newRow("bonus balances equal the ledger")
        << QStringLiteral("SELECT COUNT(*) FROM ugyfel u WHERE u.bonusz <> (SELECT "
                          "COALESCE(SUM(b.osszeg_be-b.osszeg_ki),0) "
                          "FROM bonusz b WHERE b.ugyfel=u.ugyfel) OR u.bonusz <> COALESCE((SELECT "
                          "b.egyenleg FROM bonusz b "
                          "WHERE b.ugyfel=u.ugyfel ORDER BY b.bonusz DESC LIMIT 1),0)")
        << 0;

    // Stock.
    QTest::newRow("stock documents' totals equal their lines")
        << QStringLiteral(
               "SELECT COUNT(*) FROM mozgas m WHERE m.ar <> (SELECT COALESCE(SUM(s.db*s.ar),0) "
               "FROM mozgas_sorok s WHERE s.mozgas=m.mozgas)")
        << 0;
    QTest::newRow("all three kinds posted, one intake open")
        << QStringLiteral("SELECT COUNT(DISTINCT prntip)=3 AND SUM(konyvelve='N')=1 FROM mozgas")
        << 1;
    QTest::newRow("documents within the last month")
        << QStringLiteral(
               "SELECT COUNT(*) FROM mozgas WHERE datum <= DATE_ADD(CURDATE(), INTERVAL -1 MONTH)")
        << 0;
    QTest::newRow("stock count recorded and applied")
        << QStringLiteral("SELECT (SELECT COUNT(*) FROM karton)=2 AND (SELECT COUNT(*) FROM gyujto "
                          "WHERE ujdb IS NOT NULL)=0")
        << 1;
    QTest::newRow("a holder under its minimum")
        << QStringLiteral("SELECT COUNT(*) > 0 FROM gyujto WHERE db<minkeszlet AND kelldb='I'")
        << 1;

    // Reservations.
    QTest::newRow("bookings today and on the next days")
        << QStringLiteral(
               "SELECT SUM(datum=CURDATE())>0 AND SUM(datum>CURDATE())>0 FROM elojegyzes")
        << 1;
    QTest::newRow("bookings of known hairdressers in valid slots")
        << QStringLiteral(
               "SELECT COUNT(*) FROM elojegyzes WHERE asztal NOT IN (SELECT asztal FROM asztal) "
               "OR ora NOT BETWEEN 0 AND 47 OR szoveg='' OR nev=''")
        << 0;
    QTest::newRow("a booking's slots are consecutive on one day")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT azon FROM elojegyzes GROUP BY azon HAVING "
                          "COUNT(DISTINCT datum)>1 "
                          "OR COUNT(DISTINCT asztal)>1 OR MAX(ora)-MIN(ora)+1<>COUNT(*)) x")
        << 0;
    QTest::newRow("no slot booked twice")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT asztal, datum, ora FROM elojegyzes GROUP "
                          "BY asztal, datum, ora "
                          "HAVING COUNT(*)>1) x")
        << 0;
}

void TestDemo::kovetkezetes()
{
    QFETCH(QString, sql);
    QFETCH(int, vart);
    try {
        QCOMPARE(SqlEgesz(sql + QLatin1Char(';'), -1), vart);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestDemo::magyarSzovegek_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("vart");
    QTest::newRow("owner") << QStringLiteral("SELECT CONCAT(tulajdonos,', ',cim) FROM tulajdonos")
                           << QStringLiteral("Tündérhaj Szépségszalon, Kárász utca 12.");
    QTest::newRow("hairdressers")
        << QStringLiteral("SELECT GROUP_CONCAT(asztal_nev ORDER BY asztal) FROM asztal")
        << QStringLiteral("Kovács Anna,Szabó Eszter,Tóth Réka,Nagy Péter,Horváth Zsófi,"
                          "Varga Ildikó");
    QTest::newRow("categories")
        << QStringLiteral(
               "SELECT GROUP_CONCAT(cikkat_nev ORDER BY cikkat SEPARATOR '|') FROM cikkat")
        << QStringLiteral("Női hajvágás|Férfi|Gyermek|Festés|Kozmetika|Manikűr, pedikűr|"
                          "Termékek|Egyéb");
    QTest::newRow("classifications")
        << QStringLiteral("SELECT GROUP_CONCAT(besorolas_nev ORDER BY besorolas) FROM besorolas")
        << QStringLiteral("Szolgáltatás,Termék,Egyéb");
    QTest::newRow("greeting") << QStringLiteral("SELECT udvozletszoveg FROM beallit")
                              << QStringLiteral("Köszönjük, hogy nálunk járt!");
    QTest::newRow("remark with quotes and a line break")
        << QStringLiteral("SELECT CONCAT(a.megjegyzes,'/',b.megjegyzes) FROM ugyfel a, ugyfel b "
                          "WHERE a.ugyfel=6 AND b.ugyfel=2")
        << QStringLiteral("VIP vendég, \"Ági\" néven szólítsuk./Törzsvendég, havonta "
                          "fest.\r\nHitelre is vásárolhat.");
    QTest::newRow("receipt text of the credit bill")
        << QStringLiteral(
               "SELECT SUBSTRING_INDEX(blokk, '\\r\\n', -1) FROM ugyfel_ados WHERE rendeles>0")
        << QStringLiteral("Hitelre: Nagy Katalin");
}

void TestDemo::magyarSzovegek()
{
    QFETCH(QString, sql);
    QFETCH(QString, vart);
    QCOMPARE(SqlSzoveg(sql + QLatin1Char(';'), QStringLiteral("?")), vart);
}

// The report procedures have something to show on the demo's history.
void TestDemo::riportokAdatot()
{
    const QString idoszak = QStringLiteral("(CURDATE() - INTERVAL 14 DAY, CURDATE())");
    for (const QString& eljaras : {QStringLiteral("sp_alapanyagfogy"), QStringLiteral("sp_haszon"),
                                   QStringLiteral("sp_adosfizet"), QStringLiteral("sp_karton")}) {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL ") + eljaras + idoszak + QLatin1Char(';'));
        QVERIFY2(q.next(), qPrintable(eljaras));
    }
    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_naponkent") + idoszak + QLatin1Char(';'));
    double osszes = 0;
    while (q.next())
        osszes += q.value(QStringLiteral("osszar")).toDouble();
    QCOMPARE(osszes,
             SqlSzam(QStringLiteral("SELECT SUM(db*ar) FROM rendeles WHERE torolve='N';"), -1));
}

// The same script through the mariadb client gives the same data.
void TestDemo::mariadbKliensselIs()
{
    const QString kliens =
        qEnvironmentVariable("VEXLOF_SOURCE_DIR") + QStringLiteral("/scripts/mariadb-private.sh");
    TesztAdatbazis::uresLetrehoz(kliensAdatbazis);
    QByteArray szkript;
    for (const QString& fajl : {TesztAdatbazis::schemaFajl(), TesztAdatbazis::demoFajl()}) {
        QFile f(fajl);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(fajl));
        szkript += f.readAll() + '\n';
    }
    QProcess p;
    p.start(kliens, {QStringLiteral("client"), qEnvironmentVariable("VEXLOF_TESTDB_DIR"),
                     QStringLiteral("--default-character-set=utf8mb4"), kliensAdatbazis});
    QVERIFY(p.waitForStarted());
    p.write(szkript);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(120000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    QSqlDatabase k =
        Kapcsolat::nyit(TesztAdatbazis::root(kliensAdatbazis), QStringLiteral("kliens"));
    const QStringList ujjlenyomatok = {
        QStringLiteral(
            "SELECT MD5(GROUP_CONCAT(CONCAT_WS('|',cikkazon,cikkszam,cikkszam_nev,ar,bekerules) "
            "ORDER BY cikkazon)) FROM cikkszam"),
        QStringLiteral("SELECT MD5(GROUP_CONCAT(CONCAT_WS('|',gyujto,gyujto_nev,db,ar) ORDER BY "
                       "gyujto)) FROM gyujto"),
        QStringLiteral(
            "SELECT MD5(GROUP_CONCAT(CONCAT_WS('|',ugyfel,ugyfel_nev,megjegyzes,osszeg,bonusz) "
            "ORDER BY ugyfel)) FROM ugyfel"),
        QStringLiteral("SELECT MD5(GROUP_CONCAT(CONCAT_WS('|',cassa,szoveg,osszeg,zaro) ORDER BY "
                       "cassa)) FROM cassa"),
        QStringLiteral("SELECT MD5(GROUP_CONCAT(blokk ORDER BY ugyfel_ados)) FROM ugyfel_ados"),
        QStringLiteral("SELECT MD5(GROUP_CONCAT(CONCAT_WS('|',mozgas,ugyfel,ar,konyvelve) ORDER BY "
                       "mozgas)) FROM mozgas"),
        QStringLiteral("SELECT COUNT(*) FROM rendeles"),
    };
    for (const QString& sql : ujjlenyomatok)
        QCOMPARE(SqlSzoveg(sql, QStringLiteral("kliens"), k),
                 SqlSzoveg(sql, QStringLiteral("program")));
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT asztal_nev FROM asztal WHERE asztal=6"), QString(), k),
        QStringLiteral("Varga Ildikó"));
}

// The day the demo leaves open goes on with the point-of-sale procedures: the
// open bill is settled under the next number and the shift closes into the
// history without a clash of line numbers. Runs last: it changes the data.
void TestDemo::napFolytathatoEsZarhato()
{
    const int kovetkezo = SqlEgesz(QStringLiteral("SELECT MAX(rendeles)+1 FROM rendelma;"), -1);
    const int sorok = SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1) +
                      SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1);
    try {
        SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);"));
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_fizet(1,'N');"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("rendeles")).toInt(), kovetkezo);
        QCOMPARE(q.value(QStringLiteral("asztal_nev")).toString(), QStringLiteral("Kovács Anna"));
        q = QSqlQuery();
        SqlFuttat(QStringLiteral("CALL sp_napzar(CURDATE(),1);"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1), sorok);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplezar WHERE lezarva='N';"), -1), 0);
}

QTEST_GUILESS_MAIN(TestDemo)
#include "test_demo.moc"
