#pragma once

// The business day and shift with their messages: opening a day and shift,
// closing it, and the list of shifts not yet closed. The main window wraps
// these with its order grid and state display; the state itself is in
// NapAllapot.h.

#include "NapAllapot.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

// Makes the shift of the day current, with its messages:
// - a day after today is refused ("Helytelen dátum, következő nap nem
//   nyitható."), and no day is current then;
// - a shift still open becomes current instead ("Van még nyitott nap: ..."
//   when it differs from the requested one);
// - otherwise the shift is recorded as open unless its row exists.
// Returns whether a business day is current afterwards. Throws DbHiba.
bool NapNyitasLepesek(int muszak, const QDate& nap, QWidget* szulo = nullptr);

// "Nap zárása" up to the procedure call, with its messages; true when the
// shift was closed (the caller refreshes the state display in every case but
// a missing right and a refused question).
enum class NapZarasEredmeny { MarLezarva, NincsJog, Kifizetetlen, Megsem, Lezarva };
NapZarasEredmeny NapZaras(QWidget* szulo = nullptr);

// "Le nem zárt műszakok": the header, one line per open shift, the footer.
// Throws DbHiba.
QStringList LenemzartLista();
