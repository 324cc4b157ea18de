// The schema fits a replicated cluster (MariaDB Galera): only InnoDB tables
// are replicated, a table without a primary key cannot be replicated
// safely, and the stored routines must not use what a cluster refuses or
// does not replicate (table locks, named locks, temporary tables of another
// engine, non-transactional tables). Checked on a database made from the
// schema script, through information_schema.

#include "DbHiba.h"
#include "KozosDB.h"
#include "TesztAdatbazis.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

class TestFurtSema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void mindenTablaInnoDbElsodlegesKulccsal();
    void eljarasokFurtbenFuthatnak();

private:
    QStringList lista(const QString& sql);
};

namespace
{
const QString db = QStringLiteral("vexlof_furtsema");
}

void TestFurtSema::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestFurtSema::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

QStringList TestFurtSema::lista(const QString& sql)
{
    QStringList ki;
    ListaFeltolt(ki, sql);
    return ki;
}

void TestFurtSema::mindenTablaInnoDbElsodlegesKulccsal()
{
    const QStringList tablak = lista(QStringLiteral(
        "SELECT table_name FROM information_schema.tables WHERE table_schema=DATABASE() "
        "AND table_type='BASE TABLE' ORDER BY 1;"));
    QVERIFY(tablak.size() >= 31);
    QCOMPARE(lista(QStringLiteral(
                 "SELECT CONCAT(table_name, ': ', engine) FROM information_schema.tables "
                 "WHERE table_schema=DATABASE() AND table_type='BASE TABLE' "
                 "AND engine<>'InnoDB' ORDER BY 1;")),
             QStringList());
    QCOMPARE(lista(QStringLiteral("SELECT t.table_name FROM information_schema.tables t "
                                  "LEFT JOIN information_schema.table_constraints c "
                                  "ON (c.table_schema=t.table_schema AND c.table_name=t.table_name "
                                  "AND c.constraint_type='PRIMARY KEY') "
                                  "WHERE t.table_schema=DATABASE() AND t.table_type='BASE TABLE' "
                                  "AND c.constraint_name IS NULL ORDER BY 1;")),
             QStringList());
}

void TestFurtSema::eljarasokFurtbenFuthatnak()
{
    static const QRegularExpression tiltott(
        QStringLiteral("\\b(LOCK\\s+TABLES?|UNLOCK\\s+TABLES|GET_LOCK|RELEASE_LOCK|"
                       "IS_FREE_LOCK|CREATE\\s+TEMPORARY\\s+TABLE|ENGINE\\s*=\\s*(?!InnoDB)\\w+|"
                       "FLUSH\\s+TABLES|XA\\s+START)"),
        QRegularExpression::CaseInsensitiveOption);
    QSqlQuery q = SqlNyit(
        QStringLiteral("SELECT routine_name, routine_definition FROM information_schema.routines "
                       "WHERE routine_schema=DATABASE() "
                       "UNION ALL SELECT table_name, view_definition FROM information_schema.views "
                       "WHERE table_schema=DATABASE();"));
    int darab = 0;
    QStringList hibak;
    while (q.next()) {
        ++darab;
        const QRegularExpressionMatch m = tiltott.match(q.value(1).toString());
        if (m.hasMatch())
            hibak << q.value(0).toString() + QStringLiteral(": ") + m.captured(0);
    }
    QVERIFY(darab > 20);
    QCOMPARE(hibak, QStringList());
}

QTEST_MAIN(TestFurtSema)
#include "test_furtsema.moc"
