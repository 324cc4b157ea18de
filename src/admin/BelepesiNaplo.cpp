#include "BelepesiNaplo.h"

#include "BlokkSzoveg.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QSqlRecord>

QString BelepesiNaploSql(const QDate& tol, const QDate& ig)
{
    return QStringList{
        QStringLiteral("SELECT"),
        QStringLiteral(" naplo.*,"),
        QStringLiteral(" felhasznalo.felhasznalo_nev"),
        QStringLiteral("FROM naplo"),
        QStringLiteral(
            " LEFT OUTER JOIN felhasznalo ON (naplo.felhasznalo=felhasznalo.felhasznalo)"),
        QStringLiteral("WHERE (datum BETWEEN ") + SqlDatum(tol) + QStringLiteral(" AND ") +
            SqlDatum(ig) + QLatin1Char(')'),
        QStringLiteral("ORDER BY naplo.az;"),
    }
        .join(QLatin1Char('\n'));
}

QString BelepesiNaploFejSor()
{
    return QStringLiteral("Dátum       Idő      Kód   Felhaszn  OK");
}

QString BelepesiNaploSor(const QVariant& datum, const QVariant& ido, const QVariant& kod,
                         const QVariant& nev, const QVariant& sikeres)
{
    // The display texts of the date and time fields; NULL stays NULL and
    // becomes spaces.
    QVariant d, t;
    if (!datum.isNull())
        d = DatumFormat(datum.toDate(), QStringLiteral("yyyy.mm.dd."));
    if (!ido.isNull())
        t = ido.toTime().toString(QStringLiteral("HH:mm:ss"));
    return BalraIgazit(d, 11) + QLatin1Char(' ') + BalraIgazit(t, 8) + QLatin1Char(' ') +
           BalraIgazit(kod, 5) + QLatin1Char(' ') + BalraIgazit(nev, 9) + QStringLiteral("  ") +
           BalraIgazit(sikeres, 1);
}

QStringList BelepesiNaploLista(const QDate& tol, const QDate& ig)
{
    QSqlQuery q = SqlNyit(BelepesiNaploSql(tol, ig));
    QStringList lista;
    FejlecHozzaad(lista, QStringLiteral("Belépési napló"));
    lista << QString() << BelepesiNaploFejSor();
    while (q.next()) {
        const QSqlRecord r = q.record();
        lista << BelepesiNaploSor(r.value(QStringLiteral("datum")), r.value(QStringLiteral("ido")),
                                  r.value(QStringLiteral("felhasznalo")),
                                  r.value(QStringLiteral("felhasznalo_nev")),
                                  r.value(QStringLiteral("sikeres")));
    }
    LablecHozzaad(lista);
    return lista;
}
