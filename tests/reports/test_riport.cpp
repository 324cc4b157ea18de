// The report engine without painting: grouping with group and summary
// totals, display pictures, expressions, page breaks on a continuous roll and
// on A4, copies, data-dependent band heights, switched elements, an empty
// data set; and the same documents written to PDF headless.

#include "Riport.h"
#include "RiportRajz.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

RAdat adat(const QStringList& oszlopok, const QList<QVariantList>& sorok)
{
    RAdat a;
    a.oszlopok = oszlopok;
    a.sorok = sorok;
    return a;
}

// Three items in two categories.
RAdat forgalom()
{
    return adat(
        {QStringLiteral("kategoria"), QStringLiteral("cikkszam_nev"), QStringLiteral("osszar")},
        {{QStringLiteral("Festés"), QStringLiteral("Tőfestés"), 8000.0},
         {QStringLiteral("Festés"), QStringLiteral("Melír"), 12500.0},
         {QStringLiteral("Vágás"), QStringLiteral("Női vágás"), 4500.0}});
}

RiportDef csoportosDef(bool keskeny = false)
{
    RiportDef d(QStringLiteral("Forgalom kategóriánként"), keskeny);
    const int w = d.belsoSzeles();
    d.ido = QDateTime(QDate(2026, 3, 14), QTime(9, 5, 7));
    d.lapFejlec = RSav(60, {RKeret(0, 0, w, 60), RCimke(10, 10, w - 20, 40, d.cim).felkover()});
    d.csoportok << RCsoport(
        QStringLiteral("kategoria"),
        RSav(40, {RMezo(0, 0, w, 40, QStringLiteral("kategoria")).felkover()}),
        RSav(40, {RKif(0, 0, w, 40, QStringLiteral("SUM(osszar)"), PenzKep).jobbra()}));
    d.reszlet = RSav(40, {RMezo(0, 0, w - 200, 40, QStringLiteral("cikkszam_nev")),
                          RMezo(w - 200, 0, 200, 40, QStringLiteral("osszar"), PenzKep).jobbra()});
    d.osszesito = RSav(
        100, {RKif(0, 0, w, 40,
                   QStringLiteral("'Összesen: '+ FORMATNUMERIC('### ### ##0',SUM(Qry.osszar))"))
                  .jobbra(),
              RKif(0, 40, w, 30, QStringLiteral("COUNT+' tétel'")),
              RKif(0, 70, w, 30, QStringLiteral("DATETIME"))});
    return d;
}

// A long list: one detail row per number, a page header and optionally a
// page footer with the page number.
RAdat szamok(int n)
{
    RAdat a;
    a.oszlopok = {QStringLiteral("sor"), QStringLiteral("ertek")};
    a.sorok.reserve(n);
    for (int i = 1; i <= n; ++i)
        a.sorok << QVariantList{i, double(i) * 1.5};
    return a;
}

RiportDef hosszuDef(bool a4, bool lablec)
{
    RiportDef d(QStringLiteral("Hosszú lista"));
    if (a4)
        d.a4();
    d.lapFejlec = RSav(50, {RCimke(0, 0, 300, 50, QStringLiteral("fejléc"))});
    d.reszlet = RSav(40, {RMezo(0, 0, 200, 40, QStringLiteral("sor")),
                          RMezo(200, 0, 300, 40, QStringLiteral("ertek"), DbKep).jobbra()});
    if (lablec)
        d.lapLablec = RSav(30, {RKif(0, 0, 300, 30, QStringLiteral("'oldal '+PAGENUMBER"))});
    d.osszesito = RSav(40, {RKif(0, 0, 500, 40, QStringLiteral("SUM(ertek)"), DbKep)});
    return d;
}

