#pragma once

// A model's rows as an Excel worksheet (.xlsx, written with libxlsxwriter):
// a bold header line of the column names, numbers as number cells, dates as
// date cells, any other value as text (Hungarian letters kept). The file is
// written beside its target and renamed over it when complete.

#include <QList>
#include <QString>
#include <functional>

class QAbstractItemModel;

struct XlsxBeallitas {
    QList<int> oszlopok;       // model columns in order; empty: all
    bool fejlec = true;        // the first row holds the column names
    bool eredetiNevek = false; // header from Qt::UserRole when the model has it
    QString munkalap = QStringLiteral("Munka1");
};

// folytat(row, count) is asked before each row; false stops after the rows
// written so far (they are saved). Throws Hiba when the file cannot be
// written.
void XlsxMent(const QString& fajl, const QAbstractItemModel* modell,
              const XlsxBeallitas& beallitas = {},
              const std::function<bool(int, int)>& folytat = {});
