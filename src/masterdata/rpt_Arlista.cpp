#include "rpt_Arlista.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "RiportKiad.h"

namespace
{

// 13 pixels at 96 dpi.
constexpr double CimPont = 10;

RSav lablecSav(int w, const QString& nev)
{
    return RSav(130, {RVonal(0, 0, w).vonalVastag(1),
                      RCimke(0, 10, w / 2, 35, QStringLiteral("Vexlo V") + ProgramVerzio).meret(6),
                      RKif(w / 2, 10, w - w / 2, 35, QStringLiteral("DATETIME")).jobbra().meret(6),
                      RCimke(0, 50, w / 2, 35, nev).meret(6),
                      RCimke(w / 2, 50, w - w / 2, 35, KeszitoWebCim()).jobbra().meret(6)});
}

} // namespace

RiportDef TqrArlista(bool keskeny)
{
    RiportDef d(QStringLiteral("Árlista"), keskeny);
    d.nev = keskeny ? QStringLiteral("qrArlista60") : QStringLiteral("qrArlista");
    d.forras.eljaras = QStringLiteral("sp_arlista");
    const int w = d.belsoSzeles();
    const int arW = keskeny ? 130 : 160;
    const int kodW = keskeny ? 100 : 130;
    d.lapFejlec = RSav(110, {RCimke(0, 0, w, 55, d.cim).felkover().meret(CimPont).kozepre(),
                             RCimke(0, 65, kodW, 35, QStringLiteral("kód")).dolt(),
                             RCimke(kodW, 65, w - kodW - arW, 35, QStringLiteral("tétel")).dolt(),
                             RCimke(w - arW, 65, arW, 35, QStringLiteral("ár")).dolt().jobbra(),
                             RVonal(0, 104, w).vonalVastag(1)});
    d.csoportok << RCsoport(
        QStringLiteral("cikkat_nev"),
        RSav(50, {RMezo(0, 8, w, 40, QStringLiteral("cikkat_nev")).felkover()}));
    d.reszlet = RSav(45, {RMezo(0, 2, kodW - 5, 38, QStringLiteral("cikkszam")),
                          RMezo(kodW, 2, w - kodW - arW, 38, QStringLiteral("cikkszam_nev")),
                          RMezo(w - arW, 2, arW, 38, QStringLiteral("ar"), PenzKep).jobbra(),
                          RVonal(0, 43, w).vonalVastag(1)});
    d.osszesito = lablecSav(w, d.nev);
    return d;
}

RiportDef TqrGyujto()
{
    RiportDef d(QStringLiteral("Pillanatnyi készletek"));
    d.nev = QStringLiteral("qrGyujto");
    d.forras.sql = {
        QStringLiteral("SELECT"),
        QStringLiteral(" gyujto.*,"),
        QStringLiteral(" kategoria.kategoria_nev,"),
        QStringLiteral(" gyujto.ar*gyujto.db AS ertek"),
        QStringLiteral("FROM gyujto"),
        QStringLiteral(" LEFT OUTER JOIN kategoria ON (gyujto.kategoria=kategoria.kategoria)"),
        QStringLiteral("WHERE gyujto.torolve='N'"),
        QStringLiteral("ORDER BY kategoria.kategoria_nev,gyujto.gyujto_kod;")};
    const int w = d.belsoSzeles();
    // code, name, price, quantity, value
    const int k = 110, ar = 120, db = 120, ertek = 140, nev = w - k - ar - db - ertek;
    d.lapFejlec =
        RSav(110, {RCimke(0, 0, w - 250, 55, d.cim).felkover().meret(CimPont),
                   RKif(w - 250, 0, 250, 55, QStringLiteral("DATETIME")).jobbra().meret(6),
                   RCimke(0, 65, k, 35, QStringLiteral("kód")).dolt(),
                   RCimke(k, 65, nev, 35, QStringLiteral("név")).dolt(),
                   RCimke(w - db - ertek, 65, db, 35, QStringLiteral("mennyiség")).dolt().jobbra(),
                   RVonal(0, 104, w).vonalVastag(1)});
    const QString osszes =
        QStringLiteral("COUNT+' tétel, érték: '+FORMATNUMERIC('### ### ##0.00',SUM(Qry.ertek))");
    d.csoportok << RCsoport(
        QStringLiteral("kategoria"),
        RSav(50, {RMezo(0, 8, w, 40, QStringLiteral("kategoria_nev")).felkover()}),
        RSav(50, {RKif(0, 5, w, 40, QStringLiteral("'Összesen: '+") + osszes).jobbra()}));
    d.reszlet = RSav(42, {RMezo(0, 2, k - 5, 38, QStringLiteral("gyujto_kod")),
                          RMezo(k, 2, nev - 5, 38, QStringLiteral("gyujto_nev")),
                          RMezo(k + nev, 2, ar, 38, QStringLiteral("ar"), DbKep).jobbra(),
                          RMezo(k + nev + ar, 2, db, 38, QStringLiteral("db"), DbKep).jobbra(),
                          RMezo(w - ertek, 2, ertek, 38, QStringLiteral("ertek"), DbKep).jobbra()});
    RSav o = lablecSav(w, d.nev);
    for (RElem& e : o.elemek)
        e.y += 50;
    o.magas += 50;
    o.elemek.prepend(
        RKif(0, 5, w, 40, QStringLiteral("'Mindösszesen: '+") + osszes).jobbra().felkover());
    d.osszesito = o;
    return d;
}

void ArlistaNyomtat(QWidget* szulo)
{
    HibaKezel(szulo, [&] { RiportFuttat(TqrArlista(Beall.keskenyblokk), szulo); });
}
