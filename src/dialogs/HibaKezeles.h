#pragma once

// Errors at a window's boundary: a routine throws a Hiba (DbHiba, ArchivHiba,
// a printing or file error) and the window's handler shows it in the error
// box "Hiba" as "Hiba: " + its message. Any other std::exception (a file that
// cannot be written, a value that does not convert) is shown the same way
// with its own text.

#include "Hiba.h"

#include <exception>
#include <utility>

class QWidget;

// The error box text of the error (see Hiba::hibaSzoveg()).
QString HibaSzoveg(const std::exception& h);
// Shows the error in the error box "Hiba".
void HibaMutat(const std::exception& h, QWidget* szulo = nullptr);

// Runs f; any error it throws is shown in the error box. True when f
// finished without an error.
template <class F> bool HibaKezel(QWidget* szulo, F&& f)
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& h) {
        HibaMutat(h, szulo);
        return false;
    }
}
