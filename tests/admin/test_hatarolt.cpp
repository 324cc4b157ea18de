// Delimited files without a server: decoding the encodings salons' files
// come in, splitting records (quotes, separators and line breaks inside,
// empty lines), checking an import file line by line, the delimited export
// and the worksheet read back from its XML, and a seeded fuzzing run of the
// parser and the checks.

#include "CikkImport.h"
#include "HataroltSzoveg.h"
#include "XlsxIro.h"
#include "XlsxOlvas.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The columns of `cikkszam` the checks need, as the server describes them.
CikkImport offline()
{
    QList<CikkOszlop> o;
    auto add = [&](const char* n, CikkOszlop::Tipus t, int h = 0) {
        o.append({QString::fromLatin1(n), t, h});
    };
    add("cikkazon", CikkOszlop::Egesz);
    add("cikkszam", CikkOszlop::Szoveg, 15);
    add("cikkszam_nev", CikkOszlop::Szoveg, 42);
    add("mert", CikkOszlop::Egesz);
    add("ar", CikkOszlop::Valos);
    add("aktiv", CikkOszlop::Szoveg, 1);
    add("kategoria", CikkOszlop::Szoveg, 25);
    add("ar2", CikkOszlop::Valos);
    add("cikkat", CikkOszlop::Egesz);
    add("besorolas", CikkOszlop::Egesz);
    add("ervenyes", CikkOszlop::Datum);
    return CikkImport(o, {1, 2}, {1}, {1});
}

QVariant ertek(const ImportTetel& t, const char* oszlop)
{
    for (const auto& [o, v] : t.ertekek)
        if (o == QLatin1String(oszlop))
            return v;
    return QStringLiteral("<nincs>");
}

QByteArray minta(const QString& nev)
{
    QFile f(qEnvironmentVariable("VEXLOF_SOURCE_DIR") +
            QStringLiteral("/tests/admin/import_minta/") + nev);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", qPrintable(nev));
    return f.readAll();
}

} // namespace

class TestHatarolt : public QObject
{
    Q_OBJECT
private slots:
    void dekodolas_data();
    void dekodolas();
    void elemzes_data();
    void elemzes();
    void elemzesHibak_data();
    void elemzesHibak();
    void ellenorzes_data();
    void ellenorzes();
    void ertekek();
    void exportSorok();
    void xlsxVisszaolvasva();
    void fuzz();
};

void TestHatarolt::dekodolas_data()
{
    QTest::addColumn<QByteArray>("bajtok");
    const QString szoveg = QStringLiteral("Árvíztűrő tükörfúrógép ŐŰ");
    QTest::newRow("windows-1250") << QByteArray(
        "\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p \xD5\xDB");
    QTest::newRow("utf-8") << szoveg.toUtf8();
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF") + szoveg.toUtf8();
}

void TestHatarolt::dekodolas()
{
    QFETCH(QByteArray, bajtok);
    QCOMPARE(HataroltDekodol(bajtok), QStringLiteral("Árvíztűrő tükörfúrógép ŐŰ"));
}

void TestHatarolt::elemzes_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QStringList>("rekordok"); // fields joined by "¦", then "@line"
    QTest::newRow("three separators, CR LF")
        << QStringLiteral("a;b|c\td\r\n1;2|3\t4\r\n")
        << QStringList{QStringLiteral("a¦b¦c¦d@1"), QStringLiteral("1¦2¦3¦4@2")};
    QTest::newRow("LF, lone CR, no final line end")
        << QStringLiteral("a;b\nc;d\re;f")
        << QStringList{QStringLiteral("a¦b@1"), QStringLiteral("c¦d@2"), QStringLiteral("e¦f@3")};
    QTest::newRow("empty and blank lines skipped")
        << QStringLiteral("\r\na;b\r\n   \r\n\r\nc;d\r\n\r\n")
        << QStringList{QStringLiteral("a¦b@2"), QStringLiteral("c¦d@5")};
    QTest::newRow("quoted separator, quote and line break")
        << QStringLiteral("k;n\n1;\"x;y|z\"\n2; \"két\r\nsor \"\"idéz\"\"\" ;v\n3;x\"y")
        << QStringList{QStringLiteral("k¦n@1"), QStringLiteral("1¦x;y|z@2"),
                       QStringLiteral("2¦két\nsor \"idéz\"¦v@3"), QStringLiteral("3¦x\"y@5")};
    QTest::newRow("empty fields kept")
        << QStringLiteral(";;\n\"\";a;")
        << QStringList{QStringLiteral("¦¦@1"), QStringLiteral("¦a¦@2")};
}

