#pragma once

// The text print preview "Blokknyomtatás": the document in a read-only
// monospaced text area with line numbers and a marker at the paper width,
// the choice of printer 1 to 4, "Nyomtat" and "Bezár".

#include "Nyomtato.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QsciScintilla;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Tfrm_NyomtatKep : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_NyomtatKep(QWidget* szulo = nullptr);

    void sorokBeallit(const QStringList& sorok);
    QString szoveg() const;
    // The right margin marker at column `szeles` (none for 0 or less).
    void margoBeallit(int szeles);
    int margo() const;
    // The chosen printer, 0..3 for "1. nyomtató".."4. nyomtató"; -1 none.
    void nyomtatoBeallit(int index);
    int nyomtatoIndex() const;
    // Shows "Nyomtat", or, when no profile can print, the reason and the
    // button that opens the printer set-up.
    void nyomtatLathato(bool lathato);
    // Reads profile n into ny: the margin at its width and "Nyomtat" shown
    // when it exists. False when there is no profile n.
    bool profilBeallit(int n);

    QLabel* hianyCimke() const { return m_hiany; }
    QPushButton* beallitGomb() const { return m_beallit; }

    // The profile the document goes to when printed.
    TNyomtato ny;

    QsciScintilla* szovegTerulet() const { return m_szoveg; }
    QGroupBox* nyomtatoCsoport() const { return m_csoport; }
    QList<QRadioButton*> nyomtatoGombok() const { return m_gombok; }
    QPushButton* nyomtatGomb() const { return m_nyomtat; }
    QPushButton* bezarGomb() const { return m_bezar; }

private:
    QsciScintilla* m_szoveg;
    QLabel* m_kep;
    QGroupBox* m_csoport;
    QList<QRadioButton*> m_gombok;
    QPushButton* m_nyomtat;
    QPushButton* m_bezar;
    QLabel* m_hiany;
    QPushButton* m_beallit;
    int m_margo = 0;
    int m_profil = 1;
};
