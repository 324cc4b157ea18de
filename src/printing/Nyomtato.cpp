#include "Nyomtato.h"

#include "Ansi.h"
#include "Hiba.h"
#include "Mappak.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace
{

const QStringList mezoDefiniciok = {
    QStringLiteral("nyomtato:Integer"),
    QStringLiteral("nyomtato_nev:String(50)"),
    QStringLiteral("nyomtipus:Integer"),
    QStringLiteral("kodlapkonv:Integer"),
    QStringLiteral("betutipus:String(20)"),
    QStringLiteral("betumeret:Integer"),
    QStringLiteral("szeles:Integer"),
    QStringLiteral("extrasor:Integer"),
    QStringLiteral("marka:Integer"),
    QStringLiteral("cutter:Boolean"),
    QStringLiteral("nyomtipus_nev:String(50)"),
    QStringLiteral("kodlapkonv_nev:String(50)"),
    QStringLiteral("marka_nev:String(50)"),
};

QString idez(const QString& s)
{
    QString e = s;
    e.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + e + QLatin1Char('"');
}

// The fields of one CSV line.
QStringList mezokre(const QString& sor)
{
    QStringList mezok;
    QString akt;
    bool idezojelben = false;
    for (qsizetype i = 0; i < sor.size(); ++i) {
        const QChar c = sor.at(i);
        if (idezojelben) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < sor.size() && sor.at(i + 1) == QLatin1Char('"')) {
                    akt += c;
                    ++i;
                } else {
                    idezojelben = false;
                }
            } else {
                akt += c;
            }
        } else if (c == QLatin1Char('"')) {
            idezojelben = true;
        } else if (c == QLatin1Char(',')) {
            mezok << akt;
            akt.clear();
        } else {
            akt += c;
        }
    }
    mezok << akt;
    return mezok;
}

bool egeszE(const QString& s, int& ertek)
{
    bool ok = false;
    ertek = s.trimmed().toInt(&ok);
    return ok;
}

int egesz(const QStringList& m, int i)
{
    if (i >= m.size())
        return 0;
    int e = 0;
    if (egeszE(m.at(i), e))
        return e;
    // A float written by another program: rounded.
    bool ok = false;
    const double d = m.at(i).trimmed().toDouble(&ok);
    return ok ? int(std::lround(d)) : 0;
}

QString szoveg(const QStringList& m, int i)
{
    return i < m.size() ? m.at(i) : QString();
}

bool logikai(const QStringList& m, int i)
{
    const QString s = szoveg(m, i).trimmed().toLower();
    return s == QLatin1String("true") || s == QLatin1String("t") || s == QLatin1String("1") ||
           s == QLatin1String("i") || s == QLatin1String("igen") || s == QLatin1String("yes") ||
           s == QLatin1String("y");
}

} // namespace

const QStringList& NyomtipusNevek()
{
    // The graphic and the text path go through the system's printing: the
    // Windows spooler there, CUPS elsewhere.
#ifdef Q_OS_WIN
    static const QStringList n = {QStringLiteral("Windows nyomtatás (grafikus)"),
                                  QStringLiteral("Windows nyomtatás (szöveges)"),
                                  QStringLiteral("Direkt nyomtatás (Port)")};
#else
    static const QStringList n = {QStringLiteral("CUPS nyomtatás (grafikus)"),
                                  QStringLiteral("CUPS nyomtatás (szöveges)"),
                                  QStringLiteral("Direkt nyomtatás (Port)")};
#endif
    return n;
}

const QStringList& KodlapNevek()
{
    static const QStringList n = {QStringLiteral("Windows1250"), QStringLiteral("PC850"),
                                  QStringLiteral("PC852"), QStringLiteral("PC437")};
    return n;
}

const QStringList& MarkaNevek()
{
    static const QStringList n = {QStringLiteral("Star"), QStringLiteral("Samsung"),
                                  QStringLiteral("Elzab"), QStringLiteral("Egyéb nyomtató")};
    return n;
}

void NyomtatoNevekBeallit(TNyomtato& ny)
{
    if (ny.nyomtipus >= 0 && ny.nyomtipus < NyomtipusNevek().size())
        ny.nyomtipus_nev = NyomtipusNevek().at(ny.nyomtipus);
    if (ny.kodlapkonv >= 0 && ny.kodlapkonv < KodlapNevek().size())
        ny.kodlapkonv_nev = KodlapNevek().at(ny.kodlapkonv);
    if (ny.marka >= 0 && ny.marka < MarkaNevek().size())
        ny.marka_nev = MarkaNevek().at(ny.marka);
}

QString NyomtatoFajl()
{
    return AdatMappa() + QStringLiteral("/Nyomtato.csv");
}

