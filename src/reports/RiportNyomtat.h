#pragma once

// Laid-out reports on printers and in the preview: the printer chosen by its
// name, the copy count and the spooler job name of the document, and the
// print preview with a "PDF" button beside printing.

#include "Riport.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPrintPreviewDialog;
class QWidget;

// True when a printer of that name is installed.
bool RiportNyomtatoVan(const QString& nev);

// Prints on the named printer: the document's title as the job name, its
// copy count. False with a reason when the printer is unknown or printing
// fails.
bool RiportNyomtat(const RDokumentum& doc, const QString& nyomtatoNev, QString* hiba = nullptr);

// The modal preview (Qt's print preview) with "PDF" beside printing; printing
// from it uses the printer chosen there and the document's copy count.
void RiportElonezet(const RDokumentum& doc, QWidget* szulo = nullptr);

// The preview window itself, not yet shown (for tests and screenshots).
QPrintPreviewDialog* RiportElonezetAblak(const RDokumentum& doc, QWidget* szulo = nullptr);

// Headless runs and tests: where documents go instead of printers and the
// preview. The function receives the document, the printer name ("" for the
// preview) and returns whether printing succeeded; an empty one restores
// the printers.
// Tests: the printers that count as installed instead of the system's; an
// empty list restores the system's.
void RiportNyomtatokBeallit(const QStringList& nevek);
using RiportCelFv = std::function<bool(const RDokumentum&, const QString& nyomtato)>;
RiportCelFv RiportCel(RiportCelFv cel);