void TestHatarolt::elemzes()
{
    QFETCH(QString, szoveg);
    QFETCH(QStringList, rekordok);
    QStringList kapott;
    for (const HataroltRekord& r : HataroltElemez(szoveg))
        kapott.append(r.mezok.join(QChar(0xA6)) + QLatin1Char('@') + QString::number(r.sor));
    QCOMPARE(kapott, rekordok);
}

void TestHatarolt::elemzesHibak_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<int>("sor");
    QTest::newRow("unclosed quote") << QStringLiteral("a;b\n1;2\n3;\"nyitva\n\n4;5\n") << 3;
    QTest::newRow("text after closing quote") << QStringLiteral("a;b\n1;\"x\"y\n") << 2;
}

void TestHatarolt::elemzesHibak()
{
    QFETCH(QString, szoveg);
    QFETCH(int, sor);
    try {
        HataroltElemez(szoveg);
        QFAIL("no error");
    } catch (const HataroltHiba& h) {
        QCOMPARE(h.sor(), sor);
        QVERIFY2(h.uzenet().contains(QString::number(sor) + QStringLiteral(". sor")),
                 qPrintable(h.uzenet()));
    }
}

void TestHatarolt::ellenorzes_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("hiba"); // empty: accepted
    const QString fej = QStringLiteral("cikkszam;cikkszam_nev;ar;cikkat\n");
    QTest::newRow("good") << fej + QStringLiteral("A;Név;1 250,5;1\nB;;;\n") << QString();
    QTest::newRow("trailing separator of the export header")
        << QStringLiteral("cikkszam;ar;\nA;1\nB;2;\n") << QString();
    QTest::newRow("no item code column")
        << QStringLiteral("kod;ar\nA;1\n")
        << QStringLiteral("Nem található cikkszám az állományban. [cikkszam]");
    QTest::newRow("missing column") << fej + QStringLiteral("A;Név;1;1\nB;Név\n")
                                    << QStringLiteral("3. sor: hiányzik a(z) [ar] oszlop értéke");
    QTest::newRow("extra value (unquoted separator)")
        << fej + QStringLiteral("A;Név; más;1;1\n") << QStringLiteral("2. sor: több érték");
    QTest::newRow("wrong number") << fej + QStringLiteral("A;Név;1;1\n\nB;Név;12,3,4;1\n")
                                  << QStringLiteral("4. sor, [ar] oszlop: „12,3,4” nem szám.");
    QTest::newRow("wrong integer")
        << fej + QStringLiteral("A;Név;1;1,5\n")
        << QStringLiteral("2. sor, [cikkat] oszlop: „1,5” nem egész szám.");
    QTest::newRow("unknown category")
        << fej + QStringLiteral("A;Név;1;7\n")
        << QStringLiteral("2. sor, [cikkat] oszlop: nincs 7 számú árlista tétel kategória.");
    QTest::newRow("outside latin2")
        << fej + QStringLiteral("A;Szemöldök €;1;1\n")
        << QStringLiteral("2. sor, [cikkszam_nev] oszlop: „Szemöldök €” olyan karaktert");
    QTest::newRow("too long") << fej + QStringLiteral("A;") + QString(43, QLatin1Char('x')) +
                                     QStringLiteral(";1;1\n")
                              << QStringLiteral("legfeljebb 42 karakter");
    QTest::newRow("empty code") << fej + QStringLiteral(" ;Név;1;1\n")
                                << QStringLiteral(
                                       "2. sor, [cikkszam] oszlop: hiányzik a cikkszám.");
    QTest::newRow("code twice")
        << fej + QStringLiteral("A;x;1;1\nB;y;1;1\nA;z;1;1\n")
        << QStringLiteral(
               "4. sor, [cikkszam] oszlop: a(z) „A” cikkszám már szerepelt a(z) 2. sorban.");
    QTest::newRow("line number after a multi-line value")
        << fej + QStringLiteral("A;\"két\nsor\";1;1\nB;y;x;1\n") << QStringLiteral("4. sor, [ar]");
    QTest::newRow("bad date") << QStringLiteral("cikkszam;ervenyes\nA;2024-02-30\n")
                              << QStringLiteral("2. sor, [ervenyes] oszlop");
}

