#include "TorzsLista.h"

#include "DbHiba.h"
#include "HibaKezeles.h"
#include "JelzoDelegate.h"
#include "KozosDB.h"
#include "SegedUI.h"
#include "TorzsModell.h"
#include "Uzenetek.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{

// The characters that, typed in the grid, start a search.
bool keresoBetu(QChar c)
{
    if (c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
        return true;
    return QStringLiteral("áéíóöőúüű").contains(c);
}

bool racsraVivo(int k)
{
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Up || k == Qt::Key_Down ||
           k == Qt::Key_PageUp || k == Qt::Key_PageDown;
}

} // namespace

TorzsLista::TorzsLista(TablaLeiras leiras, const QString& nev, const QString& felirat,
                       Qt::Alignment cimIgazitas, QWidget* szulo)
    : QDialog(szulo), m_leiras(std::move(leiras))
{
    setObjectName(nev);
    setWindowTitle(felirat);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(640, 440);

    auto ikon = [this](QStyle::StandardPixmap k) { return style()->standardIcon(k); };
    auto akcio = [this](const char* n, const QString& f, const QList<QKeySequence>& b,
                        const QIcon& i) {
        auto* a = new QAction(i, f, this);
        a->setObjectName(QLatin1String(n));
        a->setShortcuts(b);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        return a;
    };
    QAction* aFrissit = akcio("aFrissit", QStringLiteral("Frissít"), {QKeySequence(Qt::Key_F5)},
                              ikon(QStyle::SP_BrowserReload));
    QAction* aUj = akcio("aUj", QStringLiteral("Új sor"), {QKeySequence(Qt::Key_Insert)},
                         ikon(QStyle::SP_FileIcon));
    QAction* aSzerkeszt =
        akcio("aSzerkeszt", QStringLiteral("Szerkeszt"), {QKeySequence(Qt::Key_F2)},
              ikon(QStyle::SP_FileDialogDetailedView));
    QAction* aTorol = akcio("aTorol", QStringLiteral("Sor törlése"),
                            {QKeySequence(Qt::CTRL | Qt::Key_Delete)}, ikon(QStyle::SP_TrashIcon));
    QAction* aElfogad = akcio("aElfogad", QStringLiteral("Elfogad"),
                              {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                              ikon(QStyle::SP_DialogApplyButton));
    QAction* aBezar = akcio("aBezar", QStringLiteral("Bezár"), {QKeySequence(Qt::Key_Escape)},
                            ikon(QStyle::SP_DialogCloseButton));

    m_eszkoztar = new QToolBar(this);
    m_eszkoztar->setObjectName(QStringLiteral("Eszkoztar"));
    m_eszkoztar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_eszkoztar->setIconSize(QSize(36, 36));
    m_eszkoztar->addAction(aFrissit);
    m_eszkoztar->addSeparator();
    m_eszkoztar->addAction(aUj);
    m_eszkoztar->addAction(aSzerkeszt);
    m_eszkoztar->addAction(aTorol);
    m_extraHatar = m_eszkoztar->addSeparator();
    m_eszkoztar->addAction(aElfogad);
    m_eszkoztar->addAction(aBezar);

    const bool jobbra = cimIgazitas & Qt::AlignRight;
    m_cim = CimPanel(jobbra ? felirat + QStringLiteral("  ") : felirat, cimIgazitas, this);
    m_kereso = new QLineEdit(m_cim);
    m_kereso->setObjectName(QStringLiteral("edtKereso"));
    m_kereso->setFixedWidth(180);
    auto* cimSor = new QHBoxLayout(m_cim);
    cimSor->setContentsMargins(4, 2, 4, 2);
    cimSor->addWidget(m_kereso);
    cimSor->addStretch(1);
    m_cim->setMinimumHeight(34);

    m_modell = new TorzsModell(&m_leiras, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdLista"));
    m_grid->setModel(m_modell);
    ListaRacsBeallit(m_grid);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->installEventFilter(this);
    m_kereso->installEventFilter(this);
    jelzoBeallit(32);

    m_allapot = new QStatusBar(this);
    m_allapot->setSizeGripEnabled(false);
    m_szamlalo = new QLabel(this);
    m_szamlalo->setObjectName(QStringLiteral("lblSzamlalo"));
    m_szamlalo->setFixedWidth(77);
    m_szamlalo->setAlignment(Qt::AlignCenter);
    m_allapot->addWidget(m_szamlalo);
    m_osszesito = new QLabel(this);
    m_osszesito->setObjectName(QStringLiteral("lblOsszesito"));
    m_osszesito->hide();
    m_allapot->addWidget(m_osszesito);

    m_oszto = new QSplitter(Qt::Vertical, this);
    m_oszto->setChildrenCollapsible(false);
    m_oszto->addWidget(m_grid);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    fo->addWidget(m_eszkoztar);
    fo->addWidget(m_cim);
    fo->addWidget(m_oszto, 1);
    fo->addWidget(m_allapot);

    connect(aFrissit, &QAction::triggered, this, [this] {
        try {
            frissit();
        } catch (const std::exception& e) {
            hibaMutat(e);
        }
    });
    connect(aUj, &QAction::triggered, this, &TorzsLista::uj);
    connect(aSzerkeszt, &QAction::triggered, this, &TorzsLista::szerkeszt);
    connect(aTorol, &QAction::triggered, this, &TorzsLista::torol);
    connect(aElfogad, &QAction::triggered, this, &TorzsLista::elfogad);
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);
    connect(m_kereso, &QLineEdit::textEdited, this, &TorzsLista::keres);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        szamlaloFrissit();
        aktualisValtozott();
    });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_valasztas)
            elfogad();
        else
            szerkeszt();
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int o) {
        switch (m_cimKattintas) {
        case CimKattintas::Semmi:
            return;
        case CimKattintas::KeresoFokusz:
            break;
        case CimKattintas::Rendez:
        case CimKattintas::RendezFokuszNelkul:
            rendez(o);
            if (m_cimKattintas == CimKattintas::RendezFokuszNelkul)
                return;
            break;
        }
        if (m_kereso->isVisible())
            m_kereso->setFocus();
    });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu m(this);
        m.setObjectName(QStringLiteral("FelugroMenu"));
        m.addAction(this->akcio(QStringLiteral("aUj")));
        m.addAction(this->akcio(QStringLiteral("aSzerkeszt")));
        m.addAction(this->akcio(QStringLiteral("aTorol")));
        m.addSeparator();
        for (QAction* a : m_extraAkciok)
            if (a->isVisible())
                m.addAction(a);
        m.addSeparator();
        m.addAction(this->akcio(QStringLiteral("aElfogad")));
        m.addAction(this->akcio(QStringLiteral("aBezar")));
        m.exec(m_grid->viewport()->mapToGlobal(p));
    });

    valasztasBeallit(false);
    AblakBeallit(this, true, false);
}

