// Selling at the point of sale against the real server: order lines, the
// bill view of the main window, the service point list, occupied flags,
// discount-line removal, work-station tickets, settling with stock posting
// and the cash desk, moving a bill, and the receipt view.

#include "PosSeged.h"

#include <QRegularExpression>

using namespace PosSeged;

class TestEladas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void rendelsorNyitottMuszakba();
    void rendelsorElutasit();
    void rendelesazonTortenetFelett();
    void asztalosszSorok();
    void asztalosszSor2_data();
    void asztalosszSor2();
    void asztalLista();
    void setfoglalt();
    void kedvtorol();
    void konyhaSorok_data();
    void konyhaSorok();
    void konyhaMegjelol();
    void fizetKetSor();
    void fizetUresSzamla();
    void fizetSzamozas();
    void cassaEgyenleg();
    void cassaElutasit();
    void keszletReceptbol();
    void teljesFizetes();
    void atulUresre();
    void atulOsszevon();
    void atulElutasit();
    void nyomblokk();
    void osszarNezet();

private:
    QDate m_nap;
};

void TestEladas::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_eladas"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestEladas::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_eladas"));
}

void TestEladas::init()
{
    POS_OK(uresit());
    m_nap = ma();
    POS_OK(napNyit(m_nap));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva"), 1));
    POS_OK(asztalUj(2, QStringLiteral("Ádám")));
    POS_OK(asztalUj(3, QStringLiteral("Zoé")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000, QStringLiteral("1030")));
    POS_OK(cikkUj(2, QStringLiteral("Festés"), 8000, QStringLiteral("0000")));
    POS_OK(cikkUj(3, QStringLiteral("Sampon"), 2000, QStringLiteral("0200")));
    POS_OK(cikkUj(9, QStringLiteral("Kedvezmény"), 0));
}

void TestEladas::rendelsorNyitottMuszakba()
{
    // An earlier closed shift and the open one: new lines take the open one.
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM naplezar;")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO naplezar VALUES (") + SqlDatum(m_nap.addDays(-1)) +
                     QStringLiteral(",1,'I'),(") + SqlDatum(m_nap.addDays(-1)) +
                     QStringLiteral(",2,'N');")));
    int sor = 0;
    POS_OK(sor = rendel(1, 2, 8000, 1.5, QStringLiteral("rövid")));
    QCOMPARE(sorok(QStringLiteral(
                       "SELECT rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar, fizetve, "
                       "torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve IS NOT NULL "
                       "FROM rendelma WHERE rendelesazon=") +
                   QString::number(sor)),
             QStringList(QStringLiteral("0|") + m_nap.addDays(-1).toString(Qt::ISODate) +
                         QStringLiteral("|2|1|1|2|1.5|8000|N|N|0|rövid|N|N|1")));
    // The waiter given wins over the service point's own.
    POS_OK(SqlFuttat(hivas(QStringLiteral("sp_rendelsor"),
                           {QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("1"), n(3000),
                            n(1), SqlIdez(QString())})));
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT pincer FROM rendelma ORDER BY rendelesazon DESC LIMIT 1;"),
                 -1),
        7);
}

void TestEladas::rendelsorElutasit()
{
    // An unknown service point would collect lines that nobody sees.
    QVERIFY(hibaUzenet(hivas(QStringLiteral("sp_rendelsor"),
                             {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"),
                              n(3000), n(1), QStringLiteral("''")}))
                .contains(QStringLiteral("Nincs ilyen fodrász")));
    // A remark longer than the column is refused, not cut.
    QVERIFY(hibaUzenet(hivas(QStringLiteral("sp_rendelsor"),
                             {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                              n(3000), n(1), SqlIdez(QString(101, QLatin1Char('x')))}))
                .contains(QStringLiteral("100 karakter")));
    POS_OK(rendel(1, 1, 3000, 1, QString(100, QChar(0x151))));
    // Without an open shift no line can be dated.
    POS_OK(SqlFuttat(QStringLiteral("UPDATE naplezar SET lezarva='I';")));
    QVERIFY(hibaUzenet(hivas(QStringLiteral("sp_rendelsor"),
                             {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                              n(3000), n(1), QStringLiteral("''")}))
                .contains(QStringLiteral("Nincs nyitott műszak")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1), 1);
}

