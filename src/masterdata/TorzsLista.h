#pragma once

// The one shape of every master list window: a tool bar with the common
// actions ("Új sor", "Szerkeszt", "Sor törlése", "Elfogad", "Bezár",
// "Frissít" and the window's own), the same actions in the grid's pop-up
// menu, the title panel with the search edit, the read-only grid of the
// table description's columns (flags drawn as glyphs, the sort column
// marked), and the status bar with the record counter and the window's
// totals. A window states only its description, captions, widths, rights,
// messages and extra actions; new and edit go through its editor routine.
//
// Used in two modes: maintenance, and picking (the entry routine's flag):
// "Elfogad" (Enter, a double click) then closes the window with the
// current row's key.

#include "TablaLeiras.h"

#include <QDialog>
#include <QHash>
#include <QKeySequence>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QStatusBar;
class QTableView;
class QToolBar;
class TorzsModell;

class TorzsLista : public QDialog
{
    Q_OBJECT

public:
    // What a click on a column title does.
    enum class CimKattintas {
        Semmi,              // nothing
        KeresoFokusz,       // the focus goes to the search edit
        Rendez,             // sort and search by the column, focus to the search edit
        RendezFokuszNelkul, // sort and search by the column
    };

    TorzsLista(TablaLeiras leiras, const QString& nev, const QString& felirat,
               Qt::Alignment cimIgazitas, QWidget* szulo = nullptr);
    ~TorzsLista() override;

    const TablaLeiras& leiras() const { return m_leiras; }
    TorzsModell* modell() const { return m_modell; }
    QTableView* grid() const { return m_grid; }
    QLineEdit* kereso() const { return m_kereso; }
    QAction* akcio(const QString& nev) const;

    // The entry routine's steps: the pick flag, the first read and the row
    // of the initial key (-1 leaves the first row current).
    void valasztasBeallit(bool valasztas);
    bool valasztas() const { return m_valasztas; }
    void megnyit(int kezdoKulcs);
    // The key of the current row; -1 when there is none (a NULL key gives 0).
    int aktualisKulcs() const;
    QVariant aktualis(const QString& mezo) const;
    // Reads the list again and moves to the key (-2: stay on the current
    // row's key). Throws DbHiba.
    void frissit(int kulcs = -2);
    // The incremental search of the search edit.
    void keres(const QString& szoveg);
    // Sort (and search) by a column, as a title click does.
    void rendez(int oszlop);
    int keresoOszlop() const { return m_keresoOszlop; }
    QString szamlalo() const;
    QString osszesito() const;

    // The steps of the common actions, also run by the tests.
    void uj();
    void szerkeszt();
    void torol();
    void elfogad();

protected:
    // The window's editor: -1 for a new row, else the row's key; returns the
    // saved key or -1 when cancelled.
    virtual int szerkeszto(int kulcs) = 0;
    // After every read of the list (totals, dependent panes).
    virtual void frissult() {}
    // After the current row changed.
    virtual void aktualisValtozott() {}
    // The delete step after the confirmation; by default the description's
    // statement. Throws DbHiba.
    virtual void torlesVegrehajt(int kulcs);
    // Checks before the confirmation; false stops the delete.
    virtual bool torolheto(int kulcs);

    // Set-up for the concrete windows.
    QAction* ujAkcio(const QString& nev, const QString& felirat, const QKeySequence& billentyu,
                     const QString& sugo = {}, bool eszkoztaron = true);
    void cimKattintasBeallit(CimKattintas k) { m_cimKattintas = k; }
    void gepelesKeresoBe(bool be) { m_gepelesKereso = be; }
    void keresoNelkul();
    // Typing in another grid of the window also goes to the search edit.
    void gepelesForras(QWidget* w);
    void jelzoBeallit(int bal);
    void osszesitoBeallit(const QString& szoveg);
    void osszesitoSzeles(int szeles);
    // Column widths: the fractions and fixed widths of the description;
    // `levon` is taken off the grid width before the fractions.
    void szelessegBeallit(std::function<void(QTableView*)> fv) { m_szelesseg = std::move(fv); }
    // Another grid of the window whose columns take the description's
    // fractions of its width whenever it is resized.
    void aranyosRacs(QTableView* racs, const TablaLeiras* leiras);
    // A pane under the grid, behind a splitter.
    void alsoPanel(QWidget* panel);
    bool jogProba(const QString& uzenet);
    void hibaMutat(const std::exception& e);
    void kereseTorol();

    QToolBar* eszkoztar() const { return m_eszkoztar; }
    QStatusBar* allapotsor() const { return m_allapot; }

    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void szamlaloFrissit();
    void oszlopSzelessegek();
    void menuEpit();
    void helyez(int sor);

    TablaLeiras m_leiras;
    TorzsModell* m_modell = nullptr;
    QTableView* m_grid = nullptr;
    QLineEdit* m_kereso = nullptr;
    QLabel* m_cim = nullptr;
    QToolBar* m_eszkoztar = nullptr;
    QStatusBar* m_allapot = nullptr;
    QLabel* m_szamlalo = nullptr;
    QLabel* m_osszesito = nullptr;
    QSplitter* m_oszto = nullptr;
    QAction* m_extraHatar = nullptr;
    QList<QAction*> m_extraAkciok;
    QList<QObject*> m_gepeloForrasok;
    QHash<QObject*, const TablaLeiras*> m_aranyosRacsok;
    bool m_valasztas = false;
    bool m_gepelesKereso = true;
    CimKattintas m_cimKattintas = CimKattintas::KeresoFokusz;
    int m_keresoOszlop = 0;
    int m_rendezoOszlop = -1;
    std::function<void(QTableView*)> m_szelesseg;
};

// The entry routine's pattern: shows the window modally; the current row's
// key on "Elfogad", -1 otherwise. DbHiba while opening shows the error box
// and gives -1.
int ListaValaszt(TorzsLista& w, int kezdoKulcs, bool valasztas);
