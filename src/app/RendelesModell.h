#pragma once

// The open bill lines (`TblRendeles`): vw_asztalossz limited to one service
// point by replacing the statement's WHERE line. Quantities show as whole
// numbers in the quantity format, prices and amounts in the money format.

#include "RacsModell.h"

class RendelesModell : public RacsModell
{
    Q_OBJECT

public:
    using RacsModell::RacsModell;

    // The statement as written: "SELECT * FROM vw_asztalossz" and the
    // separate line "WHERE asztal>0;".
    static QString alapSql();
    // The statement for one service point.
    static QString sql(int asztal);
    // Opens the bill of the service point. Throws DbHiba.
    void nyit(int asztal);
    // Re-reads the last service point's bill.
    void frissit();
    int asztal() const { return m_asztal; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int m_asztal = 0;
};
