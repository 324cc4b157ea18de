#pragma once

// Automatic backups: after every day close, and when the program ends after
// a day was worked, the data of the database is written in the program's
// ".zip" backup format into the folder the administrator chose, checked by
// reading it back completely as a restore would (nothing is run), and only
// the newest N automatic backups are kept. A failure is remembered until a
// good backup is written, so the main window can show it, even after a
// restart.
//
// Workstation settings, INI section "AutoMentes" (the folder is a path on
// this computer; the settings window's "Mentés" tab edits them):
//   Mappa   the folder; empty: no automatic backup
//   Darab   how many automatic backups are kept (default 7)
// and the state it keeps there:
//   Hiba    the message of the last failure; empty after a good backup
//   Utolso  the server time at which the last good backup began
//
// Only files named <database>-auto-<yyyy-MM-dd-HH-mm-ss-zzz>.zip are
// automatic backups; nothing else in the folder is ever removed.

#include "Kapcsolat.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

struct AutoMentesBeallitas {
    QString mappa;
    int darab = 7;

    bool be() const { return !mappa.trimmed().isEmpty(); }
    static AutoMentesBeallitas olvas(const QString& iniFajl);
    // Throws std::runtime_error when the INI file cannot be written.
    void ir(const QString& iniFajl) const;
};

struct AutoMentesEredmeny {
    bool volt = false; // a backup was attempted (the setting is on)
    bool sikeres = false;
    QString fajl;     // the backup written
    QString hiba;     // why it failed
    QDateTime kezdet; // server time at which the data was read
};

// The automatic backups of a database in a folder, newest first.
QStringList AutoMentesFajlok(const QString& mappa, const QString& adatbazis);

// Writes one backup of the entry's database into the folder, checks it and
// removes the automatic backups beyond the newest `darab`. tempMappa is
// created for the backup's own use. Returns the file.
// Throws Hiba (DbHiba, ArchivHiba, or one with a clear message); a backup
// that fails its check is removed, and older backups are then kept as they
// are. `kezdet` receives the server time at which the data was read.
QString AutoMentesKeszit(const KapcsolatAdat& adat, const AutoMentesBeallitas& beallitas,
                         const QString& tempMappa, QDateTime* kezdet = nullptr);

// AutoMentesKeszit with its errors caught; never throws. Touches no INI
// file and opens its own connection, so it may run on a worker thread.
AutoMentesEredmeny AutoMentesVegrehajt(const KapcsolatAdat& adat,
                                       const AutoMentesBeallitas& beallitas,
                                       const QString& tempMappa);
// Records the outcome in the INI file ("Hiba", "Utolso"). Errors of the INI
// file itself are ignored: the outcome is shown on the status bar anyway.
void AutoMentesRogzit(const QString& iniFajl, const AutoMentesEredmeny& eredmeny);
// One automatic backup by the INI settings, on the calling thread, with its
// outcome recorded; never throws. Nothing happens when the setting is off.
AutoMentesEredmeny AutoMentesFuttat(const QString& iniFajl, const KapcsolatAdat& adat,
                                    const QString& tempMappa);

// The status bar text of a failure not yet followed by a good backup;
// empty when there is none.
QString AutoMentesAllapot(const QString& iniFajl);

// True when the business day `nap` has order lines recorded since the last
// good automatic backup (read on the main connection): a day was worked and
// its data is not yet saved.
bool AutoMentesKell(const QString& iniFajl, const QDate& nap);

// Runs the automatic backups of the program on a worker thread, one at a
// time, so that nothing of the day close waits on it. `kesz` is emitted on
// the owner's thread with the result.
class AutoMento : public QObject
{
    Q_OBJECT

public:
    AutoMento(const QString& iniFajl, const QString& tempMappa, QObject* szulo = nullptr);
    ~AutoMento() override;

    // Starts a backup of the entry unless the setting is off or one runs.
    // Returns whether one was started.
    bool indit(const KapcsolatAdat& adat);
    bool fut() const;
    // Waits for a running backup to end.
    void var();
    // A backup now, on the calling thread (at program exit).
    AutoMentesEredmeny most(const KapcsolatAdat& adat);

signals:
    void kesz(const AutoMentesEredmeny& eredmeny);

private:
    QString m_iniFajl;
    QString m_tempMappa;
    class QThread* m_szal = nullptr;
};

Q_DECLARE_METATYPE(AutoMentesEredmeny)
