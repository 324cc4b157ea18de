#pragma once

// The work-station (kitchen) tickets of a service point's new order lines:
// as text on the receipt printers 1 to 4 (KonyhaNyomtat), or laid out per
// printer through its driver (KonyhaRiport, rpt_KonyhaBlokk.h).

class QWidget;

// Prints the text tickets of printers 1..4 (KonyhaJegy.h), then marks every
// unsent line of the service point as sent ("CALL sp_rnyomupd(asztal);"),
// also the lines of printers without a profile. A ticket whose printer
// fails is shown in the error box over szulo and the others still print.
// Throws DbHiba; the lines are then not marked and print again with the
// next order.
void KonyhaNyomtat(int asztal, QWidget* szulo = nullptr);

// The laid-out ticket of printer n (does not mark the lines): nothing when
// `konyhablokknyomtat` is off or the printer has no unsent line; the narrow
// or wide layout by `keskenyblokk`, job name "KonyhaPld" + n ("00") and, for
// the wide one, "-" + the service point ("00"). Printed on the printer of
// profile n; when it has no printer name or the printer is unknown the
// preview opens instead (the wide layout first says why). Throws DbHiba.
void KonyhaRiport(int n, int asztal, QWidget* szulo = nullptr);
