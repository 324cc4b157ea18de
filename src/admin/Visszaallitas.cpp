#include "Visszaallitas.h"

#include "Ansi.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Mentes.h"
#include "MentesFormatum.h"
#include "SqlSzkript.h"
#include "Tranzakcio.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <array>
#include <cstring>
#include <limits>
#include <mysql.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <zlib.h>

namespace
{

constexpr qint64 darabMeret = 1 << 20;

const QString valtozatlan =
    QStringLiteral("\r\nA visszaállítás nem indult el, az adatbázis változatlan.");

MentesHiba serult(const QString& ok)
{
    return MentesHiba(QStringLiteral("A mentés hiányos vagy sérült, nem tölthető be: ") + ok +
                      valtozatlan);
}

ArchivHiba serultArchiv(const QString& ok)
{
    return ArchivHiba(QStringLiteral("Az archívum sérült: ") + ok + valtozatlan);
}

quint32 crcFolytat(quint32 crc, const char* p, qsizetype n)
{
    return quint32(crc32(uLong(crc), reinterpret_cast<const Bytef*>(p), uInt(n)));
}

// --- Statement forms -----------------------------------------------------

enum class Forma { Csonkit, Beszur, Sema, Idegen };

struct Besorolas {
    Forma forma = Forma::Idegen;
    QString tabla; // lower case, for TRUNCATE and INSERT
};

const QRegularExpression& truncateMinta()
{
    static const QRegularExpression m(
        QStringLiteral("^TRUNCATE\\s+(?:TABLE\\s+)?(`?)([A-Za-z0-9_$]+)\\1$"),
        QRegularExpression::CaseInsensitiveOption);
    return m;
}

const QRegularExpression& insertMinta()
{
    static const QRegularExpression m(
        QStringLiteral("^INSERT\\s+(?:IGNORE\\s+)?INTO\\s+(`?)([A-Za-z0-9_$]+)\\1\\s*\\("),
        QRegularExpression::CaseInsensitiveOption);
    return m;
}

const QRegularExpression& semaMinta()
{
    static const QRegularExpression m(QStringLiteral("^(?:CREATE|DROP|ALTER|RENAME)\\s"),
                                      QRegularExpression::CaseInsensitiveOption);
    return m;
}

Besorolas besorol(const QByteArray& u)
{
    // Only the beginning decides; an INSERT of 100 rows is long.
    const QString eleje = QString::fromLatin1(u.left(300));
    Besorolas b;
    QRegularExpressionMatch m = truncateMinta().match(eleje);
    if (m.hasMatch() && u.size() < 300) {
        b.forma = Forma::Csonkit;
        b.tabla = m.captured(2).toLower();
        return b;
    }
    m = insertMinta().match(eleje);
    if (m.hasMatch()) {
        b.forma = Forma::Beszur;
        b.tabla = m.captured(2).toLower();
        return b;
    }
    if (semaMinta().match(eleje).hasMatch())
        b.forma = Forma::Sema;
    return b;
}

// --- Byte streams ----------------------------------------------------------

void fajlOlvas(const QString& fajl, const std::function<void(const char*, qsizetype)>& darab)
{
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        throw MentesHiba(QStringLiteral("A fájl nem olvasható: ") + fajl + QStringLiteral(": ") +
                         f.errorString());
    QByteArray puffer(darabMeret, Qt::Uninitialized);
    for (;;) {
        const qint64 k = f.read(puffer.data(), darabMeret);
        if (k < 0)
            throw MentesHiba(QStringLiteral("A fájl nem olvasható: ") + fajl +
                             QStringLiteral(": ") + f.errorString());
        if (k == 0)
            break;
        darab(puffer.constData(), k);
    }
}

void zipOlvas(const QString& fajl, const std::function<void(const char*, qsizetype)>& darab)
{
    const QString tag = ZipTagNev(fajl);
    QuaZip zip(fajl);
    if (!zip.open(QuaZip::mdUnzip))
        throw ArchivHiba(QStringLiteral("A fájl nem olvasható zip archívumként: ") + fajl +
                         valtozatlan);
    if (!zip.setCurrentFile(tag, QuaZip::csInsensitive))
        throw ArchivHiba(QStringLiteral("Az archívumban nincs meg a várt fájl: ") + tag +
                         valtozatlan);
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info))
        throw serultArchiv(tag);
    QuaZipFile be(&zip);
    if (!be.open(QIODevice::ReadOnly))
        throw serultArchiv(tag + QStringLiteral(" (") + QString::number(be.getZipError()) +
                           QLatin1Char(')'));
    // The member is read exactly to its declared size; a read that gives
    // nothing before that (a damaged stream can end early without an error)
    // stops the loop instead of spinning in it.
    QByteArray puffer(darabMeret, Qt::Uninitialized);
    const quint64 meret = info.uncompressedSize;
    quint64 olvasott = 0;
    quint32 crc = crcFolytat(0, nullptr, 0);
    while (olvasott < meret) {
        const qint64 k =
            be.read(puffer.data(), qint64(qMin<quint64>(meret - olvasott, darabMeret)));
        if (k < 0)
            throw serultArchiv(tag + QStringLiteral(" (kibontási hiba ") +
                               QString::number(be.getZipError()) + QLatin1Char(')'));
        if (k == 0)
            throw serultArchiv(tag + QStringLiteral(" (az adat ") + QString::number(olvasott) +
                               QStringLiteral(". bájtnál véget ér, ") + QString::number(meret) +
                               QStringLiteral(" bájt helyett)"));
        olvasott += quint64(k);
        crc = crcFolytat(crc, puffer.constData(), k);
        darab(puffer.constData(), k);
    }
    char tobb = 0;
    const qint64 tul = be.read(&tobb, 1);
    be.close();
    if (tul != 0 || be.getZipError() != UNZ_OK || crc != quint32(info.crc))
        throw serultArchiv(tag + QStringLiteral(" (ellenőrzőösszeg-hiba)"));
}

