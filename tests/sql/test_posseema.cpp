// The schema script as a whole against the real server: the seed rows of a
// new database, loading the script again over a database in use (by the
// batch executor and by the mariadb client), Hungarian text through every
// text argument of the point-of-sale procedures and the collation of the
// views' text columns, the translation procedure, and the all-or-nothing
// behaviour of the procedures that change several tables.

#include "PosSeged.h"

#include <QProcess>
#include <QStandardPaths>

using namespace PosSeged;

class TestPosSeema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void alapadatok();
    void ujratoltes();
    void klienssel();
    void nezetekRendezese();
    void magyarOsszehasonlitas_data();
    void magyarOsszehasonlitas();
    void szovegOdaVissza_data();
    void szovegOdaVissza();
    void nemLatin2();
    void nyelv();
    void mindVagySemmi_data();
    void mindVagySemmi();

private:
    QDate m_nap;
};

namespace
{

const QString adatTablak = QStringLiteral("rendelma, rendeles, asztal, gyujto, cassa, ugyfel, "
                                          "ugyfel_ados, bonusz, naplezar, elojegyzes, naplo");

} // namespace

void TestPosSeema::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_posseema"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestPosSeema::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_posseema"));
}

void TestPosSeema::init()
{
    m_nap = ma();
}

void TestPosSeema::cleanup()
{
    SqlFuttat(QStringLiteral("DROP TRIGGER IF EXISTS teszt_hiba;"));
}

void TestPosSeema::alapadatok()
{
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString()),
             QStringLiteral("18.0.0.333"));
    QCOMPARE(sorok(QStringLiteral("SELECT COUNT(*), MIN(ora), MAX(ora) FROM ora")),
             QStringList(QStringLiteral("48|0|47")));
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT muszakdb, afa1, bonuszcikkazon, kedvsor, szervsor, blokknyomtat, "
                 "stornojelszo, szervizjelszo, csiliviliblokk, keskenyblokk FROM beallit")),
             QStringList(QStringLiteral("1|27|-1|0|0|I|||N|N")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM tulajdonos;"), -1), 1);
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT cassatip, cassatip_nev, szorzo FROM cassatip WHERE cassatip IN "
                 "('F','B','K') ORDER BY szorzo, cassatip")),
             QStringList({QStringLiteral("K|Kp kivétel|-1"), QStringLiteral("B|Kp berakás|1"),
                          QStringLiteral("F|Fizetés|1")}));
    QVERIFY(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM pincer;"), 0) >= 1);
    QVERIFY(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM terem;"), 0) >= 1);
    // The administrator logs in with the program's exact comparison.
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT jelszo, rendszergazda, torzsszerkeszt, napzar, nyomtathat, bevetelezes, "
                 "kasszanez, csakmainyomtat, selejtezes, kiadas, kedvezmenytadhat FROM felhasznalo "
                 "WHERE felhasznalo='rendszergazda'")),
             QStringList(QStringLiteral("kobzeti|I|I|I|I|I|I|I|I|I|I")));
}

void TestPosSeema::ujratoltes()
{
    POS_OK(uresit());
    POS_OK(napNyit(m_nap));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000));
    POS_OK(rendel(1, 1, 3000, 2, QStringLiteral("ujra")));
    POS_OK(SqlFuttat(QStringLiteral("CALL sp_cassaad('B',-1,500,'x');")));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE beallit SET muszakdb=3, stornojelszo='titok';")));
    POS_OK(SqlFuttat(
        QStringLiteral("UPDATE felhasznalo SET jelszo='uj' WHERE felhasznalo='rendszergazda';")));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE tulajdonos SET tulajdonos='Hajvarázs Szalon';")));
    const QString tablak =
        adatTablak + QStringLiteral(", beallit, tulajdonos, felhasznalo, cassatip, ora, verzio, "
                                    "pincer, terem, cikkszam");
    const QString elotte = ujjlenyomat(tablak);

    POS_OK(TesztAdatbazis::betolt(TesztAdatbazis::schemaFajl()));
    QCOMPARE(ujjlenyomat(tablak), elotte);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT muszakdb FROM beallit;"), -1), 3);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT jelszo FROM felhasznalo;"), QString()),
             QStringLiteral("uj"));
    // The views and procedures are the current ones and work on the data.
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszar FROM vw_asztal WHERE asztal=1;"), -1), 6000.0);
    int szam = 0;
    POS_OK(szam = fizet(1));
    QCOMPARE(szam, 1);
    POS_OK(SqlFuttat(QStringLiteral("UPDATE felhasznalo SET jelszo='kobzeti';")));
}

