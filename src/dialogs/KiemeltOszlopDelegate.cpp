#include "KiemeltOszlopDelegate.h"

#include "SegedUI.h"

#include <QVariant>

KiemeltOszlopDelegate::KiemeltOszlopDelegate(QObject* szulo) : QStyledItemDelegate(szulo) {}

int KiemeltOszlopDelegate::kiemeltOszlop(const QWidget* nezet)
{
    if (!nezet)
        return -1;
    bool ok = false;
    const int o = nezet->property("kiemeltOszlop").toInt(&ok);
    return ok ? o : -1;
}

void KiemeltOszlopDelegate::initStyleOption(QStyleOptionViewItem* opcio,
                                            const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(opcio, index);
    // The view is the painting widget; without one, the delegate's parent.
    const QWidget* nezet = opcio->widget;
    if (!nezet)
        nezet = qobject_cast<const QWidget*>(parent());
    if (index.column() == kiemeltOszlop(nezet) && !(opcio->state & QStyle::State_Selected))
        opcio->backgroundBrush = KiemeloSzin();
}