QByteArray NyomtatoCsv(const QList<TNyomtato>& lista)
{
    QList<TNyomtato> rendezett = lista;
    std::stable_sort(
        rendezett.begin(), rendezett.end(),
        [](const TNyomtato& a, const TNyomtato& b) { return a.nyomtato < b.nyomtato; });

    QStringList fej;
    for (const QString& d : mezoDefiniciok)
        fej << idez(d);
    QString s = fej.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const TNyomtato& ny : rendezett) {
        const QStringList mezok = {
            QString::number(ny.nyomtato),
            idez(ny.nyomtato_nev),
            QString::number(ny.nyomtipus),
            QString::number(ny.kodlapkonv),
            idez(ny.betutipus),
            QString::number(ny.betumeret),
            QString::number(ny.szeles),
            QString::number(ny.extrasor),
            QString::number(ny.marka),
            ny.cutter ? QStringLiteral("True") : QStringLiteral("False"),
            idez(ny.nyomtipus_nev),
            idez(ny.kodlapkonv_nev),
            idez(ny.marka_nev),
        };
        s += mezok.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return AnsiKodolhato(s) ? AnsiBajtok(s) : s.toUtf8();
}

QList<TNyomtato> NyomtatoCsvOlvas(const QByteArray& adat)
{
    QByteArray bajtok = adat;
    if (bajtok.startsWith("\xEF\xBB\xBF"))
        bajtok.remove(0, 3);
    const QString szoveg_ = FajlSzoveg(bajtok);

    // Logical lines: a quoted value may hold a line break, so physical lines
    // are joined until the quotes balance.
    QList<QStringList> sorok;
    QString sor;
    bool folytatas = false;
    for (QString fizikai : szoveg_.split(QLatin1Char('\n'))) {
        if (fizikai.endsWith(QLatin1Char('\r')))
            fizikai.chop(1);
        sor = folytatas ? sor + QLatin1String("\r\n") + fizikai : fizikai;
        folytatas = sor.count(QLatin1Char('"')) % 2 != 0;
        if (!folytatas && !sor.trimmed().isEmpty())
            sorok << mezokre(sor);
    }
    if (folytatas)
        sorok << mezokre(sor);

    // Whatever precedes the column-name line (definitions, versions) is not
    // data; without such a line every line is looked at.
    qsizetype elso = 0;
    for (qsizetype i = 0; i < sorok.size(); ++i) {
        const QStringList& m = sorok.at(i);
        if (m.size() >= 2 &&
            m.at(0).trimmed().startsWith(QLatin1String("nyomtato"), Qt::CaseInsensitive) &&
            m.at(1).trimmed().startsWith(QLatin1String("nyomtato_nev"), Qt::CaseInsensitive))
            elso = i + 1;
    }

    QList<TNyomtato> lista;
    for (qsizetype i = elso; i < sorok.size(); ++i) {
        const QStringList& m = sorok.at(i);
        int szam = 0;
        if (m.size() < 2 || !egeszE(m.at(0), szam))
            continue;
        TNyomtato ny;
        ny.nyomtato = szam;
        ny.nyomtato_nev = szoveg(m, 1);
        ny.nyomtipus = egesz(m, 2);
        ny.kodlapkonv = egesz(m, 3);
        ny.betutipus = szoveg(m, 4);
        ny.betumeret = egesz(m, 5);
        ny.szeles = egesz(m, 6);
        ny.extrasor = egesz(m, 7);
        ny.marka = egesz(m, 8);
        ny.cutter = logikai(m, 9);
        ny.nyomtipus_nev = szoveg(m, 10);
        ny.kodlapkonv_nev = szoveg(m, 11);
        ny.marka_nev = szoveg(m, 12);
        lista << ny;
    }
    std::stable_sort(lista.begin(), lista.end(), [](const TNyomtato& a, const TNyomtato& b) {
        return a.nyomtato < b.nyomtato;
    });
    return lista;
}

QList<TNyomtato> NyomtatoListaOlvas(const QString& fajl)
{
    QFile f(fajl);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly))
        throw Hiba(QStringLiteral("A nyomtatók fájlja nem olvasható: %1\r\n%2")
                       .arg(fajl, f.errorString()));
    return NyomtatoCsvOlvas(f.readAll());
}

void NyomtatoListaIr(const QString& fajl, const QList<TNyomtato>& lista)
{
    QSaveFile f(fajl);
    const QByteArray adat = NyomtatoCsv(lista);
    if (!f.open(QIODevice::WriteOnly) || f.write(adat) != adat.size() || !f.commit())
        throw Hiba(
            QStringLiteral("A nyomtatók fájlja nem írható: %1\r\n%2").arg(fajl, f.errorString()));
}

bool NyomtatoBetolt(int n, TNyomtato& ny)
{
    QList<TNyomtato> lista;
    try {
        lista = NyomtatoListaOlvas(NyomtatoFajl());
    } catch (const std::exception&) {
        return false;
    }
    for (const TNyomtato& p : lista) {
        if (p.nyomtato == n) {
            ny = p;
            return true;
        }
    }
    return false;
}