// The declaration example at the top of Riport.h, as written there.
RiportDef ForgKat(bool keskeny)
{
    RiportDef d(QStringLiteral("Forgalom kategóriánként"), keskeny);
    d.nev = QStringLiteral("qrForgKat");
    const int w = d.belsoSzeles(); // 710 wide, 480 narrow
    d.lapFejlec = RSav(60, {RKeret(0, 0, w, 60), RCimke(10, 10, w - 20, 40, d.cim).felkover()});
    // A group on a field, with its header and footer band:
    d.csoportok << RCsoport("kategoria", RSav(40, {RMezo(0, 0, w, 40, "kategoria").felkover()}),
                            RSav(40, {RKif(0, 0, w, 40, "SUM(osszar)", PenzKep).jobbra()}));
    d.reszlet = RSav(40, {RMezo(0, 0, w - 200, 40, "cikkszam_nev"),
                          RMezo(w - 200, 0, 200, 40, "osszar", PenzKep).jobbra()});
    d.osszesito = RSav(80, {RKif(0, 0, w, 40,
                                 "'Összesen: '+"
                                 "FORMATNUMERIC('### ### ##0',SUM(Qry.osszar))")
                                .jobbra(),
                            RKif(0, 40, w, 30, "DATETIME").meret(6)});
    return d;
}

} // namespace

class TestRiport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csoportokEsOsszegek();
    void csoportokBelsoTores();
    void leirasPeldaja();
    void kepek_data();
    void kepek();
    void kifejezesek_data();
    void kifejezesek();
    void kifejezesHibak_data();
    void kifejezesHibak();
    void tekercsLaptores();
    void a4Laptores();
    void lapnalMagasabbSav();
    void peldany();
    void uresAdat();
    void soronkentiMagassagEsFeltetel();
    void szamitottMezokEsKapcsolas();
    void forrasUtasitas();
    void pdfFejEsOldalak();
};

void TestRiport::csoportokEsOsszegek()
{
    const RDokumentum doc = RiportKeszit(csoportosDef(), forgalom());
    QCOMPARE(doc.lapok.size(), 1);
    QCOMPARE(doc.cim, QStringLiteral("Forgalom kategóriánként"));
    QCOMPARE(
        doc.szovegek(),
        (QStringList{QStringLiteral("Forgalom kategóriánként"), QStringLiteral("Festés"),
                     QStringLiteral("Tőfestés"), QStringLiteral("8 000"), QStringLiteral("Melír"),
                     QStringLiteral("12 500"), QStringLiteral("20 500"), QStringLiteral("Vágás"),
                     QStringLiteral("Női vágás"), QStringLiteral("4 500"), QStringLiteral("4 500"),
                     QStringLiteral("Összesen: 25 000"), QStringLiteral("3 tétel"),
                     QStringLiteral("2026.03.14 09:05:07")}));
    // Bands follow each other from the top margin; the page of a roll ends
    // with its content.
    const RLap& lap = doc.lapok.first();
    QCOMPARE(lap.tetelek.first().hely, QRect(20, 20, 710, 60));
    const RTetel* festes = doc.keres(QStringLiteral("Festés"));
    QCOMPARE(festes->hely.top(), 20 + 60);
    const RTetel* osszesen = doc.keres(QStringLiteral("Összesen"));
    QCOMPARE(osszesen->hely.top(), 20 + 60 + 2 * 40 + 3 * 40 + 2 * 40);
    QCOMPARE(lap.magas, osszesen->hely.top() + 100 + 20);
    QCOMPARE(lap.szeles, 750);
    QCOMPARE(RiportKeszit(csoportosDef(true), forgalom()).lapok.first().szeles, 520);
}

