// Printer profiles: the "Nyomtato.csv" format (round trip, files written by
// hand or by the Windows workstations), reading a profile, and the table
// operations of the profile window (append, delete with renumbering, moves).

#include "Ansi.h"
#include "Mappak.h"
#include "Nyomtato.h"
#include "NyomtatoLista.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TNyomtato grafikus(int n)
{
    TNyomtato ny;
    ny.nyomtato = n;
    ny.nyomtato_nev = QStringLiteral("Irodai, \"A4\" lézer");
    ny.nyomtipus = 0;
    ny.kodlapkonv = -1;
    ny.marka = -1;
    ny.betutipus = QStringLiteral("Courier New");
    ny.betumeret = 10;
    ny.szeles = 80;
    ny.extrasor = 0;
    NyomtatoNevekBeallit(ny);
    return ny;
}

TNyomtato szoveges(int n, const QString& nev, bool cutter = true)
{
    TNyomtato ny;
    ny.nyomtato = n;
    ny.nyomtato_nev = nev;
    ny.nyomtipus = 1;
    ny.kodlapkonv = 2;
    ny.marka = 0;
    ny.szeles = 40;
    ny.extrasor = 5;
    ny.cutter = cutter;
    NyomtatoNevekBeallit(ny);
    return ny;
}

QByteArray olvas(const QString& f)
{
    QFile x(f);
    return x.open(QIODevice::ReadOnly) ? x.readAll() : QByteArray();
}

void ir(const QString& f, const QByteArray& b)
{
    QFile x(f);
    QVERIFY(x.open(QIODevice::WriteOnly));
    x.write(b);
}

QList<int> szamok(const TNyomtatoLista& l)
{
    QList<int> s;
    for (const TNyomtato& ny : l.sorok())
        s << ny.nyomtato;
    return s;
}

QStringList nevek(const TNyomtatoLista& l)
{
    QStringList s;
    for (const TNyomtato& ny : l.sorok())
        s << ny.nyomtato_nev;
    return s;
}

} // namespace

class TestNyomtato : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void init();
    void fajlFormatum();
    void oda_vissza();
    void utf8HaNemFerBele();
    void kezzelIrtFajlok_data();
    void kezzelIrtFajlok();
    void betoltes();
    void irasHiba();
    void ujSor();
    void torlesUjraszamoz();
    void mozgatas();
    void mozgatasNagySorszamokkal();
};

void TestNyomtato::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ir(m_dir.filePath(QStringLiteral("VexloF.ini")), QByteArray());
    MappakBeallit(m_dir.path());
    QCOMPARE(NyomtatoFajl(), QDir::cleanPath(m_dir.path()) + QStringLiteral("/Nyomtato.csv"));
}

void TestNyomtato::init()
{
    QFile::remove(NyomtatoFajl());
}

// The graphic and raw paths are named after the system's printing.
#ifdef Q_OS_WIN
#define RENDSZER "Windows"
#else
#define RENDSZER "CUPS"
#endif

void TestNyomtato::fajlFormatum()
{
    // Sorted by number, texts quoted (quotes doubled), Booleans True/False,
    // CR LF, Windows-1250.
    NyomtatoListaIr(NyomtatoFajl(), {szoveges(2, QStringLiteral("Star TSP"), false), grafikus(1)});
    const QByteArray vart =
        "\"nyomtato:Integer\",\"nyomtato_nev:String(50)\",\"nyomtipus:Integer\",\"kodlapkonv:"
        "Integer\","
        "\"betutipus:String(20)\",\"betumeret:Integer\",\"szeles:Integer\",\"extrasor:Integer\","
        "\"marka:Integer\",\"cutter:Boolean\",\"nyomtipus_nev:String(50)\",\"kodlapkonv_nev:String("
        "50)\","
        "\"marka_nev:String(50)\"\r\n"
        "1,\"Irodai, \"\"A4\"\" l\xE9zer\",0,-1,\"Courier New\",10,80,0,-1,False,"
        "\"" RENDSZER " nyomtat\xE1s (grafikus)\",\"\",\"\"\r\n"
        "2,\"Star TSP\",1,2,\"\",0,40,5,0,False,\"" RENDSZER
        " nyomtat\xE1s (sz\xF6veges)\",\"PC852\",\"Star\"\r\n";
    QCOMPARE(olvas(NyomtatoFajl()).split('\n'), vart.split('\n'));
}

