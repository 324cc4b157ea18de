#include "Adatbazisok.h"

#include "Adatbazisok_Szerkeszt.h"
#include "DbHiba.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Mentes.h"
#include "SegedUI.h"
#include "TarhelyModel.h"
#include "TeljesMentes.h"
#include "Uzenetek.h"
#include "Visszaallitas.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace
{

const QString iniSzakasz = QStringLiteral("frm_Adatbazis");
const QString sqlSzuro = QStringLiteral("SQL fájl (*.sql)");
const QString zipSzuro = QStringLiteral("Tömörített SQL fájl (*.zip)");
const QString eszkozFelirat = QStringLiteral("mariadb-dump program helye");

Tfrm_Adatbazis::FajlKerdes& fajlKerdesFv()
{
    static Tfrm_Adatbazis::FajlKerdes f;
    return f;
}

// The platform's file dialog; the default extension follows the filter. It
// opens in the proposed path's folder (an existing folder is itself the
// proposal), never in the program's working folder.
QString platformFajlKerdes(QWidget* szulo, bool mentes, const QString& cim, const QString& szuro,
                           const QString& javasolt)
{
    const QFileInfo javasoltInfo(javasolt);
    const bool mappa = !javasolt.isEmpty() && javasoltInfo.isDir();
    QFileDialog d(szulo, cim,
                  javasolt.isEmpty() ? MentesMappa()
                                     : (mappa ? javasolt : javasoltInfo.absolutePath()),
                  szuro);
    d.setAcceptMode(mentes ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(mentes ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    auto kiterjesztes = [](const QString& sz) {
        const int p = int(sz.indexOf(QStringLiteral("(*.")));
        return p < 0
                   ? QString()
                   : sz.mid(p + 3).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
    };
    d.setDefaultSuffix(kiterjesztes(szuro.section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d, kiterjesztes](const QString& sz) {
        d.setDefaultSuffix(kiterjesztes(sz));
    });
    if (!javasolt.isEmpty() && !mappa)
        d.selectFile(javasoltInfo.fileName());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().first();
}

} // namespace

void Tfrm_Adatbazis::fajlKerdesBeallit(FajlKerdes kerdes)
{
    fajlKerdesFv() = std::move(kerdes);
}

QString Tfrm_Adatbazis::fajlKerdes(bool mentes, const QString& cim, const QString& szuro,
                                   const QString& javasolt)
{
    if (fajlKerdesFv())
        return fajlKerdesFv()(this, mentes, cim, szuro, javasolt);
    return platformFajlKerdes(this, mentes, cim, szuro, javasolt);
}

Tfrm_Adatbazis::Tfrm_Adatbazis(bool szerkesztheto, bool valaszthato, QWidget* szulo)
    : QDialog(szulo), m_szerkesztheto(szerkesztheto), m_valaszthato(valaszthato)
{
    setObjectName(QStringLiteral("frm_Adatbazis"));
    setWindowTitle(QStringLiteral("Tárhelyek"));
    setSizeGripEnabled(true);
    resize(760, 420);

    auto akcio = [this](const QString& szoveg, const char* nev, QList<QKeySequence> billentyuk,
                        void (Tfrm_Adatbazis::*fv)()) {
        auto* a = new QAction(szoveg, this);
        a->setObjectName(QString::fromLatin1(nev));
        a->setShortcuts(billentyuk);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, fv);
        addAction(a);
        return a;
    };
    const QList<QKeySequence> ctrlEnter{QKeySequence(Qt::CTRL | Qt::Key_Return),
                                        QKeySequence(Qt::CTRL | Qt::Key_Enter)};
    aUj = akcio(QStringLiteral("Új"), "aUj", {QKeySequence(Qt::Key_Insert)}, &Tfrm_Adatbazis::uj);
    aSzerkeszt = akcio(QStringLiteral("Szerkeszt"), "aSzerkeszt", {QKeySequence(Qt::Key_F2)},
                       &Tfrm_Adatbazis::szerkeszt);
    aTorol = akcio(QStringLiteral("Töröl"), "aTorol", {QKeySequence(Qt::CTRL | Qt::Key_Delete)},
                   &Tfrm_Adatbazis::torol);
    aTeszt = akcio(QStringLiteral("Teszt"), "aTeszt", {QKeySequence(Qt::CTRL | Qt::Key_T)},
                   &Tfrm_Adatbazis::teszt);
    aBackup = akcio(QStringLiteral("Biztonsági mentés készítés"), "aBackup",
                    {QKeySequence(Qt::Key_F3)}, &Tfrm_Adatbazis::mentes);
    aRestore = akcio(QStringLiteral("Visszaállítás mentésből"), "aRestore",
                     {QKeySequence(Qt::Key_F4)}, &Tfrm_Adatbazis::visszaallitas);
    aMySQLDump = akcio(QStringLiteral("Teljes biztonsági mentés készítés"), "aMySQLDump",
                       {QKeySequence(Qt::Key_F6)}, &Tfrm_Adatbazis::teljesPanel);
    aTeljesMentes = akcio(QStringLiteral("Teljes mentés futtatása"), "aTeljesMentes", {},
                          &Tfrm_Adatbazis::teljesMentes);
    aValaszt = akcio(QStringLiteral("Választ"), "aValaszt",
                     valaszthato ? ctrlEnter : QList<QKeySequence>{}, &Tfrm_Adatbazis::valaszt);
    // Without a choice Ctrl+Enter closes the window as "Bezár" does.
    QList<QKeySequence> bezarBill{QKeySequence(Qt::Key_Escape)};
    if (!valaszthato)
        bezarBill += ctrlEnter;
    aBezar = akcio(QStringLiteral("Bezár"), "aBezar", bezarBill, &Tfrm_Adatbazis::reject);
    aSzerkeszt->setVisible(szerkesztheto);
    aTorol->setVisible(szerkesztheto);
    aValaszt->setVisible(valaszthato);

    // Header panel with the progress bar of backups and restores.
    auto* fejlec = new QFrame(this);
    fejlec->setFrameShape(QFrame::StyledPanel);
    auto* fejlecSor = new QHBoxLayout(fejlec);
    auto* cim = new QLabel(QStringLiteral("Tárhelyek  "), fejlec);
    QFont cf = cim->font();
    cf.setBold(true);
    cf.setPointSize(cf.pointSize() + 3);
    cim->setFont(cf);
    haladas = new QProgressBar(fejlec);
    haladas->setObjectName(QStringLiteral("ProgressBar1"));
    haladas->setVisible(false);
    fejlecSor->addWidget(cim);
    fejlecSor->addWidget(haladas, 1);

    auto* eszkoztar = new QToolBar(this);
    eszkoztar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    eszkoztar->addAction(aUj);
    eszkoztar->addAction(aSzerkeszt);
    eszkoztar->addAction(aTorol);
    eszkoztar->addSeparator();
    eszkoztar->addAction(aTeszt);
    auto* mentesGomb = new QToolButton(eszkoztar);
    mentesGomb->setObjectName(QStringLiteral("btnMentes"));
    mentesGomb->setText(QStringLiteral("Mentés"));
    mentesGomb->setPopupMode(QToolButton::InstantPopup);
    auto* mentesMenu = new QMenu(mentesGomb);
    mentesMenu->addAction(aBackup);
    mentesMenu->addAction(aRestore);
    mentesMenu->addAction(aMySQLDump);
    mentesGomb->setMenu(mentesMenu);
    eszkoztar->addWidget(mentesGomb);
    eszkoztar->addSeparator();
    eszkoztar->addAction(aValaszt);
    eszkoztar->addAction(aBezar);

    // The full-backup panel.
    pnlTeljes = new QFrame(this);
    pnlTeljes->setObjectName(QStringLiteral("pnlTeljes"));
    pnlTeljes->setFrameShape(QFrame::StyledPanel);
    auto* panelFej = new QHBoxLayout;
    auto* panelCim = new QLabel(QStringLiteral("Biztonsági mentés készítés"), pnlTeljes);
    QFont pf = panelCim->font();
    pf.setBold(true);
    panelCim->setFont(pf);
    auto* panelBezar = new QToolButton(pnlTeljes);
    panelBezar->setText(QStringLiteral("X"));
    panelBezar->setToolTip(QStringLiteral("Bezár"));
    connect(panelBezar, &QToolButton::clicked, pnlTeljes, &QWidget::hide);
    panelFej->addWidget(panelCim, 1);
    panelFej->addWidget(panelBezar);
    eMysqlDump = new QLineEdit(pnlTeljes);
    eMysqlDump->setObjectName(QStringLiteral("eMysqlDump"));
    auto* tallozo = new QToolButton(pnlTeljes);
    tallozo->setObjectName(QStringLiteral("btnTallozas"));
    tallozo->setText(QStringLiteral("..."));
    connect(tallozo, &QToolButton::clicked, this, [this] {
        const QString f = fajlKerdes(
            false, eszkozFelirat,
            QStringLiteral("mysqldump (mysqldump mariadb-dump mysqldump.exe mariadb-dump.exe)"),
            eMysqlDump->text());
        if (!f.isEmpty())
            eMysqlDump->setText(QDir::toNativeSeparators(f));
    });
    auto* utSor = new QHBoxLayout;
    utSor->addWidget(eMysqlDump, 1);
    utSor->addWidget(tallozo);
    auto* futtat = new QPushButton(aTeljesMentes->text(), pnlTeljes);
    futtat->setObjectName(QStringLiteral("btnTeljesMentes"));
    futtat->setAutoDefault(false);
    connect(futtat, &QPushButton::clicked, aTeljesMentes, &QAction::trigger);
    auto* panelLay = new QVBoxLayout(pnlTeljes);
    panelLay->addLayout(panelFej);
    panelLay->addWidget(new QLabel(eszkozFelirat, pnlTeljes));
    panelLay->addLayout(utSor);
    panelLay->addWidget(futtat, 0, Qt::AlignLeft);
    pnlTeljes->setVisible(false);

    // The grid.
    m_model = new TarhelyModel(this);
    m_racs = new QTableView(this);
    m_racs->setObjectName(QStringLiteral("DBGrid1"));
    m_racs->setModel(m_model);
    ListaRacsBeallit(m_racs);
    // This list keeps the record indicator column.
    m_racs->verticalHeader()->show();
    m_racs->verticalHeader()->setFixedWidth(20);
    m_racs->horizontalHeader()->setSectionsClickable(true);
    m_racs->horizontalHeader()->setHighlightSections(false);
    m_racs->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a :
         {aUj, aSzerkeszt, aTorol, aTeszt, aBackup, aRestore, aMySQLDump, aValaszt, aBezar})
        m_racs->addAction(a);
    connect(m_racs->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int oszlop) {
        const int sor = aktualisSor();
        const QString elozo = sor >= 0 ? m_model->sor(sor).adat.szoveg(true) : QString();
        m_model->sort(oszlop);
        OszlopKiemel(m_racs, oszlop);
        for (int i = 0; i < m_model->rowCount(); ++i)
            if (m_model->sor(i).adat.szoveg(true) == elozo) {
                aktualisBeallit(i);
                break;
            }
    });
    connect(m_racs, &QTableView::doubleClicked, this, [this] { szerkeszt(); });

    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(4, 4, 4, 4);
    fo->addWidget(fejlec);
    fo->addWidget(eszkoztar);
    fo->addWidget(pnlTeljes);
    fo->addWidget(m_racs, 1);

    // Opening: the entries of the INI file, the dump tool's path.
    QStringList szovegek;
    for (const KapcsolatBejegyzes& b : KapcsolatokOlvas(IniFajl()))
        szovegek.append(b.szoveg);
    m_model->betolt(szovegek);
    OszlopKiemel(m_racs, TarhelyModel::Nev);
    aktualisBeallit(0);
    QString eszkoz = IniOlvas(iniSzakasz, QStringLiteral("MysqlDump"));
    if (eszkoz.isEmpty())
        eszkoz = TeljesMentes::alapEszkoz();
    eMysqlDump->setText(eszkoz);

    AblakBeallit(this, true, true);
    QFont f = font();
    f.setPointSize(9);
    setFont(f);
    m_racs->setFocus();
}

