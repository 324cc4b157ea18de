#pragma once

// The service point list "Fodrászok", its editor, and the placement window
// "Elhelyezés" where the buttons of the main screen are dragged and sized.

#include "TorzsLista.h"

#include <QHash>
#include <QPoint>

class QLabel;

class Tfrm_TorzsAsztal : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsAsztal(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
    bool torolheto(int kulcs) override;
};

class Tfrm_Elhelyez : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Elhelyez(QWidget* szulo = nullptr);

    // The panel of a service point and its corner handle.
    QLabel* panel(int asztal) const;
    QLabel* fogantyu(int asztal) const;
    // Writes the panels' positions and sizes into `asztal`. Throws DbHiba.
    void ment();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void done(int r) override;

private:
    QHash<int, QLabel*> m_panelek;
    QHash<int, QLabel*> m_fogantyuk;
    bool m_huz = false;
    QPoint m_kezdoKurzor;
    QPoint m_kezdoHely;
    bool m_mentve = false;
};

int AsztalValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
void Elhelyezes(QWidget* szulo = nullptr);
