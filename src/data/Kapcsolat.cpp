#include "Kapcsolat.h"

#include "DbHiba.h"
#include "Seged.h"

#include <QSqlError>

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
                QString::number(port) + QLatin1Char(';') + felhasznalo + QLatin1Char(';') +
                jelszo + QLatin1Char(';') + adatbazisnev;
    if (zaroPontosvesszo)
        s += QLatin1Char(';');
    return s;
}

namespace Kapcsolat {

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
        opciok += QStringLiteral(";MYSQL_OPT_RECONNECT=1");
    db.setConnectOptions(opciok);
    if (!db.open()) {
        const DbHiba hiba = DbHiba::driverbol(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nev);
        throw hiba;
    }
    return db;
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
