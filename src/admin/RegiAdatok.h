#pragma once

// The purge of old data: logged in the action log, then left to the stored
// procedure sp_torol, which decides what goes.

#include "Kapcsolat.h"

#include <QDate>
#include <QString>

// The action-log text: "Régi adatok törlése: " + the quoted date literal.
QString RegiAdatokNaploSzoveg(const QDate& datum);
// The procedure call: "CALL sp_torol('yyyy-mm-dd');".
QString RegiAdatokUtasitas(const QDate& datum);
// The preset cut-off date: three months before the given day.
QDate RegiAdatokAlapDatum(const QDate& ma = QDate::currentDate());
// Writes the log row (Naploz) and runs the procedure on the main
// connection. Throws DbHiba.
void RegiAdatokTorol(const QDate& datum);