Tfrm_Adatbazis::~Tfrm_Adatbazis() = default;

TeljesMentes* Tfrm_Adatbazis::teljes() const
{
    return m_teljes.data();
}

int Tfrm_Adatbazis::aktualisSor() const
{
    const QModelIndex i = m_racs->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Tfrm_Adatbazis::aktualisBeallit(int sor)
{
    if (sor < 0 || sor >= m_model->rowCount())
        return;
    m_racs->setCurrentIndex(m_model->index(sor, 0));
    m_racs->selectRow(sor);
}

void Tfrm_Adatbazis::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    oszlopSzelessegek();
}

void Tfrm_Adatbazis::oszlopSzelessegek()
{
    // Shares of the width, but never narrower than a column's title.
    OszlopAranyok(m_racs, {30, 15, 15, 10, 15, 15}, 44);
}

void Tfrm_Adatbazis::uj()
{
    KapcsolatAdat adat;
    adat.kiszolgalo.clear();
    adat.port = 3306;
    if (!AdatbazisSzerkeszt(adat, this))
        return;
    aktualisBeallit(m_model->hozzaad(adat));
}

void Tfrm_Adatbazis::szerkeszt()
{
    const int sor = aktualisSor();
    if (!m_szerkesztheto || sor < 0)
        return;
    KapcsolatAdat adat = m_model->sor(sor).adat;
    if (!AdatbazisSzerkeszt(adat, this))
        return;
    aktualisBeallit(m_model->csere(sor, adat));
}

