#pragma once

// The banded report engine: a report is declared as data (its data source,
// bands and elements), laid out into pages of positioned items without
// painting (tests check the layout), and painted by RiportRajz.h on a
// printer, the preview or a PDF file. Units are 0.1 mm throughout.
//
// Declaring a report (a wide layout and its narrow twin from one function):
//
//   RiportDef ForgKat(bool keskeny)
//   {
//       RiportDef d(QStringLiteral("Forgalom kategóriánként"), keskeny);
//       d.nev = QStringLiteral("qrForgKat");
//       d.forras.sql = {
//           QStringLiteral("SELECT cikkat.cikkat_nev AS kategoria, cikkszam_nev,"),
//           QStringLiteral(" SUM(rendeles.db*rendeles.ar) AS osszar"),
//           QStringLiteral("FROM rendeles INNER JOIN ..."),
//           QStringLiteral("WHERE (rendeles.fizetve='I') AND (rendeles.torolve='N')"),
//           QStringLiteral("GROUP BY 1, 2 ORDER BY 1, 2;")};
//       // or a procedure: d.forras.eljaras = "sp_haszon";
//       //                 d.forras.parameterek = {pd1, pd2};
//       const int w = d.belsoSzeles(); // 710 wide, 480 narrow
//       d.lapFejlec = RSav(60, {RKeret(0, 0, w, 60),
//                               RCimke(10, 10, w - 20, 40, d.cim).felkover()});
//       // A group on a field, with its header and footer band:
//       d.csoportok << RCsoport(
//           "kategoria", RSav(40, {RMezo(0, 0, w, 40, "kategoria").felkover()}),
//           RSav(40, {RKif(0, 0, w, 40, "SUM(osszar)", PenzKep).jobbra()}));
//       d.reszlet = RSav(40, {
//           RMezo(0, 0, w - 200, 40, "cikkszam_nev"),
//           RMezo(w - 200, 0, 200, 40, "osszar", PenzKep).jobbra()});
//       d.osszesito = RSav(80, {
//           RKif(0, 0, w, 40, "'Összesen: '+"
//                "FORMATNUMERIC('### ### ##0',SUM(Qry.osszar))").jobbra(),
//           RKif(0, 40, w, 30, "DATETIME").meret(6)});
//       return d;
//   }
//
// A member of the report family runs it with RiportFuttat (RiportKiad.h):
// rows, layout, then the printer of profile 1 or the preview:
//   RiportFuttat(ForgKat(Beall.keskenyblokk));
// By hand: RDokumentum doc = RiportKeszit(ForgKat(false), rows); then
// RiportPdf(doc, file), RiportNyomtat(doc, printer) or RiportElonezet(doc).
//
// Elements: RCimke (fixed text), RMezo (a field of the row, with an optional
// display picture such as "### ### ##0", "### ### ##0.00", "#######0.00",
// "##0%"), RKif (an expression), RKeret (a frame), RVonal (a horizontal rule),
// RKepElem (a picture). Expressions: 'text' and number literals, fields
// (name or Qry.name), + (numbers add, texts join), - * /, and
// SUM, COUNT, AVG, MIN, MAX (over the group in a group footer, over the data
// set elsewhere, running in the detail band), FORMATNUMERIC('picture', x),
// DATE, TIME, DATETIME (the document's time) and PAGENUMBER.
// A band's height may depend on the row (RSav::magasFv) and an element may
// print only when a condition holds (RElem::ha); elements with a name can be
// switched off for a run (RiportDef::elemLathato).

#include "Hiba.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

// Display pictures used throughout the program.
inline const QString PenzKep = QStringLiteral("### ### ##0");
inline const QString DbKep = QStringLiteral("### ### ##0.00");

class RAdat;

// One row of a data set as elements and computed fields see it.
class RSor
{
public:
    RSor(const RAdat* adat, int index) : m_adat(adat), m_index(index) {}
    // NULL (an invalid variant) for a missing field or row.
    QVariant ertek(const QString& mezo) const;
    QVariant ertek(int oszlop) const;
    QString szoveg(const QString& mezo) const;
    double szam(const QString& mezo) const; // NULL and text that is no number: 0
    int index() const { return m_index; }
    bool ervenyes() const;

private:
    const RAdat* m_adat;
    int m_index;
};

// A data set: column names and rows of values.
class RAdat
{
public:
    QStringList oszlopok;
    QList<QVariantList> sorok;

    // The column of a field (case-insensitive, "Qry." prefix allowed); -1.
    int oszlop(const QString& mezo) const;
    int sorDarab() const { return int(sorok.size()); }
    RSor sor(int i) const { return RSor(this, i); }
    // Appends a row given as values in column order.
    void hozzaad(const QVariantList& sor) { sorok << sor; }
};

struct RBetu {
    double meret = 0; // points; 0 = the report's font size
    bool felkover = false;
    bool dolt = false;
    QString csalad; // empty = the report's font family
};

struct RElem {
    enum Tipus { Cimke, Mezo, Kifejezes, Keret, Vonal, Kep };
    Tipus tipus = Cimke;
    int x = 0, y = 0, w = 0, h = 0;
    QString szoveg;   // label text, field name or expression
    QString formatum; // display picture of a number
    Qt::Alignment igazit = Qt::AlignLeft | Qt::AlignVCenter;
    RBetu betu;
    int vastag = 2; // line width of frames and rules
    QString nev;    // switched by RiportDef::elemLathato
    bool lathato = true;
    QImage kep;
    std::function<bool(const RSor&)> feltetel; // printed only when it holds

