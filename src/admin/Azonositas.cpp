#include "Azonositas.h"

#include "Jogok.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QSqlRecord>

namespace
{

// Two codes that differ only in letter case or accents would be equal under
// the table's Hungarian collation, so the server only narrows the search and
// the exact comparison is made here.
std::optional<QSqlRecord> sorKeres(const QString& kod, QSqlQuery& q)
{
    q = SqlNyit(QStringLiteral("SELECT * FROM felhasznalo WHERE felhasznalo=") + SqlIdez(kod) +
                QLatin1Char(';'));
    while (q.next()) {
        const QSqlRecord r = q.record();
        if (r.value(QStringLiteral("felhasznalo")).toString() == kod)
            return r;
    }
    return std::nullopt;
}

} // namespace

std::optional<TJog> Azonosit(const QString& kod, const QString& jelszo)
{
    QSqlQuery q;
    const auto r = sorKeres(kod, q);
    if (!r)
        return std::nullopt;
    const QVariant tarolt = r->value(QStringLiteral("jelszo"));
    if (tarolt.isNull() || tarolt.toString() != jelszo)
        return std::nullopt;

    TJog j;
    JogokOlvas(j, *r);
    j.felhasznalo = r->value(QStringLiteral("felhasznalo")).toString();
    return j;
}

QString BelepesNaploSql(const QString& kod, bool sikeres)
{
    return QStringLiteral("INSERT INTO naplo (felhasznalo,datum,ido,sikeres) VALUES (") +
           SqlIdez(kod) +
           (sikeres ? QStringLiteral(",CURDATE(),CURTIME(),'I');")
                    : QStringLiteral(",CURDATE(),CURTIME(),'N');"));
}

void BelepesNaploz(const QString& kod, bool sikeres)
{
    SqlFuttat(BelepesNaploSql(kod, sikeres));
}

void JelszoCsere(const QString& kod, const QString& ujJelszo)
{
    // The key is unique under the collation, so this hits the one row the
    // credential check found.
    SqlFuttat(QStringLiteral("UPDATE felhasznalo SET jelszo=") + SqlIdez(ujJelszo) +
              QStringLiteral(" WHERE felhasznalo=") + SqlIdez(kod) + QLatin1Char(';'));
}
