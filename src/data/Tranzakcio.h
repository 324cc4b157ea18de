#pragma once

// The transaction guard for changes of several statements.
//
//     {
//         Tranzakcio t;
//         SqlFuttat(...);
//         SqlFuttat(...);
//     } // committed here, or rolled back when SqlFuttat threw
//
// Semantics, per connection:
// - The outermost guard opens the transaction. Before that it checks the
//   connection and restores one that was lost while idle (connections opened
//   to reconnect, Kapcsolat::nyit). While the transaction is open the client
//   never reconnects by itself: a connection lost in the middle is an error
//   of the transaction, and no later statement can run outside it.
// - Guards nest; only the outermost one commits or rolls back. An inner
//   guard left by an exception marks the whole transaction rollback-only,
//   even when an outer scope catches the exception and goes on: the outermost
//   guard then rolls everything back and raises DbHiba instead of committing
//   a part of the change.
// - The guard works with autocommit off ("SET autocommit = 0" at the start,
//   "COMMIT" and "SET autocommit = 1" at the end): whatever ends the
//   transaction early, later statements of the guard still wait for its end.
// - An error that ends the transaction on the server (a deadlock, 1213, or a
//   lost connection) raised by a routine of KozosDB inside the guard marks it
//   rollback-only as well, and every further KozosDB statement inside the
//   guard is refused. A failed CALL marks it too: the procedure may have
//   done a part of its work. A failed single statement does not (the server
//   undoes just that statement), so code may catch it and go on.
// - A failing COMMIT raises DbHiba (with the server's error number); the
//   change is rolled back as far as the server still holds it.
// - An exception leaving the outermost guard rolls the transaction back and
//   goes on unchanged.
// - After the outermost guard ends, a connection that was lost inside it is
//   restored at once, so the program works on between transactions.
//
// A stored procedure that opened a transaction of its own (START TRANSACTION
// in its body) would commit whatever the guard holds; the procedures of this
// database open one only while @@autocommit is 1 and otherwise join the
// caller's transaction (see the procedure scripts).
//
// Statements that bypass KozosDB (a QSqlQuery of a model) still run inside
// the transaction, but their errors do not mark it; let such an error leave
// the guard.

#include "Kapcsolat.h"

#include <functional>

class DbHiba;

class Tranzakcio
{
public:
    // Throws DbHiba when the connection is not open or the transaction cannot
    // start.
    explicit Tranzakcio(QSqlDatabase db = Kapcsolat::fo());
    // Commits (outermost guard, normal end) and throws DbHiba when that
    // fails or the transaction was marked rollback-only.
    ~Tranzakcio() noexcept(false);

    // True while a guard is open on the connection.
    static bool folyik(const QSqlDatabase& db);

    Tranzakcio(const Tranzakcio&) = delete;
    Tranzakcio& operator=(const Tranzakcio&) = delete;

    // Whether a guard is open on the connection.
    static bool nyitott(const QSqlDatabase& db = Kapcsolat::fo());
    // For the routines of KozosDB: an error of a statement on the connection
    // (a deadlock or a lost connection ends the open transaction; a failed
    // procedure call may leave a part of its work in it).
    static void utasitasHiba(const QSqlDatabase& db, int kod, const QString& utasitas);
    // For the routines of KozosDB: throws DbHiba when the open transaction
    // was ended on the server and statements would run outside it.
    static void futtathato(const QSqlDatabase& db, const QString& utasitas);

private:
    QSqlDatabase m_db;
    int m_kivetelek;
    bool m_kulso;
};

// Whether an error is worth running the whole unit again: a deadlock (1213,
// also a certification failure of a Galera cluster, reported on COMMIT) or a
// lock wait timeout (1205).
bool IsmetelhetoHiba(const DbHiba& hiba);

// Runs `munka` as one guarded unit and, when it fails with a deadlock or a
// lock wait timeout, rolls it back and runs it again from the start after a
// short, growing pause (about 10, 20, 40, 80 ms, with some jitter), at most
// `probak` times in all. Other errors, and the last failure, go through to
// the caller. `munka` must be safe to run again: it re-reads what it needs
// and keeps nothing from a failed try. Inside an already open transaction
// the unit is only guarded, not retried (the failure belongs to the outer
// transaction, which becomes rollback-only).
void TranzakcioIsmetel(const std::function<void()>& munka, int probak = 5,
                       QSqlDatabase db = Kapcsolat::fo());
