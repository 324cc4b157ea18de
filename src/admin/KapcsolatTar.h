#pragma once

// The workstation's list of known databases: section "Adatbazis" of the INI
// file, keys "ConStr1" to "ConStr100", each value a connection string
// (database;host;port;user;password;display name) scrambled with Kodol.
// Also the connection test that every connection window runs.

#include "Kapcsolat.h"

#include <QList>
#include <QString>
#include <QStringList>

struct KapcsolatBejegyzes {
    int kulcs = 0;  // the number n of the key "ConStr" + n it was read from
    QString szoveg; // the plain (decoded) connection string
};

// Number of connection keys of the INI section.
inline constexpr int KapcsolatKulcsokSzama = 100;

// Reads every non-empty "ConStr" key in key order and decodes it.
QList<KapcsolatBejegyzes> KapcsolatokOlvas(const QString& iniFajl);

// Deletes all hundred keys and writes the given plain strings scrambled under
// "ConStr1", "ConStr2", ... in the given order, each with a closing ";".
// Throws std::runtime_error when the file cannot be written.
void KapcsolatokIr(const QString& iniFajl, const QStringList& szovegek);

// Writes one plain string scrambled as "ConStr1", as it stands (the first-run
// dialog's form, without a closing ";"). Other keys are left alone.
void ElsoKapcsolatIr(const QString& iniFajl, const QString& szoveg);

// The start-up choice list: for every entry with a non-empty display name the
// line "n; " + display name and, in the same order, its plain string.
void KapcsolatValasztoSorok(const QList<KapcsolatBejegyzes>& bejegyzesek, QStringList& sorok,
                            QStringList& kapcsolatok);

// Opens a test connection with fields 1 to 5 and closes it again. With
// verzioOlvas it returns "SELECT MAX(verzio) FROM verzio;" (empty when NULL
// or when the query fails on a database without that table). Throws DbHiba
// with the server's message when the connection fails.
QString KapcsolatTesztel(const KapcsolatAdat& adat, bool verzioOlvas = false);
