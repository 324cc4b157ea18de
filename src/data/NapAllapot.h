#pragma once

// The business day and shift without windows: the state of the current shift
// (AktNap, AktMuszak in Beall.h), the state of any shift of a day, the shift
// still open, the closing statement and the texts of the state display.
// Reports, master data and stock windows use these as the point of sale does.

#include "Beall.h"

#include <QDate>
#include <QString>

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

// The statement that closes the shift of the day.
QString NapZarSql(const QDate& nap, int muszak);

// The state panel's caption ("2024.március.05 - 1. műszak", the long month
// name as dates are written everywhere) and the state label ("Nyitott" or
// "Lezárva", a line break, "Bejelentkezett: " + user).
QString AllapotFelirat(const QDate& nap, int muszak);
QString AllapotSzoveg(bool lezarva, const QString& felhasznalo);
