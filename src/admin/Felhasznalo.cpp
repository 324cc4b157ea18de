#include "Felhasznalo.h"

#include "BelepesiNaplo.h"
#include "DbHiba.h"
#include "FelhasznaloAdat.h"
#include "FelhasznaloSzerkeszt.h"
#include "HibaKezeles.h"
#include "Idoszak.h"
#include "JelzoDelegate.h"
#include "Jogok.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SzovegNyomtat.h"
#include "Uzenetek.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

struct Oszlop {
    const char* mezo;
    const char* cim;
};

// The code, the name, then the rights the list shows, in the editor's order.
const QList<Oszlop>& oszlopok()
{
    static const QList<Oszlop> o = [] {
        QList<Oszlop> l{{"felhasznalo", "kód"}, {"felhasznalo_nev", "név"}};
        for (const JogLeiras& j : Jogok)
            if (j.listaFelirat)
                l.append(Oszlop{j.oszlop, j.listaFelirat});
        return l;
    }();
    return o;
}

int oszlopDb()
{
    return int(oszlopok().size());
}

QString listaSql(int rendezo)
{
    QString s = QStringLiteral("SELECT");
    for (int i = 0; i < oszlopDb(); ++i)
        s += (i ? QStringLiteral(", ") : QStringLiteral(" ")) + QLatin1String(oszlopok()[i].mezo);
    return s + QStringLiteral(" FROM felhasznalo ORDER BY ") +
           QLatin1String(oszlopok()[rendezo].mezo) + QStringLiteral(", felhasznalo;");
}

} // namespace

class FelhasznaloRacs : public QTableView
{
public:
    using QTableView::QTableView;

    // The width of a flag column: 77 pixels, or what the widest title needs
    // (with the sort mark, and at one font step larger).
    int jelzoSzeles() const
    {
        int w = 77;
        for (int i = 2; i < oszlopDb(); ++i)
            w = qMax(w, CimSzelesseg(horizontalHeader(), i));
        return w;
    }

    void oszlopSzelessegek()
    {
        const int jelzo = jelzoSzeles();
        for (int i = 2; i < oszlopDb(); ++i)
            setColumnWidth(i, jelzo);
        // The two text columns share what the six flag columns (and the
        // frame and scroll bar) leave: 40 % and 60 %.
        const int marad = qMax(0, width() - (oszlopDb() - 2) * jelzo - 40);
        // A narrow window scrolls rather than hiding the names.
        setColumnWidth(0, std::max({80, marad * 40 / 100, CimSzelesseg(horizontalHeader(), 0)}));
        setColumnWidth(1, std::max({120, marad * 60 / 100, CimSzelesseg(horizontalHeader(), 1)}));
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QTableView::resizeEvent(e);
        oszlopSzelessegek();
    }
};

Tfrm_Felhasznalo::Tfrm_Felhasznalo(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Felhasznalo"));
    setWindowTitle(QStringLiteral("Felhasználók adatai"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(920, 420);

    auto ikon = [this](QStyle::StandardPixmap k) { return style()->standardIcon(k); };
    m_aUj = new QAction(ikon(QStyle::SP_FileIcon), QStringLiteral("Új Felhasználó"), this);
    m_aUj->setShortcut(Qt::Key_Insert);
    m_aSzerkeszt =
        new QAction(ikon(QStyle::SP_FileDialogDetailedView), QStringLiteral("Szerkeszt"), this);
    m_aSzerkeszt->setShortcut(Qt::Key_F2);
    m_aTorol = new QAction(ikon(QStyle::SP_TrashIcon), QStringLiteral("Töröl"), this);
    m_aTorol->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    m_aBezar = new QAction(ikon(QStyle::SP_DialogCloseButton), QStringLiteral("Bezár"), this);
    m_aBezar->setShortcut(Qt::Key_Escape);
    for (QAction* a : {m_aUj, m_aSzerkeszt, m_aTorol, m_aBezar}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }

    auto* eszkoztar = new QToolBar(this);
    eszkoztar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    eszkoztar->setIconSize(QSize(36, 36));
    eszkoztar->addAction(m_aUj);
    eszkoztar->addAction(m_aSzerkeszt);
    eszkoztar->addAction(m_aTorol);
    eszkoztar->addSeparator();
    eszkoztar->addAction(m_aBezar);

    QLabel* fejlec = CimPanel(QStringLiteral("Felhasználók  "), Qt::AlignRight, this);

    m_modell = new QSqlQueryModel(this);
    m_grid = new FelhasznaloRacs(this);
    m_grid->setObjectName(QStringLiteral("grdFelhasznalo"));
    m_grid->setModel(m_modell);
    ListaRacsBeallit(m_grid);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setItemDelegate(new JelzoDelegate({2, 3, 4, 5, 6, 7}, 32, m_grid));
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_grid->addAction(m_aUj);
    m_grid->addAction(m_aSzerkeszt);
    m_grid->addAction(m_aTorol);
    auto* elvalaszto = new QAction(this);
    elvalaszto->setSeparator(true);
    m_grid->addAction(elvalaszto);
    m_grid->addAction(m_aBezar);

    auto* allapot = new QStatusBar(this);
    allapot->setSizeGripEnabled(false);
    m_szamlalo = new QLabel(this);
    m_szamlalo->setObjectName(QStringLiteral("lblSzamlalo"));
    m_szamlalo->setMinimumWidth(77);
    m_szamlalo->setAlignment(Qt::AlignCenter);
    allapot->addWidget(m_szamlalo);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    fo->addWidget(eszkoztar);
    fo->addWidget(fejlec);
    fo->addWidget(m_grid, 1);
    fo->addWidget(allapot);

    connect(m_aUj, &QAction::triggered, this, &Tfrm_Felhasznalo::uj);
    connect(m_aSzerkeszt, &QAction::triggered, this, &Tfrm_Felhasznalo::szerkeszt);
    connect(m_aTorol, &QAction::triggered, this, &Tfrm_Felhasznalo::torol);
    connect(m_aBezar, &QAction::triggered, this, &QDialog::reject);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Tfrm_Felhasznalo::szamlaloFrissit);
    // Enter and a double click both arrive as "activated".
    connect(m_grid, &QAbstractItemView::activated, this, &Tfrm_Felhasznalo::szerkeszt);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int o) {
        const QString kod = aktualisKod();
        m_rendezo = o;
        frissit(kod);
    });

    AblakBeallit(this, true, false);
    frissit();
}