// --- Text of the file ------------------------------------------------------

// Well-formed UTF-8 with at least one non-ASCII character, checked as the
// bytes stream by (the rule of FajlSzoveg).
class Utf8Figyelo
{
public:
    void etet(const char* p, qsizetype n)
    {
        for (qsizetype i = 0; i < n && m_jo; ++i) {
            const unsigned char c = static_cast<unsigned char>(p[i]);
            if (m_hatra > 0) {
                if ((c & 0xC0) != 0x80)
                    m_jo = false;
                --m_hatra;
                continue;
            }
            if (c < 0x80)
                continue;
            m_nemAscii = true;
            if ((c & 0xE0) == 0xC0 && c >= 0xC2)
                m_hatra = 1;
            else if ((c & 0xF0) == 0xE0)
                m_hatra = 2;
            else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
                m_hatra = 3;
            else
                m_jo = false;
        }
    }
    bool utf8() const { return m_jo && m_hatra == 0 && m_nemAscii; }

private:
    bool m_jo = true;
    bool m_nemAscii = false;
    int m_hatra = 0;
};

// Windows-1250 bytes to UTF-8 for the connection.
QByteArray utf8Re(const QByteArray& b)
{
    static const auto tabla = [] {
        std::array<QByteArray, 256> t;
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = AnsiSzoveg(QByteArray(1, char(i))).toUtf8();
        return t;
    }();
    QByteArray ki;
    ki.reserve(b.size() + b.size() / 8);
    const char* p = b.constData();
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype k = i;
        while (k < n && static_cast<unsigned char>(p[k]) < 0x80)
            ++k;
        ki.append(p + i, k - i);
        if (k < n)
            ki.append(tabla[static_cast<unsigned char>(p[k])]);
        i = k + 1;
    }
    return ki;
}

// Feeds a file's bytes to the splitter (without a byte-order mark) and keeps
// the running CRC-32.
class Folyam
{
public:
    explicit Folyam(SzkriptDarabolo& darabolo) : m_darabolo(darabolo) {}

    void etet(const char* p, qsizetype n)
    {
        m_crc = crcFolytat(m_crc, p, n);
        if (m_bomHatra > 0) {
            // The first three bytes decide whether a BOM is there.
            const qsizetype k = qMin<qsizetype>(n, m_bomHatra);
            m_eleje.append(p, k);
            m_bomHatra -= int(k);
            p += k;
            n -= k;
            if (m_bomHatra > 0)
                return;
            if (m_eleje == "\xEF\xBB\xBF")
                m_bom = true;
            else
                tovabb(m_eleje.constData(), m_eleje.size());
        }
        tovabb(p, n);
    }
    void vege()
    {
        if (m_bomHatra > 0 && !m_eleje.isEmpty())
            tovabb(m_eleje.constData(), m_eleje.size());
        if (!m_darabolo.vege())
            throw serult(m_darabolo.hiba());
    }
    quint32 crc() const { return m_crc; }
    bool bom() const { return m_bom; }

private:
    void tovabb(const char* p, qsizetype n)
    {
        if (n > 0 && !m_darabolo.etet(p, n))
            throw serult(m_darabolo.hiba());
    }