void TestRiport::csoportokBelsoTores()
{
    // Two levels: a change of the outer field closes both groups, a change of
    // the inner one only the inner group.
    RAdat a = adat({QStringLiteral("nap"), QStringLiteral("asztal"), QStringLiteral("ar")},
                   {{1, QStringLiteral("A"), 1.0},
                    {1, QStringLiteral("A"), 2.0},
                    {1, QStringLiteral("B"), 4.0},
                    {2, QStringLiteral("B"), 8.0}});
    RiportDef d(QStringLiteral("t"));
    d.csoportok << RCsoport(QStringLiteral("nap"),
                            RSav(10, {RKif(0, 0, 100, 10, QStringLiteral("'nap '+nap"))}),
                            RSav(10, {RKif(0, 0, 100, 10, QStringLiteral("'napössz '+SUM(ar)"))}));
    d.csoportok << RCsoport(
        QStringLiteral("asztal"), RSav(10, {RMezo(0, 0, 100, 10, QStringLiteral("asztal"))}),
        RSav(10, {RKif(0, 0, 100, 10, QStringLiteral("'össz '+SUM(ar)+' db '+COUNT"))}));
    d.reszlet = RSav(10, {RKif(0, 0, 100, 10, QStringLiteral("'  '+ar+' futó '+SUM(ar)"))});
    d.osszesito = RSav(
        10, {RKif(0, 0, 100, 10,
                  QStringLiteral("'mind '+SUM(ar)+' átlag '+AVG(ar)+' '+MIN(ar)+'-'+MAX(ar)"))});
    QCOMPARE(RiportKeszit(d, a).szovegek(),
             (QStringList{QStringLiteral("nap 1"), QStringLiteral("A"),
                          QStringLiteral("  1 futó 1"), QStringLiteral("  2 futó 3"),
                          QStringLiteral("össz 3 db 2"), QStringLiteral("B"),
                          QStringLiteral("  4 futó 7"), QStringLiteral("össz 4 db 1"),
                          QStringLiteral("napössz 7"), QStringLiteral("nap 2"), QStringLiteral("B"),
                          QStringLiteral("  8 futó 15"), QStringLiteral("össz 8 db 1"),
                          QStringLiteral("napössz 8"), QStringLiteral("mind 15 átlag 3.75 1-8")}));
}

void TestRiport::leirasPeldaja()
{
    for (bool keskeny : {false, true}) {
        const RDokumentum doc = RiportKeszit(ForgKat(keskeny), forgalom());
        const QStringList sz = doc.szovegek();
        QCOMPARE(sz.mid(0, 8),
                 (QStringList{QStringLiteral("Forgalom kategóriánként"), QStringLiteral("Festés"),
                              QStringLiteral("Tőfestés"), QStringLiteral("8 000"),
                              QStringLiteral("Melír"), QStringLiteral("12 500"),
                              QStringLiteral("20 500"), QStringLiteral("Vágás")}));
        QCOMPARE(sz.at(sz.size() - 2), QStringLiteral("Összesen: 25 000"));
        QCOMPARE(doc.keres(QStringLiteral("20 500"))->hely.right(), (keskeny ? 520 : 750) - 20 - 1);
    }
}

void TestRiport::kepek_data()
{
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<QString>("kep");
    QTest::addColumn<QString>("vart");
    QTest::newRow("pénz") << QVariant(1234567.4) << PenzKep << QStringLiteral("1 234 567");
    QTest::newRow("pénz kerekít") << QVariant(999.5) << PenzKep << QStringLiteral("1 000");
    QTest::newRow("negatív") << QVariant(-1500.0) << PenzKep << QStringLiteral("-1 500");
    QTest::newRow("nulla") << QVariant(0.0) << PenzKep << QStringLiteral("0");
    QTest::newRow("mennyiség") << QVariant(2.5) << DbKep << QStringLiteral("2.50");
    QTest::newRow("tizedes") << QVariant(1234.5) << QStringLiteral("#######0.00")
                             << QStringLiteral("1234.50");
    QTest::newRow("százalék") << QVariant(45.2) << QStringLiteral("##0%") << QStringLiteral("45%");
    QTest::newRow("egész mező") << QVariant(int(7)) << DbKep << QStringLiteral("7.00");
    QTest::newRow("szám szövegként")
        << QVariant(QStringLiteral("3000")) << PenzKep << QStringLiteral("3 000");
    QTest::newRow("NULL üres") << QVariant() << PenzKep << QString();
    QTest::newRow("kép nélkül") << QVariant(2.25) << QString() << QStringLiteral("2.25");
    QTest::newRow("dátum") << QVariant(QDate(2026, 1, 2)) << QString()
                           << QStringLiteral("2026.01.02");
}

