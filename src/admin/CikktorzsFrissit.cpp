#include "CikktorzsFrissit.h"

#include "Beall.h"
#include "CikkImport.h"
#include "DbHiba.h"
#include "Eredmeny.h"
#include "HataroltSzoveg.h"
#include "HibaKezeles.h"
#include "HttpLetoltes.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

Tfrm_CikktorzsFrissit::Tfrm_CikktorzsFrissit(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_CikktorzsFrissit"));
    setWindowTitle(QStringLiteral("Cikktörzs frissítés"));

    auto* eszkoz = new QToolBar(this);
    eszkoz->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_aLetolt = eszkoz->addAction(QStringLiteral("File letöltése"));
    m_aLetolt->setToolTip(QStringLiteral("File letöltése Internetről"));
    m_aImport = eszkoz->addAction(QStringLiteral("Import indítása"));
    QAction* aSugo = eszkoz->addAction(QStringLiteral("Súgó"));
    aSugo->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* aBezar = eszkoz->addAction(QStringLiteral("Bezár"));
    connect(m_aLetolt, &QAction::triggered, this, [this] { letolt(); });
    connect(m_aImport, &QAction::triggered, this, [this] { importal(); });
    connect(aSugo, &QAction::triggered, this, &Tfrm_CikktorzsFrissit::sugo);
    connect(aBezar, &QAction::triggered, this, &Tfrm_CikktorzsFrissit::reject);

    m_oszlopok = new QListWidget(this);
    m_oszlopok->setMinimumWidth(150);
    m_oszlopok->setMaximumWidth(220);

    // "Betöltés"
    auto* betoltes = new QWidget(this);
    auto* eleres = new QGroupBox(QStringLiteral("Elérés"), betoltes);
    m_helyiValasztas = new QRadioButton(QStringLiteral("Lokális hálózat, sajátgép"), eleres);
    m_http = new QRadioButton(QStringLiteral("HTTP"), eleres);
    m_helyiValasztas->setChecked(true);
    auto* el = new QHBoxLayout(eleres);
    el->addWidget(m_helyiValasztas);
    el->addWidget(m_http);
    el->addStretch(1);
    connect(m_http, &QRadioButton::toggled, this, &Tfrm_CikktorzsFrissit::eleresValtas);

    m_helyiDoboz = new QGroupBox(QStringLiteral("Lokális hálózat"), betoltes);
    m_helyi = new QLineEdit(m_helyiDoboz);
    auto* megnyit = new QPushButton(QStringLiteral("File megnyitás"), m_helyiDoboz);
    megnyit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(megnyit, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(
            this, QStringLiteral("Cikktörzs import"), m_helyi->text(),
            QStringLiteral("Szöveges file-ok (*.csv *.tsv *.txt);;Minden file (*)"));
        if (!f.isEmpty()) {
            m_helyi->setText(f);
            betolt(f);
        }
    });
    auto* hl = new QFormLayout(m_helyiDoboz);
    auto* hsor = new QHBoxLayout;
    hsor->addWidget(m_helyi, 1);
    hsor->addWidget(megnyit);
    hl->addRow(QStringLiteral("File teljes elérési útja"), hsor);

    m_httpDoboz = new QGroupBox(QStringLiteral("HTTP"), betoltes);
    m_link = new QLineEdit(m_httpDoboz);
    m_mentes = new QLineEdit(m_httpDoboz);
    auto* mentGomb = new QPushButton(QStringLiteral("File mentése"), m_httpDoboz);
    mentGomb->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(mentGomb, &QPushButton::clicked, this, [this] {
        const QString f =
            QFileDialog::getSaveFileName(this, QStringLiteral("File mentése"), m_mentes->text(),
                                         QStringLiteral("CSV file-ok (*.csv)"));
        if (!f.isEmpty())
            m_mentes->setText(f);
    });
    auto* tl = new QFormLayout(m_httpDoboz);
    tl->addRow(QStringLiteral("File linkje"), m_link);
    auto* msor = new QHBoxLayout;
    msor->addWidget(m_mentes, 1);
    msor->addWidget(mentGomb);
    tl->addRow(QStringLiteral("File teljes elérési útja"), msor);

    auto* tizedes = new QGroupBox(QStringLiteral("Tizedesjel"), betoltes);
    tizedes->setToolTip(QStringLiteral("Az import a vesszőt és a pontot is tizedesjelnek veszi."));
    auto* vesszo = new QRadioButton(QStringLiteral("Vessző"), tizedes);
    auto* pont = new QRadioButton(QStringLiteral("Pont"), tizedes);
    vesszo->setChecked(true);
    auto* tzl = new QHBoxLayout(tizedes);
    tzl->addWidget(vesszo);
    tzl->addWidget(pont);
    tzl->addStretch(1);
    m_csakUj = new QCheckBox(QStringLiteral("Csak új sorok hozzáadása"), betoltes);
    m_importGomb = new QPushButton(QStringLiteral("Import indítása"), betoltes);
    m_letoltGomb = new QPushButton(QStringLiteral("File letöltése"), betoltes);
    connect(m_importGomb, &QPushButton::clicked, this, [this] { importal(); });
    connect(m_letoltGomb, &QPushButton::clicked, this, [this] { letolt(); });
    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_csakUj);
    gombok->addStretch(1);
    gombok->addWidget(m_letoltGomb);
    gombok->addWidget(m_importGomb);
    auto* bl = new QVBoxLayout(betoltes);
    bl->addWidget(eleres);
    bl->addWidget(m_helyiDoboz);
    bl->addWidget(m_httpDoboz);
    bl->addWidget(tizedes);
    bl->addLayout(gombok);
    bl->addStretch(1);

    // "Betöltendő file"
    m_szerk = new QsciScintilla(this);
    m_szerk->setUtf8(true);
    QFont fix = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fix.setPointSize(std::max(Beall.BetuMeret, 8) + 1);
    m_szerk->setFont(fix);
    m_szerk->setMarginsFont(fix);
    m_szerk->setMarginType(0, QsciScintilla::NumberMargin);
    m_szerk->setMarginLineNumbers(0, true);
    m_szerk->setMarginWidth(0, QStringLiteral("00000"));
    m_szerk->setCaretLineVisible(true);
    m_szerk->setCaretLineBackgroundColor(QColor(255, 255, 217));
    m_szerk->setWrapMode(QsciScintilla::WrapNone);

    m_fulek = new QTabWidget(this);
    m_fulek->addTab(betoltes, QStringLiteral("Betöltés"));
    m_fulek->addTab(m_szerk, QStringLiteral("Betöltendő file"));

    m_haladas = new QProgressBar(this);
    m_haladas->setValue(0);
    m_megallit = new QPushButton(QStringLiteral("Megállít"), this);
    m_megallit->setEnabled(false);
    connect(m_megallit, &QPushButton::clicked, this, [this] { m_allj = true; });

    auto* kozep = new QHBoxLayout;
    kozep->addWidget(m_oszlopok);
    kozep->addWidget(m_fulek, 1);
    auto* also = new QHBoxLayout;
    also->addWidget(m_haladas, 1);
    also->addWidget(m_megallit);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(eszkoz);
    fo->addLayout(kozep, 1);
    fo->addLayout(also);
    resize(760, 480);
    eleresValtas();
    AblakBeallit(this, true, false);
}