void Tfrm_Felhasznalo::frissit(const QString& kod)
{
    int sor = m_grid->currentIndex().row();
    QSqlQuery q(Kapcsolat::fo());
    if (!q.exec(listaSql(m_rendezo)))
        throw DbHiba::driverbol(q.lastError(), listaSql(m_rendezo));
    m_modell->setQuery(std::move(q));
    while (m_modell->canFetchMore())
        m_modell->fetchMore();
    for (int i = 0; i < oszlopDb(); ++i)
        m_modell->setHeaderData(i, Qt::Horizontal, QString::fromUtf8(oszlopok()[i].cim));
    static_cast<FelhasznaloRacs*>(m_grid)->oszlopSzelessegek();
    OszlopKiemel(m_grid, m_rendezo);

    const int db = m_modell->rowCount();
    if (!kod.isNull()) {
        sor = 0;
        for (int i = 0; i < db; ++i)
            if (m_modell->index(i, 0).data().toString() == kod) {
                sor = i;
                break;
            }
    }
    sor = qBound(0, sor, db - 1);
    if (db > 0)
        m_grid->setCurrentIndex(m_modell->index(sor, 0));
    szamlaloFrissit();
}

void Tfrm_Felhasznalo::szamlaloFrissit()
{
    const int db = m_modell->rowCount();
    const int sor = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() + 1 : 0;
    m_szamlalo->setText(RekordSzamlalo(db, sor));
}

QString Tfrm_Felhasznalo::szamlalo() const
{
    return m_szamlalo->text();
}

QString Tfrm_Felhasznalo::aktualisKod() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? m_modell->index(i.row(), 0).data().toString() : QString();
}

void Tfrm_Felhasznalo::uj()
{
    HibaKezel(this, [&] {
        Tfrm_FelhasznaloSzerkeszt d(FelhasznaloUj(), QString(), this);
        if (d.exec() == QDialog::Accepted)
            frissit(d.adat().felhasznalo);
    });
}

void Tfrm_Felhasznalo::szerkeszt()
{
    if (!m_grid->currentIndex().isValid())
        return;
    const QString kod = aktualisKod();
    HibaKezel(this, [&] {
        bool van = false;
        const TFelhasznaloAdat adat = FelhasznaloOlvas(kod, &van);
        if (!van) {
            // Removed meanwhile (from another workstation).
            frissit();
            return;
        }
        Tfrm_FelhasznaloSzerkeszt d(adat, kod, this);
        if (d.exec() == QDialog::Accepted)
            frissit(d.adat().felhasznalo);
    });
}

void Tfrm_Felhasznalo::torol()
{
    if (!m_grid->currentIndex().isValid())
        return;
    if (!Megerosites(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés"),
                     this))
        return;
    HibaKezel(this, [&] {
        FelhasznaloTorol(aktualisKod());
        frissit();
    });
}

void Felhasznalok(QWidget* szulo)
{
    HibaKezel(szulo, [&] {
        Tfrm_Felhasznalo w(szulo);
        w.exec();
    });
}

void BelepesiNaplo(QWidget* szulo)
{
    QDate ig = QDate::currentDate();
    QDate tol = EgyHonappalKorabban(ig);
    if (!IdoszakKer(tol, ig, QString(), szulo))
        return;
    HibaKezel(szulo, [&] {
        const QStringList sorok = BelepesiNaploLista(tol, ig);
        SzovegNyomtatMutat(1, sorok, false, szulo);
    });
}
