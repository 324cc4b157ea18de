// The data backup: per table a "TRUNCATE" line and "INSERT IGNORE INTO"
// statements of at most 100 rows, written while the rows arrive.
//
// Qt's MySQL driver keeps the whole result of a query in memory
// (mysql_store_result), forward-only or not, so the tables are read through
// the client library on the same connection with mysql_use_result: one row
// at a time, whatever the size of the table. The values are written as the
// program always wrote them (the text Qt's driver gives for each type).

#include "Ansi.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "MentesFormatum.h"
#include "Seged.h"

#include <QBuffer>
#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QSaveFile>
#include <QSqlDriver>
#include <mysql.h>
#include <zlib.h>

namespace
{

constexpr int sorokUtasitasonkent = 100;
const QByteArray fejSor = QByteArrayLiteral("-- VexloF adatmentes");
const QByteArray zaroEleje = QByteArrayLiteral("-- VexloF vege: ");

// Unicode (BMP) to Windows-1250; 0 for a character the code page lacks.
const unsigned char* ansiTabla()
{
    static const auto* tabla = [] {
        auto* t = new unsigned char[65536]();
        for (int b = 1; b < 0x80; ++b)
            t[b] = static_cast<unsigned char>(b);
        for (int b = 0x80; b < 0x100; ++b) {
            const QString c = AnsiSzoveg(QByteArray(1, char(b)));
            t[c.at(0).unicode()] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return tabla;
}

enum class Fajta { Egesz, Szam, Datum, DatumIdo, Ido, Bit, Szoveg };

Fajta fajta(const MYSQL_FIELD& f)
{
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return Fajta::Egesz;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return Fajta::Szam;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return Fajta::Datum;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return Fajta::DatumIdo;
    case MYSQL_TYPE_TIME:
        return Fajta::Ido;
    case MYSQL_TYPE_BIT:
        return Fajta::Bit;
    default:
        return Fajta::Szoveg;
    }
}

bool szamjegyek(const char* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] < '0' || p[i] > '9')
            return false;
    return true;
}

int szam(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

// "yyyy-mm-dd" that is a real day.
bool ervenyesDatum(const char* p, unsigned long n)
{
    if (n < 10 || p[4] != '-' || p[7] != '-' || !szamjegyek(p, 4) || !szamjegyek(p + 5, 2) ||
        !szamjegyek(p + 8, 2))
        return false;
    return QDate::isValid(szam(p, 4), szam(p + 5, 2), szam(p + 8, 2));
}

bool ervenyesIdo(const char* p, unsigned long n)
{
    if (n < 8 || p[2] != ':' || p[5] != ':' || !szamjegyek(p, 2) || !szamjegyek(p + 3, 2) ||
        !szamjegyek(p + 6, 2))
        return false;
    return szam(p, 2) < 24 && szam(p + 3, 2) < 60 && szam(p + 6, 2) < 60;
}

// Buffered output that counts the CRC-32 of everything written.
class Iro
{
public:
    explicit Iro(QIODevice& ki) : m_ki(ki) { m_puffer.reserve(kapacitas + 4096); }

    void ir(const char* p, qsizetype n)
    {
        m_puffer.append(p, n);
        if (m_puffer.size() >= kapacitas)
            urit();
    }
    void ir(const QByteArray& b) { ir(b.constData(), b.size()); }
    void ir(char c)
    {
        m_puffer.append(c);
        if (m_puffer.size() >= kapacitas)
            urit();
    }
    QByteArray& puffer() { return m_puffer; }
    // Empties the buffer once it is full (after writing into puffer()).
    void tele()
    {
        if (m_puffer.size() >= kapacitas)
            urit();
    }
    void urit()
    {
        if (m_puffer.isEmpty())
            return;
        m_crc = crc32(m_crc, reinterpret_cast<const Bytef*>(m_puffer.constData()),
                      uInt(m_puffer.size()));
        if (m_ki.write(m_puffer) != m_puffer.size())
            throw Hiba(QStringLiteral("A mentés nem írható: ") + m_ki.errorString());
        m_puffer.clear();
    }
    quint32 crc() const { return quint32(m_crc); }

private:
    static constexpr qsizetype kapacitas = 1 << 20;
    QIODevice& m_ki;
    QByteArray m_puffer;
    uLong m_crc = crc32(0L, Z_NULL, 0);
};

// A text value as a quoted literal in Windows-1250: backslash doubled, CR
// and LF as \r and \n, the apostrophe doubled (SqlIdez).
void szovegIr(QByteArray& ki, const char* p, unsigned long n)
{
    const unsigned char* tabla = ansiTabla();
    ki.append('\'');
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    unsigned long i = 0;
    while (i < n) {
        const unsigned char c = u[i];
        if (c < 0x80) {
            switch (c) {
            case '\\':
                ki.append("\\\\", 2);
                break;
            case '\r':
                ki.append("\\r", 2);
                break;
            case '\n':
                ki.append("\\n", 2);
                break;
            case '\'':
                ki.append("''", 2);
                break;
            default:
                ki.append(char(c));
            }
            ++i;
            continue;
        }
        // A UTF-8 sequence; a malformed byte is one replacement character.
        int hossz = 0;
        char32_t kod = 0;
        if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            hossz = 2;
            kod = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            hossz = 3;
            kod = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            hossz = 4;
            kod = c & 0x07;
        }
        bool jo = hossz > 0 && i + hossz <= n;
        for (int k = 1; jo && k < hossz; ++k) {
            if ((u[i + k] & 0xC0) != 0x80)
                jo = false;
            else
                kod = (kod << 6) | (u[i + k] & 0x3F);
        }
        if (!jo) {
            ki.append('?');
            ++i;
            continue;
        }
        i += hossz;
        if (kod > 0xFFFF) {
            ki.append("??", 2); // two UTF-16 units, neither in the code page
            continue;
        }
        const unsigned char b = tabla[kod];
        ki.append(b ? char(b) : '?');
    }
    ki.append('\'');
}

