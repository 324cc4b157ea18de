#include "Main.h"

#include "AkcioTar.h"
#include "AsztalDelegalt.h"
#include "AsztalModell.h"
#include "Beall.h"
#include "DbHiba.h"
#include "EloOszlop.h"
#include "GorgoSzuro.h"
#include "Kapcsolat.h"
#include "Kepek.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "NapMuszak.h"
#include "PGepDelegalt.h"
#include "PGepModell.h"
#include "RacsSzabalyok.h"
#include "RendelesDelegalt.h"
#include "RendelesModell.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

QFont betu(const char* csalad, int pixel, bool felkover = false)
{
    QFont f(QString::fromLatin1(csalad));
    f.setPixelSize(pixel);
    f.setBold(felkover);
    return f;
}

// A read-only grid that selects whole rows, has no title row and draws its
// cells through its delegate.
QTableView* racs(QWidget* szulo, const char* nev, const QFont& f, bool sorVonalak, int sorMagassag)
{
    auto* r = new QTableView(szulo);
    r->setObjectName(QLatin1String(nev));
    r->setEditTriggers(QAbstractItemView::NoEditTriggers);
    r->setSelectionBehavior(QAbstractItemView::SelectRows);
    r->setSelectionMode(QAbstractItemView::SingleSelection);
    r->horizontalHeader()->hide();
    r->verticalHeader()->hide();
    r->setShowGrid(sorVonalak);
    r->setFont(f);
    r->verticalHeader()->setDefaultSectionSize(sorMagassag);
    r->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    r->setWordWrap(false);
    return r;
}

} // namespace

Tfrm_Main::Tfrm_Main(InditasHorgok horgok, QWidget* szulo)
    : QMainWindow(szulo)
    , m_horgok(std::move(horgok))
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("VexloF"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    resize(1053, 598);

    m_horgok.kitolt(this);

    m_akciok = new AkcioTar(this);
    m_akciok->muszakOr([] { return MuszakLezarva(); }, [this] { AllapotFrissit(); });
    felepit();
    kezelokBekot();

    m_zaroIdozito.setSingleShot(true);
    m_zaroIdozito.setInterval(1000);
    connect(&m_zaroIdozito, &QTimer::timeout, this, &QWidget::close);
    m_eletIdozito.setInterval(60000);
    connect(&m_eletIdozito, &QTimer::timeout, this, [] {
        try {
            SqlFuttat(QStringLiteral("SELECT NOW();"));
        } catch (const DbHiba&) {
            // The keep-alive query only keeps the connection busy.
        }
    });

    m_gorgo = new GorgoSzuro(this);
    qApp->installEventFilter(m_gorgo);
}

Tfrm_Main::~Tfrm_Main()
{
    if (m_gorgo)
        qApp->removeEventFilter(m_gorgo);
}

QAction* Tfrm_Main::akcio(Parancs p) const
{
    return m_akciok->akcio(p);
}

// --- Layout --------------------------------------------------------------------

void Tfrm_Main::felepit()
{
    auto* kozep = new QWidget(this);
    auto* l = new QVBoxLayout(kozep);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    eszkoztarakEpit();
    l->addWidget(m_felsoEszkoztar);
    l->addWidget(allapotPanelEpit());
    l->addWidget(m_nagyEszkoztar);

    m_oszto = new QSplitter(Qt::Horizontal, kozep);
    m_oszto->setOpaqueResize(true);
    m_oszto->setHandleWidth(6);
    m_oszto->setChildrenCollapsible(false);
    m_oszto->addWidget(balPanelEpit());
    m_oszto->addWidget(jobbPanelEpit());
    m_oszto->setStretchFactor(0, 0);
    m_oszto->setStretchFactor(1, 1);
    m_oszto->setSizes({309, 1053 - 309});
    l->addWidget(m_oszto, 1);
    setCentralWidget(kozep);

    statuszsorEpit();
    menukEpit();
    felugroMenukEpit();
}

