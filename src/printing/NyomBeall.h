#pragma once

// The printer profile window "Nyomtatók": the profiles of "Nyomtato.csv" in a
// read-only grid, new profiles through a chain of small dialogs, delete with
// renumbering, moving up and down. The file is saved however the window
// closes. The caller checks the administrator right.

#include "NyomtatoLista.h"

#include <QDialog>

class NyomtatoModell;
class QAction;
class QLabel;
class QStatusBar;
class QTableView;

// Opens the window modally and saves the profiles when it closes.
void NyomtatoBeallitas(QWidget* szulo = nullptr);

// Asks for a new profile with the dialogs "Nyomtatás típusa", "Nyomtató
// választás" or "Port választás", the font dialog (graphic path), "Kódlap" and
// "Nyomtató gyártmány" (text and port paths), "Szélesség", "Extra sorok" and
// the cutter question (text and port paths). Fills ny (number untouched,
// display names set); false when any dialog was cancelled.
bool UjNyomtatoKer(TNyomtato& ny, QWidget* szulo = nullptr);

class Tfrm_NyomBeall : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_NyomBeall(QWidget* szulo = nullptr);

    // Loads "Nyomtato.csv" (an empty table when it does not exist).
    void betolt();
    // Saves the table to "Nyomtato.csv"; shows the error and returns false
    // when the file cannot be written.
    bool ment();

    const TNyomtatoLista& lista() const { return m_lista; }
    QTableView* racs() const { return m_racs; }
    QStatusBar* allapotsor() const { return m_allapot; }
    QLabel* allapotCimke() const { return m_pozicio; }

    QAction* aUj;
    QAction* aTorol;
    QAction* aFeljebb;
    QAction* aLejjebb;
    QAction* aBezar;

public slots:
    void UjNyomtato();
    void Torol();
    void Feljebb();
    void Lejjebb();
    // Saves the table, then closes.
    void done(int eredmeny) override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void frissit();
    void oszlopSzelessegek();
    void aktualisValtozott();

    TNyomtatoLista m_lista;
    NyomtatoModell* m_modell;
    QTableView* m_racs;
    QStatusBar* m_allapot;
    QLabel* m_pozicio;
    bool m_mentve = false;
};
