// The result-set procedures of the reports against the real server, on a
// small fixture of fixed dates: the columns each one returns, and its values
// for a period (turnover by weekday, margin, raw-material use through the
// recipes, credit repayments, cost calculation, the price list and the
// printed stock document).

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QTest>

namespace {

const QString adatbazis = QStringLiteral("teszt_sqlriport");

// One value as text: numbers with two decimals, NULL as "NULL".
QString ertek(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'f', 2);
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    default:
        return v.toString();
    }
}

// The rows of a result-set call, each row as its values joined by "|".
QStringList sorok(const QString& hivas)
{
    QStringList ki;
    QSqlQuery q = SqlNyit(hivas);
    while (q.next()) {
        QStringList s;
        for (int i = 0; i < q.record().count(); ++i)
            s << ertek(q.value(i));
        ki << s.join(QLatin1Char('|'));
    }
    return ki;
}

QStringList oszlopok(const QString& hivas)
{
    QSqlQuery q = SqlNyit(hivas);
    const QSqlRecord r = q.record();
    QStringList ki;
    for (int i = 0; i < r.count(); ++i)
        ki << r.fieldName(i);
    return ki;
}

const QString idoszak = QStringLiteral("('2024-03-04','2024-03-11')"); // Monday to the next Monday

} // namespace

class TestRiport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void oszlopok_data();
    void oszlopok();
    void naponkent();
    void haszon();
    void alapanyagfogy();
    void adosfizet();
    void bekerules();
    void arlista();
    void bevszall();
};

void TestRiport::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(adatbazis);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    SQL_OK(QStringLiteral("INSERT INTO cikkat (cikkat, cikkat_nev) VALUES (1, 'Festés'), (2, 'Termékek');"));
    // 1 has a recipe (cost 60*30 + 60*4 = 2040; its typed cost is ignored),
    // 2 only a typed cost, 3 neither and only the free-text category, 4 is the
    // discount item, 5 is deleted.
    SQL_OK(QStringLiteral(
        "INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, cikkat, kategoria, bekerules, torolve) VALUES "
        "(1, 'FES1', 'Festés rövid hajra', 10000, 1, NULL, 999, 'N'),"
        "(2, 'SAM1', 'Sampon 250 ml', 3000, 2, NULL, 1800, 'N'),"
        "(3, 'VAGAS', 'Hajvágás', 5000, 0, 'Régi kat', 0, 'N'),"
        "(4, 'KEDV', 'Kedvezmény', 0, 0, NULL, NULL, 'N'),"
        "(5, 'TOROLT', 'Törölt cikk', 100, 2, NULL, 10, 'I');"));
    SQL_OK(QStringLiteral("INSERT INTO mert (mert, mert_nev) VALUES (1, 'ml'), (2, 'db');"));
    SQL_OK(QStringLiteral(
        "INSERT INTO gyujto (gyujto, gyujto_kod, gyujto_nev, mert, db, ar) VALUES "
        "(1, 'F60', 'Hajfesték 6/0', 1, 500, 30), (2, 'OX6', 'Oxidáló 6%', 1, 900, 4), (3, 'ZZ', 'Nem fogy', 2, 3, 1);"));
    SQL_OK(QStringLiteral("INSERT INTO cikkgyujto (cikkazon, gyujto, db) VALUES (1, 1, 60), (1, 2, 60), (5, 3, 1);"));

    // Monday 03-04: 19500 (a voided and an unpaid line do not count);
    // Tuesday 03-05: 10000; Sunday 03-10: 3000 with a correction line;
    // Monday 03-11: 12000; outside the period: 03-03 and 03-12.
    SQL_OK(QStringLiteral(
        "INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, asztal, cikkazon, db, ar, fizetve, torolve) "
        "VALUES "
        "(1, 1, '2024-03-03', 1, 1, 1, 4, 10000, 'I', 'N'),"
        "(2, 1, '2024-03-04', 1, 1, 1, 1, 10000, 'I', 'N'),"
        "(3, 1, '2024-03-04', 1, 1, 2, 2, 3000, 'I', 'N'),"
        "(4, 2, '2024-03-04', 1, 2, 3, 1, 5000, 'I', 'N'),"
        "(5, 2, '2024-03-04', 1, 2, 4, 1, -1500, 'I', 'N'),"
        "(6, 2, '2024-03-04', 1, 2, 1, 1, 10000, 'I', 'I'),"
        "(7, 0, '2024-03-04', 1, 3, 2, 1, 3000, 'N', 'N'),"
        "(8, 1, '2024-03-05', 1, 1, 3, 2, 5000, 'I', 'N'),"
        "(9, 1, '2024-03-10', 1, 1, 2, 2, 3000, 'I', 'N'),"
        "(10, 1, '2024-03-10', 1, 1, 2, -1, 3000, 'I', 'N'),"
        "(11, 1, '2024-03-11', 1, 1, 1, 1, 9000, 'I', 'N'),"
        "(12, 1, '2024-03-11', 2, 1, 2, 1, 3000, 'I', 'N'),"
        "(13, 1, '2024-03-12', 1, 1, 1, 5, 10000, 'I', 'N');"));

    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel, ugyfel_nev, osszeg) VALUES (1, 'Kiss Éva', 1000), "
                          "(2, 'Nagy Ödön', 0);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO ugyfel_ados (ugyfel_ados, ugyfel, hiteltip, datum, blokk, osszeg) VALUES "
        "(1, 1, 'P', '2024-03-04', 'Blokk\\r\\nsorai', 5000),"
        "(2, 1, 'M', '2024-03-05', 'Törlesztés', -3000),"
        "(3, 1, 'M', '2024-03-12', 'Törlesztés', -1000),"
        "(4, 2, 'M', '2024-03-04', 'Törlesztés', -500),"
        "(5, 2, 'M', '2024-03-03', 'Törlesztés', -700);"));
}

