#pragma once

// The consumption list (the receipt of a service point) as text lines, and
// the rows it is made of. No widgets: BlokkOsszeallit (BlokkOsszeallit.h)
// reads the rows, composes the lines here and prints them.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct TBeall;

// One row of the receipt query: an item at one unit price.
struct BlokkTetel {
    QString cikkszam_nev;
    double osszdb = 0;
    double ar = 0;
    double osszar = 0;
};

struct BlokkAdat {
    QString asztalNev;  // the service point's name, for the title
    bool hitel = false; // settled on credit: the "Hitelre: " line
    QString ugyfelNev;
    QList<BlokkTetel> tetelek;
};

// The receipt query of the main window with its WHERE line set: the open
// lines of the service point (rendeles -1) or the lines of one bill.
QString BlokkLekerdezes(int asztal, int rendeles);

// The consumption list: the standard header titled "<name> asztal
// fogyasztása", the credit line, two lines per row, the total, the
// currency total ("Szorzo" of b; 0 when the rate is 0), the warning lines,
// the date ("yyyy.mmmm.dd"), the greetings and the standard footer. w is the
// width of profile 1; "SPrint" of b selects the 24-column item lines.
QStringList BlokkSorok(const BlokkAdat& adat, const TBeall& b, int w, const QDateTime& ido);

// The lines as one text, each followed by CR LF.
QString BlokkSzovegbe(const QStringList& sorok);

// The form of a text that the latin2 tables can store: "€" becomes "EUR",
// any other character latin2 has no byte for becomes "?". The credit debt
// stores the consumption list in this form.
QString TarolhatoSzoveg(const QString& szoveg);
// True when every character has a latin2 byte.
bool Latin2Kodolhato(const QString& szoveg);

// Reads the rows and names of a consumption list: the receipt query for the
// service point's open lines (rendeles -1) or for one bill; a bill whose lines
// have already moved to the history (a closed day) is read from there. The
// title uses the given service point for open lines, else the bill's own.
// The credit line is set when ugyfel is not -1. Throws DbHiba.
BlokkAdat BlokkAdatBetolt(int asztal, int ugyfel, int rendeles);
