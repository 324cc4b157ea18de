// The SQL console headless against the real server: the right it needs, a
// script with DELIMITER and a procedure, a query's rows in the grid and on
// the clipboard, "Eredmény" on two queries, a server error, the table mode,
// and a long statement cancelled while the window keeps working.

#include "AblakSeged.h"
#include "Beall.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "SQL.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"
#include "Uzenetek.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <Qsci/qsciscintilla.h>

namespace
{
const QString dbNev = QStringLiteral("teszt_sqlkonzol");
}

class TestSqlKonzol : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void jogNelkul();
    void szkriptDelimiterrel();
    void lekerdezesEsMasolas();
    void eredmenyCsakAzElso();
    void szerverHiba();
    void tablaMod();
    void megszakitas();

private:
    QList<UzenetAdat> m_uzenetek;
};

void TestSqlKonzol::initTestCase()
{
    TesztAdatbazis::letrehoz(dbNev);
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek.append(u);
        return true;
    });
    Jog.rendszergazda = true;
}

void TestSqlKonzol::init()
{
    m_uzenetek.clear();
}

void TestSqlKonzol::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(dbNev);
}

void TestSqlKonzol::jogNelkul()
{
    Jog.rendszergazda = false;
    SzabadLekerdezes();
    Jog.rendszergazda = true;
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().tipus, UzenetAdat::Hiba);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("Nincs jogosultság a művelethez."));
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Tfrm_SQL*>(w) || !w->isVisible());
}

void TestSqlKonzol::szkriptDelimiterrel()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    ablak.szerkeszto()->setText(
        QStringLiteral("-- a table, a procedure with ; inside its body, a call\n"
                       "CREATE TABLE konzol_t (a INT, b VARCHAR(20));\n"
                       "DELIMITER $$\n"
                       "CREATE PROCEDURE konzol_p()\nBEGIN\n"
                       "  INSERT INTO konzol_t VALUES (1, 'egy; kettő');\n"
                       "  INSERT INTO konzol_t VALUES (2, 'ő');\nEND$$\n"
                       "DELIMITER ;\n"
                       "CALL konzol_p();\n"
                       "UPDATE konzol_t SET b = CONCAT(b, '!') WHERE a = 2"));
    ablak.akcio("aFuttat")->trigger();
    QVERIFY(ablak.fut());
    QVERIFY(ablak.haladas()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!ablak.fut(), 10000);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().tipus, UzenetAdat::Informacio);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("SQL futtatás kész."));
    QVERIFY(!ablak.haladas()->isVisible());
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(b ORDER BY a SEPARATOR '/') FROM konzol_t;"),
                  {}),
        QStringLiteral("egy; kettő/ő!"));
}

void TestSqlKonzol::lekerdezesEsMasolas()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    QVERIFY(!ablak.akcio("aMasol")->isEnabled());
    ablak.szerkeszto()->setText(
        QStringLiteral("-- két sor, ékezetes szöveggel\n"
                       "SELECT a, b, a * 1.5 AS c FROM konzol_t ORDER BY a;"));
    kepMent(&ablak, QStringLiteral("sql_szerkeszto"));
    QTest::keyClick(ablak.szerkeszto(), Qt::Key_F5);
    QTRY_VERIFY_WITH_TIMEOUT(ablak.eredmeny() != nullptr, 10000);
    QTRY_VERIFY(!ablak.fut());
    QVERIFY(m_uzenetek.isEmpty());
    QCOMPARE(ablak.fulek()->currentIndex(), 1);
    QCOMPARE(ablak.eredmeny()->rowCount(), 2);
    QCOMPARE(ablak.racs()->columnWidth(1), 64);
    QCOMPARE(ablak.allapotSor()->text(), QStringLiteral("2: 1"));
    kepMent(&ablak, QStringLiteral("sql_eredmeny"));
    ablak.racs()->setCurrentIndex(ablak.eredmeny()->index(1, 0));
    QCOMPARE(ablak.allapotSor()->text(), QStringLiteral("2: 2"));
    QVERIFY(ablak.akcio("aMasol")->isEnabled());
    ablak.akcio("aMasol")->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("a;b;c;\r\n1;egy, kettő;1.5;\r\n2;ő!;3;"));
}

