#pragma once

// Restore from a backup file (".sql", or ".zip" holding base name + ".sql"),
// and loading of any other script (schema, upgrade) through the same path.
//
// The file is streamed twice and never held whole. The first pass reads it
// completely without touching the database: it splits the statements, checks
// the closing line of a data backup (statement count and CRC-32, see
// MentesFormatum.h), and finds any statement a data backup cannot hold. Only
// then does the second pass run the statements. A data backup runs as one
// transaction in which any error or warning of a statement rolls everything
// back; a schema script runs statement by statement.

#include "Hiba.h"
#include "Kapcsolat.h"

#include <QString>
#include <QStringList>
#include <functional>

// A backup that is damaged, incomplete, or holds what a backup cannot.
class MentesHiba : public Hiba
{
public:
    using Hiba::Hiba;
};

// What the first pass found in a file.
struct MentesAdatok {
    bool sajat = false;  // begins with this program's first line
    bool lezart = false; // ends with a closing line that matches
    bool adat = false;   // a data backup; false: a schema or upgrade script
    bool utf8 = false;   // UTF-8 text (else Windows-1250)
    qint64 utasitasok = 0;
    quint32 crc = 0;    // CRC-32 of all bytes of the file (or member)
    QStringList tablak; // tables named by the data statements, lower case
};

// Streams the bytes of a backup: a plain file, or the ".sql" member of a
// ".zip" named after the archive. A damaged archive is refused whatever byte
// is damaged: a read that makes no progress, a size or CRC that does not
// match the member's header. Nothing is unpacked to disk. Throws
// MentesHiba (file), ArchivHiba (archive), or what darab throws.
void MentesOlvas(const QString& fajl, const std::function<void(const char*, qsizetype)>& darab);

// The restore's first pass: reads and checks the whole file without running
// it. Throws MentesHiba when it is damaged: it does not parse, a closing line
// does not match or is missing from a file that begins as ours, or a data
// backup holds a statement other than TRUNCATE and INSERT INTO. A file
// without the marks (older backups, other tools) passes with lezart false.
MentesAdatok MentesElemez(const QString& fajl);

// A complete data backup written by this program (marks present and
// matching): the check for a backup just written, e.g. at the day's close.
// Throws Hiba (MentesHiba, ArchivHiba) otherwise.
MentesAdatok MentesEllenoriz(const QString& fajl);

// The operator's answers, asked by the window; a missing one counts as no.
struct VisszaallitasKerdesek {
    // A data backup without closing line: its completeness cannot be
    // checked. The text says so; true loads it anyway.
    std::function<bool(const QString& szoveg)> ellenorizhetetlen;
    // The last question before anything changes: host and database given.
    std::function<bool(const QString& kiszolgalo, const QString& adatbazis)> felulir;
};

// The whole restore: the first pass, the questions, a connection without
// automatic reconnect, the second pass. haladas(done, count) follows the
// statements. False when the operator said no (nothing changed). Throws
// Hiba (MentesHiba, ArchivHiba, DbHiba); a data backup then leaves the
// database as it was.
bool Visszaallitas(const KapcsolatAdat& adat, const QString& fajl,
                   const VisszaallitasKerdesek& kerdesek,
                   const std::function<void(int, int)>& haladas = {});
