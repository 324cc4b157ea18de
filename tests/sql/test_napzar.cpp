// Closing a shift and the history against the real server: sp_napzar moves
// the shift's lines into rendeles and marks naplezar, refuses open bills;
// the turnover browser, hourly turnover and commission views read the
// history; sp_torol purges old data.

#include "PosSeged.h"

#include <QRegularExpression>

using namespace PosSeged;

class TestNapzar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void zarasAthelyez();
    void zarasNyitottSzamla();
    void zarasSorNelkul();
    void zarasUjraNemDuplaz();
    void zarasUtanFolytatodik();
    void forgalomBongeszo();
    void forgalomOrankent_data();
    void forgalomOrankent();
    void jutalekNezet();
    void jutalekSzamitas();
    void regiAdatok();
    void regiAdatokJovobeli();

private:
    // One day's sales: point 1 bill 1 (two lines), point 2 bill 2, a voided
    // line; returns nothing, leaves the shift open.
    void napiForgalom();
    static QString zar(const QDate& nap, int muszak)
    {
        return hibaUzenet(QStringLiteral("CALL sp_napzar(") + SqlDatum(nap) + QLatin1Char(',') +
                          QString::number(muszak) + QStringLiteral(");"));
    }
    QDate m_nap;
};

void TestNapzar::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_napzar"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestNapzar::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_napzar"));
}

void TestNapzar::init()
{
    POS_OK(uresit());
    m_nap = ma();
    POS_OK(napNyit(m_nap));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(asztalUj(2, QStringLiteral("Ádám")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000));
    POS_OK(cikkUj(2, QStringLiteral("Festés"), 8000));
}

void TestNapzar::napiForgalom()
{
    int s = 0;
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(rendel(1, 2, 8000, 1, QStringLiteral("szőke")));
    POS_OK(fizet(1));
    POS_OK(rendel(2, 1, 2500));
    POS_OK(s = rendel(2, 2, 8000));
    POS_OK(sztornoz(s));
    POS_OK(fizet(2));
}

void TestNapzar::zarasAthelyez()
{
    napiForgalom();
    // A line of another shift stays where it is.
    POS_OK(napNyit(m_nap, 2));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO rendelma (rendeles, datum, muszak, asztal, cikkazon, db, ar, "
                       "fizetve) VALUES (9, ") +
        SqlDatum(m_nap) + QStringLiteral(", 2, 1, 1, 1, 100, 'I');")));
    const QString oszlopok =
        QStringLiteral("rendelesazon, rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar, "
                       "fizetve, torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve");
    const QStringList elotte = sorok(QStringLiteral("SELECT ") + oszlopok +
                                     QStringLiteral(" FROM rendelma WHERE muszak=1 ORDER BY 1"));
    QCOMPARE(elotte.size(), 4);

    QCOMPARE(zar(m_nap, 1), QString());
    // Every line of the shift, settled and voided, arrives unchanged.
    QCOMPARE(
        sorok(QStringLiteral("SELECT ") + oszlopok + QStringLiteral(" FROM rendeles ORDER BY 1")),
        elotte);
    QCOMPARE(sorok(QStringLiteral("SELECT muszak, rendeles FROM rendelma")),
             QStringList(QStringLiteral("2|9")));
    QCOMPARE(sorok(QStringLiteral("SELECT muszak, lezarva FROM naplezar ORDER BY muszak")),
             QStringList({QStringLiteral("1|I"), QStringLiteral("2|N")}));
    // The program's own test of the shift state.
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT lezarva FROM naplezar WHERE (nap=") +
                           SqlDatum(m_nap) + QStringLiteral(") AND (muszak=1);"),
                       QString()),
             QStringLiteral("I"));
}

void TestNapzar::zarasNyitottSzamla()
{
    napiForgalom();
    POS_OK(rendel(2, 1, 3000));
    const QStringList elotte =
        sorok(QStringLiteral("SELECT * FROM rendelma ORDER BY rendelesazon"));
    QCOMPARE(zar(m_nap, 1), QStringLiteral("Van még kifizetetlen rendelés. Zárás sikertelen."));
    QCOMPARE(sorok(QStringLiteral("SELECT * FROM rendelma ORDER BY rendelesazon")), elotte);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1), 0);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT lezarva FROM naplezar;"), QString()),
             QStringLiteral("N"));
}

