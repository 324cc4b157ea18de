#pragma once

// Printing a text document on a printer profile: after a preview or at once,
// through one of the three output paths of the profile's `nyomtipus`:
// 0 the printer driver (the lines drawn, 75 to a page), 1 a raw spooler job
// with the make's control codes, 2 a port or file with the control codes.
// The routines show no message box of their own: a failed path throws
// NyomtatasHiba, and SzovegNyomtat hands it back in its result, so the
// window that asked for the document shows it (HibaMutat) and goes on.

#include "Nyomtato.h"
#include "RawNyomtatas.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// The outcome of SzovegNyomtat: whether the user printed from the preview
// (always false for a direct print), and the error of the output path when
// it failed.
struct [[nodiscard]] NyomtatasEredmeny {
    bool nyomtatva = false;
    std::optional<NyomtatasHiba> hiba;
    // The file the port path wrote when it is an ordinary file (not a
    // device): paper the operator has to look for. Empty otherwise.
    QString fajl;

    explicit operator bool() const { return nyomtatva; }
};

// Prints the lines on profile n (1..4). Direct: at once; `nyomtatva` is
// false. Not direct: the preview with printer n preselected; `nyomtatva` is
// true only when the user printed from it and the path did not fail. A
// missing profile prints as an empty one (the graphic path on the default
// printer); in the preview it hides "Nyomtat". A failed path is returned in
// `hiba`; nothing is retried.
NyomtatasEredmeny SzovegNyomtat(int n, const QStringList& sorok, bool direkt,
                                QWidget* szulo = nullptr);
// SzovegNyomtat for a window: a failure is shown in the error box over
// szulo, a direct print written to a file in the information box
// (FajlbaNyomtatvaSzoveg; the preview says that itself). Returns
// `nyomtatva`.
bool SzovegNyomtatMutat(int n, const QStringList& sorok, bool direkt, QWidget* szulo);

// The output path of the profile's `nyomtipus`; any other value prints
// nothing. Throws NyomtatasHiba when the path fails.
void ProfilNyomtat(const TNyomtato& ny, const QStringList& sorok);

// The three output paths; each first appends the feed lines. Each throws
// NyomtatasHiba with the reason: the spooler's or the port's refusal, or no
// printer that the graphic path can use.
void GrafikusNyomtat(const TNyomtato& ny, const QStringList& sorok);
void SzovegesNyomtat(const TNyomtato& ny, const QStringList& sorok);
void DirektNyomtat(const TNyomtato& ny, const QStringList& sorok);

// Lines per page of the graphic path.
inline constexpr int GrafikusOldalSorok = 75;
// Draws the lines on an open printer (no feed lines added): the profile's
// font (the default font when it has none), line j at x = 2 and
// y = row * line height + 30 device pixels, a new page after every 75 lines.
// Returns the number of pages, 0 when the printer could not be started.
int GrafikusRajzol(QPrinter& nyomtato, const TNyomtato& ny, const QStringList& sorok);

// Sends the graphic path to a PDF file instead of a printer (tests and
// headless runs); an empty name restores the printer.
void GrafikusPdfCel(const QString& fajl);
// "A nyomtatás fájlba került:", CR LF and the file.
QString FajlbaNyomtatvaSzoveg(const QString& fajl);
