// The widget-free part of the master data: statements built from the table
// descriptions, key assignment under two workstations at once, the length
// check of texts, the repayment and the small rules of the windows.

#include "Beall.h"
#include "DbHiba.h"
#include "Hiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TablaLeiras.h"
#include "TesztAdatbazis.h"
#include "TorzsLeirasok.h"
#include "UjAzon.h"

#include <QSet>
#include <QTest>
#include <QThread>
#include <atomic>

namespace
{

const QString AB = QStringLiteral("teszt_torzsadat");

int szam(const QString& sql)
{
    return SqlEgesz(sql, -99);
}

} // namespace

class TestTorzsAdat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void utasitasok_data();
    void utasitasok();
    void kulcsUtkozes_data();
    void kulcsUtkozes();
    void ketMunkaallomasEgyszerre();
    void foglaltAjanlottKulcsTovabblep();
    void gepeltKulcsDuplikaltHiba();
    void szerverKulcs();
    void tulHosszuSzoveg();
    void torlesztes_data();
    void torlesztes();
    void ugyfelTorolheto_data();
    void ugyfelTorolheto();
    void racsraIgazit_data();
    void racsraIgazit();
    void cikkMasolKulcs();
    void adossagNyomtat();
};

void TestTorzsAdat::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(AB);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestTorzsAdat::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestTorzsAdat::init()
{
    for (const char* t : {"mert", "storno", "ugyfel", "ugyfel_ados", "gyujto", "cikkszam",
                          "cikkgyujto", "cikkat", "cassa"})
        SQL_OK(QStringLiteral("DELETE FROM ") + QLatin1String(t) + QLatin1Char(';'));
}

void TestTorzsAdat::utasitasok_data()
{
    QTest::addColumn<QString>("kapott");
    QTest::addColumn<QString>("vart");
    const TablaLeiras gy = GyujtoLeiras();
    QTest::newRow("stock holders, no search")
        << gy.listaSql()
        << QStringLiteral("SELECT gyujto.*,kategoria.kategoria_nev,mert.mert_nev\nFROM gyujto\n"
                          " LEFT OUTER JOIN kategoria ON (gyujto.kategoria=kategoria.kategoria)\n"
                          " LEFT OUTER JOIN mert ON (gyujto.mert=mert.mert)\n"
                          "WHERE (gyujto.torolve='N')\nORDER BY gyujto_kod;");
    QTest::newRow("stock holders, search with a quote")
        << gy.keresFeltetel(QStringLiteral("o'b"))
        << QStringLiteral("(gyujto.torolve='N') AND ((gyujto.gyujto_kod LIKE '%o''b%') OR "
                          "(gyujto.gyujto_nev LIKE '%o''b%'))");
    QTest::newRow("sort by a column keeps the key as tie-breaker")
        << SqlSorok(UgyfelLeiras().listaSql(QStringLiteral("ugyfel_nev"))).last()
        << QStringLiteral("ORDER BY ugyfel_nev,ugyfel.ugyfel;");
    QTest::newRow("client search leaves the WHERE line")
        << SqlSorok(CikkszamLeiras().listaSql({}, QStringLiteral("abc")))[5]
        << QStringLiteral("WHERE torolve='N'");
    QTest::newRow("soft delete") << CikkszamLeiras().torlesSql(7)
                                 << QStringLiteral(
                                        "UPDATE cikkszam SET torolve='I' WHERE cikkazon=7;");
    QTest::newRow("physical delete")
        << MertLeiras().torlesSql(3) << QStringLiteral("DELETE FROM mert WHERE mert=3;");
    QTest::newRow("in use test")
        << MertLeiras().hasznalatLekerdezes(3)
        << QStringLiteral("SELECT CONCAT(gyujto_kod,': ',gyujto_nev) FROM gyujto WHERE (mert=3) "
                          "AND (torolve='N');");
    QTest::newRow("insert quotes texts, writes numbers with a point")
        << MertLeiras().beszurSql({{QStringLiteral("mert"), 4},
                                   {QStringLiteral("mert_nev"), QStringLiteral("it's")},
                                   {QStringLiteral("x"), 2.5},
                                   {QStringLiteral("y"), QVariant()}})
        << QStringLiteral("INSERT INTO mert (mert,mert_nev,x,y) VALUES (4,'it''s',2.5,NULL);");
}

void TestTorzsAdat::utasitasok()
{
    QFETCH(QString, kapott);
    QFETCH(QString, vart);
    QCOMPARE(kapott, vart);
}

void TestTorzsAdat::kulcsUtkozes_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("uzenet");
    QTest::addColumn<bool>("ujra");
    QTest::newRow("MariaDB primary") << 1062 << "Duplicate entry '3' for key 'PRIMARY'" << true;
    QTest::newRow("MySQL 8 primary")
        << 1062 << "Duplicate entry '3' for key 'mert.PRIMARY'" << true;
    QTest::newRow("another unique key") << 1062 << "Duplicate entry 'X' for key 'kod'" << false;
    QTest::newRow("deadlock") << 1213 << "Deadlock found" << true;
    QTest::newRow("other") << 1366 << "Incorrect string value" << false;
}