void TestEladas::rendelesazonTortenetFelett()
{
    // History holds line 500; rendelma was emptied by TRUNCATE (a restore),
    // which resets its counter: the next line must still come above 500.
    POS_OK(SqlFuttat(QStringLiteral(
        "INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, asztal, "
        "cikkazon, db, ar, fizetve) VALUES (500, 3, '2020-01-01', 1, 1, 1, 1, 10, 'I');")));
    POS_OK(SqlFuttat(QStringLiteral("TRUNCATE rendelma;")));
    int a = 0, b = 0;
    POS_OK(a = rendel(1, 1, 3000));
    POS_OK(b = rendel(1, 1, 3000));
    QCOMPARE(a, 501);
    QVERIFY(b > a);
}

void TestEladas::asztalosszSorok()
{
    int s1 = 0, s2 = 0, s3 = 0;
    POS_OK(s1 = rendel(1, 1, 3000, 2));
    POS_OK(s2 = rendel(1, 2, 8000, 1, QStringLiteral("hosszabb\r\nhaj")));
    POS_OK(s3 = rendel(1, 3, 2000));
    POS_OK(sztornoz(s3));
    POS_OK(rendel(2, 3, 2000));

    // The main window's query for service point 1: items oldest first, the
    // filler row, then the total; voided lines are not part of the bill.
    const QString lekerdezes =
        WhereCsere(QStringLiteral("SELECT * FROM vw_asztalossz\nWHERE asztal>0;"),
                   QStringLiteral("(asztal=1)"), true);
    QSqlQuery q = SqlNyit(lekerdezes);
    const QStringList oszlopok{
        QStringLiteral("sor"),          QStringLiteral("rendelesazon"), QStringLiteral("rendeles"),
        QStringLiteral("asztal"),       QStringLiteral("asztal_nev"),   QStringLiteral("cikkazon"),
        QStringLiteral("cikkszam_nev"), QStringLiteral("db"),           QStringLiteral("ar"),
        QStringLiteral("osszar"),       QStringLiteral("sor2")};
    for (const QString& o : oszlopok)
        QVERIFY2(q.record().indexOf(o) >= 0, qPrintable(o));
    QVERIFY(q.next());
    QCOMPARE(q.value(QStringLiteral("sor")).toString(), QStringLiteral("a"));
    QCOMPARE(q.value(QStringLiteral("rendelesazon")).metaType().id(), QMetaType::LongLong);
    QCOMPARE(q.value(QStringLiteral("rendelesazon")).toInt(), s1);
    QCOMPARE(q.value(QStringLiteral("cikkszam_nev")).toString(), QStringLiteral("Vágás"));
    QCOMPARE(q.value(QStringLiteral("sor2")).toString(), QStringLiteral("2 x 3 000"));
    QCOMPARE(q.value(QStringLiteral("db")).metaType().id(), QMetaType::LongLong);
    QCOMPARE(q.value(QStringLiteral("db")).toInt(), 2);
    QCOMPARE(q.value(QStringLiteral("ar")).toDouble(), 3000.0);
    QCOMPARE(q.value(QStringLiteral("osszar")).toDouble(), 6000.0);
    QCOMPARE(q.value(QStringLiteral("cikkazon")).toInt(), 1);
    QCOMPARE(q.value(QStringLiteral("rendeles")).toInt(), 0);
    QCOMPARE(q.value(QStringLiteral("asztal_nev")).toString(), QStringLiteral("Kovács Éva"));
    QVERIFY(q.next());
    QCOMPARE(q.value(QStringLiteral("rendelesazon")).toInt(), s2);
    QCOMPARE(q.value(QStringLiteral("sor2")).toString(),
             QStringLiteral("1 x 8 000  hosszabb  haj"));
    QVERIFY(q.next());
    QVERIFY(q.value(QStringLiteral("sor")).toString() != QStringLiteral("a"));
    QVERIFY(q.value(QStringLiteral("rendelesazon")).isNull());
    QVERIFY(q.value(QStringLiteral("cikkazon")).isNull());
    QVERIFY(q.value(QStringLiteral("osszar")).isNull());
    QVERIFY(q.next());
    QCOMPARE(q.value(QStringLiteral("sor")).toString(), QStringLiteral("b"));
    QCOMPARE(q.value(QStringLiteral("rendelesazon")).toInt(), 0);
    QVERIFY(!q.value(QStringLiteral("rendelesazon")).isNull());
    QCOMPARE(q.value(QStringLiteral("cikkszam_nev")).toString(), QStringLiteral("Összesen"));
    QCOMPARE(q.value(QStringLiteral("osszar")).toDouble(), 14000.0);
    QVERIFY(q.value(QStringLiteral("cikkazon")).isNull());
    QVERIFY(q.value(QStringLiteral("ar")).isNull());
    QCOMPARE(q.value(QStringLiteral("rendeles")).toInt(), 0);
    QVERIFY(!q.next());

    // A free service point has no rows at all (the settlement refuses an
    // empty grid); a settled bill leaves the grid.
    QCOMPARE(sorok(QStringLiteral("SELECT * FROM vw_asztalossz WHERE (asztal=3)")).size(), 0);
    POS_OK(fizet(2));
    QCOMPARE(sorok(QStringLiteral("SELECT * FROM vw_asztalossz WHERE (asztal=2)")).size(), 0);
    // Every open bill, grouped per service point in order.
    QCOMPARE(sorok(QStringLiteral("SELECT asztal, sor FROM vw_asztalossz WHERE asztal>0;")),
             QStringList({QStringLiteral("1|a"), QStringLiteral("1|a"), QStringLiteral("1|c"),
                          QStringLiteral("1|b")}));
}

