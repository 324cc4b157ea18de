// Customer debts and bonus against the real server: sp_hitelad for bills on
// credit and repayments (with the cash-desk entry of a repayment),
// sp_bonuszba and sp_bonuszbol with their ledger and balances, and the bonus
// base of an open bill (vw_bonusz).

#include "PosSeged.h"

using namespace PosSeged;

class TestHitelBonusz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void hitelreSzamla();
    void torlesztes();
    void torlesztesTobbMintAdossag();
    void hitelElutasit_data();
    void hitelElutasit();
    void bonuszEgyenleg();
    void bonuszElutasit_data();
    void bonuszElutasit();
    void bonuszAlap();

private:
    static QString hitelad(int rendeles, const QString& tip, int ugyfel, const QString& szoveg,
                           double osszeg);
};

void TestHitelBonusz::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_hitelbonusz"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestHitelBonusz::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_hitelbonusz"));
}

void TestHitelBonusz::init()
{
    POS_OK(uresit());
    POS_OK(napNyit(ma()));
    POS_OK(ugyfelUj(1, QStringLiteral("Kiss Anna")));
    POS_OK(ugyfelUj(2, QStringLiteral("Nagy Ödön"), 5000, 500));
}

// The credit routine's statement; the error message, or empty on success.
QString TestHitelBonusz::hitelad(int rendeles, const QString& tip, int ugyfel,
                                 const QString& szoveg, double osszeg)
{
    return hibaUzenet(
        hivas(QStringLiteral("sp_hitelad"), {QString::number(rendeles), SqlIdez(tip),
                                             QString::number(ugyfel), SqlIdez(szoveg), n(osszeg)}));
}

void TestHitelBonusz::hitelreSzamla()
{
    const QString blokk =
        QStringLiteral("  Kovács Éva asztal fogyasztása\r\n  Hitelre: Kiss Anna\r\n\r\n"
                       "Vágás                       3000\r\nFizetendő    3000\r\n");
    QCOMPARE(hitelad(7, QStringLiteral("P"), 1, blokk, 3000), QString());
    QCOMPARE(hitelad(8, QStringLiteral("P"), 1, QStringLiteral("második"), 1500.5), QString());
    QCOMPARE(
        sorok(QStringLiteral(
            "SELECT ugyfel, hiteltip, datum, osszeg, rendeles FROM ugyfel_ados ORDER BY "
            "ugyfel_ados")),
        QStringList(
            {QStringLiteral("1|P|") + ma().toString(Qt::ISODate) + QStringLiteral("|3000|7"),
             QStringLiteral("1|P|") + ma().toString(Qt::ISODate) + QStringLiteral("|1500.5|8")}));
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT blokk FROM ugyfel_ados ORDER BY ugyfel_ados LIMIT 1;"),
                  QString()),
        blokk);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=1;"), -1), 4500.5);
    // A bill on credit moves no cash.
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM cassa;"), -1), 0);
}

void TestHitelBonusz::torlesztes()
{
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('B',-1,1000,'nyitó');")));
    QCOMPARE(hitelad(-1, QStringLiteral("M"), 2, QStringLiteral("Törlesztés"), 3000), QString());
    // The ledger stores the repaid amount negated; the debt falls.
    QCOMPARE(
        sorok(QStringLiteral("SELECT ugyfel, hiteltip, osszeg, blokk, rendeles FROM ugyfel_ados")),
        QStringList(QStringLiteral("2|M|-3000|Törlesztés|-1")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=2;"), -1), 2000.0);
    // The debt list's reading of the row: a decrease of 3000.
    QCOMPARE(SqlSzam(QStringLiteral("SELECT IF(hiteltip='M',osszeg*-1,0.0) FROM ugyfel_ados;"), -1),
             3000.0);
    // The money taken goes into the drawer.
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT c.cassatip, t.szorzo, c.asztal, c.osszeg, c.nyito, c.zaro, c.szoveg "
                 "FROM cassa c LEFT JOIN cassatip t ON (t.cassatip=c.cassatip) ORDER BY c.cassa")),
             QStringList({QStringLiteral("B|1|-1|1000|0|1000|nyitó"),
                          QStringLiteral("T|1|-1|3000|1000|4000|Törlesztés: Nagy Ödön")}));
}

void TestHitelBonusz::torlesztesTobbMintAdossag()
{
    QCOMPARE(hitelad(-1, QStringLiteral("M"), 2, QStringLiteral("Törlesztés"), 6000), QString());
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=2;"), 0), -1000.0);
}

void TestHitelBonusz::hitelElutasit_data()
{
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("ugyfel");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("unknown kind") << QStringLiteral("X") << 1 << QStringLiteral("hiteltípus");
    QTest::newRow("two letters") << QStringLiteral("PM") << 1 << QStringLiteral("hiteltípus");
    QTest::newRow("empty kind") << QString() << 1 << QStringLiteral("hiteltípus");
    QTest::newRow("unknown customer")
        << QStringLiteral("P") << 99 << QStringLiteral("Nincs ilyen ügyfél");
}

