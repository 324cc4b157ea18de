#include "TorzsLeirasok.h"

#include "Hiba.h"
#include "KozosDB.h"
#include "Seged.h"

namespace
{

const QString NincsJog = QStringLiteral("Nincs jogosultság a művelethez.");
const QString NincsJogF = QStringLiteral("Nincs jogosultság a művelethez!");

OszlopLeiras oszlop(const QString& mezo, const QString& cim, double arany = 0, int szeles = 77)
{
    OszlopLeiras o;
    o.mezo = mezo;
    o.cim = cim;
    o.arany = arany;
    o.szeles = szeles;
    return o;
}

OszlopLeiras szamOszlop(const QString& mezo, const QString& cim, const QString& kep,
                        double arany = 0, int szeles = 77)
{
    OszlopLeiras o = oszlop(mezo, cim, arany, szeles);
    o.kep = kep;
    o.jobbra = true;
    return o;
}

OszlopLeiras jelzoOszlop(const QString& mezo, const QString& cim)
{
    OszlopLeiras o = oszlop(mezo, cim);
    o.jelzo = true;
    return o;
}

TablaLeiras egyNevu(const QString& tabla, const QString& cim, const QString& hasznalat,
                    const QString& hasznalatUzenet)
{
    TablaLeiras l;
    l.tabla = tabla;
    l.kulcs = tabla;
    l.nevMezo = tabla + QStringLiteral("_nev");
    l.lista = {QStringLiteral("SELECT * FROM ") + tabla,
               QStringLiteral("ORDER BY ") + l.nevMezo + QLatin1Char(';')};
    l.oszlopok = {oszlop(l.nevMezo, cim)};
    l.hasznalatSql = hasznalat;
    l.hasznalatUzenet = hasznalatUzenet;
    return l;
}

} // namespace

TablaLeiras MertLeiras()
{
    return egyNevu(
        QStringLiteral("mert"), QStringLiteral("mértékegység"),
        QStringLiteral("SELECT CONCAT(gyujto_kod,': ',gyujto_nev) FROM gyujto WHERE (mert="),
        QStringLiteral("A mértékegység használatban van."));
}

TablaLeiras StornoLeiras()
{
    TablaLeiras l = egyNevu(QStringLiteral("storno"), QStringLiteral("sztornó ok"), {}, {});
    l.kulcsMod = KulcsMod::Gepelt;
    l.jogUzenetUj = l.jogUzenetSzerkeszt = l.jogUzenetTorol = NincsJogF;
    return l;
}

TablaLeiras KategoriaLeiras()
{
    TablaLeiras l = egyNevu(
        QStringLiteral("kategoria"), QStringLiteral("kategória"),
        QStringLiteral("SELECT CONCAT(gyujto_kod,': ',gyujto_nev) FROM gyujto WHERE (kategoria="),
        QStringLiteral("A kategória használatban van."));
    l.jogUzenetSzerkeszt = NincsJogF;
    return l;
}

TablaLeiras CikkatLeiras()
{
    TablaLeiras l = egyNevu(
        QStringLiteral("cikkat"), QStringLiteral("kategória"),
        QStringLiteral("SELECT CONCAT(cikkszam,': ',cikkszam_nev) FROM cikkszam WHERE (cikkat="),
        QStringLiteral("A kategória használatban van."));
    l.kulcsMod = KulcsMod::Szerver;
    l.oszlopok << jelzoOszlop(QStringLiteral("vankedvdb"), QStringLiteral("kedv.?"))
               << szamOszlop(QStringLiteral("kedvdb"), QStringLiteral("mennyiségtől"), {})
               << szamOszlop(QStringLiteral("kedvszaz"), QStringLiteral("százalék"), {});
    l.ujErtekek = [] {
        return QVariantMap{{QStringLiteral("vankedvdb"), QStringLiteral("N")},
                           {QStringLiteral("kedvdb"), 0},
                           {QStringLiteral("kedvszaz"), 0}};
    };
    l.jog = JogFajta::Rendszergazda;
    l.jogUzenetUj = l.jogUzenetSzerkeszt = l.jogUzenetTorol = NincsJogF;
    return l;
}