void TestEladas::asztalosszSor2_data()
{
    QTest::addColumn<double>("db");
    QTest::addColumn<double>("ar");
    QTest::addColumn<QString>("megjegyzes");
    QTest::addColumn<QString>("vart");
    QTest::newRow("whole") << 1.0 << 3000.0 << QString() << QStringLiteral("1 x 3 000");
    QTest::newRow("half quantity") << 2.5 << 1500.0 << QString() << QStringLiteral("2,5 x 1 500");
    QTest::newRow("two decimals") << 0.25 << 999.0 << QString() << QStringLiteral("0,25 x 999");
    QTest::newRow("million") << 1.0 << 1234567.0 << QString() << QStringLiteral("1 x 1 234 567");
    QTest::newRow("discount line") << 1.0 << -155.0 << QStringLiteral("Kiss Anna Kedv: 10%")
                                   << QStringLiteral("1 x -155  Kiss Anna Kedv: 10%");
    QTest::newRow("bonus line") << -1.0 << 300.0 << QStringLiteral("Bonusz felhasznalas")
                                << QStringLiteral("-1 x 300  Bonusz felhasznalas");
    QTest::newRow("line breaks") << 1.0 << 10.0 << QStringLiteral("a\r\nb\nc")
                                 << QStringLiteral("1 x 10  a  b c");
    QTest::newRow("cut to 80") << 1.0 << 10.0 << QString(100, QChar(0x171))
                               << QStringLiteral("1 x 10  ") + QString(72, QChar(0x171));
}

void TestEladas::asztalosszSor2()
{
    QFETCH(double, db);
    QFETCH(double, ar);
    QFETCH(QString, megjegyzes);
    QFETCH(QString, vart);
    POS_OK(rendel(1, 1, ar, db, megjegyzes));
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT sor2 FROM vw_asztalossz WHERE (asztal=1) AND sor='a';"),
                  QStringLiteral("?")),
        vart);
}

