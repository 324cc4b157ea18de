#include "Mentes.h"

#include "DbHiba.h"
#include "KozosDB.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <zlib.h>

QString MentesJavasoltNev(const QString& adatbazis, const QDateTime& ido)
{
    return adatbazis + QLatin1Char('-') + ido.toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"));
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

    // Written beside the target first, so that a failure never leaves a
    // damaged archive in place of an earlier good one.
    const QString ideiglenes = zipFajl + QStringLiteral(".tmp");
    QFile::remove(ideiglenes);
    {
        QuaZip zip(ideiglenes);
        if (!zip.open(QuaZip::mdCreate))
            throw ArchivHiba(ideiglenes + QStringLiteral(": az archívum nem hozható létre (") +
                             QString::number(zip.getZipError()) + QLatin1Char(')'));
        QuaZipFile ki(&zip);
        bool rendben = ki.open(QIODevice::WriteOnly, QuaZipNewInfo(tagNev, fajl), nullptr, 0,
                               Z_DEFLATED, Z_BEST_COMPRESSION);
        while (rendben && !be.atEnd()) {
            const QByteArray darab = be.read(1 << 20);
            rendben = ki.write(darab) == darab.size();
        }
        if (ki.isOpen())
            ki.close();
        rendben = rendben && ki.getZipError() == ZIP_OK && be.error() == QFileDevice::NoError;
        zip.close();
        rendben = rendben && zip.getZipError() == ZIP_OK;
        if (!rendben) {
            QFile::remove(ideiglenes);
            throw ArchivHiba(zipFajl + QStringLiteral(": az archívum írása nem sikerült (") +
                             QString::number(ki.getZipError()) + QLatin1Char('/') +
                             QString::number(zip.getZipError()) + QLatin1Char(')'));
        }
    }
    if (QFile::exists(zipFajl) && !QFile::remove(zipFajl)) {
        QFile::remove(ideiglenes);
        throw ArchivHiba(zipFajl + QStringLiteral(": a régi fájl nem írható felül"));
    }
    if (!QFile::rename(ideiglenes, zipFajl)) {
        QFile::remove(ideiglenes);
        throw ArchivHiba(zipFajl + QStringLiteral(": az archívum nem nevezhető át"));
    }
}

void BiztonsagiMentes(const KapcsolatAdat& adat, const QString& fajl, const QString& tempMappa,
                      const std::function<void(int, int)>& haladas)
{
    const bool zip =
        QFileInfo(fajl).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0;
    // For an archive the script is prepared in the temporary folder under the
    // member's name, so that a ".sql" file of the same name beside the archive
    // is never overwritten or deleted.
    QString sqlFajl = fajl;
    if (zip) {
        if (!QDir().mkpath(tempMappa))
            throw std::runtime_error(
                (QStringLiteral("A mappa nem hozható létre: ") + tempMappa).toStdString());
        sqlFajl = QDir(tempMappa).filePath(ZipTagNev(fajl));
    }

    const QString nev = QStringLiteral("vexlof_mentes");
    try {
        QSqlDatabase db = Kapcsolat::nyit(adat, nev);
        AdatMentes(sqlFajl, db, haladas);
    } catch (...) {
        Kapcsolat::bezar(nev);
        if (zip)
            QFile::remove(sqlFajl);
        throw;
    }
    Kapcsolat::bezar(nev);

    if (zip) {
        try {
            ZipKeszit(fajl, sqlFajl, ZipTagNev(fajl));
        } catch (...) {
            QFile::remove(sqlFajl);
            throw;
        }
        QFile::remove(sqlFajl);
    }
}
