#pragma once

// A private MariaDB server of the program's own, for a salon with one
// computer: no server to install or set up. It lives in a folder of the
// user's data folder (AdatMappa()/mariadb: the data folder "data", the
// socket, the pid file, the port file and the error log), listens on a free
// port of 127.0.0.1 only, and uses latin2 / latin2_hungarian_ci as server
// defaults. It is started detached, so it outlives the program unless it is
// stopped.
//
// The server's administrator is the operating-system user that created it,
// authenticated by the unix socket only (no password, no network login);
// the program itself logs in over TCP as its own database user with a random
// password, stored in its connection entry like any other.
//
// INI settings, section "HelyiSzerver":
//   Mappa    the server's folder (written when the server is created)
//   Port     the port the connection entry uses
//   Leallit  1: stop the server when the program ends; 0 (default): leave it
//            running, the next start is faster

#include "Hiba.h"
#include "Kapcsolat.h"

#include <QString>

// A local server that cannot be created, started or stopped.
class HelyiSzerverHiba : public Hiba
{
public:
    using Hiba::Hiba;
};

class HelyiSzerver
{
public:
    explicit HelyiSzerver(const QString& mappa);

    // AdatMappa() + "/mariadb".
    static QString alapMappa();

    const QString& mappa() const { return m_mappa; }
    QString adatMappa() const;
    QString socket() const;
    QString hibaNaplo() const;
    // The port of the last start (the file "port"); 0 when never started.
    int port() const;

    // True when the data folder has been initialised.
    bool letezik() const;
    // True when the server process of this folder runs.
    bool fut() const;

    // Initialises the data folder when missing and starts the server unless
    // it runs, on the given port when it is free (0 or taken: a free one),
    // and waits until it accepts connections. Returns the port it listens
    // on. Throws HelyiSzerverHiba.
    int indit(int keresettPort = 0, int varakozasMs = 60000);
    // Shuts the server down and waits for the process to end (SIGTERM, then
    // SIGKILL after the wait). Nothing happens when it does not run.
    void leallit(int varakozasMs = 60000);

    // Opens a named administrator connection over the socket (the database
    // may be empty). Throws DbHiba.
    QSqlDatabase adminKapcsolat(const QString& nev, const QString& adatbazis = {}) const;

    // Creates the database (latin2, Hungarian collation) and the program's
    // user with a random password, loads the schema script through the batch
    // executor, and returns the connection entry (127.0.0.1, the server's
    // port). The server must run. Throws DbHiba or HelyiSzerverHiba.
    KapcsolatAdat adatbazisLetrehoz(const QString& adatbazis, const QString& felhasznalo,
                                    const QString& semaFajl, const QString& megjelenitettNev);

private:
    int futoPid() const;
    void adatMappaLetrehoz();

    QString m_mappa;
};

// A random password of letters and digits.
QString VeletlenJelszo(int hossz = 20);

// --- The program's use of its local server (INI section "HelyiSzerver") ---

// Creates the local server in `mappa` (default HelyiSzerver::alapMappa()),
// the database "vexlof" with the program's user, loads the schema script
// (SemaFajl()), records the server in the INI file and returns the
// connection entry (display name "Helyi adatbázis"). Throws Hiba.
KapcsolatAdat HelyiAdatbazisLetrehoz(const QString& iniFajl, const QString& semaFajl,
                                     const QString& mappa = {});

// True when the entry is the one of the local server recorded in the INI
// file (host 127.0.0.1 or localhost and the recorded port).
bool HelyiKapcsolat(const QString& iniFajl, const KapcsolatAdat& adat);

// Before the connection opens: when the entry is the local server's, starts
// the server unless it runs. Should its port be taken by another program,
// the server moves to a free one and the entry (`adat` and the INI file)
// follows it. Does nothing for any other entry. Throws HelyiSzerverHiba.
void HelyiSzerverElokeszit(const QString& iniFajl, KapcsolatAdat& adat);

// At program start, before the connection list is offered (its choice
// dialog test-opens the entry): starts the local server recorded in the INI
// file, if any, and moves the entries to its new port should it have
// changed. Throws HelyiSzerverHiba.
void HelyiSzerverIndulaskor(const QString& iniFajl);

// When the program ends: stops the local server when the INI setting
// "Leallit" says so. Errors are ignored.
void HelyiSzerverKilepes(const QString& iniFajl);