void TestEladas::asztalLista()
{
    POS_OK(asztalUj(4, QStringLiteral("adél")));
    POS_OK(asztalUj(5, QStringLiteral("Csaba")));
    POS_OK(asztalUj(6, QStringLiteral("Cukor")));
    POS_OK(asztalUj(7, QStringLiteral("Ödön")));
    POS_OK(asztalUj(8, QStringLiteral("Oszkár")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO pincer (pincer, pincer_nev) VALUES (2, 'Péter') "
                                    "ON DUPLICATE KEY UPDATE pincer_nev='Péter';")));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE asztal SET pincer=2 WHERE asztal=3;")));
    int s = 0;
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(s = rendel(1, 2, 8000));
    POS_OK(sztornoz(s));
    POS_OK(rendel(2, 3, 2000));
    POS_OK(fizet(2));
    POS_OK(rendel(2, 3, 500));

    // Hungarian order as the main window lists it (no ORDER BY of its own):
    // á sorts with a, "cs" letter by letter, o before ö.
    QCOMPARE(
        sorok(QStringLiteral("SELECT asztal_nev FROM vw_asztal")),
        QStringList({QStringLiteral("Ádám"), QStringLiteral("adél"), QStringLiteral("Csaba"),
                     QStringLiteral("Cukor"), QStringLiteral("Kovács Éva"),
                     QStringLiteral("Oszkár"), QStringLiteral("Ödön"), QStringLiteral("Zoé")}));
    // Open totals (voided and settled lines left out), arrival and waiter.
    QCOMPARE(sorok(QStringLiteral("SELECT asztal, osszar, leul IS NULL, pincer_nev FROM vw_asztal "
                                  "WHERE asztal IN (1,2,3) ORDER BY asztal")),
             QStringList({QStringLiteral("1|6000|0|Recepció"), QStringLiteral("2|500|0|NULL"),
                          QStringLiteral("3|0|1|Péter")}));
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM vw_asztal"));
    for (const char* o :
         {"asztal",    "asztal_nev", "pincer", "foglalt", "kiszallitas", "szoba", "pincer_nev",
          "mostfizet", "arkat",      "l",      "t",       "w",           "h",     "hitelre",
          "ugyfel",    "belepo",     "leul",   "elmegy",  "fo",          "fo1",   "osszar"})
        QVERIFY2(q.record().indexOf(QLatin1String(o)) >= 0, o);
}

void TestEladas::setfoglalt()
{
    int s = 0;
    POS_OK(rendel(1, 1, 3000));
    POS_OK(s = rendel(2, 1, 3000));
    POS_OK(sztornoz(s));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE asztal SET foglalt='I' WHERE asztal=3;")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_setfoglalt();")));
    QCOMPARE(sorok(QStringLiteral("SELECT asztal, foglalt FROM asztal ORDER BY asztal")),
             QStringList({QStringLiteral("1|I"), QStringLiteral("2|N"), QStringLiteral("3|N")}));
    POS_OK(fizet(1));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_setfoglalt();")));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT foglalt FROM vw_asztal WHERE asztal=1"), QString()),
             QStringLiteral("N"));
}

void TestEladas::kedvtorol()
{
    // Point 1: a settled discount, a voided one, the open one and an item
    // line; point 2: its own open discount.
    int regi = 0, sztornozott = 0, tetel = 0, masik = 0;
    POS_OK(rendel(1, 9, -100, 1, QStringLiteral("Kedv: 10%")));
    POS_OK(regi = SqlEgesz(QStringLiteral("SELECT MAX(rendelesazon) FROM rendelma"), -1));
    POS_OK(fizet(1));
    POS_OK(sztornozott = rendel(1, 9, -50));
    POS_OK(sztornoz(sztornozott));
    POS_OK(rendel(1, 9, -300, 1, QStringLiteral("Kedv: 10%")));
    POS_OK(tetel = rendel(1, 1, 3000));
    POS_OK(masik = rendel(2, 9, -200));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_kedvtorol(1,9)")));
    QCOMPARE(sorok(QStringLiteral("SELECT rendelesazon FROM rendelma ORDER BY rendelesazon")),
             QStringList({QString::number(regi), QString::number(sztornozott),
                          QString::number(tetel), QString::number(masik)}));
}

void TestEladas::konyhaSorok_data()
{
    QTest::addColumn<int>("nyomtato");
    QTest::addColumn<QStringList>("vart");
    // Vágás goes to printers 1 and 3, Sampon to 2, Festés nowhere.
    QTest::newRow("printer 1") << 1 << QStringList({QStringLiteral("Kovács Éva|C1|Vágás|első|2")});
    QTest::newRow("printer 2") << 2 << QStringList({QStringLiteral("Kovács Éva|C3|Sampon||1")});
    QTest::newRow("printer 3") << 3 << QStringList({QStringLiteral("Kovács Éva|C1|Vágás|első|2")});
    QTest::newRow("printer 4") << 4 << QStringList();
    QTest::newRow("no printer 0") << 0 << QStringList();
}

