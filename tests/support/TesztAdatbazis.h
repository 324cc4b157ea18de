#pragma once

// Databases on the private MariaDB server that the ctest fixture starts
// (scripts/mariadb-private.sh). A test creates its own database, loaded from
// the real schema script, and works on it through the program's own
// connection; nothing of the database is mocked.

#include "Kapcsolat.h"

#include <QString>

namespace TesztAdatbazis
{

// The server's port (from the fixture's folder, VEXLOF_TESTDB_DIR).
int port();
// Root access to the private server, optionally to one database.
KapcsolatAdat root(const QString& adatbazis = {});
// The schema and demo scripts (VEXLOF_SCHEMA, VEXLOF_DEMO).
QString schemaFajl();
QString demoFajl();

// Creates the database `nev` anew (latin2, Hungarian collation), loads the
// schema script and, when asked, the demo data, and opens the program's main
// connection on it. Throws DbHiba.
void letrehoz(const QString& nev, bool demo = false);
// Creates an empty database (no schema) and returns its connection data.
KapcsolatAdat uresLetrehoz(const QString& nev);
void torol(const QString& nev);
// Loads a script file into the main connection. Throws DbHiba.
void betolt(const QString& fajl);

} // namespace TesztAdatbazis

// Runs a statement on the main connection and fails the test with the
// server's message when it fails.
#define SQL_OK(sql)                                                                                \
    do {                                                                                           \
        try {                                                                                      \
            SqlFuttat(sql);                                                                        \
        } catch (const DbHiba& h_) {                                                               \
            QFAIL(qPrintable(QStringLiteral("SQL hiba: ") + h_.uzenet() + QStringLiteral(" -- ") + \
                             h_.utasitas()));                                                      \
        }                                                                                          \
    } while (0)
