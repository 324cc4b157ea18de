#pragma once

// The text work-station (kitchen) tickets: the unsent lines of a service
// point, one ticket per printer 1 to 4 with the lines assigned to it. No
// widgets: KonyhaNyomtat (KonyhaNyomtat.h) prints them.

#include "Nyomtato.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// One unsent order line with its item's four printer assignments ("0" none,
// "1".."4" a printer).
struct KonyhaSor {
    QString cikkszam_nev;
    double db = 0;
    QString megjegyzes;
    std::array<QString, 4> port;
};

struct KonyhaJegy {
    int nyomtato = 0;   // the printer the lines are assigned to
    int profil = 0;     // the profile it goes to: itself, or 1 for a narrow one
    bool direkt = true; // printed at once; false: through the preview
    QStringList sorok;
};

// The tickets of printers 1..4 that exist (profil(N, ny) reads profile N)
// and have at least one line. A wide profile (more than 24 characters): the
// owner and "Asztal: " + the service point centred on its width, per line
// the name, the quantity and the comment line; printed at once on that
// profile. A narrow one: fixed widths (24, 18, 23), shown in the preview of
// profile 1.
QList<KonyhaJegy> KonyhaJegyek(const QList<KonyhaSor>& sorok, const QString& tulajdonos,
                               const QString& asztalNev,
                               const std::function<bool(int, TNyomtato&)>& profil,
                               const QDateTime& ido);

// "CALL sp_rnyom(asztal);" read into rows. Throws DbHiba.
QList<KonyhaSor> KonyhaSorokBetolt(int asztal);