void TestEladas::konyhaSorok()
{
    QFETCH(int, nyomtato);
    QFETCH(QStringList, vart);
    int s = 0;
    POS_OK(rendel(1, 1, 3000, 2, QStringLiteral("első")));
    POS_OK(rendel(1, 2, 8000));
    POS_OK(rendel(1, 3, 2000));
    POS_OK(s = rendel(1, 1, 3000));
    POS_OK(sztornoz(s));
    POS_OK(rendel(2, 1, 3000));
    QCOMPARE(
        sorok(hivas(QStringLiteral("sp_rnyom2"), {QStringLiteral("1"), QString::number(nyomtato)}))
            .replaceInStrings(QRegularExpression(QStringLiteral("\\|\\d+$")), QString()),
        vart);
    // The text tickets read every unsent line with its four assignments.
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom(1);"))
                 .replaceInStrings(QRegularExpression(QStringLiteral("^\\d+\\|")), QString()),
             QStringList({QStringLiteral("1|C1|Vágás|2|első|1|0|3|0"),
                          QStringLiteral("1|C2|Festés|1||0|0|0|0"),
                          QStringLiteral("1|C3|Sampon|1||0|2|0|0")}));
}

void TestEladas::konyhaMegjelol()
{
    POS_OK(rendel(1, 1, 3000));
    POS_OK(rendel(2, 1, 3000));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_rnyomupd(1);")));
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom(1);")).size(), 0);
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom2(1,1);")).size(), 0);
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom2(2,1);")).size(), 1);
    // Only what is added afterwards prints with the next order.
    int uj = 0;
    POS_OK(uj = rendel(1, 3, 2000));
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom(1);")).size(), 1);
    QVERIFY(sorok(QStringLiteral("CALL sp_rnyom2(1,2);")).value(0).endsWith(QString::number(uj)));
}

void TestEladas::fizetKetSor()
{
    int a = 0, b = 0, c = 0;
    POS_OK(a = rendel(1, 1, 3000, 2));
    POS_OK(b = rendel(1, 2, 8000));
    POS_OK(c = rendel(1, 3, 2000));
    POS_OK(sztornoz(c));
    POS_OK(rendel(2, 1, 3000));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE asztal SET foglalt='I';")));

    QSqlQuery q;
    POS_OK(q = SqlNyit(QStringLiteral("CALL sp_fizet(1,'N');")));
    QVERIFY(q.next());
    const int szam = q.value(QStringLiteral("rendeles")).toInt();
    QCOMPARE(szam, 1);
    QCOMPARE(q.value(QStringLiteral("osszar")).toDouble(), 14000.0);
    QCOMPARE(q.value(QStringLiteral("asztal_nev")).toString(), QStringLiteral("Kovács Éva"));
    QVERIFY(!q.next());
    q = QSqlQuery();

    // Both lines carry the one new number; the voided line takes no part.
    QCOMPARE(sorok(QStringLiteral("SELECT rendelesazon, rendeles, fizetve, torolve FROM rendelma "
                                  "WHERE asztal=1 ORDER BY rendelesazon")),
             QStringList({QString::number(a) + QStringLiteral("|1|I|N"),
                          QString::number(b) + QStringLiteral("|1|I|N"),
                          QString::number(c) + QStringLiteral("|0|N|I")}));
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT asztal, foglalt FROM asztal WHERE asztal IN (1,2) ORDER BY asztal")),
             QStringList({QStringLiteral("1|N"), QStringLiteral("2|I")}));
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma WHERE asztal=2 AND fizetve='N';"),
                 -1),
        1);
    // The reprint takes the latest bill as the largest number.
    POS_OK(fizet(2));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT MAX(rendeles) FROM rendelma;"), 0), 2);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT rendeles FROM rendelma WHERE asztal=2;"), 0), 2);
}

void TestEladas::fizetUresSzamla()
{
    int s = 0;
    POS_OK(s = rendel(1, 1, 3000));
    POS_OK(sztornoz(s));
    QSqlQuery q;
    POS_OK(q = SqlNyit(QStringLiteral("CALL sp_fizet(1,'N');")));
    QVERIFY(q.next());
    QCOMPARE(q.value(QStringLiteral("rendeles")).toInt(), 0);
    QCOMPARE(q.value(QStringLiteral("osszar")).toDouble(), 0.0);
    QCOMPARE(q.value(QStringLiteral("asztal_nev")).toString(), QStringLiteral("Kovács Éva"));
    q = QSqlQuery();
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT MAX(rendeles) FROM rendelma;"), -1), 0);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma WHERE fizetve='I';"), -1), 0);
}

