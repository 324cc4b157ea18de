#include "HataroltSzoveg.h"

#include "Ansi.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QSet>

QString HataroltDekodol(const QByteArray& bajtok)
{
    return FajlSzoveg(bajtok);
}

namespace
{

bool hatarolo(QChar c)
{
    return c == QLatin1Char(';') || c == QLatin1Char('|') || c == QLatin1Char('\t');
}

bool sorveg(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

QList<HataroltRekord> HataroltElemez(const QString& t)
{
    QList<HataroltRekord> ki;
    const qsizetype n = t.size();
    qsizetype i = 0;
    int sor = 1;
    // A line break: CR LF counts once.
    auto sortLep = [&] {
        if (t.at(i) == QLatin1Char('\r') && i + 1 < n && t.at(i + 1) == QLatin1Char('\n'))
            ++i;
        ++i;
        ++sor;
    };
    while (i < n) {
        HataroltRekord r;
        r.sor = sor;
        bool vege = false;
        while (!vege) {
            // One value.
            qsizetype k = i;
            while (k < n && t.at(k) == QLatin1Char(' '))
                ++k;
            if (k < n && t.at(k) == QLatin1Char('"')) {
                const int kezdoSor = sor;
                QString ertek;
                i = k + 1;
                bool zarva = false;
                while (i < n) {
                    const QChar c = t.at(i);
                    if (c == QLatin1Char('"')) {
                        if (i + 1 < n && t.at(i + 1) == QLatin1Char('"')) {
                            ertek.append(c);
                            i += 2;
                            continue;
                        }
                        ++i;
                        zarva = true;
                        break;
                    }
                    if (sorveg(c)) {
                        ertek.append(QLatin1Char('\n'));
                        sortLep();
                        continue;
                    }
                    ertek.append(c);
                    ++i;
                }
                if (!zarva)
                    throw HataroltHiba(
                        QStringLiteral("Lezáratlan idézőjel a(z) %1. sorban.").arg(kezdoSor),
                        kezdoSor);
                while (i < n && t.at(i) == QLatin1Char(' '))
                    ++i;
                if (i < n && !hatarolo(t.at(i)) && !sorveg(t.at(i)))
                    throw HataroltHiba(
                        QStringLiteral("Hibás idézőjelezés a(z) %1. sorban: a záró idézőjel után "
                                       "szöveg áll.")
                            .arg(sor),
                        sor);
                r.mezok.append(ertek);
                r.idezett.append(true);
            } else {
                qsizetype e = i;
                while (e < n && !hatarolo(t.at(e)) && !sorveg(t.at(e)))
                    ++e;
                r.mezok.append(t.mid(i, e - i));
                r.idezett.append(false);
                i = e;
            }
            if (i >= n) {
                vege = true;
            } else if (hatarolo(t.at(i))) {
                ++i;
            } else {
                sortLep();
                vege = true;
            }
        }
        const bool ures =
            r.mezok.size() == 1 && !r.idezett.first() && r.mezok.first().trimmed().isEmpty();
        if (!ures)
            ki.append(r);
    }
    return ki;
}

namespace
{

// The characters of latin2 (ISO-8859-2) from 0xA0 on.
constexpr char16_t latin2Felso[96] = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QSet<char16_t>& latin2Halmaz()
{
    static const QSet<char16_t> h(std::begin(latin2Felso), std::end(latin2Felso));
    return h;
}

} // namespace

QChar Latin2Hibas(const QString& szoveg)
{
    const auto& h = latin2Halmaz();
    for (QChar c : szoveg)
        if (c.unicode() >= 0xA0 && !h.contains(c.unicode()))
            return c;
    return QChar();
}

bool Latin2Kodolhato(const QString& szoveg)
{
    return Latin2Hibas(szoveg).isNull();
}

// --- Export -----------------------------------------------------------------------

HataroltIro::HataroltIro(const QAbstractItemModel* modell, const HataroltBeallitas& beallitas,
                         const QList<OszlopFajta>& fajtak)
    : m_modell(modell), m_b(beallitas), m_oszlopok(beallitas.oszlopok), m_fajtak(fajtak)
{
    if (m_oszlopok.isEmpty())
        for (int c = 0; c < m_modell->columnCount(); ++c)
            m_oszlopok.append(c);
}

QString HataroltIro::mezo(const QString& ertek) const
{
    QString q = m_b.idezojel;
    // The import splits at every ";", "|" and TAB: a value holding any of
    // them is quoted whatever the chosen separator is.
    const bool kell = ertek.contains(m_b.hatarolo) || ertek.contains(QLatin1Char('"')) ||
                      ertek.contains(QLatin1Char(';')) || ertek.contains(QLatin1Char('|')) ||
                      ertek.contains(QLatin1Char('\t')) || (!q.isEmpty() && ertek.contains(q)) ||
                      (!ertek.isEmpty() && (ertek.front().isSpace() || ertek.back().isSpace()));
    if (q.isEmpty() && kell)
        q = QStringLiteral("\"");
    if (q.isEmpty())
        return ertek;
    QString v = ertek;
    v.replace(q, q + q);
    return q + v + q;
}

QString HataroltIro::fejlec() const
{
    QString s;
    for (int c : m_oszlopok) {
        QString nev;
        if (m_b.eredetiNevek)
            nev = m_modell->headerData(c, Qt::Horizontal, Qt::UserRole).toString();
        if (nev.isEmpty())
            nev = m_modell->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        s += mezo(nev) + m_b.hatarolo;
    }
    return s;
}

QString HataroltIro::ertekSzoveg(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        QString s = QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
        if (s.contains(QLatin1Char('e'))) // keep plain digits for spreadsheets
            s = QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest);
        const QChar jel = QLocale().decimalPoint().at(0);
        if (jel != QLatin1Char('.'))
            s.replace(QLatin1Char('.'), jel);
        return s;
    }
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return v.toString();
    }
}