    SzkriptDarabolo& m_darabolo;
    quint32 m_crc = crcFolytat(0, nullptr, 0);
    int m_bomHatra = 3;
    QByteArray m_eleje;
    bool m_bom = false;
};

// Follows the lines for the two marks: the first line, and the last line
// with the CRC-32 of every byte before it.
class JelFigyelo
{
public:
    void etet(const char* p, qsizetype n)
    {
        qsizetype i = 0;
        while (i < n) {
            if (m_sorElejen) {
                m_sorElottiCrc = m_crc;
                m_sor.clear();
                m_sorElejen = false;
            }
            const char* v = static_cast<const char*>(memchr(p + i, '\n', size_t(n - i)));
            const qsizetype k = v ? (v - p) + 1 : n;
            if (m_sor.size() < 200)
                m_sor.append(p + i, qMin<qsizetype>(k - i, 200 - m_sor.size()));
            m_crc = crcFolytat(m_crc, p + i, k - i);
            i = k;
            if (v)
                sorVege();
        }
    }
    void vege()
    {
        if (!m_sorElejen)
            sorVege();
    }

    bool sajat() const { return m_elso == MentesFejSor(); }
    bool vanZaro() const { return !m_zaro.isEmpty(); }
    // The closing line is the last line of the file.
    bool zaroUtolso() const { return m_zaroUtolso; }
    const QByteArray& zaro() const { return m_zaro; }
    quint32 zaroElottiCrc() const { return m_zaroCrc; }

private:
    void sorVege()
    {
        m_sorElejen = true;
        if (m_elsoSor) {
            m_elso = m_sor;
            m_elsoSor = false;
        }
        QByteArray s = m_sor;
        while (s.endsWith('\n') || s.endsWith('\r'))
            s.chop(1);
        if (MentesZaroSorE(s)) {
            m_zaro = m_sor;
            m_zaroCrc = m_sorElottiCrc;
            m_zaroUtolso = true;
        } else if (!m_zaro.isEmpty()) {
            m_zaroUtolso = false;
        }
    }

    quint32 m_crc = crcFolytat(0, nullptr, 0);
    quint32 m_sorElottiCrc = 0;
    bool m_sorElejen = true;
    bool m_elsoSor = true;
    QByteArray m_sor; // the beginning of the current line
    QByteArray m_elso;
    QByteArray m_zaro;
    quint32 m_zaroCrc = 0;
    bool m_zaroUtolso = false;
};

// --- The second pass ------------------------------------------------------

DbHiba mysqlHiba(MYSQL* h, const QString& utasitas, int sor, const QString& vege)
{
    return DbHiba(QString::fromUtf8(mysql_error(h)) + QStringLiteral(" (") + QString::number(sor) +
                      QStringLiteral(". sor)") + vege,
                  utasitas, int(mysql_errno(h)));
}

// The server's warnings of the last statement, as one text.
QString figyelmeztetesek(MYSQL* h)
{
    QStringList ki;
    if (mysql_real_query(h, "SHOW WARNINGS LIMIT 5", 21) == 0) {
        if (MYSQL_RES* r = mysql_store_result(h)) {
            while (MYSQL_ROW s = mysql_fetch_row(r))
                ki.append(QString::fromUtf8(s[2] ? s[2] : "") + QStringLiteral(" (") +
                          QString::fromUtf8(s[1] ? s[1] : "") + QLatin1Char(')'));
            mysql_free_result(r);
        }
    }
    return ki.join(QStringLiteral("; "));
}

const QString visszavonva =
    QStringLiteral("\r\nA visszaállítás visszavonva, az adatbázis változatlan.");

