#include "EloModell.h"

#include "DbHiba.h"
#include "Kapcsolat.h"
#include "Seged.h"

QString EloModell::sql()
{
    return QStringList{
        QStringLiteral("SELECT"),
        QStringLiteral(" ora.ora,"),
        QStringLiteral(
            " CONCAT(LPAD(ora.ora DIV 2,2,'0'),':',IF(ora.ora MOD 2 = 0,'00','30')) ora2,"),
        QStringLiteral(" elojegyzes.elojegyzes,"),
        QStringLiteral(" elojegyzes.azon,"),
        QStringLiteral(" elojegyzes.asztal,"),
        QStringLiteral(" elojegyzes.datum,"),
        QStringLiteral(" elojegyzes.szoveg,"),
        QStringLiteral(" elojegyzes.nev"),
        QStringLiteral("FROM ora"),
        QStringLiteral(" LEFT JOIN elojegyzes ON (ora.ora = elojegyzes.ora) AND (elojegyzes.asztal "
                       "= :pasztal) AND (elojegyzes.datum = :pdatum)"),
        QStringLiteral("ORDER BY ora.ora;"),
    }
        .join(QLatin1Char('\n'));
}

void EloModell::nyit(int asztal, const QDate& nap)
{
    m_asztal = asztal;
    m_nap = nap;
    QSqlDatabase db = Kapcsolat::fo();
    if (!db.isValid() || !db.isOpen())
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."), sql());
    QSqlQuery q(db);
    if (q.prepare(sql())) {
        q.bindValue(QStringLiteral(":pasztal"), asztal);
        q.bindValue(QStringLiteral(":pdatum"), nap);
        q.exec();
    }
    betolt(std::move(q), sql());
}

void EloModell::frissit()
{
    nyit(m_asztal, m_nap);
}

int EloModell::azon(int sor) const
{
    const QVariant v = mezo(sor, QStringLiteral("azon"));
    return v.isNull() ? 0 : v.toInt();
}

int EloModell::elojegyzes(int sor) const
{
    const QVariant v = mezo(sor, QStringLiteral("elojegyzes"));
    return v.isNull() ? 0 : v.toInt();
}

int EloModell::ora(int sor) const
{
    return mezo(sor, QStringLiteral("ora")).toInt();
}

QString EloModell::ora2(int sor) const
{
    return Szoveg(mezo(sor, QStringLiteral("ora2")));
}
