#include "Beall.h"

#include "KozosDB.h"
#include "IniAllomany.h"
#include "Mappak.h"
#include "Seged.h"

#include <QSqlRecord>

TBeall Beall;
TJog Jog;
QDate AktNap;
int AktMuszak = 0;

void BeallIniOlvas(TBeall& b)
{
    const IniAllomany ini(IniFajl());
    auto egesz = [&](const char* sz, const char* k, int alap) {
        return ini.olvasEgesz(QLatin1String(sz), QLatin1String(k), alap);
    };
    auto logikai = [&](const char* sz, const char* k, bool alap) {
        return ini.olvasLogikai(QLatin1String(sz), QLatin1String(k), alap);
    };
    b.Peldany = egesz("Blokk", "Peldany", 1);
    b.KonyhaBlokkFontSize = egesz("KonyhaBlokk", "KonyhaBlokkFontSize", 8);
    b.KonyhaBlokk60FontSize = egesz("KonyhaBlokk", "KonyhaBlokk60FontSize", 6);
    b.PenzFormatum = ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("PenzFormatum"),
                               QStringLiteral("### ### ##0"));
    b.DbFormatum = ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("DbFormatum"),
                             QStringLiteral("### ### ##0"));
    b.IdoSzinkron = logikai("Alapertek", "IdoSzinkron", false);
    b.TeljesKep = logikai("Alapertek", "TeljesKep", true);
    b.SPrint = logikai("Alapertek", "SPrint", false);
    b.mert = egesz("Alapertek", "mert", 0);
    b.BetuMeret = egesz("Alapertek", "BetuMeret", 9);
    b.KeszitoHonlap =
        ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("KeszitoHonlap")).trimmed();
    b.KeszitoEmail =
        ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("KeszitoEmail")).trimmed();
    b.TulCim = ini.olvas(QStringLiteral("Tulajdonos"), QStringLiteral("TulCim"));
    b.TulTel = ini.olvas(QStringLiteral("Tulajdonos"), QStringLiteral("TulTel"));
    b.Szorzo = ini.olvasSzam(QStringLiteral("Valuta"), QStringLiteral("Szorzo"), 250);
}

QString KeszitoHonlapUrl()
{
    const QString h = Beall.KeszitoHonlap.trimmed();
    if (h.isEmpty() || h.contains(QLatin1String("://")))
        return h;
    return QStringLiteral("https://") + h;
}

QString KeszitoWebCim()
{
    QString h = Beall.KeszitoHonlap.trimmed();
    const qsizetype sema = h.indexOf(QLatin1String("://"));
    if (sema >= 0)
        h = h.mid(sema + 3);
    while (h.endsWith(QLatin1Char('/')))
        h.chop(1);
    return h;
}

QString KeszitoLevelUrl()
{
    const QString e = Beall.KeszitoEmail.trimmed();
    if (e.isEmpty())
        return {};
    return QStringLiteral("mailto:") + e + QStringLiteral("?subject=Vexlo.F%20program");
}

void BeallIniIr(const TBeall& b)
{
    IniAllomany ini(IniFajl());
    auto ir = [&](const char* sz, const char* k, const QString& v) {
        ini.ir(QLatin1String(sz), QLatin1String(k), v);
    };
    auto irL = [&](const char* sz, const char* k, bool v) {
        ir(sz, k, v ? QStringLiteral("1") : QStringLiteral("0"));
    };
    ir("Tulajdonos", "Tulajdonos", b.tulajdonos);
    ir("Tulajdonos", "TulCim", b.TulCim);
    ir("Tulajdonos", "TulTel", b.TulTel);
    ir("Blokk", "Peldany", QString::number(b.Peldany));
    ir("Alapertek", "PenzFormatum", b.PenzFormatum);
    ir("Alapertek", "DbFormatum", b.DbFormatum);
    irL("Alapertek", "IdoSzinkron", b.IdoSzinkron);
    irL("Alapertek", "TeljesKep", b.TeljesKep);
    irL("Alapertek", "SPrint", b.SPrint);
    ir("Alapertek", "mert", QString::number(b.mert));
    ir("Alapertek", "BetuMeret", QString::number(b.BetuMeret));
    ir("Valuta", "Szorzo", QString::number(b.Szorzo, 'g', 15));
    ini.ment();
}

void BeallitRekordOlvas(TBeall& b)
{
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM beallit;"));
    const bool van = q.next();
    const QSqlRecord r = q.record();
    auto v = [&](const char* mezo) {
        const int i = r.indexOf(QLatin1String(mezo));
        return (van && i >= 0) ? q.value(i) : QVariant();
    };
    auto flag = [&](const char* m) { return IgenE(v(m)); };
    auto num = [&](const char* m) { return v(m).isNull() ? 0.0 : v(m).toDouble(); };
    auto egeszM = [&](const char* m) { return v(m).isNull() ? 0 : v(m).toInt(); };
    auto szov = [&](const char* m) { return v(m).isNull() ? QString() : v(m).toString(); };

    b.blokknyomtat = flag("blokknyomtat");
    b.konyhablokknyomtat = flag("konyhablokknyomtat");
    b.vanbeleptetes = flag("vanbeleptetes");
    b.vanfigyelmeztetes = flag("vanfigyelmeztetes");
    b.osszeglatszik = flag("osszeglatszik");
    b.bonuszcikkazon = egeszM("bonuszcikkazon");
    b.elobbnyomkep = flag("elobbnyomkep");
    b.csiliviliblokk = flag("csiliviliblokk");
    b.keskenyblokk = flag("keskenyblokk");
    b.udvozletszoveg = szov("udvozletszoveg");
    b.udvozletszoveg2 = szov("udvozletszoveg2");
    b.afa1 = num("afa1");
    b.afa2 = num("afa2");
    b.afa3 = num("afa3");
    b.muszakdb = egeszM("muszakdb");
    b.stornojelszo = szov("stornojelszo");
    b.kisadagar = num("kisadagar");
    b.vanadossag = flag("vanadossag");
    b.vanvaluta = flag("vanvaluta");
    b.mutatafa = flag("mutatafa");
    b.kedvsor = egeszM("kedvsor");
    b.szervsor = egeszM("szervsor");
    b.kedvnevhez = flag("kedvnevhez");
    b.vanszervizjelszo = flag("vanszervizjelszo");
    b.szervizjelszo = szov("szervizjelszo");
}

void TulajdonosRekordOlvas(TBeall& b)
{
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM tulajdonos;"));
    const bool van = q.next();
    const QSqlRecord r = q.record();
    auto szov = [&](const char* m) {
        const int i = r.indexOf(QLatin1String(m));
        return (van && i >= 0 && !q.value(i).isNull()) ? q.value(i).toString() : QString();
    };
    b.tulajdonos = szov("tulajdonos");
    b.TulCim = szov("irsz") + QLatin1Char(' ') + szov("varos") + QLatin1String(", ") + szov("cim");
    b.irszvaros = szov("irsz") + QLatin1Char(' ') + szov("varos");
    b.cim = szov("cim");
    b.TulTel = szov("telefon");
}
