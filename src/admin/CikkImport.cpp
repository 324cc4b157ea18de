#include "CikkImport.h"

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "Tranzakcio.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlQuery>
#include <climits>

namespace
{

constexpr int maxFejlec = 50;
constexpr int csomag = 200; // rows of one INSERT

QString hely(int sor, const QString& oszlop)
{
    return QString::number(sor) + QStringLiteral(". sor, [") + oszlop +
           QStringLiteral("] oszlop: ");
}

// A number as typed: spaces (also no-break ones) between the digits are
// grouping and dropped.
QString szamTisztit(const QString& s)
{
    QString t = s.trimmed();
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.remove(QChar(0x202F));
    return t;
}

QSet<int> kulcsok(const QString& sql, QSqlDatabase db)
{
    QSet<int> ki;
    QSqlQuery q = SqlNyit(sql, db);
    while (q.next())
        ki.insert(q.value(0).toInt());
    return ki;
}

QString sqlErtek(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
        return QString::number(v.toInt());
    case QMetaType::Double:
        return SzamSql(v.toDouble());
    case QMetaType::QDate:
        return SqlDatum(v.toDate());
    default:
        return SqlIdez(v.toString());
    }
}

} // namespace

QStringList ImportEredmeny::naplo(const QDate& nap) const
{
    QStringList s;
    s << nap.toString(QStringLiteral("yyyy.MM.dd")) << QString()
      << QStringLiteral("Frissített cikkek száma: ") + QString::number(frissitett)
      << QStringLiteral("Új cikkek száma: ") + QString::number(ujak.size()) << QString()
      << QStringLiteral("Új cikkek:") << QString();
    s += ujak;
    return s;
}

CikkImport::CikkImport(QSqlDatabase db) : m_db(db)
{
    QSqlQuery q =
        SqlNyit(QStringLiteral("SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH FROM "
                               "information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() AND "
                               "TABLE_NAME = 'cikkszam' ORDER BY ORDINAL_POSITION;"),
                db);
    while (q.next()) {
        CikkOszlop o;
        o.nev = q.value(0).toString().toLower();
        const QString t = q.value(1).toString().toLower();
        if (t.contains(QLatin1String("char")) || t.endsWith(QLatin1String("text"))) {
            o.tipus = CikkOszlop::Szoveg;
            const qlonglong h = q.value(2).toLongLong();
            o.hossz = h > 0 && h < 65536 ? int(h) : 0;
        } else if (t.endsWith(QLatin1String("int"))) {
            o.tipus = CikkOszlop::Egesz;
        } else if (t == QLatin1String("double") || t == QLatin1String("float") ||
                   t == QLatin1String("decimal")) {
            o.tipus = CikkOszlop::Valos;
        } else if (t == QLatin1String("date")) {
            o.tipus = CikkOszlop::Datum;
        }
        m_index.insert(o.nev, int(m_oszlopok.size()));
        m_oszlopok.append(o);
    }
    if (m_oszlopok.isEmpty())
        throw DbHiba(QStringLiteral("A cikkszam tábla nem található az adatbázisban."));
    m_cikkat = kulcsok(QStringLiteral("SELECT cikkat FROM cikkat;"), db);
    m_besorolas = kulcsok(QStringLiteral("SELECT besorolas FROM besorolas;"), db);
    m_mert = kulcsok(QStringLiteral("SELECT mert FROM mert;"), db);
}

CikkImport::CikkImport(const QList<CikkOszlop>& oszlopok, const QSet<int>& cikkat,
                       const QSet<int>& besorolas, const QSet<int>& mert)
    : m_oszlopok(oszlopok), m_cikkat(cikkat), m_besorolas(besorolas), m_mert(mert)
{
    for (int i = 0; i < m_oszlopok.size(); ++i)
        m_index.insert(m_oszlopok.at(i).nev, i);
}

QStringList CikkImport::fejlecNevek(const HataroltRekord& fejlec)
{
    QStringList ki;
    for (const QString& n : fejlec.mezok.mid(0, maxFejlec))
        ki.append(n.trimmed().toLower());
    return ki;
}

bool CikkImport::importalhato(const QString& oszlop) const
{
    auto it = m_index.constFind(oszlop);
    if (it == m_index.cend())
        return false;
    // The internal number is the program's own; an import never sets it.
    const CikkOszlop& o = m_oszlopok.at(*it);
    return o.nev != QLatin1String("cikkazon") && o.tipus != CikkOszlop::Egyeb;
}

