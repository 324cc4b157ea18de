#pragma once

// The item refresh window "Cikktörzs frissítés": a delimited price-list file
// loaded from disk or downloaded over HTTP, shown in an editor (its lines are
// what is imported), checked completely and imported in one transaction,
// with the result log at the end.

#include <QDialog>

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QsciScintilla;

class Tfrm_CikktorzsFrissit : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CikktorzsFrissit(QWidget* szulo = nullptr);

    QLineEdit* helyiFajl() const { return m_helyi; }
    QLineEdit* link() const { return m_link; }
    QLineEdit* mentesHelye() const { return m_mentes; }
    QRadioButton* httpValasztas() const { return m_http; }
    QCheckBox* csakUj() const { return m_csakUj; }
    QListWidget* oszlopLista() const { return m_oszlopok; }
    QsciScintilla* szerkeszto() const { return m_szerk; }
    QTabWidget* fulek() const { return m_fulek; }
    QProgressBar* haladas() const { return m_haladas; }
    QPushButton* megallitGomb() const { return m_megallit; }
    QAction* letoltesAkcio() const { return m_aLetolt; }
    // The download's limit of silence in milliseconds (30 s).
    void idokorlat(int ms) { m_idokorlat = ms; }

    // Loads a file into the editor and lists its header columns, all ticked.
    bool betolt(const QString& fajl);
    // "File letöltése" and "Import indítása"; true when done.
    bool letolt();
    bool importal();

protected:
    void reject() override;

private:
    void oszlopListaEpit(const QString& szoveg);
    void eleresValtas();
    void munkaAllapot(bool fut);
    void sugo();

    QRadioButton* m_helyiValasztas;
    QRadioButton* m_http;
    QGroupBox* m_helyiDoboz;
    QGroupBox* m_httpDoboz;
    QLineEdit* m_helyi;
    QLineEdit* m_link;
    QLineEdit* m_mentes;
    QCheckBox* m_csakUj;
    QListWidget* m_oszlopok;
    QsciScintilla* m_szerk;
    QTabWidget* m_fulek;
    QProgressBar* m_haladas;
    QPushButton* m_megallit;
    QPushButton* m_importGomb;
    QPushButton* m_letoltGomb;
    QAction* m_aLetolt;
    QAction* m_aImport;
    int m_idokorlat = 30000;
    bool m_fut = false;
    bool m_allj = false;
};

// Entry routine of the item list's "Import": needs the master-data right.
void CikktorzsFrissites(QWidget* szulo = nullptr);
