#include "Beallit.h"

Tfrm_Beallit::Tfrm_Beallit(const TBeallitSor& sor, CikkValaszto valaszto, QWidget* szulo)
    : QDialog(szulo), m_sor(sor), m_valaszto(std::move(valaszto))
{
    setObjectName(QStringLiteral("frm_Beallit"));
}

void Tfrm_Beallit::cikkValaszt(int) {}
void Tfrm_Beallit::cikkTorol(int) {}
QString Tfrm_Beallit::cikkNev(int) const { return {}; }
void Tfrm_Beallit::felepit() {}
void Tfrm_Beallit::kiolvas() {}
bool Tfrm_Beallit::ment() { return false; }
QWidget* Tfrm_Beallit::altalanosLap() { return nullptr; }
QWidget* Tfrm_Beallit::nyomtatasLap() { return nullptr; }
QWidget* Tfrm_Beallit::jelszoLap() { return nullptr; }
QWidget* Tfrm_Beallit::erintoLap() { return nullptr; }
QWidget* Tfrm_Beallit::gombSor(QWidget*) { return nullptr; }
void Tfrm_Beallit::okKattint() {}

void Beallitasok(QWidget*, CikkValaszto) {}