    RElem& jobbra()
    {
        igazit = Qt::AlignRight | Qt::AlignVCenter;
        return *this;
    }
    RElem& kozepre()
    {
        igazit = Qt::AlignHCenter | Qt::AlignVCenter;
        return *this;
    }
    RElem& fent()
    {
        igazit = (igazit & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
        return *this;
    }
    RElem& felkover(bool b = true)
    {
        betu.felkover = b;
        return *this;
    }
    RElem& dolt(bool b = true)
    {
        betu.dolt = b;
        return *this;
    }
    RElem& meret(double pt)
    {
        betu.meret = pt;
        return *this;
    }
    RElem& vonalVastag(int v)
    {
        vastag = v;
        return *this;
    }
    RElem& nevvel(const QString& n)
    {
        nev = n;
        return *this;
    }
    RElem& ha(std::function<bool(const RSor&)> f)
    {
        feltetel = std::move(f);
        return *this;
    }
};

RElem RCimke(int x, int y, int w, int h, const QString& szoveg);
RElem RMezo(int x, int y, int w, int h, const QString& mezo, const QString& formatum = {});
RElem RKif(int x, int y, int w, int h, const QString& kifejezes, const QString& formatum = {});
RElem RKeret(int x, int y, int w, int h);
RElem RVonal(int x, int y, int w);
RElem RKepElem(int x, int y, int w, int h, const QImage& kep);

struct RSav {
    int magas = 0;
    QList<RElem> elemek;
    std::function<int(const RSor&)> magasFv; // a height by the row, instead of magas
    bool lathato = true;

    RSav() = default;
    RSav(int m, QList<RElem> e) : magas(m), elemek(std::move(e)) {}
    bool ures() const { return !lathato || (magas <= 0 && !magasFv); }
};

struct RCsoport {
    QString mezo; // a new group starts where this field's value changes
    RSav fejlec;
    RSav lablec;
    RCsoport() = default;
    RCsoport(const QString& m, RSav f, RSav l = {})
        : mezo(m), fejlec(std::move(f)), lablec(std::move(l))
    {
    }
};

// Where the rows come from: query lines (joined by line breaks), or a stored
// procedure called with its parameters in order ("CALL sp(p1,p2);", dates
// as 'yyyy-mm-dd', texts quoted, numbers with a decimal point).
struct RForras {
    QStringList sql;
    QString eljaras;
    QVariantList parameterek;
    QString utasitas() const;
};

struct RSzamitott {
    QString nev;
    std::function<QVariant(const RSor&)> fv;
};

struct RiportDef {
    // Page geometry of the report family.
    static constexpr int SzelesLap = 750;  // 80 mm roll
    static constexpr int KeskenyLap = 520; // 57 mm roll
    static constexpr int TekercsHossz = 10000;
    static constexpr int Margo = 20;
    static constexpr int A4Szeles = 2100;
    static constexpr int A4Hossz = 2970;

    QString cim; // the title; also the spooler job name
    QString nev; // the report's own name
    int lapSzeles = SzelesLap;
    int lapHossz = TekercsHossz;
    int margo = Margo;
    // A continuous roll: the last page ends with its content.
    bool levag = true;
    RBetu betu{8, false, false, QStringLiteral("DejaVu Sans")};
    int peldany = 1;
    QDateTime ido; // DATE/TIME/DATETIME; invalid: the time of laying out

    RForras forras;
    QList<RSzamitott> szamitott;

    RSav cimSav; // once, at the top of the first page (below the page header)
    RSav lapFejlec;
    QList<RCsoport> csoportok; // outermost first
    RSav reszlet;
    RSav osszesito;
    RSav lapLablec;

    RiportDef() = default;
    RiportDef(const QString& c, bool keskeny = false)
        : cim(c), lapSzeles(keskeny ? KeskenyLap : SzelesLap)
    {
    }
    int belsoSzeles() const { return lapSzeles - 2 * margo; }
    void a4()
    {
        lapSzeles = A4Szeles;
        lapHossz = A4Hossz;
        levag = false;
    }
    // Switches every element named `nev` in every band.
    void elemLathato(const QString& nev, bool lathato);
    RElem* elem(const QString& nev); // the first element named so; nullptr
};

// --- Layout: positioned items on pages ------------------------------------------

struct RTetel {
    enum Tipus { Szoveg, Keret, Vonal, Kep };
    Tipus tipus = Szoveg;
    QRect hely; // on the page, 0.1 mm
    QString szoveg;
    RBetu betu; // resolved: size and family set
    Qt::Alignment igazit;
    int vastag = 0;
    int kep = -1; // index into RDokumentum::kepek
};

struct RLap {
    int szeles = 0, magas = 0;
    QList<RTetel> tetelek;
};

struct RDokumentum {
    QString cim;
    int peldany = 1;
    QList<RLap> lapok;
    QList<QImage> kepek;

    // Every text item of a page (or of all pages for -1), in layout order.
    QStringList szovegek(int lap = -1) const;
    // The first text item starting with `eleje`; nullptr.
    const RTetel* keres(const QString& eleje, int* lap = nullptr) const;
};

// Lays the data set out by the definition. Linear in the rows.
RDokumentum RiportKeszit(const RiportDef& def, const RAdat& adat);

// Opens the definition's data source on a connection. Throws DbHiba.
RAdat RAdatBetolt(const RForras& forras);
RAdat RAdatBetolt(const QString& sql);

// --- Expressions ------------------------------------------------------------------

// An expression error (unknown field or function, syntax), raised when a
// report is laid out; its text names the expression.
class RKifejezesHiba : public Hiba
{
public:
    using Hiba::Hiba;
};
