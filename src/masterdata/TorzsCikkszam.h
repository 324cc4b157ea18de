#pragma once

// The sale item list ("Árlista"). For now the pick mode only: a modal list of
// the live items (code, name, price) that returns the chosen item.

#include <QDialog>

class QTableView;
class QSqlQueryModel;

class Tfrm_TorzsCikkszam : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_TorzsCikkszam(QWidget* szulo = nullptr);

    // Opens the list and moves to the item; -1 (or an unknown key) leaves
    // the first row current.
    void megnyit(int kezdoAzon);
    // The key of the current row; -1 when the list is empty.
    int aktualisAzon() const;
    QTableView* grid() const { return m_grid; }

private:
    QTableView* m_grid = nullptr;
    QSqlQueryModel* m_modell = nullptr;
};

// The entry routine of the item list: the chosen `cikkazon` when closed with
// "Elfogad" (Enter or a double click), -1 otherwise.
int ArlistaValaszt(int kezdoAzon, bool valasztas, QWidget* szulo = nullptr);
