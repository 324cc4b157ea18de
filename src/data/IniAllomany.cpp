#include "IniAllomany.h"

#include "Ansi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

IniAllomany::IniAllomany(const QString& utvonal) : m_utvonal(utvonal)
{
#ifdef Q_OS_WIN
    m_sorveg = "\r\n";
    m_utf8 = false;
#endif
    QFile f(utvonal);
    if (!f.open(QIODevice::ReadOnly))
        return;
    m_letezett = true;
    QByteArray tartalom = f.readAll();
    if (tartalom.startsWith("\xEF\xBB\xBF"))
        tartalom.remove(0, 3);
    bool ascii = true;
    for (char c : tartalom)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    // Plain ASCII keeps the platform's choice; other single-byte text keeps
    // the Windows code page.
    if (Utf8Szoveg(tartalom))
        m_utf8 = true;
    else if (!ascii)
        m_utf8 = false;
    m_sorveg = tartalom.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");

    const QList<QByteArray> sorok = tartalom.split('\n');
    QString aktSzakasz;
    for (int i = 0; i < sorok.size(); ++i) {
        QByteArray nyers = sorok.at(i);
        if (nyers.endsWith('\r'))
            nyers.chop(1);
        if (i == sorok.size() - 1 && nyers.isEmpty())
            break; // the final line end
        Sor s;
        s.nyers = nyers;
        const QString szoveg = dekodol(nyers).trimmed();
        if (szoveg.startsWith(QLatin1Char('[')) && szoveg.contains(QLatin1Char(']'))) {
            s.szakaszSor = true;
            aktSzakasz = szoveg.mid(1, szoveg.indexOf(QLatin1Char(']')) - 1).trimmed();
            s.szakasz = aktSzakasz;
        } else if (!szoveg.startsWith(QLatin1Char(';')) && szoveg.contains(QLatin1Char('='))) {
            const int p = int(szoveg.indexOf(QLatin1Char('=')));
            s.kulcsSor = true;
            s.szakasz = aktSzakasz;
            s.kulcs = szoveg.left(p).trimmed();
            s.ertek = szoveg.mid(p + 1).trimmed();
        } else {
            s.szakasz = aktSzakasz;
        }
        m_sorok.append(s);
    }
}

QByteArray IniAllomany::kodol(const QString& s) const
{
    return m_utf8 ? s.toUtf8() : AnsiBajtok(s);
}

QString IniAllomany::dekodol(const QByteArray& b) const
{
    return m_utf8 ? QString::fromUtf8(b) : AnsiSzoveg(b);
}

int IniAllomany::szakaszIndex(const QString& szakasz) const
{
    for (int i = 0; i < m_sorok.size(); ++i)
        if (m_sorok.at(i).szakaszSor &&
            m_sorok.at(i).szakasz.compare(szakasz, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniAllomany::kulcsIndex(const QString& szakasz, const QString& kulcs) const
{
    for (int i = 0; i < m_sorok.size(); ++i) {
        const Sor& s = m_sorok.at(i);
        if (s.kulcsSor && s.szakasz.compare(szakasz, Qt::CaseInsensitive) == 0 &&
            s.kulcs.compare(kulcs, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool IniAllomany::vanKulcs(const QString& szakasz, const QString& kulcs) const
{
    return kulcsIndex(szakasz, kulcs) >= 0;
}

QString IniAllomany::olvas(const QString& szakasz, const QString& kulcs, const QString& alap) const
{
    const int i = kulcsIndex(szakasz, kulcs);
    return i < 0 ? alap : m_sorok.at(i).ertek;
}

int IniAllomany::olvasEgesz(const QString& szakasz, const QString& kulcs, int alap) const
{
    bool ok = false;
    const int i = olvas(szakasz, kulcs).toInt(&ok);
    return ok ? i : alap;
}

bool IniAllomany::olvasLogikai(const QString& szakasz, const QString& kulcs, bool alap) const
{
    const QString s = olvas(szakasz, kulcs);
    if (s.isEmpty())
        return alap;
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int i = s.toInt(&ok);
    return ok ? i != 0 : alap;
}

double IniAllomany::olvasSzam(const QString& szakasz, const QString& kulcs, double alap) const
{
    QString s = olvas(szakasz, kulcs);
    if (s.isEmpty())
        return alap;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? d : alap;
}

void IniAllomany::ir(const QString& szakasz, const QString& kulcs, const QString& ertek)
{
    Sor uj;
    uj.kulcsSor = true;
    uj.szakasz = szakasz;
    uj.kulcs = kulcs;
    uj.ertek = ertek.trimmed();
    const int i = kulcsIndex(szakasz, kulcs);
    if (i >= 0) {
        Sor& regi = m_sorok[i];
        if (regi.ertek == uj.ertek)
            return;
        // Keep the key as it is spelt in the file.
        uj.kulcs = regi.kulcs;
        uj.szakasz = regi.szakasz;
        uj.nyers = kodol(regi.kulcs + QLatin1Char('=') + uj.ertek);
        regi = uj;
        m_valtozott = true;
        return;
    }
    uj.nyers = kodol(kulcs + QLatin1Char('=') + uj.ertek);
    const int sz = szakaszIndex(szakasz);
    if (sz < 0) {
        if (!m_sorok.isEmpty() && !m_sorok.last().nyers.trimmed().isEmpty()) {
            Sor ures;
            ures.szakasz = m_sorok.last().szakasz;
            m_sorok.append(ures);
        }
        Sor fej;
        fej.szakaszSor = true;
        fej.szakasz = szakasz;
        fej.nyers = kodol(QLatin1Char('[') + szakasz + QLatin1Char(']'));
        m_sorok.append(fej);
        m_sorok.append(uj);
    } else {
        // After the last non-blank line of the section.
        int hova = sz + 1;
        for (int k = sz + 1; k < m_sorok.size() && !m_sorok.at(k).szakaszSor; ++k)
            if (!m_sorok.at(k).nyers.trimmed().isEmpty())
                hova = k + 1;
        uj.szakasz = m_sorok.at(sz).szakasz;
        m_sorok.insert(hova, uj);
    }
    m_valtozott = true;
}

void IniAllomany::torol(const QString& szakasz, const QString& kulcs)
{
    const int i = kulcsIndex(szakasz, kulcs);
    if (i < 0)
        return;
    m_sorok.removeAt(i);
    m_valtozott = true;
}

QStringList IniAllomany::kulcsok(const QString& szakasz) const
{
    QStringList ki;
    for (const Sor& s : m_sorok)
        if (s.kulcsSor && s.szakasz.compare(szakasz, Qt::CaseInsensitive) == 0)
            ki.append(s.kulcs);
    return ki;
}

QStringList IniAllomany::szakaszok() const
{
    QStringList ki;
    for (const Sor& s : m_sorok)
        if (s.szakaszSor)
            ki.append(s.szakasz);
    return ki;
}

void IniAllomany::ment()
{
    if (!m_valtozott)
        return;
    QDir().mkpath(QFileInfo(m_utvonal).absolutePath());
    QSaveFile f(m_utvonal);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error(
            ("Az INI állomány nem írható: " + m_utvonal + ": " + f.errorString()).toStdString());
    QByteArray ki;
    for (const Sor& s : m_sorok) {
        ki.append(s.nyers);
        ki.append(m_sorveg);
    }
    f.write(ki);
    if (!f.commit())
        throw std::runtime_error(
            ("Az INI állomány nem írható: " + m_utvonal + ": " + f.errorString()).toStdString());
    m_valtozott = false;
    m_letezett = true;
}
