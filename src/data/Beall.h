#pragma once

// The program-wide state every window reads: the settings record Beall
// (INI file, the `beallit` row and the owner row), the logged-in user's
// rights Jog, and the current business day and shift.

#include "Verzio.h"

#include <QDate>
#include <QString>

// The program's version (Verzio.h, generated from VEXLOF_VERZIO).
inline const QString ProgramVerzio = QStringLiteral(VEXLOF_VERZIO);

struct TBeall {
    int nyelv = 0;
    int Peldany = 1;
    bool blokknyomtat = false;
    bool konyhablokknyomtat = false;
    int KonyhaBlokkFontSize = 8;
    int KonyhaBlokk60FontSize = 6;
    bool vanbeleptetes = false;
    bool vanfigyelmeztetes = false;
    QString PenzFormatum = QStringLiteral("### ### ##0");
    QString DbFormatum = QStringLiteral("### ### ##0");
    bool osszeglatszik = false;
    int bonuszcikkazon = 0;
    bool elobbnyomkep = false;
    bool csiliviliblokk = false;
    bool keskenyblokk = false;
    int BetuMeret = 9;
    bool IdoSzinkron = false;
    QString AdatbazisNev;
    QString udvozletszoveg;
    QString udvozletszoveg2;
    bool TeljesKep = true;
    QString tulajdonos;
    QString TulCim;
    QString irszvaros;
    QString cim;
    QString TulTel;
    QString ConStr;
    double afa1 = 0, afa2 = 0, afa3 = 0;
    int mert = 0;
    int muszakdb = 0;
    QString stornojelszo;
    double kisadagar = 0;
    bool vanadossag = false;
    bool vanvaluta = false;
    double Szorzo = 250;
    bool mutatafa = false;
    int kedvsor = 0;
    int szervsor = 0;
    bool kedvnevhez = false;
    bool vanszervizjelszo = false;
    QString szervizjelszo;
    bool SPrint = false;
    // The maker's web site and mail address (INI "Alapertek" keys
    // "KeszitoHonlap" and "KeszitoEmail", never written by the program);
    // empty by default.
    QString KeszitoHonlap;
    QString KeszitoEmail;
};

struct TJog {
    bool torzsszerkeszt = false;
    bool rendszergazda = false;
    bool napzar = false;
    bool nyomtathat = false;
    QString felhasznalo;
    bool bevetelezes = false;
    bool selejtezes = false;
    bool kiadas = false;
    bool kasszanez = false;
    bool kedvezmenytadhat = false;
};

extern TBeall Beall;
extern TJog Jog;
extern QDate AktNap;
extern int AktMuszak;

// Reads the INI keys of the settings record (all but the connection list)
// into Beall, with their defaults.
void BeallIniOlvas(TBeall& b);
// The maker's addresses in the forms their users need, from Beall: the web
// site as a URL ("https://" added when no scheme is given), the web site as
// printed (without scheme and trailing "/"), and a new mail with the subject
// "Vexlo.F program" ("mailto:" URL). Each is empty when its address is not
// set.
QString KeszitoHonlapUrl();
QString KeszitoWebCim();
QString KeszitoLevelUrl();

// Writes the INI keys that are saved at a normal close.
void BeallIniIr(const TBeall& b);
// Reads the `beallit` row into the record (flags true only for "I", NULL
// numbers 0, NULL texts empty). Throws DbHiba.
void BeallitRekordOlvas(TBeall& b);
// Reads the `tulajdonos` row into the record. Throws DbHiba.
void TulajdonosRekordOlvas(TBeall& b);
