#include "JelzoDelegate.h"

#include "Seged.h"

#include <QApplication>
#include <QPainter>

JelzoDelegate::JelzoDelegate(QSet<int> jelzoOszlopok, int bal, QObject* szulo)
    : KiemeltOszlopDelegate(szulo), m_oszlopok(std::move(jelzoOszlopok)), m_bal(bal),
      m_igen(igenKep()), m_nem(nemKep())
{
}

QPixmap JelzoDelegate::igenKep()
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter f(&p);
    f.setRenderHint(QPainter::Antialiasing);
    f.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    f.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    return p;
}

QPixmap JelzoDelegate::nemKep()
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter f(&p);
    f.setPen(QPen(QColor(160, 160, 160), 1));
    f.drawRect(QRect(3, 3, 10, 10));
    return p;
}

void JelzoDelegate::paint(QPainter* p, const QStyleOptionViewItem& opcio,
                          const QModelIndex& index) const
{
    if (!m_oszlopok.contains(index.column())) {
        KiemeltOszlopDelegate::paint(p, opcio, index);
        return;
    }
    QStyleOptionViewItem o = opcio;
    initStyleOption(&o, index);
    o.text.clear();
    const QWidget* w = o.widget;
    QStyle* stilus = w ? w->style() : QApplication::style();
    stilus->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    const QPixmap& kep = IgenE(index.data()) ? m_igen : m_nem;
    const int y = o.rect.top() + qMax(0, (o.rect.height() - kep.height()) / 2);
    p->drawPixmap(o.rect.left() + m_bal, y, kep);
}
