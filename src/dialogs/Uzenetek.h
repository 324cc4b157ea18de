#pragma once

// The four standard message boxes: confirmation (Yes/No, question icon,
// caller's caption, mostly "Megerősítés"), error ("Hiba"), warning
// ("Figyelmeztetés") and information ("Üzenet").
//
// Tests (and any headless run) can route the boxes to an interceptor instead
// of showing them: it receives what would have been shown and answers a
// confirmation with true for Yes.

#include <QString>
#include <functional>

class QWidget;

bool Megerosites(const QString& szoveg, const QString& felirat = QStringLiteral("Megerősítés"),
                 QWidget* szulo = nullptr);
void HibaUzenet(const QString& szoveg, QWidget* szulo = nullptr);
void Figyelmeztetes(const QString& szoveg, QWidget* szulo = nullptr);
void Uzenet(const QString& szoveg, QWidget* szulo = nullptr);

struct UzenetAdat {
    enum Tipus { Kerdes, Hiba, Figyelmeztetes, Informacio };
    Tipus tipus;
    QString felirat;
    QString szoveg;
};

// Installs an interceptor (an empty function removes it). Returns the one it
// replaced.
std::function<bool(const UzenetAdat&)> UzenetElfogo(std::function<bool(const UzenetAdat&)> elfogo);
