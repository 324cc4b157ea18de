#include "BeallitSor.h"

#include "KozosDB.h"
#include "Seged.h"

#include <QSqlRecord>

namespace
{

QString flag(bool b)
{
    return b ? QStringLiteral("'I'") : QStringLiteral("'N'");
}

QString egeszVagyNull(const QVariant& v)
{
    return v.isNull() ? QStringLiteral("NULL") : QString::number(v.toInt());
}

QString szovegVagyNull(const QString& s)
{
    return s.isEmpty() ? QStringLiteral("NULL") : SqlIdez(s);
}

} // namespace

TBeallitSor BeallitSorOlvas()
{
    TBeallitSor s;
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM beallit;"));
    if (!q.next())
        return s;
    const QSqlRecord r = q.record();
    auto v = [&](const char* m) { return r.value(QLatin1String(m)); };
    auto f = [&](const char* m) { return IgenE(v(m)); };
    auto id = [&](const char* m) { return v(m).isNull() ? QVariant() : QVariant(v(m).toInt()); };

    s.van = true;
    s.beallit = v("beallit").toInt();
    s.blokknyomtat = f("blokknyomtat");
    s.konyhablokknyomtat = f("konyhablokknyomtat");
    s.osszeglatszik = f("osszeglatszik");
    s.vanfigyelmeztetes = f("vanfigyelmeztetes");
    s.elobbnyomkep = f("elobbnyomkep");
    s.csiliviliblokk = f("csiliviliblokk");
    s.keskenyblokk = f("keskenyblokk");
    s.vanszervizjelszo = f("vanszervizjelszo");
    s.vanadossag = f("vanadossag");
    s.vanvaluta = f("vanvaluta");
    s.mutatafa = f("mutatafa");
    s.kedvnevhez = f("kedvnevhez");
    s.pincerkerdez = f("pincerkerdez");
    s.pincerpin = f("pincerpin");
    s.pincernyom = f("pincernyom");
    s.kedvsor = id("kedvsor");
    s.szervsor = id("szervsor");
    s.bonuszcikkazon = id("bonuszcikkazon");
    s.muszakdb = v("muszakdb").toInt();
    s.gombszeles = v("gombszeles").toInt();
    s.afa1 = v("afa1").toDouble();
    s.afa2 = v("afa2").toDouble();
    s.afa3 = v("afa3").toDouble();
    s.szervizjelszo = Szoveg(v("szervizjelszo"));
    s.stornojelszo = Szoveg(v("stornojelszo"));
    s.udvozletszoveg = Szoveg(v("udvozletszoveg"));
    s.udvozletszoveg2 = Szoveg(v("udvozletszoveg2"));
    return s;
}

void BeallitSorMent(const TBeallitSor& s)
{
    const QList<QPair<const char*, QString>> ertekek = {
        {"blokknyomtat", flag(s.blokknyomtat)},
        {"konyhablokknyomtat", flag(s.konyhablokknyomtat)},
        {"osszeglatszik", flag(s.osszeglatszik)},
        {"vanfigyelmeztetes", flag(s.vanfigyelmeztetes)},
        {"elobbnyomkep", flag(s.elobbnyomkep)},
        {"csiliviliblokk", flag(s.csiliviliblokk)},
        {"keskenyblokk", flag(s.keskenyblokk)},
        {"vanszervizjelszo", flag(s.vanszervizjelszo)},
        {"vanadossag", flag(s.vanadossag)},
        {"vanvaluta", flag(s.vanvaluta)},
        {"mutatafa", flag(s.mutatafa)},
        {"kedvnevhez", flag(s.kedvnevhez)},
        {"pincerkerdez", flag(s.pincerkerdez)},
        {"pincerpin", flag(s.pincerpin)},
        {"pincernyom", flag(s.pincernyom)},
        {"kedvsor", egeszVagyNull(s.kedvsor)},
        {"szervsor", egeszVagyNull(s.szervsor)},
        {"bonuszcikkazon", egeszVagyNull(s.bonuszcikkazon)},
        {"muszakdb", QString::number(s.muszakdb)},
        {"gombszeles", QString::number(s.gombszeles)},
        {"afa1", SzamSql(s.afa1)},
        {"afa2", SzamSql(s.afa2)},
        {"afa3", SzamSql(s.afa3)},
        {"szervizjelszo", szovegVagyNull(s.szervizjelszo)},
        {"stornojelszo", szovegVagyNull(s.stornojelszo)},
        {"udvozletszoveg", szovegVagyNull(s.udvozletszoveg)},
        {"udvozletszoveg2", szovegVagyNull(s.udvozletszoveg2)},
    };
    QString sql;
    if (s.van) {
        QString beall;
        for (const auto& [oszlop, ertek] : ertekek)
            beall += (beall.isEmpty() ? QString() : QStringLiteral(",")) + QLatin1String(oszlop) +
                     QLatin1Char('=') + ertek;
        sql = QStringLiteral("UPDATE beallit SET ") + beall + QStringLiteral(" WHERE beallit=") +
              QString::number(s.beallit) + QLatin1Char(';');
    } else {
        QString o = QStringLiteral("beallit");
        QString e = QString::number(s.beallit);
        for (const auto& [oszlop, ertek] : ertekek) {
            o += QLatin1Char(',') + QLatin1String(oszlop);
            e += QLatin1Char(',') + ertek;
        }
        sql = QStringLiteral("INSERT INTO beallit (") + o + QStringLiteral(") VALUES (") + e +
              QStringLiteral(");");
    }
    SqlFuttat(sql);
}

QString CikkNevOlvas(const QVariant& cikkazon)
{
    const int azon = cikkazon.isNull() ? -1 : cikkazon.toInt();
    return SqlSzoveg(QStringLiteral("SELECT cikkszam_nev FROM cikkszam WHERE cikkazon=") +
                         QString::number(azon) + QLatin1Char(';'),
                     QString());
}
