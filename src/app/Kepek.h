#pragma once

// The program's pictures, drawn at run time: the open and closed shift
// pictures, the picture beside the VAT-group totals and the splash picture.

#include <QPixmap>

QPixmap NyitottKep(int meret = 48);
QPixmap LezartKep(int meret = 48);
QPixmap PenztarKep(int meret = 128);
// The splash picture; the transparent parts stand for the grey of the
// original bitmap.
QPixmap LogoKep(int meret = 512);
