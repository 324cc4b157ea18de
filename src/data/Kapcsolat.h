#pragma once

// The program's database connections. The main connection (the role of the
// main window's `mySQLDatabase1`) is opened once at start-up and used by
// every routine of KozosDB; the administration windows open further named
// connections to test, back up and restore other databases.

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

// Opens a named connection with the program's options (compression, a
// 30-second timeout). Throws DbHiba; a failed connection is removed again.
// With ujrakapcsolodas the connection is restored after a loss, as the main
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
