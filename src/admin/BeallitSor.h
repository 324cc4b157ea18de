#pragma once

// The one row of `beallit` as the settings window edits it, and the statements
// that read and save it. Server errors are raised as DbHiba.

#include <QString>
#include <QVariant>

struct TBeallitSor {
    int beallit = 1;  // the row's key
    bool van = false; // the row exists

    // Flags: true for "I".
    bool blokknyomtat = false;
    bool konyhablokknyomtat = false;
    bool osszeglatszik = false;
    bool vanfigyelmeztetes = false;
    bool elobbnyomkep = false;
    bool csiliviliblokk = false;
    bool keskenyblokk = false;
    bool vanszervizjelszo = false;
    bool vanadossag = false;
    bool vanvaluta = false;
    bool mutatafa = false;
    bool kedvnevhez = false;
    bool pincerkerdez = false;
    bool pincerpin = false;
    bool pincernyom = false;

    // Item references (`cikkszam.cikkazon`); may be NULL.
    QVariant kedvsor;
    QVariant szervsor;
    QVariant bonuszcikkazon;

    int muszakdb = 1;
    int gombszeles = 0;
    double afa1 = 0;
    double afa2 = 0;
    double afa3 = 0;

    QString szervizjelszo;
    QString stornojelszo;
    QString udvozletszoveg;
    QString udvozletszoveg2;
};

// Column widths of the text columns.
inline constexpr int UdvozletHossz = 42;
inline constexpr int BeallitJelszoHossz = 20;

TBeallitSor BeallitSorOlvas();
// Updates the row (inserts it when the table was empty). Columns the window
// does not edit (vanbeleptetes, kisadagar) are left as they are.
void BeallitSorMent(const TBeallitSor& sor);
// The name of a sale item: "SELECT cikkszam_nev FROM cikkszam WHERE
// cikkazon=" + key (-1 for NULL) + ";"; empty when none matches.
QString CikkNevOlvas(const QVariant& cikkazon);
