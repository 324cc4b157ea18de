#pragma once

// The booking dialog "Előjegyzés szerkesztés": what is booked, the guest's
// name and the length in half-hour steps; OK books the slots through
// sp_ujelojegyzes.

#include "Kapcsolat.h"

#include <QDate>
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

// The length box in half hours: the box's number × 2 rounded half to even;
// a box that is no number counts as 0.
int HosszFelorak(const QString& hossz);
// The minus and plus buttons: one half hour less (not below 0.5) or more
// (not above 24), in the shortest decimal form.
QString HosszCsokkent(const QString& hossz);
QString HosszNovel(const QString& hossz);
// The booking statement.
QString EloUjSql(int asztal, const QDate& nap, int ora, int felorak, const QString& szoveg,
                 const QString& nev);
// Books `felorak` half-hour slots from slot `ora`; returns the key of the
// last row stored, or -1 when nothing was stored. A booking that meets
// another workstation's in a deadlock is tried again. Throws DbHiba.
int EloMent(int asztal, const QDate& nap, int ora, int felorak, const QString& szoveg,
            const QString& nev, QSqlDatabase db = Kapcsolat::fo());

class Tfrm_Elojegyzes : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Elojegyzes(QWidget* szulo = nullptr);

    // The day and the slot's time, shown read-only; fills the two lists of
    // earlier texts and names. Throws DbHiba.
    void beallit(const QDate& nap, const QString& ora2);

    QString szoveg() const;
    QString nev() const;
    // The length in half hours.
    int felorak() const;

    QComboBox* szovegCombo() const { return m_szoveg; }
    QComboBox* nevCombo() const { return m_nev; }
    QLineEdit* hosszMezo() const { return m_hossz; }
    QLineEdit* datumMezo() const { return m_datum; }
    QLineEdit* idoMezo() const { return m_ido; }
    QPushButton* minuszGomb() const { return m_minusz; }
    QPushButton* pluszGomb() const { return m_plusz; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

    // OK refuses a length below half an hour.
    void accept() override;

private:
    QLineEdit* m_datum = nullptr;
    QLineEdit* m_ido = nullptr;
    QComboBox* m_szoveg = nullptr;
    QComboBox* m_nev = nullptr;
    QLineEdit* m_hossz = nullptr;
    QPushButton* m_minusz = nullptr;
    QPushButton* m_plusz = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_megsem = nullptr;
};

// Shows the dialog for a free slot and books it on OK. Returns the key of the
// new booking's last row, or -1 when cancelled. Throws DbHiba.
int EloUj(int asztal, int ora, const QString& ora2, const QDate& nap, QWidget* szulo = nullptr);
