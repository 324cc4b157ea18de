// The main window's command handlers and the wiring of its controls.

#include "Adatbazisok.h"
#include "AkcioTar.h"
#include "AsztalModell.h"
#include "Beallit.h"
#include "DbHiba.h"
#include "EloOszlop.h"
#include "Felhasznalo.h"
#include "KeresoMezo.h"
#include "Main.h"
#include "NapMuszak.h"
#include "NyomBeall.h"
#include "RendelesModell.h"
#include "Sugo.h"
#include "SzovegNyomtat.h"
#include "TorzsCikkszam.h"
#include "Uzenetek.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace
{

using P = Parancs;

// Signal handlers are the window's boundary: a database error ends in the
// error box.
template <typename F> void vedett(QWidget* ablak, F&& fv)
{
    try {
        fv();
    } catch (const DbHiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), ablak);
    }
}

} // namespace

void Tfrm_Main::kezelokBekot()
{
    AkcioTar& t = *m_akciok;

    listaNyomtat = [this](const QStringList& lista) { SzovegNyomtat(1, lista, false, this); };

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

    // The order commands.
    t.kezelo(P::AsztalSzabad, [this] { Fizet(); });
    t.kezelo(P::AsztalSzabadHitel, [this] { Hitelre(); });
    t.kezelo(P::RendelUj, [this] { RendelUj(); });
    t.kezelo(P::RendelTorol, [this] { RendelTorol(); });
    t.kezelo(P::MegEgy, [this] { MegEgy(); });
    t.kezelo(P::Kedvezmeny, [this] { Kedvezmeny(); });
    t.kezelo(P::Kedvezmeny2, [this] { KedvezmenyEbbol(); });
    t.kezelo(P::Szervizdij, [this] { Szervizdij(); });
    t.kezelo(P::Bonuszba, [this] { Bonuszba(); });
    t.kezelo(P::Bonuszbol, [this] { Bonuszbol(); });
    t.kezelo(P::AsztalAtul, [this] { MasikFodrasz(); });

    // Administration.
    t.kezelo(P::TorzsFelh, [this] { Felhasznalok(this); });
    t.kezelo(P::Naplo, [this] { BelepesiNaplo(this); });
    t.kezelo(P::RegiTorol, [this] { RegiAdatokTorlese(this); });
    t.kezelo(P::Adatbazis, [this] { AdatbazisLista(true, false, this); });
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

// --- Order commands ---------------------------------------------------------------
// Each belongs to the order routines (entry, voiding, settling, discounts,
// moving a bill); until they are connected here the commands do nothing.

void Tfrm_Main::Fizet()
{
    // Settling the bill in cash: comes with the settling routines.
}

void Tfrm_Main::Hitelre()
{
    // Settling the bill on credit: comes with the settling routines.
}

void Tfrm_Main::RendelUj()
{
    // Order entry from the item picker: comes with the order entry routines.
}

void Tfrm_Main::RendelTorol()
{
    // Voiding the selected line: comes with the order entry routines.
}

void Tfrm_Main::MegEgy()
{
    // Repeating the selected line: comes with the order entry routines.
}

void Tfrm_Main::Kedvezmeny()
{
    // Percentage discount on the bill: comes with the discount routines.
}

void Tfrm_Main::KedvezmenyEbbol()
{
    // Discount of the selected line: comes with the discount routines.
}

void Tfrm_Main::Szervizdij()
{
    // Service charge on the bill: comes with the discount routines.
}

void Tfrm_Main::Bonuszba()
{
    // Crediting the bonus: comes with the bonus routines.
}

void Tfrm_Main::Bonuszbol()
{
    // Spending the bonus: comes with the bonus routines.
}

void Tfrm_Main::MasikFodrasz()
{
    // Moving the bill to another hairdresser: comes with the moving routine.
}
