#pragma once

// The user editor "Felhasználó adatainak szerkesztése": code, name, the nine
// rights and the password typed twice. OK checks the password and saves the
// row; the dialog stays open while the row cannot be saved.

#include "FelhasznaloAdat.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class Tfrm_FelhasznaloSzerkeszt : public QDialog
{
    Q_OBJECT

public:
    // `eredetiKod` empty: a new user.
    Tfrm_FelhasznaloSzerkeszt(const TFelhasznaloAdat& adat, const QString& eredetiKod,
                              QWidget* szulo = nullptr);

    // The values as saved (after OK).
    const TFelhasznaloAdat& adat() const { return m_adat; }

    QLineEdit* edtKod() const { return m_edtKod; }
    QLineEdit* edtNev() const { return m_edtNev; }
    QLineEdit* edtJelszo() const { return m_edtJelszo; }
    QLineEdit* edtJelszo2() const { return m_edtJelszo2; }
    // The nine right boxes in the order of the table Jogok (Jogok.h).
    QCheckBox* jogDoboz(int i) const { return m_jogok[i]; }
    QPushButton* btnOK() const { return m_btnOK; }
    QPushButton* btnMegsem() const { return m_btnMegsem; }

private:
    void okKattint();

    TFelhasznaloAdat m_adat;
    QString m_eredetiKod;
    QLineEdit* m_edtKod = nullptr;
    QLineEdit* m_edtNev = nullptr;
    QLineEdit* m_edtJelszo = nullptr;
    QLineEdit* m_edtJelszo2 = nullptr;
    QCheckBox* m_jogok[9] = {};
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnMegsem = nullptr;
};
