#include "NyomBeall.h"

#include "HibaKezeles.h"
#include "Inp.h"
#include "InpStr.h"
#include "KozosDB.h"
#include "NyomtatoModell.h"
#include "Radio.h"
#include "RawNyomtatas.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QAction>
#include <QDir>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace
{

const QStringList portok = {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
                            QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                            QStringLiteral("COM4"), QStringLiteral("COM5"), QStringLiteral("COM6"),
                            QStringLiteral("FILE")};

bool nyomtatoValaszt(TNyomtato& ny, QWidget* szulo)
{
    const QStringList nevek = TelepitettNyomtatok();
    if (nevek.isEmpty()) {
        Figyelmeztetes(Forditas(QStringLiteral("Nincs telepített nyomtató.")), szulo);
        return false;
    }
    const int i =
        RadioValasztLista(0, nevek, Forditas(QStringLiteral("Nyomtató választás")), szulo);
    if (i < 0 || i >= nevek.size())
        return false;
    ny.nyomtato_nev = nevek.at(i);
    return true;
}

bool szamKer(const QString& felirat, const QString& kerdes, double alap, int& cel, QWidget* szulo)
{
    double szam = alap;
    if (!InpSzam(Forditas(felirat), Forditas(kerdes), szam, szulo))
        return false;
    cel = int(KerekitParosra(szam));
    return true;
}

bool szelesEsEmeles(TNyomtato& ny, QWidget* szulo)
{
    return szamKer(QStringLiteral("Szélesség"),
                   QStringLiteral("Add meg a papír szélességét karakterben!"), 40, ny.szeles,
                   szulo) &&
           szamKer(QStringLiteral("Extra sorok"),
                   QStringLiteral("Hány sort emeljen a nyomtató a nyomtatás után?"), 5, ny.extrasor,
                   szulo);
}

bool kodlapEsMarka(TNyomtato& ny, QWidget* szulo)
{
    ny.kodlapkonv = RadioValasztLista(0, KodlapNevek(), Forditas(QStringLiteral("Kódlap")), szulo);
    if (ny.kodlapkonv < 0)
        return false;
    ny.marka =
        RadioValasztLista(0, MarkaNevek(), Forditas(QStringLiteral("Nyomtató gyártmány")), szulo);
    return ny.marka >= 0;
}

// The port "FILE": the file the documents go to, proposed in the data
// folder; the profile keeps its full path as the printer name.
bool fajlKer(TNyomtato& ny, QWidget* szulo)
{
    QString fajl = QDir::toNativeSeparators(FajlKimenetAlap());
    if (!InpSzoveg(Forditas(QStringLiteral("Kimeneti fájl")),
                   Forditas(QStringLiteral("Melyik fájlba kerüljön a nyomtatás?")), fajl, -1, true,
                   szulo))
        return false;
    fajl = fajl.trimmed();
    ny.nyomtato_nev =
        fajl.isEmpty() ? FajlKimenetAlap() : PortFajl(QDir::fromNativeSeparators(fajl));
    return true;
}

} // namespace

bool UjNyomtatoKer(TNyomtato& ny, QWidget* szulo)
{
    ny.marka = -1;
    ny.kodlapkonv = -1;
    ny.nyomtipus =
        RadioValasztLista(0, NyomtipusNevek(), Forditas(QStringLiteral("Nyomtatás típusa")), szulo);
    switch (ny.nyomtipus) {
    case 0: {
        if (!nyomtatoValaszt(ny, szulo))
            return false;
        bool ok = false;
        const QFont betu = QFontDialog::getFont(&ok, QFont(QStringLiteral("Courier New"), 10),
                                                szulo, QString(), QFontDialog::DontUseNativeDialog);
        if (!ok)
            return false;
        ny.betutipus = betu.family();
        ny.betumeret =
            betu.pointSize() > 0 ? betu.pointSize() : int(std::lround(betu.pointSizeF()));
        if (!szelesEsEmeles(ny, szulo))
            return false;
        break;
    }
    case 1:
    case 2: {
        if (ny.nyomtipus == 1) {
            if (!nyomtatoValaszt(ny, szulo))
                return false;
        } else {
            const int p =
                RadioValasztLista(0, portok, Forditas(QStringLiteral("Port választás")), szulo);
            if (p < 0)
                return false;
            ny.nyomtato_nev = portok.at(p);
            if (ny.nyomtato_nev == QLatin1String("FILE") && !fajlKer(ny, szulo))
                return false;
        }
        if (!kodlapEsMarka(ny, szulo) || !szelesEsEmeles(ny, szulo))
            return false;
        ny.cutter = Megerosites(Forditas(QStringLiteral("A nyomtató rendelkezik vágóegységgel?")),
                                Forditas(QStringLiteral("Vágóegység")), szulo);
        break;
    }
    default:
        return false;
    }
    NyomtatoNevekBeallit(ny);
    return true;
}

