// The receipt byte streams: code pages, start and cut sequences by make, the
// raw-job and port layouts, feed lines, and the standard header and footer.

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "Mappak.h"
#include "Nyomtato.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TNyomtato)

namespace {

QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}

TNyomtato profil(int nyomtipus, int marka, int kodlap, bool cutter, int extrasor, int szeles = 40)
{
    TNyomtato ny;
    ny.nyomtato = 1;
    ny.nyomtipus = nyomtipus;
    ny.marka = marka;
    ny.kodlapkonv = kodlap;
    ny.cutter = cutter;
    ny.extrasor = extrasor;
    ny.szeles = szeles;
    return ny;
}

// The eighteen Hungarian letters in Windows-1250, in the order of the table.
const QByteArray betukAnsi = hex("C1C9CDD3D5D6DADBDCE1E9EDF3F5F6FAFBFC");

} // namespace

class TestBlokkSzoveg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void kodlap_data();
    void kodlap();
    void kodlapTobbiBajtValtozatlan();
    void sorozatok_data();
    void sorozatok();
    void szovegesAdat_data();
    void szovegesAdat();
    void direktAdat_data();
    void direktAdat();
    void nyomtatoSorok();
    void fejlec_data();
    void fejlec();
    void lablec_data();
    void lablec();
    void fejlecLablecProfil1Szelessegevel();
};

void TestBlokkSzoveg::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile ini(m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    QCOMPARE(AdatMappa(), QDir::cleanPath(m_dir.path()));
}

void TestBlokkSzoveg::kodlap_data()
{
    QTest::addColumn<int>("kodlap");
    QTest::addColumn<QByteArray>("vart");
    // Á É Í Ó Ő Ö Ú Ű Ü á é í ó ő ö ú ű ü
    QTest::newRow("0 Windows1250") << 0 << betukAnsi;
    QTest::newRow("1 PC850") << 1 << hex("B590D6E09999E99A9AA082A1A29494A38181");
    QTest::newRow("2 PC852") << 2 << hex("B590D6E08A99E9EB9AA082A1A28B94A3FB81");
    QTest::newRow("3 PC437") << 3 << QByteArray("AEIOOOUUUaeiooouuu");
    QTest::newRow("unknown 7 converts nothing") << 7 << betukAnsi;
    QTest::newRow("-1 (graphic profile) converts nothing") << -1 << betukAnsi;
}

void TestBlokkSzoveg::kodlap()
{
    QFETCH(int, kodlap);
    QFETCH(QByteArray, vart);
    QCOMPARE(KodlapKonvertal(betukAnsi, kodlap), vart);
    // The same letters typed as text.
    QCOMPARE(SzovegKodlap(QStringLiteral("ÁÉÍÓŐÖÚŰÜáéíóőöúűü"), kodlap), vart);
}

void TestBlokkSzoveg::kodlapTobbiBajtValtozatlan()
{
    QByteArray minden;
    for (int i = 0; i < 256; ++i)
        if (!betukAnsi.contains(char(i)))
            minden += char(i);
    for (int k = 0; k <= 3; ++k)
        QCOMPARE(KodlapKonvertal(minden, k), minden);
    // Line breaks survive every code page.
    QCOMPARE(KodlapKonvertal("a\r\nb\n", 3), QByteArray("a\r\nb\n"));
}

void TestBlokkSzoveg::sorozatok_data()
{
    QTest::addColumn<int>("marka");
    QTest::addColumn<int>("kodlap");
    QTest::addColumn<bool>("cutter");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("vag");
    QTest::newRow("Star 0, cutter") << 0 << 0 << true << hex("1B1D74211B4D0D0A") << hex("1B6430");
    QTest::newRow("Star 1, cutter") << 0 << 1 << true << hex("1B1D74051B4D0D0A") << hex("1B6430");
    QTest::newRow("Star 2, no cutter") << 0 << 2 << false << hex("1B1D74051B4D0D0A") << QByteArray();
    QTest::newRow("Star 3, cutter") << 0 << 3 << true << hex("1B1D74011B4D0D0A") << hex("1B6430");
    QTest::newRow("Samsung, cutter") << 1 << 2 << true << hex("1B401B20011B21010D0A") << hex("1D5601");
    QTest::newRow("Samsung, no cutter") << 1 << 0 << false << hex("1B401B20011B21010D0A") << QByteArray();
    QTest::newRow("Elzab, cutter") << 2 << 2 << true << QByteArray() << QByteArray();
    QTest::newRow("Egyéb, cutter") << 3 << 1 << true << QByteArray() << QByteArray();
    QTest::newRow("graphic profile (-1)") << -1 << -1 << true << QByteArray() << QByteArray();
}

