#include "Mappak.h"

#include "IniAllomany.h"
#include "Seged.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

QString g_programMappa;
QString g_adatMappa;
QString g_iniFajl;
QRect g_munkaTerulet(0, 0, 1280, 800);
const char* const iniNev = "VexloF.ini";

} // namespace

QString ProgramMappa()
{
    return g_programMappa;
}

QString AdatMappa()
{
    return g_adatMappa;
}

QString IniFajl()
{
    return g_iniFajl;
}

QString KozosMappa()
{
#ifdef Q_OS_WIN
    // The all-users application data folder (ProgramData) is the last of the
    // generic configuration locations.
    const QStringList helyek =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& h : helyek)
        if (h.contains(QLatin1String("ProgramData"), Qt::CaseInsensitive))
            return QDir::toNativeSeparators(h);
    return QString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

QString DokumentumMappa()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void MappakBeallit(const QString& programMappa)
{
    g_programMappa = QDir::cleanPath(programMappa);
    if (QFileInfo::exists(g_programMappa + QLatin1Char('/') + QLatin1String(iniNev))) {
        g_adatMappa = g_programMappa;
    } else {
        const QString kozos = KozosMappa();
        g_adatMappa =
            kozos.isEmpty() ? g_programMappa : QDir::cleanPath(kozos) + QLatin1String("/VexloF");
    }
    g_iniFajl = g_adatMappa + QLatin1Char('/') + QLatin1String(iniNev);
}

void IniProgramMappabanKeres()
{
    const QString p = g_programMappa + QLatin1Char('/') + QLatin1String(iniNev);
    if (QFileInfo::exists(p)) {
        g_iniFajl = p;
        g_adatMappa = g_programMappa;
    }
}

QRect MunkaTerulet()
{
    return g_munkaTerulet;
}

void MunkaTeruletBeallit(const QRect& terulet)
{
    g_munkaTerulet = terulet;
}

QString IniOlvas(const QString& szakasz, const QString& kulcs, const QString& alap)
{
    return IniAllomany(IniFajl()).olvas(szakasz, kulcs, alap);
}

void IniIr(const QString& szakasz, const QString& kulcs, const QString& ertek)
{
    IniAllomany ini(IniFajl());
    ini.ir(szakasz, kulcs, ertek);
    ini.ment();
}

int IniOlvasEgesz(const QString& szakasz, const QString& kulcs, int alap)
{
    return IniAllomany(IniFajl()).olvasEgesz(szakasz, kulcs, alap);
}

bool IniOlvasLogikai(const QString& szakasz, const QString& kulcs, bool alap)
{
    return IniAllomany(IniFajl()).olvasLogikai(szakasz, kulcs, alap);
}

double IniOlvasSzam(const QString& szakasz, const QString& kulcs, double alap)
{
    return IniAllomany(IniFajl()).olvasSzam(szakasz, kulcs, alap);
}

void IniIrLogikai(const QString& szakasz, const QString& kulcs, bool ertek)
{
    IniIr(szakasz, kulcs, ertek ? QStringLiteral("1") : QStringLiteral("0"));
}

void HelyOlvas(const QString& szakasz, int& bal, int& fent)
{
    const IniAllomany ini(IniFajl());
    bal = ini.olvasEgesz(szakasz, QStringLiteral("Left"), 10);
    fent = ini.olvasEgesz(szakasz, QStringLiteral("Top"), 10);
}

void HelyIr(const QString& szakasz, int bal, int fent)
{
    IniAllomany ini(IniFajl());
    ini.ir(szakasz, QStringLiteral("Left"), QString::number(bal));
    ini.ir(szakasz, QStringLiteral("Top"), QString::number(fent));
    ini.ment();
}

QRect MeretIllesztes(QRect r, int jobb, int lent)
{
    int bal = r.left(), fent = r.top(), szeles = r.width(), magas = r.height();
    if (bal > jobb)
        bal = 0;
    if (fent > lent)
        fent = 0;
    if (bal + szeles > jobb) {
        if (szeles < jobb) {
            bal = jobb - szeles;
        } else {
            bal = 0;
            szeles = jobb;
        }
    }
    if (fent + magas > lent) {
        if (magas < lent) {
            fent = lent - magas;
        } else {
            fent = 0;
            magas = lent;
        }
    }
    return QRect(bal, fent, szeles, magas);
}

void MeretOlvas(const QString& szakasz, int& bal, int& fent, int& szeles, int& magas)
{
    const IniAllomany ini(IniFajl());
    auto szam = [&](const char* kulcs, int alap) {
        return ini.olvasEgesz(szakasz, QLatin1String(kulcs), alap);
    };
    bal = szam("Left", 10);
    fent = szam("Top", 10);
    szeles = szam("Width", szeles);
    magas = szam("Height", magas);
    const QRect m = MunkaTerulet();
    const QRect r = MeretIllesztes(QRect(bal, fent, szeles, magas), m.right() + 1, m.bottom() + 1);
    bal = r.left();
    fent = r.top();
    szeles = r.width();
    magas = r.height();
}

void MeretIr(const QString& szakasz, int bal, int fent, int szeles, int magas)
{
    IniAllomany ini(IniFajl());
    ini.ir(szakasz, QStringLiteral("Left"), QString::number(bal));
    ini.ir(szakasz, QStringLiteral("Top"), QString::number(fent));
    ini.ir(szakasz, QStringLiteral("Width"), QString::number(szeles));
    ini.ir(szakasz, QStringLiteral("Height"), QString::number(magas));
    ini.ment();
}
