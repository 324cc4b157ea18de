#pragma once

// One day of a service point's reservation book (`QryElo`): one row per
// half-hour slot 00:00..23:30 with the booking that holds it, if any.

#include "RacsModell.h"

#include <QDate>

class EloModell : public RacsModell
{
    Q_OBJECT

public:
    using RacsModell::RacsModell;

    static QString sql();
    // Opens the book of the service point for the day. Throws DbHiba.
    void nyit(int asztal, const QDate& nap);
    void frissit();

    int azon(int sor) const;       // 0 for a free slot
    int elojegyzes(int sor) const; // 0 for a free slot
    int ora(int sor) const;
    QString ora2(int sor) const;

private:
    int m_asztal = 0;
    QDate m_nap;
};
