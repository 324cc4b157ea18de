#pragma once

// The first-run dialog: a workstation without any known database enters its
// first connection here; it is tested before it can be accepted.

#include <QDialog>

class QLineEdit;
class QPushButton;

class Tfrm_Init : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Init(QWidget* szulo = nullptr);

    // The plain six-field connection string of the entered values.
    QString kapcsolatSzoveg() const;
    // Tests the entered values; true on success (and "Rendben" enabled).
    bool tesztel();
    // "Helyi adatbázis létrehozása": creates the program's own server and
    // database on this computer (HelyiAdatbazisLetrehoz) and closes with OK;
    // an error is shown and the dialog stays.
    bool helyiLetrehoz();

    QLineEdit* eKiszolgalo = nullptr;
    QLineEdit* eFelhasznalo = nullptr;
    QLineEdit* eJelszo = nullptr;
    QLineEdit* eAdatbazis = nullptr;
    QLineEdit* eNev = nullptr;
    QLineEdit* ePort = nullptr;
    QPushButton* btnHelyi = nullptr;
    QPushButton* btnTeszt = nullptr;
    QPushButton* btnRendben = nullptr;
    QPushButton* btnMegsem = nullptr;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QString m_helyiKapcsolat; // the local database's entry, once created
};

// Asks for the first connection. On OK the plain string becomes Beall.ConStr
// and is written scrambled as "ConStr1" of the INI file; returns true then.
bool AdatbazisInit(QWidget* szulo = nullptr);