TablaLeiras BesorolasLeiras()
{
    TablaLeiras l = egyNevu(
        QStringLiteral("besorolas"), QStringLiteral("besorolás"),
        QStringLiteral("SELECT CONCAT(cikkszam,': ',cikkszam_nev) FROM cikkszam WHERE (besorolas="),
        QStringLiteral("A besorolás használatban van."));
    l.jog = JogFajta::Rendszergazda;
    l.jogUzenetUj = l.jogUzenetSzerkeszt = l.jogUzenetTorol = NincsJogF;
    return l;
}

TablaLeiras UgyfelLeiras()
{
    TablaLeiras l;
    l.tabla = l.kulcs = QStringLiteral("ugyfel");
    l.nevMezo = QStringLiteral("ugyfel_nev");
    l.puhaTorles = true;
    l.lista = {QStringLiteral("SELECT * FROM ugyfel"), QStringLiteral("WHERE torolve='N'"),
               QStringLiteral("ORDER BY ugyfel;")};
    l.oszlopok = {szamOszlop(QStringLiteral("ugyfel"), QStringLiteral("kártyaszám"),
                             QStringLiteral("00000000"), 0.15),
                  oszlop(QStringLiteral("ugyfel_nev"), QStringLiteral("név"), 0.30),
                  oszlop(QStringLiteral("telefon"), QStringLiteral("telefon"), 0.25),
                  szamOszlop(QStringLiteral("kedv"), QStringLiteral("kedv.%"), {}, 0.10),
                  szamOszlop(QStringLiteral("bonusz"), QStringLiteral("bónusz"), {}, 0.10),
                  szamOszlop(QStringLiteral("osszeg"), QStringLiteral("tartozás"),
                             QStringLiteral("### ### ##0"), 0.10)};
    l.oszlopok[0].jobbra = false;
    l.ujErtekek = [] {
        return QVariantMap{{QStringLiteral("osszeg"), 0.0},
                           {QStringLiteral("torolve"), QStringLiteral("N")}};
    };
    l.jogUzenetUj = l.jogUzenetSzerkeszt = NincsJogF;
    return l;
}

TablaLeiras GyujtoLeiras()
{
    TablaLeiras l;
    l.tabla = l.kulcs = QStringLiteral("gyujto");
    l.nevMezo = QStringLiteral("gyujto_nev");
    l.kulcsMod = KulcsMod::Szerver;
    l.puhaTorles = true;
    l.lista = {
        QStringLiteral("SELECT gyujto.*,kategoria.kategoria_nev,mert.mert_nev"),
        QStringLiteral("FROM gyujto"),
        QStringLiteral(" LEFT OUTER JOIN kategoria ON (gyujto.kategoria=kategoria.kategoria)"),
        QStringLiteral(" LEFT OUTER JOIN mert ON (gyujto.mert=mert.mert)"),
        QStringLiteral("WHERE torolve='N'"),
        QStringLiteral("ORDER BY gyujto_kod;")};
    l.alapFeltetel = QStringLiteral("(gyujto.torolve='N')");
    l.keresoMezok = {QStringLiteral("gyujto.gyujto_kod"), QStringLiteral("gyujto.gyujto_nev")};
    l.oszlopok = {
        oszlop(QStringLiteral("gyujto_kod"), QStringLiteral("kód"), 0.15),
        oszlop(QStringLiteral("gyujto_nev"), QStringLiteral("megnevezés"), 0.25),
        oszlop(QStringLiteral("kategoria_nev"), QStringLiteral("kategória"), 0.15),
        oszlop(QStringLiteral("mert_nev"), QStringLiteral("mért.egys."), 0.15),
        szamOszlop(QStringLiteral("minkeszlet"), QStringLiteral("min.készlet"), Beall.DbFormatum,
                   0.10),
        szamOszlop(QStringLiteral("db"), QStringLiteral("készlet"), Beall.DbFormatum, 0.10),
        szamOszlop(QStringLiteral("ar"), QStringLiteral("besz.ár"), Beall.PenzFormatum, 0.10),
        jelzoOszlop(QStringLiteral("kelldb"), QStringLiteral("klt.köv?"))};
    for (OszlopLeiras& o : l.oszlopok)
        if (!o.mezo.endsWith(QLatin1String("_nev")) || o.mezo == QLatin1String("gyujto_nev"))
            o.rendezes = QStringLiteral("gyujto.") + o.mezo;
    l.ujErtekek = [] {
        return QVariantMap{{QStringLiteral("mert"), Beall.mert},
                           {QStringLiteral("db"), 0.0},
                           {QStringLiteral("afakulcs"), Beall.afa1},
                           {QStringLiteral("torolve"), QStringLiteral("N")},
                           {QStringLiteral("kelldb"), QStringLiteral("I")},
                           {QStringLiteral("minkeszlet"), 1.0}};
    };
    return l;
}

