#include "RacsDelegalt.h"

#include <QPainter>

QFont RacsDelegalt::betu(const QStyleOptionViewItem& option, int oszlop) const
{
    const auto it = m_betuk.constFind(oszlop);
    return it != m_betuk.constEnd() ? *it : option.font;
}

bool RacsDelegalt::kijelolt(const QStyleOptionViewItem& option)
{
    return option.state & QStyle::State_Selected;
}

void RacsDelegalt::hatter(QPainter* p, const QRect& r, const QColor& c)
{
    p->fillRect(r, c);
}

void RacsDelegalt::szoveg(QPainter* p, const QRect& r, int dx, int dy, const QString& s,
                          const QFont& f, const QColor& szin)
{
    p->save();
    p->setFont(f);
    p->setPen(szin);
    p->setClipRect(r);
    p->drawText(QRect(r.left() + dx, r.top() + dy, r.width() - dx, r.height() - dy),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
    p->restore();
}

void RacsDelegalt::mezoSzoveg(QPainter* p, const QStyleOptionViewItem& option,
                              const QModelIndex& index, const QFont& f, const QColor& szin)
{
    const QString s = index.data(Qt::DisplayRole).toString();
    const QVariant igazitas = index.data(Qt::TextAlignmentRole);
    const int a = igazitas.isValid() ? igazitas.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    p->save();
    p->setFont(f);
    p->setPen(szin);
    p->setClipRect(option.rect);
    p->drawText(option.rect.adjusted(2, 0, -2, 0), a | Qt::TextSingleLine, s);
    p->restore();
}

QColor RacsDelegalt::szovegSzin(bool kijelolt)
{
    return kijelolt ? QColor(Qt::white) : QColor(Qt::black);
}
