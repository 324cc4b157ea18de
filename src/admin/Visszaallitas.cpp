#include "Visszaallitas.h"

#include "Ansi.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Mentes.h"
#include "Tranzakcio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <quazip.h>
#include <quazipfile.h>

namespace
{

const QRegularExpression& truncateMinta()
{
    static const QRegularExpression m(QStringLiteral("^TRUNCATE\\s+(?:TABLE\\s+)?`?([\\w$]+)`?$"),
                                      QRegularExpression::CaseInsensitiveOption);
    return m;
}

const QRegularExpression& insertMinta()
{
    static const QRegularExpression m(
        QStringLiteral("^INSERT\\s+(?:IGNORE\\s+)?INTO\\s+`?([\\w$]+)`?[\\s(]"),
        QRegularExpression::CaseInsensitiveOption);
    return m;
}

// The table a data statement works on; empty for any other statement.
QString celTabla(const QString& utasitas, bool* csonkit = nullptr)
{
    QRegularExpressionMatch m = truncateMinta().match(utasitas);
    if (m.hasMatch()) {
        if (csonkit)
            *csonkit = true;
        return m.captured(1);
    }
    m = insertMinta().match(utasitas);
    if (m.hasMatch()) {
        if (csonkit)
            *csonkit = false;
        return m.captured(1);
    }
    return {};
}

QByteArray zipTagOlvas(const QString& fajl, const QString& tempMappa)
{
    const QString tag = ZipTagNev(fajl);
    QuaZip zip(fajl);
    if (!zip.open(QuaZip::mdUnzip))
        throw DbHiba(QStringLiteral("A fájl nem olvasható zip archívumként: ") + fajl);
    if (!zip.setCurrentFile(tag, QuaZip::csInsensitive))
        throw DbHiba(
            QStringLiteral("Az archívumban nincs meg a várt fájl: ") + tag +
            QStringLiteral("\r\nA visszaállítás nem indult el, az adatbázis változatlan."));

    // The member is unpacked into the temporary folder (only this one: the
    // archive's other entries and their paths are never written) and removed
    // after reading.
    if (!QDir().mkpath(tempMappa))
        throw DbHiba(QStringLiteral("A mappa nem hozható létre: ") + tempMappa);
    const QString kibontott = QDir(tempMappa).filePath(tag);
    QFile ki(kibontott);
    QuaZipFile be(&zip);
    bool rendben =
        be.open(QIODevice::ReadOnly) && ki.open(QIODevice::WriteOnly | QIODevice::Truncate);
    while (rendben && !be.atEnd()) {
        const QByteArray darab = be.read(1 << 20);
        if (darab.isEmpty() && be.getZipError() != UNZ_OK)
            rendben = false;
        else
            rendben = ki.write(darab) == darab.size();
    }
    if (be.isOpen())
        be.close(); // verifies the checksum of a member read to its end
    const int zipHiba = be.getZipError();
    ki.close();
    zip.close();
    QByteArray tartalom;
    if (rendben && zipHiba == UNZ_OK) {
        QFile olvas(kibontott);
        if (olvas.open(QIODevice::ReadOnly))
            tartalom = olvas.readAll();
        else
            rendben = false;
    }
    QFile::remove(kibontott);
    QDir().rmdir(tempMappa); // only when nothing else is left in it
    if (zipHiba == UNZ_CRCERROR)
        throw DbHiba(
            QStringLiteral("Az archívum sérült (ellenőrzőösszeg-hiba): ") + tag +
            QStringLiteral("\r\nA visszaállítás nem indult el, az adatbázis változatlan."));
    if (!rendben || zipHiba != UNZ_OK)
        throw DbHiba(QStringLiteral("Az archívum nem bontható ki: ") + tag + QStringLiteral(" (") +
                     QString::number(zipHiba) +
                     QStringLiteral(")\r\nA visszaállítás nem indult el, ") +
                     QStringLiteral("az adatbázis változatlan."));
    return tartalom;
}

} // namespace

