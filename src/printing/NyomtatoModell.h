#pragma once

// The read-only grid model of the printer window over a TNyomtatoLista.

#include "NyomtatoLista.h"

#include <QAbstractTableModel>

class NyomtatoModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Oszlop {
        Sorszam,
        Tipus,
        Nyomtato,
        Betutipus,
        Betumeret,
        Szeles,
        Extrasor,
        Cutter,
        Marka,
        OszlopDarab
    };

    explicit NyomtatoModell(TNyomtatoLista& lista, QObject* szulo = nullptr);

    // The share of each column in the grid width, in percent.
    static int oszlopArany(int oszlop);

    int rowCount(const QModelIndex& szulo = {}) const override;
    int columnCount(const QModelIndex& szulo = {}) const override;
    QVariant data(const QModelIndex& index, int szerep) const override;
    QVariant headerData(int oszlop, Qt::Orientation irany, int szerep) const override;

    // Call after the list changed.
    void frissit();

private:
    TNyomtatoLista& m_lista;
};