void TestRiport::kepek()
{
    QFETCH(QVariant, ertek);
    QFETCH(QString, kep);
    QFETCH(QString, vart);
    RiportDef d(QStringLiteral("t"));
    d.reszlet = RSav(10, {RMezo(0, 0, 100, 10, QStringLiteral("x"), kep)});
    QCOMPARE(RiportKeszit(d, adat({QStringLiteral("x")}, {{ertek}})).szovegek(), QStringList{vart});
}

void TestRiport::kifejezesek_data()
{
    QTest::addColumn<QString>("kif");
    QTest::addColumn<QString>("formatum");
    QTest::addColumn<QString>("vart");
    QTest::newRow("szöveg és szám")
        << QStringLiteral("'a'+1.5") << QString() << QStringLiteral("a1.5");
    QTest::newRow("számok") << QStringLiteral("2+3*4-(1+1)/2") << QString() << QStringLiteral("13");
    QTest::newRow("mezők") << QStringLiteral("Qry.ar+' X '+db") << QString()
                           << QStringLiteral("1500 X 2");
    QTest::newRow("szorzat képpel")
        << QStringLiteral("ar*db") << PenzKep << QStringLiteral("3 000");
    QTest::newRow("osztás nullával") << QStringLiteral("ar/0") << QString() << QStringLiteral("0");
    QTest::newRow("negálás") << QStringLiteral("-ar") << QString() << QStringLiteral("-1500");
    QTest::newRow("aposztróf") << QStringLiteral("'it''s'") << QString() << QStringLiteral("it's");
    QTest::newRow("formatnumeric")
        << QStringLiteral("FORMATNUMERIC('### ### ##0.00',SUM(ar*db)/250)") << QString()
        << QStringLiteral("12.00");
    QTest::newRow("kisbetűs függvény")
        << QStringLiteral("formatnumeric('00000',sum(db))") << QString() << QStringLiteral("00002");
    QTest::newRow("NULL mező") << QStringLiteral("'['+semmi+']'") << QString()
                               << QStringLiteral("[]");
    QTest::newRow("dátum") << QStringLiteral("DATE+' '+TIME") << QString()
                           << QStringLiteral("2026.03.14 09:05:07");
}

void TestRiport::kifejezesek()
{
    QFETCH(QString, kif);
    QFETCH(QString, formatum);
    QFETCH(QString, vart);
    RiportDef d(QStringLiteral("t"));
    d.ido = QDateTime(QDate(2026, 3, 14), QTime(9, 5, 7));
    d.reszlet = RSav(10, {RKif(0, 0, 100, 10, kif, formatum)});
    const RAdat a = adat({QStringLiteral("ar"), QStringLiteral("db"), QStringLiteral("semmi")},
                         {{1500.0, 2, QVariant()}});
    QCOMPARE(RiportKeszit(d, a).szovegek(), QStringList{vart});
}

void TestRiport::kifejezesHibak_data()
{
    QTest::addColumn<QString>("kif");
    QTest::newRow("ismeretlen mező") << QStringLiteral("SUM(nincs)");
    QTest::newRow("ismeretlen függvény") << QStringLiteral("FOO(ar)");
    QTest::newRow("lezáratlan szöveg") << QStringLiteral("'abc");
    QTest::newRow("hiányzó zárójel") << QStringLiteral("SUM(ar");
    QTest::newRow("fölös jel") << QStringLiteral("ar ar");
    QTest::newRow("összesítés összesítésben") << QStringLiteral("SUM(SUM(ar))");
    QTest::newRow("üres") << QString();
}

