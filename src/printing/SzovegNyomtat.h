#pragma once

// Printing a text document on a printer profile: after a preview or at once,
// through one of the three output paths of the profile's `nyomtipus`:
// 0 the printer driver (the lines drawn, 75 to a page), 1 a raw spooler job
// with the make's control codes, 2 a port or file with the control codes.

#include "Nyomtato.h"

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Prints the lines on profile n (1..4). Direct: at once, returns false. Not
// direct: the preview with printer n preselected; true only when the user
// printed from it. A missing profile prints as an empty one (the graphic
// path on the default printer); in the preview it hides "Nyomtat".
bool SzovegNyomtat(int n, const QStringList& sorok, bool direkt, QWidget* szulo = nullptr);

// The output path of the profile's `nyomtipus`; any other value prints
// nothing. False when the path failed (its error has been shown).
bool ProfilNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo = nullptr);

// The three output paths; each first appends the feed lines. The text and
// port paths show "Hiba nyomtatás közben:" + CR LF + the reason on failure;
// the graphic path shows the same when no printer can be used. The port path
// to a file (not a device) tells where the file is (FajlbaNyomtatvaSzoveg).
bool GrafikusNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo = nullptr);
bool SzovegesNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo = nullptr);
bool DirektNyomtat(const TNyomtato& ny, const QStringList& sorok, QWidget* szulo = nullptr);

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

// The error text of the text and port paths: the translated
// "Hiba nyomtatás közben:", CR LF and the reason.
QString NyomtatasHibaSzoveg(const QString& ok);
// "A nyomtatás fájlba került:", CR LF and the file.
QString FajlbaNyomtatvaSzoveg(const QString& fajl);
