#include "TorzsCikkszam.h"

#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

Tfrm_TorzsCikkszam::Tfrm_TorzsCikkszam(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_TorzsCikkszam"));
    setWindowTitle(QStringLiteral("Árlista"));
    m_modell = new QSqlQueryModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_modell);
    auto* l = new QVBoxLayout(this);
    l->addWidget(m_grid);
}

void Tfrm_TorzsCikkszam::megnyit(int)
{
}

int Tfrm_TorzsCikkszam::aktualisAzon() const
{
    return -1;
}

int ArlistaValaszt(int, bool, QWidget*)
{
    return -1;
}
