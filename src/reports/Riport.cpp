#include "Riport.h"

#include "KozosDB.h"
#include "Seged.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

// --- Data set -----------------------------------------------------------------------

namespace
{

QString mezoNev(const QString& mezo)
{
    const int pont = int(mezo.lastIndexOf(QLatin1Char('.')));
    return pont < 0 ? mezo.trimmed() : mezo.mid(pont + 1).trimmed();
}

bool szamTipus(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

// The display text of a field value without a picture.
QString ertekSzoveg(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return SzamSzoveg(v.toDouble());
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy.MM.dd"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
    default:
        return v.toString();
    }
}

double ertekSzam(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (szamTipus(v))
        return v.toDouble();
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0;
}

} // namespace

int RAdat::oszlop(const QString& mezo) const
{
    const QString n = mezoNev(mezo);
    for (int i = 0; i < oszlopok.size(); ++i)
        if (oszlopok.at(i).compare(n, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool RSor::ervenyes() const
{
    return m_adat && m_index >= 0 && m_index < m_adat->sorDarab();
}

QVariant RSor::ertek(int oszlop) const
{
    if (!ervenyes() || oszlop < 0)
        return {};
    const QVariantList& s = m_adat->sorok.at(m_index);
    return oszlop < s.size() ? s.at(oszlop) : QVariant();
}

QVariant RSor::ertek(const QString& mezo) const
{
    return m_adat ? ertek(m_adat->oszlop(mezo)) : QVariant();
}

QString RSor::szoveg(const QString& mezo) const
{
    return ertekSzoveg(ertek(mezo));
}

double RSor::szam(const QString& mezo) const
{
    return ertekSzam(ertek(mezo));
}

// --- Elements and definitions -------------------------------------------------------

namespace
{

RElem elem(RElem::Tipus t, int x, int y, int w, int h, const QString& szoveg)
{
    RElem e;
    e.tipus = t;
    e.x = x;
    e.y = y;
    e.w = w;
    e.h = h;
    e.szoveg = szoveg;
    return e;
}

} // namespace

RElem RCimke(int x, int y, int w, int h, const QString& szoveg)
{
    return elem(RElem::Cimke, x, y, w, h, szoveg);
}

RElem RMezo(int x, int y, int w, int h, const QString& mezo, const QString& formatum)
{
    RElem e = elem(RElem::Mezo, x, y, w, h, mezo);
    e.formatum = formatum;
    return e;
}

RElem RKif(int x, int y, int w, int h, const QString& kifejezes, const QString& formatum)
{
    RElem e = elem(RElem::Kifejezes, x, y, w, h, kifejezes);
    e.formatum = formatum;
    return e;
}

RElem RKeret(int x, int y, int w, int h)
{
    return elem(RElem::Keret, x, y, w, h, {});
}

RElem RVonal(int x, int y, int w)
{
    return elem(RElem::Vonal, x, y, w, 0, {});
}

RElem RKepElem(int x, int y, int w, int h, const QImage& kep)
{
    RElem e = elem(RElem::Kep, x, y, w, h, {});
    e.kep = kep;
    return e;
}

namespace
{

template <typename F> void mindenSav(RiportDef& d, F f)
{
    f(d.cimSav);
    f(d.lapFejlec);
    for (RCsoport& c : d.csoportok) {
        f(c.fejlec);
        f(c.lablec);
    }
    f(d.reszlet);
    f(d.osszesito);
    f(d.lapLablec);
}

} // namespace

void RiportDef::elemLathato(const QString& n, bool lathato)
{
    mindenSav(*this, [&](RSav& s) {
        for (RElem& e : s.elemek)
            if (e.nev == n)
                e.lathato = lathato;
    });
}

RElem* RiportDef::elem(const QString& n)
{
    RElem* talalt = nullptr;
    mindenSav(*this, [&](RSav& s) {
        for (RElem& e : s.elemek)
            if (!talalt && e.nev == n)
                talalt = &e;
    });
    return talalt;
}

QString RForras::utasitas() const
{
    if (eljaras.isEmpty())
        return sql.join(QLatin1Char('\n'));
    QStringList arg;
    for (const QVariant& p : parameterek) {
        switch (p.metaType().id()) {
        case QMetaType::QDate:
            arg << SqlDatum(p.toDate());
            break;
        case QMetaType::QDateTime:
            arg << SqlDatumIdo(p.toDateTime());
            break;
        case QMetaType::QString:
            arg << SqlIdez(p);
            break;
        default:
            arg << (p.isNull() ? QStringLiteral("NULL") : SzamSql(p.toDouble()));
        }
    }
    return QStringLiteral("CALL ") + eljaras + QLatin1Char('(') + arg.join(QLatin1Char(',')) +
           QStringLiteral(");");
}

RAdat RAdatBetolt(const QString& sql)
{
    QSqlQuery q = SqlNyit(sql);
    RAdat a;
    const QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i)
        a.oszlopok << r.fieldName(i);
    const int n = int(a.oszlopok.size());
    while (q.next()) {
        QVariantList s;
        s.reserve(n);
        for (int i = 0; i < n; ++i)
            s << q.value(i);
        a.sorok << s;
    }
    return a;
}

RAdat RAdatBetolt(const RForras& forras)
{
    return RAdatBetolt(forras.utasitas());
}

// --- Expressions --------------------------------------------------------------------

namespace
{

struct Ertek {
    bool szam = true;
    bool null = false; // a NULL field: an empty text, or 0 in arithmetic
    double d = 0;
    QString s;

    QString szoveg() const { return null ? QString() : szam ? SzamSzoveg(d) : s; }
    double szamErtek() const
    {
        if (szam)
            return d;
        bool ok = false;
        const double x = s.trimmed().toDouble(&ok);
        return ok ? x : 0;
    }
};

enum class Agg { Sum, Count, Avg, Min, Max };

struct Kif {
    enum Op {
        Szam,
        Szoveg,
        Mezo,
        Plusz,
        Minusz,
        Szor,
        Per,
        Neg,
        Aggr,
        Format,
        Datum,
        Ido,
        DatumIdo,
        Oldal
    };
    Op op = Szam;
    double d = 0;
    QString s;
    int oszlop = -1;
    int agg = -1; // index of the accumulator
    Agg fajta = Agg::Sum;
    std::vector<std::unique_ptr<Kif>> gy;
};

struct Gyujto {
    double osszeg = 0;
    long long darab = 0;
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    void hozzaad(double x)
    {
        osszeg += x;
        ++darab;
        min = std::min(min, x);
        max = std::max(max, x);
    }
    double ertek(Agg f) const
    {
        switch (f) {
        case Agg::Sum:
            return osszeg;
        case Agg::Count:
            return double(darab);
        case Agg::Avg:
            return darab ? osszeg / double(darab) : 0;
        case Agg::Min:
            return darab ? min : 0;
        case Agg::Max:
            return darab ? max : 0;
        }
        return 0;
    }
};

class Elemzo
{
public:
    Elemzo(const QString& szoveg, const RAdat& adat, std::vector<Kif*>& aggregatumok)
        : m_t(szoveg), m_adat(adat), m_agg(aggregatumok)
    {
    }

    std::unique_ptr<Kif> elemez()
    {
        auto k = osszeg();
        ures();
        if (m_p < m_t.size())
            hiba(QStringLiteral("váratlan karakter"));
        return k;
    }

private:
    const QString& m_t;
    const RAdat& m_adat;
    std::vector<Kif*>& m_agg;
    qsizetype m_p = 0;
    bool m_aggBelul = false;

    [[noreturn]] void hiba(const QString& mi) const
    {
        throw RKifejezesHiba(
            QStringLiteral("Hibás kifejezés (%1, %2. karakter): %3").arg(mi).arg(m_p + 1).arg(m_t));
    }
    void ures()
    {
        while (m_p < m_t.size() && m_t.at(m_p).isSpace())
            ++m_p;
    }
    bool jel(QChar c)
    {
        ures();
        if (m_p < m_t.size() && m_t.at(m_p) == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    void var(QChar c)
    {
        if (!jel(c))
            hiba(QStringLiteral("hiányzó „%1”").arg(c));
    }

    static std::unique_ptr<Kif> ketOp(Kif::Op op, std::unique_ptr<Kif> a, std::unique_ptr<Kif> b)
    {
        auto k = std::make_unique<Kif>();
        k->op = op;
        k->gy.push_back(std::move(a));
        k->gy.push_back(std::move(b));
        return k;
    }

    std::unique_ptr<Kif> osszeg()
    {
        auto a = szorzat();
        for (;;) {
            if (jel(QLatin1Char('+')))
                a = ketOp(Kif::Plusz, std::move(a), szorzat());
            else if (jel(QLatin1Char('-')))
                a = ketOp(Kif::Minusz, std::move(a), szorzat());
            else
                return a;
        }
    }

    std::unique_ptr<Kif> szorzat()
    {
        auto a = tenyezo();
        for (;;) {
            if (jel(QLatin1Char('*')))
                a = ketOp(Kif::Szor, std::move(a), tenyezo());
            else if (jel(QLatin1Char('/')))
                a = ketOp(Kif::Per, std::move(a), tenyezo());
            else
                return a;
        }
    }

    std::unique_ptr<Kif> tenyezo()
    {
        ures();
        if (m_p >= m_t.size())
            hiba(QStringLiteral("a kifejezés véget ért"));
        const QChar c = m_t.at(m_p);
        auto k = std::make_unique<Kif>();
        if (c == QLatin1Char('(')) {
            ++m_p;
            k = osszeg();
            var(QLatin1Char(')'));
            return k;
        }
        if (c == QLatin1Char('-')) {
            ++m_p;
            k->op = Kif::Neg;
            k->gy.push_back(tenyezo());
            return k;
        }
        if (c == QLatin1Char('\'')) {
            ++m_p;
            k->op = Kif::Szoveg;
            for (;;) {
                if (m_p >= m_t.size())
                    hiba(QStringLiteral("lezáratlan szöveg"));
                if (m_t.at(m_p) == QLatin1Char('\'')) {
                    if (m_p + 1 < m_t.size() && m_t.at(m_p + 1) == QLatin1Char('\'')) {
                        k->s += QLatin1Char('\'');
                        m_p += 2;
                        continue;
                    }
                    ++m_p;
                    break;
                }
                k->s += m_t.at(m_p++);
            }
            return k;
        }
        if (c.isDigit() || c == QLatin1Char('.')) {
            const qsizetype eleje = m_p;
            while (m_p < m_t.size() && (m_t.at(m_p).isDigit() || m_t.at(m_p) == QLatin1Char('.')))
                ++m_p;
            bool ok = false;
            k->op = Kif::Szam;
            k->d = m_t.mid(eleje, m_p - eleje).toDouble(&ok);
            if (!ok)
                hiba(QStringLiteral("hibás szám"));
            return k;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype eleje = m_p;
            while (m_p < m_t.size() &&
                   (m_t.at(m_p).isLetterOrNumber() || m_t.at(m_p) == QLatin1Char('_') ||
                    m_t.at(m_p) == QLatin1Char('.')))
                ++m_p;
            const QString nev = m_t.mid(eleje, m_p - eleje);
            const QString nagy = nev.toUpper();
            const bool zarojel = jel(QLatin1Char('('));
            return azonosito(nev, nagy, zarojel);
        }
        hiba(QStringLiteral("váratlan karakter"));
    }

    std::unique_ptr<Kif> azonosito(const QString& nev, const QString& nagy, bool zarojel)
    {
        auto k = std::make_unique<Kif>();
        static const QStringList aggNevek = {QStringLiteral("SUM"),     QStringLiteral("COUNT"),
                                             QStringLiteral("AVERAGE"), QStringLiteral("AVG"),
                                             QStringLiteral("MIN"),     QStringLiteral("MAX")};
        const int ai = int(aggNevek.indexOf(nagy));
        if (ai >= 0) {
            if (m_aggBelul)
                hiba(QStringLiteral("összesítés összesítésben"));
            static const Agg fajtak[] = {Agg::Sum, Agg::Count, Agg::Avg,
                                         Agg::Avg, Agg::Min,   Agg::Max};
            k->op = Kif::Aggr;
            k->fajta = fajtak[ai];
            if (zarojel && !jel(QLatin1Char(')'))) {
                m_aggBelul = true;
                k->gy.push_back(osszeg());
                m_aggBelul = false;
                var(QLatin1Char(')'));
            } else if (!zarojel && k->fajta != Agg::Count) {
                hiba(QStringLiteral("hiányzó „(”"));
            }
            if (k->gy.empty() && k->fajta != Agg::Count)
                hiba(QStringLiteral("hiányzó argumentum"));
            k->agg = int(m_agg.size());
            m_agg.push_back(k.get());
            return k;
        }
        if (nagy == QLatin1String("FORMATNUMERIC")) {
            if (!zarojel)
                hiba(QStringLiteral("hiányzó „(”"));
            k->op = Kif::Format;
            k->gy.push_back(osszeg());
            var(QLatin1Char(','));
            k->gy.push_back(osszeg());
            var(QLatin1Char(')'));
            return k;
        }
        static const QStringList rendszer = {QStringLiteral("DATE"), QStringLiteral("TIME"),
                                             QStringLiteral("DATETIME"),
                                             QStringLiteral("PAGENUMBER")};
        const int ri = int(rendszer.indexOf(nagy));
        if (ri >= 0) {
            if (zarojel)
                var(QLatin1Char(')'));
            static const Kif::Op opok[] = {Kif::Datum, Kif::Ido, Kif::DatumIdo, Kif::Oldal};
            k->op = opok[ri];
            return k;
        }
        if (zarojel)
            hiba(QStringLiteral("ismeretlen függvény: ") + nev);
        k->op = Kif::Mezo;
        k->oszlop = m_adat.oszlop(nev);
        if (k->oszlop < 0)
            hiba(QStringLiteral("ismeretlen mező: ") + nev);
        return k;
    }
};

Ertek ertekbol(const QVariant& v)
{
    Ertek e;
    if (!v.isValid() || v.isNull()) {
        e.null = true;
        return e;
    }
    if (szamTipus(v)) {
        e.d = v.toDouble();
        return e;
    }
    e.szam = false;
    e.s = ertekSzoveg(v);
    return e;
}

struct Kornyezet {
    RSor sor;
    const std::vector<Gyujto>* gyujtok; // the accumulators of the band's level
    const QDateTime* ido;
    int oldal;
};

Ertek kiertekel(const Kif& k, const Kornyezet& kr)
{
    Ertek e;
    switch (k.op) {
    case Kif::Szam:
        e.d = k.d;
        return e;
    case Kif::Szoveg:
        e.szam = false;
        e.s = k.s;
        return e;
    case Kif::Mezo:
        return ertekbol(kr.sor.ertek(k.oszlop));
    case Kif::Plusz: {
        const Ertek a = kiertekel(*k.gy[0], kr);
        const Ertek b = kiertekel(*k.gy[1], kr);
        if (a.szam && b.szam) {
            e.d = a.d + b.d;
            e.null = a.null && b.null;
        } else {
            e.szam = false;
            e.s = a.szoveg() + b.szoveg();
        }
        return e;
    }
    case Kif::Minusz:
        e.d = kiertekel(*k.gy[0], kr).szamErtek() - kiertekel(*k.gy[1], kr).szamErtek();
        return e;
    case Kif::Szor:
        e.d = kiertekel(*k.gy[0], kr).szamErtek() * kiertekel(*k.gy[1], kr).szamErtek();
        return e;
    case Kif::Per: {
        const double b = kiertekel(*k.gy[1], kr).szamErtek();
        e.d = b == 0 ? 0 : kiertekel(*k.gy[0], kr).szamErtek() / b;
        return e;
    }
    case Kif::Neg:
        e.d = -kiertekel(*k.gy[0], kr).szamErtek();
        return e;
    case Kif::Aggr:
        e.d = kr.gyujtok ? (*kr.gyujtok)[size_t(k.agg)].ertek(k.fajta) : 0;
        return e;
    case Kif::Format:
        e.szam = false;
        e.s = SzamFormat(kiertekel(*k.gy[1], kr).szamErtek(), kiertekel(*k.gy[0], kr).szoveg());
        return e;
    case Kif::Datum:
        e.szam = false;
        e.s = kr.ido->toString(QStringLiteral("yyyy.MM.dd"));
        return e;
    case Kif::Ido:
        e.szam = false;
        e.s = kr.ido->toString(QStringLiteral("hh:mm:ss"));
        return e;
    case Kif::DatumIdo:
        e.szam = false;
        e.s = kr.ido->toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
        return e;
    case Kif::Oldal:
        e.d = kr.oldal;
        return e;
    }
    return e;
}

// --- Layout -------------------------------------------------------------------------

struct FElem {
    const RElem* e;
    std::unique_ptr<Kif> kif;
    int oszlop = -1;
    int kep = -1;
    RBetu betu;
};

struct FSav {
    const RSav* sav = nullptr;
    std::vector<FElem> elemek;
    int szint = 0; // accumulator level: 0 the data set, g + 1 group g
    bool ures() const { return !sav || sav->ures(); }
};

class Tordelo
{
public:
    Tordelo(const RiportDef& d, const RAdat& a) : m_d(d), m_a(a)
    {
        m_ido = d.ido.isValid() ? d.ido : QDateTime::currentDateTime();
        m_doc.cim = d.cim;
        m_doc.peldany = std::max(1, d.peldany);
        m_cimSav = fordit(d.cimSav, 0);
        m_fejlec = fordit(d.lapFejlec, 0);
        for (int g = 0; g < d.csoportok.size(); ++g) {
            const RCsoport& c = d.csoportok.at(g);
            const int oszlop = a.oszlop(c.mezo);
            if (oszlop < 0)
                throw RKifejezesHiba(QStringLiteral("Ismeretlen csoportmező: ") + c.mezo);
            m_csopOszlop.push_back(oszlop);
            m_csopFej.push_back(fordit(c.fejlec, g + 1));
            m_csopLab.push_back(fordit(c.lablec, g + 1));
        }
        m_reszlet = fordit(d.reszlet, 0);
        m_osszesito = fordit(d.osszesito, 0);
        m_lablec = fordit(d.lapLablec, 0);
        m_gyujtok.assign(d.csoportok.size() + 1, std::vector<Gyujto>(m_aggregatumok.size()));
        m_alja = d.lapHossz - d.margo - (m_lablec.ures() ? 0 : d.lapLablec.magas);
    }

    RDokumentum futtat()
    {
        const int n = m_a.sorDarab();
        const int g = int(m_csopOszlop.size());
        ujLap(m_a.sor(0));
        sav(m_cimSav, m_a.sor(0));
        for (int i = 0; i < n; ++i) {
            const RSor s = m_a.sor(i);
            // The outermost group whose field changes; every inner one
            // changes with it.
            int tores = g;
            if (i == 0) {
                tores = 0;
            } else {
                const RSor elozo = m_a.sor(i - 1);
                for (int c = 0; c < g; ++c) {
                    if (s.ertek(m_csopOszlop[size_t(c)]) != elozo.ertek(m_csopOszlop[size_t(c)])) {
                        tores = c;
                        break;
                    }
                }
                for (int c = g - 1; c >= tores; --c)
                    sav(m_csopLab[size_t(c)], elozo);
            }
            for (int c = tores; c < g; ++c) {
                std::fill(m_gyujtok[size_t(c) + 1].begin(), m_gyujtok[size_t(c) + 1].end(),
                          Gyujto());
                sav(m_csopFej[size_t(c)], s);
            }
            gyujt(s);
            sav(m_reszlet, s);
        }
        if (n > 0)
            for (int c = g - 1; c >= 0; --c)
                sav(m_csopLab[size_t(c)], m_a.sor(n - 1));
        sav(m_osszesito, m_a.sor(n - 1));
        zarLap(true, m_a.sor(n - 1));
        return std::move(m_doc);
    }

private:
    const RiportDef& m_d;
    const RAdat& m_a;
    RDokumentum m_doc;
    QDateTime m_ido;
    std::vector<Kif*> m_aggregatumok;
    std::vector<std::vector<Gyujto>> m_gyujtok;
    std::vector<int> m_csopOszlop;
    FSav m_cimSav, m_fejlec, m_reszlet, m_osszesito, m_lablec;
    std::vector<FSav> m_csopFej, m_csopLab;
    int m_y = 0;
    int m_tartalomEleje = 0;
    int m_alja = 0;

    RBetu betu(const RBetu& b) const
    {
        RBetu r = b;
        if (r.meret <= 0)
            r.meret = m_d.betu.meret > 0 ? m_d.betu.meret : 8;
        if (r.csalad.isEmpty())
            r.csalad = m_d.betu.csalad;
        return r;
    }

    FSav fordit(const RSav& s, int szint)
    {
        FSav f;
        f.sav = &s;
        f.szint = szint;
        for (const RElem& e : s.elemek) {
            if (!e.lathato)
                continue;
            FElem fe;
            fe.e = &e;
            fe.betu = betu(e.betu);
            if (e.tipus == RElem::Mezo) {
                fe.oszlop = m_a.oszlop(e.szoveg);
                if (fe.oszlop < 0)
                    throw RKifejezesHiba(QStringLiteral("Ismeretlen mező: ") + e.szoveg);
            } else if (e.tipus == RElem::Kifejezes) {
                fe.kif = Elemzo(e.szoveg, m_a, m_aggregatumok).elemez();
            } else if (e.tipus == RElem::Kep) {
                if (e.kep.isNull())
                    continue;
                fe.kep = int(m_doc.kepek.size());
                m_doc.kepek << e.kep;
            }
            f.elemek.push_back(std::move(fe));
        }
        return f;
    }

    void gyujt(const RSor& s)
    {
        if (m_aggregatumok.empty())
            return;
        const Kornyezet kr{s, nullptr, &m_ido, int(m_doc.lapok.size())};
        for (size_t i = 0; i < m_aggregatumok.size(); ++i) {
            const Kif* k = m_aggregatumok[i];
            const double x = k->gy.empty() ? 0 : kiertekel(*k->gy[0], kr).szamErtek();
            for (auto& szint : m_gyujtok)
                szint[i].hozzaad(x);
        }
    }

    int magassag(const FSav& f, const RSor& s) const
    {
        return f.sav->magasFv ? f.sav->magasFv(s) : f.sav->magas;
    }

    void ujLap(const RSor& s)
    {
        if (!m_doc.lapok.isEmpty())
            zarLap(false, s);
        RLap lap;
        lap.szeles = m_d.lapSzeles;
        lap.magas = m_d.lapHossz;
        m_doc.lapok << lap;
        m_y = m_d.margo;
        if (!m_fejlec.ures())
            rajzol(m_fejlec, s, magassag(m_fejlec, s));
        m_tartalomEleje = m_y;
    }

    void zarLap(bool utolso, const RSor& s)
    {
        RLap& lap = m_doc.lapok.last();
        const int lablec = m_lablec.ures() ? 0 : m_d.lapLablec.magas;
        if (utolso && m_d.levag) {
            lap.magas = std::min(m_d.lapHossz, m_y + lablec + m_d.margo);
        } else {
            m_y = m_d.lapHossz - m_d.margo - lablec;
        }
        if (lablec > 0)
            rajzol(m_lablec, s, lablec);
    }

    void sav(const FSav& f, const RSor& s)
    {
        if (f.ures())
            return;
        const int h = magassag(f, s);
        if (h <= 0)
            return;
        if (m_y + h > m_alja && m_y > m_tartalomEleje)
            ujLap(s);
        rajzol(f, s, h);
    }

    void rajzol(const FSav& f, const RSor& s, int h)
    {
        RLap& lap = m_doc.lapok.last();
        const Kornyezet kr{s, &m_gyujtok[size_t(f.szint)], &m_ido, int(m_doc.lapok.size())};
        for (const FElem& fe : f.elemek) {
            const RElem& e = *fe.e;
            if (e.feltetel && !e.feltetel(s))
                continue;
            RTetel t;
            t.hely = QRect(m_d.margo + e.x, m_y + e.y, e.w, e.h);
            t.igazit = e.igazit;
            t.vastag = e.vastag;
            t.betu = fe.betu;
            switch (e.tipus) {
            case RElem::Cimke:
                t.szoveg = e.szoveg;
                break;
            case RElem::Mezo: {
                const QVariant v = s.ertek(fe.oszlop);
                t.szoveg = e.formatum.isEmpty() || !v.isValid() || v.isNull()
                               ? ertekSzoveg(v)
                               : SzamFormat(ertekSzam(v), e.formatum);
                break;
            }
            case RElem::Kifejezes: {
                const Ertek x = kiertekel(*fe.kif, kr);
                t.szoveg =
                    x.szam && !e.formatum.isEmpty() ? SzamFormat(x.d, e.formatum) : x.szoveg();
                break;
            }
            case RElem::Keret:
                t.tipus = RTetel::Keret;
                break;
            case RElem::Vonal:
                t.tipus = RTetel::Vonal;
                break;
            case RElem::Kep:
                t.tipus = RTetel::Kep;
                t.kep = fe.kep;
                break;
            }
            lap.tetelek << t;
        }
        m_y += h;
    }
};

} // namespace

RDokumentum RiportKeszit(const RiportDef& def, const RAdat& adat)
{
    if (def.szamitott.isEmpty())
        return Tordelo(def, adat).futtat();
    // Computed fields become columns, each seeing those before it.
    RAdat a = adat;
    for (const RSzamitott& sz : def.szamitott) {
        a.oszlopok << sz.nev;
        for (int i = 0; i < a.sorDarab(); ++i) {
            const QVariant v = sz.fv(a.sor(i));
            a.sorok[i] << v;
        }
    }
    return Tordelo(def, a).futtat();
}

QStringList RDokumentum::szovegek(int lap) const
{
    QStringList ki;
    for (int l = 0; l < lapok.size(); ++l) {
        if (lap >= 0 && l != lap)
            continue;
        for (const RTetel& t : lapok.at(l).tetelek)
            if (t.tipus == RTetel::Szoveg)
                ki << t.szoveg;
    }
    return ki;
}

const RTetel* RDokumentum::keres(const QString& eleje, int* lap) const
{
    for (int l = 0; l < lapok.size(); ++l)
        for (const RTetel& t : lapok.at(l).tetelek)
            if (t.tipus == RTetel::Szoveg && t.szoveg.startsWith(eleje)) {
                if (lap)
                    *lap = l;
                return &t;
            }
    return nullptr;
}
