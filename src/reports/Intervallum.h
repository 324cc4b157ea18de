#pragma once

// The quick presets of the period dialog, computed from a given day (the
// workstation's date). Weeks run Monday to Sunday as in ISO 8601.

#include <QDate>

enum class Intervallum {
    MaiNap,    // "Csak a mai nap"
    EzAHet,    // "Ez a hét"
    EzAHonap,  // "Ez a hónap"
    MultHonap, // "Múlt hónap"
    Iden,      // "Idén"
};

struct Idoszak {
    QDate tol;
    QDate ig;
};

Idoszak IntervallumSzamit(Intervallum fajta, const QDate& ma);
