#pragma once

// The price-list import without widgets: a delimited file of sale items is
// read, checked and converted completely first; only a file without a
// single fault is written, in one transaction, so that an import is all or
// nothing.

#include "HataroltSzoveg.h"
#include "Kapcsolat.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

// A column of `cikkszam` as the server describes it.
struct CikkOszlop {
    enum Tipus { Szoveg, Egesz, Valos, Datum, Egyeb };
    QString nev;
    Tipus tipus = Egyeb;
    int hossz = 0; // characters of a text column, 0 when unbounded
};

// One item of the file: its code and the values that are not empty.
struct ImportTetel {
    int sor = 0;
    QString cikkszam;
    QList<QPair<QString, QVariant>> ertekek; // column, converted value
};

struct ImportTerv {
    QStringList fejlec;     // the header names by position (lower-case; empty ones skipped)
    QStringList ismeretlen; // header names that are no importable column
    QStringList oszlopok;   // the columns the import sets, in header order
    QList<ImportTetel> tetelek;
};

struct ImportEredmeny {
    int frissitett = 0;
    QStringList ujak; // "code;name" of every new item
    // The result log: the date, the counts and the new items.
    QStringList naplo(const QDate& nap = QDate::currentDate()) const;
};

class CikkImport
{
public:
    // Reads the columns of `cikkszam` and the keys of the categories,
    // classifications and units. Throws DbHiba.
    explicit CikkImport(QSqlDatabase db = Kapcsolat::fo());
    // Without a server: the columns and the known keys given (checking a
    // file offline).
    CikkImport(const QList<CikkOszlop>& oszlopok, const QSet<int>& cikkat,
               const QSet<int>& besorolas, const QSet<int>& mert);

    // The header names of a file (lower-case, trimmed, at most 50; empty
    // names give empty entries so that positions stay).
    static QStringList fejlecNevek(const HataroltRekord& fejlec);

    const QList<CikkOszlop>& oszlopok() const { return m_oszlopok; }
    bool importalhato(const QString& oszlop) const;

    // First pass: checks every line and converts every value. kizart holds
    // header columns the user unticked. Throws HataroltHiba naming the line
    // and the column of the first fault; nothing is written.
    ImportTerv tervez(const QList<HataroltRekord>& rekordok,
                      const QSet<QString>& kizart = {}) const;
    // The same from a file's text.
    ImportTerv tervez(const QString& szoveg, const QSet<QString>& kizart = {}) const;

    // Second pass, in one transaction: an item whose code exists (exact
    // match) is updated, or left alone with csakUj; any other is inserted.
    // haladas(done, count) is asked after each item; false cancels and rolls
    // everything back (a Hiba is thrown). Throws DbHiba; nothing stays
    // written after any error.
    ImportEredmeny vegrehajt(const ImportTerv& terv, bool csakUj,
                             const std::function<bool(int, int)>& haladas = {}) const;

private:
    QVariant atalakit(const CikkOszlop& o, const QString& ertek, bool idezett, int sor) const;

    QSqlDatabase m_db;
    QList<CikkOszlop> m_oszlopok;
    QHash<QString, int> m_index;
    QSet<int> m_cikkat, m_besorolas, m_mert;
};