void TestNyomtato::oda_vissza()
{
    TNyomtato port = szoveges(3, QStringLiteral("FILE"));
    port.nyomtipus = 2;
    port.marka = 3;
    port.kodlapkonv = 3;
    NyomtatoNevekBeallit(port);
    const QList<TNyomtato> lista = {grafikus(1), szoveges(2, QStringLiteral("Konyha\r\nsor")), port};
    NyomtatoListaIr(NyomtatoFajl(), lista);
    QCOMPARE(NyomtatoListaOlvas(NyomtatoFajl()), lista);
    QCOMPARE(port.marka_nev, QStringLiteral("Egyéb nyomtató"));
}

void TestNyomtato::utf8HaNemFerBele()
{
    // A name outside Windows-1250 is kept: the file is written in UTF-8.
    const QList<TNyomtato> lista = {szoveges(1, QStringLiteral("Nyomtató ✓ 打印机"))};
    NyomtatoListaIr(NyomtatoFajl(), lista);
    QVERIFY(Utf8Szoveg(olvas(NyomtatoFajl())));
    QCOMPARE(NyomtatoListaOlvas(NyomtatoFajl()), lista);
}

void TestNyomtato::kezzelIrtFajlok_data()
{
    QTest::addColumn<QByteArray>("fajl");
    QTest::addColumn<QString>("nev1");
    QTest::addColumn<bool>("cutter1");
    QTest::addColumn<int>("darab");

    QTest::newRow("Windows-1250, CR LF, quoted, other header lines")
        << QByteArray("@@FILE VERSION@@\r\n251\r\n@@TABLEDEF START@@\r\nnyomtato=Integer,0,\"sorsz\xE1m\"\r\n"
                      "@@TABLEDEF END@@\r\n"
                      "\"nyomtato\",\"nyomtato_nev\",\"nyomtipus\"\r\n"
                      "2,\"Pult\",2,1,\"\",0,24,3,1,False,\"Direkt nyomtat\xE1s (Port)\",\"PC850\",\"Samsung\"\r\n"
                      "1,\"Konyha \xE9s b\xE1r\",1,2,\"\",0,40,5,0,True,\"x\",\"PC852\",\"Star\"\r\n")
        << QStringLiteral("Konyha és bár") << true << 2;
    QTest::newRow("UTF-8, LF, bare values, lower-case Booleans")
        << QByteArray("nyomtato,nyomtato_nev,nyomtipus,kodlapkonv,betutipus,betumeret,szeles,extrasor,marka,cutter\n"
                      "1,Konyha és bár,1,2,,,40,5,0,true\n")
        << QStringLiteral("Konyha és bár") << true << 1;
    QTest::newRow("UTF-8 with BOM, missing trailing fields")
        << QByteArray("\xEF\xBB\xBF\"nyomtato\"\r\n1,\"Blokk\"\r\n") << QStringLiteral("Blokk") << false << 1;
    QTest::newRow("blank lines, no header") << QByteArray("\r\n\r\n1,\"A\",1,0,\"\",0,40,0,0,FALSE\r\n\r\n")
                                            << QStringLiteral("A") << false << 1;
    QTest::newRow("empty file") << QByteArray() << QString() << false << 0;
}