TablaLeiras CikkszamLeiras()
{
    TablaLeiras l;
    l.tabla = QStringLiteral("cikkszam");
    l.kulcs = QStringLiteral("cikkazon");
    l.nevMezo = QStringLiteral("cikkszam_nev");
    l.puhaTorles = true;
    // Only the columns the list and its callers use: a price list can be
    // long, and every column of every row crosses the network.
    l.lista = {QStringLiteral("SELECT"),
               QStringLiteral(" cikkszam.cikkazon,cikkszam.cikkszam,cikkszam.cikkszam_nev,"
                              "cikkszam.ar,cikkszam.ar2,cikkszam.ar3,cikkszam.kellar,"
                              "cikkszam.vankedv,cikkszam.vanszerviz,cikkszam.aktiv,"
                              "cikkszam.cikkat,"),
               QStringLiteral(" cikkat.cikkat_nev"),
               QStringLiteral("FROM cikkszam"),
               QStringLiteral(" LEFT OUTER JOIN cikkat ON (cikkszam.cikkat=cikkat.cikkat)"),
               QStringLiteral("WHERE torolve='N'"),
               QStringLiteral("ORDER BY cikkszam;")};
    l.oszlopok = {
        oszlop(QStringLiteral("cikkszam"), QStringLiteral("kód"), 0.15),
        oszlop(QStringLiteral("cikkszam_nev"), QStringLiteral("megnevezés"), 0.40),
        oszlop(QStringLiteral("cikkat_nev"), QStringLiteral("kategória"), 0.15),
        szamOszlop(QStringLiteral("ar"), QStringLiteral("ár"), Beall.PenzFormatum, 0.10),
        szamOszlop(QStringLiteral("ar2"), QStringLiteral("ár 2."), Beall.PenzFormatum, 0.10),
        szamOszlop(QStringLiteral("ar3"), QStringLiteral("ár 3."), Beall.PenzFormatum, 0.10),
        jelzoOszlop(QStringLiteral("kellar"), QStringLiteral("ár megad")),
        jelzoOszlop(QStringLiteral("vankedv"), QStringLiteral("van kedv.")),
        jelzoOszlop(QStringLiteral("vanszerviz"), QStringLiteral("szervizdíj?")),
        jelzoOszlop(QStringLiteral("aktiv"), QStringLiteral("rendelhető?"))};
    for (OszlopLeiras& o : l.oszlopok)
        if (o.mezo != QLatin1String("cikkat_nev"))
            o.rendezes = QStringLiteral("cikkszam.") + o.mezo;
    l.ujErtekek = [] {
        const QString N = QStringLiteral("N"), I = QStringLiteral("I"), nulla = QStringLiteral("0");
        return QVariantMap{
            {QStringLiteral("mert"), Beall.mert}, {QStringLiteral("ar"), 0.0},
            {QStringLiteral("ar2"), 0.0},         {QStringLiteral("ar3"), 0.0},
            {QStringLiteral("torolve"), N},       {QStringLiteral("kellar"), N},
            {QStringLiteral("vankedv"), I},       {QStringLiteral("vanszerviz"), I},
            {QStringLiteral("aktiv"), I},         {QStringLiteral("port1"), nulla},
            {QStringLiteral("port2"), nulla},     {QStringLiteral("port3"), nulla},
            {QStringLiteral("port4"), nulla},     {QStringLiteral("afakulcs"), Beall.afa1},
            {QStringLiteral("szin"), 0},          {QStringLiteral("ezetel"), N},
            {QStringLiteral("gyorsanfogy"), N},   {QStringLiteral("ezszobadij"), N},
            {QStringLiteral("szorfelnott"), N},   {QStringLiteral("szorgyermek"), N},
            {QStringLiteral("szornap"), N}};
    };
    return l;
}

