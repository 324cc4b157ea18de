// The main window's menus, tool bars and pop-up menus. They only point at
// the actions of the registry.

#include "AkcioTar.h"
#include "EloOszlop.h"
#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace
{

using P = Parancs;

void hozzaad(QWidget* cel, const AkcioTar& t, std::initializer_list<P> parancsok)
{
    for (P p : parancsok)
        cel->addAction(t.akcio(p));
}

} // namespace

void Tfrm_Main::eszkoztarakEpit()
{
    AkcioTar& t = *m_akciok;
    QStyle* st = QApplication::style();
    const std::pair<P, QStyle::StandardPixmap> kepek[] = {
        {P::Frissit, QStyle::SP_BrowserReload},
        {P::UjNap, QStyle::SP_FileDialogNewFolder},
        {P::NapLezar, QStyle::SP_DialogSaveButton},
        {P::Bevet, QStyle::SP_DirOpenIcon},
        {P::TorzsUgyfel, QStyle::SP_FileDialogContentsView},
        {P::Bejelentkezik, QStyle::SP_DialogYesButton},
        {P::BetumeretNovel, QStyle::SP_ArrowUp},
        {P::BetuCsokkent, QStyle::SP_ArrowDown},
        {P::Sugo, QStyle::SP_DialogHelpButton},
        {P::SugoHonlap, QStyle::SP_DriveNetIcon},
        {P::SugoUjdonsag, QStyle::SP_MessageBoxInformation},
        {P::Bezar, QStyle::SP_DialogCloseButton},
    };
    for (const auto& [p, k] : kepek)
        t.akcio(p)->setIcon(st->standardIcon(k));

    m_felsoEszkoztar = new QToolBar(QStringLiteral("Eszközök"), this);
    m_felsoEszkoztar->setObjectName(QStringLiteral("FelsoEszkoztar"));
    m_felsoEszkoztar->setMovable(false);
    m_felsoEszkoztar->setIconSize(QSize(24, 24));
    m_felsoEszkoztar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QToolBar* f = m_felsoEszkoztar;
    f->addAction(t.akcio(P::Frissit));
    f->addSeparator();
    hozzaad(f, t, {P::UjNap, P::NapLezar});
    f->addSeparator();
    f->addAction(t.akcio(P::Bevet));
    f->addSeparator();
    f->addAction(t.akcio(P::TorzsUgyfel));
    // Hidden together with the customers button when credit handling is off.
    m_ugyfelElvalaszto = f->addSeparator();
    connect(t.akcio(P::TorzsUgyfel), &QAction::visibleChanged, this, [this] {
        m_ugyfelElvalaszto->setVisible(m_akciok->akcio(P::TorzsUgyfel)->isVisible());
    });
    m_ugyfelElvalaszto->setVisible(t.akcio(P::TorzsUgyfel)->isVisible());
    f->addAction(t.akcio(P::Bejelentkezik));
    f->addSeparator();
    hozzaad(f, t, {P::BetumeretNovel, P::BetuCsokkent});
    f->addSeparator();
    f->addAction(t.akcio(P::Sugo));
    f->addSeparator();
    hozzaad(f, t, {P::SugoHonlap, P::SugoUjdonsag});
    f->addSeparator();
    f->addAction(t.akcio(P::Bezar));

    m_nagyEszkoztar = new QToolBar(QStringLiteral("Rendelés"), this);
    m_nagyEszkoztar->setObjectName(QStringLiteral("NagyEszkoztar"));
    m_nagyEszkoztar->setMovable(false);
    m_nagyEszkoztar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QToolBar* n = m_nagyEszkoztar;
    hozzaad(n, t, {P::RendelUj, P::RendelTorol});
    n->addSeparator();
    hozzaad(n, t, {P::Kedvezmeny, P::Kedvezmeny2, P::Szervizdij});
    n->addSeparator();
    hozzaad(n, t, {P::Bonuszba, P::Bonuszbol});
    n->addSeparator();
    hozzaad(n, t, {P::AsztalSzabad, P::AsztalSzabadHitel});
    n->addSeparator();
    n->addAction(t.akcio(P::AsztalAtul));
    for (QAction* a : n->actions()) {
        if (auto* b = qobject_cast<QToolButton*>(n->widgetForAction(a))) {
            b->setMinimumSize(72, 36);
            QFont bf = b->font();
            bf.setBold(true);
            b->setFont(bf);
        }
    }
}