QVariant CikkImport::atalakit(const CikkOszlop& o, const QString& nyers, bool idezett,
                              int sor) const
{
    switch (o.tipus) {
    case CikkOszlop::Szoveg: {
        const QString s = HataroltVisszaalakit(idezett ? nyers : nyers.trimmed());
        if (o.hossz > 0 && s.size() > o.hossz)
            throw HataroltHiba(hely(sor, o.nev) + QStringLiteral("„%1” túl hosszú (legfeljebb %2 "
                                                                 "karakter fér el).")
                                                      .arg(s)
                                                      .arg(o.hossz),
                               sor, o.nev);
        const QChar rossz = Latin2Hibas(s);
        if (!rossz.isNull())
            throw HataroltHiba(hely(sor, o.nev) +
                                   QStringLiteral("„%1” olyan karaktert tartalmaz („%2”, U+%3), "
                                                  "amelyet az adatbázis nem tud tárolni.")
                                       .arg(s, QString(rossz))
                                       .arg(rossz.unicode(), 4, 16, QLatin1Char('0')),
                               sor, o.nev);
        return s;
    }
    case CikkOszlop::Egesz: {
        static const QRegularExpression minta(QStringLiteral("^[+-]?\\d+([.,]0*)?$"));
        const QString s = szamTisztit(nyers);
        bool ok = minta.match(s).hasMatch();
        qlonglong v = 0;
        if (ok) {
            QString egesz = s;
            for (qsizetype k = 0; k < egesz.size(); ++k)
                if (egesz.at(k) == QLatin1Char('.') || egesz.at(k) == QLatin1Char(',')) {
                    egesz.truncate(k);
                    break;
                }
            if (egesz.startsWith(QLatin1Char('+')))
                egesz.remove(0, 1);
            v = egesz.toLongLong(&ok);
            ok = ok && v >= INT_MIN && v <= INT_MAX;
        }
        if (!ok)
            throw HataroltHiba(hely(sor, o.nev) +
                                   QStringLiteral("„%1” nem egész szám.").arg(nyers.trimmed()),
                               sor, o.nev);
        const int i = int(v);
        const QSet<int>* hivatkozott = nullptr;
        QString mi;
        if (o.nev == QLatin1String("cikkat")) {
            hivatkozott = &m_cikkat;
            mi = QStringLiteral("árlista tétel kategória");
        } else if (o.nev == QLatin1String("besorolas")) {
            hivatkozott = &m_besorolas;
            mi = QStringLiteral("besorolás");
        } else if (o.nev == QLatin1String("mert")) {
            hivatkozott = &m_mert;
            mi = QStringLiteral("mértékegység");
        }
        if (hivatkozott && i != 0 && !hivatkozott->contains(i))
            throw HataroltHiba(
                hely(sor, o.nev) + QStringLiteral("nincs %1 számú %2.").arg(i).arg(mi), sor, o.nev);
        return i;
    }
    case CikkOszlop::Valos: {
        static const QRegularExpression minta(QStringLiteral("^[+-]?(\\d+[.,]?\\d*|[.,]\\d+)$"));
        QString s = szamTisztit(nyers);
        bool ok = minta.match(s).hasMatch();
        double d = 0;
        if (ok) {
            s.replace(QLatin1Char(','), QLatin1Char('.'));
            d = s.toDouble(&ok);
        }
        if (!ok)
            throw HataroltHiba(hely(sor, o.nev) +
                                   QStringLiteral("„%1” nem szám.").arg(nyers.trimmed()),
                               sor, o.nev);
        return d;
    }
    case CikkOszlop::Datum: {
        const QString s = nyers.trimmed();
        QDate d = QLocale().toDate(s, QLocale::ShortFormat);
        for (const char* f : {"yyyy-MM-dd", "yyyy.MM.dd", "yyyy.MM.dd."})
            if (!d.isValid())
                d = QDate::fromString(s, QLatin1String(f));
        if (!d.isValid())
            throw HataroltHiba(hely(sor, o.nev) + QStringLiteral("„%1” nem dátum.").arg(s), sor,
                               o.nev);
        return d;
    }
    case CikkOszlop::Egyeb:
        break;
    }
    return {};
}

ImportTerv CikkImport::tervez(const QString& szoveg, const QSet<QString>& kizart) const
{
    return tervez(HataroltElemez(szoveg), kizart);
}