void TestTorzsAdat::kulcsUtkozes()
{
    QFETCH(int, kod);
    QFETCH(QString, uzenet);
    QFETCH(bool, ujra);
    QCOMPARE(KulcsUtkozes(kod, uzenet), ujra);
}

namespace
{

class Beszuro : public QThread
{
public:
    Beszuro(QString nev, int db) : m_nev(std::move(nev)), m_db(db) {}
    QList<int> kulcsok;
    QString hiba;
    std::atomic<bool>* indul = nullptr;

protected:
    void run() override
    {
        try {
            QSqlDatabase c = Kapcsolat::nyit(TesztAdatbazis::root(AB), m_nev);
            while (!indul->load())
                QThread::yieldCurrentThread();
            for (int i = 0; i < m_db; ++i)
                kulcsok << UjSorBeszur(
                    QStringLiteral("mert"), QStringLiteral("mert"),
                    [&](int n) {
                        return QStringLiteral("INSERT INTO mert (mert,mert_nev) VALUES (%1,'%2');")
                            .arg(n)
                            .arg(m_nev);
                    },
                    0, c);
        } catch (const Hiba& h) {
            hiba = h.uzenet();
        }
        Kapcsolat::bezar(m_nev);
    }

private:
    QString m_nev;
    int m_db;
};

} // namespace

void TestTorzsAdat::ketMunkaallomasEgyszerre()
{
    // Two workstations add rows at the same moment on their own connections:
    // every insert succeeds and no key is given twice.
    std::atomic<bool> indul{false};
    Beszuro a(QStringLiteral("gep_a"), 60), b(QStringLiteral("gep_b"), 60);
    a.indul = b.indul = &indul;
    a.start();
    b.start();
    QThread::msleep(200);
    indul = true;
    QVERIFY(a.wait(60000));
    QVERIFY(b.wait(60000));
    QCOMPARE(a.hiba, QString());
    QCOMPARE(b.hiba, QString());
    QSet<int> mind;
    for (int k : a.kulcsok + b.kulcsok)
        mind.insert(k);
    QCOMPARE(mind.size(), 120);
    QCOMPARE(szam(QStringLiteral("SELECT COUNT(DISTINCT mert) FROM mert;")), 120);
    QCOMPARE(szam(QStringLiteral("SELECT COUNT(*) FROM mert WHERE mert_nev='gep_a';")), 60);
}

void TestTorzsAdat::foglaltAjanlottKulcsTovabblep()
{
    // The editor showed card number 5; another workstation saved 5 meanwhile.
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel,ugyfel_nev) VALUES (5,'Másik gép');"));
    QVariantMap e{{QStringLiteral("ugyfel"), 5},
                  {QStringLiteral("ugyfel_nev"), QStringLiteral("Új")}};
    const int k = SorMent(UgyfelLeiras(), e, -1, 5);
    QCOMPARE(k, 6);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ugyfel_nev FROM ugyfel WHERE ugyfel=6;"), {}),
             QStringLiteral("Új"));
}

void TestTorzsAdat::gepeltKulcsDuplikaltHiba()
{
    // A number the operator typed is theirs: a duplicate is reported, not moved.
    SQL_OK(QStringLiteral("INSERT INTO storno (storno,storno_nev) VALUES (7,'Régi');"));
    QVariantMap e{{QStringLiteral("storno"), 7},
                  {QStringLiteral("storno_nev"), QStringLiteral("Új")}};
    try {
        SorMent(StornoLeiras(), e, -1);
        QFAIL("a duplicate typed key was accepted");
    } catch (const DbHiba& h) {
        QCOMPARE(h.kod(), 1062);
    }
    // Left empty (0) it takes the next free number.
    e.insert(QStringLiteral("storno"), 0);
    QCOMPARE(SorMent(StornoLeiras(), e, -1), 8);
    e.insert(QStringLiteral("storno"), 3);
    QCOMPARE(SorMent(StornoLeiras(), e, -1), 3);
}

void TestTorzsAdat::szerverKulcs()
{
    const int k =
        SorMent(CikkatLeiras(), {{QStringLiteral("cikkat_nev"), QStringLiteral("Festés")}}, -1);
    QVERIFY(k > 0);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT cikkat_nev FROM cikkat WHERE cikkat=%1;").arg(k), {}),
             QStringLiteral("Festés"));
}

void TestTorzsAdat::tulHosszuSzoveg()
{
    // 26 characters into a 25-character name: refused with the limit, nothing saved.
    const QVariantMap e{{QStringLiteral("ugyfel_nev"), QString(26, QChar(0x0151))}};
    try {
        SorMent(UgyfelLeiras(), e, -1, 0,
                {{QStringLiteral("ugyfel_nev"), QStringLiteral("ügyfél")}});
        QFAIL("an overlong name was accepted");
    } catch (const DbHiba&) {
        QFAIL("the server was asked");
    } catch (const Hiba& h) {
        QCOMPARE(h.uzenet(),
                 QStringLiteral("A(z) \"ügyfél\" mező legfeljebb 25 karakter lehet (most 26)."));
    }
    QCOMPARE(szam(QStringLiteral("SELECT COUNT(*) FROM ugyfel;")), 0);
    QCOMPARE(MezoHosszak(QStringLiteral("cikkszam")).value(QStringLiteral("cikkszam_nev")), 42);
}

