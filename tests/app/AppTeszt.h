#pragma once

// Helpers of the main window's tests: a program folder with its INI file,
// the start-up hooks of a user who logs in and picks today's first shift,
// and a collector of the message boxes.

#include "Beall.h"
#include "Inditas.h"
#include "Uzenetek.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;
class Tfrm_Main;

namespace AppTeszt
{

// Every right, under the given code.
TJog teljesJog(const QString& kod = QStringLiteral("rendszergazda"));
// Clears the program-wide state: settings, rights, business day.
void allapotTorles();

// A program folder (and a private data folder for the platform's shared
// one) with "VexloF.ini" holding the given entries scrambled under
// "ConStr" + key; MappakBeallit is run on it.
class ProgramMappa
{
public:
    explicit ProgramMappa(const QMap<int, QString>& bejegyzesek = {}, bool iniVan = true);
    ~ProgramMappa();
    QString mappa() const;
    QString ini() const;
    QByteArray iniTartalom() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// The plain connection string of a test database.
QString kapcsolat(const QString& adatbazis, const QString& nev = QStringLiteral("Teszt"));

// Start-up hooks: the database choice takes the first line, the login gives
// `jog`, the date dialog answers today and shift 1, the exchange rate is
// kept, no clock change, no splash.
InditasHorgok horgok(const TJog& jog = teljesJog());

// Collects every message box while it lives; confirmations get `valasz`.
class Uzenetek
{
public:
    Uzenetek();
    ~Uzenetek();
    QList<UzenetAdat> lista;
    bool valasz = true;
    QStringList hibak() const;
    QStringList szovegek() const;
    void torol() { lista.clear(); }
};

// Every action of the window's menus and tool bars with the given text that
// is visible there (a visible action inside a visible menu path).
int lathatoHelyek(const Tfrm_Main& ablak, const QString& felirat);

} // namespace AppTeszt