QWidget* Tfrm_Main::allapotPanelEpit()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("AllapotPanel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setFixedHeight(54);

    m_nyitottKep = new QLabel(panel);
    m_nyitottKep->setPixmap(NyitottKep(48));
    m_nyitottKep->setFixedSize(48, 48);
    m_lezartKep = new QLabel(panel);
    m_lezartKep->setPixmap(LezartKep(48));
    m_lezartKep->setFixedSize(48, 48);
    m_lezartKep->hide();

    m_allapotCimke = new QLabel(panel);
    m_allapotCimke->setFont(betu("Tahoma", 12));
    m_allapotCimke->setWordWrap(true);
    m_allapotCimke->setFixedWidth(200);

    m_allapotFelirat = new QLabel(panel);
    m_allapotFelirat->setFont(betu("Segoe UI", 21, true));
    m_allapotFelirat->setAlignment(Qt::AlignCenter);

    auto* l = new QHBoxLayout(panel);
    l->setContentsMargins(4, 2, 4, 2);
    l->addWidget(m_nyitottKep);
    l->addWidget(m_lezartKep);
    l->addWidget(m_allapotCimke);
    l->addWidget(m_allapotFelirat, 1);
    l->addSpacing(200);
    return panel;
}

QWidget* Tfrm_Main::balPanelEpit()
{
    m_balPanel = new QWidget(this);
    m_balPanel->setObjectName(QStringLiteral("BalPanel"));
    m_balPanel->setMinimumWidth(120);

    m_kereso = new KeresoMezo(m_balPanel);
    m_kereso->setFont(betu("Segoe UI", 15));

    m_asztalModell = new AsztalModell(this);
    m_asztalRacs = racs(m_balPanel, "AsztalRacs", betu("Segoe UI", 27), true, 40);
    m_asztalRacs->setModel(m_asztalModell);
    m_asztalRacs->setItemDelegate(new AsztalDelegalt(m_asztalRacs));

    m_ulesPanel = new QFrame(m_balPanel);
    m_ulesPanel->setObjectName(QStringLiteral("UlesPanel"));
    m_ulesPanel->setFrameShape(QFrame::Panel);
    m_ulesPanel->setFrameShadow(QFrame::Raised);
    m_ulesPanel->setFixedHeight(69);
    auto* racsL = new QGridLayout(m_ulesPanel);
    racsL->setContentsMargins(6, 2, 6, 2);
    racsL->setVerticalSpacing(0);
    const QStringList cimkek{QStringLiteral("Érkezés:"), QStringLiteral("Felnőtt:"), QStringLiteral("Gyermek:")};
    for (int i = 0; i < cimkek.size(); ++i) {
        auto* c = new QLabel(cimkek.at(i), m_ulesPanel);
        QPalette p = c->palette();
        p.setColor(QPalette::WindowText, QColor(Qt::gray));
        c->setPalette(p);
        racsL->addWidget(c, i, 0);
    }
    m_erkezes = new QLabel(m_ulesPanel);
    m_felnott = new QLabel(m_ulesPanel);
    m_gyermek = new QLabel(m_ulesPanel);
    racsL->addWidget(m_erkezes, 0, 1);
    racsL->addWidget(m_felnott, 1, 1);
    racsL->addWidget(m_gyermek, 2, 1);
    racsL->setColumnStretch(1, 1);
    m_ulesPanel->hide();

    auto* l = new QVBoxLayout(m_balPanel);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    auto* keresoSor = new QHBoxLayout;
    keresoSor->setContentsMargins(8, 4, 8, 2);
    keresoSor->addWidget(m_kereso);
    keresoSor->addStretch(1);
    l->addLayout(keresoSor);
    l->addWidget(m_asztalRacs, 1);
    l->addWidget(m_ulesPanel);
    m_balPanel->installEventFilter(this);
    return m_balPanel;
}

