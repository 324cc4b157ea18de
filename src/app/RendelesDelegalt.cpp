#include "RendelesDelegalt.h"

#include "RacsSzabalyok.h"
#include "RendelesModell.h"
#include "Seged.h"

#include <QPainter>

void RendelesDelegalt::paint(QPainter* p, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const auto* m = qobject_cast<const RendelesModell*>(index.model());
    if (!m) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const int sor = index.row();
    const bool kij = kijelolt(option);
    hatter(p, option.rect, kij ? QColor(0, 128, 192) : option.palette.color(QPalette::Base));
    const QFont f = betu(option, index.column());
    const QVariant sorTipus = m->mezo(sor, QStringLiteral("sor"));
    if (index.column() == m->oszlop(QStringLiteral("cikkszam_nev"))) {
        switch (RendelesNevTipus(m->mezo(sor, QStringLiteral("rendelesazon")), sorTipus)) {
        case RendelesNevCella::Ures:
            break;
        case RendelesNevCella::Tetel:
            szoveg(p, option.rect, 2, 2, Szoveg(m->mezo(sor, QStringLiteral("cikkszam_nev"))), f,
                   szovegSzin(kij));
            szoveg(p, option.rect, 2, 20, Szoveg(m->mezo(sor, QStringLiteral("sor2"))), f,
                   szovegSzin(kij));
            break;
        case RendelesNevCella::Osszesen:
            szoveg(p, option.rect, 10, 7, QStringLiteral("Összesen"), f, szovegSzin(kij));
            break;
        }
        return;
    }
    mezoSzoveg(p, option, index, RendelesOsszegBetu(f, sorTipus), szovegSzin(kij));
}
