#pragma once

// The service point cells: the occupied and pay-now colours, and in the name
// column the bold name over the price category in brackets.

#include "RacsDelegalt.h"

class AsztalDelegalt : public RacsDelegalt
{
    Q_OBJECT

public:
    using RacsDelegalt::RacsDelegalt;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
