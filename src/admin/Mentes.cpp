#include "Mentes.h"

#include "DbHiba.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "MentesFormatum.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <zlib.h>

namespace
{

const QString iniSzakasz = QStringLiteral("frm_Adatbazis");
const QString iniKulcs = QStringLiteral("MentesMappa");

bool letezoMappa(const QString& m)
{
    return !m.isEmpty() && QFileInfo(m).isAbsolute() && QFileInfo(m).isDir();
}

// A fresh name beside the target; the caller removes or renames it.
QString ideiglenesNev(const QString& cel)
{
    const QFileInfo info(cel);
    if (!QFileInfo(info.absolutePath()).isDir())
        throw Hiba(QStringLiteral("A mappa nem létezik: ") +
                   QDir::toNativeSeparators(info.absolutePath()));
    QTemporaryFile t(info.absoluteFilePath() + QStringLiteral(".XXXXXX.part"));
    t.setAutoRemove(false);
    if (!t.open())
        throw Hiba(QStringLiteral("A mentés nem írható: ") + QDir::toNativeSeparators(cel) +
                   QStringLiteral(": ") + t.errorString());
    const QString nev = t.fileName();
    t.close();
    return nev;
}

// Puts the finished file in place of the target.
void athelyez(const QString& ideiglenes, const QString& cel)
{
    if (QFile::exists(cel) && !QFile::remove(cel))
        throw Hiba(QDir::toNativeSeparators(cel) +
                   QStringLiteral(": a régi fájl nem írható felül"));
    if (!QFile::rename(ideiglenes, cel))
        throw Hiba(QDir::toNativeSeparators(cel) + QStringLiteral(": a mentés nem nevezhető át"));
}

// Writes through iro into a new archive at utvonal, member tagNev.
void zipIr(const QString& utvonal, const QString& tagNev,
           const std::function<void(QIODevice&)>& iro)
{
    QuaZip zip(utvonal);
    if (!zip.open(QuaZip::mdCreate))
        throw ArchivHiba(QDir::toNativeSeparators(utvonal) +
                         QStringLiteral(": az archívum nem hozható létre (") +
                         QString::number(zip.getZipError()) + QLatin1Char(')'));
    QuaZipFile ki(&zip);
    QuaZipNewInfo info(tagNev);
    info.dateTime = QDateTime::currentDateTime();
    if (!ki.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_BEST_COMPRESSION))
        throw ArchivHiba(QDir::toNativeSeparators(utvonal) +
                         QStringLiteral(": az archívum nem írható (") +
                         QString::number(ki.getZipError()) + QLatin1Char(')'));
    iro(ki);
    ki.close();
    const int tagHiba = ki.getZipError();
    zip.close();
    if (tagHiba != ZIP_OK || zip.getZipError() != ZIP_OK)
        throw ArchivHiba(QDir::toNativeSeparators(utvonal) +
                         QStringLiteral(": az archívum írása nem sikerült (") +
                         QString::number(tagHiba) + QLatin1Char('/') +
                         QString::number(zip.getZipError()) + QLatin1Char(')'));
}

} // namespace

QString MentesJavasoltNev(const QString& adatbazis, const QDateTime& ido)
{
    return adatbazis + QLatin1Char('-') + ido.toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"));
}

QString MentesMappa()
{
    const QString utolso = IniOlvas(iniSzakasz, iniKulcs);
    for (const QString& m : {utolso, DokumentumMappa(), QDir::homePath(), AdatMappa()})
        if (letezoMappa(m))
            return QDir::cleanPath(QFileInfo(m).absoluteFilePath());
    return QDir::currentPath();
}

void MentesMappaMegjegyez(const QString& fajl)
{
    const QString mappa = QFileInfo(fajl).absolutePath();
    if (!letezoMappa(mappa))
        return;
    try {
        IniIr(iniSzakasz, iniKulcs, QDir::toNativeSeparators(mappa));
    } catch (const std::exception&) {
        // Only a convenience: a read-only INI file must not fail the backup.
    }
}

QString MentesJavasoltUt(const QString& adatbazis, const QString& kiterjesztes,
                         const QDateTime& ido)
{
    return QDir(MentesMappa()).absoluteFilePath(MentesJavasoltNev(adatbazis, ido) + kiterjesztes);
}

QString ZipTagNev(const QString& zipFajl)
{
    return QFileInfo(zipFajl).completeBaseName() + QStringLiteral(".sql");
}

void ZipKeszit(const QString& zipFajl, const QString& fajl, const QString& tagNev)
{
    QFile be(fajl);
    if (!be.open(QIODevice::ReadOnly))
        throw ArchivHiba(fajl + QStringLiteral(": ") + be.errorString());
    const QString ideiglenes = ideiglenesNev(zipFajl);
    try {
        zipIr(ideiglenes, tagNev, [&](QIODevice& ki) {
            while (!be.atEnd()) {
                const QByteArray darab = be.read(1 << 20);
                if (darab.isEmpty() || ki.write(darab) != darab.size())
                    throw ArchivHiba(zipFajl + QStringLiteral(": az archívum írása nem sikerült"));
            }
        });
        athelyez(ideiglenes, zipFajl);
    } catch (...) {
        QFile::remove(ideiglenes);
        throw;
    }
}

void BiztonsagiMentes(const KapcsolatAdat& adat, const QString& fajl,
                      const std::function<void(int, int)>& haladas)
{
    const bool zip =
        QFileInfo(fajl).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0;
    const QString ideiglenes = ideiglenesNev(fajl);
    const QString nev = QStringLiteral("vexlof_mentes");
    try {
        {
            QSqlDatabase db = Kapcsolat::nyit(adat, nev);
            if (zip) {
                zipIr(ideiglenes, ZipTagNev(fajl),
                      [&](QIODevice& ki) { AdatMentesIr(ki, db, haladas); });
            } else {
                QFile ki(ideiglenes);
                if (!ki.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    throw Hiba(QStringLiteral("A mentés nem írható: ") +
                               QDir::toNativeSeparators(fajl) + QStringLiteral(": ") +
                               ki.errorString());
                AdatMentesIr(ki, db, haladas);
                ki.close();
                if (ki.error() != QFileDevice::NoError)
                    throw Hiba(QStringLiteral("A mentés nem írható: ") +
                               QDir::toNativeSeparators(fajl) + QStringLiteral(": ") +
                               ki.errorString());
            }
        }
        Kapcsolat::bezar(nev);
        athelyez(ideiglenes, fajl);
    } catch (...) {
        Kapcsolat::bezar(nev);
        QFile::remove(ideiglenes);
        throw;
    }
}
