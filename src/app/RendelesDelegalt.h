#pragma once

// The order line cells: the item name over its second line, "Összesen" on
// the total row, the amount at 18 points on the "b" row.

#include "RacsDelegalt.h"

class RendelesDelegalt : public RacsDelegalt
{
    Q_OBJECT

public:
    using RacsDelegalt::RacsDelegalt;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
