#include "Hatarolt.h"

#include "HibaKezeles.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "Uzenetek.h"
#include "XlsxIro.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

Tfrm_Hatarolt::Tfrm_Hatarolt(QAbstractItemModel* modell, const QList<OszlopFajta>& fajtak,
                             const QString& fajl, QWidget* szulo)
    : QDialog(szulo), m_modell(modell), m_fajtak(fajtak)
{
    setObjectName(QStringLiteral("frm_Hatarolt"));
    setWindowTitle(QStringLiteral("Határolt szöveg export"));

    m_mezok = new QListWidget(this);
    for (int c = 0; c < modell->columnCount(); ++c) {
        auto* i = new QListWidgetItem(modell->headerData(c, Qt::Horizontal).toString(), m_mezok);
        i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
        i->setCheckState(Qt::Checked);
        i->setData(Qt::UserRole, c);
    }
    auto* osszes = new QPushButton(QStringLiteral("összes"), this);
    auto* egyikSem = new QPushButton(QStringLiteral("egyik sem"), this);
    connect(osszes, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < m_mezok->count(); ++i)
            m_mezok->item(i)->setCheckState(Qt::Checked);
    });
    connect(egyikSem, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < m_mezok->count(); ++i)
            m_mezok->item(i)->setCheckState(Qt::Unchecked);
    });
    auto* bal = new QVBoxLayout;
    bal->addWidget(m_mezok, 1);
    auto* balGombok = new QHBoxLayout;
    balGombok->addWidget(osszes);
    balGombok->addWidget(egyikSem);
    bal->addLayout(balGombok);

    auto* fajlDoboz = new QGroupBox(QStringLiteral("Filenév"), this);
    m_fajl = new QLineEdit(fajlDoboz);
    m_fajl->setText(
        fajl.isEmpty() ? QDir(DokumentumMappa()).filePath(QStringLiteral("File001.xlsx")) : fajl);
    auto* tallozGomb = new QToolButton(fajlDoboz);
    tallozGomb->setText(QStringLiteral("..."));
    connect(tallozGomb, &QToolButton::clicked, this, &Tfrm_Hatarolt::tallozas);
    auto* fl = new QHBoxLayout(fajlDoboz);
    fl->addWidget(m_fajl, 1);
    fl->addWidget(tallozGomb);

    auto* hatDoboz = new QGroupBox(QStringLiteral("Határoló karakter"), this);
    auto* hl = new QVBoxLayout(hatDoboz);
    const char* hatNevek[4] = {"Pontosvessző (;)", "Tabulátor", "Vessző (,)", "Cső (|)"};
    for (int i = 0; i < 4; ++i) {
        m_hatarolo[i] = new QRadioButton(QString::fromUtf8(hatNevek[i]), hatDoboz);
        hl->addWidget(m_hatarolo[i]);
    }
    m_hatarolo[0]->setChecked(true);
    auto* idDoboz = new QGroupBox(QStringLiteral("Szövegjelölő"), this);
    auto* il = new QVBoxLayout(idDoboz);
    const char* idNevek[3] = {"Idézőjel (\")", "Aposztróf (')", "Semmi"};
    for (int i = 0; i < 3; ++i) {
        m_idezo[i] = new QRadioButton(QString::fromUtf8(idNevek[i]), idDoboz);
        il->addWidget(m_idezo[i]);
    }
    m_idezo[2]->setChecked(true);
    auto* radiok = new QHBoxLayout;
    radiok->addWidget(hatDoboz);
    radiok->addWidget(idDoboz);

    m_tobbsoros = new QCheckBox(QStringLiteral("Többsoros mezőket is kiírja"), this);
    m_tobbsoros->setChecked(true);
    m_eredeti = new QCheckBox(QStringLiteral("Eredeti mezőneveket használja"), this);
    m_fejlecNelkul = new QCheckBox(QStringLiteral("Fejléc nem kell (az első sorban)"), this);
    m_megnyit = new QCheckBox(QStringLiteral("Export után megnyitás"), this);

    m_indit = new QPushButton(QStringLiteral("Export indítás"), this);
    m_indit->setDefault(true);
    m_megallit = new QPushButton(QStringLiteral("Megállít"), this);
    m_megallit->setEnabled(false);
    auto* bezar = new QPushButton(QStringLiteral("Bezár"), this);
    connect(m_indit, &QPushButton::clicked, this, [this] { exportal(); });
    connect(m_megallit, &QPushButton::clicked, this, [this] { m_allj = true; });
    connect(bezar, &QPushButton::clicked, this, &QDialog::reject);
    m_haladas = new QProgressBar(this);
    m_haladas->setValue(0);

    auto* jobb = new QVBoxLayout;
    jobb->addWidget(fajlDoboz);
    jobb->addLayout(radiok);
    for (QWidget* w : {m_tobbsoros, m_eredeti, m_fejlecNelkul, m_megnyit})
        jobb->addWidget(static_cast<QWidget*>(w));
    jobb->addStretch(1);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_indit);
    gombok->addWidget(m_megallit);
    gombok->addWidget(bezar);
    jobb->addLayout(gombok);

    auto* felso = new QHBoxLayout;
    felso->addLayout(bal, 2);
    felso->addLayout(jobb, 3);
    auto* fo = new QVBoxLayout(this);
    fo->addLayout(felso, 1);
    fo->addWidget(m_haladas);
    resize(640, 420);
    AblakBeallit(this, true, false);
}

