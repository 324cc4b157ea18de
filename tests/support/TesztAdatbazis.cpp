#include "TesztAdatbazis.h"

#include "DbHiba.h"
#include "KozosDB.h"
#include "SqlSzkript.h"

#include <QFile>
#include <QProcessEnvironment>

namespace TesztAdatbazis
{

int port()
{
    const QString dir = qEnvironmentVariable("VEXLOF_TESTDB_DIR");
    if (dir.isEmpty())
        throw DbHiba(QStringLiteral("VEXLOF_TESTDB_DIR is not set: run the test through ctest"));
    QFile f(dir + QStringLiteral("/port"));
    if (!f.open(QIODevice::ReadOnly))
        throw DbHiba(QStringLiteral("The private database server is not running (") + dir +
                     QLatin1Char(')'));
    return QString::fromLatin1(f.readAll()).trimmed().toInt();
}

KapcsolatAdat root(const QString& adatbazis)
{
    KapcsolatAdat a;
    a.adatbazis = adatbazis;
    a.kiszolgalo = QStringLiteral("127.0.0.1");
    a.port = port();
    a.felhasznalo = QStringLiteral("root");
    a.adatbazisnev = QStringLiteral("Teszt");
    return a;
}

QString schemaFajl()
{
    return qEnvironmentVariable("VEXLOF_SCHEMA");
}

QString demoFajl()
{
    return qEnvironmentVariable("VEXLOF_DEMO");
}

KapcsolatAdat uresLetrehoz(const QString& nev)
{
    {
        QSqlDatabase db = Kapcsolat::nyit(root(), QStringLiteral("teszt_root"));
        SqlFuttat(QStringLiteral("DROP DATABASE IF EXISTS ") + nev, db);
        SqlFuttat(QStringLiteral("CREATE DATABASE ") + nev +
                      QStringLiteral(" CHARACTER SET latin2 COLLATE latin2_hungarian_ci"),
                  db);
    }
    Kapcsolat::bezar(QStringLiteral("teszt_root"));
    return root(nev);
}

void torol(const QString& nev)
{
    {
        QSqlDatabase db = Kapcsolat::nyit(root(), QStringLiteral("teszt_root"));
        SqlFuttat(QStringLiteral("DROP DATABASE IF EXISTS ") + nev, db);
    }
    Kapcsolat::bezar(QStringLiteral("teszt_root"));
}

void betolt(const QString& fajl)
{
    const SqlSzkript sz = SqlSzkript::betolt(fajl);
    if (!sz.ervenyes())
        throw DbHiba(fajl + QStringLiteral(": ") + sz.hiba());
    sz.futtat(Kapcsolat::fo());
}

void letrehoz(const QString& nev, bool demo)
{
    Kapcsolat::foNyit(uresLetrehoz(nev));
    betolt(schemaFajl());
    if (demo)
        betolt(demoFajl());
}

} // namespace TesztAdatbazis
