#include "FelhasznaloAdat.h"

#include "Azonositas.h"
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
    auto f = [&](const char* m) { return IgenE(r.value(QLatin1String(m))); };
    a.felhasznalo = Szoveg(r.value(QStringLiteral("felhasznalo")));
    a.felhasznalo_nev = Szoveg(r.value(QStringLiteral("felhasznalo_nev")));
    a.jelszoNull = r.value(QStringLiteral("jelszo")).isNull() ||
                   Szoveg(r.value(QStringLiteral("jelszo"))).isEmpty();
    a.rendszergazda = f("rendszergazda");
    a.torzsszerkeszt = f("torzsszerkeszt");
    a.napzar = f("napzar");
    a.nyomtathat = f("nyomtathat");
    a.bevetelezes = f("bevetelezes");
    a.selejtezes = f("selejtezes");
    a.kiadas = f("kiadas");
    a.kasszanez = f("kasszanez");
    a.kedvezmenytadhat = f("kedvezmenytadhat");
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
    const QString ertekek[] = {
        szovegVagyNull(a.felhasznalo),
        szovegVagyNull(a.felhasznalo_nev),
        a.jelszo.isEmpty() ? QStringLiteral("NULL") : SqlIdez(JelszoHash(a.jelszo)),
        flag(a.rendszergazda),
        flag(a.torzsszerkeszt),
        flag(a.napzar),
        flag(a.nyomtathat),
        flag(a.bevetelezes),
        flag(a.selejtezes),
        flag(a.kiadas),
        flag(a.kasszanez),
        flag(a.kedvezmenytadhat),
    };
    static const char* const oszlopok[] = {
        "felhasznalo",    "felhasznalo_nev", "jelszo",     "rendszergazda",
        "torzsszerkeszt", "napzar",          "nyomtathat", "bevetelezes",
        "selejtezes",     "kiadas",          "kasszanez",  "kedvezmenytadhat",
    };
    QString sql;
    if (eredetiKod.isEmpty()) {
        QString o, e;
        for (int i = 0; i < 12; ++i) {
            o += (i ? QStringLiteral(",") : QString()) + QLatin1String(oszlopok[i]);
            e += (i ? QStringLiteral(",") : QString()) + ertekek[i];
        }
        sql = QStringLiteral("INSERT INTO felhasznalo (") + o + QStringLiteral(") VALUES (") + e +
              QStringLiteral(");");
    } else {
        QString s;
        for (int i = 0; i < 12; ++i) {
            // No new password: the stored one stays.
            if (i == 2 && a.jelszo.isEmpty())
                continue;
            s += (s.isEmpty() ? QString() : QStringLiteral(",")) + QLatin1String(oszlopok[i]) +
                 QLatin1Char('=') + ertekek[i];
        }
        sql = QStringLiteral("UPDATE felhasznalo SET ") + s +
              QStringLiteral(" WHERE felhasznalo=") + SqlIdez(eredetiKod) + QLatin1Char(';');
    }
    SqlFuttat(sql);
}

void FelhasznaloTorol(const QString& kod)
{
    SqlFuttat(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo=") + SqlIdez(kod) +
              QLatin1Char(';'));
}