void TestPosSeema::klienssel()
{
    // The mariadb client loads the same script (DELIMITER blocks and all)
    // into another database, twice, and finds the same views and procedures.
    const QString kliens = QStandardPaths::findExecutable(QStringLiteral("mariadb"));
    if (kliens.isEmpty())
        QSKIP("the mariadb client is not installed");
    const QString nev = QStringLiteral("teszt_posseema_kliens");
    POS_OK(TesztAdatbazis::uresLetrehoz(nev));
    for (int i = 0; i < 2; ++i) {
        QProcess p;
        p.setStandardInputFile(TesztAdatbazis::schemaFajl());
        p.start(kliens, {QStringLiteral("--no-defaults"), QStringLiteral("-uroot"),
                         QStringLiteral("-h127.0.0.1"),
                         QStringLiteral("-P") + QString::number(TesztAdatbazis::port()), nev});
        QVERIFY(p.waitForFinished(120000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    }
    const QString objektumok =
        QStringLiteral("SELECT GROUP_CONCAT(n ORDER BY n) FROM (SELECT routine_name n FROM "
                       "information_schema.routines WHERE "
                       "routine_schema=%1 UNION ALL SELECT table_name FROM "
                       "information_schema.views WHERE table_schema=%1) x;");
    const QString sajat = SqlSzoveg(objektumok.arg(QStringLiteral("'teszt_posseema'")), QString());
    QVERIFY(sajat.contains(QStringLiteral("sp_ujelojegyzes")));
    QVERIFY(sajat.contains(QStringLiteral("vw_asztalossz")));
    QCOMPARE(SqlSzoveg(objektumok.arg(SqlIdez(nev)), QString()), sajat);
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ") + nev + QStringLiteral(".cassatip;"), -1),
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM cassatip;"), -2));
    // What the client created works from the program's connection too.
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO ") + nev +
                     QStringLiteral(".asztal (asztal, asztal_nev) VALUES (1, 'Ádám');")));
    POS_OK(SqlFuttat(QStringLiteral("CALL ") + nev +
                     QStringLiteral(".sp_ujelojegyzes(1,'2026-03-02',19,3,'Vágás','Kiss Anna');")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ") + nev +
                          QStringLiteral(".elojegyzes WHERE nev='kiss anna' AND szoveg='VAGAS';"),
                      -1),
             3);
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO ") + nev +
                     QStringLiteral(".naplezar VALUES (CURDATE(),1,'N');")));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO ") + nev +
        QStringLiteral(".cikkszam (cikkazon, cikkszam_nev, ar) VALUES (1,'Vágás',100);")));
    POS_OK(SqlFuttat(QStringLiteral("CALL ") + nev +
                     QStringLiteral(".sp_rendelsor(1,0,1,100,1,'');")));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT cikkszam_nev FROM ") + nev +
                           QStringLiteral(".vw_asztalossz WHERE sor='b';"),
                       QString()),
             QStringLiteral("Összesen"));
    TesztAdatbazis::torol(nev);
}

