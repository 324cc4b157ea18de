#include "Kapcsolat.h"

#include "DbHiba.h"
#include "Seged.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
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

QList<KapcsolatAdat::Gep> KapcsolatAdat::gepek() const
{
    QList<Gep> ki;
    const QStringList reszek = kiszolgalo.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& r0 : reszek) {
        const QString r = r0.trimmed();
        if (r.isEmpty())
            continue;
        Gep g;
        g.nev = r;
        g.port = port;
        // "host:port"; an IPv6 address keeps its colons ("[::1]:3307").
        if (r.count(QLatin1Char(':')) == 1) {
            const int k = r.indexOf(QLatin1Char(':'));
            bool ok = false;
            const int p = r.mid(k + 1).toInt(&ok);
            if (ok) {
                g.nev = r.left(k).trimmed();
                g.port = p;
            }
        } else if (r.startsWith(QLatin1Char('[')) && r.contains(QLatin1String("]:"))) {
            const int zaro = r.indexOf(QLatin1String("]:"));
            bool ok = false;
            const int p = r.mid(zaro + 2).toInt(&ok);
            g.nev = r.mid(1, zaro - 1);
            if (ok)
                g.port = p;
        }
        ki.append(g);
    }
    if (ki.isEmpty())
        ki.append(Gep{kiszolgalo, port});
    return ki;
}

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

namespace
{

// Opens one server of the entry. A node of a cluster that is not part of the
// primary component accepts logins but refuses every statement (1047): such
// a node counts as unreachable when there are others to try.
QSqlDatabase nyitGep(const KapcsolatAdat& adat, const KapcsolatAdat::Gep& gep, const QString& nev,
                     bool ujrakapcsolodas, bool keszenletVizsgal)
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
    db.setHostName(gep.nev);
    db.setPort(gep.port);
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
    if (keszenletVizsgal) {
        bool kesz = true;
        {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SHOW STATUS LIKE 'wsrep_ready';")) && q.next())
                kesz = q.value(1).toString().compare(QLatin1String("ON"), Qt::CaseInsensitive) == 0;
        }
        if (!kesz) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nev);
            throw DbHiba(gep.nev + QLatin1Char(':') + QString::number(gep.port) +
                             QStringLiteral(": a fürt csomópontja nem áll készen."),
                         QString(), 1047);
        }
    }
    return db;
}

KapcsolatAdat g_foAdat;
int g_foGep = -1; // index of the server the main connection was opened on

QSqlDatabase nyitLista(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas,
                       int elsoGep, int* nyitott)
{
    const QList<KapcsolatAdat::Gep> gepek = adat.gepek();
    const bool tobb = gepek.size() > 1;
    QString hibak;
    int utolsoKod = 0;
    for (int k = 0; k < gepek.size(); ++k) {
        const int i = (elsoGep + k) % int(gepek.size());
        try {
            QSqlDatabase db = nyitGep(adat, gepek.at(i), nev, ujrakapcsolodas, tobb);
            if (nyitott)
                *nyitott = i;
            return db;
        } catch (const DbHiba& h) {
            if (!tobb)
                throw;
            if (!hibak.isEmpty())
                hibak += QLatin1Char('\n');
            hibak += gepek.at(i).nev + QLatin1Char(':') + QString::number(gepek.at(i).port) +
                     QStringLiteral(": ") + h.uzenet();
            utolsoKod = h.kod();
        }
    }
    throw DbHiba(hibak, QString(), utolsoKod);
}

} // namespace

QSqlDatabase nyit(const KapcsolatAdat& adat, const QString& nev, bool ujrakapcsolodas)
{
    return nyitLista(adat, nev, ujrakapcsolodas, 0, nullptr);
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
    int gep = 0;
    nyitLista(adat, foNev(), true, 0, &gep);
    g_foAdat = adat;
    g_foGep = gep;
}

KapcsolatAdat foAdat()
{
    return g_foAdat;
}

bool foTobbGep()
{
    return g_foAdat.gepek().size() > 1;
}

void foUjranyit()
{
    const int gepek = int(g_foAdat.gepek().size());
    // The server that failed is tried last.
    const int elso = gepek > 1 && g_foGep >= 0 ? (g_foGep + 1) % gepek : 0;
    int gep = 0;
    nyitLista(g_foAdat, foNev(), true, elso, &gep);
    g_foGep = gep;
}

bool csomopontValtas(int kod)
{
    return kapcsolatVesztes(kod) || kod == 2002 || kod == 2003 || kod == 1047;
}

void foBezar()
{
    bezar(foNev());
}

} // namespace Kapcsolat
