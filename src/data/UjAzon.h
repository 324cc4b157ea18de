#pragma once

// New rows of the tables whose key the program chooses as the largest key
// plus one. Two workstations that add a row at the same moment read the
// same largest key; the one that loses the race gets a duplicate key (1062)
// or, on a cluster, a deadlock (1213). UjSorBeszur then takes the next key
// and tries again, so the operator never sees a duplicate-key error for a
// key they did not type themselves.
//
// Every insert is a statement of its own: do not call it inside an open
// transaction (a deadlock rolls the whole transaction back).

#include "Kapcsolat.h"

#include <QString>
#include <functional>

// Inserts a row with the statement insertSql(key) and returns the key it
// got. The first key tried is `elso` when it is positive (a key already
// shown to the operator), otherwise MAX(kulcs) + 1 of the table. Other
// errors, and a collision that persists after many tries, are raised as
// DbHiba.
int UjSorBeszur(const QString& tabla, const QString& kulcs,
                const std::function<QString(int)>& insertSql, int elso = 0,
                QSqlDatabase db = Kapcsolat::fo());

// True for the errors a retry with another key cures: a duplicate of the
// primary key (1062) or a deadlock (1213).
bool KulcsUtkozes(int kod, const QString& uzenet);