// A number column as Qt's driver gives it: read as a double, written in the
// shortest form that reads back the same.
class SzamIro
{
public:
    void ir(QByteArray& ki, const char* p, unsigned long n)
    {
        const QByteArray kulcs = QByteArray::fromRawData(p, qsizetype(n));
        auto it = m_tar.constFind(kulcs);
        if (it == m_tar.cend()) {
            bool rendben = false;
            const double d = QByteArray(p, qsizetype(n)).toDouble(&rendben);
            QByteArray szoveg =
                rendben ? QString::number(d, 'g', QLocale::FloatingPointShortest).toLatin1()
                        : QByteArrayLiteral("NULL");
            szoveg.replace(',', '.');
            if (m_tar.size() > 4096)
                m_tar.clear();
            it = m_tar.insert(QByteArray(p, qsizetype(n)), szoveg);
        }
        ki.append(*it);
    }

private:
    QHash<QByteArray, QByteArray> m_tar; // prices and quantities repeat
};

void ertekIr(QByteArray& ki, Fajta f, const char* p, unsigned long n, SzamIro& szamok)
{
    if (!p) {
        ki.append("NULL", 4);
        return;
    }
    switch (f) {
    case Fajta::Egesz:
        ki.append(p, qsizetype(n));
        return;
    case Fajta::Szam:
        szamok.ir(ki, p, n);
        return;
    case Fajta::Datum:
        if (ervenyesDatum(p, n)) {
            ki.append('\'');
            ki.append(p, 10);
            ki.append('\'');
        } else {
            ki.append("'0000-00-00'");
        }
        return;
    case Fajta::DatumIdo:
        if (n >= 19 && p[10] == ' ' && ervenyesDatum(p, n) && ervenyesIdo(p + 11, n - 11)) {
            ki.append('\'');
            ki.append(p, 19);
            ki.append('\'');
        } else {
            ki.append("'0000-00-00 00:00:00'");
        }
        return;
    case Fajta::Ido:
        // A time of day to the second; a duration beyond a day as the server
        // writes it.
        ki.append('\'');
        ki.append(p, ervenyesIdo(p, n) ? 8 : qsizetype(n));
        ki.append('\'');
        return;
    case Fajta::Bit: {
        quint64 v = 0;
        for (unsigned long i = 0; i < n; ++i)
            v = (v << 8) | static_cast<unsigned char>(p[i]);
        ki.append(QByteArray::number(v));
        return;
    }
    case Fajta::Szoveg:
        szovegIr(ki, p, n);
        return;
    }
}

DbHiba mysqlHiba(MYSQL* h, const QString& utasitas)
{
    return DbHiba(QString::fromUtf8(mysql_error(h)), utasitas, int(mysql_errno(h)));
}

