// Parsing speed of backup scripts: a restore reads and splits the whole
// file before it runs any of it, so a large history must parse quickly.
// The script below has the shape the backup writes: 200 000 order lines in
// INSERT statements of 100 rows, with Hungarian text, quotes and escapes.

#include "Seged.h"
#include "SqlSzkript.h"

#include <QTest>

class BenchSzkript : public QObject
{
    Q_OBJECT

private:
    QString m_szkript;

private Q_SLOTS:
    void initTestCase()
    {
        QStringList sorok;
        sorok << QStringLiteral("TRUNCATE rendeles;");
        for (int i = 0; i < 200000; ++i) {
            if (i % 100 == 0)
                sorok << QStringLiteral("INSERT IGNORE INTO rendeles "
                                        "(rendelesazon,rendeles,datum,megjegyzes,ar) VALUES");
            const bool utolso = i % 100 == 99 || i == 199999;
            sorok << QStringLiteral("(%1,%2,'2026-12-11',%3,%4)%5")
                         .arg(i)
                         .arg(i / 3)
                         .arg(SqlIdez(QStringLiteral("Öregné O'Neil; C:\\új\r\nmásodik sor")))
                         .arg(1500.5)
                         .arg(utolso ? QStringLiteral(";") : QStringLiteral(","));
        }
        m_szkript = sorok.join(QStringLiteral("\r\n"));
        qInfo("script: %lld characters", qlonglong(m_szkript.size()));
    }

    void elemzes()
    {
        int db = 0;
        QBENCHMARK
        {
            const SqlSzkript sz = SqlSzkript::elemez(m_szkript);
            db = int(sz.utasitasok().size());
        }
        QCOMPARE(db, 2001);
    }
};

QTEST_GUILESS_MAIN(BenchSzkript)
#include "bench_szkript.moc"
