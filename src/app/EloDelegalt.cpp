#include "EloDelegalt.h"

#include "EloModell.h"
#include "RacsSzabalyok.h"
#include "Seged.h"

#include <QPainter>

void EloDelegalt::paint(QPainter* p, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const
{
    const auto* m = qobject_cast<const EloModell*>(index.model());
    if (!m) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const int sor = index.row();
    const bool kij = kijelolt(option);
    const QRect r = option.rect;
    hatter(p, r,
           EloHatterSzin(kij, m->mezo(sor, QStringLiteral("azon")),
                         option.palette.color(QPalette::Base)));
    const QString szov = Szoveg(m->mezo(sor, QStringLiteral("szoveg")));
    const QColor tinta = szovegSzin(kij);
    auto vonal = [&] {
        if (szov.isEmpty())
            return;
        p->save();
        p->setPen(tinta);
        p->drawLine(r.topLeft(), r.topRight());
        p->restore();
    };
    const QFont f = betu(option, index.column());
    if (index.column() == m->oszlop(QStringLiteral("ora2"))) {
        vonal();
        QFont b = f;
        b.setBold(true);
        b.setPointSize(10);
        szoveg(p, r, 2, 2, m->ora2(sor), b, tinta);
    } else if (index.column() == m->oszlop(QStringLiteral("szoveg"))) {
        vonal();
        szoveg(p, r, 2, 2, szov, f, tinta);
        QFont kicsi = f;
        kicsi.setPointSize(8);
        szoveg(p, r, 2, 20, Szoveg(m->mezo(sor, QStringLiteral("nev"))), kicsi, tinta);
    }
}