void TestHatarolt::ellenorzes()
{
    QFETCH(QString, szoveg);
    QFETCH(QString, hiba);
    const CikkImport imp = offline();
    try {
        imp.tervez(szoveg);
        QVERIFY2(hiba.isEmpty(), "accepted a faulty file");
    } catch (const HataroltHiba& h) {
        QVERIFY2(!hiba.isEmpty() && h.uzenet().contains(hiba), qPrintable(h.uzenet()));
    }
}

void TestHatarolt::ertekek()
{
    // The three sample files: converted values and ignored columns.
    const CikkImport imp = offline();
    const ImportTerv a = imp.tervez(HataroltDekodol(minta(QStringLiteral("ansi_crlf.csv"))));
    QCOMPARE(a.tetelek.size(), 3);
    QCOMPARE(a.tetelek.at(1).cikkszam, QStringLiteral("F02"));
    QCOMPARE(ertek(a.tetelek.at(1), "cikkszam_nev").toString(),
             QStringLiteral("Férfi hajvágás, mosással"));
    QCOMPARE(ertek(a.tetelek.at(1), "ar").toDouble(), 3200.5);
    QCOMPARE(a.tetelek.at(2).sor, 5);

    const ImportTerv b = imp.tervez(HataroltDekodol(minta(QStringLiteral("utf8bom_tab.tsv"))));
    QCOMPARE(ertek(b.tetelek.at(0), "cikkszam_nev").toString(),
             QStringLiteral("Árvíztűrő tükörfúrógép"));
    QCOMPARE(ertek(b.tetelek.at(1), "ar2").toString(),
             QStringLiteral("<nincs>")); // empty: left out

    const ImportTerv c = imp.tervez(HataroltDekodol(minta(QStringLiteral("idezett.csv"))));
    QCOMPARE(ertek(c.tetelek.at(0), "cikkszam_nev").toString(),
             QStringLiteral("Festés; hosszú hajra"));
    QCOMPARE(ertek(c.tetelek.at(0), "kategoria").toString(), QStringLiteral("szín|ek"));
    QCOMPARE(ertek(c.tetelek.at(1), "cikkszam_nev").toString(),
             QStringLiteral("Két\nsoros \"név\""));
    QCOMPARE(ertek(c.tetelek.at(1), "kategoria").toString(), QStringLiteral("<nincs>"));
    QCOMPARE(ertek(c.tetelek.at(1), "ar").toDouble(), 7.25);

    const ImportTerv d = imp.tervez(QStringLiteral("CIKKSZAM ; megjegyzes;cikkazon;ar\nA;x;5;1\n"),
                                    {QStringLiteral("ar")});
    QCOMPARE(d.ismeretlen, (QStringList{QStringLiteral("megjegyzes"), QStringLiteral("cikkazon")}));
    QCOMPARE(d.oszlopok, QStringList{QStringLiteral("cikkszam")}); // "ar" unticked
    QCOMPARE(ertek(d.tetelek.at(0), "ar").toString(), QStringLiteral("<nincs>"));
}

