#pragma once

// The VAT-group totals of a bill being settled (`QryPGep`): open lines of
// one service point summed per cash-register group, and a closing "Össz:"
// row.

#include "RacsModell.h"

class PGepModell : public RacsModell
{
    Q_OBJECT

public:
    using RacsModell::RacsModell;

    static QString sql();
    // Opens the totals of the service point (both parameters). Throws DbHiba.
    void nyit(int asztal);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
};
