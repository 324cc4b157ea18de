// SQL literals and line-based statement editing.

#include "Seged.h"

#include <cmath>

namespace
{

// Backslashes doubled; CR and LF written as escapes (sorKent: a line break
// of either kind as one \n).
QString escape(const QVariant& ertek, bool sorKent)
{
    if (!ertek.isValid() || ertek.isNull())
        return QString();
    const QString s = Szoveg(ertek);
    QString ki;
    ki.reserve(s.size() + 8);
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            ki.append(QLatin1String("\\\\"));
        else if (c == QLatin1Char('\r'))
            ki.append(sorKent ? QLatin1String("\\n") : QLatin1String("\\r"));
        else if (c == QLatin1Char('\n')) {
            if (!sorKent)
                ki.append(QLatin1String("\\n"));
        } else
            ki.append(c);
    }
    return ki;
}

} // namespace

QString SqlEscape(const QVariant& ertek)
{
    return escape(ertek, false);
}

QString SqlSorEscape(const QVariant& ertek)
{
    return escape(ertek, true);
}

QString SqlIdez(const QVariant& ertek)
{
    QString s = SqlEscape(ertek);
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString SzamSql(double szam)
{
    if (!std::isfinite(szam))
        return QStringLiteral("0");
    QString s = QString::number(szam, 'g', 15);
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    // Large or tiny values come out in exponent form, which SQL reads fine.
    return s;
}

QString SqlDatum(const QDate& datum, bool amerikai)
{
    if (amerikai)
        return QLatin1Char('\'') + datum.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('\'');
    return QLatin1Char('\'') + datum.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString SqlDatumIdo(const QDateTime& ido)
{
    return QLatin1Char('\'') + ido.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QLatin1Char('\'');
}

QStringList SqlSorok(const QString& sql)
{
    QString s = sql;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s.split(QLatin1Char('\n'));
}

QString OrderByCsere(const QStringList& sorok, const QString& oszlopok)
{
    QStringList ki = sorok;
    for (QString& sor : ki) {
        if (sor.toUpper().startsWith(QLatin1String("ORDER"))) {
            sor = QLatin1String("ORDER BY ") + oszlopok + QLatin1Char(';');
            break;
        }
    }
    return ki.join(QLatin1Char('\n'));
}

QString WhereCsere(const QStringList& sorok, const QString& feltetel, bool csakElso)
{
    QStringList ki = sorok;
    for (QString& sor : ki) {
        if (sor.toUpper().startsWith(QLatin1String("WHERE"))) {
            sor = QLatin1String("WHERE ") + feltetel;
            if (csakElso)
                break;
        }
    }
    return ki.join(QLatin1Char('\n'));
}

QString WhereBovit(const QStringList& sorok, const QString& bovites)
{
    QStringList ki = sorok;
    for (QString& sor : ki) {
        if (sor.trimmed().toUpper().startsWith(QLatin1String("WHERE"))) {
            const int p = int(sor.indexOf(QLatin1Char(';')));
            if (p < 0) {
                sor += bovites;
            } else {
                sor.remove(p, 1);
                sor += bovites + QLatin1Char(';');
            }
            break;
        }
    }
    return ki.join(QLatin1Char('\n'));
}

QString OrderByCsere(const QString& sql, const QString& oszlopok)
{
    return OrderByCsere(SqlSorok(sql), oszlopok);
}

QString WhereCsere(const QString& sql, const QString& feltetel, bool csakElso)
{
    return WhereCsere(SqlSorok(sql), feltetel, csakElso);
}

QString WhereBovit(const QString& sql, const QString& bovites)
{
    return WhereBovit(SqlSorok(sql), bovites);
}
