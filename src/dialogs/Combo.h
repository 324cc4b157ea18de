#pragma once

// The drop-down dialog: the caption repeated above a sorted, editable combo
// box of choices, "OK" and "Mégsem".

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

class Tfrm_Combo : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Combo(QWidget* szulo = nullptr);

    // Caption and the choices (sorted alphabetically in the combo box).
    void beallit(const QString& felirat, const QStringList& valasztekok);
    // What the combo box shows: a listed choice or typed text.
    QString szoveg() const;

    QLabel* feliratCimke() const { return m_felirat; }
    QComboBox* combo() const { return m_combo; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

private:
    QLabel* m_felirat;
    QComboBox* m_combo;
    QPushButton* m_ok;
    QPushButton* m_megsem;
};

// The chosen or typed text on OK; an empty text when cancelled.
QString InpCombo(const QString& felirat, const QStringList& valasztekok, QWidget* szulo = nullptr);
