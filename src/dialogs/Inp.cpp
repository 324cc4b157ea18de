#include "Inp.h"

#include "Beall.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SzamSzuro.h"
#include "Uzenetek.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

Tfrm_Inp::Tfrm_Inp(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Inp"));
    // Enter accepts here (the default button), it does not move on. Called
    // first so that the controls inherit the font size.
    AblakBeallit(this, false, false);

    m_kerdes = new QLabel(this);
    m_kerdes->setObjectName(QStringLiteral("lblKerdes"));
    m_kerdes->setWordWrap(true);
    m_kerdes->setMinimumWidth(260);

    m_szam = new QLineEdit(this);
    m_szam->setObjectName(QStringLiteral("edSzam"));
    m_szam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = m_szam->font();
    f.setPixelSize(15);
    m_szam->setFont(f);
    m_szam->installEventFilter(new SzamSzuro(QStringLiteral(",-"), m_szam));

    m_also = new QLabel(this);
    m_also->setObjectName(QStringLiteral("lblAlso"));
    QFont kicsi = m_also->font();
    kicsi.setPointSizeF(qMax(6.0, kicsi.pointSizeF() - 1));
    m_also->setFont(kicsi);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));

    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_also, 1, Qt::AlignLeft | Qt::AlignBottom);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_kerdes);
    fo->addWidget(m_szam);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &Tfrm_Inp::Ok);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    m_szam->setFocus();
}

void Tfrm_Inp::beallit(const QString& felirat, const QString& kerdes, const QString& szoveg)
{
    setWindowTitle(felirat);
    m_kerdes->setText(kerdes);
    m_szam->setText(szoveg);
    m_szam->selectAll();
}

void Tfrm_Inp::korlatBeallit(double max)
{
    m_vanKorlat = true;
    m_korlat = max;
}

void Tfrm_Inp::korlatTorol()
{
    m_vanKorlat = false;
}

double Tfrm_Inp::ertek() const
{
    return SzamErtek(SzokozNelkul(m_szam->text()), 0.0);
}

void Tfrm_Inp::Ok()
{
    const double v = ertek();
    // A limit summed from prices may sit a rounding error below the amount
    // it displays; that amount must still pass.
    const double tures = 1e-9 * qMax(1.0, std::fabs(m_korlat));
    if (m_vanKorlat && v > m_korlat + tures) {
        HibaUzenet(QStringLiteral("Túl nagy szám, legfeljebb ") +
                       SzamFormat(m_korlat, QStringLiteral("### ### ##0.00")) +
                       QStringLiteral(" lehet."),
                   this);
        m_szam->setFocus();
        return;
    }
    accept();
}

bool InpSzam(const QString& felirat, const QString& kerdes, double& szam, QWidget* szulo)
{
    Tfrm_Inp d(szulo);
    d.beallit(felirat, kerdes, SzamFormat(szam, Beall.PenzFormatum));
    if (d.exec() != QDialog::Accepted)
        return false;
    szam = d.ertek();
    return true;
}

bool InpSzamMax(const QString& felirat, const QString& kerdes, double& szam, double max,
                QWidget* szulo)
{
    Tfrm_Inp d(szulo);
    d.beallit(felirat, kerdes, SzamFormat(szam, Beall.DbFormatum));
    d.korlatBeallit(max);
    d.alsoCimke()->setText(QStringLiteral("Szabad: ") + SzamFormat(max, Beall.DbFormatum));
    if (d.exec() != QDialog::Accepted)
        return false;
    szam = d.ertek();
    return true;
}
