// The common database routines against the real server: literals round
// trips, single values and their defaults, next identifiers, exports, the
// backup script and the transaction guard.

#include "Ansi.h"
#include "Beall.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SqlSzkript.h"
#include "TesztAdatbazis.h"
#include "Tranzakcio.h"

#include <QFile>
#include <QLocale>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class TestKozosDB : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void literalOdaVissza_data();
    void literalOdaVissza();
    void nemLatin2Karakter();
    void egyErtekek();
    void datumIdo_data();
    void datumIdo();
    void kovetkezoAzon();
    void listaEsExport();
    void nevek();
    void naplozas();
    void magyarRendezes();
    void insertSzovegBlokkok();
    void mentesCsakTablak();
    void mentesVisszatoltes();
    void tranzakcio();
};

void TestKozosDB::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_kozosdb"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestKozosDB::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_kozosdb"));
}

void TestKozosDB::literalOdaVissza_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::newRow("apostrophes") << QStringLiteral("O'Neil 'idézet'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Temp\\új\\");
    QTest::newRow("backslash before apostrophe") << QStringLiteral("x\\'y");
    QTest::newRow("line breaks") << QStringLiteral("első sor\r\nmásodik\nharmadik\r");
    QTest::newRow("Hungarian") << QStringLiteral("ÁRVÍZTŰRŐ tükörfúrógép őű");
    QTest::newRow("empty") << QString();
    QTest::newRow("double quotes and percent") << QStringLiteral("\"50%\" _a_");
}

void TestKozosDB::literalOdaVissza()
{
    QFETCH(QString, szoveg);
    // Through the server as a constant, and through a latin2 column.
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ") + SqlIdez(szoveg) + QLatin1Char(';'),
                       QStringLiteral("?")),
             szoveg);
    SQL_OK(QStringLiteral("DELETE FROM ugyfel;"));
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel, megjegyzes) VALUES (1, ") + SqlIdez(szoveg) +
           QStringLiteral(");"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT megjegyzes FROM ugyfel WHERE ugyfel=1;"),
                       QStringLiteral("?")),
             szoveg);
}

void TestKozosDB::nemLatin2Karakter()
{
    try {
        SqlFuttat(QStringLiteral("INSERT INTO mert (mert, mert_nev) VALUES (99, ") +
                  SqlIdez(QStringLiteral("5 €")) + QStringLiteral(");"));
        QFAIL("a character outside latin2 was stored");
    } catch (const DbHiba& h) {
        QCOMPARE(h.kod(), 1366);
        QVERIFY(h.uzenet().contains(QStringLiteral("nem tud tárolni")));
        QVERIFY(h.utasitas().startsWith(QLatin1String("INSERT INTO mert")));
    }
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM mert WHERE mert=99;"), -1), 0);
}

void TestKozosDB::egyErtekek()
{
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT 42;"), -1), 42);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT NULL;"), -1), -1);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT 'abc';"), -1), -1);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT 1 FROM mert WHERE 1=0;"), -1), -1);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT NULL;"), QStringLiteral("alap")),
             QStringLiteral("alap"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT '';"), QStringLiteral("alap")), QString());
    // The server's text 12.50 is twelve and a half on a decimal-comma workstation.
    QCOMPARE(SqlSzam(QStringLiteral("SELECT '12.50';"), -1), 12.5);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT 12.50;"), -1), 12.5);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT 'x';"), -1), -1.0);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString()),
             ProgramVerzio);
    QVERIFY_THROWS_EXCEPTION(DbHiba, SqlEgesz(QStringLiteral("SELECT * FROM nincs_ilyen;"), 0));
    QVERIFY_THROWS_EXCEPTION(DbHiba, SqlFuttat(QStringLiteral("SELEKT 1;")));
    const QDateTime most = SqlDatumIdo(QStringLiteral("SELECT NOW();"), QDateTime());
    QVERIFY(most.isValid());
    QVERIFY(qAbs(most.secsTo(QDateTime::currentDateTime())) < 120);
}

void TestKozosDB::datumIdo_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QDateTime>("vart");
    QTest::newRow("date and time")
        << QStringLiteral("2026-12-11 09:30:05") << QDateTime(QDate(2026, 12, 11), QTime(9, 30, 5));
    QTest::newRow("date only") << QStringLiteral("2026-12-11")
                               << QDateTime(QDate(2026, 12, 11), QTime(0, 0));
    QTest::newRow("zero date") << QStringLiteral("0000-00-00 10:00:00")
                               << QDateTime(QDate(), QTime(10, 0));
    QTest::newRow("too short") << QStringLiteral("10:00") << QDateTime();
}

void TestKozosDB::datumIdo()
{
    QFETCH(QString, szoveg);
    QFETCH(QDateTime, vart);
    const QDateTime d = DatumIdoSzovegbol(szoveg);
    QCOMPARE(d.date(), vart.date());
    QCOMPARE(d.time(), vart.time());
}