void Tfrm_Adatbazis::torol()
{
    const int sor = aktualisSor();
    if (!m_szerkesztheto || sor < 0)
        return;
    if (!Megerosites(QStringLiteral("Valóban töröljem az adatbázist a listából?"),
                     QStringLiteral("Megerősítés"), this))
        return;
    m_model->torol(sor);
    aktualisBeallit(qMin(sor, m_model->rowCount() - 1));
}

void Tfrm_Adatbazis::teszt()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    QString verzio;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        verzio = KapcsolatTesztel(m_model->sor(sor).adat, true);
        QApplication::restoreOverrideCursor();
    } catch (const DbHiba& h) {
        QApplication::restoreOverrideCursor();
        HibaUzenet(QStringLiteral("Hiba: ") + Forditas(h.uzenet()), this);
        return;
    }
    if (!verzio.isEmpty())
        m_model->verzioBeallit(sor, verzio);
    Uzenet(QStringLiteral("Kapcsolat vizsgálata sikeres"), this);
}

void Tfrm_Adatbazis::haladasMutat(int kesz, int osszes)
{
    haladas->setMaximum(qMax(osszes, 1));
    haladas->setValue(qMin(kesz, haladas->maximum()));
    haladas->setVisible(true);
    // Repaint without letting the operator start something else meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tfrm_Adatbazis::haladasVege()
{
    haladas->reset();
    haladas->setVisible(false);
}

void Tfrm_Adatbazis::mentes()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    const KapcsolatAdat adat = m_model->sor(sor).adat;
    const QString fajl =
        fajlKerdes(true, QStringLiteral("Biztonsági mentés készítés"),
                   sqlSzuro + QStringLiteral(";;") + zipSzuro, MentesJavasoltUt(adat.adatbazis));
    if (fajl.isEmpty())
        return;
    MentesMappaMegjegyez(fajl);
    try {
        BiztonsagiMentes(adat, fajl, [this](int k, int o) { haladasMutat(k, o); });
    } catch (const ArchivHiba& h) {
        haladasVege();
        HibaUzenet(QStringLiteral("Hiba az archiválás közben\r\n") + h.uzenet(), this);
        return;
    } catch (const Hiba& h) {
        haladasVege();
        HibaUzenet(QStringLiteral("Hiba: ") + Forditas(h.uzenet()), this);
        return;
    }
    haladasVege();
    Uzenet(QStringLiteral("A biztonsági mentés elkészült:\r\n") + QDir::toNativeSeparators(fajl),
           this);
}

