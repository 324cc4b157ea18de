#pragma once

// Small helpers of the point-of-sale database tests: master rows, order
// lines and procedure calls built the way the program builds them (numbers
// with SzamSql, texts with SqlIdez), and checks on the rows they leave.

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>

namespace PosSeged
{

inline QString n(double x)
{
    return SzamSql(x);
}

// The statement "CALL name(arguments);".
inline QString hivas(const QString& nev, const QStringList& argumentumok)
{
    return QStringLiteral("CALL ") + nev + QLatin1Char('(') + argumentumok.join(QLatin1Char(',')) +
           QStringLiteral(");");
}

// Empties the tables the point of sale writes; the seed rows stay.
inline void uresit()
{
    static const char* const tablak[] = {"rendelma",    "rendeles",  "asztal",   "cikkszam",
                                         "cikkgyujto",  "gyujto",    "cassa",    "ugyfel",
                                         "ugyfel_ados", "bonusz",    "naplezar", "elojegyzes",
                                         "jutalek",     "besorolas", "naplo"};
    for (const char* t : tablak)
        SqlFuttat(QStringLiteral("DELETE FROM ") + QLatin1String(t) + QLatin1Char(';'));
}

// The server's date (the procedures date their rows by it).
inline QDate ma()
{
    return QDate::fromString(SqlSzoveg(QStringLiteral("SELECT CURDATE();"), QString()),
                             Qt::ISODate);
}

inline void napNyit(const QDate& nap, int muszak = 1)
{
    SqlFuttat(QStringLiteral("INSERT IGNORE INTO naplezar (nap,muszak,lezarva) VALUES (") +
              SqlDatum(nap) + QLatin1Char(',') + QString::number(muszak) +
              QStringLiteral(",'N');"));
}

inline void asztalUj(int asztal, const QString& nev, int pincer = 0)
{
    SqlFuttat(QStringLiteral("INSERT INTO asztal (asztal, asztal_nev, pincer) VALUES (") +
              QString::number(asztal) + QLatin1Char(',') + SqlIdez(nev) + QLatin1Char(',') +
              QString::number(pincer) + QStringLiteral(");"));
}

// A sale item; portok are the four printer assignments ("1030").
inline void cikkUj(int cikkazon, const QString& nev, double ar,
                   const QString& portok = QStringLiteral("0000"), double afakulcs = 27)
{
    SqlFuttat(
        QStringLiteral(
            "INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, port1, port2, port3, "
            "port4, afakulcs) VALUES (") +
        QString::number(cikkazon) + QStringLiteral(",'C") + QString::number(cikkazon) +
        QStringLiteral("',") + SqlIdez(nev) + QLatin1Char(',') + n(ar) + QStringLiteral(",'") +
        portok.at(0) + QStringLiteral("','") + portok.at(1) + QStringLiteral("','") + portok.at(2) +
        QStringLiteral("','") + portok.at(3) + QStringLiteral("',") + n(afakulcs) +
        QStringLiteral(");"));
}

inline void ugyfelUj(int ugyfel, const QString& nev, double adossag = 0, double bonusz = 0)
{
    SqlFuttat(QStringLiteral("INSERT INTO ugyfel (ugyfel, ugyfel_nev, osszeg, bonusz) VALUES (") +
              QString::number(ugyfel) + QLatin1Char(',') + SqlIdez(nev) + QLatin1Char(',') +
              n(adossag) + QLatin1Char(',') + n(bonusz) + QStringLiteral(");"));
}

// "CALL sp_rendelsor(asztal,0,cikkazon,ar,db,'remark');" and the new line's
// number.
inline int rendel(int asztal, int cikkazon, double ar, double db = 1,
                  const QString& megjegyzes = {})
{
    SqlFuttat(hivas(QStringLiteral("sp_rendelsor"),
                    {QString::number(asztal), QStringLiteral("0"), QString::number(cikkazon), n(ar),
                     n(db), SqlIdez(megjegyzes)}));
    return SqlEgesz(QStringLiteral("SELECT MAX(rendelesazon) FROM rendelma;"), -1);
}

inline void sztornoz(int rendelesazon)
{
    SqlFuttat(QStringLiteral("UPDATE rendelma SET torolve='I',storno=1 WHERE rendelesazon=") +
              QString::number(rendelesazon) + QLatin1Char(';'));
}

// sp_fizet as the settlement reads it: the new bill number.
inline int fizet(int asztal)
{
    QSqlQuery q = SqlNyit(
        hivas(QStringLiteral("sp_fizet"), {QString::number(asztal), QStringLiteral("'N'")}));
    if (!q.next())
        throw DbHiba(QStringLiteral("sp_fizet returned no row"));
    return q.value(QStringLiteral("rendeles")).toInt();
}

// The rows of a query, each as its values joined by "|" (NULL as "NULL").
inline QStringList sorok(const QString& sql)
{
    QSqlQuery q = SqlNyit(sql);
    QStringList ki;
    while (q.next()) {
        QStringList s;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            if (v.isNull())
                s << QStringLiteral("NULL");
            else if (v.metaType().id() == QMetaType::Double)
                s << QString::number(v.toDouble(), 'g', 15);
            else
                s << v.toString();
        }
        ki << s.join(QLatin1Char('|'));
    }
    return ki;
}

// The message of the error the statement raises; empty when it succeeds.
inline QString hibaUzenet(const QString& sql)
{
    try {
        SqlFuttat(sql);
    } catch (const DbHiba& h) {
        return h.uzenet();
    }
    return {};
}

// A fingerprint of the tables' contents (CHECKSUM TABLE), to show that a
// failed call left nothing behind.
inline QString ujjlenyomat(const QString& tablak)
{
    return sorok(QStringLiteral("CHECKSUM TABLE ") + tablak + QLatin1Char(';'))
        .join(QLatin1Char(';'));
}

} // namespace PosSeged

// Fails the test with the server's message when the statement fails.
#define POS_OK(expr)                                                                               \
    do {                                                                                           \
        try {                                                                                      \
            expr;                                                                                  \
        } catch (const DbHiba& h_) {                                                               \
            QFAIL(qPrintable(QStringLiteral("SQL hiba: ") + h_.uzenet() + QStringLiteral(" -- ") + \
                             h_.utasitas()));                                                      \
        }                                                                                          \
    } while (0)