void TestKozosDB::kovetkezoAzon()
{
    SQL_OK(QStringLiteral("DELETE FROM mert;"));
    QCOMPARE(KovetkezoAzon(QStringLiteral("mert")), 1);
    SQL_OK(
        QStringLiteral("INSERT INTO mert (mert, mert_nev) VALUES (1,'db'),(2,'liter'),(7,'kg');"));
    QCOMPARE(KovetkezoAzon(QStringLiteral("mert")), 8);
    QCOMPARE(KovetkezoAzon(QStringLiteral("mert"), QStringLiteral("mert")), 8);
    QCOMPARE(KovetkezoAzon(QStringLiteral("cikkazon"), QStringLiteral("cikkszam")), 1);
}

void TestKozosDB::listaEsExport()
{
    SQL_OK(QStringLiteral("DELETE FROM storno;"));
    SQL_OK(QStringLiteral("INSERT INTO storno VALUES (1,'elírás; rossz'),(2,NULL);"));
    QStringList l{QStringLiteral("első")};
    ListaFeltolt(l, QStringLiteral("SELECT storno_nev FROM storno ORDER BY storno;"));
    QCOMPARE(l, QStringList({QStringLiteral("első"), QStringLiteral("elírás; rossz"), QString()}));
    QCOMPARE(RekordSzamlalo(12, 3), QStringLiteral("12: 3"));

    QSqlQuery q = SqlNyit(QStringLiteral("SELECT storno, storno_nev FROM storno ORDER BY storno;"));
    QStringList ki;
    AdatExport(q, ki);
    QCOMPARE(ki, QStringList({QStringLiteral("storno;storno_nev;"),
                              QStringLiteral("1;elírás, rossz;"), QStringLiteral("2;;")}));
}

void TestKozosDB::nevek()
{
    SQL_OK(QStringLiteral("DELETE FROM asztal;"));
    SQL_OK(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev) VALUES (3, 'Kovács Éva');"));
    QCOMPARE(AsztalNev(3), QStringLiteral("Kovács Éva"));
    QCOMPARE(AsztalNev(4), QString());
    QCOMPARE(UgyfelNev(-1), QString());
}

void TestKozosDB::naplozas()
{
    Jog.felhasznalo = QStringLiteral("rendszergazda");
    Naploz(QStringLiteral("Régi adatok törlése: '2026-09-11'"));
    QCOMPARE(
        SqlSzoveg(
            QStringLiteral(
                "SELECT CONCAT(felhasznalo,'|',mit) FROM naplozas ORDER BY naplozas DESC LIMIT 1;"),
            QString()),
        QStringLiteral("rendszergazda|Régi adatok törlése: '2026-09-11'"));
    QVERIFY(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplozas WHERE rogzitve IS NOT NULL;"),
                     0) > 0);
}

void TestKozosDB::magyarRendezes()
{
    SQL_OK(QStringLiteral("DELETE FROM mert;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO mert (mert, mert_nev) VALUES (1,'ő'),(2,'o'),(3,'ó'),(4,'cukor'),"
        "(5,'csoda'),(6,'p'),(7,'ö');"));
    QStringList sorrend;
    ListaFeltolt(sorrend, QStringLiteral("SELECT mert_nev FROM mert ORDER BY mert_nev, mert;"));
    // o and ó equal and before ö = ő; "cs" sorts letter by letter.
    QCOMPARE(sorrend, QStringList({QStringLiteral("csoda"), QStringLiteral("cukor"),
                                   QStringLiteral("o"), QStringLiteral("ó"), QStringLiteral("ő"),
                                   QStringLiteral("ö"), QStringLiteral("p")}));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM mert WHERE mert_nev='Ö';"), 0), 2);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM mert WHERE mert_nev='o';"), 0), 2);
}