void TestNapzar::zarasSorNelkul()
{
    // A shift without a naplezar row (or without any line) is closed all
    // the same; the row is created closed.
    QCOMPARE(zar(m_nap.addDays(-3), 2), QString());
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT lezarva FROM naplezar WHERE nap=") +
                           SqlDatum(m_nap.addDays(-3)) + QStringLiteral(" AND muszak=2;"),
                       QString()),
             QStringLiteral("I"));
    // Opening it again afterwards leaves it closed.
    POS_OK(napNyit(m_nap.addDays(-3), 2));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplezar WHERE lezarva='I';"), -1), 1);
}

void TestNapzar::zarasUjraNemDuplaz()
{
    napiForgalom();
    QCOMPARE(zar(m_nap, 1), QString());
    QCOMPARE(zar(m_nap, 1), QString());
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1), 4);
}

void TestNapzar::zarasUtanFolytatodik()
{
    // After a close (and after a restore that emptied rendelma with
    // TRUNCATE) the next day's lines and bills continue the numbering, and
    // the next close meets no duplicate key.
    napiForgalom();
    QCOMPARE(zar(m_nap, 1), QString());
    POS_OK(SqlFuttat(QStringLiteral("TRUNCATE rendelma;")));
    POS_OK(napNyit(m_nap, 2));
    int sor = 0, szam = 0;
    POS_OK(sor = rendel(1, 1, 3000));
    QVERIFY(sor > SqlEgesz(QStringLiteral("SELECT MAX(rendelesazon) FROM rendeles;"), 0));
    POS_OK(szam = fizet(1));
    QCOMPARE(szam, 3);
    QCOMPARE(zar(m_nap, 2), QString());
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1), 5);
}

void TestNapzar::forgalomBongeszo()
{
    napiForgalom();
    // Today's browser reads rendelma, the period browser the history.
    QCOMPARE(
        sorok(QStringLiteral("SELECT vw_forglistama1.* FROM vw_forglistama1 WHERE rendeles>0;")),
        QStringList({m_nap.toString(Qt::ISODate) + QStringLiteral("|1|1|1|Kovács Éva|NULL|14000"),
                     m_nap.toString(Qt::ISODate) + QStringLiteral("|1|2|2|Ádám|NULL|2500")}));
    QCOMPARE(
        sorok(QStringLiteral("SELECT vw_forglista1.* FROM vw_forglista1 WHERE rendeles>0;")).size(),
        0);
    QCOMPARE(zar(m_nap, 1), QString());

    const QString rendelesek = WhereCsere(
        QStringLiteral("SELECT\n vw_forglista1.*\nFROM vw_forglista1\nWHERE rendeles>0;"),
        QStringLiteral("(datum BETWEEN ") + SqlDatum(m_nap.addMonths(-1)) +
            QStringLiteral(" AND ") + SqlDatum(m_nap) + QLatin1Char(')'),
        true);
    QCOMPARE(sorok(rendelesek)
                 .replaceInStrings(QRegularExpression(QStringLiteral("^[^|]*\\|")), QString()),
             QStringList({QStringLiteral("1|1|1|Kovács Éva|NULL|14000"),
                          QStringLiteral("1|2|2|Ádám|NULL|2500")}));
    QCOMPARE(
        sorok(WhereCsere(rendelesek,
                         QStringLiteral("(datum BETWEEN '2000-01-01' AND '2000-01-31')"), true))
            .size(),
        0);

    // The lines of one bill, in recording order; the voided line is not one.
    const QString tetelek =
        WhereCsere(QStringLiteral("SELECT\n vw_forglista2.*\nFROM vw_forglista2\nWHERE "
                                  "rendeles>0\nORDER BY rendelesazon;"),
                   QStringLiteral("(datum=") + SqlDatum(m_nap) +
                       QStringLiteral(") AND (muszak=1) AND (rendeles=2)"),
                   true);
    QSqlQuery q = SqlNyit(tetelek);
    for (const char* o : {"datum", "muszak", "rendeles", "cikkszam_nev", "db", "ar", "osszar",
                          "cikkazon", "rogzitve", "rendelesazon"})
        QVERIFY2(q.record().indexOf(QLatin1String(o)) >= 0, o);
    q = QSqlQuery();
    QCOMPARE(sorok(QStringLiteral("SELECT cikkszam_nev, db, ar, osszar FROM (") +
                   tetelek.chopped(1) + QStringLiteral(") t")),
             QStringList(QStringLiteral("Vágás|1|2500|2500")));
    QCOMPARE(
        sorok(QStringLiteral("SELECT cikkszam_nev, osszar FROM vw_forglista2 WHERE rendeles=1")),
        QStringList({QStringLiteral("Vágás|6000"), QStringLiteral("Festés|8000")}));
}

