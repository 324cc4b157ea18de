#include "AutoMentes.h"

#include "DbHiba.h"
#include "IniAllomany.h"
#include "KozosDB.h"
#include "Mentes.h"
#include "Seged.h"
#include "Visszaallitas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>

namespace
{

const QString szakasz = QStringLiteral("AutoMentes");

QString NevMinta(const QString& adatbazis)
{
    return QLatin1Char('^') + QRegularExpression::escape(adatbazis) +
           QStringLiteral("-auto-\\d{4}(-\\d{2}){5}-\\d{3}\\.zip$");
}

} // namespace

AutoMentesBeallitas AutoMentesBeallitas::olvas(const QString& iniFajl)
{
    const IniAllomany ini(iniFajl);
    AutoMentesBeallitas b;
    b.mappa = ini.olvas(szakasz, QStringLiteral("Mappa"));
    b.darab = std::max(1, ini.olvasEgesz(szakasz, QStringLiteral("Darab"), 7));
    return b;
}

void AutoMentesBeallitas::ir(const QString& iniFajl) const
{
    IniAllomany ini(iniFajl);
    ini.ir(szakasz, QStringLiteral("Mappa"), mappa.trimmed());
    ini.ir(szakasz, QStringLiteral("Darab"), QString::number(std::max(1, darab)));
    ini.ment();
}

QStringList AutoMentesFajlok(const QString& mappa, const QString& adatbazis)
{
    const QRegularExpression minta(NevMinta(adatbazis));
    QStringList ki;
    const QStringList nevek = QDir(mappa).entryList(QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& n : nevek)
        if (minta.match(n).hasMatch())
            ki.append(QDir(mappa).filePath(n));
    return ki;
}

QString AutoMentesKeszit(const KapcsolatAdat& adat, const AutoMentesBeallitas& b,
                         const QString& tempMappa, QDateTime* kezdet)
{
    const QString mappa = b.mappa.trimmed();
    if (mappa.isEmpty())
        throw Hiba(QStringLiteral("Nincs megadva a mentések mappája."));
    if (!QDir().mkpath(mappa) || !QFileInfo(mappa).isWritable())
        throw Hiba(QStringLiteral("A mentések mappája nem írható: ") + mappa);
    if (!QDir().mkpath(tempMappa))
        throw Hiba(QStringLiteral("A mappa nem hozható létre: ") + tempMappa);

    // Unique and in time order by name, whatever the file times say.
    QString fajl;
    for (int i = 0; fajl.isEmpty() || QFileInfo::exists(fajl); ++i) {
        if (i > 0)
            QThread::msleep(2);
        fajl = QDir(mappa).filePath(
            adat.adatbazis + QStringLiteral("-auto-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss-zzz")) +
            QStringLiteral(".zip"));
    }
    // The server's clock when the data is read: lines recorded later are
    // not in this backup.
    if (kezdet) {
        const QString nev = QStringLiteral("vexlof_automentes_ido_") +
                            QString::number(reinterpret_cast<quintptr>(QThread::currentThread()));
        try {
            *kezdet = SqlDatumIdo(QStringLiteral("SELECT NOW();"), QDateTime(),
                                  Kapcsolat::nyit(adat, nev, false));
        } catch (...) {
            Kapcsolat::bezar(nev);
            throw;
        }
        Kapcsolat::bezar(nev);
    }
    BiztonsagiMentes(adat, fajl);

    // The whole file read back and checked as a restore checks it (statement
    // count and checksum of its closing line); nothing runs.
    try {
        MentesEllenoriz(fajl);
    } catch (const Hiba& h) {
        QFile::remove(fajl);
        throw Hiba(QStringLiteral("Az elkészült mentés ellenőrzése sikertelen: ") + h.uzenet());
    }

    // Only a good new backup lets an old one go.
    const QStringList regiek = AutoMentesFajlok(mappa, adat.adatbazis);
    for (int i = std::max(1, b.darab); i < regiek.size(); ++i)
        QFile::remove(regiek.at(i));
    return fajl;
}

AutoMentesEredmeny AutoMentesVegrehajt(const KapcsolatAdat& adat, const AutoMentesBeallitas& b,
                                       const QString& tempMappa)
{
    AutoMentesEredmeny e;
    if (!b.be())
        return e;
    e.volt = true;
    try {
        e.fajl = AutoMentesKeszit(adat, b, tempMappa, &e.kezdet);
        e.sikeres = true;
    } catch (const Hiba& h) {
        e.hiba = h.uzenet();
    } catch (const std::exception& h) {
        e.hiba = QString::fromUtf8(h.what());
    }
    return e;
}

