#include "Uzenetek.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace
{

std::function<bool(const UzenetAdat&)>& elfogo()
{
    static std::function<bool(const UzenetAdat&)> f;
    return f;
}

bool mutat(UzenetAdat::Tipus tipus, const QString& felirat, const QString& szoveg, QWidget* szulo,
           bool aktivVissza)
{
    if (elfogo())
        return elfogo()(UzenetAdat{tipus, felirat, szoveg});
    QPointer<QWidget> elozo = QApplication::activeWindow();
    QMessageBox box(szulo ? szulo : elozo.data());
    box.setWindowTitle(felirat);
    box.setText(szoveg);
    switch (tipus) {
    case UzenetAdat::Kerdes:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nem"));
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case UzenetAdat::Hiba:
        box.setIcon(QMessageBox::Critical);
        break;
    case UzenetAdat::Figyelmeztetes:
        box.setIcon(QMessageBox::Warning);
        break;
    case UzenetAdat::Informacio:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (tipus != UzenetAdat::Kerdes)
        box.setStandardButtons(QMessageBox::Ok);
    const int valasz = box.exec();
    if (aktivVissza && elozo)
        elozo->activateWindow();
    return valasz == QMessageBox::Yes;
}

} // namespace

bool Megerosites(const QString& szoveg, const QString& felirat, QWidget* szulo)
{
    return mutat(UzenetAdat::Kerdes, felirat, szoveg, szulo, true);
}

void HibaUzenet(const QString& szoveg, QWidget* szulo)
{
    mutat(UzenetAdat::Hiba, QStringLiteral("Hiba"), szoveg, szulo, true);
}

void Figyelmeztetes(const QString& szoveg, QWidget* szulo)
{
    mutat(UzenetAdat::Figyelmeztetes, QStringLiteral("Figyelmeztetés"), szoveg, szulo, false);
}

void Uzenet(const QString& szoveg, QWidget* szulo)
{
    mutat(UzenetAdat::Informacio, QStringLiteral("Üzenet"), szoveg, szulo, false);
}

std::function<bool(const UzenetAdat&)> UzenetElfogo(std::function<bool(const UzenetAdat&)> uj)
{
    auto regi = elfogo();
    elfogo() = std::move(uj);
    return regi;
}
