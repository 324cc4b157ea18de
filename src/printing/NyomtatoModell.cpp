#include "NyomtatoModell.h"

#include "KozosDB.h"

NyomtatoModell::NyomtatoModell(TNyomtatoLista& lista, QObject* szulo)
    : QAbstractTableModel(szulo)
    , m_lista(lista)
{
}

int NyomtatoModell::oszlopArany(int oszlop)
{
    static const int aranyok[OszlopDarab] = {7, 23, 18, 11, 8, 8, 8, 7, 10};
    return oszlop >= 0 && oszlop < OszlopDarab ? aranyok[oszlop] : 0;
}

int NyomtatoModell::rowCount(const QModelIndex& szulo) const
{
    return szulo.isValid() ? 0 : m_lista.darab();
}

int NyomtatoModell::columnCount(const QModelIndex& szulo) const
{
    return szulo.isValid() ? 0 : OszlopDarab;
}

QVariant NyomtatoModell::data(const QModelIndex& index, int szerep) const
{
    if (!index.isValid() || index.row() >= m_lista.darab())
        return {};
    const TNyomtato& ny = m_lista.sorok().at(index.row());
    if (szerep == Qt::CheckStateRole && index.column() == Cutter)
        return ny.cutter ? Qt::Checked : Qt::Unchecked;
    if (szerep == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case Sorszam: case Betumeret: case Szeles: case Extrasor:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    if (szerep != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Sorszam: return ny.nyomtato;
    // The names of known codes as this workstation calls them (a file from
    // another system may hold other words).
    case Tipus:
        return ny.nyomtipus >= 0 && ny.nyomtipus < NyomtipusNevek().size()
                   ? NyomtipusNevek().at(ny.nyomtipus)
                   : ny.nyomtipus_nev;
    case Nyomtato: return ny.nyomtato_nev;
    case Betutipus: return ny.betutipus;
    case Betumeret: return ny.betumeret > 0 ? QVariant(ny.betumeret) : QVariant(); // none on the text paths
    case Szeles: return ny.szeles;
    case Extrasor: return ny.extrasor;
    case Marka: return ny.marka_nev;
    default: return {};
    }
}

QVariant NyomtatoModell::headerData(int oszlop, Qt::Orientation irany, int szerep) const
{
    if (irany != Qt::Horizontal || szerep != Qt::DisplayRole)
        return QAbstractTableModel::headerData(oszlop, irany, szerep);
    static const char* const cimek[OszlopDarab] = {"sorszám",   "nyomt.típusa", "nyomtató",
                                                   "betűtípus", "betűméret",    "széles",
                                                   "extra sor", "vágóegység",   "márka"};
    return oszlop >= 0 && oszlop < OszlopDarab ? Forditas(QString::fromUtf8(cimek[oszlop])) : QVariant();
}

void NyomtatoModell::frissit()
{
    beginResetModel();
    endResetModel();
}