void TestRiport::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(adatbazis);
}

void TestRiport::oszlopok_data()
{
    QTest::addColumn<QString>("hivas");
    QTest::addColumn<QString>("vart");
    const QString ures = QStringLiteral("('2030-01-02','2030-01-01')");
    for (const QString& p : {idoszak, ures}) {
        const QString sor = p == ures ? QStringLiteral(" empty") : QString();
        QTest::newRow(qPrintable(QStringLiteral("sp_adosfizet") + sor))
            << QStringLiteral("CALL sp_adosfizet") + p
            << QStringLiteral("ugyfel_ados,ugyfel,hiteltip,datum,blokk,osszeg,ugyfel_nev");
        QTest::newRow(qPrintable(QStringLiteral("sp_alapanyagfogy") + sor))
            << QStringLiteral("CALL sp_alapanyagfogy") + p << QStringLiteral("gyujto_kod,gyujto_nev,mennyiseg");
        QTest::newRow(qPrintable(QStringLiteral("sp_haszon") + sor))
            << QStringLiteral("CALL sp_haszon") + p << QStringLiteral("kategoria,cikkszam_nev,db,elad_ar,besz_ar");
        QTest::newRow(qPrintable(QStringLiteral("sp_naponkent") + sor))
            << QStringLiteral("CALL sp_naponkent") + p
            << QStringLiteral("nap,nap_nev,osszar,atlag,maximum,minimum");
        QTest::newRow(qPrintable(QStringLiteral("sp_karton") + sor))
            << QStringLiteral("CALL sp_karton") + p << QStringLiteral("karton,rogzitve,felhasznalo,db,gyujto_nev");
    }
    QTest::newRow("sp_arlista") << QStringLiteral("CALL sp_arlista()")
                                << QStringLiteral("cikkszam,cikkszam_nev,ar,cikkat_nev");
    QTest::newRow("sp_bekerules") << QStringLiteral("CALL sp_bekerules()")
                                  << QStringLiteral("cikkszam,cikkszam_nev,kategoria,ar,bekerules,arres");
    QTest::newRow("sp_bevszall")
        << QStringLiteral("CALL sp_bevszall(1)")
        << QStringLiteral("mozgas,datum,ugyfel,konyvelve,storno,prntip,mozgaz,ar,rogzitve,felhasznalo,mozgazstr,"
                          "sor,gyujto,gyujto_kod,gyujto_nev,mert_nev,db,egysar,brutto");
}