void TestNapzar::forgalomOrankent_data()
{
    QTest::addColumn<QDate>("nap");
    QTest::addColumn<QString>("hetnap");
    // 2 March 2026 is a Monday.
    const QStringList nevek{QStringLiteral("monday"),    QStringLiteral("tuesday"),
                            QStringLiteral("wednesday"), QStringLiteral("thursday"),
                            QStringLiteral("friday"),    QStringLiteral("saturday"),
                            QStringLiteral("sunday")};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(qPrintable(nevek.at(i))) << QDate(2026, 3, 2 + i) << QString::number(i);
}

void TestNapzar::forgalomOrankent()
{
    QFETCH(QDate, nap);
    QFETCH(QString, hetnap);
    // Lines of that business day recorded at 09:15, 09:40 and 23:05; an
    // unpaid and a voided line do not count. The weekday is that of the
    // business day, also for a line recorded after midnight.
    POS_OK(SqlFuttat(
        QStringLiteral(
            "INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, asztal, cikkazon, "
            "db, ar, fizetve, torolve, rogzitve) VALUES "
            "(1, 1, ") +
        SqlDatum(nap) + QStringLiteral(", 1, 1, 1, 2, 1000, 'I', 'N', ") +
        SqlDatum(nap).chopped(1) + QStringLiteral(" 09:15:00'), (2, 1, ") + SqlDatum(nap) +
        QStringLiteral(", 1, 1, 1, 1, 500, 'I', 'N', ") + SqlDatum(nap).chopped(1) +
        QStringLiteral(" 09:40:00'), (3, 2, ") + SqlDatum(nap) +
        QStringLiteral(", 1, 1, 1, 1, 700, 'I', 'N', ") + SqlDatum(nap.addDays(1)).chopped(1) +
        QStringLiteral(" 00:05:00'), (4, 0, ") + SqlDatum(nap) +
        QStringLiteral(", 1, 1, 1, 1, 900, 'N', 'I', ") + SqlDatum(nap).chopped(1) +
        QStringLiteral(" 09:20:00');")));
    // Today's settled lines count too.
    POS_OK(rendel(1, 1, 3000));
    POS_OK(fizet(1));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE rendelma SET datum=") + SqlDatum(nap) +
                     QStringLiteral(", rogzitve=") + SqlDatum(nap).chopped(1) +
                     QStringLiteral(" 09:59:59';")));
    QCOMPARE(
        sorok(QStringLiteral("SELECT ora, nap, datum, ar FROM vw_forgora ORDER BY datum, ora")),
        QStringList({QStringLiteral("00-01|") + hetnap + QLatin1Char('|') +
                         nap.toString(Qt::ISODate) + QStringLiteral("|700"),
                     QStringLiteral("09-10|") + hetnap + QLatin1Char('|') +
                         nap.toString(Qt::ISODate) + QStringLiteral("|5500")}));
    // The chart's query for that weekday over the period.
    const QString grafikon =
        QStringLiteral("SELECT\n ora,\n AVG(ar) ar\nFROM vw_forgora\nWHERE (datum BETWEEN ") +
        SqlDatum(nap) + QStringLiteral(" AND ") + SqlDatum(nap) + QStringLiteral(") AND (nap=") +
        SqlIdez(hetnap) + QStringLiteral(")\nGROUP BY ora\nORDER BY ora;");
    QCOMPARE(sorok(grafikon),
             QStringList({QStringLiteral("00-01|700"), QStringLiteral("09-10|5500")}));
}

