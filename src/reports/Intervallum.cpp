#include "Intervallum.h"

Idoszak IntervallumSzamit(Intervallum fajta, const QDate& ma)
{
    switch (fajta) {
    case Intervallum::MaiNap:
        return {ma, ma};
    case Intervallum::EzAHet: {
        // dayOfWeek(): 1 = Monday ... 7 = Sunday, so the week never leaves
        // the ISO week even across a year's end.
        const QDate hetfo = ma.addDays(1 - ma.dayOfWeek());
        return {hetfo, hetfo.addDays(6)};
    }
    case Intervallum::EzAHonap: {
        const QDate elso(ma.year(), ma.month(), 1);
        return {elso, elso.addMonths(1).addDays(-1)};
    }
    case Intervallum::MultHonap: {
        const QDate elso = QDate(ma.year(), ma.month(), 1).addMonths(-1);
        return {elso, elso.addMonths(1).addDays(-1)};
    }
    case Intervallum::Iden:
        return {QDate(ma.year(), 1, 1), QDate(ma.year(), 12, 31)};
    }
    return {ma, ma};
}
