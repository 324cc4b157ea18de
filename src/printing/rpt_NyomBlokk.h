#pragma once

// The laid-out consumption list (receipt), wide (80 mm, with the logo) and
// narrow (57 mm). Data: the rows of the view vw_nyomblokk (datum, asztal,
// asztal_nev, ar, cikkszam_nev, pincer_nev, netto, brutto, megjegyzes,
// osszdb); computed per row: earstr (price X quantity), afa, euro.

#include "Riport.h"

#include <QImage>

struct NyomBlokkAdat {
    QString tulajdonos;
    QString cim; // the full address line
    QString telefon;
    int sorszam = 0; // the bill's number
    bool mutatafa = false;
    bool vanvaluta = false;
    bool vanfigyelmeztetes = false;
    double szorzo = 0; // the exchange rate; 0 shows 0
    QString udvozlet, udvozlet2;
    QImage logo; // wide layout only
    QDateTime ido;
};

RiportDef TqrNyomBlokk(const NyomBlokkAdat& a);
RiportDef TqrNyomBlokk60(const NyomBlokkAdat& a);

// "Vexlo.F" + the bill number as "00000": the title and spooler job name.
QString NyomBlokkCim(int sorszam);

// The query of the receipt's rows: the open lines of the service point
// (rendeles -1) or the lines of one bill.
QString NyomBlokkLekerdezes(int asztal, int rendeles);