void TestNapzar::jutalekNezet()
{
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO besorolas VALUES (1,'Szolgáltatás'),(2,'Áru');")));
    POS_OK(SqlFuttat(QStringLiteral(
        "INSERT IGNORE INTO jutalek (asztal,besorolas,szazalek) SELECT asztal.asztal,"
        "besorolas.besorolas,0 FROM asztal,besorolas;")));
    // A row left behind by a deleted service point is not offered.
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO jutalek VALUES (9,1,50);")));
    POS_OK(SqlFuttat(QStringLiteral(
        "UPDATE jutalek SET szazalek = 12.5 WHERE (asztal = 2) AND (besorolas = 1);")));
    QCOMPARE(
        sorok(QStringLiteral("SELECT * FROM vw_jutalek\nORDER BY 2,4;")),
        QStringList({QStringLiteral("2|Ádám|2|Áru|0"), QStringLiteral("2|Ádám|1|Szolgáltatás|12.5"),
                     QStringLiteral("1|Kovács Éva|2|Áru|0"),
                     QStringLiteral("1|Kovács Éva|1|Szolgáltatás|0")}));
}

void TestNapzar::jutalekSzamitas()
{
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO besorolas VALUES (1,'Szolgáltatás'),(2,'Áru');")));
    POS_OK(SqlFuttat(
        QStringLiteral("UPDATE cikkszam SET besorolas=1, bekerules=1000 WHERE cikkazon=1;")));
    POS_OK(SqlFuttat(
        QStringLiteral("UPDATE cikkszam SET besorolas=2, bekerules=0 WHERE cikkazon=2;")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO jutalek VALUES (1,1,10),(1,2,5),(2,1,20);")));
    napiForgalom();
    POS_OK(rendel(1, 2, 4000));
    QCOMPARE(zar(m_nap, 1).left(3), QStringLiteral("Van"));
    POS_OK(fizet(1));
    QCOMPARE(zar(m_nap, 1), QString());
    // Only closed days count; the commission is the rate of the margin.
    // Point 1: Vágás 2 x 3000 (cost 2000) at 10 %, Festés 8000 + 4000 at 5 %;
    // point 2: Vágás 2500 (cost 1000) at 20 %; the voided Festés is left out.
    const QString jelentes = WhereCsere(
        QStringLiteral(
            "SELECT\n asztal,\n asztal_nev,\n besorolas_nev,\n szazalek,\n SUM(osszar) osszar,\n "
            "SUM(bekerules) bekerules,\n SUM(jutalek) jutalek\nFROM vw_jutalekszamol\nWHERE asztal "
            "> 0\n"
            "GROUP BY asztal,asztal_nev,besorolas_nev,szazalek\nORDER BY 2,1,3;"),
        QStringLiteral("(datum BETWEEN ") + SqlDatum(m_nap.addMonths(-1)) +
            QStringLiteral(" AND ") + SqlDatum(m_nap) + QLatin1Char(')'),
        false);
    QCOMPARE(sorok(jelentes),
             QStringList({QStringLiteral("2|Ádám|Szolgáltatás|20|2500|1000|300"),
                          QStringLiteral("1|Kovács Éva|Áru|5|12000|0|600"),
                          QStringLiteral("1|Kovács Éva|Szolgáltatás|10|6000|2000|400")}));
    // One service point only, and a period without sales.
    QCOMPARE(sorok(WhereBovit(jelentes, QStringLiteral(" AND (asztal = 2)"))).size(), 1);
    QCOMPARE(
        sorok(WhereCsere(jelentes, QStringLiteral("(datum BETWEEN '2000-01-01' AND '2000-01-02')"),
                         false))
            .size(),
        0);
    // Without a rate set, no commission.
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM jutalek WHERE asztal=2;")));
    QCOMPARE(
        SqlSzam(QStringLiteral("SELECT SUM(jutalek) FROM vw_jutalekszamol WHERE asztal=2;"), -1),
        0.0);
}

void TestNapzar::regiAdatok()
{
    const QDate hatar = m_nap.addMonths(-3);
    const QString regi = SqlDatum(hatar.addDays(-1));
    const QString uj = SqlDatum(hatar);
    POS_OK(SqlFuttat(
        QStringLiteral(
            "INSERT INTO rendeles (rendelesazon, rendeles, datum, fizetve) VALUES (1,1,") +
        regi + QStringLiteral(",'I'),(2,2,") + uj + QStringLiteral(",'I');")));
    POS_OK(
        SqlFuttat(QStringLiteral("INSERT INTO elojegyzes (azon, asztal, datum, ora) VALUES (1,1,") +
                  regi + QStringLiteral(",10),(2,1,") + uj + QStringLiteral(",10);")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO naplo (datum, felhasznalo, sikeres) VALUES (") +
                     regi + QStringLiteral(",'a','I'),(") + uj + QStringLiteral(",'b','I');")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO naplezar VALUES (") + regi +
                     QStringLiteral(",1,'I'),(") + regi + QStringLiteral(",2,'N'),(") + uj +
                     QStringLiteral(",1,'I');")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO cassa (cassatip, datum, osszeg) VALUES ('B',") +
                     regi + QStringLiteral(",100);")));
    POS_OK(ugyfelUj(1, QStringLiteral("Kiss Anna")));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO ugyfel_ados (ugyfel, hiteltip, datum, osszeg) VALUES (1,'P',") +
        regi + QStringLiteral(",100);")));
    POS_OK(SqlFuttat(
        QStringLiteral(
            "INSERT INTO bonusz (ugyfel, osszeg_be, egyenleg, rogzitve) VALUES (1,10,10,") +
        regi + QStringLiteral(");")));

    POS_OK(SqlFuttat(QStringLiteral("CALL sp_torol(") + SqlDatum(hatar) + QStringLiteral(");")));
    QCOMPARE(sorok(QStringLiteral("SELECT rendelesazon FROM rendeles")),
             QStringList(QStringLiteral("2")));
    QCOMPARE(sorok(QStringLiteral("SELECT azon FROM elojegyzes")),
             QStringList(QStringLiteral("2")));
    QCOMPARE(sorok(QStringLiteral("SELECT felhasznalo FROM naplo")),
             QStringList(QStringLiteral("b")));
    // An old shift still open is kept, so it can still be closed.
    QCOMPARE(sorok(QStringLiteral("SELECT muszak, lezarva FROM naplezar WHERE nap=") + regi),
             QStringList(QStringLiteral("2|N")));
    // Money and goods records stay.
    QCOMPARE(SqlEgesz(QStringLiteral(
                          "SELECT (SELECT COUNT(*) FROM cassa)+(SELECT COUNT(*) FROM ugyfel_ados)+"
                          "(SELECT COUNT(*) FROM bonusz);"),
                      -1),
             3);
}

void TestNapzar::regiAdatokJovobeli()
{
    POS_OK(
        SqlFuttat(QStringLiteral("INSERT INTO elojegyzes (azon, asztal, datum, ora) VALUES (1,1,") +
                  SqlDatum(m_nap.addDays(1)) + QStringLiteral(",10);")));
    QVERIFY(hibaUzenet(QStringLiteral("CALL sp_torol(") + SqlDatum(m_nap.addDays(2)) +
                       QStringLiteral(");"))
                .contains(QStringLiteral("későbbi")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM elojegyzes;"), -1), 1);
    // Today itself is accepted.
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_torol(") + SqlDatum(m_nap) + QStringLiteral(");")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM elojegyzes;"), -1), 1);
}

QTEST_GUILESS_MAIN(TestNapzar)
#include "test_napzar.moc"