void TestPosSeema::nezetekRendezese()
{
    // Every text column of the views compares and sorts as Hungarian.
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT table_name, column_name, collation_name FROM information_schema.columns "
                 "WHERE table_schema=DATABASE() AND table_name LIKE 'vw\\_%' AND collation_name IS "
                 "NOT NULL AND collation_name<>'latin2_hungarian_ci'")),
             QStringList());
    QVERIFY(SqlEgesz(
                QStringLiteral(
                    "SELECT COUNT(*) FROM information_schema.columns WHERE table_schema=DATABASE() "
                    "AND table_name LIKE 'vw\\_%' AND collation_name='latin2_hungarian_ci'"),
                0) > 20);
    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_nyelv(0);"));
    QCOMPARE(q.record().count(), 2);
}

void TestPosSeema::magyarOsszehasonlitas_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("vart"); // -1 a first, 0 equal, 1 b first
    QTest::newRow("a = á") << QStringLiteral("Ádám") << QStringLiteral("adam") << 0;
    QTest::newRow("e = é") << QStringLiteral("Éva") << QStringLiteral("eva") << 0;
    QTest::newRow("o < ö") << QStringLiteral("Oszkár") << QStringLiteral("Ödön") << -1;
    QTest::newRow("ö = ő") << QStringLiteral("Öcsi") << QStringLiteral("őcsi") << 0;
    QTest::newRow("u < ü") << QStringLiteral("Uzsonna") << QStringLiteral("Üveg") << -1;
    QTest::newRow("cs letter by letter")
        << QStringLiteral("csoda") << QStringLiteral("cukor") << -1;
    QTest::newRow("zs letter by letter")
        << QStringLiteral("zsák") << QStringLiteral("zuhany") << -1;
    QTest::newRow("case") << QStringLiteral("KISS") << QStringLiteral("kiss") << 0;
}

void TestPosSeema::magyarOsszehasonlitas()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, vart);
    POS_OK(uresit());
    POS_OK(asztalUj(1, a));
    POS_OK(asztalUj(2, b));
    POS_OK(napNyit(m_nap));
    POS_OK(cikkUj(1, a, 100));
    POS_OK(cikkUj(2, b, 100));
    POS_OK(rendel(1, 1, 100));
    POS_OK(rendel(1, 2, 200));
    // Equality as the views and procedures see it ...
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM vw_asztal WHERE asztal_nev=") + SqlIdez(b),
                 -1),
        vart == 0 ? 2 : 1);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(DISTINCT cikkszam_nev) FROM vw_nyomblokk;"), -1),
             vart == 0 ? 1 : 2);
    // ... and the order the service point list returns.
    if (vart != 0) {
        const QStringList lista = sorok(QStringLiteral("SELECT asztal_nev FROM vw_asztal"));
        QCOMPARE(lista, vart < 0 ? QStringList({a, b}) : QStringList({b, a}));
    }
}

void TestPosSeema::szovegOdaVissza_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::newRow("apostrophes") << QStringLiteral("O'Brien 'Zsófi'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Temp\\új\\");
    QTest::newRow("backslash before apostrophe") << QStringLiteral("x\\'y");
    QTest::newRow("line breaks") << QStringLiteral("első\r\nmásodik\nharmadik\r");
    QTest::newRow("Hungarian") << QStringLiteral("ÁRVÍZTŰRŐ tükörfúrógép őű");
    QTest::newRow("empty") << QString();
    QTest::newRow("quotes and wildcards") << QStringLiteral("\"50%\" _a_ ;");
}