void adatFuttat(QSqlDatabase db, const QString& fajl, const MentesAdatok& elemzes,
                const std::function<void(int, int)>& haladas)
{
    MYSQL* h = MysqlKezelo(db);

    // Every table the file names must be there before anything runs; views
    // (older backups listed them with the tables) are passed over.
    QSet<QString> tablak, nezetek;
    {
        QSqlQuery q = SqlNyit(QStringLiteral("SHOW FULL TABLES;"), db);
        while (q.next()) {
            const QString nev = q.value(0).toString().toLower();
            if (q.value(1).toString() == QLatin1String("VIEW"))
                nezetek.insert(nev);
            else
                tablak.insert(nev);
        }
    }
    for (const QString& t : elemzes.tablak)
        if (!tablak.contains(t) && !nezetek.contains(t))
            throw MentesHiba(QStringLiteral("A mentés az adatbázisban nem létező táblát tölt: ") +
                             t + valtozatlan);

    const int darab = int(qMin<qint64>(elemzes.utasitasok, std::numeric_limits<int>::max()));
    int kesz = 0;
    // One transaction: an error or a warning rolls everything back.
    Tranzakcio tranzakcio(db);
    SzkriptDarabolo darabolo([&](const QByteArray& u, int sor) {
        const Besorolas b = besorol(u);
        if (b.forma != Forma::Csonkit && b.forma != Forma::Beszur)
            throw serult(QStringLiteral("a fájl az ellenőrzés óta megváltozott (") +
                         QString::number(sor) + QStringLiteral(". sor)"));
        if (!nezetek.contains(b.tabla)) {
            // TRUNCATE would commit at once; DELETE stays inside the transaction.
            const QByteArray sql = b.forma == Forma::Csonkit
                                       ? QByteArrayLiteral("DELETE FROM `") + b.tabla.toUtf8() + '`'
                                       : (elemzes.utf8 ? u : utf8Re(u));
            if (mysql_real_query(h, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
                throw mysqlHiba(h, QString::fromUtf8(sql.left(2000)), sor, visszavonva);
            if (mysql_warning_count(h) > 0)
                throw DbHiba(QStringLiteral("A szerver figyelmeztetett: ") + figyelmeztetesek(h) +
                                 QStringLiteral(" (") + QString::number(sor) +
                                 QStringLiteral(". sor)") + visszavonva,
                             QString::fromUtf8(sql.left(2000)));
        }
        ++kesz;
        if (haladas)
            haladas(kesz, darab);
    });
    Folyam folyam(darabolo);
    MentesOlvas(fajl, [&](const char* p, qsizetype n) { folyam.etet(p, n); });
    folyam.vege();
    // The file read now is the file checked before.
    if (folyam.crc() != elemzes.crc || kesz != darab)
        throw serult(QStringLiteral("a fájl az ellenőrzés óta megváltozott"));
}

void semaFuttat(QSqlDatabase db, const QString& fajl, const MentesAdatok& elemzes,
                const std::function<void(int, int)>& haladas)
{
    const int darab = int(qMin<qint64>(elemzes.utasitasok, std::numeric_limits<int>::max()));
    int kesz = 0;
    SzkriptDarabolo darabolo([&](const QByteArray& u, int sor) {
        const QString szoveg = elemzes.utf8 ? QString::fromUtf8(u) : AnsiSzoveg(u);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(szoveg)) {
            const DbHiba h = DbHiba::driverbol(q.lastError(), szoveg);
            throw DbHiba(h.uzenet() + QStringLiteral(" (") + QString::number(sor) +
                             QStringLiteral(". sor)"),
                         szoveg, h.kod());
        }
        ++kesz;
        if (haladas)
            haladas(kesz, darab);
    });
    Folyam folyam(darabolo);
    MentesOlvas(fajl, [&](const char* p, qsizetype n) { folyam.etet(p, n); });
    folyam.vege();
}

} // namespace

void MentesOlvas(const QString& fajl, const std::function<void(const char*, qsizetype)>& darab)
{
    if (QFileInfo(fajl).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0)
        zipOlvas(fajl, darab);
    else
        fajlOlvas(fajl, darab);
}

