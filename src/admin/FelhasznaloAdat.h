#pragma once

// One row of `felhasznalo` as the user editor edits it, and the statements
// that read, save and delete it. Server errors are raised as DbHiba.

#include "Beall.h"

#include <QString>

// The login code (`felhasznalo`, the key) and the nine rights as the rights
// record holds them (the table Jogok in Jogok.h), with the name and the
// password.
struct TFelhasznaloAdat : TJog {
    QString felhasznalo_nev; // display name
    QString jelszo;          // a new password typed in the editor; empty:
                             // the stored one stays (never read back)
    bool jelszoNull = true;  // no password is stored (NULL)
};

// A new user: no code, no password, every right off.
TFelhasznaloAdat FelhasznaloUj();
// The row with the given code; `talalt` tells whether it exists.
TFelhasznaloAdat FelhasznaloOlvas(const QString& kod, bool* talalt = nullptr);
// The editor's checks before saving: "Hiányos adat megadás" when no
// password is given and none is stored, "Hibás jelszó megadás" when the
// repeat differs; empty when fine.
QString FelhasznaloEllenoriz(const TFelhasznaloAdat& adat, const QString& jelszoIsmet);
// Inserts the row (`eredetiKod` empty) or updates the row stored under
// `eredetiKod` (its code may change). A new password is stored as its hash;
// without one an update keeps the stored password. An empty code or name is
// written as NULL, so the server refuses a missing code.
void FelhasznaloMent(const TFelhasznaloAdat& adat, const QString& eredetiKod);
void FelhasznaloTorol(const QString& kod);
