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

namespace Kapcsolat {

// Name of the main connection.
QString foNev();
// The main connection (invalid until foNyit succeeded).
QSqlDatabase fo();
// Opens (or reopens) the main connection. Throws DbHiba.
void foNyit(const KapcsolatAdat& adat);
void foBezar();
// The entry the main connection was opened with.
KapcsolatAdat foAdat();
// Opens the main connection again with its entry, trying each server of
// the host list (the one that served last is tried last). Used after the
// server went away between transactions. Throws DbHiba.
void foUjranyit();
// True for the errors after which the connection is of no further use (the
// server went away, cannot be reached, or a cluster node left the cluster).
bool KapcsolatVesztes(int hibaKod);

// Opens a named connection with the program's options (compression, a
// 30-second timeout), on the first server of the entry's host list that
// accepts it and, for a cluster node, is ready for work. Throws DbHiba; a
// failed connection is removed again.
// With ujrakapcsolodas the driver reconnects by itself after a lost
// connection, as the main connection does; work that must not continue
// outside its transaction after such a loss (a restore) opens its
// connection without it.
QSqlDatabase nyit(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas = true);
void bezar(const QString& nev);

} // namespace Kapcsolat