QString MentesSzovegOlvas(const QString& fajl, const QString& tempMappa)
{
    if (QFileInfo(fajl).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0)
        return FajlSzoveg(zipTagOlvas(fajl, tempMappa));
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        throw DbHiba(QStringLiteral("A fájl nem olvasható: ") + fajl + QStringLiteral(": ") +
                     f.errorString());
    return FajlSzoveg(f.readAll());
}

SqlSzkript VisszaallitasElokeszit(const QString& fajl, const QString& tempMappa)
{
    const SqlSzkript sz = SqlSzkript::elemez(MentesSzovegOlvas(fajl, tempMappa));
    if (!sz.ervenyes())
        throw DbHiba(
            QStringLiteral("A mentés hiányos vagy sérült, nem tölthető be: ") + sz.hiba() +
            QStringLiteral("\r\nA visszaállítás nem indult el, az adatbázis változatlan."));
    if (sz.utasitasok().isEmpty())
        throw DbHiba(QStringLiteral("A fájl nem tartalmaz SQL utasítást: ") + fajl);
    return sz;
}

bool AdatSzkript(const SqlSzkript& szkript)
{
    if (szkript.utasitasok().isEmpty())
        return false;
    for (const SqlSzkript::Utasitas& u : szkript.utasitasok())
        if (celTabla(u.szoveg).isEmpty())
            return false;
    return true;
}

void SzkriptFuttat(const SqlSzkript& szkript, QSqlDatabase db,
                   const std::function<void(int, int)>& haladas)
{
    if (!szkript.ervenyes())
        throw DbHiba(szkript.hiba());
    if (!AdatSzkript(szkript)) {
        szkript.futtat(db, haladas);
        return;
    }

    // Older backups listed the views with the tables; their lines would fail.
    QStringList nezetek;
    {
        QSqlQuery q = SqlNyit(QStringLiteral("SHOW FULL TABLES WHERE Table_type = 'VIEW';"), db);
        while (q.next())
            nezetek.append(q.value(0).toString().toLower());
    }

    // One transaction: a statement the server refuses rolls everything back.
    Tranzakcio tranzakcio(db);
    const auto& utasitasok = szkript.utasitasok();
    const int darab = int(utasitasok.size());
    for (int k = 0; k < darab; ++k) {
        const SqlSzkript::Utasitas& u = utasitasok.at(k);
        bool csonkit = false;
        const QString tabla = celTabla(u.szoveg, &csonkit);
        if (!nezetek.contains(tabla.toLower())) {
            // TRUNCATE would commit at once; DELETE stays inside the transaction.
            const QString szoveg =
                csonkit ? QStringLiteral("DELETE FROM `") + tabla + QLatin1Char('`') : u.szoveg;
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(szoveg)) {
                const DbHiba h = DbHiba::driverbol(q.lastError(), u.szoveg);
                throw DbHiba(h.uzenet() + QStringLiteral(" (") + QString::number(u.sor) +
                                 QStringLiteral(". sor)\r\nA visszaállítás visszavonva, ") +
                                 QStringLiteral("az adatbázis változatlan."),
                             u.szoveg, h.kod());
            }
        }
        if (haladas)
            haladas(k + 1, darab);
    }
}

void Visszaallitas(const KapcsolatAdat& adat, const QString& fajl, const QString& tempMappa,
                   const std::function<void(int, int)>& haladas)
{
    const SqlSzkript sz = VisszaallitasElokeszit(fajl, tempMappa);
    const QString nev = QStringLiteral("vexlof_visszaallitas");
    try {
        // No automatic reconnect: after a lost connection the rest of the
        // script must not run outside the transaction that was lost.
        QSqlDatabase db = Kapcsolat::nyit(adat, nev, false);
        SzkriptFuttat(sz, db, haladas);
    } catch (...) {
        Kapcsolat::bezar(nev);
        throw;
    }
    Kapcsolat::bezar(nev);
}
