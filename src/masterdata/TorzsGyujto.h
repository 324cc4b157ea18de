#pragma once

// The stock holder list "Alapanyagok - Raktári készletek" (searching on the
// server, stock totals in the status bar, row colours by stock level), its
// editor and entry routines.

#include "TorzsLista.h"

#include <QStringList>
#include <functional>

class Tfrm_TorzsGyujto : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsGyujto(QWidget* szulo = nullptr);

    // The stock count window, when the program has one; "Leltár" stays
    // disabled without it.
    static std::function<void(QWidget*)>& leltarAblak();

protected:
    int szerkeszto(int kulcs) override;
    void frissult() override;
};

// The row colour of a holder: untracked light blue; tracked below its
// minimum light green, below zero light red; otherwise none.
QColor GyujtoSzin(const QString& kelldb, double db, double minkeszlet);

// The current stock list as a text document: header "Pillanatnyi
// készletek", the column line (not with sprint), the live holders by
// category and code, "Össz érték: " and the footer.
QStringList KeszletListaSorok(bool sprint);
// "Nyomtat": the laid-out report when graphic printing is on and the
// program has it, otherwise the text document through the preview.
void KeszletLista(QWidget* szulo = nullptr);
std::function<void(QWidget*)>& KeszletRiport();

int GyujtoValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
// Also gives the chosen holder's purchase price (NULL as 0) on OK.
int GyujtoValasztAr(int kezdo, bool valasztas, double& ar, QWidget* szulo = nullptr);
int GyujtoSzerkeszt(int gyujto, QWidget* szulo = nullptr);
