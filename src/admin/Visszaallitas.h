#pragma once

// Restore from a backup file (".sql", or ".zip" holding base name + ".sql"),
// and loading of any other script (schema, upgrade) through the same path.
// The file is read and parsed completely before anything runs: a damaged
// file is refused as a whole and the database is left untouched.

#include "Kapcsolat.h"
#include "SqlSzkript.h"

#include <QString>
#include <functional>

// Reads the script text of a backup file; Windows-1250 and UTF-8 alike. A
// ".zip" is unpacked into tempMappa (only its expected member, checksum
// verified), read and cleaned up. Throws DbHiba with a clear message.
QString MentesSzovegOlvas(const QString& fajl, const QString& tempMappa);

// Reads and parses the file; throws DbHiba when it does not parse completely.
SqlSzkript VisszaallitasElokeszit(const QString& fajl, const QString& tempMappa);

// True when every statement is a "TRUNCATE t" or an "INSERT ... INTO t" of
// the program's data scripts.
bool AdatSzkript(const SqlSzkript& szkript);

// Runs a parsed script. A data script runs as one transaction (the tables are
// emptied with DELETE, which can be rolled back), so a statement the server
// refuses leaves the database as it was; statements aimed at views (older
// backups listed them with the tables) are skipped. Any other script runs
// statement by statement. haladas(done, count) after each statement. Throws
// DbHiba.
void SzkriptFuttat(const SqlSzkript& szkript, QSqlDatabase db,
                   const std::function<void(int, int)>& haladas = {});

// The whole restore: read and parse the file, connect with the entry, run,
// close. Throws DbHiba.
void Visszaallitas(const KapcsolatAdat& adat, const QString& fajl, const QString& tempMappa,
                   const std::function<void(int, int)>& haladas = {});
