#pragma once

// Delimited text without widgets: reading the price-list files that salons
// keep (Windows-1250 or UTF-8 with or without BOM, CR LF or LF line ends,
// ";", "|" or TAB between the values, values optionally in double quotes
// with the separator, a doubled quote or line breaks inside), and writing
// delimited exports of any query result.

#include "Hiba.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class QAbstractItemModel;
class QIODevice;

// A file whose text cannot be split into records (an unclosed quote, text
// after a closing quote). sor() is the 1-based line where the fault is.
class HataroltHiba : public Hiba
{
public:
    HataroltHiba(const QString& uzenet, int sor, const QString& oszlop = {})
        : Hiba(uzenet), m_sor(sor), m_oszlop(oszlop)
    {
    }
    int sor() const { return m_sor; }
    const QString& oszlop() const { return m_oszlop; }

private:
    int m_sor;
    QString m_oszlop;
};

// One record of a delimited file.
struct HataroltRekord {
    int sor = 0; // 1-based line where the record starts
    QStringList mezok;
    QList<bool> idezett; // the value stood in quotes (its spaces are kept)
};

// Decodes a file's bytes: a UTF-8 BOM or well-formed UTF-8 holding non-ASCII
// text is read as UTF-8, anything else as Windows-1250.
QString HataroltDekodol(const QByteArray& bajtok);

// Splits the text into records. Every ";", "|" and TAB outside quotes ends a
// value; CR LF, LF and a lone CR end a line; lines of white space only are
// skipped. A value that begins (after spaces) with a double quote runs to the
// closing quote; a doubled quote inside stands for one. Throws HataroltHiba.
QList<HataroltRekord> HataroltElemez(const QString& szoveg);

// True when every character can be stored in a latin2 column.
bool Latin2Kodolhato(const QString& szoveg);
// The first character that a latin2 column cannot hold, or a null QChar.
QChar Latin2Hibas(const QString& szoveg);

// --- Export ---------------------------------------------------------------------

struct HataroltBeallitas {
    QChar hatarolo = QLatin1Char(';');
    QString idezojel;          // "", "\"" or "'"
    bool tobbsoros = true;     // write long texts (else "BLOB")
    bool eredetiNevek = false; // field names instead of the header labels
    bool fejlecNelkul = false; // no header line (the first line stays empty)
    QList<int> oszlopok;       // model columns in order; empty: all
};

// How a column's values are written.
enum class OszlopFajta { Normal, Memo, Blob };

// The export of a model's rows (Qt::EditRole values) as lines, without line
// ends. The header line keeps its trailing separator; a value line loses it.
// A value has its backslashes doubled and CR and LF written as "\r" and
// "\n"; a value holding a separator (";", "|", TAB or the chosen one), a
// quote character or surrounding spaces is put in quotes even when no quote
// was chosen, its quotes doubled, so that the line keeps its columns. fajtak gives the kind of
// every model column (missing ones are Normal). folytat(row) is asked before each row; false stops
// after the rows written so far.
class HataroltIro
{
public:
    HataroltIro(const QAbstractItemModel* modell, const HataroltBeallitas& beallitas,
                const QList<OszlopFajta>& fajtak = {});

    QString fejlec() const;
    QString sor(int sor) const;
    // All lines; every line of a model that can fetch more is read first.
    QStringList sorok(const std::function<bool(int, int)>& folytat = {}) const;

    // A value as text: numbers with the workstation's decimal separator in
    // their shortest exact form, dates as yyyy-mm-dd.
    static QString ertekSzoveg(const QVariant& ertek);

private:
    QString mezo(const QString& ertek) const;
    const QAbstractItemModel* m_modell;
    HataroltBeallitas m_b;
    QList<int> m_oszlopok;
    QList<OszlopFajta> m_fajtak;
};

// Writes lines with CR LF ends: in Windows-1250 when every character has a
// byte there, otherwise in UTF-8 with a BOM. Throws Hiba when the file cannot
// be written (it is written beside its target and renamed when complete).
void HataroltMent(const QString& fajl, const QStringList& sorok);
// Undoes the escapes of the export in a value: "\\" gives "\", "\r" and
// "\n" give CR and LF; any other backslash stays.
QString HataroltVisszaalakit(const QString& ertek);
