#pragma once

// The main window: the service points on the left, the open bill of the
// selected one and the VAT-group totals in the middle, its reservation book
// on the right; tool bars, menus and the status bar point at the actions of
// the action registry. The window holds the layout and the wiring; the
// start-up, the day and shift routines, the grids' models and delegates and
// the reservation column live in their own files.

#include "Inditas.h"

#include <QDate>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

class AkcioTar;
class AutoMento;
struct AutoMentesEredmeny;
class AsztalModell;
class EloOszlop;
class GorgoSzuro;
class KeresoMezo;
class PGepModell;
class QAction;
class QFrame;
class QLabel;
class QSplitter;
class QTableView;
class QToolBar;
class RendelesModell;
enum class Parancs;

class Tfrm_Main : public QMainWindow
{
    Q_OBJECT

public:
    // The hooks left empty are filled with the real dialogs.
    explicit Tfrm_Main(InditasHorgok horgok = {}, QWidget* szulo = nullptr);
    ~Tfrm_Main() override;

    // Runs the start-up. False when the program ends; the closing flag is set
    // then and the closing timer closes the window a second later.
    bool indit();
    bool kilepes() const { return m_kilepes; }
    void kilepesBeallit();

    // --- Routines of the start-up and the settings --------------------------
    void jogokAlkalmaz();       // the rights of Jog onto the actions
    void felhasznaloKiir();     // status panel "Felhasználó: " + code
    void TulajdonosOlvas();     // owner row, window caption
    void BeallitOlvas();        // settings row, "Kedv%!"/"Szervizdíj!", state
    void indulasiBeallitasok(); // seating panel, bonus, credit handling
    void listakNyit();          // service points, reservations, search list
    void tippekBeallit();       // hints to the status bar, hint colour
    void IniMent();             // INI keys written at a normal close

    // --- Business day and shift ---------------------------------------------
    void NapNyitas(int muszak, const QDate& nap);
    void AllapotFrissit();

    // --- Grids ---------------------------------------------------------------
    // The selected service point (0 when none).
    int asztal() const { return m_asztal; }
    // Selects the service point's row; false when it is not listed.
    bool asztalValaszt(int asztal);
    void AsztalValtas();
    void Frissites();           // "Frissítés": both lists again
    void AsztalFrissit();       // the service point list again, same point
    void RendelesFrissit();     // the open bill again
    void FoglaltFrissit();      // "CALL sp_setfoglalt();" and the list again
    void PGepMutat(int asztal); // the VAT-group totals of a bill
    void PGepElrejt();
    void KovAblak();
    void BetumeretNovel();
    void BetuCsokkent();

    // Everything on screen read again (after a restore or a purge of old
    // data): settings, day and shift state, both lists, the book.
    void AdatokUjraolvas();

    // --- Access for the later order routines and the tests ------------------
    AkcioTar& akciok() const { return *m_akciok; }
    QAction* akcio(Parancs p) const;
    QTableView* asztalRacs() const { return m_asztalRacs; }
    QTableView* rendelesRacs() const { return m_rendelesRacs; }
    QTableView* pgepRacs() const { return m_pgepRacs; }
    AsztalModell* asztalModell() const { return m_asztalModell; }
    RendelesModell* rendelesModell() const { return m_rendelesModell; }
    PGepModell* pgepModell() const { return m_pgepModell; }
    EloOszlop* eloOszlop() const { return m_eloOszlop; }
    KeresoMezo* kereso() const { return m_kereso; }
    QFrame* ulesPanel() const { return m_ulesPanel; }
    QFrame* pgepPanel() const { return m_pgepPanel; }
    QLabel* allapotCimke() const { return m_allapotCimke; }
    QLabel* allapotFelirat() const { return m_allapotFelirat; }
    QLabel* nyitottKep() const { return m_nyitottKep; }
    QLabel* lezartKep() const { return m_lezartKep; }
    QLabel* statuszPanel(int i) const { return m_statusz.at(std::size_t(i)); }
    // The status bar's notice of a failed automatic backup (hidden while
    // the last one was good) and the backup runner.
    QLabel* mentesHibaCimke() const { return m_mentesHiba; }
    AutoMento* autoMento() const { return m_autoMento; }
    QToolBar* felsoEszkoztar() const { return m_felsoEszkoztar; }
    QToolBar* nagyEszkoztar() const { return m_nagyEszkoztar; }
    QWidget* balPanel() const { return m_balPanel; }
    QSplitter* oszto() const { return m_oszto; }
    QTimer& eletIdozito() { return m_eletIdozito; }

    // Prints a text list (SzovegNyomtat on profile 1 with the preview);
    // tests answer it themselves.
    std::function<void(const QStringList&)> listaNyomtat;

signals:
    // The window has closed (after a normal close or the closing flag).
    void bezarult();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Layout (Main.cpp) and menus, tool bars and handlers (MainMenu.cpp,
    // MainMuveletek.cpp).
    void felepit();
    QWidget* allapotPanelEpit();
    QWidget* balPanelEpit();
    QWidget* jobbPanelEpit();
    void statuszsorEpit();
    void menukEpit();
    void eszkoztarakEpit();
    void felugroMenukEpit();
    void kezelokBekot();
    void asztalOszlopok();
    void rendelesOszlopok();
    void pgepOszlopok();
    void ulesPanelFrissit();
    void keresoValtozott(const QString& szoveg);
    void elsoMegjelenes();

    // Automatic backups (MainMentes.cpp): set up after the start-up, started
    // after a day close, made at a normal close when the day was worked.
    void autoMentesIndit();
    void autoMentesNapzar();
    void autoMentesKilepes();
    void autoMentesKesz(const AutoMentesEredmeny& eredmeny);

    // Handlers of the commands.
    void UjNap();
    void NapLezar();
    void Lenemzart();
    void Bejelentkezes();
    void Beallitasok();

    InditasHorgok m_horgok;
    AkcioTar* m_akciok = nullptr;
    GorgoSzuro* m_gorgo = nullptr;
    bool m_kilepes = false;
    bool m_megjelent = false;
    int m_asztal = 0;

    QToolBar* m_felsoEszkoztar = nullptr;
    QToolBar* m_nagyEszkoztar = nullptr;
    QAction* m_ugyfelElvalaszto = nullptr;
    QLabel* m_nyitottKep = nullptr;
    QLabel* m_lezartKep = nullptr;
    QLabel* m_allapotCimke = nullptr;
    QLabel* m_allapotFelirat = nullptr;
    QSplitter* m_oszto = nullptr;
    QWidget* m_balPanel = nullptr;
    KeresoMezo* m_kereso = nullptr;
    QTableView* m_asztalRacs = nullptr;
    AsztalModell* m_asztalModell = nullptr;
    QFrame* m_ulesPanel = nullptr;
    QLabel* m_erkezes = nullptr;
    QLabel* m_felnott = nullptr;
    QLabel* m_gyermek = nullptr;
    QTableView* m_rendelesRacs = nullptr;
    RendelesModell* m_rendelesModell = nullptr;
    QFrame* m_pgepPanel = nullptr;
    QTableView* m_pgepRacs = nullptr;
    PGepModell* m_pgepModell = nullptr;
    EloOszlop* m_eloOszlop = nullptr;
    std::array<QLabel*, 6> m_statusz{};
    QLabel* m_mentesHiba = nullptr;
    AutoMento* m_autoMento = nullptr;

    QTimer m_zaroIdozito; // closes the window after a failed start
    QTimer m_eletIdozito; // keeps the connection alive
};
