// The price-list import against the real server: files in each encoding and
// with each kind of fault, imported exactly or refused with the line named,
// the database compared table by table afterwards; a refusal by the server
// in the middle of the writing and a cancel roll everything back; an export
// imported again changes nothing; the download from a local HTTP server,
// with a server error and a timeout that change nothing.

#include "CikkImport.h"
#include "DbHiba.h"
#include "HataroltSzoveg.h"
#include "HttpLetoltes.h"
#include "KozosDB.h"
#include "SqlMunka.h"
#include "TesztAdatbazis.h"
#include "TesztHttpSzerver.h"
#include "XlsxIro.h"
#include "XlsxOlvas.h"

#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString dbNev = QStringLiteral("teszt_cikkimport");

using Pillanatkep = QMap<QString, QStringList>;

Pillanatkep pillanatkep()
{
    Pillanatkep ki;
    for (const QString& t : TablaNevek()) {
        QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM ") + t + QLatin1Char(';'));
        QStringList sorok;
        while (q.next()) {
            QStringList m;
            for (int i = 0; i < q.record().count(); ++i)
                m.append(q.value(i).isNull() ? QStringLiteral("<NULL>") : q.value(i).toString());
            sorok.append(m.join(QChar(0x1f)));
        }
        sorok.sort();
        ki.insert(t, sorok);
    }
    return ki;
}

// The items as "code|name|ar|ar2|cikkat|aktiv|torolve|kellar|port1|kategoria",
// ordered by code.
QStringList cikkek()
{
    QStringList ki;
    QSqlQuery q = SqlNyit(QStringLiteral(
        "SELECT cikkszam, cikkszam_nev, ar, ar2, cikkat, aktiv, torolve, kellar, port1, "
        "IFNULL(kategoria,'') FROM cikkszam ORDER BY cikkazon;"));
    while (q.next()) {
        QStringList m;
        for (int i = 0; i < 10; ++i)
            m.append(q.value(i).toString());
        ki.append(m.join(u'|'));
    }
    return ki;
}

ImportEredmeny importal(const QByteArray& fajl, bool csakUj,
                        const std::function<bool(int, int)>& haladas = {})
{
    CikkImport imp;
    return imp.vegrehajt(imp.tervez(HataroltDekodol(fajl)), csakUj, haladas);
}

QByteArray ansi(const QString& s)
{
    QByteArray b;
    for (QChar c : s) {
        // Windows-1250 bytes of the letters used here.
        static const QHash<QChar, char> t = {
            {QChar(0xE1), '\xE1'},  {QChar(0xE9), '\xE9'}, {QChar(0xED), '\xED'},
            {QChar(0xF3), '\xF3'},  {QChar(0xF6), '\xF6'}, {QChar(0x151), '\xF5'},
            {QChar(0xFA), '\xFA'},  {QChar(0xFC), '\xFC'}, {QChar(0x171), '\xFB'},
            {QChar(0x150), '\xD5'}, {QChar(0xC1), '\xC1'}, {QChar(0x20AC), '\x80'}};
        b.append(c.unicode() < 0x80 ? char(c.unicode()) : t.value(c, '?'));
    }
    return b;
}

} // namespace

class TestCikkImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void import_data();
    void import();
    void szerverHibaVisszagorget();
    void megszakitas();
    void oda_vissza();
    void http();
};

void TestCikkImport::initTestCase()
{
    TesztAdatbazis::letrehoz(dbNev);
    SQL_OK(QStringLiteral("INSERT INTO cikkat (cikkat, cikkat_nev) VALUES (1,'Szolgáltatás');"));
    SQL_OK(
        QStringLiteral("INSERT INTO besorolas (besorolas, besorolas_nev) VALUES (1,'Fodrász');"));
    SQL_OK(QStringLiteral("INSERT INTO mert (mert, mert_nev) VALUES (1,'db');"));
}

void TestCikkImport::init()
{
    SQL_OK(QStringLiteral("DELETE FROM cikkszam;"));
    SQL_OK(
        QStringLiteral("INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, ar2, cikkat, "
                       "kategoria) VALUES "
                       "(1,'A1','Régi név',100,110,1,'régi'),(2,'B2','Hajvágás',2000,0,0,NULL);"));
}

void TestCikkImport::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(dbNev);
}

