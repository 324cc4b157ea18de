#pragma once

// The program's database connections. The main connection (the role of the
// main window's `mySQLDatabase1`) is opened once at start-up and used by
// every routine of KozosDB; the administration windows open further named
// connections to test, back up and restore other databases.

#include <QList>
#include <QSqlDatabase>
#include <QString>

// One stored connection entry: the six fields of a connection string.
struct KapcsolatAdat {
    QString adatbazis;
    QString kiszolgalo = QStringLiteral("localhost");
    int port = 3306;
    QString felhasznalo;
    QString jelszo;
    QString adatbazisnev;

    // Fields taken by position between ";" (Mezo); a port that does not
    // convert gives 0.
    static KapcsolatAdat szovegbol(const QString& kapcsolatSzoveg);
    // The six fields joined by ";", with a trailing ";" when asked.
    QString szoveg(bool zaroPontosvesszo) const;

    // The servers of the entry, in the order they are tried. The host field
    // may list several nodes of a replicated cluster separated by ",", each
    // with its own port after ":" or else the entry's port:
    // "szalon1.lan,szalon2.lan:3307,10.0.0.3".
    struct Gep {
        QString nev;
        int port = 3306;
    };
    QList<Gep> gepek() const;
};

namespace Kapcsolat
{

// Name of the main connection.
QString foNev();
// The main connection (invalid until foNyit succeeded).
QSqlDatabase fo();
// Opens (or reopens) the main connection. Throws DbHiba.
void foNyit(const KapcsolatAdat& adat);
void foBezar();
// The entry the main connection was opened with.
KapcsolatAdat foAdat();
// Whether the main connection's entry lists more than one server.
bool foTobbGep();
// Opens the main connection again with its entry, trying each server of
// the host list (the one that served last is tried last). Used after the
// server went away between transactions. Throws DbHiba.
void foUjranyit();
// Errors after which another node of the host list is worth trying: the
// connection was lost, the server cannot be reached (2002, 2003), or a
// cluster node left the cluster (1047).
bool csomopontValtas(int kod);

// Opens a named connection with the program's options (compression, a
// 30-second timeout), on the first server of the entry's host list that
// accepts it and, for a cluster node, is ready for work. Throws DbHiba; a failed connection is
// removed again. With ujrakapcsolodas the connection is restored after a loss, as the main
// connection is, but only between transactions: while a transaction guard
// (Tranzakcio) is open the client never reconnects, so a lost connection is
// an error of that transaction and nothing after it runs outside it. Without
// it (a restore) a lost connection stays lost.
QSqlDatabase nyit(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas = true);
void bezar(const QString& nev);

// Whether the connection was opened to be restored after a loss.
bool ujrakapcsolodik(const QSqlDatabase& db);
// Switches the client's own reconnect on or off on an open connection
// (nothing for a driver other than MySQL/MariaDB).
void automatikusUjrakapcsolodas(const QSqlDatabase& db, bool be);
// Checks the connection with a ping; a lost connection that may be restored
// is connected again (in utf8mb4, as at opening). False when the server
// cannot be reached.
bool ellenoriz(const QSqlDatabase& db);
// The server's id of the connection (CONNECTION_ID()), 0 when unknown.
unsigned long szalAzon(const QSqlDatabase& db);
// Server error numbers of a lost or killed connection.
bool kapcsolatVesztes(int kod);

} // namespace Kapcsolat
