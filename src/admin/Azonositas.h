#pragma once

// The credential check of the login window, the login log and the password
// change. Server errors are raised as DbHiba.

#include "Beall.h"

#include <QString>
#include <optional>

// Passwords are stored as salted PBKDF2-SHA256 hashes in the self-describing
// form "pbkdf2$sha256$<iterations>$<salt>$<hash>" (salt and hash in base64
// without padding); a backup of the table carries no readable password.
//
// A new hash of the password with a random salt.
QString JelszoHash(const QString& jelszo);
// True when the stored value is in the hash form (not a plain password of
// an older database).
bool JelszoHashE(const QString& tarolt);
// Checks a password against a stored value: a hash is verified, any other
// value is compared as a plain password (exactly, case-sensitive). A damaged
// hash never matches.
bool JelszoEgyezik(const QString& tarolt, const QString& jelszo);

// The administrator's password of a new database (documented). Stored as
// plain text by the creation script, it means "change it at the first login".
inline const QString AlapJelszo = QStringLiteral("kobzeti");

// Looks up the user whose code equals `kod` exactly (case-sensitive, whole
// value) and whose stored password matches `jelszo` (JelszoEgyezik). A NULL
// password never matches. Returns the user's rights on success.
// A plain stored password that matches is replaced by its hash at once,
// except the plain AlapJelszo: that one stays until it is changed, and
// *csereKell (when given) becomes true.
std::optional<TJog> Azonosit(const QString& kod, const QString& jelszo, bool* csereKell = nullptr);
// One row of the login log with the server's date and time.
void BelepesNaploz(const QString& kod, bool sikeres);
// The INSERT statement BelepesNaploz runs.
QString BelepesNaploSql(const QString& kod, bool sikeres);
// Stores the hash of a new password for the user with the given code.
void JelszoCsere(const QString& kod, const QString& ujJelszo);

// The longest password the windows accept (the stored hash has a fixed
// length whatever the password's).
inline constexpr int JelszoHossz = 50;
