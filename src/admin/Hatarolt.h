#pragma once

// The delimited export window "Határolt szöveg export": any result (a model
// with its field kinds) as delimited text or as an Excel worksheet (.xlsx).

#include "HataroltSzoveg.h"

#include <QDialog>

class QAbstractItemModel;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

class Tfrm_Hatarolt : public QDialog
{
    Q_OBJECT
public:
    Tfrm_Hatarolt(QAbstractItemModel* modell, const QList<OszlopFajta>& fajtak,
                  const QString& fajl = {}, QWidget* szulo = nullptr);

    QLineEdit* fajlMezo() const { return m_fajl; }
    QListWidget* mezoLista() const { return m_mezok; }
    QRadioButton* hatarolo(int i) const { return m_hatarolo[i]; }
    QRadioButton* idezojel(int i) const { return m_idezo[i]; }
    QCheckBox* tobbsoros() const { return m_tobbsoros; }
    QCheckBox* eredetiNevek() const { return m_eredeti; }
    QCheckBox* fejlecNelkul() const { return m_fejlecNelkul; }
    QCheckBox* megnyitas() const { return m_megnyit; }
    QPushButton* inditGomb() const { return m_indit; }
    QPushButton* megallitGomb() const { return m_megallit; }

    // "Export indítás": writes the file; true when it was written.
    bool exportal();
    // The settings chosen in the window.
    HataroltBeallitas beallitas() const;

protected:
    // Closing while exporting stops the export first.
    void reject() override;

private:
    void tallozas();

    QAbstractItemModel* m_modell;
    QList<OszlopFajta> m_fajtak;
    QLineEdit* m_fajl;
    QListWidget* m_mezok;
    QRadioButton* m_hatarolo[4];
    QRadioButton* m_idezo[3];
    QCheckBox* m_tobbsoros;
    QCheckBox* m_eredeti;
    QCheckBox* m_fejlecNelkul;
    QCheckBox* m_megnyit;
    QPushButton* m_indit;
    QPushButton* m_megallit;
    QProgressBar* m_haladas;
    bool m_allj = false;
    bool m_fut = false;
};

// Entry routine: shows the window modally for the result.
void HataroltExport(QAbstractItemModel* modell, const QList<OszlopFajta>& fajtak,
                    const QString& fajl = {}, QWidget* szulo = nullptr);
