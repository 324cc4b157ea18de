#include "Login.h"

#include <QLineEdit>
#include <QPushButton>

Tfrm_Login::Tfrm_Login(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Login"));
}

void Tfrm_Login::okKattint() {}
void Tfrm_Login::ujJelszoKattint() {}

bool Belepes(TJog&, QWidget*)
{
    return false;
}
