#include "BlokkLista.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "KozosDB.h"
#include "Seged.h"

#include <QSqlQuery>

#include <algorithm>
#include <array>

namespace
{

const QStringList& blokkLekerdezesSorok()
{
    static const QStringList sorok = {
        QStringLiteral("SELECT"),
        QStringLiteral("  rendelma.datum,"),
        QStringLiteral("  rendelma.asztal,"),
        QStringLiteral("  rendelma.ar,"),
        QStringLiteral("  cikkszam.cikkszam_nev,"),
        QStringLiteral("  cikkszam.cikkazon,"),
        QStringLiteral("  pincer.pincer_nev,"),
        QStringLiteral("  SUM(rendelma.db) AS osszdb,"),
        QStringLiteral("  SUM(rendelma.db * rendelma.ar) AS osszar"),
        QStringLiteral("FROM rendelma"),
        QStringLiteral(" LEFT OUTER JOIN cikkszam ON (rendelma.cikkazon=cikkszam.cikkazon)"),
        QStringLiteral(" LEFT OUTER JOIN pincer ON (rendelma.pincer=pincer.pincer)"),
        QStringLiteral(
            "WHERE (rendelma.fizetve='N') AND (rendelma.asztal=0) AND (rendelma.torolve='N')"),
        QStringLiteral(
            "GROUP BY "
            "rendelma.datum,rendelma.ar,cikkszam.cikkszam_nev,cikkszam.cikkazon,pincer.pincer_nev"),
        QStringLiteral("ORDER BY 4;")};
    return sorok;
}

// The Unicode characters of the latin2 bytes A0..FF.
constexpr std::array<char16_t, 96> latin2Felso = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

bool latin2Betu(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0xA0)
        return true;
    return std::find(latin2Felso.begin(), latin2Felso.end(), u) != latin2Felso.end();
}

} // namespace

QString BlokkLekerdezes(int asztal, int rendeles)
{
    const QString feltetel =
        rendeles == -1
            ? QStringLiteral("(rendelma.fizetve='N') AND (rendelma.asztal=") +
                  QString::number(asztal) + QStringLiteral(") and (rendelma.torolve='N')")
            : QStringLiteral("(rendelma.rendeles=") + QString::number(rendeles) + QLatin1Char(')');
    return WhereCsere(blokkLekerdezesSorok(), feltetel, true);
}

QStringList BlokkSorok(const BlokkAdat& adat, const TBeall& b, int w, const QDateTime& ido)
{
    QStringList l;
    FejlecHozzaad(l, adat.asztalNev + QStringLiteral(" asztal fogyasztása"), b, w);
    if (adat.hitel)
        l << Kozepre(QStringLiteral("Hitelre: ") + adat.ugyfelNev, 40);
    l << QString();
    double osszesen = 0;
    for (const BlokkTetel& t : adat.tetelek) {
        if (b.SPrint) {
            l << BalraIgazit(t.cikkszam_nev, 24);
            l << JobbraIgazit(QString::number(KerekitParosra(t.osszdb)), 5) +
                     QStringLiteral(" X ") +
                     JobbraIgazit(QString::number(KerekitParosra(t.ar)), 5) +
                     JobbraIgazit(SzamSzoveg(t.osszar), 11);
        } else {
            l << BalraIgazit(t.cikkszam_nev, w - 5) + JobbraIgazit(SzamSzoveg(t.osszar), 5);
            l << JobbraIgazit(QString::number(KerekitParosra(t.osszdb)), 7) +
                     QStringLiteral(" X ") + JobbraIgazit(QString::number(KerekitParosra(t.ar)), 5);
        }
        osszesen += t.osszar;
    }
    l << QString();
    l << QStringLiteral("Fizetendő") + JobbraIgazit(SzamSzoveg(osszesen), w - 9);
    if (b.vanvaluta)
        l << QStringLiteral("  Euro (€)") +
                 JobbraIgazit(SzamFormat(Osztas(b.Szorzo, osszesen), QStringLiteral("######0.00")),
                              w - 10);
    if (b.vanfigyelmeztetes)
        l << QStringLiteral("KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT")
          << QStringLiteral("NOT VALID FOR CASH PAYMENT");
    l << QString();
    l << DatumFormat(ido.date(), QStringLiteral("yyyy.mmmm.dd"));
    l << b.udvozletszoveg;
    if (!b.udvozletszoveg2.isEmpty())
        l << b.udvozletszoveg2;
    LablecHozzaad(l, b.SPrint, w, ido);
    return l;
}

QString BlokkSzovegbe(const QStringList& sorok)
{
    QString ki;
    for (const QString& s : sorok)
        ki += s + QStringLiteral("\r\n");
    return ki;
}

bool Latin2Kodolhato(const QString& szoveg)
{
    return std::all_of(szoveg.begin(), szoveg.end(), latin2Betu);
}

QString TarolhatoSzoveg(const QString& szoveg)
{
    QString ki;
    ki.reserve(szoveg.size());
    for (qsizetype i = 0; i < szoveg.size(); ++i) {
        const QChar c = szoveg.at(i);
        if (c == QChar(0x20AC))
            ki += QStringLiteral("EUR");
        else if (c.isHighSurrogate() && i + 1 < szoveg.size() && szoveg.at(i + 1).isLowSurrogate())
            ki += QLatin1Char('?'), ++i;
        else
            ki += latin2Betu(c) ? c : QChar(QLatin1Char('?'));
    }
    return ki;
}

BlokkAdat BlokkAdatBetolt(int asztal, int ugyfel, int rendeles)
{
    BlokkAdat a;
    QString sql = BlokkLekerdezes(asztal, rendeles);
    int elsoAsztal = -1;
    for (int kor = 0; kor < 2; ++kor) {
        QSqlQuery q = SqlNyit(sql);
        while (q.next()) {
            if (a.tetelek.isEmpty())
                elsoAsztal = q.value(1).toInt();
            a.tetelek << BlokkTetel{Szoveg(q.value(3)), Szam(q.value(6)), Szam(q.value(2)),
                                    Szam(q.value(7))};
        }
        if (rendeles == -1 || !a.tetelek.isEmpty())
            break;
        sql.replace(QStringLiteral("rendelma"), QStringLiteral("rendeles"));
    }
    a.asztalNev = AsztalNev(rendeles == -1 ? asztal : elsoAsztal);
    if (ugyfel != -1) {
        a.hitel = true;
        a.ugyfelNev = UgyfelNev(ugyfel);
    }
    return a;
}