TorzsLista::~TorzsLista() = default;

QAction* TorzsLista::akcio(const QString& nev) const
{
    for (QAction* a : actions())
        if (a->objectName() == nev)
            return a;
    return nullptr;
}

QAction* TorzsLista::ujAkcio(const QString& nev, const QString& felirat,
                             const QKeySequence& billentyu, const QString& sugo, bool eszkoztaron)
{
    auto* a = new QAction(style()->standardIcon(QStyle::SP_ArrowRight), felirat, this);
    a->setObjectName(nev);
    if (!billentyu.isEmpty())
        a->setShortcut(billentyu);
    a->setShortcutContext(Qt::WindowShortcut);
    if (!sugo.isEmpty())
        a->setToolTip(sugo);
    addAction(a);
    if (eszkoztaron) {
        m_eszkoztar->insertAction(m_extraHatar, a);
        m_extraAkciok << a;
    }
    return a;
}

void TorzsLista::keresoNelkul()
{
    m_kereso->hide();
    m_gepelesKereso = false;
}

void TorzsLista::gepelesForras(QWidget* w)
{
    m_gepeloForrasok << w;
    w->installEventFilter(this);
}

void TorzsLista::jelzoBeallit(int bal)
{
    QSet<int> jelzok;
    for (int i = 0; i < m_leiras.oszlopok.size(); ++i)
        if (m_leiras.oszlopok[i].jelzo)
            jelzok.insert(i);
    m_grid->setItemDelegate(new JelzoDelegate(jelzok, bal, m_grid));
}

