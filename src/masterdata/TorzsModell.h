#pragma once

// The model of a master list: the rows of the list's query, the columns the
// table description names (in its order, with its titles), numbers shown
// with their pictures, flags left as "I"/"N" for the glyph delegate, and a
// row colour the window may give. Searching the loaded rows uses a
// lower-case copy of the search column made once per read.

#include "RacsModell.h"
#include "TablaLeiras.h"

#include <QColor>
#include <QStringList>
#include <QVector>
#include <functional>

class TorzsModell : public RacsModell
{
    Q_OBJECT

public:
    TorzsModell(const TablaLeiras* leiras, QObject* szulo = nullptr);

    // Runs the statement and loads every row. Throws DbHiba.
    void nyit(const QString& sql);

    int columnCount(const QModelIndex& szulo = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int oszlop, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // A field of a row by the name in the query (any column of the result).
    QVariant ertek(int sor, const QString& mezo) const;
    // The key of a row; -1 when there is no such row (a NULL key gives 0).
    int kulcs(int sor) const;
    // The row with the key; -1 when none.
    int kulcsSor(int kulcsErtek) const;
    // The first row whose field starts with the text, ignoring case; -1
    // when none.
    int keres(const QString& mezo, const QString& szoveg) const;

    // The background of a row's cells (an invalid colour: none).
    std::function<QColor(const TorzsModell&, int)> sorSzin;

private:
    int forras(int oszlop) const;
    const QStringList& kisbetus(const QString& mezo) const;

    const TablaLeiras* m_leiras;
    QVector<int> m_forras;
    QVector<int> m_kulcsok;
    mutable QHash<QString, QStringList> m_keresok;
};
