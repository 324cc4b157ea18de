#pragma once

// The free SQL console "SQL lekérdezés": an SQL editor (syntax colours, line
// numbers), the result grid, scripts through the batch executor, SQL files,
// the result to the clipboard and to the export window. Statements run on
// the console's own connection in a worker thread, so a long one can be
// cancelled while the window stays responsive.

#include <QDialog>

class EredmenyModell;
class QAction;
class QAbstractItemModel;
class QLabel;
class QProgressBar;
class QSqlTableModel;
class QTabWidget;
class QTableView;
class QsciScintilla;
class SqlMunka;
struct SqlEredmeny;

class Tfrm_SQL : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_SQL(QWidget* szulo = nullptr);
    ~Tfrm_SQL() override;

    QsciScintilla* szerkeszto() const { return m_szerk; }
    QTableView* racs() const { return m_racs; }
    QTabWidget* fulek() const { return m_fulek; }
    QProgressBar* haladas() const { return m_haladas; }
    QLabel* allapotSor() const { return m_allapot; }
    QAction* akcio(const char* nev) const;
    // The model shown in the grid, nullptr before the first result.
    QAbstractItemModel* eredmeny() const;
    bool fut() const;

    // "Futtat" and "Eredmény".
    void futtat();
    void eredmenyMutat();
    // Cancels the running statement.
    void megszakit();
    // "Másol": the result in the clipboard.
    void masol();

protected:
    void reject() override;

private:
    QAction* ujAkcio(const char* nev, const QString& felirat, const QString& sugo,
                     const QList<QKeySequence>& billentyuk);
    void indit(bool csakLekerdezes);
    bool tablaNyit();
    void lekerdezesKesz(QSharedPointer<SqlEredmeny> e);
    void modellBeallit(QAbstractItemModel* m);
    void allapotFrissit();
    void futasAllapot(bool fut);
    void uj();
    void megnyit();
    void ment();
    void exportal();

    QsciScintilla* m_szerk;
    QTableView* m_racs;
    QTabWidget* m_fulek;
    QProgressBar* m_haladas;
    QLabel* m_allapot;
    SqlMunka* m_munka;
    QAbstractItemModel* m_modell = nullptr;
    QString m_fajlNev;
};

// Entry routine of "Szabad lekérdezés": refuses without the administrator
// right ("Nincs jogosultság a művelethez."), otherwise shows the console
// modally.
void SzabadLekerdezes(QWidget* szulo = nullptr);
