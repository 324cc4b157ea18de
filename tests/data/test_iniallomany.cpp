// The plain INI file: read and written as the Windows profile routines do,
// untouched lines kept byte for byte; window geometry fitting.

#include "Ansi.h"
#include "IniAllomany.h"
#include "Mappak.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniAllomany : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString fajl(const char* nev) const { return m_dir.filePath(QLatin1String(nev)); }
    static void ir(const QString& f, const QByteArray& b)
    {
        QFile x(f);
        QVERIFY(x.open(QIODevice::WriteOnly));
        x.write(b);
    }
    static QByteArray olvas(const QString& f)
    {
        QFile x(f);
        return x.open(QIODevice::ReadOnly) ? x.readAll() : QByteArray();
    }

private Q_SLOTS:
    void windowsFajlBajtHuen();
    void kisNagybetuEsTrim();
    void ujKulcsEsSzakasz();
    void ujFajl();
    void torles();
    void iniRutinok();
    void meretIllesztes_data();
    void meretIllesztes();
};

void TestIniAllomany::windowsFajlBajtHuen()
{
    // A file as a Windows workstation writes it: CR LF, Windows-1250 text, a
    // comment, keys in their own spelling.
    const QByteArray eredeti = "; VexloF\r\n[Adatbazis]\r\nConStr7=abc\r\nConStr12=x\xF5y\r\n\r\n"
                               "[Tulajdonos]\r\nTulCim=1111 Budapest, F\xF5 utca 1.\r\n";
    const QString f = fajl("win.ini");
    ir(f, eredeti);
    {
        IniAllomany ini(f);
        QVERIFY(ini.letezik());
        QCOMPARE(ini.olvas(QStringLiteral("adatbazis"), QStringLiteral("constr12")),
                 QStringLiteral("xőy"));
        QCOMPARE(ini.olvas(QStringLiteral("Tulajdonos"), QStringLiteral("TulCim")),
                 QStringLiteral("1111 Budapest, Fő utca 1."));
        QCOMPARE(ini.kulcsok(QStringLiteral("Adatbazis")),
                 QStringList({QStringLiteral("ConStr7"), QStringLiteral("ConStr12")}));
        ini.ment(); // nothing changed: nothing written
    }
    QCOMPARE(olvas(f), eredeti);
    {
        IniAllomany ini(f);
        ini.ir(QStringLiteral("ADATBAZIS"), QStringLiteral("constr7"), QStringLiteral("ő"));
        ini.ment();
    }
    QCOMPARE(olvas(f),
             QByteArray("; VexloF\r\n[Adatbazis]\r\nConStr7=\xF5\r\nConStr12=x\xF5y\r\n\r\n"
                        "[Tulajdonos]\r\nTulCim=1111 Budapest, F\xF5 utca 1.\r\n"));
}

void TestIniAllomany::kisNagybetuEsTrim()
{
    const QString f = fajl("trim.ini");
    ir(f, "[Alapertek]\n  BetuMeret =  10  \n");
    IniAllomany ini(f);
    QCOMPARE(ini.olvas(QStringLiteral("alapertek"), QStringLiteral("betumeret")),
             QStringLiteral("10"));
    QCOMPARE(ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("Nincs"), QStringLiteral("x")),
             QStringLiteral("x"));
    QVERIFY(!ini.vanKulcs(QStringLiteral("Masik"), QStringLiteral("BetuMeret")));
}

