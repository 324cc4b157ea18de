#pragma once

// The text dialog: a prompt above a one-line edit, "OK", "Mégsem", and in
// masked mode the check box "Látszanak a karakterek" that shows the typed
// characters.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tfrm_InpStr : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_InpStr(QWidget* szulo = nullptr);

    void beallit(const QString& felirat, const QString& kerdes, const QString& szoveg);
    // Maximum length; -1 (or any value below 1) means none.
    void maxHosszBeallit(int maxHossz);
    // Every letter typed (or pasted) turns to upper case.
    void nagybetusBeallit(bool nagybetus);
    // Masked mode: "*" for every character and the check box visible.
    void maszkoltBeallit(bool maszkolt);

    QString szoveg() const;

    QLabel* kerdesCimke() const { return m_kerdes; }
    QLineEdit* szovegSzerkeszto() const { return m_szoveg; }
    QCheckBox* lathatoJelolo() const { return m_lathato; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

private:
    void lathatoValtozott(bool lathato);

    QLabel* m_kerdes;
    QLineEdit* m_szoveg;
    QCheckBox* m_lathato;
    QPushButton* m_ok;
    QPushButton* m_megsem;
};

// Asks for a line of text (never masked). Without kisbetuMarad every letter
// is turned to upper case. maxHossz -1 means no limit. True and the text on
// OK; false and the text untouched otherwise.
bool InpSzoveg(const QString& felirat, const QString& kerdes, QString& szoveg, int maxHossz = -1,
               bool kisbetuMarad = false, QWidget* szulo = nullptr);
// Asks for a password: with maszkolt the characters show as "*" until the
// check box is ticked. The text stays as typed (kisbetuMarad has no effect).
bool InpJelszo(const QString& felirat, const QString& kerdes, bool maszkolt, int maxHossz,
               bool kisbetuMarad, QString& szoveg, QWidget* szulo = nullptr);
