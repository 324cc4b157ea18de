#include "rpt_NyomBlokk.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "Seged.h"

namespace
{

// A row is 33 screen pixels high, 46 with its comment (0.1 mm below).
constexpr int SorMagas = 87;
constexpr int MegjSorMagas = 122;

bool vanMegj(const RSor& s)
{
    return !s.szoveg(QStringLiteral("megjegyzes")).trimmed().isEmpty();
}

void szamitottMezok(RiportDef& d, double szorzo)
{
    d.szamitott << RSzamitott{QStringLiteral("earstr"), [](const RSor& s) -> QVariant {
                                  return SzamFormat(s.szam(QStringLiteral("ar")), PenzKep) +
                                         QStringLiteral(" X ") +
                                         SzamFormat(s.szam(QStringLiteral("osszdb")), PenzKep);
                              }};
    d.szamitott << RSzamitott{QStringLiteral("afa"), [](const RSor& s) -> QVariant {
                                  return s.szam(QStringLiteral("brutto")) -
                                         s.szam(QStringLiteral("netto"));
                              }};
    d.szamitott << RSzamitott{QStringLiteral("euro"), [szorzo](const RSor& s) -> QVariant {
                                  return szorzo == 0 ? 0.0
                                                     : s.szam(QStringLiteral("brutto")) / szorzo;
                              }};
}

// The totals in a frame, the greetings, the warnings and the closing lines.
RSav osszesito(const NyomBlokkAdat& a, int w, bool keskeny)
{
    RSav s;
    int y = 10;
    const int szam = keskeny ? 220 : 300;
    auto sor = [&](const QString& cimke, const QString& kif, int h, double meret, bool felkover) {
        s.elemek << RCimke(10, y, w - szam - 20, h, cimke).meret(meret).felkover(felkover);
        s.elemek << RKif(w - szam - 10, y, szam, h, kif).jobbra().meret(meret).felkover(felkover);
        y += h;
    };
    if (a.mutatafa) {
        sor(QStringLiteral("nettó"), QStringLiteral("FORMATNUMERIC('### ### ##0',SUM(Qry.netto))"),
            40, 0, false);
        sor(QStringLiteral("áfa"), QStringLiteral("FORMATNUMERIC('### ### ##0',SUM(Qry.afa))"), 40,
            0, false);
    }
    if (a.vanvaluta)
        sor(QStringLiteral("€"), QStringLiteral("FORMATNUMERIC('### ### ##0.00',SUM(Qry.euro))"),
            40, 0, false);
    sor(QStringLiteral("fizetendő"), QStringLiteral("FORMATNUMERIC('### ### ##0',SUM(Qry.brutto))"),
        65, keskeny ? 11 : 13, true);
    s.elemek.prepend(RKeret(0, 0, w, y + 10));
    y += 30;
    for (const QString& u : {a.udvozlet, a.udvozlet2}) {
        if (u.isEmpty())
            continue;
        s.elemek << RCimke(0, y, w, 40, u).kozepre();
        y += 40;
    }
    if (a.vanfigyelmeztetes) {
        y += 10;
        s.elemek << RCimke(0, y, w, 32, QStringLiteral("KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT"))
                        .kozepre()
                        .felkover()
                        .meret(6);
        s.elemek << RCimke(0, y + 32, w, 32, QStringLiteral("NOT VALID FOR CASH PAYMENT"))
                        .kozepre()
                        .felkover()
                        .meret(6);
        y += 64;
    }
    y += 15;
    s.elemek << RKif(0, y, w, 30, QStringLiteral("DATETIME")).meret(6);
    s.elemek << RCimke(0, y + 30, w, 30, TermekFelirat()).meret(6);
    s.elemek << RCimke(0, y + 60, w, 30, KeszitoWebCim()).meret(6);
    y += 90;
    if (keskeny) {
        // Feeds the paper past the tear bar.
        s.elemek << RCimke(0, y + 20, w, 30, QStringLiteral("."));
        y += 50;
    }
    s.magas = y + 10;
    return s;
}

} // namespace

QString NyomBlokkCim(int sorszam)
{
    return QStringLiteral("Vexlo.F") + SzamFormat(sorszam, QStringLiteral("00000"));
}

