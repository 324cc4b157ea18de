#include "Felhasznalo.h"

Tfrm_Felhasznalo::Tfrm_Felhasznalo(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Felhasznalo"));
}

QString Tfrm_Felhasznalo::szamlalo() const { return {}; }
QString Tfrm_Felhasznalo::aktualisKod() const { return {}; }
void Tfrm_Felhasznalo::frissit(const QString&) {}

void Felhasznalok(QWidget*) {}
void BelepesiNaplo(QWidget*) {}