MentesAdatok MentesElemez(const QString& fajl)
{
    MentesAdatok ki;
    bool sema = false;
    QString idegen; // the first statement a data backup cannot hold
    QSet<QString> tablak;
    SzkriptDarabolo darabolo([&](const QByteArray& u, int sor) {
        ++ki.utasitasok;
        const Besorolas b = besorol(u);
        switch (b.forma) {
        case Forma::Csonkit:
        case Forma::Beszur:
            tablak.insert(b.tabla);
            break;
        case Forma::Sema:
            sema = true;
            break;
        case Forma::Idegen:
            if (idegen.isEmpty())
                idegen = AnsiSzoveg(u.left(60)).simplified() + QStringLiteral(" (") +
                         QString::number(sor) + QStringLiteral(". sor)");
            break;
        }
    });
    Folyam folyam(darabolo);
    JelFigyelo jelek;
    Utf8Figyelo utf8;
    MentesOlvas(fajl, [&](const char* p, qsizetype n) {
        jelek.etet(p, n);
        utf8.etet(p, n);
        folyam.etet(p, n);
    });
    jelek.vege();
    folyam.vege();
    ki.crc = folyam.crc();
    ki.utf8 = folyam.bom() || utf8.utf8();
    ki.sajat = jelek.sajat();

    // The marks of a backup of ours.
    if (jelek.vanZaro()) {
        qint64 db = -1;
        quint32 crc = 0;
        QByteArray zaro = jelek.zaro();
        while (zaro.endsWith('\n') || zaro.endsWith('\r'))
            zaro.chop(1);
        if (!jelek.zaroUtolso())
            throw serult(QStringLiteral("a záró sor után is van adat"));
        if (!MentesZaroSorOlvas(zaro, &db, &crc))
            throw serult(QStringLiteral("a záró sor hibás"));
        if (crc != jelek.zaroElottiCrc())
            throw serult(QStringLiteral("az ellenőrzőösszeg nem egyezik, a fájl megsérült"));
        if (db != ki.utasitasok)
            throw serult(QStringLiteral("az utasítások száma nem egyezik (") +
                         QString::number(ki.utasitasok) + QStringLiteral(" a jelzett ") +
                         QString::number(db) + QStringLiteral(" helyett)"));
        ki.lezart = true;
    } else if (ki.sajat) {
        throw serult(QStringLiteral("hiányzik a záró sor, a fájl nem teljes"));
    }

    if (ki.utasitasok == 0)
        throw MentesHiba(QStringLiteral("A fájl nem tartalmaz SQL utasítást: ") + fajl);
    const bool mienk = ki.sajat || ki.lezart;
    if (!mienk && (sema || darabolo.voltHatarolo())) {
        ki.adat = false; // a schema or upgrade script
        return ki;
    }
    if (sema || darabolo.voltHatarolo())
        throw serult(QStringLiteral("a mentés sémautasítást tartalmaz"));
    if (!idegen.isEmpty())
        throw serult(QStringLiteral("nem adatmentés-utasítás: ") + idegen);
    ki.adat = true;
    ki.tablak = QStringList(tablak.cbegin(), tablak.cend());
    ki.tablak.sort();
    return ki;
}

MentesAdatok MentesEllenoriz(const QString& fajl)
{
    const MentesAdatok a = MentesElemez(fajl);
    if (!a.adat || !a.lezart)
        throw MentesHiba(QStringLiteral("A fájl nem a program teljes adatmentése (hiányzik a záró "
                                        "ellenőrző sor): ") +
                         fajl);
    return a;
}

bool Visszaallitas(const KapcsolatAdat& adat, const QString& fajl,
                   const VisszaallitasKerdesek& kerdesek,
                   const std::function<void(int, int)>& haladas)
{
    const MentesAdatok elemzes = MentesElemez(fajl);
    if (elemzes.adat && !elemzes.lezart) {
        const QString szoveg =
            QStringLiteral("A fájl végén nincs ellenőrző záró sor (régebbi, vagy más programmal "
                           "készült mentés), ezért nem ellenőrizhető, hogy teljes-e.\r\n") +
            QStringLiteral("Betöltöd mégis?");
        if (!kerdesek.ellenorizhetetlen || !kerdesek.ellenorizhetetlen(szoveg))
            return false;
    }
    if (kerdesek.felulir && !kerdesek.felulir(adat.kiszolgalo, adat.adatbazis))
        return false;

    const QString nev = QStringLiteral("vexlof_visszaallitas");
    try {
        // No automatic reconnect: after a lost connection the rest of the
        // script must not run outside the transaction that was lost.
        QSqlDatabase db = Kapcsolat::nyit(adat, nev, false);
        if (elemzes.adat)
            adatFuttat(db, fajl, elemzes, haladas);
        else
            semaFuttat(db, fajl, elemzes, haladas);
    } catch (...) {
        Kapcsolat::bezar(nev);
        throw;
    }
    Kapcsolat::bezar(nev);
    return true;
}