QString NyomBlokkLekerdezes(int asztal, int rendeles)
{
    const QString feltetel = rendeles == -1 ? QStringLiteral("(asztal=") + QString::number(asztal) +
                                                  QStringLiteral(") AND (fizetve='N')")
                                            : QStringLiteral("(rendeles=") +
                                                  QString::number(rendeles) + QLatin1Char(')');
    return WhereCsere(QStringList{QStringLiteral("SELECT * FROM vw_nyomblokk"),
                                  QStringLiteral("WHERE asztal=1;")},
                      feltetel, true);
}

RiportDef TqrNyomBlokk(const NyomBlokkAdat& a)
{
    RiportDef d(NyomBlokkCim(a.sorszam));
    d.nev = QStringLiteral("qrNyomBlokk");
    d.ido = a.ido;
    szamitottMezok(d, a.szorzo);
    const int w = d.belsoSzeles();
    d.lapFejlec = RSav(
        260, {RKeret(0, 0, 200, 200), RKeret(210, 0, w - 210, 200),
              RCimke(220, 25, w - 230, 55, a.tulajdonos).kozepre().felkover().meret(11),
              RCimke(220, 85, w - 230, 45, a.cim).kozepre(),
              RCimke(220, 130, w - 230, 45, a.telefon).kozepre(),
              RCimke(0, 210, w, 40,
                     QStringLiteral("sorszám: ") + SzamFormat(a.sorszam, QStringLiteral("00000")))
                  .meret(7)});
    if (!a.logo.isNull())
        d.lapFejlec.elemek.insert(1, RKepElem(10, 10, 180, 180, a.logo));
    d.reszlet = RSav(
        SorMagas,
        {RMezo(0, 5, w - 200, 40, QStringLiteral("cikkszam_nev")),
         RMezo(40, 45, w - 240, 35, QStringLiteral("earstr")).meret(7),
         RMezo(w - 200, 5, 200, 40, QStringLiteral("brutto"), PenzKep).jobbra(),
         RMezo(40, 82, w - 40, 35, QStringLiteral("megjegyzes")).meret(6).ha(vanMegj),
         RVonal(0, SorMagas - 2, w).vonalVastag(1).ha([](const RSor& s) { return !vanMegj(s); }),
         RVonal(0, MegjSorMagas - 2, w).vonalVastag(1).ha(vanMegj)});
    d.reszlet.magasFv = [](const RSor& s) { return vanMegj(s) ? MegjSorMagas : SorMagas; };
    d.osszesito = osszesito(a, w, false);
    return d;
}

RiportDef TqrNyomBlokk60(const NyomBlokkAdat& a)
{
    RiportDef d(NyomBlokkCim(a.sorszam), true);
    d.nev = QStringLiteral("qrNyomBlokk60");
    d.ido = a.ido;
    d.betu.meret = 7;
    szamitottMezok(d, a.szorzo);
    const int w = d.belsoSzeles();
    d.lapFejlec = RSav(
        280, {RKeret(0, 0, w, 170),
              RCimke(10, 15, w - 20, 50, a.tulajdonos).kozepre().felkover().meret(10),
              RCimke(10, 70, w - 20, 40, a.cim).kozepre().meret(6),
              RCimke(10, 115, w - 20, 40, a.telefon).kozepre().meret(6),
              RCimke(0, 185, 120, 40, QStringLiteral("fodrász")),
              RMezo(120, 185, w - 120, 40, QStringLiteral("asztal_nev")).felkover(),
              RCimke(0, 230, w, 35,
                     QStringLiteral("sorszám: ") + SzamFormat(a.sorszam, QStringLiteral("00000")))
                  .meret(6)});
    d.reszlet =
        RSav(SorMagas, {RMezo(0, 5, w, 40, QStringLiteral("cikkszam_nev")),
                        RMezo(20, 45, w - 200, 35, QStringLiteral("earstr")).meret(6),
                        RMezo(w - 180, 45, 180, 35, QStringLiteral("brutto"), PenzKep).jobbra(),
                        RVonal(0, SorMagas - 2, w).vonalVastag(1)});
    d.osszesito = osszesito(a, w, true);
    return d;
}
