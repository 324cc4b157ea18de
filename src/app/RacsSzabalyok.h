#pragma once

// The drawing and sizing decisions of the main window's grids, as plain
// functions the delegates call and the tests check without a window.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>

// Background of a service point row: the selection colour when selected;
// otherwise the window colour, replaced by the occupied colour when
// `foglalt` is "I" and then by the pay-now colour when `mostfizet` is "I".
QColor AsztalHatterSzin(bool kijelolt, const QVariant& foglalt, const QVariant& mostfizet,
                        const QColor& ablakSzin);
QColor FoglaltSzin();
QColor MostFizetSzin();

// The five booking colours, chosen by the booking identifier mod 5.
QColor EloSzin(int azon);
// Background of a reservation slot: selection, the booking colour when
// `azon` (0 when NULL) is not 0, otherwise the window colour.
QColor EloHatterSzin(bool kijelolt, const QVariant& azon, const QColor& ablakSzin);

// The font of the order grid's amount cell: the column font, at 18 points
// on the "b" row.
QFont RendelesOsszegBetu(const QFont& oszlopBetu, const QVariant& sor);
// What the name cell of an order row shows: nothing on a filler row (no
// line number), the item name over its second line on an item row ("a"),
// "Összesen" on any other row.
enum class RendelesNevCella { Ures, Tetel, Osszesen };
RendelesNevCella RendelesNevTipus(const QVariant& rendelesazon, const QVariant& sor);

// Column widths on resize (rounded half to even).
std::pair<int, int> AsztalOszlopSzelesseg(int panelSzeles);
int KeresoSzelesseg(int panelSzeles);
std::pair<int, int> RendelesOszlopSzelesseg(int racsSzeles);

// The first name that begins with the text, ignoring case; -1 for none or
// an empty text.
int KeresoTalalat(const QStringList& nevek, const QString& szoveg);
// A typed character as the search box enters it: "ö" stands where other
// keyboards have the digit zero.
QString KeresoBetu(const QString& beirt);