void TestBlokkSzoveg::sorozatok()
{
    QFETCH(int, marka);
    QFETCH(int, kodlap);
    QFETCH(bool, cutter);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, vag);
    QCOMPARE(StartSorozat(marka, kodlap), start);
    QCOMPARE(VagoSorozat(marka, cutter), vag);
}

void TestBlokkSzoveg::szovegesAdat_data()
{
    QTest::addColumn<TNyomtato>("ny");
    QTest::addColumn<QStringList>("sorok");
    QTest::addColumn<QByteArray>("vart");

    const QStringList sorok = {QStringLiteral("Tükörfúrógép"), QString(), QStringLiteral("Ő ű")};
    QTest::newRow("Star PC852, cutter, 3 feed lines")
        << profil(1, 0, 2, true, 3) << sorok
        << hex("1B1D74051B4D0D0A") + "T\x81k\x94rf\xA3r\xA2g\x82p\r\n\r\n\x8A \xFB\r\n"
               + " \r\n \r\n \r\n.\r\n" + hex("1B6430");
    QTest::newRow("Star PC850, no cutter, no feed")
        << profil(1, 0, 1, false, 0) << sorok
        << hex("1B1D74051B4D0D0A") + "T\x81k\x94rf\xA3r\xA2g\x82p\r\n\r\n\x99 \x81\r\n.\r\n";
    QTest::newRow("Star Windows1250, cutter")
        << profil(1, 0, 0, true, 1) << QStringList{QStringLiteral("Ár")}
        << hex("1B1D74211B4D0D0A") + "\xC1r\r\n \r\n.\r\n" + hex("1B6430");
    QTest::newRow("Star PC437, cutter")
        << profil(1, 0, 3, true, 0) << QStringList{QStringLiteral("Űrlap")}
        << hex("1B1D74011B4D0D0A") + "Urlap\r\n.\r\n" + hex("1B6430");
    QTest::newRow("Samsung PC852, cutter, 2 feed lines")
        << profil(1, 1, 2, true, 2) << QStringList{QStringLiteral("Összesen")}
        << hex("1B401B20011B21010D0A") + "\x99sszesen\r\n \r\n \r\n.\r\n" + hex("1D5601");
    QTest::newRow("Samsung, no cutter")
        << profil(1, 1, 0, false, 0) << QStringList{QStringLiteral("x")}
        << hex("1B401B20011B21010D0A") + "x\r\n.\r\n";
    QTest::newRow("Elzab, cutter: no codes")
        << profil(1, 2, 1, true, 1) << QStringList{QStringLiteral("é")} << QByteArray("\x82\r\n \r\n.\r\n");
    QTest::newRow("Egyéb, cutter: no codes")
        << profil(1, 3, 0, true, 0) << QStringList{QStringLiteral("é")} << QByteArray("\xE9\r\n.\r\n");
    QTest::newRow("empty document") << profil(1, 2, 0, false, 0) << QStringList() << QByteArray(".\r\n");
}

void TestBlokkSzoveg::szovegesAdat()
{
    QFETCH(TNyomtato, ny);
    QFETCH(QStringList, sorok);
    QFETCH(QByteArray, vart);
    QCOMPARE(SzovegesAdat(ny, sorok), vart);
}

