#include "TorzsUgyfel.h"

#include "DbHiba.h"
#include "Inp.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SzovegNyomtat.h"
#include "TorzsLeirasok.h"
#include "TorzsModell.h"
#include "TorzsSzerkeszt.h"
#include "Uzenetek.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

Tfrm_TorzsUgyfel::Tfrm_TorzsUgyfel(bool adossagRejt, QWidget* szulo)
    : TorzsLista(UgyfelLeiras(), QStringLiteral("frm_TorzsUgyfel"), QStringLiteral("Ügyfelek"),
                 Qt::AlignRight, szulo)
{
    resize(760, 460);
    cimKattintasBeallit(CimKattintas::RendezFokuszNelkul);
    akcio(QStringLiteral("aTorol"))->setText(QStringLiteral("Töröl"));
    akcio(QStringLiteral("aTorol"))->setToolTip(QStringLiteral("Sor törlése"));
    QAction* aKifizet =
        ujAkcio(QStringLiteral("aKifizet"), QStringLiteral("Törleszt"), QKeySequence(Qt::Key_F3));
    QAction* aLista = ujAkcio(QStringLiteral("aLista"), QStringLiteral("Adósság"),
                              QKeySequence(Qt::Key_F4), QStringLiteral("Adósságlista"));
    for (QAction* a : {aKifizet, aLista}) {
        a->setVisible(!adossagRejt);
        a->setEnabled(!adossagRejt);
    }
    connect(aKifizet, &QAction::triggered, this, &Tfrm_TorzsUgyfel::torleszt);
    connect(aLista, &QAction::triggered, this, [this] {
        if (aktualisKulcs() != -1)
            AdossagMutat(aktualisKulcs(), this);
    });
}

int Tfrm_TorzsUgyfel::szerkeszto(int kulcs)
{
    return UgyfelSzerkeszt(kulcs, this);
}

bool Tfrm_TorzsUgyfel::torolheto(int)
{
    if (UgyfelTorolheto(aktualis(QStringLiteral("osszeg")).toDouble()))
        return true;
    HibaUzenet(QStringLiteral("Az ügyfélnek tartozása van, nem törölhető."), this);
    return false;
}

