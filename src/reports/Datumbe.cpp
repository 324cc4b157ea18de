#include "Datumbe.h"

#include <QDateEdit>

Tfrm_Datumbe::Tfrm_Datumbe(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Datumbe"));
    m_eDatum = new QDateEdit(this);
}

void Tfrm_Datumbe::beallit(const QDate& datum) { m_eDatum->setDate(datum); }
QDate Tfrm_Datumbe::datum() const { return m_eDatum->date(); }

bool DatumKer(QDate&, const QString&, QWidget*)
{
    return false;
}
