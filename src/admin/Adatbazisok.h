#pragma once

// The "Tárhelyek" window: the workstation's list of databases with
// connection test, backup, restore and the full backup by the external dump
// tool; and the purge of old data.

#include <QDialog>
#include <QPointer>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;
class TarhelyModel;
class TeljesMentes;

class Tfrm_Adatbazis : public QDialog
{
    Q_OBJECT

public:
    // Asks for a file: mentes (save) or open, caption, filter in the
    // "Leírás (*.x)" form, proposed name. Returns the path or empty when
    // cancelled. Tests replace it; by default it is the platform dialog.
    using FajlKerdes = std::function<QString(QWidget* szulo, bool mentes, const QString& cim,
                                             const QString& szuro, const QString& javasolt)>;
    static void fajlKerdesBeallit(FajlKerdes kerdes);

    Tfrm_Adatbazis(bool szerkesztheto, bool valaszthato, QWidget* szulo = nullptr);
    ~Tfrm_Adatbazis() override;

    // The chosen connection string (empty unless "Választ" was used).
    const QString& valasztott() const { return m_valasztott; }
    TarhelyModel* model() const { return m_model; }
    QTableView* racs() const { return m_racs; }
    int aktualisSor() const;
    void aktualisBeallit(int sor);

    // Actions (also reachable through menus and shortcuts).
    void uj();
    void szerkeszt();
    void torol();
    void teszt();
    void mentes();
    void visszaallitas();
    void teljesPanel();
    void teljesMentes();
    void valaszt();

    QAction *aUj, *aSzerkeszt, *aTorol, *aTeszt, *aBackup, *aRestore, *aMySQLDump, *aTeljesMentes,
        *aValaszt, *aBezar;
    QFrame* pnlTeljes = nullptr;
    QLineEdit* eMysqlDump = nullptr;
    QProgressBar* haladas = nullptr;
    // The full backup that runs now (or ran last); null before the first.
    TeljesMentes* teljes() const;

    void done(int r) override;

Q_SIGNALS:
    // A restore ran on a database: whatever shows its data must read it
    // again.
    void adatokValtoztak();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QString fajlKerdes(bool mentes, const QString& cim, const QString& szuro,
                       const QString& javasolt);
    void haladasMutat(int kesz, int osszes);
    void haladasVege();
    void oszlopSzelessegek();

    bool m_szerkesztheto;
    bool m_valaszthato;
    QString m_valasztott;
    TarhelyModel* m_model = nullptr;
    QTableView* m_racs = nullptr;
    QPointer<TeljesMentes> m_teljes;
    bool m_mentve = false;
};

// Shows the list; returns the chosen connection string (empty unless one
// was chosen). The entries are written back in list order when it closes.
// adatokValtoztak is called after every restore the window ran.
QString AdatbazisLista(bool szerkesztheto, bool valaszthato, QWidget* szulo = nullptr,
                       const std::function<void()>& adatokValtoztak = {});

// "Régi adatok törlése": asks for the cut-off date (preset three months
// back) and a confirmation, logs the action and runs sp_torol. The caller
// checks the administrator right. True when data was purged: whatever shows
// data must read it again.
bool RegiAdatokTorlese(QWidget* szulo = nullptr);