void TorzsLista::osszesitoBeallit(const QString& szoveg)
{
    m_osszesito->setText(szoveg);
    m_osszesito->setVisible(!szoveg.isEmpty());
}

void TorzsLista::osszesitoSzeles(int szeles)
{
    m_osszesito->setMinimumWidth(szeles);
}

void TorzsLista::alsoPanel(QWidget* panel)
{
    m_oszto->addWidget(panel);
    m_oszto->setStretchFactor(0, 3);
    m_oszto->setStretchFactor(1, 2);
}

void TorzsLista::valasztasBeallit(bool valasztas)
{
    m_valasztas = valasztas;
    QAction* a = akcio(QStringLiteral("aElfogad"));
    a->setEnabled(valasztas);
    a->setVisible(valasztas);
}

void TorzsLista::megnyit(int kezdoKulcs)
{
    frissit(kezdoKulcs);
}

int TorzsLista::aktualisKulcs() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? m_modell->kulcs(i.row()) : -1;
}

QVariant TorzsLista::aktualis(const QString& mezo) const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? m_modell->ertek(i.row(), mezo) : QVariant();
}

void TorzsLista::frissit(int kulcs)
{
    const int elozoSor = m_grid->currentIndex().row();
    if (kulcs == -2)
        kulcs = aktualisKulcs();
    QString rendezes;
    if (m_rendezoOszlop >= 0) {
        const OszlopLeiras& o = m_leiras.oszlopok[m_rendezoOszlop];
        rendezes = o.rendezes.isEmpty() ? o.mezo : o.rendezes;
    }
    m_modell->nyit(m_leiras.listaSql(rendezes, m_kereso->text()));
    OszlopKiemel(m_grid, m_rendezoOszlop >= 0 ? m_rendezoOszlop : 0);
    oszlopSzelessegek();
    int sor = m_modell->kulcsSor(kulcs);
    if (sor < 0)
        sor = kulcs == -1 ? 0 : qBound(0, elozoSor, m_modell->rowCount() - 1);
    helyez(sor);
    szamlaloFrissit();
    frissult();
    aktualisValtozott();
}

void TorzsLista::helyez(int sor)
{
    if (sor < 0 || sor >= m_modell->rowCount())
        return;
    const QModelIndex i = m_modell->index(sor, 0);
    m_grid->setCurrentIndex(i);
    m_grid->scrollTo(i);
}

