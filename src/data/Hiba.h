#pragma once

// The base of the program's error family: a database error (DbHiba), a file
// or archive that cannot be read or written, a refused backup. Every error
// carries a Hungarian message meant for the operator; a window shows any of
// them at its boundary through one helper ("Hiba: " + uzenet()).

#include <QString>
#include <stdexcept>

class Hiba : public std::runtime_error
{
public:
    explicit Hiba(const QString& uzenet)
        : std::runtime_error(uzenet.toStdString()), m_uzenet(uzenet)
    {
    }

    const QString& uzenet() const { return m_uzenet; }
    // The text of the error box at a window's boundary: "Hiba: " + message.
    // An error whose message is already the whole text (a printing error)
    // gives it unchanged.
    virtual QString hibaSzoveg() const { return QStringLiteral("Hiba: ") + m_uzenet; }

private:
    QString m_uzenet;
};
