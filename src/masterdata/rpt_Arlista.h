#pragma once

// The printed lists of the master windows on the report engine: the price
// list (wide "qrArlista" and narrow "qrArlista60") and the current stock
// list ("qrGyujto").

#include "Riport.h"

class QWidget;

RiportDef TqrArlista(bool keskeny);
RiportDef TqrGyujto();

// The item list's "Nyomtat": the narrow layout when keskenyblokk is set.
void ArlistaNyomtat(QWidget* szulo = nullptr);