TablaLeiras AsztalLeiras()
{
    TablaLeiras l;
    l.tabla = l.kulcs = QStringLiteral("asztal");
    l.nevMezo = QStringLiteral("asztal_nev");
    l.lista = {QStringLiteral("SELECT"),
               QStringLiteral(" asztal.*,"),
               QStringLiteral(" terem.terem_nev"),
               QStringLiteral("FROM asztal"),
               QStringLiteral(" LEFT OUTER JOIN terem ON (asztal.terem=terem.terem)"),
               QStringLiteral("ORDER BY asztal.asztal_nev;")};
    l.oszlopok = {oszlop(QStringLiteral("asztal_nev"), QStringLiteral("fodrász")),
                  szamOszlop(QStringLiteral("arkat"), QStringLiteral("árkategória"), {}),
                  jelzoOszlop(QStringLiteral("mostfizet"), QStringLiteral("azonnal fizet"))};
    l.oszlopok[1].jobbra = false;
    l.oszlopok[2].szeles = 100;
    for (OszlopLeiras& o : l.oszlopok)
        o.rendezes = QStringLiteral("asztal.") + o.mezo;
    l.ujErtekek = [] {
        const QString N = QStringLiteral("N");
        return QVariantMap{{QStringLiteral("foglalt"), N},     {QStringLiteral("pincer"), 0},
                           {QStringLiteral("kiszallitas"), N}, {QStringLiteral("szoba"), N},
                           {QStringLiteral("mostfizet"), N},   {QStringLiteral("arkat"), 1},
                           {QStringLiteral("hitelre"), N},     {QStringLiteral("ugyfel"), 0},
                           {QStringLiteral("w"), 200},         {QStringLiteral("h"), 100}};
    };
    // New buttons appear staggered down and to the right.
    l.kulcsKapott = [](QVariantMap& e, int n) {
        e.insert(QStringLiteral("l"), 5 * n);
        e.insert(QStringLiteral("t"), 3 * n);
    };
    return l;
}

bool UgyfelTorolheto(double tartozas)
{
    return KerekitParosra(tartozas) == 0;
}

void UgyfelTorleszt(int ugyfel, double osszeg)
{
    if (!(osszeg > 0))
        throw Hiba(QStringLiteral("A törlesztés összege nullánál nagyobb kell legyen."));
    SqlFuttat(QStringLiteral("CALL sp_hitelad(-1,'M',") + QString::number(ugyfel) +
              QStringLiteral(",") + SqlIdez(QStringLiteral("Törlesztés")) + QLatin1Char(',') +
              SzamSql(osszeg) + QStringLiteral(");"));
}

QString GyujtoOsszesito()
{
    const int db = SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM gyujto WHERE torolve='N';"), 0);
    const double ertek =
        SqlSzam(QStringLiteral("SELECT SUM(ar*db) FROM gyujto WHERE torolve='N';"), 0);
    const QString kep = QStringLiteral("### ### ##0");
    return QStringLiteral("Összesen ") + SzamFormat(db, kep) +
           QStringLiteral(" tétel. Teljes érték: ") + SzamFormat(ertek, kep);
}

void ReceptSorUj(int cikkazon, int gyujto, double db)
{
    SqlFuttat(QStringLiteral("INSERT IGNORE INTO cikkgyujto (cikkazon,gyujto,db) VALUES (") +
              QString::number(cikkazon) + QLatin1Char(',') + QString::number(gyujto) +
              QLatin1Char(',') + SzamSql(db) + QStringLiteral(");"));
}

