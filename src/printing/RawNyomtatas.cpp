#include "RawNyomtatas.h"

#include "KozosDB.h"
#include "Mappak.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace
{

RawCel& rawCel()
{
    static RawCel cel;
    return cel;
}

void hibaIr(QString* hiba, const QString& szoveg)
{
    if (hiba)
        *hiba = szoveg;
}

} // namespace

// The spooler itself; one implementation per platform.
bool RawSpoolerNyomtat(const QString& nyomtato, const QByteArray& adat, QString* hiba);

bool RawNyomtat(const QString& nyomtato, const QByteArray& adat, QString* hiba)
{
    if (rawCel())
        return rawCel()(nyomtato, adat, hiba);
    if (nyomtato.trimmed().isEmpty()) {
        hibaIr(hiba, QStringLiteral("Nincs megadva nyomtató."));
        return false;
    }
    return RawSpoolerNyomtat(nyomtato, adat, hiba);
}

RawCel RawNyomtatoCel(RawCel cel)
{
    RawCel regi = std::move(rawCel());
    rawCel() = std::move(cel);
    return regi;
}

QString NyomtatasHibaSzoveg(const QString& ok)
{
    return Forditas(QStringLiteral("Hiba nyomtatás közben:")) + QStringLiteral("\r\n") + ok;
}

NyomtatasHiba::NyomtatasHiba(const QString& ok) : Hiba(NyomtatasHibaSzoveg(ok)) {}

QString PortAlapEszkoz(const QString& port)
{
    static const QRegularExpression minta(QStringLiteral("^(LPT|COM)([1-9])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = minta.match(port.trimmed());
    if (!m.hasMatch())
        return {};
    const int n = m.captured(2).toInt();
#ifdef Q_OS_WIN
    // Windows opens the port names themselves.
    const bool lpt = m.captured(1).compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0;
    return n <= (lpt ? 3 : 6) ? port.trimmed().toUpper() : QString();
#else
    if (m.captured(1).compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0)
        return n <= 3 ? QStringLiteral("/dev/lp%1").arg(n - 1) : QString();
    return n <= 6 ? QStringLiteral("/dev/ttyS%1").arg(n - 1) : QString();
#endif
}

namespace
{

bool portNevE(const QString& nev)
{
    static const QRegularExpression minta(QStringLiteral("^(LPT|COM)[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return minta.match(nev).hasMatch();
}

} // namespace

QString PortFajl(const QString& nev, QString* hiba)
{
    const QString n = nev.trimmed();
    if (n.isEmpty()) {
        hibaIr(hiba, QStringLiteral("Nincs megadva port."));
        return {};
    }
    if (portNevE(n)) {
        const QString kulcs = n.toUpper();
        QString eszkoz = IniOlvas(PortSzakasz, kulcs).trimmed();
        if (eszkoz.isEmpty())
            eszkoz = PortAlapEszkoz(kulcs);
        if (eszkoz.isEmpty())
            hibaIr(hiba, QStringLiteral("Ismeretlen port: %1").arg(n));
        return eszkoz;
    }
    if (n.compare(QLatin1String("FILE"), Qt::CaseInsensitive) == 0)
        return FajlKimenetAlap();
    // Never the program's current folder, which the operator does not see.
    return QDir(AdatMappa()).absoluteFilePath(n);
}

QString FajlKimenetAlap()
{
    return AdatMappa() + QStringLiteral("/Nyomtatas.txt");
}

bool PortEszkozE(const QString& nev)
{
    const QString n = nev.trimmed();
#ifdef Q_OS_WIN
    return portNevE(n);
#else
    return portNevE(n) || QDir::cleanPath(QDir(AdatMappa()).absoluteFilePath(n))
                              .startsWith(QLatin1String("/dev/"));
#endif
}

bool PortraIr(const QString& nev, const QByteArray& adat, QString* hiba)
{
    const QString fajl = PortFajl(nev, hiba);
    if (fajl.isEmpty())
        return false;
    QFile f(fajl);
    QIODevice::OpenMode mod = QIODevice::WriteOnly | QIODevice::Truncate;
    if (PortEszkozE(nev) || PortEszkozE(fajl))
        mod |= QIODevice::ExistingOnly;
    if (!f.open(mod)) {
        hibaIr(hiba, QStringLiteral("%1: %2").arg(fajl, f.errorString()));
        return false;
    }
    if (f.write(adat) != adat.size() || !f.flush()) {
        hibaIr(hiba, QStringLiteral("%1: %2").arg(fajl, f.errorString()));
        return false;
    }
    f.close();
    return true;
}