void TestBlokkSzoveg::direktAdat_data()
{
    QTest::addColumn<TNyomtato>("ny");
    QTest::addColumn<QByteArray>("vart");
    const QByteArray torzs = "B\x82la\r\n \r\n \r\n.\r\n"; // "Béla" in PC852, 2 feed lines
    // The start sequence, then CR LF (after Star's own CR LF), the lines,
    // the cut sequence and a last CR LF.
    QTest::newRow("Star, cutter") << profil(2, 0, 2, true, 2)
                                  << hex("1B1D74051B4D0D0A") + "\r\n" + torzs + hex("1B6430") + "\r\n";
    QTest::newRow("Star, no cutter") << profil(2, 0, 2, false, 2)
                                     << hex("1B1D74051B4D0D0A") + "\r\n" + torzs + "\r\n";
    QTest::newRow("Samsung, cutter") << profil(2, 1, 2, true, 2)
                                     << hex("1B401B20011B21010D0A") + "\r\n" + torzs + hex("1D5601") + "\r\n";
    QTest::newRow("Elzab") << profil(2, 2, 2, true, 2) << QByteArray("\r\n") + torzs + "\r\n";
}

void TestBlokkSzoveg::direktAdat()
{
    QFETCH(TNyomtato, ny);
    QFETCH(QByteArray, vart);
    QCOMPARE(DirektAdat(ny, {QStringLiteral("Béla")}), vart);
}

void TestBlokkSzoveg::nyomtatoSorok()
{
    // A line holding line breaks becomes several lines; empty lines stay; a
    // character outside Windows-1250 prints as "?".
    const QList<QByteArray> sorok =
        NyomtatoSorok({QStringLiteral("a\r\nb"), QString(), QStringLiteral("c\nd"), QStringLiteral("€ ✓")}, 0);
    QCOMPARE(sorok, (QList<QByteArray>{"a", "b", "", "c", "d", "\x80 ?"}));
    QCOMPARE(NyomtatoSorok({QString()}, 0), QList<QByteArray>{QByteArray()});
    QVERIFY(NyomtatoSorok({}, 0).isEmpty());

    QStringList s = {QStringLiteral("x")};
    EmelesHozzaad(s, 3);
    QCOMPARE(s, (QStringList{QStringLiteral("x"), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
                             QStringLiteral(".")}));
}

void TestBlokkSzoveg::fejlec_data()
{
    QTest::addColumn<bool>("sprint");
    QTest::addColumn<int>("w");
    QTest::addColumn<QStringList>("vart");
    const auto sz = [](int n, const char* t) { return QString(n, QLatin1Char(' ')) + QString::fromUtf8(t); };
    // centre(text, w): w div 2 - length div 2 leading spaces.
    QTest::newRow("width 40") << false << 40
                              << QStringList{QString(), sz(15, "Szalon Kft"), sz(8, "1111 Budapest, Fő utca 1."),
                                             sz(14, "06-1-234-5678"), QString(),
                                             sz(6, "Fodrász 3 asztal fogyasztása"), QString()};
    QTest::newRow("SPrint: 24 whatever the width")
        << true << 40
        << QStringList{QString(), sz(7, "Szalon Kft"), sz(6, "1111 Budapest"), sz(7, "Fő utca 1."),
                       sz(6, "06-1-234-5678"), QString(), sz(0, "Fodrász 3 asztal fogyasz"), QString()};
    QTest::newRow("width 10 cuts") << false << 10
                                   << QStringList{QString(), QStringLiteral("Szalon Kft"), QStringLiteral("1111 Budap"),
                                                  QStringLiteral("06-1-234-5"), QString(),
                                                  QStringLiteral("Fodrász 3 "), QString()};
    QTest::newRow("missing profile: width 0")
        << false << 0 << QStringList{QString(), QString(), QString(), QString(), QString(), QString(), QString()};
}

void TestBlokkSzoveg::fejlec()
{
    QFETCH(bool, sprint);
    QFETCH(int, w);
    QFETCH(QStringList, vart);
    TBeall b;
    b.tulajdonos = QStringLiteral("Szalon Kft");
    b.TulCim = QStringLiteral("1111 Budapest, Fő utca 1.");
    b.irszvaros = QStringLiteral("1111 Budapest");
    b.cim = QStringLiteral("Fő utca 1.");
    b.TulTel = QStringLiteral("06-1-234-5678");
    b.SPrint = sprint;
    QStringList lista = {QStringLiteral("előtte")};
    FejlecHozzaad(lista, QStringLiteral("Fodrász 3 asztal fogyasztása"), b, w);
    QCOMPARE(lista.takeFirst(), QStringLiteral("előtte"));
    QCOMPARE(lista, vart);
}

