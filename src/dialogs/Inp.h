#pragma once

// The number dialog: a prompt, a right-aligned number edit that takes only
// digits, "," and "-" (and backspace), "OK" and "Mégsem", and a small label
// at the bottom (the free amount of the limited variant).

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Tfrm_Inp : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Inp(QWidget* szulo = nullptr);

    // Caption, prompt and the preset text of the edit.
    void beallit(const QString& felirat, const QString& kerdes, const QString& szoveg);
    // Values above the limit are refused by "OK".
    void korlatBeallit(double max);
    void korlatTorol();
    bool vanKorlat() const { return m_vanKorlat; }
    double korlat() const { return m_korlat; }

    // The edit parsed: spaces removed, then the tolerant number parsing;
    // 0 when it does not convert.
    double ertek() const;

    QLabel* kerdesCimke() const { return m_kerdes; }
    QLineEdit* szamSzerkeszto() const { return m_szam; }
    QLabel* alsoCimke() const { return m_also; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

public slots:
    // The "OK" button: closes with OK unless the value is above the limit.
    void Ok();

private:
    QLabel* m_kerdes;
    QLineEdit* m_szam;
    QLabel* m_also;
    QPushButton* m_ok;
    QPushButton* m_megsem;
    bool m_vanKorlat = false;
    double m_korlat = 0;
};

// Asks for a number; the edit is preset with the number in the money format
// (Beall.PenzFormatum). True and the new number on OK; false and the number
// untouched otherwise.
bool InpSzam(const QString& felirat, const QString& kerdes, double& szam, QWidget* szulo = nullptr);
// As InpSzam with an upper limit (a value equal to the limit is accepted); the
// edit is preset in the quantity format (Beall.DbFormatum) and the bottom
// label reads "Szabad: " + the limit.
bool InpSzamMax(const QString& felirat, const QString& kerdes, double& szam, double max,
                QWidget* szulo = nullptr);
