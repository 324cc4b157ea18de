#include "Idoszak.h"

#include <QDateEdit>

Tfrm_Idoszak::Tfrm_Idoszak(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Idoszak"));
    m_eAlso = new QDateEdit(this);
    m_eFelso = new QDateEdit(this);
}

void Tfrm_Idoszak::beallit(const QDate& tol, const QDate& ig)
{
    m_eAlso->setDate(tol);
    m_eFelso->setDate(ig);
}

QDate Tfrm_Idoszak::tol() const { return m_eAlso->date(); }
QDate Tfrm_Idoszak::ig() const { return m_eFelso->date(); }

bool Tfrm_Idoszak::eventFilter(QObject* obj, QEvent* e) { return QDialog::eventFilter(obj, e); }

void Tfrm_Idoszak::elore(int) {}

bool IdoszakKer(QDate&, QDate&, const QString&, QWidget*)
{
    return false;
}