void Tfrm_TorzsUgyfel::torleszt()
{
    const int k = aktualisKulcs();
    if (k == -1)
        return;
    double osszeg = aktualis(QStringLiteral("osszeg")).toDouble();
    if (!InpSzam(QStringLiteral("Törlesztés"), QStringLiteral("Mennyit törleszt?"), osszeg, this))
        return;
    try {
        UgyfelTorleszt(k, osszeg);
        frissit(k);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

int UgyfelSzerkeszt(int ugyfel, QWidget* szulo)
{
    const TablaLeiras l = UgyfelLeiras();
    TorzsSzerkeszt d(l, QStringLiteral("frm_TorzsUgyfel_Szerkeszt"),
                     QStringLiteral("Ügyfél szerkesztés"), ugyfel, szulo);
    // A new customer's card number is shown at once and may be overwritten.
    if (ugyfel == -1)
        d.ajanlottKulcs(KovetkezoAzon(QStringLiteral("ugyfel")));
    d.szam(QStringLiteral("ugyfel"), QStringLiteral("kártyaszám"), true);
    d.szoveg(QStringLiteral("ugyfel_nev"), QStringLiteral("ügyfél"));
    d.szoveg(QStringLiteral("telefon"), QStringLiteral("telefon"));
    d.szam(QStringLiteral("kedv"), QStringLiteral("kedv. %"));
    d.szam(QStringLiteral("osszeg"), QStringLiteral("összeg (tartozás)"), false, true);
    d.memo(QStringLiteral("megjegyzes"), QStringLiteral("megjegyzés"));
    d.kotelezo(QStringLiteral("ugyfel"), QStringLiteral("A kártyaszám megadása kötelező."));
    d.gombok();
    return SzerkesztoFuttat(d);
}

int UgyfelValaszt(int kezdo, bool valasztas, bool adossagRejt, QWidget* szulo)
{
    Tfrm_TorzsUgyfel w(adossagRejt, szulo);
    return ListaValaszt(w, kezdo, valasztas);
}

int UgyfelValasztKedv(int kezdo, bool valasztas, double& kedv, QString& nev, QWidget* szulo)
{
    Tfrm_TorzsUgyfel w(true, szulo);
    const int k = ListaValaszt(w, kezdo, valasztas);
    if (k != -1) {
        kedv = w.aktualis(QStringLiteral("kedv")).toDouble();
        nev = w.aktualis(QStringLiteral("ugyfel_nev")).toString();
    }
    return k;
}

// --- The ledger window ---------------------------------------------------------

namespace
{

TablaLeiras adossagLeiras(int ugyfel)
{
    TablaLeiras l;
    l.tabla = QStringLiteral("ugyfel_ados");
    l.kulcs = QStringLiteral("ugyfel_ados");
    l.lista = {AdossagSql(ugyfel)};
    const QString penz = Beall.PenzFormatum;
    auto o = [](const char* m, const char* c, double a, const QString& kep = {}) {
        OszlopLeiras x;
        x.mezo = QLatin1String(m);
        x.cim = QString::fromUtf8(c);
        x.arany = a;
        x.kep = kep;
        x.jobbra = !kep.isEmpty();
        return x;
    };
    l.oszlopok = {o("ugyfel_ados", "sorszám", 0.15), o("hiteltip", "hiteltip", 0.15),
                  o("datum", "dátum", 0.30), o("csokkent", "csökkent", 0.20, penz),
                  o("novel", "növel", 0.20, penz)};
    return l;
}

} // namespace

Tfrm_AdossagLista::Tfrm_AdossagLista(int ugyfel, QWidget* szulo)
    : QDialog(szulo), m_ugyfel(ugyfel), m_leiras(adossagLeiras(ugyfel))
{
    setObjectName(QStringLiteral("frm_AdossagLista"));
    setWindowTitle(QStringLiteral("Hitelek"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(820, 480);

    const TablaLeiras* leiras = &m_leiras;
    auto* aNyomtat = new QAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                 QStringLiteral("Nyomtat"), this);
    aNyomtat->setObjectName(QStringLiteral("aNyomtat"));
    aNyomtat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    auto* aBezar = new QAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                               QStringLiteral("Bezár"), this);
    aBezar->setObjectName(QStringLiteral("aBezar"));
    aBezar->setShortcut(Qt::Key_Escape);
    addAction(aNyomtat);
    addAction(aBezar);
    auto* eszkoztar = new QToolBar(this);
    eszkoztar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    eszkoztar->setIconSize(QSize(36, 36));
    eszkoztar->addAction(aNyomtat);
    eszkoztar->addAction(aBezar);

    auto* fej = new QWidget(this);
    fej->setObjectName(QStringLiteral("pnlFejlec"));
    auto* fh = new QHBoxLayout(fej);
    const QFont vastag = PixelBetu(QStringLiteral("Arial"), 15, true);
    m_ugyfelCimke = new QLabel(fej);
    m_ugyfelCimke->setObjectName(QStringLiteral("lblUgyfel"));
    m_tartozasCimke = new QLabel(fej);
    m_tartozasCimke->setObjectName(QStringLiteral("lblTartozas"));
    m_ugyfelCimke->setFont(vastag);
    m_tartozasCimke->setFont(vastag);
    fh->addWidget(m_ugyfelCimke, 1);
    fh->addWidget(m_tartozasCimke);

    m_modell = new TorzsModell(leiras, this);
    m_modell->sorSzin = [](const TorzsModell& m, int sor) {
        return m.ertek(sor, QStringLiteral("hiteltip")).toString() == QLatin1String("M")
                   ? QColor(193, 255, 224)
                   : QColor();
    };
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdAdossag"));
    m_grid->setModel(m_modell);
    ListaRacsBeallit(m_grid);
    m_blokk = new QPlainTextEdit(this);
    m_blokk->setObjectName(QStringLiteral("memBlokk"));
    m_blokk->setReadOnly(true);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    m_blokk->setFont(mono);
    auto* oszto = new QSplitter(Qt::Horizontal, this);
    oszto->addWidget(m_grid);
    oszto->addWidget(m_blokk);
    oszto->setStretchFactor(0, 3);
    oszto->setStretchFactor(1, 2);

    auto* allapot = new QStatusBar(this);
    allapot->setSizeGripEnabled(false);
    m_szamlalo = new QLabel(this);
    m_szamlalo->setObjectName(QStringLiteral("lblSzamlalo"));
    m_szamlalo->setFixedWidth(77);
    m_szamlalo->setAlignment(Qt::AlignCenter);
    allapot->addWidget(m_szamlalo);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    fo->addWidget(eszkoztar);
    fo->addWidget(fej);
    fo->addWidget(oszto, 1);
    fo->addWidget(allapot);

    auto szelessegek = [this] {
        const int w = m_grid->viewport()->width();
        const double a[] = {0.15, 0.15, 0.30, 0.20, 0.20};
        for (int i = 0; i < 5; ++i)
            m_grid->setColumnWidth(i, int(qRound(w * a[i])));
    };
    connect(oszto, &QSplitter::splitterMoved, this, szelessegek);
    connect(aNyomtat, &QAction::triggered, this, &Tfrm_AdossagLista::nyomtat);
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);

    m_modell->nyit(leiras->listaSql());
    const QString nev = SqlSzoveg(
        QStringLiteral("SELECT CONCAT(COALESCE(ugyfel_nev,''),' (',COALESCE(telefon,''),')') FROM "
                       "ugyfel WHERE ugyfel=") +
            QString::number(ugyfel) + QLatin1Char(';'),
        QString());
    const double tartozas = SqlSzam(QStringLiteral("SELECT osszeg FROM ugyfel WHERE ugyfel=") +
                                        QString::number(ugyfel) + QLatin1Char(';'),
                                    0);
    m_ugyfelCimke->setText(QStringLiteral("ügyfél: ") + nev);
    m_tartozasCimke->setText(QStringLiteral("tartozás: ") +
                             SzamFormat(tartozas, Beall.PenzFormatum));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                m_blokk->setPlainText(m_modell->ertek(i.row(), QStringLiteral("blokk")).toString());
                m_szamlalo->setText(RekordSzamlalo(m_modell->rowCount(), i.row() + 1));
            });
    if (m_modell->rowCount() > 0)
        m_grid->setCurrentIndex(m_modell->index(0, 0));
    else
        m_szamlalo->setText(RekordSzamlalo(0, 0));
    OszlopKiemel(m_grid, 0);
    AblakBeallit(this, true, false);
    QMetaObject::invokeMethod(this, szelessegek, Qt::QueuedConnection);
    szelessegek();
    connect(m_grid->horizontalHeader(), &QHeaderView::geometriesChanged, this, szelessegek);
}

QString Tfrm_AdossagLista::fejlec() const
{
    return m_ugyfelCimke->text() + QLatin1Char('|') + m_tartozasCimke->text();
}

void Tfrm_AdossagLista::nyomtat()
{
    try {
        SzovegNyomtat(1, AdossagNyomtatSorok(m_ugyfel), false, this);
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), this);
    }
}

void AdossagMutat(int ugyfel, QWidget* szulo)
{
    try {
        Tfrm_AdossagLista w(ugyfel, szulo);
        w.exec();
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), szulo);
    }
}
