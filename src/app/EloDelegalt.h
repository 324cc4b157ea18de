#pragma once

// The reservation slots: booking colours, a line above every booked slot,
// the time in bold, the booked text over the guest's name.

#include "RacsDelegalt.h"

class EloDelegalt : public RacsDelegalt
{
    Q_OBJECT

public:
    using RacsDelegalt::RacsDelegalt;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
