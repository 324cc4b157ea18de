// Splitting SQL scripts into statements as the mariadb client does, and
// refusing scripts that do not parse completely.

#include "SqlSzkript.h"

#include <QTest>

class TestSqlSzkript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void felosztas_data();
    void felosztas();
    void hibak_data();
    void hibak();
    void sorszamok();
};

void TestSqlSzkript::felosztas_data()
{
    QTest::addColumn<QString>("szkript");
    QTest::addColumn<QStringList>("utasitasok");

    QTest::newRow("two statements")
        << QStringLiteral("SELECT 1;\nSELECT 2;\n")
        << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
    QTest::newRow("semicolon in a string")
        << QStringLiteral("INSERT INTO t VALUES ('a;b');")
        << QStringList{QStringLiteral("INSERT INTO t VALUES ('a;b')")};
    QTest::newRow("doubled and escaped quotes")
        << QStringLiteral("INSERT INTO t VALUES ('O''Neil;', 'a\\';b', \"x;\\\"y\");SELECT 1;")
        << QStringList{QStringLiteral("INSERT INTO t VALUES ('O''Neil;', 'a\\';b', \"x;\\\"y\")"),
                       QStringLiteral("SELECT 1")};
    QTest::newRow("escaped line break stays in the string")
        << QStringLiteral("INSERT INTO t VALUES ('a\\r\\nb');")
        << QStringList{QStringLiteral("INSERT INTO t VALUES ('a\\r\\nb')")};
    QTest::newRow("comments dropped")
        << QStringLiteral("-- header; with semicolon\nSELECT 1; # tail;\n/* block; */SELECT 2;")
        << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
    QTest::newRow("double dash without space is an operator")
        << QStringLiteral("SELECT 1--1;") << QStringList{QStringLiteral("SELECT 1--1")};
    QTest::newRow("executable comments kept")
        << QStringLiteral("/*!40101 SET NAMES utf8 */;\nSELECT 1;")
        << QStringList{QStringLiteral("/*!40101 SET NAMES utf8 */"), QStringLiteral("SELECT 1")};
    QTest::newRow("backtick names") << QStringLiteral("SELECT `a;b` FROM t;")
                                    << QStringList{QStringLiteral("SELECT `a;b` FROM t")};
    QTest::newRow("delimiter blocks")
        << QStringLiteral("DROP PROCEDURE IF EXISTS p;\nDELIMITER $$\nCREATE PROCEDURE p()\nBEGIN\n"
                          "  SELECT 1;\n  SELECT 2;\nEND $$\ndelimiter ;\nCALL p();\n")
        << QStringList{QStringLiteral("DROP PROCEDURE IF EXISTS p"),
                       QStringLiteral("CREATE PROCEDURE p()\nBEGIN\n  SELECT 1;\n  SELECT 2;\nEND"),
                       QStringLiteral("CALL p()")};
    QTest::newRow("empty statements skipped")
        << QStringLiteral(";;\n ; SELECT 1;;") << QStringList{QStringLiteral("SELECT 1")};
    QTest::newRow("trailing comment after the last statement")
        << QStringLiteral("SELECT 1;\n-- end\n") << QStringList{QStringLiteral("SELECT 1")};
    QTest::newRow("Hungarian text")
        << QStringLiteral("INSERT INTO t VALUES ('árvíztűrő tükörfúrógép');")
        << QStringList{QStringLiteral("INSERT INTO t VALUES ('árvíztűrő tükörfúrógép')")};
}

void TestSqlSzkript::felosztas()
{
    QFETCH(QString, szkript);
    QFETCH(QStringList, utasitasok);
    const SqlSzkript sz = SqlSzkript::elemez(szkript);
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
    QStringList kapott;
    for (const auto& u : sz.utasitasok())
        kapott.append(u.szoveg);
    QCOMPARE(kapott, utasitasok);

    // Fed in pieces of any size (a backup is split while it is read), the
    // bytes give the same statements.
    const QByteArray bajtok = szkript.toUtf8();
    for (const int darab : {1, 2, 3, 7, 64}) {
        QStringList reszenkent;
        SzkriptDarabolo d(
            [&](const QByteArray& u, int) { reszenkent.append(QString::fromUtf8(u)); });
        for (qsizetype i = 0; i < bajtok.size(); i += darab)
            QVERIFY(d.etet(bajtok.constData() + i, qMin<qsizetype>(darab, bajtok.size() - i)));
        QVERIFY2(d.vege(), qPrintable(d.hiba()));
        QCOMPARE(reszenkent, utasitasok);
    }
}

void TestSqlSzkript::hibak_data()
{
    QTest::addColumn<QString>("szkript");
    QTest::addColumn<int>("sor");
    QTest::newRow("statement cut off")
        << QStringLiteral("TRUNCATE t;\nINSERT IGNORE INTO t (a) VALUES\n(1),\n(2") << 2;
    QTest::newRow("unterminated string")
        << QStringLiteral("SELECT 1;\nINSERT INTO t VALUES ('abc);\n") << 2;
    QTest::newRow("unterminated comment")
        << QStringLiteral("SELECT 1;\n/* never closed\nSELECT 2;") << 2;
    QTest::newRow("unterminated delimiter block")
        << QStringLiteral("DELIMITER $$\nCREATE PROCEDURE p() BEGIN SELECT 1; END\n") << 2;
    QTest::newRow("string ends in an escaped quote") << QStringLiteral("SELECT 'abc\\';") << 1;
}

void TestSqlSzkript::hibak()
{
    QFETCH(QString, szkript);
    QFETCH(int, sor);
    const SqlSzkript sz = SqlSzkript::elemez(szkript);
    QVERIFY(!sz.ervenyes());
    QVERIFY(sz.utasitasok().isEmpty()); // nothing of a refused script is kept
    QCOMPARE(sz.hibaSor(), sor);
    QVERIFY(!sz.hiba().isEmpty());

    const QByteArray bajtok = szkript.toUtf8();
    for (const int darab : {1, 5}) {
        SzkriptDarabolo d({});
        bool rendben = true;
        for (qsizetype i = 0; rendben && i < bajtok.size(); i += darab)
            rendben = d.etet(bajtok.constData() + i, qMin<qsizetype>(darab, bajtok.size() - i));
        QVERIFY(!(rendben && d.vege()));
        QCOMPARE(d.hibaSor(), sor);
    }
}

void TestSqlSzkript::sorszamok()
{
    const SqlSzkript sz =
        SqlSzkript::elemez(QStringLiteral("SELECT 1;\n\n  -- x\n  SELECT\n 'a\nb';\nSELECT 3;"));
    QVERIFY(sz.ervenyes());
    QCOMPARE(sz.utasitasok().size(), 3);
    QCOMPARE(sz.utasitasok().at(0).sor, 1);
    QCOMPARE(sz.utasitasok().at(1).sor, 4);
    QCOMPARE(sz.utasitasok().at(2).sor, 7);
}

QTEST_GUILESS_MAIN(TestSqlSzkript)
#include "test_sqlszkript.moc"
