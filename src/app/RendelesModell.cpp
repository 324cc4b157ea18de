#include "RendelesModell.h"

#include "Beall.h"
#include "Seged.h"

#include <QSqlRecord>

QString RendelesModell::alapSql()
{
    return QStringLiteral("SELECT * FROM vw_asztalossz\nWHERE asztal>0;");
}

QString RendelesModell::sql(int asztal)
{
    return WhereCsere(
        alapSql(), QStringLiteral("(asztal=") + QString::number(asztal) + QLatin1Char(')'), true);
}

void RendelesModell::nyit(int asztal)
{
    m_asztal = asztal;
    betolt(sql(asztal));
}

void RendelesModell::frissit()
{
    nyit(m_asztal);
}

QVariant RendelesModell::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && (role == Qt::DisplayRole || role == Qt::TextAlignmentRole)) {
        const QString mezoNev = record().fieldName(index.column());
        const bool szam = mezoNev == QLatin1String("db") || mezoNev == QLatin1String("ar") ||
                          mezoNev == QLatin1String("osszar");
        if (role == Qt::TextAlignmentRole)
            return int((szam ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        const QVariant v = QSqlQueryModel::data(index, Qt::EditRole);
        if (v.isNull())
            return QString();
        if (mezoNev == QLatin1String("db"))
            return SzamFormat(double(KerekitParosra(v.toDouble())), Beall.DbFormatum);
        if (szam)
            return SzamFormat(v.toDouble(), Beall.PenzFormatum);
        return v.toString();
    }
    return RacsModell::data(index, role);
}