void Tfrm_Adatbazis::visszaallitas()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    const KapcsolatAdat adat = m_model->sor(sor).adat;
    const QString fajl = fajlKerdes(false, QStringLiteral("Adatbázis visszaállítás"),
                                    sqlSzuro + QStringLiteral(";;") + zipSzuro, MentesMappa());
    if (fajl.isEmpty())
        return;
    MentesMappaMegjegyez(fajl);
    // The routine reads and checks the whole file before it asks anything:
    // a damaged backup is refused without touching the database.
    bool futott = false;
    VisszaallitasKerdesek kerdesek;
    kerdesek.ellenorizhetetlen = [this](const QString& szoveg) {
        return Megerosites(szoveg, QStringLiteral("Figyelmeztetés"), this);
    };
    kerdesek.felulir = [this, &futott](const QString& kiszolgalo, const QString& adatbazis) {
        futott = Megerosites(
            QStringLiteral("Az adatok betöltése előtt az eredeti adatok törlésre kerülnek.\r\n") +
                QStringLiteral("Biztosan folytatod a ") + kiszolgalo + QStringLiteral(": ") +
                adatbazis + QStringLiteral(" adatbázis felülírását?"),
            QStringLiteral("Megerősítés"), this);
        return futott;
    };
    bool kesz = false;
    try {
        kesz = Visszaallitas(adat, fajl, kerdesek, [this](int k, int o) { haladasMutat(k, o); });
    } catch (const Hiba& h) {
        haladasVege();
        HibaUzenet(QStringLiteral("Hiba: ") + Forditas(h.uzenet()), this);
        // A schema script stops at its failing statement with the earlier
        // ones applied: what is shown must be read again.
        if (futott)
            Q_EMIT adatokValtoztak();
        return;
    }
    haladasVege();
    if (!kesz)
        return;
    Q_EMIT adatokValtoztak();
    Uzenet(QStringLiteral("Az adatbázis visszaállítása befejeződött."), this);
}