void TestRiport::oszlopok()
{
    QFETCH(QString, hivas);
    QFETCH(QString, vart);
    QCOMPARE(::oszlopok(hivas).join(QLatin1Char(',')), vart);
}

void TestRiport::naponkent()
{
    QCOMPARE(sorok(QStringLiteral("CALL sp_naponkent") + idoszak),
             QStringList({QStringLiteral("1|Hétfő|31500.00|15750.00|19500.00|12000.00"),
                          QStringLiteral("2|Kedd|10000.00|10000.00|10000.00|10000.00"),
                          QStringLiteral("3|Szerda|0.00|0.00|0.00|0.00"),
                          QStringLiteral("4|Csütörtök|0.00|0.00|0.00|0.00"),
                          QStringLiteral("5|Péntek|0.00|0.00|0.00|0.00"),
                          QStringLiteral("6|Szombat|0.00|0.00|0.00|0.00"),
                          QStringLiteral("7|Vasárnap|3000.00|3000.00|3000.00|3000.00")}));
    // Both ends of the period count; the 12th (a Tuesday) adds 50000.
    const QStringList hosszabb = sorok(QStringLiteral("CALL sp_naponkent('2024-03-03','2024-03-12')"));
    QCOMPARE(hosszabb.value(1), QStringLiteral("2|Kedd|60000.00|30000.00|50000.00|10000.00"));
    QCOMPARE(hosszabb.value(6), QStringLiteral("7|Vasárnap|43000.00|21500.00|40000.00|3000.00"));
}

void TestRiport::haszon()
{
    // Per item: quantity, sales value, quantity times the unit cost.
    QCOMPARE(sorok(QStringLiteral("CALL sp_haszon") + idoszak),
             QStringList({QStringLiteral("|Kedvezmény|1.00|-1500.00|0.00"),
                          QStringLiteral("Festés|Festés rövid hajra|2.00|19000.00|4080.00"),
                          QStringLiteral("Régi kat|Hajvágás|3.00|15000.00|0.00"),
                          QStringLiteral("Termékek|Sampon 250 ml|4.00|12000.00|7200.00")}));
    QVERIFY(sorok(QStringLiteral("CALL sp_haszon('2024-03-13','2024-03-31')")).isEmpty());
}

void TestRiport::alapanyagfogy()
{
    // Two sold units of the dyeing in the period, 60 of each per unit.
    QCOMPARE(sorok(QStringLiteral("CALL sp_alapanyagfogy") + idoszak),
             QStringList({QStringLiteral("F60|Hajfesték 6/0|120.00"), QStringLiteral("OX6|Oxidáló 6%|120.00")}));
    QCOMPARE(sorok(QStringLiteral("CALL sp_alapanyagfogy('2024-03-12','2024-03-12')")),
             QStringList({QStringLiteral("F60|Hajfesték 6/0|300.00"), QStringLiteral("OX6|Oxidáló 6%|300.00")}));
    QVERIFY(sorok(QStringLiteral("CALL sp_alapanyagfogy('2024-03-05','2024-03-10')")).isEmpty());
}

void TestRiport::adosfizet()
{
    // Repayments only, the repaid amount positive, both ends included.
    QCOMPARE(sorok(QStringLiteral("CALL sp_adosfizet") + idoszak),
             QStringList({QStringLiteral("4|2|M|2024-03-04|Törlesztés|500.00|Nagy Ödön"),
                          QStringLiteral("2|1|M|2024-03-05|Törlesztés|3000.00|Kiss Éva")}));
    QCOMPARE(sorok(QStringLiteral("CALL sp_adosfizet('2024-03-12','2024-03-12')")),
             QStringList({QStringLiteral("3|1|M|2024-03-12|Törlesztés|1000.00|Kiss Éva")}));
}

