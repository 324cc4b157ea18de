#pragma once

// Painting laid-out report pages: on any paint device (printer, preview,
// PDF writer, image) and straight into a PDF file. No widgets.

#include "Riport.h"

#include <QString>

class QPainter;
class QPagedPaintDevice;

// Paints one page with its top left corner at the painter's origin; `pont`
// is device pixels per 0.1 mm (the device's dots per inch / 254).
void RiportLapRajzol(QPainter& p, const RDokumentum& doc, int lap, double pont);

// Paints every page on a paged device (a printer or a PDF writer): the page
// size of each page is set from the document (a custom size in mm, no
// margins), a new page is started between pages. False when painting could
// not begin.
bool RiportEszkozreRajzol(QPagedPaintDevice& eszkoz, const RDokumentum& doc);

// Writes the document as a PDF file (the title as the document title). False
// with a reason when the file cannot be written.
bool RiportPdf(const RDokumentum& doc, const QString& fajl, QString* hiba = nullptr);

// One page as a picture at the given resolution (dots per inch), white
// background.
QImage RiportLapKep(const RDokumentum& doc, int lap, int dpi = 203);