void TestCikkImport::import_data()
{
    QTest::addColumn<QByteArray>("fajl");
    QTest::addColumn<bool>("csakUj");
    QTest::addColumn<QString>("hiba");      // empty: imported
    QTest::addColumn<QStringList>("vart");  // the items afterwards
    QTest::addColumn<QStringList>("naplo"); // the result log from its third line

    const QString a1 = QStringLiteral("A1|Régi név|100|110|1|I|N|N|0|régi");
    const QString b2 = QStringLiteral("B2|Hajvágás|2000|0|0|I|N|N|0|");

    QTest::newRow("windows-1250, CR LF, update and new")
        << ansi(QStringLiteral(
               "cikkszam;cikkszam_nev;ar;cikkat\r\nA1;Árvíztűrő tükörfúrógép;1 250,5;0\r\n"
               "\r\nC3;Őszi hajfestés;3500;1\r\n"))
        << false << QString()
        << QStringList{QStringLiteral("A1|Árvíztűrő tükörfúrógép|1250.5|110|0|I|N|N|0|régi"), b2,
                       QStringLiteral("C3|Őszi hajfestés|3500|0|1|I|N|N|0|")}
        << QStringList{QStringLiteral("Frissített cikkek száma: 1"),
                       QStringLiteral("Új cikkek száma: 1"),
                       QString(),
                       QStringLiteral("Új cikkek:"),
                       QString(),
                       QStringLiteral("C3;Őszi hajfestés")};
    QTest::newRow("utf-8 with BOM, TAB, LF, empty value keeps the column")
        << QByteArray("\xEF\xBB\xBF") +
               QStringLiteral(
                   "cikkszam\tcikkszam_nev\tar\tkategoria\nB2\t\t2100\türes?\nA1\tÚj név\t \t\n")
                   .toUtf8()
        << false << QString()
        << QStringList{QStringLiteral("A1|Új név|100|110|1|I|N|N|0|régi"),
                       QStringLiteral("B2|Hajvágás|2100|0|0|I|N|N|0|üres?")}
        << QStringList{QStringLiteral("Frissített cikkek száma: 2"),
                       QStringLiteral("Új cikkek száma: 0"), QString(),
                       QStringLiteral("Új cikkek:"), QString()};
    QTest::newRow("utf-8 without BOM, pipes, quotes with separators and a line break")
        << QStringLiteral("cikkszam|cikkszam_nev|kategoria|megjegyzes|aktiv\nD4|\"Festés; hosszú "
                          "\"\"extra\"\"\"|\"a|b\"|"
                          "nem oszlop|N\n\"E 5\"|\"Két\r\nsor\"||x|\n")
               .toUtf8()
        << false << QString()
        << QStringList{a1, b2, QStringLiteral("D4|Festés; hosszú \"extra\"|0|0|0|N|N|N|0|a|b"),
                       QStringLiteral("E 5|Két\nsor|0|0|0|I|N|N|0|")}
        << QStringList{QStringLiteral("Frissített cikkek száma: 0"),
                       QStringLiteral("Új cikkek száma: 2"),
                       QString(),
                       QStringLiteral("Új cikkek:"),
                       QString(),
                       QStringLiteral("D4;Festés; hosszú \"extra\""),
                       QStringLiteral("E 5;Két\nsor")};
    QTest::newRow("only new rows: an existing item is neither changed nor counted")
        << QByteArray("cikkszam;ar\nA1;999\nF6;10\n") << true << QString()
        << QStringList{a1, b2, QStringLiteral("F6||10|0|0|I|N|N|0|")}
        << QStringList{QStringLiteral("Frissített cikkek száma: 0"),
                       QStringLiteral("Új cikkek száma: 1"),
                       QString(),
                       QStringLiteral("Új cikkek:"),
                       QString(),
                       QStringLiteral("F6;")};

    // Refused files: nothing changes.
    QTest::newRow("no item code column")
        << QByteArray("kod;ar\nA1;1\n") << false
        << QStringLiteral("Nem található cikkszám az állományban. [cikkszam]")
        << QStringList{a1, b2} << QStringList{};
    QTest::newRow("missing column on the last line")
        << QByteArray("cikkszam;ar;ar2\nA1;1;2\nG7;3;4\nH8;5\n") << false
        << QStringLiteral("4. sor: hiányzik a(z) [ar2] oszlop értéke") << QStringList{a1, b2}
        << QStringList{};
    QTest::newRow("wrong number") << QByteArray("cikkszam;ar\nA1;1\nG7;12 Ft\n") << false
                                  << QStringLiteral("3. sor, [ar] oszlop: „12 Ft” nem szám.")
                                  << QStringList{a1, b2} << QStringList{};
    QTest::newRow("windows-1250 euro sign outside latin2")
        << ansi(QStringLiteral("cikkszam;cikkszam_nev\nA1;Ár €\n")) << false
        << QStringLiteral("2. sor, [cikkszam_nev] oszlop: „Ár €” olyan karaktert")
        << QStringList{a1, b2} << QStringList{};
    QTest::newRow("unknown category")
        << QByteArray("cikkszam;cikkat\nG7;1\nH8;42\n") << false
        << QStringLiteral("3. sor, [cikkat] oszlop: nincs 42 számú árlista tétel kategória.")
        << QStringList{a1, b2} << QStringList{};
    QTest::newRow("unclosed quote")
        << QByteArray("cikkszam;cikkszam_nev\nG7;\"nyitva\nH8;x\n") << false
        << QStringLiteral("Lezáratlan idézőjel a(z) 2. sorban.") << QStringList{a1, b2}
        << QStringList{};
}

