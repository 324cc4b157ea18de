#pragma once

// The receipt of a service point: the text consumption list (BlokkLista.h)
// printed on profile 1, and the laid-out receipt (rpt_NyomBlokk.h) printed
// through the driver of the printer in a profile.

#include <QString>

class QWidget;

// Composes the consumption list and prints it as the settings say. asztal:
// the service point or -1; ugyfel: the customer of a credit settlement or -1;
// rendeles: a bill number, or -1 for the service point's open lines; eroltet:
// compose the text even while laid-out receipts are configured. With
// `csiliviliblokk` off the text is printed at once when `blokknyomtat` is on;
// with it on the laid-out receipt is printed instead (BlokkRiport) and the
// text is composed only for a credit settlement. A printing failure is
// shown in the error box over szulo. Returns the composed lines,
// each followed by CR LF, or an empty text. The text is returned as composed
// (the currency line holds "€"); a debt stores TarolhatoSzoveg() of it.
// Throws DbHiba when the lines cannot be read.
QString BlokkOsszeallit(int asztal, int ugyfel, int rendeles, bool eroltet,
                        QWidget* szulo = nullptr);

// The laid-out receipt on the printer of profile n: nothing while
// `blokknyomtat` is off; the narrow layout with `keskenyblokk` (one copy),
// else the wide one with the logo ("Logo.jpg", else "Logo.bmp", in the
// program folder) and "Peldany" copies. An open bill (rendeles -1) carries
// the number settling will give it; a bill of a closed day is read from the
// history. Without a usable printer the preview
// opens. Throws DbHiba.
void BlokkRiport(int n, int asztal, int rendeles, QWidget* szulo = nullptr);
