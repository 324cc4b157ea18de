#include "RacsModell.h"

#include "DbHiba.h"
#include "Kapcsolat.h"

#include <QSqlError>
#include <QSqlRecord>

QVariant RacsModell::mezo(int sor, const QString& nev) const
{
    const int o = oszlop(nev);
    if (sor < 0 || sor >= rowCount() || o < 0)
        return QVariant();
    return record(sor).value(o);
}

int RacsModell::oszlop(const QString& nev) const
{
    return record().indexOf(nev);
}

int RacsModell::keres(const QString& nev, qlonglong ertek) const
{
    const int o = oszlop(nev);
    if (o < 0)
        return -1;
    for (int i = 0; i < rowCount(); ++i) {
        const QVariant v = record(i).value(o);
        if (!v.isNull() && v.toLongLong() == ertek)
            return i;
    }
    return -1;
}

void RacsModell::bezar()
{
    clear();
    m_nyitva = false;
}

void RacsModell::betolt(QSqlQuery&& q, const QString& sql)
{
    if (q.lastError().isValid()) {
        const DbHiba h = DbHiba::driverbol(q.lastError(), sql);
        bezar();
        throw h;
    }
    setQuery(std::move(q));
    if (lastError().isValid()) {
        const DbHiba h = DbHiba::driverbol(lastError(), sql);
        bezar();
        throw h;
    }
    // The grids are small: every row is fetched at once, so row lookups
    // and the drawing see the whole list.
    while (canFetchMore())
        fetchMore();
    m_nyitva = true;
}

void RacsModell::betolt(const QString& sql)
{
    QSqlDatabase db = Kapcsolat::fo();
    if (!db.isValid() || !db.isOpen()) {
        bezar();
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."), sql);
    }
    QSqlQuery q(db);
    q.exec(sql);
    betolt(std::move(q), sql);
}