void TestRiport::kifejezesHibak()
{
    QFETCH(QString, kif);
    RiportDef d(QStringLiteral("t"));
    d.osszesito = RSav(10, {RKif(0, 0, 100, 10, kif)});
    QVERIFY_THROWS_EXCEPTION(RKifejezesHiba,
                             RiportKeszit(d, adat({QStringLiteral("ar")}, {{1.0}})));
    // A field element naming a missing column and a group on one fail too.
    RiportDef m(QStringLiteral("t"));
    m.reszlet = RSav(10, {RMezo(0, 0, 100, 10, QStringLiteral("nincs"))});
    QVERIFY_THROWS_EXCEPTION(RKifejezesHiba, RiportKeszit(m, adat({QStringLiteral("ar")}, {})));
}

void TestRiport::tekercsLaptores()
{
    // A 1 m roll: 50 header, 40 a row; 9960 - 50 leaves room for 247 rows.
    const RDokumentum doc = RiportKeszit(hosszuDef(false, false), szamok(1000));
    QCOMPARE(doc.lapok.size(), 5);
    int sorok = 0;
    for (int l = 0; l < doc.lapok.size(); ++l) {
        const RLap& lap = doc.lapok.at(l);
        QCOMPARE(lap.tetelek.first().szoveg, QStringLiteral("fejléc"));
        QCOMPARE(lap.tetelek.first().hely.top(), 20);
        for (const RTetel& t : lap.tetelek)
            QVERIFY2(t.hely.bottom() < lap.magas - 20, qPrintable(t.szoveg));
        const int reszlet = int((lap.tetelek.size() - 1) / 2);
        if (l < 4) {
            QCOMPARE(lap.magas, 10000);
            QCOMPARE(reszlet, 247);
        }
        sorok += reszlet;
    }
    // The last page holds the rest and the summary and ends with them.
    const RLap& utolso = doc.lapok.last();
    QCOMPARE(utolso.tetelek.last().szoveg, QStringLiteral("750 750.00"));
    QCOMPARE(utolso.magas, 20 + 50 + (1000 - 4 * 247) * 40 + 40 + 20);
    QCOMPARE(sorok * 2 + 5 + 1, int(doc.szovegek().size()));
    // Rows keep their order across pages.
    QCOMPARE(doc.lapok.at(1).tetelek.at(1).szoveg, QStringLiteral("248"));
}

void TestRiport::a4Laptores()
{
    // A4 keeps its length; the page footer sits at the bottom of every page
    // and numbers it.
    const RDokumentum doc = RiportKeszit(hosszuDef(true, true), szamok(200));
    const int sorPerLap = (2970 - 40 - 50 - 30) / 40; // 71
    QCOMPARE(doc.lapok.size(), (200 + sorPerLap - 1) / sorPerLap);
    for (int l = 0; l < doc.lapok.size(); ++l) {
        const RLap& lap = doc.lapok.at(l);
        QCOMPARE(lap.szeles, 2100);
        QCOMPARE(lap.magas, 2970);
        const RTetel& lablec = lap.tetelek.last();
        QCOMPARE(lablec.szoveg, QStringLiteral("oldal %1").arg(l + 1));
        QCOMPARE(lablec.hely.top(), 2970 - 20 - 30);
        for (const RTetel& t : lap.tetelek)
            if (&t != &lablec)
                QVERIFY(t.hely.top() + t.hely.height() <= lablec.hely.top());
    }
    QCOMPARE(doc.lapok.at(1).tetelek.at(1).szoveg, QString::number(sorPerLap + 1));
}