void Tfrm_CikktorzsFrissit::eleresValtas()
{
    const bool http = m_http->isChecked();
    m_httpDoboz->setEnabled(http);
    m_aLetolt->setVisible(http);
    m_letoltGomb->setEnabled(http && !m_fut);
}

void Tfrm_CikktorzsFrissit::munkaAllapot(bool fut)
{
    m_fut = fut;
    m_allj = false;
    m_megallit->setEnabled(fut);
    m_importGomb->setEnabled(!fut);
    m_aImport->setEnabled(!fut);
    m_aLetolt->setEnabled(!fut);
    m_letoltGomb->setEnabled(!fut && m_http->isChecked());
    m_fulek->widget(0)->setEnabled(!fut);
    if (!fut)
        m_haladas->setValue(0);
}

void Tfrm_CikktorzsFrissit::oszlopListaEpit(const QString& szoveg)
{
    const qsizetype vege = szoveg.indexOf(QLatin1Char('\n'));
    const QString fej = (vege < 0 ? szoveg : szoveg.left(vege)).trimmed();
    if (fej.isEmpty())
        return;
    QStringList nevek;
    try {
        const QList<HataroltRekord> r = HataroltElemez(fej);
        if (!r.isEmpty())
            nevek = CikkImport::fejlecNevek(r.first());
    } catch (const HataroltHiba&) {
        return;
    }
    m_oszlopok->clear();
    for (const QString& n : nevek) {
        if (n.isEmpty())
            continue;
        auto* i = new QListWidgetItem(QLatin1Char('[') + n + QLatin1Char(']'), m_oszlopok);
        i->setData(Qt::UserRole, n);
        i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
        i->setCheckState(Qt::Checked);
    }
}