void Tfrm_Hatarolt::reject()
{
    if (m_fut) {
        m_allj = true;
        return;
    }
    QDialog::reject();
}

void Tfrm_Hatarolt::tallozas()
{
    QString szuro;
    const QString f = QFileDialog::getSaveFileName(
        this, QStringLiteral("Mentés"), m_fajl->text(),
        QStringLiteral("Excel munkalap (*.xlsx);;Excelbarát XML (*.xml);;CSV állományok "
                       "(*.csv);;Text állományok (*.txt);;Minden állomány (*.*)"),
        &szuro);
    if (f.isEmpty())
        return;
    m_fajl->setText(QFileInfo(f).suffix().isEmpty() ? f + QStringLiteral(".csv") : f);
}

HataroltBeallitas Tfrm_Hatarolt::beallitas() const
{
    HataroltBeallitas b;
    const QChar jelek[4] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(','),
                            QLatin1Char('|')};
    for (int i = 0; i < 4; ++i)
        if (m_hatarolo[i]->isChecked())
            b.hatarolo = jelek[i];
    b.idezojel = m_idezo[0]->isChecked()   ? QStringLiteral("\"")
                 : m_idezo[1]->isChecked() ? QStringLiteral("'")
                                           : QString();
    b.tobbsoros = m_tobbsoros->isChecked();
    b.eredetiNevek = m_eredeti->isChecked();
    b.fejlecNelkul = m_fejlecNelkul->isChecked();
    for (int i = 0; i < m_mezok->count(); ++i)
        if (m_mezok->item(i)->checkState() == Qt::Checked)
            b.oszlopok.append(m_mezok->item(i)->data(Qt::UserRole).toInt());
    return b;
}

bool Tfrm_Hatarolt::exportal()
{
    if (m_fut)
        return false;
    if (m_fajl->text().trimmed().isEmpty()) {
        tallozas();
        if (m_fajl->text().trimmed().isEmpty())
            return false;
    }
    QString fajl = m_fajl->text().trimmed();
    const QString kit = QFileInfo(fajl).suffix().toLower();
    if (kit == QLatin1String("xml")) {
        HibaUzenet(QStringLiteral("Ebben a verzióban ez nem támogatott."), this);
        return false;
    }
    const HataroltBeallitas b = beallitas();
    if (b.oszlopok.isEmpty()) {
        HibaUzenet(QStringLiteral("Nincs kijelölt mező."), this);
        return false;
    }
    m_fut = true;
    m_allj = false;
    m_indit->setEnabled(false);
    m_megallit->setEnabled(true);
    // Rows are written until "Megállít"; the window repaints every 100 rows.
    auto folytat = [this](int sor, int osszes) {
        if (sor % 100 == 0) {
            m_haladas->setMaximum(std::max(osszes, 1));
            m_haladas->setValue(sor);
            QApplication::processEvents();
        }
        return !m_allj;
    };
    bool kesz = false;
    try {
        if (kit == QLatin1String("xlsx") || kit == QLatin1String("xls")) {
            // The worksheet is always the current format.
            if (kit == QLatin1String("xls"))
                fajl += QLatin1Char('x');
            XlsxBeallitas x;
            x.oszlopok = b.oszlopok;
            x.fejlec = !b.fejlecNelkul;
            x.eredetiNevek = b.eredetiNevek;
            XlsxMent(fajl, m_modell, x, folytat);
        } else {
            HataroltMent(fajl, HataroltIro(m_modell, b, m_fajtak).sorok(folytat));
        }
        kesz = true;
    } catch (const Hiba& h) {
        HibaMutat(h, this);
    }
    m_haladas->setValue(0);
    m_indit->setEnabled(true);
    m_megallit->setEnabled(false);
    m_fut = false;
    if (!kesz)
        return false;
    Uzenet(fajl + QStringLiteral(" file kész."), this);
    if (m_megnyit->isChecked())
        QDesktopServices::openUrl(QUrl::fromLocalFile(fajl));
    return true;
}

void HataroltExport(QAbstractItemModel* modell, const QList<OszlopFajta>& fajtak,
                    const QString& fajl, QWidget* szulo)
{
    Tfrm_Hatarolt ablak(modell, fajtak, fajl, szulo);
    ablak.exec();
}
