#pragma once

// The business day and shift: the state of the current shift, opening a day
// and shift, closing it, and the list of shifts not yet closed. The main
// window wraps these with its order grid and state display.

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

// Whether the current shift (AktNap, AktMuszak) is closed. A missing row
// counts as open. While no business day is current (AktNap cleared after a
// refused date) the shift counts as closed, so nothing can be sold without a
// day. Throws DbHiba.
bool MuszakLezarva();
// Whether the given shift of the day is closed; a missing row counts as
// closed. Throws DbHiba.
bool NapLezarva(int muszak, const QDate& nap);
// The first shift the server returns that is still open. Throws DbHiba.
bool NyitottNapKeres(QDate& nap, int& muszak);

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
// The statement that closes the current shift.
QString NapZarSql(const QDate& nap, int muszak);

// "Le nem zárt műszakok": the header, one line per open shift, the footer.
// Throws DbHiba.
QStringList LenemzartLista();

// The state panel's caption ("2024.Március.05 - 1. műszak") and the state
// label ("Nyitott" or "Lezárva", a line break, "Bejelentkezett: " + user).
QString AllapotFelirat(const QDate& nap, int muszak);
QString AllapotSzoveg(bool lezarva, const QString& felhasznalo);
