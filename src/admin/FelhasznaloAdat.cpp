#include "FelhasznaloAdat.h"

#include "Azonositas.h"
#include "Jogok.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QSqlRecord>

namespace
{

QString flag(bool b)
{
    return b ? QStringLiteral("'I'") : QStringLiteral("'N'");
}

// Empty text as NULL, as an emptied data-bound edit stores it.
QString szovegVagyNull(const QString& s)
{
    return s.isEmpty() ? QStringLiteral("NULL") : SqlIdez(s);
}

} // namespace

TFelhasznaloAdat FelhasznaloUj()
{
    return TFelhasznaloAdat{};
}

TFelhasznaloAdat FelhasznaloOlvas(const QString& kod, bool* talalt)
{
    TFelhasznaloAdat a;
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM felhasznalo WHERE felhasznalo=") +
                          SqlIdez(kod) + QLatin1Char(';'));
    const bool van = q.next();
    if (talalt)
        *talalt = van;
    if (!van)
        return a;
    const QSqlRecord r = q.record();
    a.felhasznalo = Szoveg(r.value(QStringLiteral("felhasznalo")));
    a.felhasznalo_nev = Szoveg(r.value(QStringLiteral("felhasznalo_nev")));
    a.jelszoNull = r.value(QStringLiteral("jelszo")).isNull() ||
                   Szoveg(r.value(QStringLiteral("jelszo"))).isEmpty();
    JogokOlvas(a, r);
    return a;
}

QString FelhasznaloEllenoriz(const TFelhasznaloAdat& adat, const QString& jelszoIsmet)
{
    if (adat.jelszo.isEmpty() && adat.jelszoNull)
        return QStringLiteral("Hiányos adat megadás");
    if (adat.jelszo != jelszoIsmet)
        return QStringLiteral("Hibás jelszó megadás");
    return {};
}

void FelhasznaloMent(const TFelhasznaloAdat& a, const QString& eredetiKod)
{
    // The columns and their values in the editor's order; a new password is
    // stored as its salted hash.
    QStringList oszlopok = {QStringLiteral("felhasznalo"), QStringLiteral("felhasznalo_nev"),
                            QStringLiteral("jelszo")};
    QStringList ertekek = {szovegVagyNull(a.felhasznalo), szovegVagyNull(a.felhasznalo_nev),
                           a.jelszo.isEmpty() ? QStringLiteral("NULL")
                                              : SqlIdez(JelszoHash(a.jelszo))};
    for (const JogLeiras& j : Jogok) {
        oszlopok << QLatin1String(j.oszlop);
        ertekek << flag(a.*(j.mezo));
    }
    QString sql;
    if (eredetiKod.isEmpty()) {
        sql = QStringLiteral("INSERT INTO felhasznalo (") + oszlopok.join(QLatin1Char(',')) +
              QStringLiteral(") VALUES (") + ertekek.join(QLatin1Char(',')) + QStringLiteral(");");
    } else {
        QStringList s;
        for (int i = 0; i < oszlopok.size(); ++i) {
            // No new password: the stored one stays.
            if (i == 2 && a.jelszo.isEmpty())
                continue;
            s << oszlopok.at(i) + QLatin1Char('=') + ertekek.at(i);
        }
        sql = QStringLiteral("UPDATE felhasznalo SET ") + s.join(QLatin1Char(',')) +
              QStringLiteral(" WHERE felhasznalo=") + SqlIdez(eredetiKod) + QLatin1Char(';');
    }
    SqlFuttat(sql);
}

void FelhasznaloTorol(const QString& kod)
{
    SqlFuttat(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo=") + SqlIdez(kod) +
              QLatin1Char(';'));
}
