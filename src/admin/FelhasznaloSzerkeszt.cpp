#include "FelhasznaloSzerkeszt.h"

Tfrm_FelhasznaloSzerkeszt::Tfrm_FelhasznaloSzerkeszt(const TFelhasznaloAdat& adat,
                                                     const QString& eredetiKod, QWidget* szulo)
    : QDialog(szulo), m_adat(adat), m_eredetiKod(eredetiKod)
{
    setObjectName(QStringLiteral("frm_FelhasznaloSzerkeszt"));
}

void Tfrm_FelhasznaloSzerkeszt::okKattint() {}