void Tfrm_Adatbazis::teljesPanel()
{
    pnlTeljes->setVisible(!pnlTeljes->isVisible());
}

void Tfrm_Adatbazis::teljesMentes()
{
    const int sor = aktualisSor();
    if (sor < 0)
        return;
    if (m_teljes && m_teljes->fut()) {
        Figyelmeztetes(QStringLiteral("Egy teljes mentés már fut, várd meg a végét."), this);
        return;
    }
    const KapcsolatAdat adat = m_model->sor(sor).adat;
    const QString fajl = fajlKerdes(true, QStringLiteral("Biztonsági mentés készítés"), sqlSzuro,
                                    MentesJavasoltUt(adat.adatbazis));
    if (fajl.isEmpty())
        return;
    MentesMappaMegjegyez(fajl);

    // The tool runs on by itself; it outlives this window and reports when
    // it ends. The application owns it so that closing the program waits
    // for it and removes its option file.
    auto* futas = new TeljesMentes(qApp);
    m_teljes = futas;
    QPointer<Tfrm_Adatbazis> ablak(this);
    connect(futas, &TeljesMentes::kesz, futas, [futas, ablak](bool sikeres, const QString& uzenet) {
        if (sikeres)
            Uzenet(uzenet, ablak.data());
        else
            HibaUzenet(QStringLiteral("Hiba: ") + uzenet, ablak.data());
        futas->deleteLater();
    });
    if (!futas->indit(QDir::fromNativeSeparators(eMysqlDump->text().trimmed()), adat, fajl,
                      AdatMappa())) {
        HibaUzenet(QStringLiteral("Hiba: ") + futas->hiba(), this);
        m_teljes = nullptr;
        futas->deleteLater();
        return;
    }
}

void Tfrm_Adatbazis::valaszt()
{
    const int sor = aktualisSor();
    if (!m_valaszthato || sor < 0)
        return;
    m_valasztott = m_model->sor(sor).adat.szoveg(false);
    accept();
}

void Tfrm_Adatbazis::done(int r)
{
    if (!m_mentve) {
        m_mentve = true;
        try {
            IniIr(iniSzakasz, QStringLiteral("MysqlDump"), eMysqlDump->text().trimmed());
            KapcsolatokIr(IniFajl(), m_model->szovegek());
        } catch (const std::exception& h) {
            HibaUzenet(QStringLiteral("Hiba: a tárhelyek listája nem menthető: ") +
                           QString::fromStdString(h.what()),
                       this);
        }
    }
    QDialog::done(r);
}

QString AdatbazisLista(bool szerkesztheto, bool valaszthato, QWidget* szulo,
                       const std::function<void()>& adatokValtoztak)
{
    Tfrm_Adatbazis d(szerkesztheto, valaszthato, szulo);
    if (adatokValtoztak)
        QObject::connect(&d, &Tfrm_Adatbazis::adatokValtoztak, &d, adatokValtoztak);
    d.exec();
    return d.valasztott();
}
