// The main window's command handlers and the wiring of its controls.

#include "Adatbazisok.h"
#include "AkcioTar.h"
#include "AsztalModell.h"
#include "Beallit.h"
#include "CikktorzsFrissit.h"
#include "DbHiba.h"
#include "EloOszlop.h"
#include "Felhasznalo.h"
#include "HibaKezeles.h"
#include "KeresoMezo.h"
#include "Main.h"
#include "NapMuszak.h"
#include "NyomBeall.h"
#include "RendelesModell.h"
#include "SQL.h"
#include "SegedUI.h"
#include "Sugo.h"
#include "SzovegNyomtat.h"
#include "TorzsAsztal.h"
#include "TorzsCikkszam.h"
#include "TorzsGyujto.h"
#include "TorzsTablak.h"
#include "TorzsUgyfel.h"
#include "Uzenetek.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace
{

using P = Parancs;

// Signal handlers are the window's boundary: any error ends in the error
// box.
template <typename F> void vedett(QWidget* ablak, F&& fv)
{
    HibaKezel(ablak, std::forward<F>(fv));
}

} // namespace

void Tfrm_Main::kezelokBekot()
{
    AkcioTar& t = *m_akciok;

    listaNyomtat = [this](const QStringList& lista) { SzovegNyomtatMutat(1, lista, false, this); };

    // Grids and the search box.
    connect(m_asztalRacs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { vedett(this, [this] { AsztalValtas(); }); });
    connect(m_kereso, &QComboBox::editTextChanged, this, &Tfrm_Main::keresoValtozott);
    connect(m_kereso, &KeresoMezo::enterLenyomva, this, [this] { m_asztalRacs->setFocus(); });

    // Point of sale.
    t.kezelo(P::Frissit, [this] { Frissites(); });
    t.kezelo(P::KovAblak, [this] { KovAblak(); });
    t.kezelo(P::BetumeretNovel, [this] { BetumeretNovel(); });
    t.kezelo(P::BetuCsokkent, [this] { BetuCsokkent(); });
    t.kezelo(P::UjNap, [this] { UjNap(); });
    t.kezelo(P::NapLezar, [this] { NapLezar(); });
    t.kezelo(P::Lenemzart, [this] { Lenemzart(); });
    t.kezelo(P::Bejelentkezik, [this] { Bejelentkezes(); });
    t.kezelo(P::Bezar, [this] { close(); });

    // The reservation book.
    t.kezelo(P::UjElo, [this] { m_eloOszlop->Uj(); });
    t.kezelo(P::TorolElo, [this] { m_eloOszlop->Torol(); });
    t.kezelo(P::Tegnap, [this] { m_eloOszlop->Tegnap(); });
    t.kezelo(P::Ma, [this] { m_eloOszlop->Ma(); });
    t.kezelo(P::Holnap, [this] { m_eloOszlop->Holnap(); });

    // The order commands (settling, entry and voiding, discounts, bonus,
    // moving a bill) get their routines here as those are built; a command
    // without one stays disabled, never enabled doing nothing.

    // Master data.
    Tfrm_TorzsCikkszam::importAblak() = [](QWidget* w) { CikktorzsFrissites(w); };
    t.kezelo(P::TorzsArlista, [this] { ArlistaValaszt(-1, false, this); });
    t.kezelo(P::Cikkat, [this] { CikkatValaszt(-1, false, this); });
    t.kezelo(P::Besorolas, [this] { BesorolasValaszt(-1, false, this); });
    t.kezelo(P::TorzsGyujto, [this] { GyujtoValaszt(-1, false, this); });
    t.kezelo(P::TorzsMert, [this] { MertValaszt(-1, false, this); });
    t.kezelo(P::TorzsKat, [this] { KategoriaValaszt(-1, false, this); });
    t.kezelo(P::TorzsStorno, [this] { StornoValaszt(-1, false, this); });
    t.kezelo(P::TorzsUgyfel, [this] { UgyfelValaszt(-1, false, false, this); });
    t.kezelo(P::TorzsAsztal, [this] {
        AsztalValaszt(-1, false, this);
        // Names, price categories and button places may have changed.
        Frissites();
    });

    // Administration.
    t.kezelo(P::TorzsFelh, [this] { Felhasznalok(this); });
    t.kezelo(P::Naplo, [this] { BelepesiNaplo(this); });
    t.kezelo(P::RegiTorol, [this] {
        if (RegiAdatokTorlese(this))
            AdatokUjraolvas();
    });
    t.kezelo(P::Adatbazis,
             [this] { AdatbazisLista(true, false, this, [this] { AdatokUjraolvas(); }); });
    t.kezelo(P::RendszerSQL, [this] { SzabadLekerdezes(this); });
    t.kezelo(P::NyomBeall, [this] { NyomtatoBeallitas(this); });
    t.kezelo(P::RendszerBeallit, [this] { Beallitasok(); });

    // Help.
    t.kezelo(P::Sugo, [] { Indit(SugoFajl()); });
    t.kezelo(P::Doksi, [] { Indit(DokumentacioFajl()); });
    t.kezelo(P::SugoUjdonsag, [] { Indit(UjdonsagProgram()); });
    t.kezelo(P::SugoLevel, [] { Indit(LevelCim()); });
    t.kezelo(P::SugoHonlap, [] { Indit(KeszitoHonlap()); });
    t.kezelo(P::SugoFontos, [this] { FontosInformaciok(this); });
    t.kezelo(P::SugoNevjegy, [this] { Nevjegy(this); });
}

