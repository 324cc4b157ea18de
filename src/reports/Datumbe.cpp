#include "Datumbe.h"

#include "SegedUI.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_Datumbe::Tfrm_Datumbe(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Datumbe"));
    setWindowTitle(QStringLiteral("Dátum megadása"));

    m_eDatum = new QDateEdit(QDate::currentDate(), this);
    m_eDatum->setObjectName(QStringLiteral("eDatum"));
    m_eDatum->setCalendarPopup(true);
    m_eDatum->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    m_eDatum->setMinimumWidth(200);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    megsem->setObjectName(QStringLiteral("btnMegsem"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(megsem, &QPushButton::clicked, this, &QDialog::reject);

    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(ok);
    gombok->addWidget(megsem);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_eDatum);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    // Enter confirms (the default button) instead of moving on.
    AblakBeallit(this, false, false);
    m_eDatum->setFocus();
}

void Tfrm_Datumbe::beallit(const QDate& datum)
{
    m_eDatum->setDate(datum);
}

QDate Tfrm_Datumbe::datum() const
{
    return m_eDatum->date();
}

bool DatumKer(QDate& datum, const QString& felirat, QWidget* szulo)
{
    Tfrm_Datumbe d(szulo);
    if (!felirat.isEmpty())
        d.setWindowTitle(felirat);
    d.beallit(datum);
    if (d.exec() != QDialog::Accepted)
        return false;
    datum = d.datum();
    return true;
}
