#pragma once

// The radio dialog: a group of radio buttons titled with the caption, "OK"
// and "Mégsem" to its right. With three choices or fewer the group and the
// window are 32 pixels lower.

#include <QDialog>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The choices of a separated text: split at every "," and ";", empty pieces
// skipped, at most 20 pieces.
QStringList RadioValasztekok(const QString& valasztekok);

class Tfrm_Radio : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Radio(QWidget* szulo = nullptr);

    // The caption, the choices and the preselected index (none when out of
    // range).
    void beallit(const QString& felirat, const QStringList& valasztekok, int elore);
    // The checked choice, -1 when none.
    int valasztott() const;
    QString valasztottSzoveg() const;

    QGroupBox* csoport() const { return m_csoport; }
    QList<QRadioButton*> gombok() const { return m_gombok; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

private:
    void elrendez();

    QGroupBox* m_csoport;
    // An exclusive group: a lone choice cannot be unchecked by a click.
    QButtonGroup* m_kizaro;
    QList<QRadioButton*> m_gombok;
    QPushButton* m_ok;
    QPushButton* m_megsem;
};

// The chosen index (0-based) of the choices separated by "," or ";"; -1 when
// cancelled.
int RadioValaszt(int elore, const QString& valasztekok, const QString& felirat,
                 QWidget* szulo = nullptr);
// As RadioValaszt with the choices as a list.
int RadioValasztLista(int elore, const QStringList& valasztekok, const QString& felirat,
                      QWidget* szulo = nullptr);
// As RadioValaszt, also giving the chosen text; -1 and the text untouched when
// cancelled.
int RadioValasztSzoveg(int elore, const QString& valasztekok, const QString& felirat,
                       QString& szoveg, QWidget* szulo = nullptr);