void TorzsLista::keres(const QString& szoveg)
{
    try {
        if (!m_leiras.keresoMezok.isEmpty())
            frissit();
        if (szoveg.isEmpty())
            return;
        const int o = qBound(0, m_keresoOszlop, int(m_leiras.oszlopok.size()) - 1);
        const int sor = m_modell->keres(m_leiras.oszlopok[o].mezo, szoveg);
        if (sor >= 0)
            helyez(sor);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

void TorzsLista::kereseTorol()
{
    m_kereso->clear();
}

void TorzsLista::rendez(int oszlop)
{
    if (oszlop < 0 || oszlop >= m_leiras.oszlopok.size())
        return;
    m_keresoOszlop = oszlop;
    m_rendezoOszlop = oszlop;
    try {
        frissit();
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

void TorzsLista::szamlaloFrissit()
{
    const QModelIndex i = m_grid->currentIndex();
    m_szamlalo->setText(RekordSzamlalo(m_modell->rowCount(), i.isValid() ? i.row() + 1 : 0));
}

QString TorzsLista::szamlalo() const
{
    return m_szamlalo->text();
}

QString TorzsLista::osszesito() const
{
    return m_osszesito->text();
}

bool TorzsLista::jogProba(const QString& uzenet)
{
    if (JogVan(m_leiras.jog, Jog))
        return true;
    HibaUzenet(uzenet, this);
    return false;
}

void TorzsLista::hibaMutat(const std::exception& e)
{
    HibaMutat(e, this);
}

void TorzsLista::uj()
{
    if (!jogProba(m_leiras.jogUzenetUj))
        return;
    try {
        const int k = szerkeszto(-1);
        if (k != -1) {
            if (!m_leiras.keresoMezok.isEmpty())
                kereseTorol();
            frissit(k);
        }
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

void TorzsLista::szerkeszt()
{
    if (!m_grid->currentIndex().isValid())
        return;
    if (!jogProba(m_leiras.jogUzenetSzerkeszt))
        return;
    try {
        const int k = szerkeszto(aktualisKulcs());
        if (k != -1) {
            if (!m_leiras.keresoMezok.isEmpty())
                kereseTorol();
            frissit(k);
        }
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

bool TorzsLista::torolheto(int kulcs)
{
    const QString hiba = HasznalatHiba(m_leiras, kulcs);
    if (hiba.isEmpty())
        return true;
    HibaUzenet(hiba, this);
    return false;
}

void TorzsLista::torlesVegrehajt(int kulcs)
{
    SqlFuttat(m_leiras.torlesSql(kulcs));
}

void TorzsLista::torol()
{
    if (!m_grid->currentIndex().isValid())
        return;
    if (!jogProba(m_leiras.jogUzenetTorol))
        return;
    try {
        const int k = aktualisKulcs();
        if (!torolheto(k))
            return;
        if (!Megerosites(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés"),
                         this))
            return;
        torlesVegrehajt(k);
        frissit(-3);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

void TorzsLista::elfogad()
{
    if (m_valasztas && m_grid->currentIndex().isValid())
        accept();
}

namespace
{

void aranyos(QTableView* g, const TablaLeiras& l)
{
    // From the view's own width: its viewport is resized only after it.
    // The vertical scroll bar's room is always kept: whether it shows is
    // decided only after the resize.
    const int w = g->width() - 2 * g->frameWidth() -
                  g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g);
    const auto& o = l.oszlopok;
    if (o.size() == 1) {
        g->setColumnWidth(0, qMax(40, g->width() - 40));
        return;
    }
    // The fractions share what the fixed columns leave, so that the whole
    // row fits the grid.
    int rogzitett = 0;
    for (const OszlopLeiras& x : o)
        if (x.arany <= 0)
            rogzitett += x.szeles;
    const int marad = qMax(0, w - rogzitett);
    for (int i = 0; i < o.size(); ++i)
        g->setColumnWidth(i, o[i].arany > 0 ? qMax(30, int(qRound(marad * o[i].arany) - 1))
                                            : o[i].szeles);
}

} // namespace

void TorzsLista::oszlopSzelessegek()
{
    if (m_szelesseg)
        m_szelesseg(m_grid);
    else
        aranyos(m_grid, m_leiras);
}

void TorzsLista::aranyosRacs(QTableView* racs, const TablaLeiras* leiras)
{
    m_aranyosRacsok.insert(racs, leiras);
    racs->installEventFilter(this);
    aranyos(racs, *leiras);
}

void TorzsLista::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    oszlopSzelessegek();
}

bool TorzsLista::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Resize) {
        if (o == m_grid)
            oszlopSzelessegek();
        else if (const TablaLeiras* l = m_aranyosRacsok.value(o))
            aranyos(static_cast<QTableView*>(o), *l);
    }
    if (o == m_kereso) {
        if (e->type() == QEvent::ShortcutOverride &&
            racsraVivo(static_cast<QKeyEvent*>(e)->key())) {
            e->accept();
            return true;
        }
        if (e->type() == QEvent::KeyPress && racsraVivo(static_cast<QKeyEvent*>(e)->key())) {
            m_grid->setFocus();
            return true;
        }
    } else if ((o == m_grid || m_gepeloForrasok.contains(o)) && e->type() == QEvent::KeyPress &&
               m_gepelesKereso) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text().toLower();
        if (t.size() == 1 && keresoBetu(t[0]) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            m_kereso->setFocus();
            m_kereso->setText(t);
            m_kereso->setCursorPosition(1);
            keres(t);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

int ListaValaszt(TorzsLista& w, int kezdoKulcs, bool valasztas)
{
    w.valasztasBeallit(valasztas);
    try {
        w.megnyit(kezdoKulcs);
    } catch (const std::exception& e) {
        HibaMutat(e, w.parentWidget());
        return -1;
    }
    if (w.exec() != QDialog::Accepted)
        return -1;
    return w.aktualisKulcs();
}