void TestNyomtato::kezzelIrtFajlok()
{
    QFETCH(QByteArray, fajl);
    QFETCH(QString, nev1);
    QFETCH(bool, cutter1);
    QFETCH(int, darab);
    ir(NyomtatoFajl(), fajl);
    const QList<TNyomtato> lista = NyomtatoListaOlvas(NyomtatoFajl());
    QCOMPARE(lista.size(), darab);
    if (darab == 0)
        return;
    QCOMPARE(lista.at(0).nyomtato, 1);
    QCOMPARE(lista.at(0).nyomtato_nev, nev1);
    QCOMPARE(lista.at(0).cutter, cutter1);
    TNyomtato ny;
    QVERIFY(NyomtatoBetolt(1, ny));
    QCOMPARE(ny, lista.at(0));
    if (darab == 2) {
        QCOMPARE(lista.at(0).szeles, 40);
        QCOMPARE(lista.at(1).nyomtato_nev, QStringLiteral("Pult"));
        QCOMPARE(lista.at(1).nyomtipus, 2);
        QCOMPARE(lista.at(1).extrasor, 3);
        QCOMPARE(lista.at(1).marka_nev, QStringLiteral("Samsung"));
    }
}

void TestNyomtato::betoltes()
{
    // No file: false, the record untouched.
    TNyomtato ny = szoveges(7, QStringLiteral("marad"));
    const TNyomtato eredeti = ny;
    QVERIFY(!NyomtatoBetolt(1, ny));
    QCOMPARE(ny, eredeti);

    NyomtatoListaIr(NyomtatoFajl(), {grafikus(1), szoveges(2, QStringLiteral("Star"))});
    QVERIFY(!NyomtatoBetolt(3, ny));
    QCOMPARE(ny, eredeti);
    QVERIFY(NyomtatoBetolt(2, ny));
    QCOMPARE(ny, szoveges(2, QStringLiteral("Star")));

    // Read afresh on every call.
    NyomtatoListaIr(NyomtatoFajl(), {grafikus(1), szoveges(2, QStringLiteral("Samsung"))});
    QVERIFY(NyomtatoBetolt(2, ny));
    QCOMPARE(ny.nyomtato_nev, QStringLiteral("Samsung"));

    // A graphic profile has no code page or make names.
    QVERIFY(NyomtatoBetolt(1, ny));
    QCOMPARE(ny.kodlapkonv, -1);
    QVERIFY(ny.kodlapkonv_nev.isEmpty());
    QVERIFY(ny.marka_nev.isEmpty());
}

