#pragma once

// The start-up of the program, step by step: the connection list and the
// INI keys, the first-run dialog, opening the database, the schema version,
// the login, the owner and settings rows, the exchange rate, the panels and
// actions by the settings, the business day, the lists and the clock.
//
// Every dialog the start-up shows is a hook, filled with the real dialog
// unless a test plays the user.

#include "Beall.h"

#include <QDate>
#include <QStringList>
#include <functional>

class Tfrm_Main;
class QWidget;

struct InditasHorgok {
    // The database choice: lines, plain connection strings, caption; the
    // chosen index or -1.
    std::function<int(const QStringList&, const QStringList&, const QString&)> adatbazisValaszt;
    // The first-run dialog; on OK it has set Beall.ConStr.
    std::function<bool()> adatbazisInit;
    std::function<bool(TJog&)> belepes;
    std::function<bool(const QString& felirat, const QString& kerdes, double& szam)> inpSzam;
    std::function<bool(QDate& nap, int& muszak)> muszakValaszt;
    // Sets the workstation clock from the server.
    std::function<void()> idoSzinkron;
    // Shows the splash window.
    std::function<void()> logo;

    // Fills the hooks left empty with the real dialogs.
    void kitolt(QWidget* szulo);
};

// Reads the connection list of the INI file: the lines "n; name" of the
// entries that have a display name and their plain strings, in key order.
void KapcsolatSorok(const QString& iniFajl, QStringList& sorok, QStringList& kapcsolatok);
// The message of a schema version that differs from the program's.
QString VerzioHibaSzoveg(const QString& adatbazisVerzio);

class Inditas
{
public:
    Inditas(Tfrm_Main& ablak, const InditasHorgok& horgok);

    // The whole start-up. False when the program ends (the window's closing
    // flag is set then).
    bool futtat();

    // The steps, in their order.
    // The connection choice and the INI keys; false when the choice was
    // cancelled.
    bool IniBetolt();
    bool elsoKapcsolat();
    bool adatbazisNyit();
    bool verzioEllenoriz();
    bool belepes();
    bool beallitasok();

private:
    Tfrm_Main& m_ablak;
    const InditasHorgok& m_horgok;
};
