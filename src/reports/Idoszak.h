#pragma once

// The period dialog: first and last day with five quick presets relative to
// the workstation's date.

#include <QDate>
#include <QDialog>
#include <QString>

class QDateEdit;
class QPushButton;

class Tfrm_Idoszak : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Idoszak(QWidget* szulo = nullptr);

    void beallit(const QDate& tol, const QDate& ig);
    QDate tol() const;
    QDate ig() const;

    QDateEdit* eAlso() const { return m_eAlso; }
    QDateEdit* eFelso() const { return m_eFelso; }

    // The day the presets start from; an invalid date (the default) means
    // the workstation's date at the time of the click.
    void setMa(const QDate& ma) { m_ma = ma; }

    // The preset buttons, top to bottom: "Csak a mai nap", "Ez a hét",
    // "Ez a hónap", "Múlt hónap", "Idén".
    QPushButton* eloreGomb(int i) const { return m_eloreGombok[i]; }
    QPushButton* btnOK() const { return m_btnOK; }
    QPushButton* btnMegsem() const { return m_btnMegsem; }

private:
    void elore(int fajta);

    QDateEdit* m_eAlso = nullptr;
    QDateEdit* m_eFelso = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnMegsem = nullptr;
    QPushButton* m_eloreGombok[5] = {};
    QDate m_ma;
};

// Asks for a period. Returns true on OK with both dates set; false leaves
// them untouched. An empty caption keeps "Időszak megadása".
bool IdoszakKer(QDate& tol, QDate& ig, const QString& felirat = {}, QWidget* szulo = nullptr);