QString HataroltIro::sor(int r) const
{
    QString s;
    bool elso = true;
    for (int c : m_oszlopok) {
        if (!elso)
            s += m_b.hatarolo;
        elso = false;
        const QVariant v = m_modell->data(m_modell->index(r, c), Qt::EditRole);
        const OszlopFajta f = c < m_fajtak.size() ? m_fajtak.at(c) : OszlopFajta::Normal;
        if (f == OszlopFajta::Blob || (f == OszlopFajta::Memo && !m_b.tobbsoros) ||
            v.metaType().id() == QMetaType::QByteArray) {
            s += QStringLiteral("BLOB");
            continue;
        }
        QString t = ertekSzoveg(v);
        t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        t.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
        t.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        if (f == OszlopFajta::Memo)
            t.replace(m_b.hatarolo, QLatin1Char(','));
        s += mezo(t);
    }
    return s;
}

QStringList HataroltIro::sorok(const std::function<bool(int, int)>& folytat) const
{
    auto* m = const_cast<QAbstractItemModel*>(m_modell);
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
    QStringList ki;
    ki.append(m_b.fejlecNelkul ? QString() : fejlec());
    const int n = m_modell->rowCount();
    for (int r = 0; r < n; ++r) {
        if (folytat && !folytat(r, n))
            break;
        ki.append(sor(r));
    }
    return ki;
}

void HataroltMent(const QString& fajl, const QStringList& sorok)
{
    const QString szoveg = sorok.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray bajtok;
    if (AnsiKodolhato(szoveg))
        bajtok = AnsiBajtok(szoveg);
    else
        bajtok = QByteArray("\xEF\xBB\xBF") + szoveg.toUtf8();
    QSaveFile f(fajl);
    if (!f.open(QIODevice::WriteOnly) || f.write(bajtok) != bajtok.size() || !f.commit())
        throw Hiba(QStringLiteral("A fájl nem írható: ") + fajl + QStringLiteral(": ") +
                   f.errorString());
}

QString HataroltVisszaalakit(const QString& ertek)
{
    if (!ertek.contains(QLatin1Char('\\')))
        return ertek;
    QString ki;
    ki.reserve(ertek.size());
    for (qsizetype i = 0; i < ertek.size(); ++i) {
        const QChar c = ertek.at(i);
        if (c == QLatin1Char('\\') && i + 1 < ertek.size()) {
            const QChar d = ertek.at(i + 1);
            if (d == QLatin1Char('\\')) {
                ki.append(d);
                ++i;
                continue;
            }
            if (d == QLatin1Char('n') || d == QLatin1Char('r')) {
                ki.append(d == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\r'));
                ++i;
                continue;
            }
        }
        ki.append(c);
    }
    return ki;
}