QWidget* Tfrm_Main::jobbPanelEpit()
{
    auto* jobb = new QWidget(this);
    jobb->setObjectName(QStringLiteral("JobbPanel"));

    m_rendelesModell = new RendelesModell(this);
    m_rendelesRacs = racs(jobb, "RendelesRacs", betu("Segoe UI", 27), false, 40);
    m_rendelesRacs->setModel(m_rendelesModell);
    m_rendelesRacs->setItemDelegate(new RendelesDelegalt(m_rendelesRacs));
    m_rendelesRacs->installEventFilter(this);

    m_pgepPanel = new QFrame(jobb);
    m_pgepPanel->setObjectName(QStringLiteral("PGepPanel"));
    m_pgepPanel->setFrameShape(QFrame::Panel);
    m_pgepPanel->setFixedHeight(231);
    auto* kep = new QLabel(m_pgepPanel);
    kep->setPixmap(PenztarKep(128));
    kep->setFixedSize(128, 128);
    m_pgepModell = new PGepModell(this);
    m_pgepRacs = racs(m_pgepPanel, "PGepRacs", betu("Segoe UI", 27, true), true, 36);
    m_pgepRacs->setModel(m_pgepModell);
    m_pgepRacs->setItemDelegate(new PGepDelegalt(m_pgepRacs));
    m_pgepRacs->setFixedWidth(268);
    auto* pl = new QHBoxLayout(m_pgepPanel);
    pl->setContentsMargins(4, 4, 0, 4);
    pl->addWidget(kep, 0, Qt::AlignTop);
    pl->addStretch(1);
    pl->addWidget(m_pgepRacs);
    m_pgepPanel->hide();

    auto* kozep = new QVBoxLayout;
    kozep->setSpacing(0);
    kozep->addWidget(m_rendelesRacs, 1);
    kozep->addWidget(m_pgepPanel);

    m_eloOszlop = new EloOszlop(jobb);

    auto* l = new QHBoxLayout(jobb);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addLayout(kozep, 1);
    l->addWidget(m_eloOszlop);
    return jobb;
}

void Tfrm_Main::statuszsorEpit()
{
    const int szelessegek[6] = {250, 77, 150, 250, 200, 50};
    for (int i = 0; i < 6; ++i) {
        auto* c = new QLabel(this);
        // The design widths; a longer text (a long user code, a wider
        // font than the design's) widens its panel rather than being cut.
        c->setMinimumWidth(szelessegek[i]);
        c->setFrameShape(QFrame::Panel);
        c->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            c->setAlignment(Qt::AlignCenter);
        statusBar()->addWidget(c);
        m_statusz.at(std::size_t(i)) = c;
    }
}

// --- Grids ---------------------------------------------------------------------

void Tfrm_Main::asztalOszlopok()
{
    const int nev = m_asztalModell->oszlop(QStringLiteral("asztal_nev"));
    const int masodik = m_asztalModell->oszlop(Beall.vanbeleptetes ? QStringLiteral("leul") : QStringLiteral("osszar"));
    for (int c = 0; c < m_asztalModell->columnCount(); ++c)
        m_asztalRacs->setColumnHidden(c, c != nev && c != masodik);
    if (nev >= 0) {
        if (auto* d = qobject_cast<AsztalDelegalt*>(m_asztalRacs->itemDelegate()))
            d->oszlopBetu(nev, betu("Segoe UI", 13));
    }
    const auto [w1, w2] = AsztalOszlopSzelesseg(m_balPanel->width());
    if (nev >= 0)
        m_asztalRacs->setColumnWidth(nev, w1);
    if (masodik >= 0)
        m_asztalRacs->setColumnWidth(masodik, w2);
    m_kereso->setFixedWidth(std::max(40, KeresoSzelesseg(m_balPanel->width())));
}

void Tfrm_Main::rendelesOszlopok()
{
    const int nev = m_rendelesModell->oszlop(QStringLiteral("cikkszam_nev"));
    const int osszeg = m_rendelesModell->oszlop(QStringLiteral("osszar"));
    for (int c = 0; c < m_rendelesModell->columnCount(); ++c)
        m_rendelesRacs->setColumnHidden(c, c != nev && c != osszeg);
    if (auto* d = qobject_cast<RendelesDelegalt*>(m_rendelesRacs->itemDelegate())) {
        if (nev >= 0)
            d->oszlopBetu(nev, betu("Segoe UI", 13));
        if (osszeg >= 0)
            d->oszlopBetu(osszeg, betu("Segoe UI", 15, true));
    }
    const auto [w1, w2] = RendelesOszlopSzelesseg(m_rendelesRacs->width());
    if (nev >= 0)
        m_rendelesRacs->setColumnWidth(nev, std::max(w1, 60));
    if (osszeg >= 0)
        m_rendelesRacs->setColumnWidth(osszeg, std::max(w2, 40));
}

void Tfrm_Main::pgepOszlopok()
{
    const int gyujto = m_pgepModell->oszlop(QStringLiteral("pgepgyujto"));
    const int osszeg = m_pgepModell->oszlop(QStringLiteral("osszar"));
    for (int c = 0; c < m_pgepModell->columnCount(); ++c)
        m_pgepRacs->setColumnHidden(c, c != gyujto && c != osszeg);
    if (gyujto >= 0) {
        m_pgepRacs->setColumnWidth(gyujto, 120);
        if (auto* d = qobject_cast<PGepDelegalt*>(m_pgepRacs->itemDelegate()))
            d->oszlopBetu(gyujto, betu("Segoe UI", 21, true));
    }
    if (osszeg >= 0)
        m_pgepRacs->setColumnWidth(osszeg, 120);
}

