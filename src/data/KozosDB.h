#pragma once

// The common database routines every window uses on the program's one
// connection (Kapcsolat::fo()); the administration windows pass another
// connection explicitly. Server errors are raised as DbHiba; the single-value
// routines return their default for a missing row, a NULL or a value that
// does not convert.

#include "Kapcsolat.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <functional>

// Runs a statement and returns the query positioned before its first row
// (forward only). Throws DbHiba. Inside a transaction guard (Tranzakcio) an
// error that ends the transaction on the server, or a failed CALL, marks the
// guard rollback-only, and after a server-ended transaction further
// statements are refused until the guard ends. The query of a CALL may hold
// the procedure's further results: let it go before the next statement.
QSqlQuery SqlNyit(const QString& sql, QSqlDatabase db = Kapcsolat::fo());
// Executes a statement. Throws DbHiba.
void SqlFuttat(const QString& sql, QSqlDatabase db = Kapcsolat::fo());

int SqlEgesz(const QString& sql, int alap, QSqlDatabase db = Kapcsolat::fo());
QString SqlSzoveg(const QString& sql, const QString& alap, QSqlDatabase db = Kapcsolat::fo());
double SqlSzam(const QString& sql, double alap, QSqlDatabase db = Kapcsolat::fo());
QDateTime SqlDatumIdo(const QString& sql, const QDateTime& alap, QSqlDatabase db = Kapcsolat::fo());
// The conversion of the server's "yyyy-mm-dd hh:nn:ss" text; a zero date
// part gives an invalid date with the time of day only.
QDateTime DatumIdoSzovegbol(const QString& s);

// The next free identifier: MAX(column) + 1 of the table (the column's own
// name when the table is empty), 1 for an empty table. Not reserved.
int KovetkezoAzon(const QString& oszlop, const QString& tabla = {});

// Appends the first column of every row to the list; NULL as empty text.
void ListaFeltolt(QStringList& lista, const QString& sql);
// "count: current" with a 1-based current record (12: 3).
QString RekordSzamlalo(int darab, int aktualis);

// The query's rows as ";"-separated lines: the field names, then one line per
// record with every value followed by ";" and any ";" in a value written as
// ","; NULL gives an empty cell.
void AdatExport(QSqlQuery& lekerdezes, QStringList& lista);

// The names of the base tables (no views) of the connection's database, in
// the server's order.
QStringList TablaNevek(QSqlDatabase db = Kapcsolat::fo());
// The data block of one table in the backup format: its "INSERT IGNORE INTO"
// statements of at most 100 rows, lines joined with CR LF; empty for an empty
// table.
QString InsertSzoveg(const QString& tabla, QSqlDatabase db = Kapcsolat::fo());
// Writes the data of every base table as the backup script ("TRUNCATE" and
// the data block per table, between the marks of MentesFormatum.h), CR LF
// line ends, in the Windows-1250 code page, read in one consistent snapshot
// and written as it is read. The file is written beside its target and
// renamed over it only when complete. haladas(index, darab) is called before
// each table. Throws DbHiba, or Hiba when the file cannot be written.
void AdatMentes(const QString& fajl, QSqlDatabase db = Kapcsolat::fo(),
                const std::function<void(int, int)>& haladas = {});

// Name lookups; empty text for a missing row.
QString AsztalNev(int asztal);
QString UgyfelNev(int ugyfel);
QString MertNev(int mert);
QString CikkatNev(int cikkat);
QString BesorolasNev(int besorolas);

// The action log: who (Jog.felhasznalo) did what.
void Naploz(const QString& mit);

// Window-text translation hook; returns the text unchanged while no language
// is chosen (Beall.nyelv == 0).
QString Forditas(const QString& szoveg);

// Inserts a row whose key is chosen as KovetkezoAzon(oszlop, tabla):
// beszur(key) runs the insert. When another workstation or another node of
// a replicated cluster took the same key at the same moment (1062 duplicate
// key, or 1213 deadlock, as a cluster reports a conflicting commit), the
// key is chosen anew and the insert runs again, a few times at most.
// Inside an open transaction guard nothing is retried: the conflict has
// undone the whole transaction, which its owner has to repeat. Returns the
// key of the inserted row. Throws DbHiba.
int UjAzonnalBeszur(const QString& oszlop, const QString& tabla,
                    const std::function<void(int)>& beszur);
