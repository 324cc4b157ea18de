#pragma once

// The VAT-group cells. Unlike the other grids this one shows its selection
// only while it has the focus.

#include "RacsDelegalt.h"

class PGepDelegalt : public RacsDelegalt
{
    Q_OBJECT

public:
    using RacsDelegalt::RacsDelegalt;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
