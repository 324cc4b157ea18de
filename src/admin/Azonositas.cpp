#include "Azonositas.h"

#include "Jogok.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSqlRecord>
#include <QStringList>

namespace
{

// Two codes that differ only in letter case or accents would be equal under
// the table's Hungarian collation, so the server only narrows the search and
// the exact comparison is made here.
std::optional<QSqlRecord> sorKeres(const QString& kod, QSqlQuery& q)
{
    q = SqlNyit(QStringLiteral("SELECT * FROM felhasznalo WHERE felhasznalo=") + SqlIdez(kod) +
                QLatin1Char(';'));
    while (q.next()) {
        const QSqlRecord r = q.record();
        if (r.value(QStringLiteral("felhasznalo")).toString() == kod)
            return r;
    }
    return std::nullopt;
}

const QString HashElotag = QStringLiteral("pbkdf2$sha256$");
constexpr int Ismetles = 100000;
constexpr int SoHossz = 16;
constexpr int HashHossz = 32;
constexpr auto B64 = QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals;

QByteArray szarmaztat(const QString& jelszo, const QByteArray& so, int ismetles)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, jelszo.toUtf8(), so,
                                              ismetles, HashHossz);
}

// Compares without stopping at the first difference.
bool egyenlo(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char kul = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        kul |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return kul == 0;
}

} // namespace

QString JelszoHash(const QString& jelszo)
{
    QByteArray so(SoHossz, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(so.data()), SoHossz / 4);
    return HashElotag + QString::number(Ismetles) + QLatin1Char('$') +
           QString::fromLatin1(so.toBase64(B64)) + QLatin1Char('$') +
           QString::fromLatin1(szarmaztat(jelszo, so, Ismetles).toBase64(B64));
}

bool JelszoHashE(const QString& tarolt)
{
    return tarolt.startsWith(HashElotag);
}

bool JelszoEgyezik(const QString& tarolt, const QString& jelszo)
{
    if (!JelszoHashE(tarolt))
        return tarolt == jelszo;
    const QStringList r = tarolt.mid(HashElotag.size()).split(QLatin1Char('$'));
    if (r.size() != 3)
        return false;
    bool ok = false;
    const int ismetles = r.at(0).toInt(&ok);
    // A damaged or absurd count is refused rather than run.
    if (!ok || ismetles < 1 || ismetles > 10000000)
        return false;
    const auto so = QByteArray::fromBase64Encoding(r.at(1).toLatin1(), B64);
    const auto hash = QByteArray::fromBase64Encoding(r.at(2).toLatin1(), B64);
    if (!so || !hash || so.decoded.isEmpty() || hash.decoded.size() != HashHossz)
        return false;
    return egyenlo(szarmaztat(jelszo, so.decoded, ismetles), hash.decoded);
}

namespace
{

// Replaces a matching plain password by its hash; the condition on the old
// value leaves a password changed meanwhile elsewhere alone.
void hashreCserel(const QString& kod, const QString& regi, const QString& jelszo)
{
    SqlFuttat(QStringLiteral("UPDATE felhasznalo SET jelszo=") + SqlIdez(JelszoHash(jelszo)) +
              QStringLiteral(" WHERE felhasznalo=") + SqlIdez(kod) +
              QStringLiteral(" AND jelszo=") + SqlIdez(regi) + QLatin1Char(';'));
}

} // namespace

std::optional<TJog> Azonosit(const QString& kod, const QString& jelszo, bool* csereKell)
{
    if (csereKell)
        *csereKell = false;
    QSqlQuery q;
    const auto r = sorKeres(kod, q);
    if (!r)
        return std::nullopt;
    const QVariant taroltErtek = r->value(QStringLiteral("jelszo"));
    if (taroltErtek.isNull())
        return std::nullopt;
    const QString tarolt = taroltErtek.toString();
    q.finish();
    if (!JelszoEgyezik(tarolt, jelszo))
        return std::nullopt;
    if (!JelszoHashE(tarolt)) {
        if (tarolt == AlapJelszo) {
            if (csereKell)
                *csereKell = true;
        } else {
            hashreCserel(r->value(QStringLiteral("felhasznalo")).toString(), tarolt, jelszo);
        }
    }

    TJog j;
    JogokOlvas(j, *r);
    j.felhasznalo = r->value(QStringLiteral("felhasznalo")).toString();
    return j;
}

QString BelepesNaploSql(const QString& kod, bool sikeres)
{
    return QStringLiteral("INSERT INTO naplo (felhasznalo,datum,ido,sikeres) VALUES (") +
           SqlIdez(kod) +
           (sikeres ? QStringLiteral(",CURDATE(),CURTIME(),'I');")
                    : QStringLiteral(",CURDATE(),CURTIME(),'N');"));
}

void BelepesNaploz(const QString& kod, bool sikeres)
{
    SqlFuttat(BelepesNaploSql(kod, sikeres));
}

void JelszoCsere(const QString& kod, const QString& ujJelszo)
{
    // The key is unique under the collation, so this hits the one row the
    // credential check found.
    SqlFuttat(QStringLiteral("UPDATE felhasznalo SET jelszo=") + SqlIdez(JelszoHash(ujJelszo)) +
              QStringLiteral(" WHERE felhasznalo=") + SqlIdez(kod) + QLatin1Char(';'));
}