void TestCikkImport::import()
{
    QFETCH(QByteArray, fajl);
    QFETCH(bool, csakUj);
    QFETCH(QString, hiba);
    QFETCH(QStringList, vart);
    QFETCH(QStringList, naplo);

    Pillanatkep elotte = pillanatkep();
    try {
        const ImportEredmeny e = importal(fajl, csakUj);
        QVERIFY2(hiba.isEmpty(), "a faulty file was imported");
        QCOMPARE(e.naplo(QDate(2026, 5, 4)).mid(2), naplo);
        QCOMPARE(e.naplo(QDate(2026, 5, 4)).first(), QStringLiteral("2026.05.04"));
    } catch (const HataroltHiba& h) {
        QVERIFY2(!hiba.isEmpty() && h.uzenet().contains(hiba), qPrintable(h.uzenet()));
    }
    QCOMPARE(cikkek(), vart);
    // Every other table as it was.
    Pillanatkep utana = pillanatkep();
    elotte.remove(QStringLiteral("cikkszam"));
    utana.remove(QStringLiteral("cikkszam"));
    QCOMPARE(utana, elotte);
}

void TestCikkImport::szerverHibaVisszagorget()
{
    // The server refuses the last of 450 new items (three INSERT blocks)
    // after an update: nothing of it stays.
    SQL_OK(QStringLiteral("CREATE TRIGGER teszt_tilt BEFORE INSERT ON cikkszam FOR EACH ROW "
                          "IF NEW.cikkszam = 'TILOS' THEN SIGNAL SQLSTATE '45000' SET "
                          "MESSAGE_TEXT = 'tiltott cikk'; END IF;"));
    QByteArray f("cikkszam;cikkszam_nev;ar\nA1;Megváltozna;5\n");
    for (int i = 0; i < 450; ++i)
        f += "N" + QByteArray::number(i) + ";Új;" + QByteArray::number(i) + "\n";
    f += "TILOS;x;1\n";
    const Pillanatkep elotte = pillanatkep();
    try {
        importal(f, false);
        QFAIL("no error");
    } catch (const DbHiba& h) {
        QVERIFY2(h.uzenet().contains(QStringLiteral("tiltott cikk")), qPrintable(h.uzenet()));
    }
    SQL_OK(QStringLiteral("DROP TRIGGER teszt_tilt;"));
    QCOMPARE(pillanatkep(), elotte);
}

void TestCikkImport::megszakitas()
{
    const Pillanatkep elotte = pillanatkep();
    try {
        importal("cikkszam;ar\nA1;5\nX1;1\nX2;2\nX3;3\n", false,
                 [](int kesz, int) { return kesz < 3; });
        QFAIL("no cancel");
    } catch (const Hiba& h) {
        QCOMPARE(h.uzenet(),
                 QStringLiteral("Az importálás megszakítva, az adatbázis nem változott."));
    }
    QCOMPARE(pillanatkep(), elotte);
}

