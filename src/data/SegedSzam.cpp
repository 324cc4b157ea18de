// Tolerant number parsing and the number display forms.

#include "Seged.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

QChar TizedesJel()
{
    const QString p = QLocale().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.at(0);
}

namespace
{

// Strict conversion of a text that holds at most digits, one "." and a
// leading "-" (after the separators were normalised to ".").
bool szigoruSzam(const QString& s, double* ki)
{
    static const QRegularExpression minta(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!minta.match(s).hasMatch())
        return false;
    bool ok = false;
    const double d = s.toDouble(&ok); // QString::toDouble is locale-independent
    if (ok && ki)
        *ki = d;
    return ok;
}

} // namespace

double SzamErtek(const QString& szoveg, double alap)
{
    const QString t = szoveg.trimmed();
    if (t.isEmpty())
        return alap;
    QString s;
    s.reserve(t.size());
    for (QChar c : t)
        if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('.'))
            s.append(c.isDigit() ? QChar(QLatin1Char(char('0' + c.digitValue()))) : c);
    const QChar jel = TizedesJel();
    if (jel == QLatin1Char('.'))
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    else
        s.replace(QLatin1Char('.'), jel);
    // Convert in the workstation's terms: the decimal separator is now the
    // only mark allowed.
    if (jel != QLatin1Char('.')) {
        if (s.contains(QLatin1Char('.')))
            return alap;
        s.replace(jel, QLatin1Char('.'));
    }
    double d = 0;
    return szigoruSzam(s, &d) ? d : alap;
}

QString SzamKarakterek(const QString& szoveg)
{
    const QString t = szoveg.trimmed();
    QString ki;
    bool volt = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit()) {
            ki.append(QChar(QLatin1Char(char('0' + c.digitValue()))));
        } else if (c == QLatin1Char('-') && i == 0) {
            ki.append(c);
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !volt) {
            ki.append(c);
            volt = true;
        }
    }
    return ki;
}

int EgeszErtek(const QString& szoveg)
{
    static const QRegularExpression minta(QStringLiteral("^-?\\d+$"));
    const QString s = SzamKarakterek(szoveg).trimmed();
    if (!minta.match(s).hasMatch())
        return 0;
    bool ok = false;
    const int i = s.toInt(&ok);
    return ok ? i : 0;
}

long long KerekitParosra(double szam)
{
    if (!std::isfinite(szam))
        return 0;
    return static_cast<long long>(std::nearbyint(szam)); // default mode: ties to even
}

QString SzamSzoveg(double szam)
{
    if (!std::isfinite(szam))
        return QStringLiteral("0");
    QString s = QString::number(szam, 'g', 15);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    const QChar jel = TizedesJel();
    if (jel != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), jel);
    return s;
}

QString SzamFormat(double szam, const QString& kep)
{
    auto helyorzo = [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); };
    int elso = -1, utolso = -1, pont = -1;
    for (int i = 0; i < kep.size(); ++i) {
        if (helyorzo(kep.at(i))) {
            if (elso < 0)
                elso = i;
            utolso = i;
        } else if (kep.at(i) == QLatin1Char('.') && pont < 0 && elso >= 0) {
            pont = i;
        }
    }
    if (elso < 0)
        return kep;
    if (pont > utolso)
        pont = -1;
    const QString elotag = kep.left(elso);
    const QString utotag = kep.mid(utolso + 1);
    const QString egeszResz = kep.mid(elso, (pont < 0 ? utolso + 1 : pont) - elso);
    const QString tortResz = pont < 0 ? QString() : kep.mid(pont + 1, utolso - pont);

    int tizedes = 0, minTizedes = 0;
    for (QChar c : tortResz) {
        if (c == QLatin1Char('0')) {
            ++tizedes;
            minTizedes = tizedes;
        } else if (c == QLatin1Char('#')) {
            ++tizedes;
        }
    }
    int minEgesz = 0;
    for (QChar c : egeszResz)
        if (c == QLatin1Char('0'))
            ++minEgesz;

    const double hatvany = std::pow(10.0, tizedes);
    double abs = std::fabs(szam);
    if (!std::isfinite(abs))
        abs = 0;
    abs = std::round(abs * hatvany) / hatvany; // half away from zero, as pictures do
    QString szamjegyek = QString::number(abs, 'f', tizedes);
    QString egesz = szamjegyek.section(QLatin1Char('.'), 0, 0);
    QString tort = tizedes > 0 ? szamjegyek.section(QLatin1Char('.'), 1, 1) : QString();
    while (tort.size() > minTizedes && tort.endsWith(QLatin1Char('0')))
        tort.chop(1);
    if (egesz == QLatin1String("0"))
        egesz.clear();
    while (egesz.size() < minEgesz)
        egesz.prepend(QLatin1Char('0'));
    const QString minden = egesz + tort;
    const bool negativ = szam < 0 && minden.count(QLatin1Char('0')) != minden.size();

    // Lay the integer digits into the picture from the right; literals between
    // placeholders are written only when more digits follow on their left.
    QString ki;
    int d = int(egesz.size()) - 1;
    for (int i = int(egeszResz.size()) - 1; i >= 0 && d >= 0; --i) {
        const QChar c = egeszResz.at(i);
        if (helyorzo(c)) {
            ki.prepend(egesz.at(d--));
        } else {
            ki.prepend(c);
        }
    }
    if (d >= 0)
        ki.prepend(egesz.left(d + 1));
    if (!tort.isEmpty())
        ki += TizedesJel() + tort;
    if (negativ)
        ki.prepend(QLatin1Char('-'));
    return elotag + ki + utotag;
}