void TestRiport::bekerules()
{
    // Live items by category and name; the markup on cost in per cent, NULL
    // without a cost.
    QCOMPARE(sorok(QStringLiteral("CALL sp_bekerules()")),
             QStringList({QStringLiteral("KEDV|Kedvezmény||0.00|0.00|NULL"),
                          QStringLiteral("FES1|Festés rövid hajra|Festés|10000.00|2040.00|390.20"),
                          QStringLiteral("VAGAS|Hajvágás|Régi kat|5000.00|0.00|NULL"),
                          QStringLiteral("SAM1|Sampon 250 ml|Termékek|3000.00|1800.00|66.67")}));
}

void TestRiport::arlista()
{
    QCOMPARE(sorok(QStringLiteral("CALL sp_arlista()")),
             QStringList({QStringLiteral("KEDV|Kedvezmény|0.00|NULL"), QStringLiteral("VAGAS|Hajvágás|5000.00|NULL"),
                          QStringLiteral("FES1|Festés rövid hajra|10000.00|Festés"),
                          QStringLiteral("SAM1|Sampon 250 ml|3000.00|Termékek")}));
}

void TestRiport::bevszall()
{
    SQL_OK(QStringLiteral("CALL sp_ujmozgas('S','','raktáros');"));
    const int m =
        SqlEgesz(QStringLiteral("CALL sp_ujmozgas('B','Kozmetikai Nagyker Kft.','raktáros');"), -1);
    const QString ms = QString::number(m);
    SQL_OK(QStringLiteral("CALL sp_ujmozgassor(") + ms + QStringLiteral(",2,3,4);"));
    SQL_OK(QStringLiteral("CALL sp_ujmozgassor(") + ms + QStringLiteral(",1,2,31.5);"));
    SQL_OK(QStringLiteral("CALL sp_mozgkonyvel(") + ms + QStringLiteral(",'raktáros');"));

    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_bevszall(") + ms + QStringLiteral(");"));
    QStringList kapott;
    double osszes = 0;
    while (q.next()) {
        QCOMPARE(q.value(QStringLiteral("mozgazstr")).toString(), QStringLiteral("B0000001"));
        QCOMPARE(q.value(QStringLiteral("ugyfel")).toString(), QStringLiteral("Kozmetikai Nagyker Kft."));
        QCOMPARE(q.value(QStringLiteral("datum")).toDate(), QDate::currentDate());
        QCOMPARE(q.value(QStringLiteral("konyvelve")).toString(), QStringLiteral("I"));
        QCOMPARE(q.value(QStringLiteral("ar")).toDouble(), 75.0);
        kapott << q.value(QStringLiteral("gyujto_nev")).toString() + QLatin1Char('|') +
                      q.value(QStringLiteral("mert_nev")).toString() + QLatin1Char('|') +
                      ertek(q.value(QStringLiteral("db"))) + QLatin1Char('|') +
                      ertek(q.value(QStringLiteral("egysar"))) + QLatin1Char('|') +
                      ertek(q.value(QStringLiteral("brutto")));
        osszes += q.value(QStringLiteral("brutto")).toDouble();
    }
    QCOMPARE(kapott, QStringList({QStringLiteral("Oxidáló 6%|ml|3.00|4.00|12.00"),
                                  QStringLiteral("Hajfesték 6/0|ml|2.00|31.50|63.00")}));
    QCOMPARE(osszes, 75.0);
    QVERIFY(sorok(QStringLiteral("CALL sp_bevszall(") + QString::number(m - 1) + QStringLiteral(");")).isEmpty());
    QVERIFY(sorok(QStringLiteral("CALL sp_bevszall(9999);")).isEmpty());
}

QTEST_GUILESS_MAIN(TestRiport)
#include "test_riport.moc"
