// Field value conversions and fixed-width text.

#include "Seged.h"

#include <QMetaType>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace
{

bool ures(const QVariant& v)
{
    return !v.isValid() || v.isNull();
}

bool lebegoPontos(const QVariant& v)
{
    const int t = v.metaType().id();
    return t == QMetaType::Double || t == QMetaType::Float;
}

} // namespace

QString Szoveg(const QVariant& ertek, const QString& alap)
{
    if (ures(ertek))
        return alap;
    if (lebegoPontos(ertek))
        return SzamSzoveg(ertek.toDouble());
    return ertek.toString();
}

int Egesz(const QVariant& ertek, int alap)
{
    if (ures(ertek))
        return alap;
    if (lebegoPontos(ertek))
        return int(KerekitParosra(ertek.toDouble()));
    bool ok = false;
    const int i = ertek.toInt(&ok);
    if (ok)
        return i;
    const double d = ertek.toString().trimmed().toDouble(&ok);
    if (!ok)
        throw std::invalid_argument("Nem egész szám: " + ertek.toString().toStdString());
    return int(KerekitParosra(d));
}

double Szam(const QVariant& ertek, double alap)
{
    if (ures(ertek))
        return alap;
    bool ok = false;
    const double d = ertek.toDouble(&ok);
    if (!ok)
        throw std::invalid_argument("Nem szám: " + ertek.toString().toStdString());
    return d;
}

QString EgeszSzoveg(const QVariant& ertek)
{
    return QString::number(Egesz(ertek, 0));
}

bool IgenE(const QString& szoveg)
{
    return szoveg == QLatin1String("I");
}

bool IgenE(const QVariant& ertek)
{
    return !ures(ertek) && IgenE(ertek.toString());
}

double Osztas(double a, double b)
{
    return a == 0.0 ? 0.0 : b / a;
}

QString BalraIgazit(const QVariant& ertek, int w)
{
    if (w < 0)
        w = 0;
    if (ures(ertek))
        return QString(w, QLatin1Char(' '));
    const QString s = Szoveg(ertek);
    if (s.size() >= w)
        return s.left(w);
    return s + QString(w - s.size(), QLatin1Char(' '));
}

QString JobbraIgazit(const QVariant& ertek, int w)
{
    if (ures(ertek))
        return QString();
    // The width is a byte on the receipt side: keep it in 0..255.
    w = std::clamp(w, 0, 255);
    const QString s = Szoveg(ertek);
    if (s.size() >= w)
        return s;
    return QString(w - s.size(), QLatin1Char(' ')) + s;
}

QString Kozepre(const QString& szoveg, int w)
{
    if (w < 0)
        w = 0;
    if (szoveg.size() > w)
        return szoveg.left(w);
    const int elo = w / 2 - int(szoveg.size()) / 2;
    return QString(std::max(elo, 0), QLatin1Char(' ')) + szoveg;
}

QString SzokozNelkul(const QString& szoveg)
{
    QString s = szoveg;
    s.remove(QLatin1Char(' '));
    return s;
}

QString KarakterCsere(const QVariant& ertek, QChar c, QChar d)
{
    if (ures(ertek))
        return QString();
    QString s = Szoveg(ertek);
    s.replace(c, d);
    return s;
}

QString KarakterTorles(const QString& halmaz, const QString& szoveg)
{
    QString ki;
    ki.reserve(szoveg.size());
    for (QChar c : szoveg)
        if (!halmaz.contains(c))
            ki.append(c);
    return ki;
}

int KarakterDarab(QChar c, const QString& szoveg)
{
    return int(szoveg.count(c));
}

QString Mezo(const QString& elvalasztok, const QString& szoveg, int n)
{
    if (n < 1)
        return QString();
    int mezo = 1;
    int kezdet = 0;
    for (int i = 0; i <= szoveg.size(); ++i) {
        const bool vege = i == szoveg.size();
        if (vege || elvalasztok.contains(szoveg.at(i))) {
            if (mezo == n)
                return szoveg.mid(kezdet, i - kezdet);
            ++mezo;
            kezdet = i + 1;
        }
    }
    return QString();
}

QString KodSzoveg(const QString& szoveg)
{
    QString ki;
    for (int n = 1; n <= 10; ++n) {
        const QString m = Mezo(QStringLiteral(",;"), szoveg, n);
        if (m.trimmed().isEmpty())
            continue;
        ki.append(QChar(char16_t(EgeszErtek(m) & 0xFFFF)));
    }
    return ki;
}
