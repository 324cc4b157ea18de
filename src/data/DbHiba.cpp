#include "DbHiba.h"

#include <QSqlError>

DbHiba::DbHiba(const QString& uzenet, const QString& utasitas, int kod)
    : Hiba(uzenet), m_utasitas(utasitas), m_kod(kod)
{
}

DbHiba DbHiba::driverbol(const QSqlError& hiba, const QString& utasitas)
{
    QString szoveg = hiba.databaseText().trimmed();
    if (szoveg.isEmpty())
        szoveg = hiba.driverText().trimmed();
    if (szoveg.isEmpty())
        szoveg = hiba.text().trimmed();
    bool ok = false;
    const int kod = hiba.nativeErrorCode().toInt(&ok);
    if (ok && kod == 1366)
        szoveg += QStringLiteral(
            " (a szöveg olyan karaktert tartalmaz, amelyet az adatbázis nem tud tárolni)");
    return DbHiba(szoveg, utasitas, ok ? kod : 0);
}
