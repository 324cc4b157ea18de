#include "rpt_KonyhaBlokk.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "Seged.h"

namespace
{

// A line is 20 screen pixels high, 36 with its comment (0.1 mm below).
constexpr int SorMagas = 53;
constexpr int MegjSorMagas = 95;

RiportDef konyhaBlokk(const KonyhaBlokkAdat& a, bool keskeny)
{
    RiportDef d(a.cimSor, keskeny);
    d.nev = keskeny ? QStringLiteral("qrKonyhaBlokk60") : QStringLiteral("qrKonyhaBlokk");
    d.ido = a.ido;
    d.betu.meret = keskeny ? 7 : 8;
    const int w = d.belsoSzeles();
    const double nagy = keskeny ? 11 : 13;
    d.lapFejlec =
        RSav(190, {RKeret(0, 0, w, 180),
                   RCimke(10, 10, w - 20, 60, a.tulajdonos).kozepre().felkover().meret(nagy),
                   RCimke(10, 75, w - 20, 45, a.cim).kozepre(),
                   RCimke(10, 120, w - 20, 45, a.telefon).kozepre()});
    d.csoportok << RCsoport(
        QStringLiteral("asztal_nev"),
        RSav(70, {RMezo(0, 10, w, 55, QStringLiteral("asztal_nev")).felkover().meret(nagy - 2),
                  RVonal(0, 66, w)}));
    const int dbSzeles = keskeny ? 90 : 120;
    auto vanMegj = [](const RSor& s) {
        return !s.szoveg(QStringLiteral("megjegyzes")).trimmed().isEmpty();
    };
    d.reszlet = RSav(
        SorMagas,
        {RMezo(0, 0, w - dbSzeles, SorMagas, QStringLiteral("cikkszam_nev")).meret(a.betuMeret),
         RMezo(w - dbSzeles, 0, dbSzeles, SorMagas, QStringLiteral("db")).jobbra().felkover(),
         RMezo(20, SorMagas - 5, w - 20, MegjSorMagas - SorMagas, QStringLiteral("megjegyzes"))
             .dolt()
             .ha(vanMegj)});
    d.reszlet.magasFv = [vanMegj](const RSor& s) { return vanMegj(s) ? MegjSorMagas : SorMagas; };
    d.osszesito =
        RSav(150, {RVonal(0, 10, w), RKif(0, 20, w, 40, QStringLiteral("DATETIME")).meret(7),
                   RCimke(0, 60, w, 35, TermekFelirat()).meret(6),
                   RCimke(0, 95, w, 35, KeszitoWebCim()).meret(6)});
    return d;
}

} // namespace

RiportDef TqrKonyhaBlokk(const KonyhaBlokkAdat& a)
{
    return konyhaBlokk(a, false);
}

RiportDef TqrKonyhaBlokk60(const KonyhaBlokkAdat& a)
{
    return konyhaBlokk(a, true);
}

QString KonyhaCim(int n, int asztal, bool keskeny)
{
    QString c = QStringLiteral("KonyhaPld") + SzamFormat(n, QStringLiteral("00"));
    if (!keskeny)
        c += QLatin1Char('-') + SzamFormat(asztal, QStringLiteral("00"));
    return c;
}