void ReceptSorTorol(int cikkazon, int gyujto)
{
    SqlFuttat(QStringLiteral("DELETE FROM cikkgyujto WHERE (cikkazon=") +
              QString::number(cikkazon) + QStringLiteral(") AND (gyujto=") +
              QString::number(gyujto) + QStringLiteral(");"));
}

int CikkMasol(int cikkazon, const QString& ujKod)
{
    // The procedure gives the copy's key as its result.
    return SqlEgesz(QStringLiteral("CALL sp_ujcikkmasikbol(") + QString::number(cikkazon) +
                        QLatin1Char(',') + SqlIdez(ujKod) + QStringLiteral(");"),
                    -1);
}

QList<BekerulesSor> BekerulesAdatok()
{
    QList<BekerulesSor> l;
    QSqlQuery q = SqlNyit(QStringLiteral(
        "SELECT\n cikkszam.cikkszam,\n cikkszam.cikkszam_nev,\n cikkszam.ar AS eladas,\n"
        " SUM(cikkgyujto.db * gyujto.ar) AS bekerules\nFROM cikkszam\n"
        " LEFT OUTER JOIN cikkgyujto ON (cikkszam.cikkazon = cikkgyujto.cikkazon)\n"
        " LEFT OUTER JOIN gyujto ON (cikkgyujto.gyujto = gyujto.gyujto)\n"
        "GROUP BY cikkszam.cikkszam, cikkszam.cikkszam_nev, cikkszam.ar;"));
    while (q.next())
        l << BekerulesSor{q.value(0).toString(), q.value(1).toString(),
                          q.value(3).isNull() ? 0.0 : q.value(3).toDouble(),
                          q.value(2).isNull() ? 0.0 : q.value(2).toDouble()};
    return l;
}

int RacsraIgazit(int ertek)
{
    const int m = ((ertek % 10) + 10) % 10;
    return ertek - m + (m >= 5 ? 10 : 0);
}

QString AdossagSql(int ugyfel)
{
    return QStringLiteral(
               "SELECT\n"
               "  ugyfel_ados.ugyfel_ados,\n"
               "  ugyfel_ados.ugyfel,\n"
               "  ugyfel.ugyfel_nev,\n"
               "  ugyfel.telefon,\n"
               "  CONCAT(COALESCE(ugyfel.ugyfel_nev,''),' (',COALESCE(ugyfel.telefon,''),')') AS "
               "ugyftel,\n"
               "  ugyfel_ados.hiteltip,\n"
               "  ugyfel_ados.datum,\n"
               "  ugyfel_ados.blokk,\n"
               "  ugyfel_ados.osszeg,\n"
               "  IF(ugyfel_ados.hiteltip='P',ugyfel_ados.osszeg,0.0) novel,\n"
               "  IF(ugyfel_ados.hiteltip='M',ugyfel_ados.osszeg*-1,0.0) csokkent,\n"
               "  ugyfel.osszeg AS tartozas\n"
               "FROM ugyfel_ados\n"
               "  INNER JOIN ugyfel ON (ugyfel_ados.ugyfel = ugyfel.ugyfel)\n"
               "WHERE ugyfel_ados.ugyfel = ") +
           QString::number(ugyfel) + QStringLiteral("\nORDER BY ugyfel_ados.ugyfel_ados DESC;");
}

QStringList AdossagNyomtatSorok(int ugyfel)
{
    QStringList l;
    QSqlQuery q = SqlNyit(AdossagSql(ugyfel));
    while (q.next()) {
        const QString tip = q.value(QStringLiteral("hiteltip")).toString();
        if (tip == QLatin1String("P")) {
            QString b = q.value(QStringLiteral("blokk")).toString();
            b.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            l << b.split(QLatin1Char('\n'));
        } else if (tip == QLatin1String("M")) {
            l << QString()
              << QStringLiteral("Törlesztés: ") +
                     q.value(QStringLiteral("datum"))
                         .toDate()
                         .toString(QStringLiteral("yyyy.MM.dd")) +
                     QStringLiteral("  ") + SzamSzoveg(q.value(QStringLiteral("osszeg")).toDouble())
              << QString();
        }
    }
    return l;
}