void Tfrm_Main::menukEpit()
{
    AkcioTar& t = *m_akciok;
    QMenuBar* mb = menuBar();

    QMenu* m = mb->addMenu(QStringLiteral("Főmenü"));
    hozzaad(m, t, {P::KovAblak, P::UjNap, P::NapLezar});
    m->addSeparator();
    m->addAction(t.akcio(P::Bevet));
    m->addSeparator();
    m->addAction(t.akcio(P::Bezar));

    m = mb->addMenu(QStringLiteral("Fodrászok"));
    m->addAction(t.akcio(P::TorzsAsztal));
    m->addSeparator();
    m->addAction(t.akcio(P::Jutalek));
    m->addSeparator();
    hozzaad(m, t, {P::JutalekNyom, P::JutalekNyom2});

    m = mb->addMenu(QStringLiteral("Rendelés"));
    hozzaad(m, t, {P::RendelUj, P::RendelTorol});
    m->addSeparator();
    m->addAction(t.akcio(P::MegEgy));
    m->addSeparator();
    hozzaad(m, t, {P::Kedvezmeny, P::Szervizdij});
    m->addSeparator();
    hozzaad(m, t, {P::AsztalSzabad, P::AsztalSzabadHitel});
    m->addSeparator();
    m->addAction(t.akcio(P::AsztalAtul));

    m = mb->addMenu(QStringLiteral("Törzsadatok"));
    hozzaad(m, t, {P::TorzsArlista, P::Cikkat, P::Besorolas});
    m->addSeparator();
    hozzaad(m, t, {P::TorzsGyujto, P::TorzsMert, P::TorzsKat});
    m->addSeparator();
    m->addAction(t.akcio(P::KeszletModosit));
    m->addSeparator();
    m->addAction(t.akcio(P::TorzsStorno));

    m = mb->addMenu(QStringLiteral("Kassza"));
    hozzaad(m, t, {P::Cassa, P::TorzsUgyfel});
    m->addSeparator();
    m->addAction(t.akcio(P::HitelTorleszt));

    m = mb->addMenu(QStringLiteral("Nyomtatások"));
    QMenu* s = m->addMenu(QStringLiteral("Készletek"));
    hozzaad(s, t, {P::NyomKlt, P::Minkeszlet});
    s = m->addMenu(QStringLiteral("Aktuális nap kimutatásai"));
    hozzaad(s, t, {P::EgyAsztal, P::ForgAsztal});
    s->addSeparator();
    hozzaad(s, t, {P::ForgKatMost, P::NyomForgMost2});
    s->addSeparator();
    hozzaad(s, t, {P::BesNyom, P::BesNyomR});
    s->addSeparator();
    hozzaad(s, t, {P::SorNegMost, P::SztornoSorMost});
    s = m->addMenu(QStringLiteral("Adott dátum"));
    hozzaad(s, t, {P::EgyAsztal2, P::ForgAsztal2});
    s->addSeparator();
    s->addAction(t.akcio(P::NyomForgCikk));
    s->addSeparator();
    hozzaad(s, t, {P::NyomBesDatum, P::BesNyomRDatum});
    s = m->addMenu(QStringLiteral("Kimutatások időszakra"));
    s->addAction(t.akcio(P::EgyAsztal3));
    s->addSeparator();
    hozzaad(s, t, {P::NyomForgCikkIdo, P::NyomKatIdoszak});
    s->addSeparator();
    hozzaad(s, t, {P::NyomBesIdoszak, P::BesNyomRIdoszak});
    s->addSeparator();
    hozzaad(s, t, {P::SorNeg2, P::NyomStorno});
    s->addSeparator();
    s->addAction(t.akcio(P::Haszon));
    s->addSeparator();
    s->addAction(t.akcio(P::Karton));
    s = m->addMenu(QStringLiteral("Kedvezmények, szervízdíjak"));
    hozzaad(s, t, {P::KedvOssz1, P::KedvOssz2});
    s->addSeparator();
    hozzaad(s, t, {P::SzervDij, P::SzervDij2});
    s->addSeparator();
    hozzaad(s, t, {P::KedvOssz1a, P::KedvOssz2a});
    s->addSeparator();
    hozzaad(s, t, {P::SzervDijA, P::SzervDijAI});
    s->addSeparator();
    s->addAction(t.akcio(P::NyomBonusz));
    s = m->addMenu(QStringLiteral("Zárás"));
    hozzaad(s, t, {P::ForgBes, P::SorNeg, P::SztornoSorok, P::KedvOssz});
    m->addSeparator();
    hozzaad(m, t, {P::Fogyik, P::Bekerules, P::ForgHet});
    m->addSeparator();
    m->addAction(t.akcio(P::Lenemzart));
    m->addSeparator();
    hozzaad(m, t, {P::ChMegoszlas, P::ForgOra});
    m->addSeparator();
    hozzaad(m, t, {P::ForgArc, P::ForgBong, P::MaiForgBong});
    m->addSeparator();
    m->addAction(t.akcio(P::Ujra));

    m = mb->addMenu(QStringLiteral("Rendszer"));
    hozzaad(m, t, {P::TorzsFelh, P::Naplo});
    m->addSeparator();
    m->addAction(t.akcio(P::RendszerSQL));
    m->addSeparator();
    hozzaad(m, t, {P::RegiTorol, P::Adatbazis});
    m->addSeparator();
    hozzaad(m, t, {P::NyomBeall, P::RendszerBeallit});

    m = mb->addMenu(QStringLiteral("Súgó"));
    hozzaad(m, t, {P::Sugo, P::Doksi, P::SugoFontos});
    m->addSeparator();
    hozzaad(m, t, {P::SugoLevel, P::SugoHonlap, P::SugoUjdonsag});
    m->addSeparator();
    m->addAction(t.akcio(P::SugoNevjegy));
}

