#include "RiportKiad.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "Nyomtato.h"
#include "RawNyomtatas.h"
#include "RiportNyomtat.h"
#include "SzovegNyomtat.h"

void RiportKiad(const RDokumentum& doc, QWidget* szulo)
{
    TNyomtato ny;
    NyomtatoBetolt(1, ny);
    if (!RiportNyomtatoVan(ny.nyomtato_nev) || Beall.elobbnyomkep) {
        RiportElonezet(doc, szulo);
        return;
    }
    QString hiba;
    if (!RiportNyomtat(doc, ny.nyomtato_nev, &hiba)) {
        HibaMutat(NyomtatasHiba(hiba), szulo);
        RiportElonezet(doc, szulo);
    }
}

void RiportFuttat(const RiportDef& def, QWidget* szulo)
{
    RiportKiad(RiportKeszit(def, RAdatBetolt(def.forras)), szulo);
}

QStringList SzovegLista(const QString& cim, const QStringList& fejSorok,
                        const QStringList& adatSorok, const QStringList& osszegSorok)
{
    QStringList l;
    FejlecHozzaad(l, cim);
    l += fejSorok;
    l += adatSorok;
    l += osszegSorok;
    LablecHozzaad(l);
    return l;
}

bool SzovegListaNyomtat(const QString& cim, const QStringList& fejSorok,
                        const QStringList& adatSorok, const QStringList& osszegSorok,
                        QWidget* szulo)
{
    return SzovegNyomtatMutat(1, SzovegLista(cim, fejSorok, adatSorok, osszegSorok), false, szulo);
}
