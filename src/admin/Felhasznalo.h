#pragma once

// The user list "Felhasználók adatai" (new, edit, delete through the user
// editor) and the login log list "Belépési napló". The callers check the
// administrator right.

#include <QDialog>
#include <QString>

class QAction;
class QLabel;
class QSqlQueryModel;
class QStatusBar;
class QTableView;

class Tfrm_Felhasznalo : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Felhasznalo(QWidget* szulo = nullptr);

    QTableView* grid() const { return m_grid; }
    QAction* aUj() const { return m_aUj; }
    QAction* aSzerkeszt() const { return m_aSzerkeszt; }
    QAction* aTorol() const { return m_aTorol; }
    QAction* aBezar() const { return m_aBezar; }
    // The status bar's record counter text.
    QString szamlalo() const;
    // The code of the current row; empty when there is none.
    QString aktualisKod() const;
    // Re-reads the list and moves to the row with the given code (a null
    // code keeps the current row's position). Throws DbHiba.
    void frissit(const QString& kod = QString());

private:
    void uj();
    void szerkeszt();
    void torol();
    void szamlaloFrissit();

    QTableView* m_grid = nullptr;
    QSqlQueryModel* m_modell = nullptr;
    QLabel* m_szamlalo = nullptr;
    QAction* m_aUj = nullptr;
    QAction* m_aSzerkeszt = nullptr;
    QAction* m_aTorol = nullptr;
    QAction* m_aBezar = nullptr;
    int m_rendezo = 0; // the column the list is sorted by
};

// The user list window, modal.
void Felhasznalok(QWidget* szulo = nullptr);
// Asks for a period and shows the login log as a receipt text list.
void BelepesiNaplo(QWidget* szulo = nullptr);
