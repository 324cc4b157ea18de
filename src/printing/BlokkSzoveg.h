#pragma once

// The text documents of the receipt printers: the standard header and footer
// every text document carries, the code page conversion, the start and cut
// sequences of the printer makes, and the byte streams of the raw spooler
// path and of the port path. No widgets.
//
// A document is a list of lines (QString); on its way to a printer it becomes
// Windows-1250 bytes (AnsiBajtok) and then the profile's code page.

#include "Nyomtato.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct TBeall;

// The product label of the footer; the maker's web address beside it is
// KeszitoWebCim() (Beall.h), empty unless the INI file names one.
QString TermekFelirat();

// Appends the standard header: a blank line, the owner block (centred on the
// width of profile 1, or on 24 with "SPrint"), a blank line, the centred
// title and a blank line. Reads Beall and profile 1.
void FejlecHozzaad(QStringList& lista, const QString& cim);
// Appends the standard footer: a blank line, the date and time, the product
// label and the maker's web address when one is set (one line ending at the
// width of profile 1 with at least one space between them, or two lines when
// they do not fit or with "SPrint", whose label is padded to 24), four blank
// lines.
void LablecHozzaad(QStringList& lista);

// The same with the inputs given: the owner fields and SPrint of `b`, the
// line width w and the time printed in the footer.
void FejlecHozzaad(QStringList& lista, const QString& cim, const TBeall& b, int w);
void LablecHozzaad(QStringList& lista, bool sprint, int w, const QDateTime& ido);
void LablecHozzaad(QStringList& lista, bool sprint, int w, const QDateTime& ido,
                   const QString& web);

// The width of profile 1; AlapSzeles when it does not exist.
inline constexpr int AlapSzeles = 40;
int Profil1Szeles();

// Converts Windows-1250 bytes to the code page `kodlapkonv` (0 none,
// 1 PC850, 2 PC852, 3 PC437 without accents). Bytes other than the eighteen
// Hungarian letters pass unchanged; an unknown code converts nothing.
QByteArray KodlapKonvertal(const QByteArray& ansi, int kodlapkonv);
// The same for a text: Windows-1250 bytes of the text (a character outside
// the code page becomes "?"), converted.
QByteArray SzovegKodlap(const QString& szoveg, int kodlapkonv);

// The start sequence of a make (Star depends on the code page) and its cut
// sequence (empty without a cutter). Unknown makes have none.
QByteArray StartSorozat(int marka, int kodlapkonv);
QByteArray VagoSorozat(int marka, bool cutter);

// Appends `extrasor` lines of one space and then a line holding ".", so the
// paper is fed past the tear bar.
void EmelesHozzaad(QStringList& sorok, int extrasor);

// The lines as the printer gets them: joined with CR LF, converted to the
// code page and split again (a line holding a line break becomes two).
QList<QByteArray> NyomtatoSorok(const QStringList& sorok, int kodlapkonv);

// The complete byte streams for a profile, feed lines included.
// Raw spooler job: start + every line followed by CR LF + cut.
QByteArray SzovegesAdat(const TNyomtato& ny, const QStringList& sorok);
// Port or file: start, CR LF, every line followed by CR LF, cut, CR LF.
QByteArray DirektAdat(const TNyomtato& ny, const QStringList& sorok);
