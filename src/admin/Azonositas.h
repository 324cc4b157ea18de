#pragma once

// The credential check of the login window, the login log and the password
// change. Server errors are raised as DbHiba.

#include "Beall.h"

#include <QString>
#include <optional>

// Looks up the user whose code equals `kod` exactly (case-sensitive, whole
// value) and whose stored password equals `jelszo` exactly. A NULL password
// never matches. Returns the user's rights on success.
std::optional<TJog> Azonosit(const QString& kod, const QString& jelszo);
// One row of the login log with the server's date and time.
void BelepesNaploz(const QString& kod, bool sikeres);
// The INSERT statement BelepesNaploz runs.
QString BelepesNaploSql(const QString& kod, bool sikeres);
// Stores a new password for the user with the given code.
void JelszoCsere(const QString& kod, const QString& ujJelszo);

// The width of `felhasznalo.jelszo`.
inline constexpr int JelszoHossz = 10;