Tfrm_NyomBeall::Tfrm_NyomBeall(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_NyomBeall"));
    setWindowTitle(Forditas(QStringLiteral("Nyomtatók")));
    setSizeGripEnabled(true);
    // Wide enough for every column title and the longest type name.
    resize(940, 360);

    const auto akcio = [this](const char* felirat, const QKeySequence& billentyu, auto slot) {
        auto* a = new QAction(Forditas(QString::fromUtf8(felirat)), this);
        a->setShortcut(billentyu);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    aUj = akcio("Új nyomtató", QKeySequence(Qt::Key_Insert), &Tfrm_NyomBeall::UjNyomtato);
    aTorol = akcio("Töröl", QKeySequence(Qt::CTRL | Qt::Key_Delete), &Tfrm_NyomBeall::Torol);
    aFeljebb = akcio("Feljebb", QKeySequence(Qt::Key_F7), &Tfrm_NyomBeall::Feljebb);
    aLejjebb = akcio("Lejjebb", QKeySequence(Qt::Key_F8), &Tfrm_NyomBeall::Lejjebb);
    aBezar = akcio("Bezár", QKeySequence(Qt::Key_Escape), &QDialog::reject);

    auto* eszkoztar = new QToolBar(this);
    eszkoztar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    eszkoztar->addAction(aUj);
    eszkoztar->addAction(aTorol);
    eszkoztar->addSeparator();
    eszkoztar->addAction(aFeljebb);
    eszkoztar->addAction(aLejjebb);
    eszkoztar->addSeparator();
    eszkoztar->addAction(aBezar);

    auto* cim = new QLabel(Forditas(QStringLiteral("Nyomtatók")), this);
    QFont cimBetu = cim->font();
    cimBetu.setBold(true);
    cimBetu.setPointSize(cimBetu.pointSize() + 3);
    cim->setFont(cimBetu);
    cim->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cim->setContentsMargins(6, 4, 12, 4);
    cim->setAutoFillBackground(true);

    m_modell = new NyomtatoModell(m_lista, this);
    m_racs = new QTableView(this);
    m_racs->setObjectName(QStringLiteral("DBGrid1"));
    m_racs->setModel(m_modell);
    ListaRacsBeallit(m_racs);
    m_racs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_racs, &QWidget::customContextMenuRequested, this, [this](const QPoint& hely) {
        QMenu menu(this);
        menu.addAction(aUj);
        menu.addAction(aTorol);
        menu.addSeparator();
        menu.addAction(aFeljebb);
        menu.addAction(aLejjebb);
        menu.addSeparator();
        menu.addAction(aBezar);
        menu.exec(m_racs->viewport()->mapToGlobal(hely));
    });
    connect(m_racs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& akt) {
                m_lista.aktualisBeallit(akt.row());
                aktualisValtozott();
            });

    m_allapot = new QStatusBar(this);
    m_allapot->setSizeGripEnabled(false);
    m_pozicio = new QLabel(this);
    m_pozicio->setMinimumWidth(77);
    m_pozicio->setAlignment(Qt::AlignCenter);
    m_allapot->addWidget(m_pozicio);

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    fo->addWidget(eszkoztar);
    fo->addWidget(cim);
    fo->addWidget(m_racs, 1);
    fo->addWidget(m_allapot);

    OszlopKiemel(m_racs, NyomtatoModell::Sorszam);
    AblakBeallit(this, true, false);
    frissit();
}

void Tfrm_NyomBeall::betolt()
{
    HibaKezel(this, [this] { m_lista.betolt(NyomtatoFajl()); });
    frissit();
}

bool Tfrm_NyomBeall::ment()
{
    return HibaKezel(this, [this] { m_lista.ment(NyomtatoFajl()); });
}

void Tfrm_NyomBeall::done(int eredmeny)
{
    if (!m_mentve) {
        m_mentve = true;
        ment();
    }
    QDialog::done(eredmeny);
}

void Tfrm_NyomBeall::frissit()
{
    const int akt = m_lista.aktualis();
    m_modell->frissit();
    if (akt >= 0)
        m_racs->selectionModel()->setCurrentIndex(m_modell->index(akt, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    m_lista.aktualisBeallit(akt);
    aktualisValtozott();
}

void Tfrm_NyomBeall::aktualisValtozott()
{
    m_pozicio->setText(RekordSzamlalo(m_lista.darab(), m_lista.aktualis() + 1));
    const TNyomtato* akt = m_lista.aktualisSor();
    aTorol->setEnabled(akt != nullptr);
    aFeljebb->setEnabled(akt && akt->nyomtato > 1);
    aLejjebb->setEnabled(akt && akt->nyomtato < m_lista.darab());
}

void Tfrm_NyomBeall::UjNyomtato()
{
    TNyomtato ny;
    ny.nyomtato = m_lista.kovetkezoSorszam();
    if (!UjNyomtatoKer(ny, this))
        return;
    m_lista.hozzaad(ny);
    frissit();
}

void Tfrm_NyomBeall::Torol()
{
    if (m_lista.aktualisSor() &&
        Megerosites(Forditas(QStringLiteral("Valóban töröljem a nyomtatót?")),
                    Forditas(QStringLiteral("Megerősítés")), this))
        m_lista.torol(m_lista.aktualis());
    else
        m_lista.ujraszamoz();
    frissit();
}

void Tfrm_NyomBeall::Feljebb()
{
    if (m_lista.feljebb())
        frissit();
}

void Tfrm_NyomBeall::Lejjebb()
{
    if (m_lista.lejjebb())
        frissit();
}

void Tfrm_NyomBeall::oszlopSzelessegek()
{
    QList<int> aranyok;
    for (int i = 0; i < NyomtatoModell::OszlopDarab; ++i)
        aranyok << NyomtatoModell::oszlopArany(i);
    OszlopAranyok(m_racs, aranyok, 40);
}

void Tfrm_NyomBeall::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    oszlopSzelessegek();
}

void Tfrm_NyomBeall::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    oszlopSzelessegek();
}

void NyomtatoBeallitas(QWidget* szulo)
{
    Tfrm_NyomBeall ablak(szulo);
    ablak.betolt();
    ablak.exec();
}
