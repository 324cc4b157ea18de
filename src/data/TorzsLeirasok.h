#pragma once

// The master tables as the list windows and editors see them, and the
// widget-free routines of the master-data windows: the customer's
// repayment, the stock holders' totals, recipe lines, copying an item, the
// cost calculation and the placement grid.

#include "TablaLeiras.h"

#include <QStringList>

TablaLeiras MertLeiras();
TablaLeiras StornoLeiras();
TablaLeiras KategoriaLeiras();
TablaLeiras CikkatLeiras();
TablaLeiras BesorolasLeiras();
TablaLeiras UgyfelLeiras();
TablaLeiras GyujtoLeiras();
TablaLeiras CikkszamLeiras();
TablaLeiras AsztalLeiras();

// Every service point gets a 0 % commission row for every classification
// that lacks one.
inline const QString JutalekFeltolt =
    QStringLiteral("INSERT IGNORE INTO jutalek (asztal,besorolas,szazalek) SELECT "
                   "asztal.asztal,besorolas.besorolas,0 FROM asztal,besorolas;");

// --- Customers -------------------------------------------------------------

// A debt that rounds (halves to even) to 0 counts as none.
bool UgyfelTorolheto(double tartozas);
// A repayment of the customer's debt ("Törlesztés", kind M). An amount of
// zero or less is refused with Hiba before anything is written. Throws
// DbHiba.
void UgyfelTorleszt(int ugyfel, double osszeg);

// --- Stock holders ---------------------------------------------------------

// "Összesen N tétel. Teljes érték: X" of the live holders.
QString GyujtoOsszesito();

// --- Sale items ------------------------------------------------------------

// A recipe line; a holder already in the recipe keeps its quantity.
void ReceptSorUj(int cikkazon, int gyujto, double db);
void ReceptSorTorol(int cikkazon, int gyujto);
// Copies an item (recipe included) under a new code; the copy's key.
int CikkMasol(int cikkazon, const QString& ujKod);
// The cost calculation rows: code, name, cost (NULL as 0), price.
struct BekerulesSor {
    QString kod;
    QString nev;
    double bekerules = 0;
    double eladas = 0;
};
QList<BekerulesSor> BekerulesAdatok();

// --- Placement -------------------------------------------------------------

// The nearest multiple of 10 (a remainder of 5 or more goes up).
int RacsraIgazit(int ertek);

// --- Debt ledger -------------------------------------------------------------

// The ledger of a customer, newest first (the columns of the ledger window).
QString AdossagSql(int ugyfel);
// The printed ledger: the receipts of credit bills and, between them, the
// repayments ("Törlesztés: yyyy.mm.dd  amount" between empty lines).
QStringList AdossagNyomtatSorok(int ugyfel);
