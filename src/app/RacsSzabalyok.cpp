#include "RacsSzabalyok.h"

#include "Seged.h"

QColor FoglaltSzin()
{
    return QColor(255, 128, 128);
}

QColor MostFizetSzin()
{
    return QColor(150, 200, 237);
}

QColor AsztalHatterSzin(bool kijelolt, const QVariant& foglalt, const QVariant& mostfizet,
                        const QColor& ablakSzin)
{
    if (kijelolt)
        return QColor(0, 128, 192);
    QColor c = ablakSzin;
    if (IgenE(foglalt))
        c = FoglaltSzin();
    if (IgenE(mostfizet))
        c = MostFizetSzin();
    return c;
}

QColor EloSzin(int azon)
{
    static const QColor szinek[5] = {
        QColor(255, 221, 221), QColor(193, 255, 224), QColor(255, 210, 255),
        QColor(196, 224, 255), QColor(233, 233, 233),
    };
    return szinek[((azon % 5) + 5) % 5];
}

QColor EloHatterSzin(bool kijelolt, const QVariant& azon, const QColor& ablakSzin)
{
    if (kijelolt)
        return QColor(0, 128, 192);
    const int a = azon.isNull() ? 0 : azon.toInt();
    return a != 0 ? EloSzin(a) : ablakSzin;
}

QFont RendelesOsszegBetu(const QFont& oszlopBetu, const QVariant& sor)
{
    QFont f = oszlopBetu;
    if (Szoveg(sor) == QLatin1String("b"))
        f.setPointSize(18);
    return f;
}

RendelesNevCella RendelesNevTipus(const QVariant& rendelesazon, const QVariant& sor)
{
    if (rendelesazon.isNull())
        return RendelesNevCella::Ures;
    return Szoveg(sor) == QLatin1String("a") ? RendelesNevCella::Tetel : RendelesNevCella::Osszesen;
}

std::pair<int, int> AsztalOszlopSzelesseg(int panelSzeles)
{
    const int w = int(KerekitParosra((panelSzeles - 33) * 0.5));
    return {w, w};
}

int KeresoSzelesseg(int panelSzeles)
{
    return panelSzeles - 16;
}

std::pair<int, int> RendelesOszlopSzelesseg(int racsSzeles)
{
    return {int(KerekitParosra((racsSzeles - 40) * 0.67)),
            int(KerekitParosra((racsSzeles - 40) * 0.33))};
}

int KeresoTalalat(const QStringList& nevek, const QString& szoveg)
{
    if (szoveg.isEmpty())
        return -1;
    for (int i = 0; i < nevek.size(); ++i)
        if (nevek.at(i).startsWith(szoveg, Qt::CaseInsensitive))
            return i;
    return -1;
}

QString KeresoBetu(const QString& beirt)
{
    return beirt == QStringLiteral("ö") ? QStringLiteral("0") : beirt;
}
