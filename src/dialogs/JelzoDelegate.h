#pragma once

// Draws the flag columns of a list grid as one of two glyphs (a tick for
// "I", an empty box for anything else) a fixed distance from the cell's
// left edge; other columns are painted as usual, with the highlighted
// column of the list.

#include "KiemeltOszlopDelegate.h"

#include <QPixmap>
#include <QSet>

class JelzoDelegate : public KiemeltOszlopDelegate
{
    Q_OBJECT
public:
    JelzoDelegate(QSet<int> jelzoOszlopok, int bal, QObject* szulo = nullptr);

    void paint(QPainter* p, const QStyleOptionViewItem& opcio,
               const QModelIndex& index) const override;

    static QPixmap igenKep();
    static QPixmap nemKep();

private:
    QSet<int> m_oszlopok;
    int m_bal;
    QPixmap m_igen;
    QPixmap m_nem;
};