ImportTerv CikkImport::tervez(const QList<HataroltRekord>& rekordok,
                              const QSet<QString>& kizart) const
{
    ImportTerv terv;
    if (rekordok.isEmpty())
        throw HataroltHiba(QStringLiteral("Nem található cikkszám az állományban. [cikkszam]"), 1,
                           QStringLiteral("cikkszam"));
    terv.fejlec = fejlecNevek(rekordok.first());

    // Positions of the columns the import sets.
    QList<int> poz;
    QList<const CikkOszlop*> oszl;
    int kodPoz = -1;
    QSet<QString> latott;
    for (int p = 0; p < terv.fejlec.size(); ++p) {
        const QString& n = terv.fejlec.at(p);
        if (n.isEmpty())
            continue;
        if (!importalhato(n)) {
            terv.ismeretlen.append(n);
            continue;
        }
        if (latott.contains(n))
            throw HataroltHiba(QStringLiteral("%1. sor: a(z) [%2] oszlop kétszer szerepel a "
                                              "fejlécben.")
                                   .arg(rekordok.first().sor)
                                   .arg(n),
                               rekordok.first().sor, n);
        latott.insert(n);
        if (n == QLatin1String("cikkszam"))
            kodPoz = p;
        else if (kizart.contains(n))
            continue;
        poz.append(p);
        oszl.append(&m_oszlopok.at(m_index.value(n)));
        terv.oszlopok.append(n);
    }
    if (kodPoz < 0)
        throw HataroltHiba(QStringLiteral("Nem található cikkszám az állományban. [cikkszam]"),
                           rekordok.first().sor, QStringLiteral("cikkszam"));
    // Every line must hold a value for every named header column.
    int kell = 0;
    for (int p = 0; p < terv.fejlec.size(); ++p)
        if (!terv.fejlec.at(p).isEmpty())
            kell = p + 1;

    QHash<QString, int> kodSor;
    for (qsizetype r = 1; r < rekordok.size(); ++r) {
        const HataroltRekord& rek = rekordok.at(r);
        if (rek.mezok.size() < kell) {
            const QString hianyzo = terv.fejlec.at(rek.mezok.size());
            throw HataroltHiba(
                QStringLiteral("%1. sor: hiányzik a(z) [%2] oszlop értéke (a sorban "
                               "%3 érték van, a fejlécben %4 oszlop).")
                    .arg(rek.sor)
                    .arg(hianyzo.isEmpty() ? QString::number(rek.mezok.size() + 1) : hianyzo)
                    .arg(rek.mezok.size())
                    .arg(kell),
                rek.sor, hianyzo);
        }
        for (qsizetype p = kell; p < rek.mezok.size(); ++p)
            if (p >= terv.fejlec.size() && !rek.mezok.at(p).trimmed().isEmpty())
                throw HataroltHiba(QStringLiteral("%1. sor: több érték van a sorban, mint ahány "
                                                  "oszlop a fejlécben (%2 > %3); egy érték "
                                                  "határolójelet tartalmaz idézőjelek nélkül?")
                                       .arg(rek.sor)
                                       .arg(rek.mezok.size())
                                       .arg(terv.fejlec.size()),
                                   rek.sor);

        ImportTetel t;
        t.sor = rek.sor;
        const CikkOszlop& kodOszlop = m_oszlopok.at(m_index.value(QStringLiteral("cikkszam")));
        t.cikkszam =
            atalakit(kodOszlop, rek.mezok.at(kodPoz), rek.idezett.at(kodPoz), rek.sor).toString();
        if (t.cikkszam.trimmed().isEmpty())
            throw HataroltHiba(hely(rek.sor, QStringLiteral("cikkszam")) +
                                   QStringLiteral("hiányzik a cikkszám."),
                               rek.sor, QStringLiteral("cikkszam"));
        if (kodSor.contains(t.cikkszam))
            throw HataroltHiba(hely(rek.sor, QStringLiteral("cikkszam")) +
                                   QStringLiteral("a(z) „%1” cikkszám már szerepelt a(z) %2. "
                                                  "sorban.")
                                       .arg(t.cikkszam)
                                       .arg(kodSor.value(t.cikkszam)),
                               rek.sor, QStringLiteral("cikkszam"));
        kodSor.insert(t.cikkszam, rek.sor);
        for (qsizetype k = 0; k < poz.size(); ++k) {
            const int p = poz.at(k);
            const QString& nyers = rek.mezok.at(p);
            const bool idezett = rek.idezett.at(p);
            // An empty value leaves the column as it is.
            if ((idezett ? nyers : nyers.trimmed()).isEmpty())
                continue;
            t.ertekek.append({oszl.at(k)->nev, atalakit(*oszl.at(k), nyers, idezett, rek.sor)});
        }
        terv.tetelek.append(t);
    }
    return terv;
}