void futtat(MYSQL* h, const QByteArray& sql)
{
    if (mysql_real_query(h, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        throw mysqlHiba(h, QString::fromUtf8(sql));
}

// Runs a query and hands its rows over one at a time.
template <typename F> void soronkent(MYSQL* h, const QByteArray& sql, F&& sorFv)
{
    futtat(h, sql);
    MYSQL_RES* r = mysql_use_result(h);
    if (!r)
        throw mysqlHiba(h, QString::fromUtf8(sql));
    struct Felszabadit {
        MYSQL_RES* r;
        ~Felszabadit() { mysql_free_result(r); } // also reads what is left
    } f{r};
    const unsigned int oszlopok = mysql_num_fields(r);
    MYSQL_FIELD* mezok = mysql_fetch_fields(r);
    sorFv(static_cast<MYSQL_ROW>(nullptr), static_cast<unsigned long*>(nullptr), mezok, oszlopok);
    while (MYSQL_ROW sor = mysql_fetch_row(r))
        sorFv(sor, mysql_fetch_lengths(r), mezok, oszlopok);
    if (mysql_errno(h) != 0)
        throw mysqlHiba(h, QString::fromUtf8(sql));
}

QStringList tablaNevek(MYSQL* h)
{
    QStringList ki;
    soronkent(h, QByteArrayLiteral("SHOW FULL TABLES WHERE Table_type = 'BASE TABLE'"),
              [&](MYSQL_ROW sor, unsigned long* hosszak, MYSQL_FIELD*, unsigned int) {
                  if (sor)
                      ki.append(QString::fromUtf8(sor[0], qsizetype(hosszak[0])));
              });
    return ki;
}

// One table's data block: its INSERT statements, every line with CR LF
// after it; a lone CR LF for an empty table. Returns the statements written.
qint64 tablaIr(MYSQL* h, const QString& tabla, Iro& iro, SzamIro& szamok)
{
    QByteArray fej;
    QList<Fajta> fajtak;
    int utasitasban = 0;
    bool fuggo = false; // a row line waits for its "," or ";"
    qint64 utasitasok = 0;
    bool volt = false;
    const QByteArray sql = QByteArrayLiteral("SELECT * FROM `") + tabla.toUtf8() + '`';
    soronkent(
        h, sql,
        [&](MYSQL_ROW sor, unsigned long* hosszak, MYSQL_FIELD* mezok, unsigned int oszlopok) {
            if (!sor) {
                QStringList nevek;
                for (unsigned int i = 0; i < oszlopok; ++i) {
                    nevek.append(QString::fromUtf8(mezok[i].name).toLower());
                    fajtak.append(fajta(mezok[i]));
                }
                fej = AnsiBajtok(QStringLiteral("INSERT IGNORE INTO ") + tabla +
                                 QStringLiteral(" (") + nevek.join(QLatin1Char(',')) +
                                 QStringLiteral(") VALUES\r\n"));
                return;
            }
            volt = true;
            QByteArray& b = iro.puffer();
            if (fuggo)
                b.append(",\r\n", 3);
            if (utasitasban == 0)
                b.append(fej);
            b.append('(');
            for (unsigned int i = 0; i < oszlopok; ++i) {
                if (i > 0)
                    b.append(',');
                ertekIr(b, fajtak.at(int(i)), sor[i], hosszak[i], szamok);
            }
            b.append(')');
            if (++utasitasban == sorokUtasitasonkent) {
                b.append(";\r\n", 3);
                utasitasban = 0;
                fuggo = false;
                ++utasitasok;
            } else {
                fuggo = true;
            }
            iro.tele();
        });
    if (fuggo) {
        iro.ir(";\r\n", 3);
        ++utasitasok;
    }
    if (!volt)
        iro.ir("\r\n", 2);
    return utasitasok;
}

} // namespace

void AdatMentesIr(QIODevice& ki, QSqlDatabase db, const std::function<void(int, int)>& haladas)
{
    MYSQL* h = MysqlKezelo(db);
    Iro iro(ki);
    SzamIro szamok;
    qint64 utasitasok = 0;
    iro.ir(MentesFejSor());
    // One moment of the database: every table is read inside the same
    // snapshot while other workstations go on selling.
    futtat(h, QByteArrayLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"));
    futtat(h, QByteArrayLiteral("START TRANSACTION WITH CONSISTENT SNAPSHOT, READ ONLY"));
    try {
        const QStringList tablak = tablaNevek(h);
        for (int i = 0; i < tablak.size(); ++i) {
            if (haladas)
                haladas(i, int(tablak.size()));
            iro.ir(
                AnsiBajtok(QStringLiteral("TRUNCATE ") + tablak.at(i) + QStringLiteral(";\r\n")));
            ++utasitasok;
            utasitasok += tablaIr(h, tablak.at(i), iro, szamok);
        }
        futtat(h, QByteArrayLiteral("COMMIT"));
        if (haladas)
            haladas(int(tablak.size()), int(tablak.size()));
    } catch (...) {
        mysql_real_query(h, "ROLLBACK", 8);
        throw;
    }
    iro.urit();
    iro.ir(MentesZaroSor(utasitasok, iro.crc()));
    iro.urit();
}

QByteArray MentesFejSor()
{
    return fejSor + QByteArrayLiteral("\r\n");
}

QByteArray MentesZaroSor(qint64 utasitasok, quint32 crc)
{
    return zaroEleje + QByteArray::number(utasitasok) + QByteArrayLiteral(" utasitas, crc32 0x") +
           QByteArray::number(crc, 16).rightJustified(8, '0') + QByteArrayLiteral("\r\n");
}

bool MentesZaroSorE(const QByteArray& sor)
{
    return sor.startsWith(zaroEleje);
}

bool MentesZaroSorOlvas(const QByteArray& sor, qint64* utasitasok, quint32* crc)
{
    if (!sor.startsWith(zaroEleje))
        return false;
    const QList<QByteArray> r = sor.mid(zaroEleje.size()).split(' ');
    // "N utasitas, crc32 0xXXXXXXXX"
    if (r.size() != 4 || r.at(1) != "utasitas," || r.at(2) != "crc32" ||
        !r.at(3).startsWith("0x") || r.at(3).size() != 10 ||
        !szamjegyek(r.at(0).constData(), int(r.at(0).size())) || r.at(0).isEmpty())
        return false;
    bool rendben1 = false, rendben2 = false;
    const qint64 db = r.at(0).toLongLong(&rendben1);
    const quint32 c = r.at(3).mid(2).toUInt(&rendben2, 16);
    if (!rendben1 || !rendben2)
        return false;
    if (utasitasok)
        *utasitasok = db;
    if (crc)
        *crc = c;
    return true;
}

st_mysql* MysqlKezelo(QSqlDatabase db)
{
    if (!db.isValid() || !db.isOpen())
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."));
    const QVariant v = db.driver()->handle();
    // Qt 6 names the type as the compiler sees it (st_mysql*), Qt 5 as MYSQL*.
    if (!v.isValid() ||
        (qstrcmp(v.typeName(), "MYSQL*") != 0 && qstrcmp(v.typeName(), "st_mysql*") != 0))
        throw DbHiba(QStringLiteral("A kapcsolat nem MySQL kapcsolat (") +
                     QString::fromLatin1(v.typeName()) + QLatin1Char(')'));
    MYSQL* h = *static_cast<MYSQL* const*>(v.data());
    if (!h)
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."));
    return h;
}

QStringList TablaNevek(QSqlDatabase db)
{
    // Views are left out: their lines would not reload.
    QStringList ki;
    QSqlQuery q = SqlNyit(QStringLiteral("SHOW FULL TABLES WHERE Table_type = 'BASE TABLE';"), db);
    while (q.next())
        ki.append(q.value(0).toString());
    return ki;
}

QString InsertSzoveg(const QString& tabla, QSqlDatabase db)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        Iro iro(puffer);
        SzamIro szamok;
        tablaIr(MysqlKezelo(db), tabla, iro, szamok);
        iro.urit();
    }
    QByteArray b = puffer.data();
    b.chop(2); // the lines are joined, not ended
    return AnsiSzoveg(b);
}

void AdatMentes(const QString& fajl, QSqlDatabase db, const std::function<void(int, int)>& haladas)
{
    // Written beside the target and renamed over it only when complete: a
    // failed backup leaves no half file.
    QSaveFile f(fajl);
    if (!f.open(QIODevice::WriteOnly))
        throw Hiba(QStringLiteral("A mentés nem írható: ") + fajl + QStringLiteral(": ") +
                   f.errorString());
    AdatMentesIr(f, db, haladas);
    if (!f.commit())
        throw Hiba(QStringLiteral("A mentés nem írható: ") + fajl + QStringLiteral(": ") +
                   f.errorString());
}