void TestCikkImport::oda_vissza()
{
    // Items with what a file could spoil: separators, quotes, a backslash,
    // surrounding spaces, Hungarian letters, fractions, NULLs.
    SQL_OK(QStringLiteral("INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar, ar2, ar3, "
                          "afakulcs, kategoria, "
                          "pgepgyujto, port2, aktiv, bekerules) VALUES "
                          "(3,'K;1','Festés; \"hosszú\" | haj\\\\tő',0.1,1234.5678,-3,5,' szél "
                          "','a\\tb','2','N',1e-7),"
                          "(4,'Ű2','Őszi ÁRVÍZTŰRŐ',12000,NULL,0,27,'','x','0','I',2.5);"));
    const Pillanatkep elotte = pillanatkep();

    QSqlQueryModel m;
    m.setQuery(QStringLiteral("SELECT * FROM cikkszam ORDER BY cikkazon;"), Kapcsolat::fo());
    QCOMPARE(m.rowCount(), 4);
    QTemporaryDir d;
    const QString csv = d.filePath(QStringLiteral("arlista.csv"));
    HataroltMent(csv, HataroltIro(&m, HataroltBeallitas{}, OszlopFajtak(m.record())).sorok());
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bajtok = f.readAll();
    QVERIFY(!bajtok.startsWith("\xEF\xBB\xBF")); // Windows-1250 holds it all
    ImportEredmeny e;
    try {
        e = importal(bajtok, false);
    } catch (const Hiba& h) {
        QFAIL(qPrintable(h.uzenet() + QLatin1Char('\n') + QString::fromLatin1(bajtok)));
    }
    QCOMPARE(e.frissitett, 4);
    QVERIFY(e.ujak.isEmpty());
    QCOMPARE(pillanatkep(), elotte);

    // The worksheet of the same result holds the same cells.
    const QString xlsx = d.filePath(QStringLiteral("arlista.xlsx"));
    XlsxMent(xlsx, &m);
    QMap<QString, bool> szamok;
    const QMap<QString, QString> cellak = xlsxCellak(xlsx, &szamok);
    auto ref = [](int r, int c) {
        QString betu(QChar(u'A' + c % 26));
        if (c >= 26)
            betu.prepend(QChar(u'A' + c / 26 - 1));
        return betu + QString::number(r + 1);
    };
    for (int c = 0; c < m.columnCount(); ++c)
        QCOMPARE(cellak.value(ref(0, c)), m.record().fieldName(c));
    for (int r = 0; r < m.rowCount(); ++r)
        for (int c = 0; c < m.columnCount(); ++c) {
            const QVariant v = m.data(m.index(r, c), Qt::EditRole);
            const QString hol = ref(r + 1, c);
            if (v.isNull() || v.toString().isEmpty()) {
                QVERIFY2(!cellak.contains(hol), qPrintable(hol));
            } else if (v.metaType().id() == QMetaType::Double ||
                       v.metaType().id() == QMetaType::Int) {
                QVERIFY2(szamok.value(hol), qPrintable(hol));
                QCOMPARE(cellak.value(hol).toDouble(), v.toDouble());
            } else {
                QCOMPARE(cellak.value(hol), v.toString());
            }
        }
}

void TestCikkImport::http()
{
    TesztSzerver szerver;
    QVERIFY(szerver.isListening());
    QTemporaryDir d;
    const QString fajl = d.filePath(QStringLiteral("letoltott.csv"));
    QFile regi(fajl);
    QVERIFY(regi.open(QIODevice::WriteOnly));
    regi.write("korábbi tartalom");
    regi.close();
    auto tartalom = [&] {
        QFile f(fajl);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const Pillanatkep elotte = pillanatkep();

    // A server error: reported, the file and the database stay.
    szerver.allapot = 500;
    szerver.torzs = "hiba";
    try {
        HttpLetolt(szerver.cim(), fajl, 5000);
        QFAIL("no error");
    } catch (const Hiba& h) {
        QVERIFY2(h.uzenet().startsWith(LetoltesHibaElotag() + QStringLiteral("HTTP 500")),
                 qPrintable(h.uzenet()));
    }
    QCOMPARE(tartalom(), QByteArray("korábbi tartalom"));

    // No answer: a timeout.
    szerver.hallgat = true;
    QElapsedTimer ora;
    ora.start();
    try {
        HttpLetolt(szerver.cim(), fajl, 700);
        QFAIL("no error");
    } catch (const Hiba& h) {
        QVERIFY2(h.uzenet().contains(QStringLiteral("Időtúllépés")), qPrintable(h.uzenet()));
    }
    QVERIFY(ora.elapsed() < 10000);
    QCOMPARE(tartalom(), QByteArray("korábbi tartalom"));
    QCOMPARE(pillanatkep(), elotte);

    // A good answer replaces the file; its import works like a local one.
    szerver.hallgat = false;
    szerver.allapot = 200;
    szerver.torzs = ansi(QStringLiteral("cikkszam;cikkszam_nev;ar\r\nW1;Webről jött;990\r\n"));
    HttpLetolt(szerver.cim(), fajl, 5000);
    QCOMPARE(tartalom(), szerver.torzs);
    importal(tartalom(), false);
    QCOMPARE(cikkek().last(), QStringLiteral("W1|Webről jött|990|0|0|I|N|N|0|"));
}

QTEST_GUILESS_MAIN(TestCikkImport)
#include "test_cikkimport.moc"