bool Tfrm_Main::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::Resize) {
        if (obj == m_balPanel)
            asztalOszlopok();
        else if (obj == m_rendelesRacs)
            rendelesOszlopok();
    }
    return QMainWindow::eventFilter(obj, e);
}

bool Tfrm_Main::asztalValaszt(int asztal)
{
    const int sor = m_asztalModell->keres(QStringLiteral("asztal"), asztal);
    if (sor < 0)
        return false;
    m_asztalRacs->setCurrentIndex(m_asztalModell->index(sor, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
    return true;
}

void Tfrm_Main::AsztalValtas()
{
    const QModelIndex i = m_asztalRacs->currentIndex();
    const int sor = i.isValid() ? i.row() : -1;
    const QVariant szam = m_asztalModell->mezo(sor, QStringLiteral("asztal"));
    m_asztal = szam.isNull() ? 0 : szam.toInt();
    PGepElrejt();
    ulesPanelFrissit();
    if (szam.isNull())
        return;
    m_rendelesModell->nyit(m_asztal);
    rendelesOszlopok();
    m_eloOszlop->EloToltes(m_asztal, m_eloOszlop->EloNap().isValid() ? m_eloOszlop->EloNap() : QDate::currentDate());
}

void Tfrm_Main::ulesPanelFrissit()
{
    const QModelIndex i = m_asztalRacs->currentIndex();
    const int sor = i.isValid() ? i.row() : -1;
    const QVariant leul = m_asztalModell->mezo(sor, QStringLiteral("leul"));
    m_erkezes->setText(leul.isNull() ? QString() : DatumFormat(leul.toDateTime(), QStringLiteral("hh:nn")));
    m_felnott->setText(Szoveg(m_asztalModell->mezo(sor, QStringLiteral("fo"))));
    m_gyermek->setText(Szoveg(m_asztalModell->mezo(sor, QStringLiteral("fo1"))));
}

void Tfrm_Main::AsztalFrissit()
{
    const int volt = m_asztal;
    m_asztalModell->nyit();
    asztalOszlopok();
    if (!asztalValaszt(volt) && m_asztalModell->rowCount() > 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(0, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
}

void Tfrm_Main::RendelesFrissit()
{
    m_rendelesModell->nyit(m_asztal);
    rendelesOszlopok();
}

void Tfrm_Main::Frissites()
{
    AsztalFrissit();
    RendelesFrissit();
}

void Tfrm_Main::FoglaltFrissit()
{
    SqlFuttat(QStringLiteral("CALL sp_setfoglalt();"));
    AsztalFrissit();
}

void Tfrm_Main::PGepMutat(int asztal)
{
    m_pgepModell->nyit(asztal);
    pgepOszlopok();
    m_pgepPanel->show();
}

void Tfrm_Main::PGepElrejt()
{
    m_pgepPanel->hide();
    m_pgepModell->bezar();
}

void Tfrm_Main::keresoValtozott(const QString& szoveg)
{
    const int sor = KeresoTalalat(m_asztalModell->nevek(), szoveg);
    if (sor >= 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(sor, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
}

void Tfrm_Main::KovAblak()
{
    QWidget* f = QApplication::focusWidget();
    if (f == m_asztalRacs) {
        m_kereso->setFocus();
        m_kereso->lineEdit()->selectAll();
    } else if (f == m_rendelesRacs) {
        m_asztalRacs->setFocus();
    } else if (f && (f == m_kereso || m_kereso->isAncestorOf(f))) {
        m_rendelesRacs->setFocus();
    } else {
        m_kereso->setFocus();
    }
}

void Tfrm_Main::BetumeretNovel()
{
    if (Beall.BetuMeret < 10)
        ++Beall.BetuMeret;
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
}

void Tfrm_Main::BetuCsokkent()
{
    if (Beall.BetuMeret > 8)
        --Beall.BetuMeret;
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
}

// --- Start-up, showing and closing -----------------------------------------------

bool Tfrm_Main::indit()
{
    m_kilepes = false;
    Inditas inditas(*this, m_horgok);
    if (!inditas.futtat()) {
        kilepesBeallit();
        return false;
    }
    return true;
}

void Tfrm_Main::kilepesBeallit()
{
    m_kilepes = true;
    m_zaroIdozito.start();
}

void Tfrm_Main::jogokAlkalmaz()
{
    m_akciok->jogok(Jog);
}

void Tfrm_Main::felhasznaloKiir()
{
    m_statusz[2]->setText(QStringLiteral("Felhasználó: ") + Jog.felhasznalo);
}

void Tfrm_Main::TulajdonosOlvas()
{
    TulajdonosRekordOlvas(Beall);
    setWindowTitle(QStringLiteral("Vexlo.F V") + ProgramVerzio + QStringLiteral(": [") + Beall.tulajdonos +
                   QLatin1Char(']'));
}

void Tfrm_Main::BeallitOlvas()
{
    BeallitRekordOlvas(Beall);
    AkcioAllapot a = m_akciok->allapot();
    a.kedvsor = Beall.kedvsor;
    a.szervsor = Beall.szervsor;
    m_akciok->alkalmaz(a);
    AllapotFrissit();
}

void Tfrm_Main::indulasiBeallitasok()
{
    m_ulesPanel->setVisible(Beall.vanbeleptetes);
    AkcioAllapot a = m_akciok->allapot();
    a.bonusz = Beall.bonuszcikkazon > 0;
    a.adossag = Beall.vanadossag;
    m_akciok->alkalmaz(a);
}

void Tfrm_Main::listakNyit()
{
    m_asztalModell->nyit();
    asztalOszlopok();
    if (m_asztalModell->rowCount() > 0)
        m_asztalRacs->setCurrentIndex(m_asztalModell->index(0, std::max(0, m_asztalModell->oszlop(QStringLiteral("asztal_nev")))));
    m_eloOszlop->EloToltes(m_asztal, QDate::currentDate());
    ComboFeltolt(m_kereso, QStringLiteral("SELECT asztal_nev FROM asztal ORDER BY 1;"));
}

void Tfrm_Main::tippekBeallit()
{
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, QColor(255, 218, 181));
    p.setColor(QPalette::ToolTipText, QColor(Qt::black));
    QToolTip::setPalette(p);
}

bool Tfrm_Main::event(QEvent* e)
{
    // The hints of the actions and controls go to the first status panel,
    // which is emptied when there is none.
    if (e->type() == QEvent::StatusTip) {
        m_statusz[0]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void Tfrm_Main::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (m_megjelent)
        return;
    m_megjelent = true;
    elsoMegjelenes();
}

void Tfrm_Main::elsoMegjelenes()
{
    if (m_kilepes) {
        m_zaroIdozito.start();
        return;
    }
    const QRect terulet = MunkaTerulet();
    if (Beall.TeljesKep) {
        setGeometry(0, 0, terulet.right() + 1, terulet.bottom() + 1);
    } else {
        int bal = 10, fent = 10, szeles = 1053, magas = 598;
        MeretOlvas(objectName(), bal, fent, szeles, magas);
        const QRect r = MeretIllesztes(QRect(bal, fent, szeles, magas), terulet.right() + 1, terulet.bottom() + 1);
        resize(r.size());
        move(r.topLeft());
    }
    m_kereso->setFocus();
    m_kereso->lineEdit()->selectAll();
    QFont f = font();
    f.setPointSize(Beall.BetuMeret);
    setFont(f);
    m_horgok.logo();
    m_eletIdozito.start();
}

void Tfrm_Main::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && m_kilepes && isActiveWindow())
        QTimer::singleShot(0, this, &QWidget::close);
}

void Tfrm_Main::IniMent()
{
    BeallIniIr(Beall);
    if (!Beall.TeljesKep && m_megjelent) {
        const QRect g = isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
        MeretIr(objectName(), g.x(), g.y(), g.width(), g.height());
    }
}

void Tfrm_Main::closeEvent(QCloseEvent* e)
{
    m_eletIdozito.stop();
    m_zaroIdozito.stop();
    if (!m_kilepes) {
        try {
            IniMent();
        } catch (const std::exception& h) {
            HibaUzenet(QStringLiteral("Hiba: ") + QString::fromUtf8(h.what()), this);
        }
        try {
            Kapcsolat::foBezar();
        } catch (...) {
            // Errors while closing the connection are of no interest now.
        }
    }
    e->accept();
    emit bezarult();
}
