#include "AsztalDelegalt.h"

#include "AsztalModell.h"
#include "RacsSzabalyok.h"
#include "Seged.h"

#include <QPainter>

void AsztalDelegalt::paint(QPainter* p, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const auto* m = qobject_cast<const AsztalModell*>(index.model());
    if (!m) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const int sor = index.row();
    const bool kij = kijelolt(option);
    hatter(p, option.rect,
           AsztalHatterSzin(kij, m->mezo(sor, QStringLiteral("foglalt")),
                            m->mezo(sor, QStringLiteral("mostfizet")),
                            option.palette.color(QPalette::Base)));
    const QFont f = betu(option, index.column());
    if (index.column() == m->oszlop(QStringLiteral("asztal_nev"))) {
        if (m->mezo(sor, QStringLiteral("asztal")).isNull())
            return;
        QFont felkover = f;
        felkover.setBold(true);
        szoveg(p, option.rect, 4, 2, m->nev(sor), felkover, szovegSzin(kij));
        szoveg(p, option.rect, 4, 20,
               QLatin1Char('(') + Szoveg(m->mezo(sor, QStringLiteral("arkat"))) + QLatin1Char(')'),
               f, szovegSzin(kij));
        return;
    }
    mezoSzoveg(p, option, index, f, szovegSzin(kij));
}
