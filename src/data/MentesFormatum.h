#pragma once

// The data backup's file format and its streaming writer.
//
// A data backup is plain text in Windows-1250 with CR LF line ends: a first
// comment line that marks it as ours, then per base table a "TRUNCATE" line
// and "INSERT IGNORE INTO" statements of at most 100 rows, and a closing
// comment line with the number of statements and the CRC-32 of every byte
// before it:
//
//     -- VexloF adatmentes
//     TRUNCATE cassa;
//     INSERT IGNORE INTO cassa (cassa,...) VALUES
//     (1,...),
//     (2,...);
//     ...
//     -- VexloF vege: 62 utasitas, crc32 0x1a2b3c4d
//
// Both marks are comments: the mariadb client and older readers load the
// file as before. A restore refuses a file of ours whose closing line is
// missing or does not match.

#include "Kapcsolat.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;
struct st_mysql;

// The first line of a data backup, with its CR LF.
QByteArray MentesFejSor();
// The closing line, with its CR LF.
QByteArray MentesZaroSor(qint64 utasitasok, quint32 crc);
// True when the line (without its line end) begins like a closing line.
bool MentesZaroSorE(const QByteArray& sor);
// Reads a closing line (without its line end); false when it is malformed.
bool MentesZaroSorOlvas(const QByteArray& sor, qint64* utasitasok, quint32* crc);

// Writes the data backup of every base table of the connection's database
// to the device as it reads it: all tables are read inside one consistent
// snapshot (REPEATABLE READ), row by row without holding a table in memory.
// haladas(index, darab) is called before each table (inside the snapshot)
// and once more at the end. The connection must not be inside a
// transaction of its own. Throws DbHiba, or Hiba when the device fails.
void AdatMentesIr(QIODevice& ki, QSqlDatabase db,
                  const std::function<void(int, int)>& haladas = {});

// The client library's handle of an open Qt connection (the QMYSQL driver).
// Throws DbHiba when the connection is not open or not a MySQL one.
st_mysql* MysqlKezelo(QSqlDatabase db);
