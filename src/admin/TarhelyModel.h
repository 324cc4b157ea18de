#pragma once

// The in-memory list of the "Tárhelyek" window: the six fields of every
// connection plus the schema version read by the last test (not stored).
// The list keeps its rows in display order: sorting reorders the rows
// themselves, and that order is the order the entries are saved in.

#include "Kapcsolat.h"

#include <QAbstractTableModel>
#include <QList>

struct Tarhely {
    KapcsolatAdat adat;
    QString verzio;
    int azon = 0; // identifies the row across re-sorting
};

class TarhelyModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Oszlop { Nev, Adatbazis, Kiszolgalo, Port, Felhasznalo, Verzio, OszlopSzam };

    explicit TarhelyModel(QObject* szulo = nullptr);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    void sort(int oszlop, Qt::SortOrder sorrend = Qt::AscendingOrder) override;

    // Loads the plain connection strings; rows sorted by display name.
    void betolt(const QStringList& szovegek);
    // The plain strings in the current row order.
    QStringList szovegek() const;

    const Tarhely& sor(int i) const { return m_sorok.at(i); }
    int rendezoOszlop() const { return m_rendezo; }
    // Adds or replaces a row and keeps the sort; returns its new row.
    int hozzaad(const KapcsolatAdat& adat);
    int csere(int sor, const KapcsolatAdat& adat);
    void torol(int sor);
    void verzioBeallit(int sor, const QString& verzio);

private:
    void rendez();
    QString kulcs(const Tarhely& t, int oszlop) const;
    int sorAzon(int azon) const;

    QList<Tarhely> m_sorok;
    int m_rendezo = Nev;
    int m_kovetkezo = 1;
};
