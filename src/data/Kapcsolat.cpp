#include "Kapcsolat.h"

#include "DbHiba.h"
#include "Seged.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

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
        // "host:port"; an IPv6 address in brackets keeps its colons.
        const int kettospont = r.lastIndexOf(QLatin1Char(':'));
        if (kettospont > 0 && r.count(QLatin1Char(':')) == 1) {
            bool ok = false;
            const int p = r.mid(kettospont + 1).toInt(&ok);
            if (ok) {
                g.nev = r.left(kettospont).trimmed();
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

namespace Kapcsolat {

namespace {

KapcsolatAdat g_foAdat;
int g_foGep = -1; // index of the server the main connection was opened on

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
        opciok += QStringLiteral(";MYSQL_OPT_RECONNECT=1");
    db.setConnectOptions(opciok);
    if (!db.open()) {
        const DbHiba hiba = DbHiba::driverbol(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nev);
        throw hiba;
    }
    if (keszenletVizsgal) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SHOW STATUS LIKE 'wsrep_ready';")) && q.next() &&
            q.value(1).toString().compare(QLatin1String("ON"), Qt::CaseInsensitive) != 0) {
            q = QSqlQuery();
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
                hibak += QStringLiteral("\n");
            hibak += gepek.at(i).nev + QLatin1Char(':') + QString::number(gepek.at(i).port) +
                     QStringLiteral(": ") + h.uzenet();
            utolsoKod = h.kod();
        }
    }
    throw DbHiba(hibak, QString(), utolsoKod);
}

} // namespace

bool KapcsolatVesztes(int kod)
{
    // 2002/2003: cannot connect; 2006: gone away; 2013: lost during the
    // query; 1047/1053: a cluster node not ready or shutting down; 4031:
    // disconnected for inactivity.
    return kod == 2002 || kod == 2003 || kod == 2006 || kod == 2013 || kod == 1047 || kod == 1053 ||
           kod == 4031;
}

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
    return nyitLista(adat, nev, ujrakapcsolodas, 0, nullptr);
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

void foUjranyit()
{
    const int gepek = int(g_foAdat.gepek().size());
    // The server that failed is tried last.
    const int elso = gepek > 1 && g_foGep >= 0 ? (g_foGep + 1) % gepek : 0;
    int gep = 0;
    nyitLista(g_foAdat, foNev(), true, elso, &gep);
    g_foGep = gep;
}

void foBezar()
{
    bezar(foNev());
}

} // namespace Kapcsolat