void AutoMentesRogzit(const QString& iniFajl, const AutoMentesEredmeny& e)
{
    if (!e.volt)
        return;
    try {
        IniAllomany ini(iniFajl);
        if (e.sikeres) {
            ini.ir(szakasz, QStringLiteral("Hiba"), QString());
            ini.ir(szakasz, QStringLiteral("Utolso"),
                   e.kezdet.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        } else {
            // One line: the INI file keeps values on one line.
            QString h = e.hiba;
            h.replace(QLatin1Char('\r'), QLatin1Char(' '))
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
            ini.ir(szakasz, QStringLiteral("Hiba"),
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd HH:mm")) +
                       QStringLiteral(": ") + h.simplified());
        }
        ini.ment();
    } catch (...) {
    }
}

AutoMentesEredmeny AutoMentesFuttat(const QString& iniFajl, const KapcsolatAdat& adat,
                                    const QString& tempMappa)
{
    const AutoMentesEredmeny e =
        AutoMentesVegrehajt(adat, AutoMentesBeallitas::olvas(iniFajl), tempMappa);
    AutoMentesRogzit(iniFajl, e);
    return e;
}

QString AutoMentesAllapot(const QString& iniFajl)
{
    const IniAllomany ini(iniFajl);
    const QString h = ini.olvas(szakasz, QStringLiteral("Hiba"));
    if (h.isEmpty())
        return QString();
    return QStringLiteral("Automatikus mentés sikertelen (") + h + QStringLiteral(")");
}

bool AutoMentesKell(const QString& iniFajl, const QDate& nap)
{
    if (!nap.isValid() || !AutoMentesBeallitas::olvas(iniFajl).be())
        return false;
    const IniAllomany ini(iniFajl);
    const QString utolso = ini.olvas(szakasz, QStringLiteral("Utolso"));
    const QString d = SqlDatum(nap);
    QString feltetel = QStringLiteral(" WHERE datum=") + d;
    if (!utolso.isEmpty())
        feltetel += QStringLiteral(" AND rogzitve>=") + SqlIdez(utolso);
    const QString sql = QStringLiteral("SELECT (SELECT COUNT(*) FROM rendelma") + feltetel +
                        QStringLiteral(") + (SELECT COUNT(*) FROM rendeles") + feltetel +
                        QStringLiteral(");");
    return SqlEgesz(sql, 0) > 0;
}

// --- AutoMento ------------------------------------------------------------------

AutoMento::AutoMento(const QString& iniFajl, const QString& tempMappa, QObject* szulo)
    : QObject(szulo), m_iniFajl(iniFajl), m_tempMappa(tempMappa)
{
    qRegisterMetaType<AutoMentesEredmeny>();
}

AutoMento::~AutoMento()
{
    if (m_szal) {
        m_szal->wait();
        delete m_szal;
    }
}

bool AutoMento::fut() const
{
    return m_szal && m_szal->isRunning();
}

void AutoMento::var()
{
    if (!m_szal)
        return;
    m_szal->wait();
    // The result reaches the INI file even when nobody waits for the signal.
    QCoreApplication::sendPostedEvents(this);
}

bool AutoMento::indit(const KapcsolatAdat& adat)
{
    if (fut())
        return false;
    const AutoMentesBeallitas b = AutoMentesBeallitas::olvas(m_iniFajl);
    if (!b.be())
        return false;
    if (m_szal) {
        m_szal->wait();
        delete m_szal;
        m_szal = nullptr;
    }
    const QString temp = m_tempMappa;
    m_szal = QThread::create([this, adat, b, temp] {
        const AutoMentesEredmeny e = AutoMentesVegrehajt(adat, b, temp);
        QMetaObject::invokeMethod(
            this,
            [this, e] {
                AutoMentesRogzit(m_iniFajl, e);
                emit kesz(e);
            },
            Qt::QueuedConnection);
    });
    m_szal->start();
    return true;
}

AutoMentesEredmeny AutoMento::most(const KapcsolatAdat& adat)
{
    var();
    const AutoMentesEredmeny e = AutoMentesFuttat(m_iniFajl, adat, m_tempMappa);
    if (e.volt)
        emit kesz(e);
    return e;
}
