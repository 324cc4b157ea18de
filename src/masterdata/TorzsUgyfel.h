#pragma once

// The customer list "Ügyfelek" with the repayment ("Törleszt") and the debt
// ledger ("Adósság"), the customer editor, and the ledger window "Hitelek".

#include "TablaLeiras.h"
#include "TorzsLista.h"

class QPlainTextEdit;

class Tfrm_TorzsUgyfel : public TorzsLista
{
    Q_OBJECT
public:
    // adossagRejt hides and disables "Törleszt" and "Adósság".
    Tfrm_TorzsUgyfel(bool adossagRejt, QWidget* szulo = nullptr);

    // "Törleszt": asks the amount and posts the repayment.
    void torleszt();

protected:
    int szerkeszto(int kulcs) override;
    bool torolheto(int kulcs) override;
};

class Tfrm_AdossagLista : public QDialog
{
    Q_OBJECT
public:
    Tfrm_AdossagLista(int ugyfel, QWidget* szulo = nullptr);
    class QTableView* grid() const { return m_grid; }
    QString fejlec() const;
    void nyomtat();

private:
    int m_ugyfel;
    TablaLeiras m_leiras;
    class QTableView* m_grid;
    class TorzsModell* m_modell;
    class QLabel* m_ugyfelCimke;
    class QLabel* m_tartozasCimke;
    QPlainTextEdit* m_blokk;
    class QLabel* m_szamlalo;
};

int UgyfelValaszt(int kezdo, bool valasztas, bool adossagRejt, QWidget* szulo = nullptr);
// Also gives the customer's discount (NULL as 0) and name on OK.
int UgyfelValasztKedv(int kezdo, bool valasztas, double& kedv, QString& nev,
                      QWidget* szulo = nullptr);
int UgyfelSzerkeszt(int ugyfel, QWidget* szulo = nullptr);
void AdossagMutat(int ugyfel, QWidget* szulo = nullptr);