void TestEladas::fizetSzamozas()
{
    // Numbers continue over the history too, so they never repeat.
    POS_OK(SqlFuttat(QStringLiteral(
        "INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, asztal, "
        "cikkazon, db, ar, fizetve) VALUES (1, 41, '2020-01-01', 1, 1, 1, 1, 10, 'I');")));
    POS_OK(rendel(1, 1, 3000));
    int szam = 0;
    POS_OK(szam = fizet(1));
    QCOMPARE(szam, 42);
    POS_OK(rendel(3, 1, 3000));
    POS_OK(szam = fizet(3));
    QCOMPARE(szam, 43);
}

void TestEladas::cassaEgyenleg()
{
    // Entries are dated by the business day (the open shift), even when it
    // is not today.
    const QDate tegnap = m_nap.addDays(-1);
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM naplezar;")));
    POS_OK(napNyit(tegnap, 2));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('B',-1,") + n(10000) + QLatin1Char(',') +
                     SqlIdez(QStringLiteral("Váltópénz")) + QStringLiteral(");")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('K',-1,") + n(-2500.5) + QLatin1Char(',') +
                     SqlIdez(QStringLiteral("Bevásárlás")) + QStringLiteral(");")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('F',1,") + n(14000) + QLatin1Char(',') +
                     SqlIdez(QStringLiteral("A: Kovács Éva - R: 7")) + QStringLiteral(");")));
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT cassatip, datum, asztal, pincer, osszeg, nyito, zaro, szoveg, "
                 "eredetiszoveg, ido IS NOT NULL, rogzitve IS NOT NULL FROM cassa ORDER BY cassa")),
             QStringList(
                 {QStringLiteral("B|") + tegnap.toString(Qt::ISODate) +
                      QStringLiteral("|-1|0|10000|0|10000|Váltópénz|NULL|1|1"),
                  QStringLiteral("K|") + tegnap.toString(Qt::ISODate) +
                      QStringLiteral("|-1|0|-2500.5|10000|7499.5|Bevásárlás|NULL|1|1"),
                  QStringLiteral("F|") + tegnap.toString(Qt::ISODate) +
                      QStringLiteral("|1|1|14000|7499.5|21499.5|A: Kovács Éva - R: 7|NULL|1|1")}));
    // With no open shift the date is today's.
    POS_OK(SqlFuttat(QStringLiteral("UPDATE naplezar SET lezarva='I';")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('B',-1,1,'x');")));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT datum FROM cassa ORDER BY cassa DESC LIMIT 1;"),
                       QString()),
             ma().toString(Qt::ISODate));
}

