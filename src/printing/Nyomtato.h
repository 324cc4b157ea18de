#pragma once

// Printer profiles: the record, the profile file "Nyomtato.csv" in the data
// folder and the read operation every printing routine uses.
//
// The file is the comma-separated form of a table with exactly the thirteen
// fields of TNyomtato in that order: a header line with the field
// definitions, then one record per profile sorted by `nyomtato`; text values
// in double quotes (a quote inside doubled), Booleans as True and False,
// CR LF line ends. It is written in Windows-1250 when every text fits that
// code page (so the Windows workstations read it), otherwise in UTF-8.
// Reading is tolerant: quoted or bare values, CR LF or LF, UTF-8 or
// Windows-1250, any header lines (a line is a record when its first field is
// a whole number); missing values read as 0, empty or false.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct TNyomtato {
    int nyomtato = 0;     // profile number, 1 upwards
    QString nyomtato_nev; // printer name, or the port for the port path
    int nyomtipus = 0;    // 0 graphic, 1 raw spooler job, 2 port or file
    int kodlapkonv = 0;   // 0 Windows1250, 1 PC850, 2 PC852, 3 PC437
    QString betutipus;    // font name (graphic path)
    int betumeret = 0;    // font size in points (graphic path)
    int szeles = 0;       // line width in characters
    int extrasor = 0;     // blank lines fed after a document
    int marka = 0;        // 0 Star, 1 Samsung, 2 Elzab, 3 other
    bool cutter = false;  // the printer has a cutter
    QString nyomtipus_nev;
    QString kodlapkonv_nev;
    QString marka_nev;

    bool operator==(const TNyomtato&) const = default;
};

// The display names of the codes, in code order.
const QStringList& NyomtipusNevek();
const QStringList& KodlapNevek();
const QStringList& MarkaNevek();
// Sets the three display names from the codes; a code outside its list
// leaves its name untouched.
void NyomtatoNevekBeallit(TNyomtato& ny);

// AdatMappa() + "/Nyomtato.csv".
QString NyomtatoFajl();

// Reads the profile file afresh and copies profile n into ny. False (and ny
// untouched) when the file is missing or unreadable or has no profile n.
bool NyomtatoBetolt(int n, TNyomtato& ny);

// The file format.
QByteArray NyomtatoCsv(const QList<TNyomtato>& lista);
QList<TNyomtato> NyomtatoCsvOlvas(const QByteArray& adat);

// The whole list of a profile file: an empty list when the file does not
// exist. Both throw Hiba (with a Hungarian message naming the file) when the file cannot be read or
// written. Writing sorts by `nyomtato` and replaces the file only once the new content is complete.
QList<TNyomtato> NyomtatoListaOlvas(const QString& fajl);
void NyomtatoListaIr(const QString& fajl, const QList<TNyomtato>& lista);
