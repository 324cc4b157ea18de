#pragma once

// The login log as a receipt text list: the standard header with the title
// "Belépési napló", the column line, one line per attempt, the footer.

#include <QDate>
#include <QStringList>
#include <QVariant>

// The query of the log for a period (both days included).
QString BelepesiNaploSql(const QDate& tol, const QDate& ig);
// The column line of the list.
QString BelepesiNaploFejSor();
// One data line: date (11), time (8), code (5), name (9), success flag (1);
// NULL values become spaces.
QString BelepesiNaploSor(const QVariant& datum, const QVariant& ido, const QVariant& kod,
                         const QVariant& nev, const QVariant& sikeres);
// The whole list for the period, header and footer included. Throws DbHiba.
QStringList BelepesiNaploLista(const QDate& tol, const QDate& ig);
