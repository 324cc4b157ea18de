#pragma once

// The service point list (`TblAsztal`): the rows of vw_asztal in the order
// the view returns them. The total is shown "### ### ##0", the arrival
// "hh:nn".

#include "RacsModell.h"

class AsztalModell : public RacsModell
{
    Q_OBJECT

public:
    using RacsModell::RacsModell;

    static QString sql();
    // Opens (or re-reads) the list. Throws DbHiba.
    void nyit();

    // The row's service point number, 0 when NULL or out of range.
    int asztal(int sor) const;
    QString nev(int sor) const;
    QStringList nevek() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
};
