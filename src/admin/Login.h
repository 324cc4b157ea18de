#pragma once

// The login window "Belépés azonosítás": checks a user code and password
// against `felhasznalo`, logs every attempt in `naplo` and lets users change
// their own password.

#include "Beall.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class Tfrm_Login : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Login(QWidget* szulo = nullptr);

    // The rights of the user who logged in (valid after the dialog closed
    // with OK).
    const TJog& jog() const { return m_jog; }

    QLineEdit* edtFelhasznalo() const { return m_edtFelhasznalo; }
    QLineEdit* edtJelszo() const { return m_edtJelszo; }
    QPushButton* btnOK() const { return m_btnOK; }
    QPushButton* btnMegsem() const { return m_btnMegsem; }
    QPushButton* btnUjJelszo() const { return m_btnUjJelszo; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void okKattint();
    void ujJelszoKattint();
    // Asks for a new password twice and stores it; false when cancelled or
    // refused (the reason has been shown).
    bool ujJelszoBeker(const QString& kod);

    QLineEdit* m_edtFelhasznalo = nullptr;
    QLineEdit* m_edtJelszo = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnMegsem = nullptr;
    QPushButton* m_btnUjJelszo = nullptr;
    TJog m_jog;
};

// Shows the login window. True after a successful login, with `jog` filled
// from the user's row; false when cancelled, with `jog` untouched.
bool Belepes(TJog& jog, QWidget* szulo = nullptr);