ImportEredmeny CikkImport::vegrehajt(const ImportTerv& terv, bool csakUj,
                                     const std::function<bool(int, int)>& haladas) const
{
    ImportEredmeny e;
    Tranzakcio tr(m_db);
    // The existing codes; the rows stay locked until the end so that no
    // other workstation changes or numbers items meanwhile.
    QHash<QString, int> letezo;
    int kovetkezo = 1;
    {
        QSqlQuery q = SqlNyit(
            QStringLiteral("SELECT cikkazon, cikkszam FROM cikkszam ORDER BY cikkazon FOR UPDATE;"),
            m_db);
        while (q.next()) {
            const int azon = q.value(0).toInt();
            const QString kod = q.value(1).toString();
            if (!letezo.contains(kod))
                letezo.insert(kod, azon);
            kovetkezo = std::max(kovetkezo, azon + 1);
        }
    }

    // The starting values of a new item; every other column takes its
    // default.
    static const QList<QPair<QString, QString>> kezdo = {
        {QStringLiteral("ar"), QStringLiteral("0")},
        {QStringLiteral("torolve"), QStringLiteral("'N'")},
        {QStringLiteral("kellar"), QStringLiteral("'N'")},
        {QStringLiteral("vankedv"), QStringLiteral("'I'")},
        {QStringLiteral("vanszerviz"), QStringLiteral("'I'")},
        {QStringLiteral("aktiv"), QStringLiteral("'I'")},
        {QStringLiteral("port1"), QStringLiteral("'0'")},
        {QStringLiteral("port2"), QStringLiteral("'0'")},
        {QStringLiteral("port3"), QStringLiteral("'0'")},
        {QStringLiteral("port4"), QStringLiteral("'0'")},
    };
    QStringList ujOszlopok{QStringLiteral("cikkazon"), QStringLiteral("cikkszam")};
    for (const auto& k : kezdo)
        if (m_index.contains(k.first))
            ujOszlopok.append(k.first);
    for (const QString& o : terv.oszlopok)
        if (!ujOszlopok.contains(o))
            ujOszlopok.append(o);
    const QString insertFej = QStringLiteral("INSERT INTO cikkszam (") + ujOszlopok.join(u',') +
                              QStringLiteral(") VALUES ");
    QStringList ujSorok;
    auto kiir = [&] {
        if (ujSorok.isEmpty())
            return;
        SqlFuttat(insertFej + ujSorok.join(u',') + QLatin1Char(';'), m_db);
        ujSorok.clear();
    };

    // Updates are written in blocks as well: rows that set the same columns
    // go into one "INSERT ... ON DUPLICATE KEY UPDATE" keyed by cikkazon
    // (every row exists and is locked, so each one is an update).
    QHash<QString, QStringList> frissites;
    auto frissitKiir = [&](const QString& oszlopok) {
        QStringList& sorok = frissites[oszlopok];
        if (sorok.isEmpty())
            return;
        QStringList set;
        for (const QString& o : oszlopok.split(u','))
            set.append(o + QStringLiteral("=VALUES(") + o + QLatin1Char(')'));
        SqlFuttat(QStringLiteral("INSERT INTO cikkszam (cikkazon,") + oszlopok +
                      QStringLiteral(") VALUES ") + sorok.join(u',') +
                      QStringLiteral(" ON DUPLICATE KEY UPDATE ") + set.join(u',') +
                      QLatin1Char(';'),
                  m_db);
        sorok.clear();
    };

    const int n = int(terv.tetelek.size());
    for (int i = 0; i < n; ++i) {
        const ImportTetel& t = terv.tetelek.at(i);
        auto it = letezo.constFind(t.cikkszam);
        if (it != letezo.cend()) {
            if (!csakUj) {
                ++e.frissitett;
                QStringList oszl, ert{QString::number(*it)};
                for (const auto& [o, v] : t.ertekek)
                    if (o != QLatin1String("cikkszam")) {
                        oszl.append(o);
                        ert.append(sqlErtek(v));
                    }
                if (!oszl.isEmpty()) {
                    const QString kulcs = oszl.join(u',');
                    QStringList& sorok = frissites[kulcs];
                    sorok.append(QLatin1Char('(') + ert.join(u',') + QLatin1Char(')'));
                    if (sorok.size() >= csomag)
                        frissitKiir(kulcs);
                }
            }
        } else {
            const int azon = kovetkezo++;
            letezo.insert(t.cikkszam, azon);
            QHash<QString, QString> ertek;
            for (const auto& k : kezdo)
                ertek.insert(k.first, k.second);
            QString nev;
            for (const auto& [o, v] : t.ertekek) {
                ertek.insert(o, sqlErtek(v));
                if (o == QLatin1String("cikkszam_nev"))
                    nev = v.toString();
            }
            ertek.insert(QStringLiteral("cikkazon"), QString::number(azon));
            ertek.insert(QStringLiteral("cikkszam"), SqlIdez(t.cikkszam));
            QStringList sor;
            for (const QString& o : ujOszlopok)
                sor.append(ertek.value(o, QStringLiteral("DEFAULT")));
            ujSorok.append(QLatin1Char('(') + sor.join(u',') + QLatin1Char(')'));
            e.ujak.append(t.cikkszam + QLatin1Char(';') + nev);
            if (ujSorok.size() >= csomag)
                kiir();
        }
        if (haladas && !haladas(i + 1, n))
            throw Hiba(QStringLiteral("Az importálás megszakítva, az adatbázis nem változott."));
    }
    kiir();
    for (const QString& kulcs : frissites.keys())
        frissitKiir(kulcs);
    return e;
}
