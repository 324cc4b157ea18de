#pragma once

// The entry dialog of the "Tárhelyek" window: one connection's six fields.

#include "Kapcsolat.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

class Tfrm_Adatbazis_Szerkeszt : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Adatbazis_Szerkeszt(const KapcsolatAdat& adat, QWidget* szulo = nullptr);

    KapcsolatAdat adat() const;

    void accept() override;

    QLineEdit* eNev = nullptr;
    QLineEdit* eKiszolgalo = nullptr;
    QLineEdit* eFelhasznalo = nullptr;
    QLineEdit* eJelszo = nullptr;
    QToolButton* btnMutat = nullptr;
    QLineEdit* eAdatbazis = nullptr;
    QLineEdit* ePort = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnMegsem = nullptr;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
};

// Edits the entry in the dialog; true (and the edited entry) on OK.
bool AdatbazisSzerkeszt(KapcsolatAdat& adat, QWidget* szulo = nullptr);
