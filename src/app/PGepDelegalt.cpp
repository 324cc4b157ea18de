#include "PGepDelegalt.h"

#include <QPainter>
#include <QWidget>

void PGepDelegalt::paint(QPainter* p, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const bool fokusz = option.widget && option.widget->hasFocus();
    const bool kij = kijelolt(option) && fokusz;
    hatter(p, option.rect, kij ? QColor(0, 128, 192) : option.palette.color(QPalette::Base));
    mezoSzoveg(p, option, index, betu(option, index.column()), szovegSzin(kij));
}
