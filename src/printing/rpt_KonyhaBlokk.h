#pragma once

// The laid-out work-station (kitchen) ticket, wide (80 mm) and narrow
// (57 mm): the owner block in a frame, a group per service point, per line
// the item name, the quantity and the comment below it, and the print time
// with the product label. Data: the rows of "CALL sp_rnyom2(asztal, n);"
// (asztal_nev, cikkszam_nev, megjegyzes, db).

#include "Riport.h"

struct KonyhaBlokkAdat {
    QString tulajdonos;
    QString cim; // the full address line
    QString telefon;
    double betuMeret = 8; // the item name's font size
    QString cimSor;       // the title: the spooler job name
    QDateTime ido;
};

RiportDef TqrKonyhaBlokk(const KonyhaBlokkAdat& a);
RiportDef TqrKonyhaBlokk60(const KonyhaBlokkAdat& a);

// The spooler job names: "KonyhaPld" + n as "00", the wide one followed by
// "-" + the service point as "00".
QString KonyhaCim(int n, int asztal, bool keskeny);
