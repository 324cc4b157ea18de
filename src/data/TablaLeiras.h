#pragma once

// The description of a master table and of its list window, without
// widgets: the table, its key and name columns, the list's query and
// columns, how keys are given, soft or physical delete with the "in use"
// test, the values of a new row and the right that guards changes. The list
// windows, their editors and the tests build every statement from it.

#include "Beall.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>

enum class KulcsMod {
    Kovetkezo, // the program chooses MAX + 1 (UjSorBeszur)
    Szerver,   // AUTO_INCREMENT
    Gepelt,    // typed by the operator; MAX + 1 when left empty or 0
};

enum class JogFajta { Nincs, Torzsszerkeszt, Rendszergazda };

struct OszlopLeiras {
    QString mezo;       // field of the list's result set
    QString cim;        // column title
    double arany = 0;   // share of the grid width on resize; 0: fixed width
    int szeles = 77;    // the fixed width
    QString kep;        // display picture of a number ("### ### ##0"); empty: as text
    bool jelzo = false; // an I/N flag, drawn as a glyph
    bool jobbra = false;
    QString rendezes; // the ORDER BY expression of the column; empty: mezo
};

struct TablaLeiras {
    QString tabla;
    QString kulcs;
    QString nevMezo;
    KulcsMod kulcsMod = KulcsMod::Kovetkezo;
    // Rows are never deleted but get torolve = 'I'.
    bool puhaTorles = false;
    // The list's query, one clause per line; the WHERE line (when there is
    // one) and the ORDER BY line are rewritten by search and sort.
    QStringList lista;
    // The WHERE condition without search ("(gyujto.torolve='N')"); empty:
    // the query has no WHERE line.
    QString alapFeltetel;
    // Server-side search: the columns matched with LIKE '%text%'. Empty:
    // the search only moves within the loaded rows.
    QStringList keresoMezok;
    QList<OszlopLeiras> oszlopok;
    // The "in use" test: the statement up to the key
    // ("SELECT CONCAT(gyujto_kod,': ',gyujto_nev) FROM gyujto WHERE (mert=")
    // and the message shown when it finds a row.
    QString hasznalatSql;
    QString hasznalatUzenet;
    // The values of a new row (besides the key), read when the row is made.
    std::function<QVariantMap()> ujErtekek;
    // Values that follow from a new row's key (a service point's button
    // position), set once the key is chosen.
    std::function<void(QVariantMap&, int)> kulcsKapott;
    JogFajta jog = JogFajta::Torzsszerkeszt;
    QString jogUzenetUj = QStringLiteral("Nincs jogosultság a művelethez.");
    QString jogUzenetSzerkeszt = QStringLiteral("Nincs jogosultság a művelethez.");
    QString jogUzenetTorol = QStringLiteral("Nincs jogosultság a művelethez.");

    int oszlopIndex(const QString& mezo) const;
    // The list's query ordered by `rendezes` (empty: as written) and, with
    // server-side search, filtered by `kereses`.
    QString listaSql(const QString& rendezes = {}, const QString& kereses = {}) const;
    // The WHERE condition for a search text.
    QString keresFeltetel(const QString& kereses) const;
    // The complete "in use" statement of a key; empty when there is none.
    QString hasznalatLekerdezes(int kulcsErtek) const;
    // UPDATE ... SET torolve='I' or DELETE.
    QString torlesSql(int kulcsErtek) const;
    QString beszurSql(const QVariantMap& ertekek) const;
    QString modositSql(const QVariantMap& ertekek, int kulcsErtek) const;
};

// A value as SQL: NULL, a number with a decimal point, or a quoted text.
QString SqlErtek(const QVariant& ertek);
bool JogVan(JogFajta jog, const TJog& j);

// The declared lengths of the text columns of a table (information_schema).
// Throws DbHiba.
QHash<QString, int> MezoHosszak(const QString& tabla);
// The first text value longer than its column, as the message shown to the
// operator; empty when every value fits.
QString HosszHiba(const QVariantMap& ertekek, const QHash<QString, int>& hosszak,
                  const QHash<QString, QString>& cimkek = {});

// Saves a row: a new one (kulcsErtek -1) or a change of the row with that
// key. Keys are given by the table's KulcsMod; a key in `ertekek` counts as
// typed by the operator unless it equals `ajanlott` (a key the editor
// proposed), which is moved on when another workstation took it meanwhile.
// Text longer than its column is refused before anything is sent. Returns
// the row's key. Throws Hiba (too long) or DbHiba.
int SorMent(const TablaLeiras& l, QVariantMap ertekek, int kulcsErtek, int ajanlott = 0,
            const QHash<QString, QString>& cimkek = {});

// The "in use" test of a key: the message and the first referring row's
// code and name, or empty text when the row may be deleted.
QString HasznalatHiba(const TablaLeiras& l, int kulcsErtek);