void TestKozosDB::insertSzovegBlokkok()
{
    SQL_OK(QStringLiteral("DELETE FROM cassatip;"));
    QCOMPARE(InsertSzoveg(QStringLiteral("cassatip")), QString());

    SQL_OK(QStringLiteral("DELETE FROM naplo;"));
    QStringList ertekek;
    for (int i = 1; i <= 250; ++i)
        ertekek.append(QStringLiteral("(%1,'2026-12-%2','u%1','I','10:00:00')")
                           .arg(i)
                           .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
    SQL_OK(QStringLiteral("INSERT INTO naplo (Az,datum,felhasznalo,sikeres,ido) VALUES ") +
           ertekek.join(QLatin1Char(',')) + QLatin1Char(';'));
    const QStringList sorok = InsertSzoveg(QStringLiteral("naplo")).split(QStringLiteral("\r\n"));
    QCOMPARE(sorok.size(), 3 + 250);
    const QString fej =
        QStringLiteral("INSERT IGNORE INTO naplo (az,datum,felhasznalo,sikeres,ido) VALUES");
    QCOMPARE(sorok.at(0), fej);
    QCOMPARE(sorok.at(101), fej);
    QCOMPARE(sorok.at(202), fej);
    QCOMPARE(sorok.at(1), QStringLiteral("(1,'2026-12-02','u1','I','10:00:00'),"));
    QVERIFY(sorok.at(100).endsWith(QLatin1String(");")));
    QVERIFY(sorok.at(201).endsWith(QLatin1String(");")));
    QVERIFY(sorok.at(252).endsWith(QLatin1String(");")));
    QCOMPARE(sorok.filter(QStringLiteral(");")).size(), 3);
}

void TestKozosDB::mentesCsakTablak()
{
    SQL_OK(QStringLiteral("CREATE OR REPLACE VIEW vw_teszt AS SELECT mert FROM mert;"));
    const QStringList tablak = TablaNevek();
    QVERIFY(tablak.contains(QStringLiteral("mert")));
    QVERIFY(!tablak.contains(QStringLiteral("vw_teszt")));
    SQL_OK(QStringLiteral("DROP VIEW vw_teszt;"));
}

void TestKozosDB::mentesVisszatoltes()
{
    SQL_OK(QStringLiteral("DELETE FROM ugyfel;"));
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel, ugyfel_nev, telefon, megjegyzes, osszeg, "
                          "kedv, rogzitve) VALUES "
                          "(1, 'Öregné Őry Ágnes', NULL, 'O''Neil\\\\C:\\\\x\\r\\nújsor', 1234.5, "
                          "0.1, '2026-12-11 09:30:00'),"
                          "(2, NULL, '+36 1 234', NULL, -0.25, 5, NULL);"));
    SQL_OK(QStringLiteral("DELETE FROM cassa;"));
    SQL_OK(QStringLiteral("INSERT INTO cassa (cassa, cassatip, datum, ido, osszeg, szoveg) VALUES "
                          "(1, 'F', '2026-12-11', '14:05:00', 3000, 'A: Kovács Éva - R: 12');"));
    auto pillanatkep = [] {
        QStringList s;
        for (const QString& t : {QStringLiteral("ugyfel"), QStringLiteral("cassa"),
                                 QStringLiteral("mert"), QStringLiteral("naplo")}) {
            QSqlQuery q =
                SqlNyit(QStringLiteral("SELECT * FROM ") + t + QStringLiteral(" ORDER BY 1;"));
            while (q.next()) {
                QStringList sor;
                for (int i = 0; i < q.record().count(); ++i)
                    sor.append(q.value(i).isNull() ? QStringLiteral("<NULL>")
                                                   : q.value(i).toString());
                s.append(t + QLatin1Char(':') + sor.join(QLatin1Char('|')));
            }
        }
        return s;
    };
    const QStringList elotte = pillanatkep();

    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("mentes.sql"));
    QList<int> haladas;
    AdatMentes(fajl, Kapcsolat::fo(), [&](int i, int) { haladas.append(i); });
    QVERIFY(!haladas.isEmpty());

    QFile f(fajl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bajtok = f.readAll();
    QVERIFY(bajtok.contains("TRUNCATE ugyfel;\r\nINSERT IGNORE INTO ugyfel ("));
    QVERIFY(bajtok.contains("TRUNCATE cassatip;\r\n\r\n")); // an empty table: an empty line
    QVERIFY(bajtok.contains(AnsiBajtok(QStringLiteral("Öregné Őry Ágnes")))); // Windows-1250 bytes
    QVERIFY(bajtok.contains("'O''Neil\\\\C:\\\\x\\r\\n"));

    // Change and lose data, then restore.
    SQL_OK(QStringLiteral("UPDATE ugyfel SET ugyfel_nev='x';"));
    SQL_OK(QStringLiteral("DELETE FROM cassa;"));
    SQL_OK(QStringLiteral("INSERT INTO mert (mert, mert_nev) VALUES (500, 'felesleges');"));
    const SqlSzkript sz = SqlSzkript::betolt(fajl);
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
    try {
        sz.futtat();
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    QCOMPARE(pillanatkep(), elotte);
}

void TestKozosDB::tranzakcio()
{
    SQL_OK(QStringLiteral("DELETE FROM terem;"));
    {
        Tranzakcio t;
        SqlFuttat(QStringLiteral("INSERT INTO terem VALUES (1, 'Első');"));
        {
            Tranzakcio belso; // nested guards commit with the outer one
            SqlFuttat(QStringLiteral("INSERT INTO terem VALUES (2, 'Második');"));
        }
    }
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM terem;"), -1), 2);
    try {
        Tranzakcio t;
        SqlFuttat(QStringLiteral("INSERT INTO terem VALUES (3, 'Harmadik');"));
        SqlFuttat(QStringLiteral("INSERT INTO terem VALUES (1, 'ütközik');")); // duplicate key
        QFAIL("the duplicate was accepted");
    } catch (const DbHiba& h) {
        QCOMPARE(h.kod(), 1062);
    }
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM terem;"), -1), 2);
    // The connection is usable again after the rollback.
    SQL_OK(QStringLiteral("INSERT INTO terem VALUES (3, 'Harmadik');"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM terem;"), -1), 3);
}

QTEST_GUILESS_MAIN(TestKozosDB)
#include "test_kozosdb.moc"
