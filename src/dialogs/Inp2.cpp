#include "Inp2.h"

#include "Seged.h"
#include "SegedUI.h"
#include "SzamSzuro.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

Tfrm_Inp2::Tfrm_Inp2(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Inp2"));
    AblakBeallit(this, false, false);

    m_kerdes = new QLabel(this);
    m_kerdes->setObjectName(QStringLiteral("lblKerdes"));
    m_kerdes->setWordWrap(true);
    m_kerdes->setMinimumWidth(260);

    m_minusz = new QPushButton(QStringLiteral("−"), this);
    m_minusz->setObjectName(QStringLiteral("btnMinusz"));
    m_minusz->setToolTip(QStringLiteral("Eggyel kevesebb"));
    m_minusz->setAutoDefault(false);
    m_minusz->setFixedWidth(32);
    m_szam = new QLineEdit(this);
    m_szam->setObjectName(QStringLiteral("edSzam"));
    m_szam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_szam->installEventFilter(new SzamSzuro(QStringLiteral(",-"), m_szam));
    m_plusz = new QPushButton(QStringLiteral("+"), this);
    m_plusz->setObjectName(QStringLiteral("btnPlusz"));
    m_plusz->setToolTip(QStringLiteral("Eggyel több"));
    m_plusz->setAutoDefault(false);
    m_plusz->setFixedWidth(32);

    auto* megjCimke = new QLabel(QStringLiteral("megjegyzés"), this);
    megjCimke->setObjectName(QStringLiteral("lblMegjegyzes"));
    m_megj = new QLineEdit(this);
    m_megj->setObjectName(QStringLiteral("edMegjegyzes"));
    megjCimke->setBuddy(m_megj);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));

    auto* szamSor = new QHBoxLayout;
    szamSor->addWidget(m_minusz);
    szamSor->addWidget(m_szam, 1);
    szamSor->addWidget(m_plusz);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_kerdes);
    fo->addLayout(szamSor);
    fo->addWidget(megjCimke);
    fo->addWidget(m_megj);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &Tfrm_Inp2::Ok);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_minusz, &QPushButton::clicked, this, &Tfrm_Inp2::Minusz);
    connect(m_plusz, &QPushButton::clicked, this, &Tfrm_Inp2::Plusz);

    // The form sees Enter and Esc before any of its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    m_szam->setFocus();
}

void Tfrm_Inp2::beallit(const QString& felirat, const QString& kerdes, double szam,
                        const QString& megjegyzes)
{
    setWindowTitle(felirat);
    m_kerdes->setText(kerdes);
    m_szam->setText(SzamSzoveg(szam));
    m_szam->selectAll();
    m_megj->setText(megjegyzes);
}

double Tfrm_Inp2::ertek() const
{
    return SzamErtek(m_szam->text(), 0.0);
}

QString Tfrm_Inp2::megjegyzes() const
{
    return m_megj->text();
}

void Tfrm_Inp2::Ok()
{
    accept();
}

void Tfrm_Inp2::Minusz()
{
    lep(-1);
}

void Tfrm_Inp2::Plusz()
{
    lep(1);
}

void Tfrm_Inp2::lep(int irany)
{
    // The whole part of what the edit holds (12,5 steps to 11 and 13).
    const double egesz = std::trunc(ertek());
    m_szam->setText(SzamSzoveg(egesz + irany));
    m_szam->setFocus();
}

bool Tfrm_Inp2::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const auto mod = k->modifiers() & ~Qt::KeypadModifier;
        if (mod == Qt::NoModifier) {
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                Ok();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
        }
    }
    return QDialog::eventFilter(obj, e);
}

bool InpSzamMegj(const QString& felirat, const QString& kerdes, double& szam, QString& megjegyzes,
                 QWidget* szulo)
{
    Tfrm_Inp2 d(szulo);
    d.beallit(felirat, kerdes, szam, megjegyzes);
    if (d.exec() != QDialog::Accepted)
        return false;
    szam = d.ertek();
    megjegyzes = d.megjegyzes();
    return true;
}
