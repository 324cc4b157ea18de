#pragma once

// The one error type of the data layer: every failure of the database (a
// refused statement, a lost connection, a script that does not parse) is
// raised as a DbHiba carrying the server's message and the statement. A
// window turns it into the error box at its own boundary ("Hiba: " +
// uzenet()).

#include "Hiba.h"

#include <QString>

class QSqlError;

class DbHiba : public Hiba
{
public:
    explicit DbHiba(const QString& uzenet, const QString& utasitas = {}, int kod = 0);
    // From a driver error: the server's own text (the database text when the
    // driver has one) and its native error number.
    static DbHiba driverbol(const QSqlError& hiba, const QString& utasitas = {});

    const QString& utasitas() const { return m_utasitas; }
    // The server's error number (1366 for a character the table cannot
    // hold, 1062 for a duplicate key), 0 when unknown.
    int kod() const { return m_kod; }

private:
    QString m_utasitas;
    int m_kod;
};
