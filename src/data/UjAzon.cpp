#include "UjAzon.h"

#include "DbHiba.h"
#include "KozosDB.h"

namespace
{

int kovetkezo(const QString& tabla, const QString& kulcs, QSqlDatabase db)
{
    return SqlEgesz(QLatin1String("SELECT MAX(") + kulcs + QLatin1String(") AS maxid FROM ") +
                        tabla + QLatin1Char(';'),
                    0, db) +
           1;
}

} // namespace

bool KulcsUtkozes(int kod, const QString& uzenet)
{
    if (kod == 1213)
        return true;
    // MariaDB names the key 'PRIMARY', MySQL 8 'table.PRIMARY'.
    return kod == 1062 && uzenet.contains(QLatin1String("PRIMARY"), Qt::CaseInsensitive);
}

int UjSorBeszur(const QString& tabla, const QString& kulcs,
                const std::function<QString(int)>& insertSql, int elso, QSqlDatabase db)
{
    int n = elso > 0 ? elso : kovetkezo(tabla, kulcs, db);
    for (int probalkozas = 0;; ++probalkozas) {
        try {
            SqlFuttat(insertSql(n), db);
            return n;
        } catch (const DbHiba& h) {
            if (!KulcsUtkozes(h.kod(), h.uzenet()) || probalkozas >= 50)
                throw;
        }
        n = qMax(n + 1, kovetkezo(tabla, kulcs, db));
    }
}
