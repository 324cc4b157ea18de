// The local database of a salon with one computer: the first-run dialog's
// "Helyi adatbázis létrehozása" makes a private server, the database and the
// program's user, and the administrator logs in; later starts reuse it,
// start it again when it was stopped, follow it to another port when its
// port was taken, and stop it at exit only when the INI file says so.

#include "Azonositas.h"
#include "Beall.h"
#include "DbHiba.h"
#include "HelyiSzerver.h"
#include "IniAllomany.h"
#include "Init.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "ProgramFajlok.h"

#include <QFile>
#include <QHostAddress>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

class TestHelyiAdatbazis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void elsoInditasLetrehozEsBelep();
    void masodikInditasUjraHasznal();
    void foglaltPortraAtkoltozik();
    void kilepesABeallitasSzerint();
    void hianyzoSemaHibat();

private:
    QString mappa() const { return m_dir.filePath(QStringLiteral("mariadb")); }
    void belep(const KapcsolatAdat& adat);

    QTemporaryDir m_dir;
    KapcsolatAdat m_adat;
};

void TestHelyiAdatbazis::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // An INI file beside the "program" makes its folder the data folder.
    QFile ini(m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    QCOMPARE(IniFajl(), m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY2(!SemaFajl().isEmpty(), "the schema script of the build tree is missing");
}

void TestHelyiAdatbazis::cleanupTestCase()
{
    Kapcsolat::foBezar();
    HelyiSzerver(mappa()).leallit();
}

void TestHelyiAdatbazis::belep(const KapcsolatAdat& adat)
{
    try {
        Kapcsolat::foNyit(adat);
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString()),
                 ProgramVerzio);
        const std::optional<TJog> jog =
            Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
        QVERIFY(jog.has_value());
        QVERIFY(jog->rendszergazda);
        QVERIFY(!Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("rossz")).has_value());
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT @@character_set_server;"), QString()),
                 QStringLiteral("latin2"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestHelyiAdatbazis::elsoInditasLetrehozEsBelep()
{
    Tfrm_Init d;
    QVERIFY(d.btnHelyi->isEnabled());
    // The very routine the button runs.
    QVERIFY(d.helyiLetrehoz());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    m_adat = KapcsolatAdat::szovegbol(d.kapcsolatSzoveg());
    QCOMPARE(m_adat.kiszolgalo, QStringLiteral("127.0.0.1"));
    QCOMPARE(m_adat.adatbazis, QStringLiteral("vexlof"));
    QCOMPARE(m_adat.felhasznalo, QStringLiteral("vexlof"));
    QCOMPARE(m_adat.jelszo.size(), 20);
    QCOMPARE(m_adat.adatbazisnev, QStringLiteral("Helyi adatbázis"));
    QVERIFY(m_adat.port > 0);

    const HelyiSzerver szerver(mappa());
    QVERIFY(szerver.fut());
    QCOMPARE(szerver.port(), m_adat.port);
    const IniAllomany ini(IniFajl());
    QCOMPARE(ini.olvas(QStringLiteral("HelyiSzerver"), QStringLiteral("Mappa")), mappa());
    QCOMPARE(ini.olvasEgesz(QStringLiteral("HelyiSzerver"), QStringLiteral("Port"), 0),
             m_adat.port);
    QVERIFY(!ini.olvasLogikai(QStringLiteral("HelyiSzerver"), QStringLiteral("Leallit"), true));
    QVERIFY(HelyiKapcsolat(IniFajl(), m_adat));
    // The start-up writes the entry as "ConStr1".
    ElsoKapcsolatIr(IniFajl(), d.kapcsolatSzoveg());

    belep(m_adat);
    SqlFuttat(QStringLiteral("INSERT INTO terem (terem, terem_nev) VALUES (7, 'Emelet');"));
    Kapcsolat::foBezar();

    // Nobody logs in as the server's administrator over the network.
    KapcsolatAdat root = m_adat;
    root.felhasznalo = QStringLiteral("root");
    root.jelszo.clear();
    QVERIFY_THROWS_EXCEPTION(DbHiba, Kapcsolat::nyit(root, QStringLiteral("root_proba")));
}

void TestHelyiAdatbazis::masodikInditasUjraHasznal()
{
    HelyiSzerver szerver(mappa());
    szerver.leallit();
    QVERIFY(!szerver.fut());

    KapcsolatAdat adat = m_adat;
    HelyiSzerverElokeszit(IniFajl(), adat);
    QVERIFY(szerver.fut());
    QCOMPARE(adat.port, m_adat.port);
    belep(adat);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT terem_nev FROM terem WHERE terem=7;"), QString()),
             QStringLiteral("Emelet"));
    Kapcsolat::foBezar();

    // At program start, before the entry is offered: started again.
    szerver.leallit();
    QVERIFY(!szerver.fut());
    HelyiSzerverIndulaskor(IniFajl());
    QVERIFY(szerver.fut());
    QCOMPARE(szerver.port(), m_adat.port);

    // Running already: nothing to do, the same server serves.
    HelyiSzerverElokeszit(IniFajl(), adat);
    QCOMPARE(adat.port, m_adat.port);

    // Another entry is left alone.
    KapcsolatAdat masik = m_adat;
    masik.kiszolgalo = QStringLiteral("kiszolgalo.szalon.hu");
    QVERIFY(!HelyiKapcsolat(IniFajl(), masik));
}

void TestHelyiAdatbazis::foglaltPortraAtkoltozik()
{
    HelyiSzerver szerver(mappa());
    szerver.leallit();
    QTcpServer foglalo;
    QVERIFY(foglalo.listen(QHostAddress::LocalHost, quint16(m_adat.port)));

    KapcsolatAdat adat = m_adat;
    HelyiSzerverElokeszit(IniFajl(), adat);
    foglalo.close();
    QVERIFY(adat.port != m_adat.port);
    QCOMPARE(szerver.port(), adat.port);
    // The entry of the INI file and the recorded port follow the server.
    const QList<KapcsolatBejegyzes> lista = KapcsolatokOlvas(IniFajl());
    QCOMPARE(lista.size(), 1);
    QCOMPARE(KapcsolatAdat::szovegbol(lista.first().szoveg).port, adat.port);
    QCOMPARE(KapcsolatAdat::szovegbol(lista.first().szoveg).jelszo, m_adat.jelszo);
    QVERIFY(HelyiKapcsolat(IniFajl(), adat));
    belep(adat);
    Kapcsolat::foBezar();
    m_adat = adat;
}

void TestHelyiAdatbazis::kilepesABeallitasSzerint()
{
    HelyiSzerver szerver(mappa());
    QVERIFY(szerver.fut());
    HelyiSzerverKilepes(IniFajl());
    QVERIFY(szerver.fut());

    IniAllomany ini(IniFajl());
    ini.ir(QStringLiteral("HelyiSzerver"), QStringLiteral("Leallit"), QStringLiteral("1"));
    ini.ment();
    HelyiSzerverKilepes(IniFajl());
    QVERIFY(!szerver.fut());
}

void TestHelyiAdatbazis::hianyzoSemaHibat()
{
    QTemporaryDir masik;
    QVERIFY_THROWS_EXCEPTION(HelyiSzerverHiba,
                             HelyiAdatbazisLetrehoz(masik.filePath(QStringLiteral("a.ini")),
                                                    masik.filePath(QStringLiteral("nincs.sql")),
                                                    masik.filePath(QStringLiteral("m"))));
    QVERIFY(!QFile::exists(masik.filePath(QStringLiteral("m"))));
}

QTEST_MAIN(TestHelyiAdatbazis)
#include "test_helyiadatbazis.moc"