void TestSqlKonzol::eredmenyCsakAzElso()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    ablak.szerkeszto()->setText(
        QStringLiteral("SELECT 'x;y' AS elso;\nSELECT 1 AS masodik, 2 AS harmadik;"));
    ablak.akcio("aEredmeny")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(ablak.eredmeny() != nullptr, 10000);
    QCOMPARE(ablak.eredmeny()->columnCount(), 1);
    QCOMPARE(ablak.eredmeny()->data(ablak.eredmeny()->index(0, 0)).toString(),
             QStringLiteral("x;y"));
}

void TestSqlKonzol::szerverHiba()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    ablak.szerkeszto()->setText(QStringLiteral("SELECT * FROM nincs_ilyen_tabla"));
    ablak.futtat();
    QTRY_VERIFY_WITH_TIMEOUT(!ablak.fut(), 10000);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().tipus, UzenetAdat::Hiba);
    QVERIFY2(m_uzenetek.first().szoveg.startsWith(QStringLiteral("SQL hiba:\r\n")) &&
                 m_uzenetek.first().szoveg.contains(QStringLiteral("nincs_ilyen_tabla")),
             qPrintable(m_uzenetek.first().szoveg));

    // A script stops at the failing statement; the earlier ones stay.
    m_uzenetek.clear();
    ablak.szerkeszto()->setText(
        QStringLiteral("INSERT INTO konzol_t VALUES (3, 'c');\nINSERT INTO nincs VALUES "
                       "(1);\nINSERT INTO konzol_t VALUES (4, 'd');"));
    ablak.futtat();
    QTRY_VERIFY_WITH_TIMEOUT(!ablak.fut(), 10000);
    QCOMPARE(m_uzenetek.size(), 1);
    QVERIFY(m_uzenetek.first().szoveg.contains(QStringLiteral("2. sor")));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT MAX(a) FROM konzol_t;"), 0), 3);
}

void TestSqlKonzol::tablaMod()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    ablak.szerkeszto()->setText(QStringLiteral("Table: konzol_t\nSELECT nothing that runs"));
    ablak.futtat();
    auto* m = qobject_cast<QSqlTableModel*>(ablak.eredmeny());
    QVERIFY(m);
    QCOMPARE(m->rowCount(), 3);
    QVERIFY(m->setData(m->index(0, 1), QStringLiteral("átírva")));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT b FROM konzol_t WHERE a = 1;"), {}),
             QStringLiteral("átírva"));
}

void TestSqlKonzol::megszakitas()
{
    Tfrm_SQL ablak;
    QVERIFY(aktival(&ablak));
    ablak.szerkeszto()->setText(QStringLiteral("SELECT SLEEP(30) AS alszik"));
    ablak.futtat();
    QVERIFY(ablak.fut());
    QVERIFY(ablak.akcio("aMegszakit")->isEnabled());
    // The window keeps handling events while the statement runs.
    QTest::qWait(500);
    ablak.szerkeszto()->append(QStringLiteral(" "));
    QVERIFY(ablak.fut());
    QElapsedTimer ora;
    ora.start();
    ablak.akcio("aMegszakit")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!ablak.fut(), 10000);
    qInfo("cancel took %lld ms", ora.elapsed());
    QVERIFY(ora.elapsed() < 10000);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("SQL hiba:\r\nA lekérdezés megszakítva."));
    QVERIFY(ablak.eredmeny() == nullptr);

    // The console works on afterwards.
    m_uzenetek.clear();
    ablak.szerkeszto()->setText(QStringLiteral("SELECT 42 AS valasz"));
    ablak.futtat();
    QTRY_VERIFY_WITH_TIMEOUT(ablak.eredmeny() != nullptr, 10000);
    QCOMPARE(ablak.eredmeny()->data(ablak.eredmeny()->index(0, 0)).toInt(), 42);
    QVERIFY(m_uzenetek.isEmpty());

    // Closing while a statement runs does not wait for it.
    ablak.szerkeszto()->setText(QStringLiteral("SELECT SLEEP(30)"));
    ablak.futtat();
    QTest::qWait(300);
    ora.restart();
    ablak.akcio("aBezar")->trigger();
    QVERIFY(!ablak.isVisible());
}

QTEST_MAIN(TestSqlKonzol)
#include "test_sqlkonzol.moc"
