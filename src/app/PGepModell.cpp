#include "PGepModell.h"

#include "DbHiba.h"
#include "Kapcsolat.h"
#include "Seged.h"

#include <QSqlRecord>

QString PGepModell::sql()
{
    return QStringList{
        QStringLiteral("SELECT"),
        QStringLiteral("  cikkszam.pgepgyujto,"),
        QStringLiteral("  SUM(rendelma.db) AS osszdb,"),
        QStringLiteral("  SUM(rendelma.db * rendelma.ar) AS osszar"),
        QStringLiteral(
            "FROM rendelma INNER JOIN cikkszam ON (rendelma.cikkazon = cikkszam.cikkazon)"),
        QStringLiteral("WHERE (rendelma.fizetve='N') AND (rendelma.asztal=:pasztal1) and "
                       "(rendelma.torolve='N')"),
        QStringLiteral("GROUP BY cikkszam.pgepgyujto"),
        QStringLiteral("UNION ALL"),
        QStringLiteral("SELECT"),
        QStringLiteral("  'Össz:',"),
        QStringLiteral("  SUM(rendelma.db) AS osszdb,"),
        QStringLiteral("  SUM(rendelma.db * rendelma.ar) AS osszar"),
        QStringLiteral("FROM rendelma"),
        QStringLiteral("WHERE (rendelma.fizetve='N') AND (rendelma.asztal=:pasztal2) AND "
                       "(rendelma.torolve='N')"),
        QStringLiteral("ORDER BY 1;"),
    }
        .join(QLatin1Char('\n'));
}

void PGepModell::nyit(int asztal)
{
    QSqlDatabase db = Kapcsolat::fo();
    if (!db.isValid() || !db.isOpen())
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."), sql());
    QSqlQuery q(db);
    if (q.prepare(sql())) {
        q.bindValue(QStringLiteral(":pasztal1"), asztal);
        q.bindValue(QStringLiteral(":pasztal2"), asztal);
        q.exec();
    }
    betolt(std::move(q), sql());
}

QVariant PGepModell::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && (role == Qt::DisplayRole || role == Qt::TextAlignmentRole)) {
        const QString mezoNev = record().fieldName(index.column());
        const bool szam = mezoNev != QLatin1String("pgepgyujto");
        if (role == Qt::TextAlignmentRole)
            return int((szam ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        const QVariant v = QSqlQueryModel::data(index, Qt::EditRole);
        if (v.isNull())
            return QString();
        return szam ? SzamFormat(v.toDouble(), QStringLiteral("### ### ##0")) : v.toString();
    }
    return RacsModell::data(index, role);
}

QVariant PGepModell::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole) {
        const QString n = record().fieldName(section);
        if (n == QLatin1String("pgepgyujto"))
            return QStringLiteral("gyűjtő");
        if (n == QLatin1String("osszar"))
            return QStringLiteral("ár");
    }
    return RacsModell::headerData(section, o, role);
}
