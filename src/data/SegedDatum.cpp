// Date names and pictures, and the scrambling of stored connection strings.

#include "Ansi.h"
#include "Seged.h"

#include <QRandomGenerator>

namespace
{

const char16_t* const honapok[12] = {u"január",     u"február", u"március",  u"április",
                                     u"május",      u"június",  u"július",   u"augusztus",
                                     u"szeptember", u"október", u"november", u"december"};
const char16_t* const napok[7] = {u"hétfő",  u"kedd",    u"szerda",  u"csütörtök",
                                  u"péntek", u"szombat", u"vasárnap"};

QString kisHonap(int h)
{
    return (h >= 1 && h <= 12) ? QString::fromUtf16(honapok[h - 1]) : QString();
}

QString nagyKezdo(const QString& s)
{
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

} // namespace

QString HonapNev(int honap)
{
    return nagyKezdo(kisHonap(honap));
}

QString NapNev(int hetNapja)
{
    return (hetNapja >= 1 && hetNapja <= 7) ? QString::fromUtf16(napok[hetNapja - 1]) : QString();
}

QString DatumFormat(const QDateTime& ido, const QString& kep)
{
    const QDate d = ido.date();
    const QTime t = ido.time();
    QString ki;
    bool oraUtan = false;
    int i = 0;
    auto futam = [&](QChar c) {
        int n = 0;
        while (i + n < kep.size() && kep.at(i + n).toLower() == c)
            ++n;
        return n;
    };
    while (i < kep.size()) {
        const QChar c = kep.at(i).toLower();
        int n = 0;
        if (c == QLatin1Char('y')) {
            n = futam(c);
            ki += n >= 3 ? QString::number(d.year()).rightJustified(4, QLatin1Char('0'))
                         : QString::number(d.year() % 100).rightJustified(2, QLatin1Char('0'));
        } else if (c == QLatin1Char('m')) {
            n = futam(c);
            if (oraUtan && n <= 2) {
                ki += n == 2 ? QString::number(t.minute()).rightJustified(2, QLatin1Char('0'))
                             : QString::number(t.minute());
            } else if (n >= 4) {
                ki += kisHonap(d.month());
            } else if (n == 3) {
                ki += kisHonap(d.month()).left(3);
            } else {
                ki += n == 2 ? QString::number(d.month()).rightJustified(2, QLatin1Char('0'))
                             : QString::number(d.month());
            }
            oraUtan = false;
        } else if (c == QLatin1Char('d')) {
            n = futam(c);
            if (n >= 4)
                ki += NapNev(d.dayOfWeek());
            else if (n == 3)
                ki += NapNev(d.dayOfWeek()).left(3);
            else
                ki += n == 2 ? QString::number(d.day()).rightJustified(2, QLatin1Char('0'))
                             : QString::number(d.day());
            oraUtan = false;
        } else if (c == QLatin1Char('h')) {
            n = futam(c);
            ki += n >= 2 ? QString::number(t.hour()).rightJustified(2, QLatin1Char('0'))
                         : QString::number(t.hour());
            oraUtan = true;
        } else if (c == QLatin1Char('n')) {
            n = futam(c);
            ki += n >= 2 ? QString::number(t.minute()).rightJustified(2, QLatin1Char('0'))
                         : QString::number(t.minute());
            oraUtan = false;
        } else if (c == QLatin1Char('s')) {
            n = futam(c);
            ki += n >= 2 ? QString::number(t.second()).rightJustified(2, QLatin1Char('0'))
                         : QString::number(t.second());
            oraUtan = false;
        } else {
            n = 1;
            ki += kep.at(i);
        }
        i += n;
    }
    return ki;
}

QString DatumFormat(const QDate& datum, const QString& kep)
{
    return DatumFormat(QDateTime(datum, QTime(0, 0)), kep);
}

int Ev(const QDate& datum)
{
    return datum.year();
}

int Honap(const QDate& datum)
{
    return datum.month();
}

int Het(const QDate& datum)
{
    return datum.weekNumber();
}

QDate EgyHonappalKorabban(const QDate& datum)
{
    return datum.addMonths(-1); // QDate clamps to the shorter month's last day
}

// The scrambling works on the single-byte code page, as the stored INI files
// of the Windows workstations hold it, so an entry written there decodes here.
QString Kodol(const QString& szoveg)
{
    const QByteArray be = AnsiBajtok(szoveg);
    auto* rnd = QRandomGenerator::global();
    auto toltelek = [rnd]() { return char(33 + rnd->bounded(55)); }; // 33..87
    QByteArray ki;
    ki.reserve(3 + 2 * be.size());
    for (int i = 0; i < 3; ++i)
        ki.append(toltelek());
    for (char b : be) {
        ki.append(char(static_cast<unsigned char>(b) + 1));
        ki.append(toltelek());
    }
    return AnsiSzoveg(ki);
}

QString Dekodol(const QString& szoveg)
{
    const QByteArray be = AnsiBajtok(szoveg);
    QByteArray ki;
    for (int i = 3; i < be.size(); i += 2)
        ki.append(char(static_cast<unsigned char>(be.at(i)) - 1));
    return AnsiSzoveg(ki);
}
