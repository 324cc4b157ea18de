#pragma once

// Backups in the program's own format (a "TRUNCATE" line and "INSERT IGNORE"
// blocks per table, Windows-1250, CR LF), written plain as ".sql" or packed
// into a ".zip" archive that holds one member: the archive's base name with
// the extension ".sql".

#include "Hiba.h"
#include "Kapcsolat.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <stdexcept>

// An archive that cannot be written or read.
class ArchivHiba : public Hiba
{
public:
    using Hiba::Hiba;
};

// The proposed file name: database + "-" + "yyyy-mm-dd-hh-nn-ss".
QString MentesJavasoltNev(const QString& adatbazis,
                          const QDateTime& ido = QDateTime::currentDateTime());

// Name of the archive member that belongs to a ".zip" path.
QString ZipTagNev(const QString& zipFajl);

// Packs one file into a new archive at maximum compression under the member
// name tagNev. The archive is first written beside its target and renamed
// over it only when complete. Throws ArchivHiba.
void ZipKeszit(const QString& zipFajl, const QString& fajl, const QString& tagNev);

// Connects with the entry, writes the backup and closes the connection. A
// path ending in ".zip" (any case) becomes an archive; its ".sql" member is
// prepared in tempMappa and removed afterwards. haladas(done, count) follows
// the tables. Throws DbHiba (connection, server), ArchivHiba (archive) or
// std::runtime_error (file).
void BiztonsagiMentes(const KapcsolatAdat& adat, const QString& fajl, const QString& tempMappa,
                      const std::function<void(int, int)>& haladas = {});
