#include "Main.h"

#include "AkcioTar.h"
#include "AsztalDelegalt.h"
#include "AsztalModell.h"
#include "DbHiba.h"
#include "EloOszlop.h"
#include "GorgoSzuro.h"
#include "Kepek.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "NapMuszak.h"
#include "PGepDelegalt.h"
#include "PGepModell.h"
#include "RendelesDelegalt.h"
#include "RendelesModell.h"

#include "SegedUI.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

QFont betu(const char* csalad, int pixel, bool felkover = false)
{
    return PixelBetu(QString::fromLatin1(csalad), pixel, felkover);
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
    : QMainWindow(szulo), m_horgok(std::move(horgok))
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
    const QStringList cimkek{QStringLiteral("Érkezés:"), QStringLiteral("Felnőtt:"),
                             QStringLiteral("Gyermek:")};
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
    m_mentesHiba = new QLabel(this);
    m_mentesHiba->setObjectName(QStringLiteral("lblMentesHiba"));
    m_mentesHiba->setStyleSheet(QStringLiteral("QLabel { color: white; background: #b00020; "
                                               "padding: 0 6px; font-weight: bold; }"));
    m_mentesHiba->hide();
    statusBar()->addPermanentWidget(m_mentesHiba);
}
