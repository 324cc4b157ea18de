// Filling combo boxes from queries on the real server: the drop-down-list and
// the editable kind, the first item, NULL rows, and a failing query.

#include "DbHiba.h"
#include "KozosDB.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"

#include <QComboBox>
#include <QTest>

class TestComboFeltolt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void feltoltes_data();
    void feltoltes();
    void dbComboMegtartjaASzoveget();
    void hibasLekerdezes();

private:
    static QStringList elemek(const QComboBox& c);
};

void TestComboFeltolt::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_combofeltolt"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    SQL_OK(QStringLiteral("CREATE TABLE nevek (sorsz INT PRIMARY KEY, nev VARCHAR(30) NULL)"));
    SQL_OK(QStringLiteral("INSERT INTO nevek VALUES (1,'Zsófi'),(2,NULL),(3,'Árpád'),(4,'Csaba')"));
}

void TestComboFeltolt::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_combofeltolt"));
}

QStringList TestComboFeltolt::elemek(const QComboBox& c)
{
    QStringList l;
    for (int i = 0; i < c.count(); ++i)
        l << c.itemText(i);
    return l;
}

void TestComboFeltolt::feltoltes_data()
{
    QTest::addColumn<bool>("db"); // DBComboFeltolt instead of ComboFeltolt
    QTest::addColumn<bool>("szerkesztheto");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("elso");
    QTest::addColumn<QStringList>("vartElemek");
    QTest::addColumn<int>("vartIndex");
    QTest::addColumn<QString>("vartSzoveg");

    const QString ures = QStringLiteral("SELECT nev FROM nevek WHERE sorsz > 100 ORDER BY 1;");
    const QString mind = QStringLiteral("SELECT nev FROM nevek ORDER BY sorsz;");
    const QStringList sorok{QStringLiteral("Zsófi"), QString(), QStringLiteral("Árpád"),
                            QStringLiteral("Csaba")};

    for (bool db : {false, true}) {
        const char* r = db ? "DBComboFeltolt, " : "ComboFeltolt, ";
        QTest::addRow("%sdrop-down list, empty query", r)
            << db << false << ures << QString() << QStringList() << -1 << QString();
        QTest::addRow("%sdrop-down list, rows in query order, NULL empty", r)
            << db << false << mind << QString() << sorok << 0 << QStringLiteral("Zsófi");
        QTest::addRow("%sdrop-down list, first item", r)
            << db << false << mind << QStringLiteral("(mind)")
            << (QStringList{QStringLiteral("(mind)")} + sorok) << 0 << QStringLiteral("(mind)");
        QTest::addRow("%sdrop-down list, first item, empty query", r)
            << db << false << ures << QStringLiteral("(mind)")
            << QStringList{QStringLiteral("(mind)")} << 0 << QStringLiteral("(mind)");
    }
    // An editable combo box is not given the first row as its text.
    QTest::newRow("ComboFeltolt, editable")
        << false << true << mind << QString() << sorok << -1 << QString();
    QTest::newRow("ComboFeltolt, editable, first item shown")
        << false << true << mind << QStringLiteral("Mindenki")
        << (QStringList{QStringLiteral("Mindenki")} + sorok) << -1 << QStringLiteral("Mindenki");
}

void TestComboFeltolt::feltoltes()
{
    QFETCH(bool, db);
    QFETCH(bool, szerkesztheto);
    QFETCH(QString, sql);
    QFETCH(QString, elso);
    QFETCH(QStringList, vartElemek);
    QFETCH(int, vartIndex);
    QFETCH(QString, vartSzoveg);

    QComboBox c;
    c.setEditable(szerkesztheto);
    // Earlier contents go.
    c.addItems({QStringLiteral("régi1"), QStringLiteral("régi2")});
    c.setCurrentIndex(1);
    if (db)
        DBComboFeltolt(&c, sql, elso);
    else
        ComboFeltolt(&c, sql, elso);
    QCOMPARE(elemek(c), vartElemek);
    if (!szerkesztheto)
        QCOMPARE(c.currentIndex(), vartIndex);
    QCOMPARE(c.currentText(), vartSzoveg);
}

void TestComboFeltolt::dbComboMegtartjaASzoveget()
{
    // The text of a data-field combo box is the field's value.
    QComboBox c;
    c.setEditable(true);
    c.setEditText(QStringLiteral("Kovács"));
    DBComboFeltolt(&c, QStringLiteral("SELECT nev FROM nevek ORDER BY sorsz;"),
                   QStringLiteral("Mindenki"));
    QCOMPARE(c.count(), 5);
    QCOMPARE(c.itemText(0), QStringLiteral("Mindenki"));
    QCOMPARE(c.currentText(), QStringLiteral("Kovács"));
}

void TestComboFeltolt::hibasLekerdezes()
{
    QComboBox c;
    c.addItems({QStringLiteral("marad")});
    QVERIFY_THROWS_EXCEPTION(DbHiba,
                             ComboFeltolt(&c, QStringLiteral("SELECT x FROM nincs_ilyen;")));
    QCOMPARE(elemek(c), QStringList{QStringLiteral("marad")});
    QCOMPARE(c.currentIndex(), 0);
}

QTEST_MAIN(TestComboFeltolt)
#include "test_combofeltolt.moc"
