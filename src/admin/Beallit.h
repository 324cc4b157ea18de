#pragma once

// The settings window "Beállítások": the `beallit` row on four tabs and five
// workstation settings of the INI file. OK saves the row and copies the
// workstation settings into Beall; any other close discards both.

#include "BeallitSor.h"

#include <QDialog>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

// Picks a sale item: given the current item, returns the chosen `cikkazon`
// or -1 when cancelled.
using CikkValaszto = std::function<int(int)>;

class Tfrm_Beallit : public QDialog
{
    Q_OBJECT

public:
    Tfrm_Beallit(const TBeallitSor& sor, CikkValaszto valaszto, QWidget* szulo = nullptr);

    // The row as edited (saved by OK).
    const TBeallitSor& sor() const { return m_sor; }
    QTabWidget* lapok() const { return m_lapok; }

    // The three item rows: 0 "Kedvezmény sor cikk", 1 "Szervizdíj sor
    // cikk", 2 "Bónusz cikk".
    void cikkValaszt(int sor);
    void cikkTorol(int sor);
    QString cikkNev(int sor) const;

private:
    QWidget* altalanosLap();
    QWidget* nyomtatasLap();
    QWidget* jelszoLap();
    QWidget* erintoLap();
    // The automatic backup of this workstation (INI section "AutoMentes").
    QWidget* mentesLap();
    void gombSor(QWidget* lap, QBoxLayout* elrendezes);
    QCheckBox* jelolo(QWidget* szulo, const QString& felirat, const char* nev);
    QLineEdit* szerkeszto(QWidget* szulo, const char* nev, int hossz = 0, bool jelszo = false);
    // Reads the controls into the row; false (with the error shown and the
    // control focused) when a number does not convert.
    bool kiolvas(TBeallitSor& sor);
    void okKattint();

    TBeallitSor m_sor;
    CikkValaszto m_valaszto;
    QTabWidget* m_lapok = nullptr;
    QLineEdit* m_cikkNevek[3] = {};
};

// Shows the settings window modally. `cikkValaszto` picks the discount,
// service-charge and bonus items (the sale item list in selection mode);
// without it the pick buttons are disabled.
void Beallitasok(QWidget* szulo = nullptr, CikkValaszto cikkValaszto = {});
