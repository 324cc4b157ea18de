// The backup script of the program's own format: per table a "TRUNCATE" line
// and "INSERT IGNORE INTO" statements of at most 100 rows.

#include "Ansi.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlField>
#include <QSqlRecord>
#include <stdexcept>

namespace {

constexpr int sorokUtasitasonkent = 100;

QString sqlErtek(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QChar:
        return SqlIdez(v);
    case QMetaType::QByteArray:
        return SqlIdez(QString::fromUtf8(v.toByteArray()));
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        return d.isValid() ? SqlDatum(d) : QStringLiteral("'0000-00-00'");
    }
    case QMetaType::QDateTime: {
        const QDateTime d = v.toDateTime();
        return d.isValid() ? SqlDatumIdo(d) : QStringLiteral("'0000-00-00 00:00:00'");
    }
    case QMetaType::QTime:
        return QLatin1Char('\'') + v.toTime().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('\'');
    case QMetaType::Double:
    case QMetaType::Float: {
        QString s = v.toString();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        return s;
    }
    default: {
        QString s = v.toString();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        return s;
    }
    }
}

} // namespace

QStringList TablaNevek(QSqlDatabase db)
{
    // Views are left out: their lines would not reload.
    QStringList ki;
    QSqlQuery q = SqlNyit(QStringLiteral("SHOW FULL TABLES WHERE Table_type = 'BASE TABLE';"), db);
    while (q.next())
        ki.append(q.value(0).toString());
    return ki;
}

QString InsertSzoveg(const QString& tabla, QSqlDatabase db)
{
    QSqlQuery q = SqlNyit(QLatin1String("SELECT * FROM ") + tabla + QLatin1Char(';'), db);
    const QSqlRecord rec = q.record();
    QStringList oszlopok;
    for (int i = 0; i < rec.count(); ++i)
        oszlopok.append(rec.fieldName(i).toLower());
    const QString fej = QLatin1String("INSERT IGNORE INTO ") + tabla + QLatin1String(" (") +
                        oszlopok.join(QLatin1Char(',')) + QLatin1String(") VALUES");
    QStringList sorok;
    int utasitasban = 0;
    while (q.next()) {
        if (utasitasban == 0)
            sorok.append(fej);
        QStringList ertekek;
        ertekek.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            ertekek.append(sqlErtek(q.value(i)));
        sorok.append(QLatin1Char('(') + ertekek.join(QLatin1Char(',')) + QLatin1String("),"));
        if (++utasitasban == sorokUtasitasonkent) {
            sorok.last().chop(1);
            sorok.last().append(QLatin1Char(';'));
            utasitasban = 0;
        }
    }
    if (utasitasban > 0) {
        sorok.last().chop(1);
        sorok.last().append(QLatin1Char(';'));
    }
    return sorok.join(QLatin1String("\r\n"));
}

void AdatMentes(const QString& fajl, QSqlDatabase db, const std::function<void(int, int)>& haladas)
{
    const QStringList tablak = TablaNevek(db);
    QByteArray ki;
    for (int i = 0; i < tablak.size(); ++i) {
        if (haladas)
            haladas(i, int(tablak.size()));
        ki.append(AnsiBajtok(QLatin1String("TRUNCATE ") + tablak.at(i) + QLatin1String(";\r\n")));
        ki.append(AnsiBajtok(InsertSzoveg(tablak.at(i), db)));
        ki.append("\r\n");
    }
    if (haladas)
        haladas(int(tablak.size()), int(tablak.size()));
    QDir().mkpath(QFileInfo(fajl).absolutePath());
    QSaveFile f(fajl);
    if (!f.open(QIODevice::WriteOnly) || f.write(ki) != ki.size() || !f.commit())
        throw std::runtime_error(
            (QStringLiteral("A mentés nem írható: ") + fajl + QStringLiteral(": ") + f.errorString())
                .toStdString());
}
