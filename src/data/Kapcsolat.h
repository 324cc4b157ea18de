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

namespace Kapcsolat {

// Name of the main connection.
QString foNev();
// The main connection (invalid until foNyit succeeded).
QSqlDatabase fo();
// Opens (or reopens) the main connection. Throws DbHiba.
void foNyit(const KapcsolatAdat& adat);
void foBezar();

// Opens a named connection with the program's options (compression, a
// 30-second timeout). Throws DbHiba; a failed connection is removed again.
// With ujrakapcsolodas the driver reconnects by itself after a lost
// connection, as the main connection does; work that must not continue
// outside its transaction after such a loss (a restore) opens its
// connection without it.
QSqlDatabase nyit(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas = true);
void bezar(const QString& nev);

} // namespace Kapcsolat
