#pragma once

// The common part of the grids' cell painting: every cell fills its own
// background and draws its texts at fixed offsets from the cell's top-left
// corner, in the column's font or the grid's.

#include <QHash>
#include <QStyledItemDelegate>

class RacsDelegalt : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // A column drawn in its own font (by model column).
    void oszlopBetu(int oszlop, const QFont& betu) { m_betuk.insert(oszlop, betu); }
    QFont betu(const QStyleOptionViewItem& option, int oszlop) const;

protected:
    static bool kijelolt(const QStyleOptionViewItem& option);
    static void hatter(QPainter* p, const QRect& r, const QColor& c);
    // Text whose top-left corner is at (left + dx, top + dy).
    static void szoveg(QPainter* p, const QRect& r, int dx, int dy, const QString& s,
                       const QFont& f, const QColor& szin);
    // The field's display text in the cell, aligned as the model says.
    static void mezoSzoveg(QPainter* p, const QStyleOptionViewItem& option,
                           const QModelIndex& index, const QFont& f, const QColor& szin);
    static QColor szovegSzin(bool kijelolt);

private:
    QHash<int, QFont> m_betuk;
};