bool Tfrm_CikktorzsFrissit::betolt(const QString& fajl)
{
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly)) {
        HibaUzenet(QStringLiteral("Hiba: ") + fajl + QStringLiteral(": ") + f.errorString(), this);
        return false;
    }
    const QString szoveg = HataroltDekodol(f.readAll());
    m_szerk->setText(szoveg);
    oszlopListaEpit(szoveg);
    return true;
}

bool Tfrm_CikktorzsFrissit::letolt()
{
    if (m_fut)
        return false;
    QString cel = m_mentes->text().trimmed();
    if (cel.isEmpty()) {
        cel = QFileDialog::getSaveFileName(
            this, QStringLiteral("File mentése"),
            QDir(DokumentumMappa()).filePath(QStringLiteral("arlista.csv")),
            QStringLiteral("CSV file-ok (*.csv)"));
        if (cel.isEmpty())
            return false;
        m_mentes->setText(cel);
    }
    munkaAllapot(true);
    m_haladas->setRange(0, 0);
    bool kesz = false;
    try {
        HttpLetolt(QUrl::fromUserInput(m_link->text().trimmed()), cel, m_idokorlat,
                   [this](qint64 megvan, qint64 osszes) {
                       if (osszes > 0) {
                           m_haladas->setRange(0, 1000);
                           m_haladas->setValue(int(megvan * 1000 / osszes));
                       }
                       return !m_allj;
                   });
        kesz = true;
    } catch (const Hiba& h) {
        m_haladas->setRange(0, 100);
        munkaAllapot(false);
        HibaUzenet(h.uzenet(), this);
    }
    if (!kesz)
        return false;
    m_haladas->setRange(0, 100);
    munkaAllapot(false);
    m_helyi->setText(cel);
    if (!betolt(cel))
        return false;
    Uzenet(QStringLiteral("File letöltés kész."), this);
    return true;
}

bool Tfrm_CikktorzsFrissit::importal()
{
    if (m_fut)
        return false;
    ImportTerv terv;
    std::unique_ptr<CikkImport> imp;
    try {
        imp = std::make_unique<CikkImport>();
        // Columns that are not columns of the item table are unticked.
        for (int i = 0; i < m_oszlopok->count(); ++i) {
            QListWidgetItem* it = m_oszlopok->item(i);
            if (!imp->importalhato(it->data(Qt::UserRole).toString()))
                it->setCheckState(Qt::Unchecked);
        }
        QSet<QString> kizart;
        for (int i = 0; i < m_oszlopok->count(); ++i)
            if (m_oszlopok->item(i)->checkState() != Qt::Checked)
                kizart.insert(m_oszlopok->item(i)->data(Qt::UserRole).toString());
        terv = imp->tervez(m_szerk->text(), kizart);
    } catch (const HataroltHiba& h) {
        HibaUzenet(h.uzenet() + QStringLiteral("\r\n\r\nAz állomány nem lett importálva, az "
                                               "adatbázis nem változott."),
                   this);
        return false;
    } catch (const Hiba& h) {
        HibaMutat(h, this);
        return false;
    }

    munkaAllapot(true);
    m_haladas->setRange(0, std::max(int(terv.tetelek.size()), 1));
    ImportEredmeny e;
    bool kesz = false;
    try {
        e = imp->vegrehajt(terv, m_csakUj->isChecked(), [this](int kesz, int) {
            // The window repaints every 10 lines; "Megállít" rolls back.
            if (kesz % 10 == 0) {
                m_haladas->setValue(kesz);
                QApplication::processEvents();
            }
            return !m_allj;
        });
        kesz = true;
    } catch (const Hiba& h) {
        munkaAllapot(false);
        HibaMutat(h, this);
    }
    if (!kesz)
        return false;
    munkaAllapot(false);
    EredmenyMutat(e.naplo(), this);
    return true;
}

void Tfrm_CikktorzsFrissit::sugo()
{
    const QString f = QDir(AdatMappa()).filePath(QStringLiteral("Help/cikktorzsfrissit.htm"));
    if (!QFileInfo::exists(f)) {
        HibaUzenet(QStringLiteral("A súgó nem található: ") + QDir::toNativeSeparators(f), this);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(f));
}

void Tfrm_CikktorzsFrissit::reject()
{
    // Closing during an import or download stops it first (nothing stays
    // half written).
    if (m_fut) {
        m_allj = true;
        return;
    }
    QDialog::reject();
}

void CikktorzsFrissites(QWidget* szulo)
{
    if (!Jog.torzsszerkeszt) {
        HibaUzenet(QStringLiteral("Nincs jogosultság a művelethez."), szulo);
        return;
    }
    Tfrm_CikktorzsFrissit ablak(szulo);
    ablak.exec();
}