void TestPosSeema::szovegOdaVissza()
{
    QFETCH(QString, szoveg);
    POS_OK(uresit());
    POS_OK(napNyit(m_nap));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000, QStringLiteral("1000")));
    POS_OK(ugyfelUj(1, QStringLiteral("Kiss Anna")));

    // The remark of an order line, as stored and as the tickets and the
    // receipt read it.
    POS_OK(rendel(1, 1, 3000, 1, szoveg));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT megjegyzes FROM rendelma;"), QStringLiteral("?")),
             szoveg);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT megjegyzes FROM vw_nyomblokk;"), QStringLiteral("?")),
             szoveg);
    {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_rnyom(1);"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("megjegyzes")).toString(), szoveg);
    }
    {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_rnyom2(1,1);"));
        QVERIFY(q.next());
        QCOMPARE(q.value(QStringLiteral("megjegyzes")).toString(), szoveg);
    }
    // A cash-desk text.
    POS_OK(SqlFuttat(
        hivas(QStringLiteral("sp_cassaad"),
              {SqlIdez(QStringLiteral("B")), QStringLiteral("-1"), n(100), SqlIdez(szoveg)})));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT szoveg FROM cassa;"), QStringLiteral("?")), szoveg);
    // The receipt of a bill on credit and the text of a repayment.
    for (const QString& tip : {QStringLiteral("P"), QStringLiteral("M")}) {
        POS_OK(SqlFuttat(
            hivas(QStringLiteral("sp_hitelad"), {QStringLiteral("-1"), SqlIdez(tip),
                                                 QStringLiteral("1"), SqlIdez(szoveg), n(100)})));
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT blokk FROM ugyfel_ados WHERE hiteltip=") +
                               SqlIdez(tip),
                           QStringLiteral("?")),
                 szoveg);
    }
    // A reservation's text and guest name.
    POS_OK(SqlFuttat(
        hivas(QStringLiteral("sp_ujelojegyzes"),
              {QStringLiteral("1"), SqlDatum(m_nap), QStringLiteral("19"), QStringLiteral("2"),
               SqlIdez(szoveg), SqlIdez(szoveg + QLatin1Char('!'))})));
    QCOMPARE(sorok(QStringLiteral("SELECT COUNT(*) FROM elojegyzes")),
             QStringList(QStringLiteral("2")));
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT szoveg FROM elojegyzes LIMIT 1;"), QStringLiteral("?")),
        szoveg);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT nev FROM elojegyzes LIMIT 1;"), QStringLiteral("?")),
             szoveg + QLatin1Char('!'));
}

void TestPosSeema::nemLatin2()
{
    POS_OK(uresit());
    POS_OK(napNyit(m_nap));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    try {
        rendel(1, 1, 3000, 1, QStringLiteral("5 €"));
        QFAIL("a character outside latin2 was accepted");
    } catch (const DbHiba& h) {
        QCOMPARE(h.kod(), 1366);
    }
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendelma;"), -1), 0);
}

void TestPosSeema::nyelv()
{
    for (int nyelv : {0, 1}) {
        QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_nyelv(") + QString::number(nyelv) +
                              QStringLiteral(");"));
        QCOMPARE(q.record().indexOf(QStringLiteral("nyelv")), 0);
        QCOMPARE(q.record().indexOf(QStringLiteral("nyelv2")), 1);
        QVERIFY(!q.next());
    }
}

void TestPosSeema::mindVagySemmi_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("hivas");
    // A test trigger makes one step fail after the procedure has already
    // changed something else.
    const QString hiba =
        QStringLiteral(" FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'teszt hiba'");
    QTest::newRow("settling: the service point flag")
        << QStringLiteral("BEFORE UPDATE ON asztal") + hiba
        << QStringLiteral("CALL sp_fizet(1,'N');");
    QTest::newRow("stock posting: marking the lines")
        << QStringLiteral("BEFORE UPDATE ON rendelma") + hiba
        << QStringLiteral("CALL sp_keszletkonyvel(1);");
    QTest::newRow("closing: the shift row")
        << QStringLiteral("BEFORE INSERT ON naplezar") + hiba
        << QStringLiteral("CALL sp_napzar(DATE_SUB(CURDATE(), INTERVAL 1 DAY),1);");
    QTest::newRow("closing: removing the lines")
        << QStringLiteral("BEFORE DELETE ON rendelma") + hiba
        << QStringLiteral("CALL sp_napzar(DATE_SUB(CURDATE(), INTERVAL 1 DAY),1);");
    QTest::newRow("moving: the flags") << QStringLiteral("BEFORE UPDATE ON asztal") + hiba
                                       << QStringLiteral("CALL sp_atul(0,1,2);");
    QTest::newRow("credit: the balance") << QStringLiteral("BEFORE UPDATE ON ugyfel") + hiba
                                         << QStringLiteral("CALL sp_hitelad(5,'P',1,'blokk',100);");
    QTest::newRow("repayment: the cash desk")
        << QStringLiteral("BEFORE INSERT ON cassa") + hiba
        << QStringLiteral("CALL sp_hitelad(-1,'M',1,'Törlesztés',100);");
    QTest::newRow("bonus in: the ledger") << QStringLiteral("BEFORE INSERT ON bonusz") + hiba
                                          << QStringLiteral("CALL sp_bonuszba(1,10);");
    QTest::newRow("bonus out: the ledger") << QStringLiteral("BEFORE INSERT ON bonusz") + hiba
                                           << QStringLiteral("CALL sp_bonuszbol(1,10);");
    QTest::newRow("booking: the third slot")
        << QStringLiteral("BEFORE INSERT ON elojegyzes FOR EACH ROW IF NEW.ora = 21 THEN SIGNAL "
                          "SQLSTATE '45000' "
                          "SET MESSAGE_TEXT = 'teszt hiba'; END IF")
        << QStringLiteral("CALL sp_ujelojegyzes(1,CURDATE(),19,3,'Vágás','Kiss Anna');");
    QTest::newRow("purge: the shifts") << QStringLiteral("BEFORE DELETE ON naplezar") + hiba
                                       << QStringLiteral("CALL sp_torol(CURDATE());");
}