void TestEladas::cassaElutasit()
{
    QVERIFY(hibaUzenet(QStringLiteral("CALL sp_cassaad('X',-1,100,'x');"))
                .contains(QStringLiteral("típus")));
    QVERIFY(hibaUzenet(QStringLiteral("CALL sp_cassaad('B',-1,100,") +
                       SqlIdez(QString(51, QLatin1Char('a'))) + QStringLiteral(");"))
                .contains(QStringLiteral("50 karakter")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM cassa;"), -1), 0);
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('B',-1,100,") +
                     SqlIdez(QString(50, QChar(0x150))) + QStringLiteral(");")));
    // A kind in lower case is stored as the kind table spells it.
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('k',-1,-100,'x');")));
    QCOMPARE(
        SqlSzoveg(QStringLiteral(
                      "SELECT CAST(cassatip AS BINARY) FROM cassa ORDER BY cassa DESC LIMIT 1;"),
                  QString()),
        QStringLiteral("K"));
}

void TestEladas::keszletReceptbol()
{
    // Vágás uses 0.5 of holder 1 and 2 of holder 2; holder 3 is untracked.
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO gyujto (gyujto, gyujto_nev, db, kelldb) VALUES "
                       "(1,'Hajfesték',10,'I'),(2,'Sampon ml',100,'I'),(3,'Törölköző',5,'N'),"
                       "(4,'Hajlakk',7,'I');")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO cikkgyujto (cikkazon, gyujto, db) VALUES "
                                    "(1,1,0.5),(1,2,2),(1,3,1),(3,4,1);")));
    int sztornozott = 0;
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(sztornozott = rendel(1, 1, 3000, 5));
    POS_OK(sztornoz(sztornozott));
    POS_OK(rendel(1, 2, 8000));
    POS_OK(rendel(2, 3, 2000, 3));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QCOMPARE(sorok(QStringLiteral("SELECT gyujto, db FROM gyujto ORDER BY gyujto")),
             QStringList({QStringLiteral("1|9"), QStringLiteral("2|96"), QStringLiteral("3|5"),
                          QStringLiteral("4|7")}));
    // Running again (a settlement retried after a failure) debits nothing
    // twice; a line added since is debited alone.
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT db FROM gyujto WHERE gyujto=1;"), -1), 9.0);
    POS_OK(rendel(1, 1, 3000, 1));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT gyujto, db FROM gyujto WHERE gyujto IN (1,2) ORDER BY gyujto")),
             QStringList({QStringLiteral("1|8.5"), QStringLiteral("2|94")}));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT konyvelve FROM rendelma WHERE rendelesazon=") +
                           QString::number(sztornozott),
                       QString()),
             QStringLiteral("N"));
    // A posted line voided before the bill was settled is credited back at
    // the next posting.
    int utolso = 0;
    POS_OK(utolso = SqlEgesz(
               QStringLiteral("SELECT MAX(rendelesazon) FROM rendelma WHERE asztal=1;"), -1));
    POS_OK(sztornoz(utolso));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT gyujto, db FROM gyujto WHERE gyujto IN (1,2) ORDER BY gyujto")),
             QStringList({QStringLiteral("1|9"), QStringLiteral("2|96")}));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT db FROM gyujto WHERE gyujto=2;"), -1), 96.0);
}

void TestEladas::teljesFizetes()
{
    // The settlement as the main window runs it: stock, bill, cash desk.
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO gyujto (gyujto, gyujto_nev, db) VALUES (1,'Hajfesték',10);")));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO cikkgyujto (cikkazon, gyujto, db) VALUES (2,1,0.25);")));
    POS_OK(rendel(1, 1, 3000));
    POS_OK(rendel(1, 2, 8000, 2));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_keszletkonyvel(1);")));
    QSqlQuery q;
    POS_OK(q = SqlNyit(QStringLiteral("CALL sp_fizet(1,'N');")));
    QVERIFY(q.next());
    const int szam = q.value(0).toInt();
    const double ossz = q.value(1).toDouble();
    const QString nev = q.value(2).toString();
    q = QSqlQuery();
    POS_OK(SqlFuttat(
        QStringLiteral("CALL sp_cassaad('F',1,") + n(ossz) + QLatin1Char(',') +
        SqlIdez(QStringLiteral("A: ") + nev + QStringLiteral(" - R: ") + QString::number(szam)) +
        QStringLiteral(");")));
    QCOMPARE(sorok(QStringLiteral("SELECT cassatip, asztal, osszeg, szoveg FROM cassa")),
             QStringList(QStringLiteral("F|1|19000|A: Kovács Éva - R: 1")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT db FROM gyujto WHERE gyujto=1;"), -1), 9.5);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ugyfel_ados;"), -1), 0);
}

void TestEladas::atulUresre()
{
    int sztornozott = 0;
    POS_OK(rendel(1, 1, 3000));
    POS_OK(rendel(1, 2, 8000));
    POS_OK(rendel(1, 3, 2000));
    POS_OK(sztornozott = rendel(1, 3, 2000));
    POS_OK(sztornoz(sztornozott));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_setfoglalt();")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_atul(0,1,3);")));
    QCOMPARE(sorok(QStringLiteral("SELECT * FROM vw_asztalossz WHERE (asztal=1)")).size(), 0);
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM vw_asztalossz WHERE (asztal=3) AND sor='a'"),
                 -1),
        3);
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT asztal, foglalt FROM asztal WHERE asztal IN (1,3) ORDER BY asztal")),
             QStringList({QStringLiteral("1|N"), QStringLiteral("3|I")}));
    // The voided line stays where it was voided.
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT asztal FROM rendelma WHERE rendelesazon=") +
                          QString::number(sztornozott),
                      -1),
             1);
}

