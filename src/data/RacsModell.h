#pragma once

// The read-only query models behind the program's grids: a
// QSqlQueryModel that raises DbHiba when its query fails and reads a row's
// fields by name. The concrete models format their cells in data().

#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QString>
#include <QVariant>

class RacsModell : public QSqlQueryModel
{
    Q_OBJECT

public:
    using QSqlQueryModel::QSqlQueryModel;

    // A field of a row by column name; an invalid variant when there is no
    // such row or column.
    QVariant mezo(int sor, const QString& nev) const;
    int oszlop(const QString& nev) const;
    // The first row whose field equals the integer; -1 when none.
    int keres(const QString& nev, qlonglong ertek) const;
    bool nyitva() const { return m_nyitva; }
    // Empties the model (the closed data set).
    void bezar();

protected:
    // Runs the query on the main connection and loads every row.
    void betolt(QSqlQuery&& q, const QString& sql);
    void betolt(const QString& sql);

private:
    bool m_nyitva = false;
};