void TestTorzsAdat::torlesztes_data()
{
    QTest::addColumn<double>("osszeg");
    QTest::addColumn<double>("tartozas");
    QTest::addColumn<bool>("elfogadva");
    QTest::newRow("part of the debt") << 3000.0 << 2000.0 << true;
    QTest::newRow("more than the debt") << 6000.0 << -1000.0 << true;
    QTest::newRow("zero") << 0.0 << 5000.0 << false;
    QTest::newRow("negative") << -1000.0 << 5000.0 << false;
}

void TestTorzsAdat::torlesztes()
{
    QFETCH(double, osszeg);
    QFETCH(double, tartozas);
    QFETCH(bool, elfogadva);
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel,ugyfel_nev,osszeg) VALUES (1,'Anna',5000);"));
    try {
        UgyfelTorleszt(1, osszeg);
        QVERIFY(elfogadva);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    } catch (const Hiba& h) {
        QVERIFY(!elfogadva);
        QCOMPARE(h.uzenet(), QStringLiteral("A törlesztés összege nullánál nagyobb kell legyen."));
    }
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=1;"), -1), tartozas);
    QCOMPARE(szam(QStringLiteral("SELECT COUNT(*) FROM ugyfel_ados WHERE hiteltip='M';")),
             elfogadva ? 1 : 0);
}

void TestTorzsAdat::ugyfelTorolheto_data()
{
    QTest::addColumn<double>("tartozas");
    QTest::addColumn<bool>("torolheto");
    QTest::newRow("none") << 0.0 << true;
    QTest::newRow("0.4") << 0.4 << true;
    QTest::newRow("0.5 rounds to even") << 0.5 << true;
    QTest::newRow("0.6") << 0.6 << false;
    QTest::newRow("-0.6") << -0.6 << false;
}

void TestTorzsAdat::ugyfelTorolheto()
{
    QFETCH(double, tartozas);
    QFETCH(bool, torolheto);
    QCOMPARE(UgyfelTorolheto(tartozas), torolheto);
}

void TestTorzsAdat::racsraIgazit_data()
{
    QTest::addColumn<int>("be");
    QTest::addColumn<int>("ki");
    for (auto [b, k] :
         {std::pair{47, 50}, {44, 40}, {45, 50}, {233, 230}, {0, 0}, {-3, 0}, {-6, -10}})
        QTest::addRow("%d", b) << b << k;
}

void TestTorzsAdat::racsraIgazit()
{
    QFETCH(int, be);
    QFETCH(int, ki);
    QCOMPARE(RacsraIgazit(be), ki);
}

void TestTorzsAdat::cikkMasolKulcs()
{
    // The copy's key comes from the procedure, recipe included.
    SQL_OK(QStringLiteral("INSERT INTO cikkszam (cikkazon,cikkszam,cikkszam_nev,ar) VALUES "
                          "(3,'H1','Hajvágás',2500),(9,'X','Másik',1);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO gyujto (gyujto,gyujto_kod,gyujto_nev,ar) VALUES (1,'S','Sampon',10);"));
    ReceptSorUj(3, 1, 2);
    ReceptSorUj(3, 1, 5); // already there: keeps 2
    const int k = CikkMasol(3, QStringLiteral("H2"));
    QCOMPARE(k, 10);
    QCOMPARE(SqlSzam(QStringLiteral("SELECT db FROM cikkgyujto WHERE cikkazon=10;"), -1), 2.0);
    const QList<BekerulesSor> b = BekerulesAdatok();
    bool volt = false;
    for (const BekerulesSor& s : b)
        if (s.kod == QLatin1String("X")) {
            QCOMPARE(s.bekerules, 0.0); // no recipe
            volt = true;
        }
    QVERIFY(volt);
}

void TestTorzsAdat::adossagNyomtat()
{
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel,ugyfel_nev) VALUES (1,'Anna');"));
    SQL_OK(QStringLiteral("CALL sp_hitelad(5,'P',1,'Blokk 1\\r\\nsor 2',5000);"));
    UgyfelTorleszt(1, 3000);
    SQL_OK(QStringLiteral("CALL sp_hitelad(6,'P',1,'Blokk 2',1000);"));
    const QStringList l = AdossagNyomtatSorok(1);
    QCOMPARE(l.size(), 6);
    QCOMPARE(l[0], QStringLiteral("Blokk 2"));
    QCOMPARE(l[1], QString());
    QVERIFY(l[2].startsWith(QStringLiteral("Törlesztés: ")));
    QCOMPARE(l[3], QString());
    QCOMPARE(l[4], QStringLiteral("Blokk 1"));
    QCOMPARE(SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=1;"), -1), 3000.0);
}

QTEST_GUILESS_MAIN(TestTorzsAdat)
#include "test_torzsadat.moc"