void TestBlokkSzoveg::lablec_data()
{
    QTest::addColumn<bool>("sprint");
    QTest::addColumn<int>("w");
    QTest::addColumn<QString>("web");
    QTest::addColumn<QStringList>("termek");
    const QString web = QStringLiteral("www.vexlo-szoftver.hu");
    QTest::newRow("no address: the label alone")
        << false << 40 << QString() << QStringList{QStringLiteral("Vexlo.F V18.0.0.333")};
    QTest::newRow("width 41: the address ends at column 41, one space between")
        << false << 41 << web
        << QStringList{QStringLiteral("Vexlo.F V18.0.0.333 www.vexlo-szoftver.hu")};
    QTest::newRow("width 44") << false << 44 << web
                              << QStringList{QStringLiteral(
                                     "Vexlo.F V18.0.0.333    www.vexlo-szoftver.hu")};
    QTest::newRow("width 40: no room for the space, two lines")
        << false << 40 << web << QStringList{QStringLiteral("Vexlo.F V18.0.0.333"), web};
    QTest::newRow("width 10: two lines")
        << false << 10 << web << QStringList{QStringLiteral("Vexlo.F V18.0.0.333"), web};
    QTest::newRow("SPrint: two lines of 24")
        << true << 40 << web << QStringList{QStringLiteral("Vexlo.F V18.0.0.333     "), web};
    QTest::newRow("SPrint without address")
        << true << 40 << QString() << QStringList{QStringLiteral("Vexlo.F V18.0.0.333     ")};
}

void TestBlokkSzoveg::lablec()
{
    QFETCH(bool, sprint);
    QFETCH(int, w);
    QFETCH(QString, web);
    QFETCH(QStringList, termek);
    QStringList lista;
    LablecHozzaad(lista, sprint, w, QDateTime(QDate(2024, 3, 9), QTime(7, 5, 4)), web);
    QStringList vart = {QString(), QStringLiteral("2024.03.09 07:05:04")};
    vart << termek << QString() << QString() << QString() << QString();
    QCOMPARE(lista, vart);
}

void TestBlokkSzoveg::fejlecLablecProfil1Szelessegevel()
{
    // Without a profile file the common 40 columns; with one, profile 1's width.
    QFile::remove(NyomtatoFajl());
    QCOMPARE(Profil1Szeles(), 40);
    {
        QStringList lista;
        Beall = TBeall();
        Beall.tulajdonos = QStringLiteral("AB");
        FejlecHozzaad(lista, QStringLiteral("Cím"));
        QCOMPARE(lista.at(5), QString(19, QLatin1Char(' ')) + QStringLiteral("Cím"));
    }
    TNyomtato p1 = profil(1, 0, 2, true, 0, 32);
    TNyomtato p2 = profil(1, 0, 2, true, 0, 48);
    p2.nyomtato = 2;
    NyomtatoListaIr(NyomtatoFajl(), {p2, p1});
    QCOMPARE(Profil1Szeles(), 32);

    Beall = TBeall();
    Beall.tulajdonos = QStringLiteral("AB");
    Beall.SPrint = false;
    QStringList lista;
    FejlecHozzaad(lista, QStringLiteral("Cím"));
    QCOMPARE(lista.at(1), QString(15, QLatin1Char(' ')) + QStringLiteral("AB"));
    QCOMPARE(lista.at(5), QString(15, QLatin1Char(' ')) + QStringLiteral("Cím"));
    lista.clear();
    LablecHozzaad(lista);
    QCOMPARE(lista.size(), 7);
    QCOMPARE(lista.at(2), QStringLiteral("Vexlo.F V18.0.0.333"));
    // The address comes from the INI file.
    Beall.KeszitoHonlap = QStringLiteral("https://pelda.hu/");
    lista.clear();
    LablecHozzaad(lista);
    QCOMPARE(lista.size(), 7);
    QCOMPARE(lista.at(2), QStringLiteral("Vexlo.F V18.0.0.333     pelda.hu"));
    Beall.KeszitoHonlap.clear();
    QFile::remove(NyomtatoFajl());
}

QTEST_GUILESS_MAIN(TestBlokkSzoveg)
#include "test_blokkszoveg.moc"