void Tfrm_Main::felugroMenukEpit()
{
    AkcioTar& t = *m_akciok;
    auto* asztalMenu = new QMenu(this);
    asztalMenu->setObjectName(QStringLiteral("AsztalMenu"));
    hozzaad(asztalMenu, t, {P::AsztalSzabad, P::AsztalSzabadHitel});
    asztalMenu->addSeparator();
    asztalMenu->addAction(t.akcio(P::AsztalAtul));
    asztalMenu->addSeparator();
    hozzaad(asztalMenu, t, {P::Kedvezmeny, P::Szervizdij});

    auto* rendelesMenu = new QMenu(this);
    rendelesMenu->setObjectName(QStringLiteral("RendelesMenu"));
    hozzaad(rendelesMenu, t, {P::RendelUj, P::RendelTorol});
    rendelesMenu->addSeparator();
    hozzaad(rendelesMenu, t, {P::AsztalSzabad, P::AsztalSzabadHitel});
    rendelesMenu->addSeparator();
    hozzaad(rendelesMenu, t, {P::Kedvezmeny, P::Szervizdij});

    for (auto [racs, menu] :
         {std::pair{m_asztalRacs, asztalMenu}, std::pair{m_rendelesRacs, rendelesMenu}}) {
        racs->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(racs, &QWidget::customContextMenuRequested, this,
                [racs, menu](const QPoint& p) { menu->popup(racs->viewport()->mapToGlobal(p)); });
    }

    // The reservation column's tool bar.
    QToolBar* e = m_eloOszlop->eszkoztar();
    hozzaad(e, t, {P::UjElo, P::TorolElo});
    e->addSeparator();
    hozzaad(e, t, {P::Tegnap, P::Ma, P::Holnap});
}
