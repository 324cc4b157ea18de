#include "HibaKezeles.h"

#include "Uzenetek.h"

QString HibaSzoveg(const std::exception& h)
{
    if (const auto* sajat = dynamic_cast<const Hiba*>(&h))
        return sajat->hibaSzoveg();
    return QStringLiteral("Hiba: ") + QString::fromUtf8(h.what());
}

void HibaMutat(const std::exception& h, QWidget* szulo)
{
    HibaUzenet(HibaSzoveg(h), szulo);
}