void TestNyomtato::irasHiba()
{
    const QString rossz = m_dir.filePath(QStringLiteral("nincs/ilyen/mappa/Nyomtato.csv"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, NyomtatoListaIr(rossz, {grafikus(1)}));
    // A missing file reads as an empty list.
    QVERIFY(NyomtatoListaOlvas(rossz).isEmpty());
}

void TestNyomtato::ujSor()
{
    TNyomtatoLista l;
    QCOMPARE(l.kovetkezoSorszam(), 1);
    QCOMPARE(l.aktualis(), -1);
    TNyomtato ny = szoveges(l.kovetkezoSorszam(), QStringLiteral("A"));
    ny.nyomtipus_nev.clear();
    ny.marka = 1;
    l.hozzaad(ny);
    QCOMPARE(l.sorok().at(0).nyomtipus_nev, NyomtipusNevek().at(1));
    QCOMPARE(l.sorok().at(0).marka_nev, QStringLiteral("Samsung"));
    l.hozzaad(szoveges(l.kovetkezoSorszam(), QStringLiteral("B")));
    QCOMPARE(l.kovetkezoSorszam(), 3);
    QCOMPARE(l.aktualis(), 1);
    // A code outside its list leaves the name as it was.
    TNyomtato c = szoveges(9, QStringLiteral("C"));
    c.marka = 8;
    c.marka_nev = QStringLiteral("régi");
    l.hozzaad(c);
    QCOMPARE(l.sorok().at(2).marka_nev, QStringLiteral("régi"));
}

void TestNyomtato::torlesUjraszamoz()
{
    // Three profiles, delete the second, save: profiles 1 and 2 in the file,
    // the former third now number 2.
    TNyomtatoLista l;
    for (const char* n : {"egy", "ketto", "harom"})
        l.hozzaad(szoveges(l.kovetkezoSorszam(), QString::fromLatin1(n)));
    l.aktualisBeallit(1);
    l.torol(l.aktualis());
    QCOMPARE(szamok(l), (QList<int>{1, 2}));
    QCOMPARE(nevek(l), (QStringList{QStringLiteral("egy"), QStringLiteral("harom")}));
    QCOMPARE(l.aktualis(), 0);
    l.ment(NyomtatoFajl());
    TNyomtato ny;
    QVERIFY(NyomtatoBetolt(2, ny));
    QCOMPARE(ny.nyomtato_nev, QStringLiteral("harom"));
    QVERIFY(!NyomtatoBetolt(3, ny));

    // Renumbering closes gaps of a file edited by hand.
    TNyomtatoLista h;
    h.beallit({szoveges(3, QStringLiteral("c")), szoveges(1, QStringLiteral("a")), szoveges(7, QStringLiteral("d"))});
    h.torol(-1);
    QCOMPARE(szamok(h), (QList<int>{1, 2, 3}));
    QCOMPARE(nevek(h), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
}

void TestNyomtato::mozgatas()
{
    TNyomtatoLista l;
    for (const char* n : {"a", "b", "c"})
        l.hozzaad(szoveges(l.kovetkezoSorszam(), QString::fromLatin1(n)));
    const QList<TNyomtato> eredeti = l.sorok();

    l.aktualisBeallit(0);
    QVERIFY(!l.feljebb()); // profile 1 up: nothing
    QCOMPARE(l.sorok(), eredeti);
    l.aktualisBeallit(2);
    QVERIFY(!l.lejjebb()); // last profile down: nothing
    QCOMPARE(l.sorok(), eredeti);

    // "c" up: numbers swapped, "c" stays current.
    QVERIFY(l.feljebb());
    QCOMPARE(nevek(l), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}));
    QCOMPARE(szamok(l), (QList<int>{1, 2, 3}));
    QCOMPARE(l.aktualisSor()->nyomtato_nev, QStringLiteral("c"));
    QVERIFY(l.feljebb());
    QCOMPARE(nevek(l), (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(l.aktualis(), 0);
    // and down again.
    QVERIFY(l.lejjebb());
    QVERIFY(l.lejjebb());
    QCOMPARE(nevek(l), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(l.aktualis(), 2);
    QCOMPARE(szamok(l), (QList<int>{1, 2, 3}));
}

void TestNyomtato::mozgatasNagySorszamokkal()
{
    // Profile 99 takes part in a move like any other.
    QList<TNyomtato> sorok;
    for (int i = 1; i <= 100; ++i)
        sorok << szoveges(i, QString::number(i));
    TNyomtatoLista l;
    l.beallit(sorok);
    l.aktualisBeallit(99); // profile 100
    QVERIFY(l.feljebb());
    QCOMPARE(l.sorok().at(98).nyomtato_nev, QStringLiteral("100"));
    QCOMPARE(l.sorok().at(99).nyomtato_nev, QStringLiteral("99"));
    l.aktualisBeallit(97); // profile 98
    QVERIFY(l.lejjebb());
    QCOMPARE(l.sorok().at(97).nyomtato_nev, QStringLiteral("100"));
    QCOMPARE(l.sorok().at(98).nyomtato_nev, QStringLiteral("98"));
    QCOMPARE(l.aktualisSor()->nyomtato_nev, QStringLiteral("98"));
    for (int i = 0; i < 100; ++i)
        QCOMPARE(l.sorok().at(i).nyomtato, i + 1);
}

QTEST_GUILESS_MAIN(TestNyomtato)
#include "test_nyomtato.moc"