void TestRiport::lapnalMagasabbSav()
{
    // A band taller than a page is placed once per row rather than looping.
    RiportDef d(QStringLiteral("t"));
    d.lapHossz = 300;
    d.reszlet = RSav(400, {RMezo(0, 0, 100, 10, QStringLiteral("sor"))});
    const RDokumentum doc = RiportKeszit(d, szamok(3));
    QCOMPARE(doc.lapok.size(), 3);
    QCOMPARE(doc.szovegek(),
             (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

void TestRiport::peldany()
{
    RiportDef d = hosszuDef(false, false);
    QCOMPARE(RiportKeszit(d, szamok(1)).peldany, 1);
    d.peldany = 3;
    QCOMPARE(RiportKeszit(d, szamok(1)).peldany, 3);
    d.peldany = 0;
    QCOMPARE(RiportKeszit(d, szamok(1)).peldany, 1);
}

void TestRiport::uresAdat()
{
    // No rows: the title, the headers and a zero total; no group bands.
    RiportDef d = csoportosDef();
    d.cimSav = RSav(30, {RCimke(0, 0, 300, 30, QStringLiteral("címsáv"))});
    const RDokumentum doc = RiportKeszit(d, adat(forgalom().oszlopok, {}));
    QCOMPARE(doc.lapok.size(), 1);
    QCOMPARE(doc.szovegek(),
             (QStringList{QStringLiteral("Forgalom kategóriánként"), QStringLiteral("címsáv"),
                          QStringLiteral("Összesen: 0"), QStringLiteral("0 tétel"),
                          QStringLiteral("2026.03.14 09:05:07")}));
}

void TestRiport::soronkentiMagassagEsFeltetel()
{
    // A row with a comment is 36 high and prints it; one without is 20.
    RiportDef d(QStringLiteral("t"));
    auto vanMegj = [](const RSor& s) { return !s.szoveg(QStringLiteral("megjegyzes")).isEmpty(); };
    d.reszlet =
        RSav(20, {RMezo(0, 0, 300, 20, QStringLiteral("nev")),
                  RMezo(0, 20, 300, 16, QStringLiteral("megjegyzes")).meret(6).ha(vanMegj)});
    d.reszlet.magasFv = [vanMegj](const RSor& s) { return vanMegj(s) ? 36 : 20; };
    const RAdat a = adat({QStringLiteral("nev"), QStringLiteral("megjegyzes")},
                         {{QStringLiteral("Kávé"), QStringLiteral("cukor nélkül")},
                          {QStringLiteral("Tea"), QString()},
                          {QStringLiteral("Víz"), QVariant()}});
    const RDokumentum doc = RiportKeszit(d, a);
    QCOMPARE(doc.szovegek(), (QStringList{QStringLiteral("Kávé"), QStringLiteral("cukor nélkül"),
                                          QStringLiteral("Tea"), QStringLiteral("Víz")}));
    QCOMPARE(doc.keres(QStringLiteral("Tea"))->hely.top(), 20 + 36);
    QCOMPARE(doc.keres(QStringLiteral("Víz"))->hely.top(), 20 + 36 + 20);
    QCOMPARE(doc.keres(QStringLiteral("cukor"))->betu.meret, 6.0);
    QCOMPARE(doc.keres(QStringLiteral("Kávé"))->betu.meret, 8.0);
}

void TestRiport::szamitottMezokEsKapcsolas()
{
    RiportDef d(QStringLiteral("t"));
    d.szamitott << RSzamitott{QStringLiteral("afa"), [](const RSor& s) {
                                  return s.szam(QStringLiteral("brutto")) -
                                         s.szam(QStringLiteral("netto"));
                              }};
    d.szamitott << RSzamitott{QStringLiteral("kettos"),
                              [](const RSor& s) { return s.szam(QStringLiteral("afa")) * 2; }};
    d.reszlet =
        RSav(10, {RMezo(0, 0, 100, 10, QStringLiteral("afa"), PenzKep),
                  RMezo(0, 0, 100, 10, QStringLiteral("kettos")).nevvel(QStringLiteral("k"))});
    d.osszesito =
        RSav(10, {RKif(0, 0, 100, 10, QStringLiteral("SUM(afa)")).nevvel(QStringLiteral("osszafa")),
                  RKeret(0, 0, 100, 10).nevvel(QStringLiteral("osszafa"))});
    const RAdat a = adat({QStringLiteral("netto"), QStringLiteral("brutto")},
                         {{100.0, 127.0}, {1000.0, 1270.0}});
    RDokumentum doc = RiportKeszit(d, a);
    QCOMPARE(doc.szovegek(),
             (QStringList{QStringLiteral("27"), QStringLiteral("54"), QStringLiteral("270"),
                          QStringLiteral("540"), QStringLiteral("297")}));
    QCOMPARE(doc.lapok.first().tetelek.last().tipus, RTetel::Keret);
    d.elemLathato(QStringLiteral("osszafa"), false);
    d.elemLathato(QStringLiteral("k"), false);
    doc = RiportKeszit(d, a);
    QCOMPARE(doc.szovegek(), (QStringList{QStringLiteral("27"), QStringLiteral("270")}));
    QCOMPARE(doc.lapok.first().tetelek.size(), 2);
    QVERIFY(d.elem(QStringLiteral("k")));
    QVERIFY(!d.elem(QStringLiteral("nincs")));
}

void TestRiport::forrasUtasitas()
{
    RForras f;
    f.sql = {QStringLiteral("SELECT *"), QStringLiteral("FROM x;")};
    QCOMPARE(f.utasitas(), QStringLiteral("SELECT *\nFROM x;"));
    f.eljaras = QStringLiteral("sp_haszon");
    f.parameterek = {QDate(2026, 1, 1), QDate(2026, 1, 31), 12, QStringLiteral("a'b"), 2.5};
    QCOMPARE(f.utasitas(),
             QStringLiteral("CALL sp_haszon('2026-01-01','2026-01-31',12,'a''b',2.5);"));
}

void TestRiport::pdfFejEsOldalak()
{
    // Every page is written, a roll's last page shorter than the others.
    QTemporaryDir dir;
    const QString f = dir.filePath(QStringLiteral("lista.pdf"));
    const RDokumentum doc = RiportKeszit(hosszuDef(false, true), szamok(300));
    QCOMPARE(doc.lapok.size(), 2);
    QString hiba;
    QVERIFY2(RiportPdf(doc, f, &hiba), qPrintable(hiba));
    QFile pdf(f);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray b = pdf.readAll();
    QVERIFY(b.startsWith("%PDF"));
    QCOMPARE(b.count("/Type /Page\n") + b.count("/Type /Page\r") + b.count("/Type /Page "), 2);
    // 75 mm x 1 m, then 75 mm x the rest (in points).
    QStringList mediaBox;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .globalMatch(QString::fromLatin1(b));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        mediaBox << QString::number(qRound(m.captured(1).toDouble())) + QLatin1Char('x') +
                        QString::number(qRound(m.captured(2).toDouble()));
    }
    const int utolso = qRound(doc.lapok.at(1).magas / 254.0 * 72);
    QCOMPARE(mediaBox,
             (QStringList{QStringLiteral("213x2835"), QStringLiteral("213x%1").arg(utolso)}));
    // A file that cannot be written is reported.
    QVERIFY(!RiportPdf(doc, dir.filePath(QStringLiteral("nincs/ilyen.pdf")), &hiba));
    QVERIFY(hiba.contains(QStringLiteral("nincs/ilyen.pdf")));
    // A page as a picture keeps the page's proportions.
    const QImage k = RiportLapKep(doc, 1, 100);
    QCOMPARE(k.width(), qRound(750 * 100 / 254.0));
    QCOMPARE(k.height(), qRound(doc.lapok.at(1).magas * 100 / 254.0));
}

QTEST_MAIN(TestRiport)
#include "test_riport.moc"