void TestHitelBonusz::hitelElutasit()
{
    QFETCH(QString, tip);
    QFETCH(int, ugyfel);
    QFETCH(QString, uzenet);
    const QString h = hitelad(1, tip, ugyfel, QStringLiteral("x"), 100);
    QVERIFY2(h.contains(uzenet), qPrintable(h));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ugyfel_ados;"), -1), 0);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT SUM(osszeg) FROM ugyfel;"), -1), 5000.0);
}

void TestHitelBonusz::bonuszEgyenleg()
{
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszba(1,100);")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszba(1,50.5);")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszbol(1,120);")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=1;"), -1), 30.5);
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT ugyfel, osszeg_be, osszeg_ki, egyenleg, rogzitve IS NOT NULL FROM bonusz "
                 "ORDER BY bonusz")),
             QStringList({QStringLiteral("1|100|0|100|1"), QStringLiteral("1|50.5|0|150.5|1"),
                          QStringLiteral("1|0|120|30.5|1")}));
    // More than the balance is refused and changes nothing; the whole
    // balance can be spent.
    QVERIFY(hibaUzenet(QStringLiteral("CALL sp_bonuszbol(1,31);"))
                .contains(QStringLiteral("Nincs elég bónusz")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=1;"), -1), 30.5);
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszbol(1,30.5);")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=1;"), -1), 0.0);
    // Nothing to credit or spend records nothing.
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszba(1,0);")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszbol(1,0);")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM bonusz;"), -1), 4);
    // The other customer's balance is untouched.
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=2;"), -1), 500.0);
}

void TestHitelBonusz::bonuszElutasit_data()
{
    QTest::addColumn<QString>("eljaras");
    QTest::addColumn<int>("ugyfel");
    QTest::addColumn<double>("osszeg");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("credit negative")
        << QStringLiteral("sp_bonuszba") << 2 << -10.0 << QStringLiteral("negatív");
    QTest::newRow("spend negative")
        << QStringLiteral("sp_bonuszbol") << 2 << -10.0 << QStringLiteral("negatív");
    QTest::newRow("credit unknown")
        << QStringLiteral("sp_bonuszba") << 9 << 10.0 << QStringLiteral("ügyfél");
    QTest::newRow("spend unknown")
        << QStringLiteral("sp_bonuszbol") << 9 << 10.0 << QStringLiteral("ügyfél");
    QTest::newRow("overdraw") << QStringLiteral("sp_bonuszbol") << 2 << 500.01
                              << QStringLiteral("egyenleg: 500");
}

void TestHitelBonusz::bonuszElutasit()
{
    QFETCH(QString, eljaras);
    QFETCH(int, ugyfel);
    QFETCH(double, osszeg);
    QFETCH(QString, uzenet);
    const QString h = hibaUzenet(hivas(eljaras, {QString::number(ugyfel), n(osszeg)}));
    QVERIFY2(h.contains(uzenet), qPrintable(h));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM bonusz;"), -1), 0);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=2;"), -1), 500.0);
}

void TestHitelBonusz::bonuszAlap()
{
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(asztalUj(2, QStringLiteral("Ádám")));
    POS_OK(asztalUj(3, QStringLiteral("Zoé")));
    POS_OK(cikkUj(1, QStringLiteral("Festés"), 2000));
    POS_OK(cikkUj(2, QStringLiteral("Borravaló"), 500));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE cikkszam SET borravalo='I' WHERE cikkazon=2;")));
    POS_OK(cikkUj(8, QStringLiteral("Bónusz"), 0));
    POS_OK(cikkUj(9, QStringLiteral("Kedvezmény"), 0));
    int s = 0;
    // Service 2000 and 1000, a tip, a discount and a voided line.
    POS_OK(rendel(1, 1, 2000));
    POS_OK(rendel(1, 1, 500, 2));
    POS_OK(rendel(1, 2, 500));
    POS_OK(rendel(1, 9, -300, 1, QStringLiteral("Kedv: 10%")));
    POS_OK(s = rendel(1, 1, 9999));
    POS_OK(sztornoz(s));
    // Bonus spent on the whole bill earns nothing, and never less.
    POS_OK(rendel(2, 1, 2000));
    POS_OK(rendel(2, 8, 2500, -1, QStringLiteral("Bonusz felhasznalas")));
    // A settled bill is no longer open.
    POS_OK(rendel(3, 1, 2000));
    POS_OK(fizet(3));
    QCOMPARE(sorok(QStringLiteral("SELECT asztal, osszeg FROM vw_bonusz ORDER BY asztal")),
             QStringList({QStringLiteral("1|2700"), QStringLiteral("2|0")}));
    // The main window credits rate / 100 x amount: 5 % of 2000 is 100.
    POS_OK(SqlFuttat(QStringLiteral("UPDATE ugyfel SET kedv=5 WHERE ugyfel=1;")));
    POS_OK(rendel(3, 1, 2000));
    const double kedv = SqlSzam(QStringLiteral("SELECT kedv FROM ugyfel WHERE ugyfel=1;"), 0);
    const double alap = SqlSzam(QStringLiteral("SELECT osszeg FROM vw_bonusz WHERE asztal=3;"), 0);
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_bonuszba(1,") + n(kedv / 100 * alap) +
                     QStringLiteral(");")));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT bonusz FROM ugyfel WHERE ugyfel=1;"), -1), 100.0);
}

QTEST_GUILESS_MAIN(TestHitelBonusz)
#include "test_hitelbonusz.moc"