void TestIniAllomany::ujKulcsEsSzakasz()
{
    const QString f = fajl("uj.ini");
    ir(f, "[A]\nx=1\n\n[B]\ny=2\n");
    IniAllomany ini(f);
    ini.ir(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3"));
    ini.ir(QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("árvíztűrő"));
    ini.ment();
    QCOMPARE(olvas(f), QByteArray("[A]\nx=1\nz=3\n\n[B]\ny=2\n\n[C]\nw=") +
                           QStringLiteral("árvíztűrő").toUtf8() + "\n");
}

void TestIniAllomany::ujFajl()
{
    const QString f = fajl("alma/VexloF.ini");
    IniAllomany ini(f);
    QVERIFY(!ini.letezik());
    ini.ir(QStringLiteral("Alapertek"), QStringLiteral("PenzFormatum"),
           QStringLiteral("### ### ##0"));
    ini.ment();
    // No Qt escaping, no %General section: the plain format.
    QCOMPARE(olvas(f), QByteArray("[Alapertek]\nPenzFormatum=### ### ##0\n"));
}

void TestIniAllomany::torles()
{
    const QString f = fajl("torol.ini");
    ir(f, "[Adatbazis]\nConStr1=a\nConStr2=b\n");
    IniAllomany ini(f);
    ini.torol(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"));
    ini.ment();
    QCOMPARE(olvas(f), QByteArray("[Adatbazis]\nConStr2=b\n"));
}

void TestIniAllomany::iniRutinok()
{
    QDir().mkpath(m_dir.filePath(QStringLiteral("prog")));
    ir(m_dir.filePath(QStringLiteral("prog/VexloF.ini")), "[Valuta]\nSzorzo=385,5\n");
    MappakBeallit(m_dir.filePath(QStringLiteral("prog")));
    QCOMPARE(AdatMappa(), m_dir.filePath(QStringLiteral("prog")));
    QCOMPARE(IniFajl(), m_dir.filePath(QStringLiteral("prog/VexloF.ini")));
    QCOMPARE(IniOlvasSzam(QStringLiteral("Valuta"), QStringLiteral("Szorzo"), 250), 385.5);
    IniIrLogikai(QStringLiteral("Alapertek"), QStringLiteral("SPrint"), true);
    QVERIFY(IniOlvasLogikai(QStringLiteral("Alapertek"), QStringLiteral("SPrint"), false));
    QCOMPARE(IniOlvasEgesz(QStringLiteral("Alapertek"), QStringLiteral("Nincs"), 9), 9);

    MunkaTeruletBeallit(QRect(0, 0, 1024, 768));
    MeretIr(QStringLiteral("frm_Teszt"), 1900, 10, 400, 300);
    int l, t, w = 100, h = 100;
    MeretOlvas(QStringLiteral("frm_Teszt"), l, t, w, h);
    QCOMPARE(QRect(l, t, w, h), QRect(0, 10, 400, 300));
    int hl, ht;
    HelyOlvas(QStringLiteral("frm_Nincs"), hl, ht);
    QCOMPARE(hl, 10);
    QCOMPARE(ht, 10);

    // Without an INI beside the program, the shared data folder is used.
    MappakBeallit(m_dir.filePath(QStringLiteral("ures")));
    QVERIFY(AdatMappa().endsWith(QLatin1String("/VexloF")));
}

void TestIniAllomany::meretIllesztes_data()
{
    QTest::addColumn<QRect>("be");
    QTest::addColumn<QRect>("vart");
    QTest::newRow("fits") << QRect(10, 10, 400, 300) << QRect(10, 10, 400, 300);
    // A left edge beyond the area starts again at 0; a right edge beyond it
    // moves the window back inside.
    QTest::newRow("left beyond the area") << QRect(1900, 10, 400, 300) << QRect(0, 10, 400, 300);
    QTest::newRow("right edge beyond") << QRect(900, 10, 400, 300) << QRect(624, 10, 400, 300);
    QTest::newRow("wider than the area") << QRect(1900, 10, 1200, 300) << QRect(0, 10, 1024, 300);
    QTest::newRow("lower edge beyond") << QRect(10, 700, 400, 300) << QRect(10, 468, 400, 300);
    QTest::newRow("taller than the area") << QRect(10, 10, 400, 900) << QRect(10, 0, 400, 768);
}

void TestIniAllomany::meretIllesztes()
{
    QFETCH(QRect, be);
    QFETCH(QRect, vart);
    QCOMPARE(MeretIllesztes(be, 1024, 768), vart);
}

QTEST_GUILESS_MAIN(TestIniAllomany)
#include "test_iniallomany.moc"
