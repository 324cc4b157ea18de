#include "AsztalModell.h"

#include "Seged.h"

#include <QSqlRecord>

QString AsztalModell::sql()
{
    return QStringLiteral("SELECT * FROM vw_asztal;");
}

void AsztalModell::nyit()
{
    betolt(sql());
}

int AsztalModell::asztal(int sor) const
{
    const QVariant v = mezo(sor, QStringLiteral("asztal"));
    return v.isNull() ? 0 : v.toInt();
}

QString AsztalModell::nev(int sor) const
{
    return Szoveg(mezo(sor, QStringLiteral("asztal_nev")));
}

QStringList AsztalModell::nevek() const
{
    QStringList l;
    for (int i = 0; i < rowCount(); ++i)
        l << nev(i);
    return l;
}

QVariant AsztalModell::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.isValid()) {
        const QVariant v = QSqlQueryModel::data(index, Qt::EditRole);
        const QString mezoNev = record().fieldName(index.column());
        if (v.isNull())
            return QString();
        if (mezoNev == QLatin1String("osszar"))
            return SzamFormat(v.toDouble(), QStringLiteral("### ### ##0"));
        if (mezoNev == QLatin1String("leul"))
            return DatumFormat(v.toDateTime(), QStringLiteral("hh:nn"));
        return v.toString();
    }
    if (role == Qt::TextAlignmentRole && index.isValid()) {
        if (record().fieldName(index.column()) == QLatin1String("osszar"))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return RacsModell::data(index, role);
}

QVariant AsztalModell::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole &&
        record().fieldName(section) == QLatin1String("osszar"))
        return QStringLiteral("Összesen");
    return RacsModell::headerData(section, o, role);
}