void TestPosSeema::mindVagySemmi()
{
    QFETCH(QString, trigger);
    QFETCH(QString, hivas);
    // A day's state: an open bill at point 1 with a recipe, yesterday's
    // settled lines still in an open shift, a customer with debt and bonus,
    // old history.
    POS_OK(uresit());
    POS_OK(napNyit(m_nap.addDays(-1)));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva")));
    POS_OK(asztalUj(2, QStringLiteral("Ádám")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO gyujto (gyujto, gyujto_nev, db) VALUES (1,'Hajfesték',10);")));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO cikkgyujto (cikkazon, gyujto, db) VALUES (1,1,0.5);")));
    POS_OK(rendel(2, 1, 3000));
    POS_OK(fizet(2));
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(rendel(1, 1, 3000, 1));
    // The open bill belongs to today's shift.
    POS_OK(SqlFuttat(QStringLiteral("UPDATE rendelma SET datum=CURDATE() WHERE asztal=1;")));
    POS_OK(napNyit(m_nap));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO naplezar VALUES ('2020-01-01',1,'I');")));
    POS_OK(ugyfelUj(1, QStringLiteral("Kiss Anna"), 5000, 100));
    POS_OK(SqlFuttat(
        QStringLiteral("INSERT INTO rendeles (rendelesazon, rendeles, datum, fizetve) VALUES "
                       "(900, 1, '2020-01-01', 'I');")));
    POS_OK(SqlFuttat(QStringLiteral(
        "INSERT INTO elojegyzes (azon, asztal, datum, ora) VALUES (1,1,'2020-01-01',1);")));
    POS_OK(SqlFuttat(QStringLiteral(
        "INSERT INTO naplo (datum, felhasznalo, sikeres) VALUES ('2020-01-01','a','I');")));

    const QString elotte = ujjlenyomat(adatTablak);
    POS_OK(SqlFuttat(QStringLiteral("CREATE TRIGGER teszt_hiba ") + trigger));
    QCOMPARE(hibaUzenet(hivas), QStringLiteral("teszt hiba"));
    QCOMPARE(ujjlenyomat(adatTablak), elotte);
    // The connection is not left inside an open transaction.
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT @@in_transaction;"), -1), 0);
    // Without the fault the same call goes through and changes data.
    POS_OK(SqlFuttat(QStringLiteral("DROP TRIGGER teszt_hiba;")));
    QCOMPARE(hibaUzenet(hivas), QString());
    QVERIFY(ujjlenyomat(adatTablak) != elotte);
}

QTEST_GUILESS_MAIN(TestPosSeema)
#include "test_posseema.moc"
