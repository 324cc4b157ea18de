#pragma once

// The number-and-remark dialog: a number edit between a minus and a plus
// button, a remark edit, "OK" and "Mégsem". Enter closes with OK and Esc
// cancels from any control.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Tfrm_Inp2 : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Inp2(QWidget* szulo = nullptr);

    void beallit(const QString& felirat, const QString& kerdes, double szam,
                 const QString& megjegyzes);
    // The number edit parsed; 0 when it does not convert.
    double ertek() const;
    QString megjegyzes() const;

    QLabel* kerdesCimke() const { return m_kerdes; }
    QLineEdit* szamSzerkeszto() const { return m_szam; }
    QLineEdit* megjegyzesSzerkeszto() const { return m_megj; }
    QPushButton* minuszGomb() const { return m_minusz; }
    QPushButton* pluszGomb() const { return m_plusz; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

public slots:
    void Ok();
    // The number edit's whole part minus or plus one; the focus returns to
    // the edit.
    void Minusz();
    void Plusz();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void lep(int irany);

    QLabel* m_kerdes;
    QLineEdit* m_szam;
    QPushButton* m_minusz;
    QPushButton* m_plusz;
    QLineEdit* m_megj;
    QPushButton* m_ok;
    QPushButton* m_megsem;
};

// Asks for a number and a remark. True with both values on OK; false and
// both untouched otherwise.
bool InpSzamMegj(const QString& felirat, const QString& kerdes, double& szam, QString& megjegyzes,
                 QWidget* szulo = nullptr);
