#include "Kapcsolat.h"

#include "DbHiba.h"
#include "Seged.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>
#include <mysql.h>

KapcsolatAdat KapcsolatAdat::szovegbol(const QString& s)
{
    KapcsolatAdat a;
    const QString sep = QStringLiteral(";");
    a.adatbazis = Mezo(sep, s, 1);
    a.kiszolgalo = Mezo(sep, s, 2);
    a.port = EgeszErtek(Mezo(sep, s, 3));
    a.felhasznalo = Mezo(sep, s, 4);
    a.jelszo = Mezo(sep, s, 5);
    a.adatbazisnev = Mezo(sep, s, 6);
    return a;
}

QString KapcsolatAdat::szoveg(bool zaroPontosvesszo) const
{
    QString s = adatbazis + QLatin1Char(';') + kiszolgalo + QLatin1Char(';') +
                QString::number(port) + QLatin1Char(';') + felhasznalo + QLatin1Char(';') + jelszo +
                QLatin1Char(';') + adatbazisnev;
    if (zaroPontosvesszo)
        s += QLatin1Char(';');
    return s;
}

namespace
{

const QLatin1String UJRAKAPCSOLODAS("MYSQL_OPT_RECONNECT=1");

// The client library's handle of a MySQL/MariaDB connection (the driver's
// documented handle), nullptr for another driver or a closed connection.
MYSQL* mysqlHandle(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.isOpen() || !db.driver())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "MYSQL*") != 0)
        return nullptr;
    return *static_cast<MYSQL* const*>(v.constData());
}

} // namespace

namespace Kapcsolat
{

QString foNev()
{
    return QStringLiteral("mySQLDatabase1");
}

QSqlDatabase fo()
{
    return QSqlDatabase::database(foNev(), false);
}

QSqlDatabase nyit(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas)
{
    if (QSqlDatabase::contains(nev)) {
        QSqlDatabase::database(nev, false).close();
        QSqlDatabase::removeDatabase(nev);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nev);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(nev);
        throw DbHiba(QStringLiteral("A MySQL adatbázis-meghajtó nem érhető el (QMYSQL)."));
    }
    db.setDatabaseName(adat.adatbazis);
    db.setHostName(adat.kiszolgalo);
    db.setPort(adat.port);
    db.setUserName(adat.felhasznalo);
    db.setPassword(adat.jelszo);
    // The driver speaks utf8mb4 on the connection by itself; the server
    // converts to and from the latin2 tables.
    QString opciok = QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=30;CLIENT_COMPRESS");
    if (ujrakapcsolodas)
        opciok += QLatin1Char(';') + UJRAKAPCSOLODAS;
    db.setConnectOptions(opciok);
    if (!db.open()) {
        const DbHiba hiba = DbHiba::driverbol(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nev);
        throw hiba;
    }
    // A connection the client restores by itself must come back in the same
    // character set the driver chose at opening, not the library default.
    if (MYSQL* m = mysqlHandle(db))
        mysql_optionsv(m, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    return db;
}

bool ujrakapcsolodik(const QSqlDatabase& db)
{
    return db.connectOptions().contains(UJRAKAPCSOLODAS);
}

void automatikusUjrakapcsolodas(const QSqlDatabase& db, bool be)
{
    if (MYSQL* m = mysqlHandle(db)) {
        const my_bool ertek = be ? 1 : 0;
        mysql_optionsv(m, MYSQL_OPT_RECONNECT, &ertek);
    }
}

bool ellenoriz(const QSqlDatabase& db)
{
    MYSQL* m = mysqlHandle(db);
    if (!m)
        return db.isValid() && db.isOpen();
    const bool ujra = ujrakapcsolodik(db);
    automatikusUjrakapcsolodas(db, ujra);
    // A ping on a lost connection fails once and, when reconnecting is on,
    // connects again on the second try.
    if (mysql_ping(m) == 0)
        return true;
    return ujra && mysql_ping(m) == 0;
}

unsigned long szalAzon(const QSqlDatabase& db)
{
    MYSQL* m = mysqlHandle(db);
    return m ? mysql_thread_id(m) : 0;
}

bool kapcsolatVesztes(int kod)
{
    switch (kod) {
    case 1053: // server shutdown in progress
    case 1927: // connection was killed
    case 2006: // server has gone away
    case 2013: // lost connection during query
    case 2055: // lost connection (extended)
    case 4031: // disconnected by the server for inactivity
        return true;
    default:
        return false;
    }
}

void bezar(const QString& nev)
{
    if (!QSqlDatabase::contains(nev))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(nev, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nev);
}

void foNyit(const KapcsolatAdat& adat)
{
    nyit(adat, foNev());
}

void foBezar()
{
    bezar(foNev());
}

} // namespace Kapcsolat
