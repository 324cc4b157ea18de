#pragma once

// Running a laid-out report of the report family: its rows from its data
// source, the layout, and the output every member shares: the printer of
// profile 1 when it is installed (after the preview when "Egyéb
// nyomtatásoknál előbb nyomtatási kép" is on), otherwise the preview. The
// text lists of the same reports are composed as lines and go through the
// receipt preview instead (SzovegListaNyomtat).

#include "Riport.h"

#include <QStringList>

class QWidget;

// Where a finished document goes: see above. A print failure is shown and
// the preview opens, so nothing is lost.
void RiportKiad(const RDokumentum& doc, QWidget* szulo = nullptr);

// Opens the definition's data source, lays it out and sends it out
// (RiportKiad). Throws DbHiba when the data source fails and RKifejezesHiba
// for a definition naming a missing field.
void RiportFuttat(const RiportDef& def, QWidget* szulo = nullptr);

// A text list of the report family: the standard header with the title, the
// list's own heading lines, its data lines and total lines, the standard
// footer.
QStringList SzovegLista(const QString& cim, const QStringList& fejSorok,
                        const QStringList& adatSorok, const QStringList& osszegSorok);
// The same shown in the receipt preview with printer profile 1 preselected;
// true when the operator printed it.
bool SzovegListaNyomtat(const QString& cim, const QStringList& fejSorok,
                        const QStringList& adatSorok, const QStringList& osszegSorok,
                        QWidget* szulo = nullptr);