void TestEladas::atulOsszevon()
{
    POS_OK(rendel(1, 1, 3000));
    POS_OK(rendel(1, 2, 8000));
    POS_OK(rendel(2, 3, 2000));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_rnyomupd(1);")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_atul(0,1,2);")));
    // One bill at the target, one total; printed lines are not printed again.
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT sor, osszar FROM vw_asztalossz WHERE (asztal=2) AND sor<>'a'")),
             QStringList({QStringLiteral("c|NULL"), QStringLiteral("b|13000")}));
    QCOMPARE(sorok(QStringLiteral("CALL sp_rnyom(2);")).size(), 1);
    int szam = 0;
    POS_OK(szam = fizet(2));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma WHERE rendeles=") +
                          QString::number(szam),
                      -1),
             3);
    // Onto itself: nothing changes.
    POS_OK(rendel(3, 1, 3000));
    const QStringList elotte =
        sorok(QStringLiteral("SELECT * FROM rendelma ORDER BY rendelesazon"));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_atul(0,3,3);")));
    QCOMPARE(sorok(QStringLiteral("SELECT * FROM rendelma ORDER BY rendelesazon")), elotte);
}

void TestEladas::atulElutasit()
{
    POS_OK(rendel(1, 1, 3000));
    QVERIFY(hibaUzenet(QStringLiteral("CALL sp_atul(0,1,99);"))
                .contains(QStringLiteral("Nincs ilyen fodrász")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT asztal FROM rendelma;"), -1), 1);
}

void TestEladas::nyomblokk()
{
    POS_OK(cikkUj(4, QStringLiteral("Hajvágás"), 1270, QStringLiteral("0000"), 27));
    POS_OK(cikkUj(5, QStringLiteral("Könyv"), 1050, QStringLiteral("0000"), 5));
    int s = 0;
    POS_OK(rendel(1, 4, 1270));
    POS_OK(rendel(1, 4, 1270));
    POS_OK(rendel(1, 5, 1050, 2));
    POS_OK(s = rendel(1, 5, 1050));
    POS_OK(sztornoz(s));
    POS_OK(rendel(2, 5, 1050));
    const QString mezok =
        QStringLiteral("SELECT cikkszam_nev, ar, osszdb, brutto, ROUND(netto, 6), asztal_nev, "
                       "pincer_nev, megjegyzes FROM vw_nyomblokk WHERE ");
    const QStringList vart{QStringLiteral("Hajvágás|1270|2|2540|2000|Kovács Éva|Recepció|"),
                           QStringLiteral("Könyv|1050|2|2100|2000|Kovács Éva|Recepció|")};
    QCOMPARE(sorok(mezok + QStringLiteral("(asztal=1) AND (fizetve='N')")), vart);
    int szam = 0;
    POS_OK(szam = fizet(1));
    QCOMPARE(sorok(mezok + QStringLiteral("(rendeles=") + QString::number(szam) + QLatin1Char(')')),
             vart);
    QCOMPARE(sorok(mezok + QStringLiteral("(asztal=1) AND (fizetve='N')")).size(), 0);
}

void TestEladas::osszarNezet()
{
    int s = 0;
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(s = rendel(1, 2, 8000));
    POS_OK(sztornoz(s));
    POS_OK(fizet(1));
    POS_OK(rendel(1, 1, 1550));
    POS_OK(rendel(1, 9, -155));
    QCOMPARE(
        SqlSzam(QStringLiteral("SELECT osszar FROM vw_osszar WHERE (asztal=1) AND (rendeles=0);"),
                -1),
        1395.0);
    QCOMPARE(
        SqlSzam(QStringLiteral("SELECT osszar FROM vw_osszar WHERE (asztal=1) AND (rendeles=1);"),
                -1),
        6000.0);
    QCOMPARE(
        SqlSzam(QStringLiteral("SELECT osszar FROM vw_osszar WHERE (asztal=2) AND (rendeles=0);"),
                0),
        0.0);
}

QTEST_GUILESS_MAIN(TestEladas)
#include "test_eladas.moc"