void Tfrm_Main::AdatokUjraolvas()
{
    // After a restore or a purge anything on screen may be gone or
    // different: the settings, the day's state, both lists, the book.
    vedett(this, [this] {
        TulajdonosOlvas();
        BeallitOlvas();
        Frissites();
        m_eloOszlop->EloToltes(m_asztal, m_eloOszlop->EloNap().isValid() ? m_eloOszlop->EloNap()
                                                                         : QDate::currentDate());
        ComboFeltolt(m_kereso, QStringLiteral("SELECT asztal_nev FROM asztal ORDER BY 1;"));
    });
}

// --- Business day and shift ------------------------------------------------------

void Tfrm_Main::NapNyitas(int muszak, const QDate& nap)
{
    m_rendelesModell->bezar();
    if (NapNyitasLepesek(muszak, nap, this)) {
        m_rendelesModell->nyit(m_asztal);
        rendelesOszlopok();
    }
    // Also after a refused date: no day is current then, and the order
    // commands must follow that.
    AllapotFrissit();
}

void Tfrm_Main::AllapotFrissit()
{
    const bool lezarva = MuszakLezarva();
    m_allapotCimke->setText(AllapotSzoveg(lezarva, Jog.felhasznalo));
    m_nyitottKep->setVisible(!lezarva);
    m_lezartKep->setVisible(lezarva);
    m_akciok->muszakAllapot(!lezarva);
    m_allapotFelirat->setText(AllapotFelirat(AktNap, AktMuszak));
}

void Tfrm_Main::UjNap()
{
    QDate nap = QDate::currentDate();
    int muszak = 1;
    if (m_horgok.muszakValaszt(nap, muszak))
        NapNyitas(muszak, nap);
}

void Tfrm_Main::NapLezar()
{
    switch (NapZaras(this)) {
    case NapZarasEredmeny::MarLezarva:
        AllapotFrissit();
        break;
    case NapZarasEredmeny::Lezarva:
        AllapotFrissit();
        autoMentesNapzar();
        break;
    default:
        break;
    }
}

void Tfrm_Main::Lenemzart()
{
    listaNyomtat(LenemzartLista());
}

// --- Users and settings -----------------------------------------------------------

void Tfrm_Main::Bejelentkezes()
{
    if (!m_horgok.belepes(Jog))
        return;
    jogokAlkalmaz();
    felhasznaloKiir();
    AllapotFrissit();
}

void Tfrm_Main::Beallitasok()
{
    auto valaszto = [this](int azon) { return ArlistaValaszt(azon, true, this); };
    try {
        ::Beallitasok(this, valaszto);
    } catch (const DbHiba&) {
        // The settings are read again whatever the window's result.
        BeallitOlvas();
        throw;
    }
    BeallitOlvas();
}
