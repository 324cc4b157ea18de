#pragma once

// Backups in the program's own format (MentesFormatum.h: a first line, a
// "TRUNCATE" line and "INSERT IGNORE" blocks per table, a closing line with
// the statement count and CRC-32; Windows-1250, CR LF), written plain as
// ".sql" or packed into a ".zip" archive that holds one member: the
// archive's base name with the extension ".sql".

#include "Hiba.h"
#include "Kapcsolat.h"

#include <QDateTime>
#include <QString>
#include <functional>

// An archive that cannot be written or read.
class ArchivHiba : public Hiba
{
public:
    using Hiba::Hiba;
};

// The proposed file name: database + "-" + "yyyy-mm-dd-hh-nn-ss".
QString MentesJavasoltNev(const QString& adatbazis,
                          const QDateTime& ido = QDateTime::currentDateTime());

// The folder a backup or restore dialog opens in: the one used last (INI
// "frm_Adatbazis", "MentesMappa") while it exists, else the user's documents
// folder, the home folder or the data folder, whichever exists first. Always
// an absolute path of an existing folder.
QString MentesMappa();
// Remembers the folder of a chosen backup file for the next dialog.
void MentesMappaMegjegyez(const QString& fajl);
// The proposed backup path: MentesMappa() + MentesJavasoltNev() + kiterjesztes.
QString MentesJavasoltUt(const QString& adatbazis,
                         const QString& kiterjesztes = QStringLiteral(".sql"),
                         const QDateTime& ido = QDateTime::currentDateTime());

// Name of the archive member that belongs to a ".zip" path.
QString ZipTagNev(const QString& zipFajl);

// Packs one file into a new archive at maximum compression under the member
// name tagNev. The archive is first written beside its target and renamed
// over it only when complete. Throws ArchivHiba.
void ZipKeszit(const QString& zipFajl, const QString& fajl, const QString& tagNev);

// The data backup of a database to a path, without any window: connects
// with the entry (a connection of its own), writes the backup in one
// consistent snapshot as it reads it, and closes the connection. A path
// ending in ".zip" (any case) becomes an archive written as a stream (no
// temporary ".sql"). The file is written under a temporary name beside the
// target and renamed over it only when complete: a failed backup leaves no
// file behind and an earlier file of the same name untouched. haladas(done,
// count) follows the tables. Throws DbHiba (connection, server), ArchivHiba
// (archive) or Hiba (file).
void BiztonsagiMentes(const KapcsolatAdat& adat, const QString& fajl,
                      const std::function<void(int, int)>& haladas = {});