void TestHatarolt::exportSorok()
{
    QStandardItemModel m(0, 3);
    m.setHorizontalHeaderLabels(
        {QStringLiteral("kód"), QStringLiteral("név"), QStringLiteral("ár")});
    auto sor = [&](const QVariant& a, const QVariant& b, const QVariant& c) {
        QList<QStandardItem*> s;
        for (const QVariant& v : {a, b, c}) {
            auto* i = new QStandardItem;
            i->setData(v, Qt::EditRole);
            s.append(i);
        }
        m.appendRow(s);
    };
    sor(QStringLiteral("A"), QStringLiteral("Fodrász; kozmetikus"), 1250.5);
    sor(QStringLiteral("B"), QStringLiteral("C:\\út\r\nsor \"x\""),
        QVariant(QMetaType(QMetaType::Double)));
    sor(QStringLiteral("C"), QStringLiteral(" szóköz"), 3);

    HataroltBeallitas b;
    QCOMPARE(HataroltIro(&m, b).sorok(),
             (QStringList{QStringLiteral("kód;név;ár;"),
                          QStringLiteral("A;\"Fodrász; kozmetikus\";1250.5"),
                          QStringLiteral("B;\"C:\\\\út\\r\\nsor \"\"x\"\"\";"),
                          QStringLiteral("C;\" szóköz\";3")}));
    b.hatarolo = QLatin1Char('\t');
    b.idezojel = QStringLiteral("'");
    b.fejlecNelkul = true;
    b.oszlopok = {2, 0};
    QCOMPARE(HataroltIro(&m, b).sorok(),
             (QStringList{QString(), QStringLiteral("'1250.5'\t'A'"), QStringLiteral("''\t'B'"),
                          QStringLiteral("'3'\t'C'")}));
    // "Megállít": the rows written so far stay.
    QCOMPARE(HataroltIro(&m, HataroltBeallitas{}).sorok([](int r, int) { return r < 1; }).size(),
             2);

    // What the export writes the import reads back.
    const QList<HataroltRekord> vissza =
        HataroltElemez(HataroltIro(&m, HataroltBeallitas{}).sorok().join(QLatin1Char('\n')));
    QCOMPARE(HataroltVisszaalakit(vissza.at(2).mezok.at(1)), QStringLiteral("C:\\út\r\nsor \"x\""));
    QCOMPARE(vissza.at(1).mezok.at(1), QStringLiteral("Fodrász; kozmetikus"));
    QCOMPARE(vissza.at(3).mezok.at(1), QStringLiteral(" szóköz"));

    // Windows-1250 when it holds the text, UTF-8 with BOM otherwise.
    QTemporaryDir d;
    HataroltMent(d.filePath(QStringLiteral("a.csv")), {QStringLiteral("ő;ű")});
    QFile f(d.filePath(QStringLiteral("a.csv")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("\xF5;\xFB\r\n"));
    f.close();
    HataroltMent(d.filePath(QStringLiteral("a.csv")), {QStringLiteral("ő;✂")});
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBF") + QStringLiteral("ő;✂\r\n").toUtf8());
}

void TestHatarolt::xlsxVisszaolvasva()
{
    QStandardItemModel m(0, 4);
    m.setHorizontalHeaderLabels({QStringLiteral("cikkszam"), QStringLiteral("cikkszam_nev"),
                                 QStringLiteral("ar"), QStringLiteral("db")});
    const QList<QList<QVariant>> adat = {
        {QStringLiteral("F01"), QStringLiteral("Árvíztűrő tükörfúrógép"), 1250.5, 3},
        {QStringLiteral("F02"), QStringLiteral("Őszi \"festés\" & <mosás>"), -0.25, 0},
        {QStringLiteral("F03"), QVariant(), 1e9, QVariant(QMetaType(QMetaType::Int))},
    };
    for (const auto& s : adat) {
        QList<QStandardItem*> sor;
        for (const QVariant& v : s) {
            auto* i = new QStandardItem;
            i->setData(v, Qt::EditRole);
            sor.append(i);
        }
        m.appendRow(sor);
    }
    QTemporaryDir d;
    const QString fajl = d.filePath(QStringLiteral("export.xlsx"));
    XlsxMent(fajl, &m);
    QMap<QString, bool> szamok;
    const QMap<QString, QString> c = xlsxCellak(fajl, &szamok);
    const QMap<QString, QString> vart = {
        {QStringLiteral("A1"), QStringLiteral("cikkszam")},
        {QStringLiteral("B1"), QStringLiteral("cikkszam_nev")},
        {QStringLiteral("C1"), QStringLiteral("ar")},
        {QStringLiteral("D1"), QStringLiteral("db")},
        {QStringLiteral("A2"), QStringLiteral("F01")},
        {QStringLiteral("B2"), QStringLiteral("Árvíztűrő tükörfúrógép")},
        {QStringLiteral("C2"), QStringLiteral("1250.5")},
        {QStringLiteral("D2"), QStringLiteral("3")},
        {QStringLiteral("A3"), QStringLiteral("F02")},
        {QStringLiteral("B3"), QStringLiteral("Őszi \"festés\" & <mosás>")},
        {QStringLiteral("C3"), QStringLiteral("-0.25")},
        {QStringLiteral("D3"), QStringLiteral("0")},
        {QStringLiteral("A4"), QStringLiteral("F03")},
        {QStringLiteral("C4"), QStringLiteral("1000000000")},
    };
    QCOMPARE(c, vart);
    for (const QString& ref :
         {QStringLiteral("C2"), QStringLiteral("D2"), QStringLiteral("C3"), QStringLiteral("C4")})
        QVERIFY2(szamok.value(ref), qPrintable(ref + QStringLiteral(" is not a number cell")));
    QVERIFY(!szamok.value(QStringLiteral("B2")));
    QVERIFY(!QDir(d.path())
                 .entryList(QDir::Hidden | QDir::Files)
                 .join(u' ')
                 .contains(QLatin1String(".tmp")));

    // A folder that cannot be written: an error, no file.
    try {
        XlsxMent(QStringLiteral("/nonexistent-folder/x.xlsx"), &m);
        QFAIL("no error");
    } catch (const Hiba& h) {
        QVERIFY(h.uzenet().startsWith(QStringLiteral("A munkalap nem")));
    }
}

void TestHatarolt::fuzz()
{
    // Random and mutated files through decoding, splitting and checking:
    // every outcome is a result or a HataroltHiba, never a crash or another
    // exception. Seeded, so a failure repeats.
    const CikkImport imp = offline();
    const QList<QByteArray> magok = {minta(QStringLiteral("ansi_crlf.csv")),
                                     minta(QStringLiteral("utf8bom_tab.tsv")),
                                     minta(QStringLiteral("idezett.csv"))};
    QRandomGenerator rnd(20261211);
    const QByteArray abc("\";|\t\r\n ,.-0123456789abcIN\xC3\xB5\xEF\xBB\xBF\x80\xFF");
    int elfogadott = 0, elutasitott = 0;
    for (int k = 0; k < 3000; ++k) {
        QByteArray b;
        if (k % 5 == 0) {
            const int n = int(rnd.bounded(200));
            for (int i = 0; i < n; ++i)
                b.append(abc.at(int(rnd.bounded(abc.size()))));
        } else {
            b = magok.at(k % magok.size());
            const int valtozas = 1 + int(rnd.bounded(8));
            for (int v = 0; v < valtozas && !b.isEmpty(); ++v) {
                const int hol = int(rnd.bounded(b.size()));
                switch (rnd.bounded(4)) {
                case 0:
                    b[hol] = abc.at(int(rnd.bounded(abc.size())));
                    break;
                case 1:
                    b.insert(hol, abc.at(int(rnd.bounded(abc.size()))));
                    break;
                case 2:
                    b.remove(hol, 1 + int(rnd.bounded(4)));
                    break;
                default:
                    b.insert(hol, b.mid(int(rnd.bounded(b.size())), int(rnd.bounded(10))));
                }
            }
        }
        try {
            const ImportTerv t = imp.tervez(HataroltDekodol(b));
            for (const ImportTetel& tt : t.tetelek)
                QVERIFY(!tt.cikkszam.isEmpty() && tt.sor >= 2);
            ++elfogadott;
        } catch (const HataroltHiba& h) {
            QVERIFY(!h.uzenet().isEmpty());
            QVERIFY(h.sor() >= 1);
            ++elutasitott;
        }
    }
    qInfo("fuzz: %d accepted, %d refused", elfogadott, elutasitott);
    QVERIFY(elfogadott > 0 && elutasitott > 0);
}

QTEST_GUILESS_MAIN(TestHatarolt)
#include "test_hatarolt.moc"
