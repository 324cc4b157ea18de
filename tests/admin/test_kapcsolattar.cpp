// The connection list of the INI file, the start-up choice lines, the list
// model of the "Tárhelyek" window and the pieces of the full backup command.

#include "IniAllomany.h"
#include "KapcsolatTar.h"
#include "Mentes.h"
#include "Seged.h"
#include "TarhelyModel.h"
#include "TeljesMentes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestKapcsolatTar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ritkaKulcsokOlvasasaEsUjraIrasa();
    void inditasiListaUresNevetKihagy();
    void jelszoOdaVissza_data();
    void jelszoOdaVissza();
    void elsoKapcsolatPontosvesszoNelkul();
    void modelRendezes();
    void mentesNevek();
    void teljesMentesParancs();
    void opcioFajlSzoveg_data();
    void opcioFajlSzoveg();

private:
    QTemporaryDir m_dir;
    QString ini(const QString& nev) const { return m_dir.filePath(nev); }
};

void TestKapcsolatTar::ritkaKulcsokOlvasasaEsUjraIrasa()
{
    const QString f = ini(QStringLiteral("ritka.ini"));
    {
        IniAllomany i(f);
        i.ir(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret"), QStringLiteral("11"));
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr7"),
             Kodol(QStringLiteral("hetes;h7;3306;u7;p7;Hetedik;")));
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr12"),
             Kodol(QStringLiteral("tizenketto;h12;3307;u12;p12;Tizenkettedik;")));
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr3"), QString()); // empty: skipped
        i.ment();
    }
    const QList<KapcsolatBejegyzes> l = KapcsolatokOlvas(f);
    QCOMPARE(l.size(), 2);
    QCOMPARE(l.at(0).kulcs, 7);
    QCOMPARE(l.at(0).szoveg, QStringLiteral("hetes;h7;3306;u7;p7;Hetedik;"));
    QCOMPARE(l.at(1).kulcs, 12);
    QCOMPARE(KapcsolatAdat::szovegbol(l.at(1).szoveg).port, 3307);

    KapcsolatokIr(f, {l.at(1).szoveg, QStringLiteral("uj;h;3306;u;p;Új")});
    const IniAllomany vissza(f);
    QCOMPARE(vissza.kulcsok(QStringLiteral("Adatbazis")),
             (QStringList{QStringLiteral("ConStr1"), QStringLiteral("ConStr2")}));
    // Each value closes its sixth field with ";", scrambled.
    QCOMPARE(Dekodol(vissza.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"))),
             QStringLiteral("tizenketto;h12;3307;u12;p12;Tizenkettedik;"));
    QCOMPARE(Dekodol(vissza.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr2"))),
             QStringLiteral("uj;h;3306;u;p;Új;"));
    QVERIFY(vissza.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1")) !=
            QStringLiteral("tizenketto;h12;3307;u12;p12;Tizenkettedik;"));
    // Other sections are left alone.
    QCOMPARE(vissza.olvas(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret")),
             QStringLiteral("11"));

    KapcsolatokIr(f, {});
    QVERIFY(KapcsolatokOlvas(f).isEmpty());
}

void TestKapcsolatTar::inditasiListaUresNevetKihagy()
{
    const QString f = ini(QStringLiteral("indulas.ini"));
    {
        IniAllomany i(f);
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"),
             Kodol(QStringLiteral("elso;h;3306;u;p;")));
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr2"),
             Kodol(QStringLiteral("masodik;h;3306;u;p;Szalon")));
        i.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr5"),
             Kodol(QStringLiteral("otodik;h;3306;u;p;Raktár;")));
        i.ment();
    }
    QStringList sorok, kapcsolatok;
    KapcsolatValasztoSorok(KapcsolatokOlvas(f), sorok, kapcsolatok);
    QCOMPARE(sorok, (QStringList{QStringLiteral("2; Szalon"), QStringLiteral("5; Raktár")}));
    QCOMPARE(kapcsolatok, (QStringList{QStringLiteral("masodik;h;3306;u;p;Szalon"),
                                       QStringLiteral("otodik;h;3306;u;p;Raktár;")}));
}

void TestKapcsolatTar::jelszoOdaVissza_data()
{
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<bool>("ansiIni");
    const QString magyar = QStringLiteral("ÁrvíztűrőTükörfúrógép őű ŐŰ");
    const QString idezet = QStringLiteral("O'Neil \"idéz\" `x` \\ = # [x]");
    QTest::newRow("Hungarian, UTF-8 file") << magyar << false;
    QTest::newRow("Hungarian, Windows-1250 file") << magyar << true;
    QTest::newRow("quotes, UTF-8 file") << idezet << false;
    QTest::newRow("quotes, Windows-1250 file") << idezet << true;
    QTest::newRow("spaces at both ends") << QStringLiteral("  két szóköz  ") << true;
}

void TestKapcsolatTar::jelszoOdaVissza()
{
    QFETCH(QString, jelszo);
    QFETCH(bool, ansiIni);
    const QString f = ini(QStringLiteral("jelszo.ini"));
    QFile::remove(f);
    if (ansiIni) {
        // A file written by a Windows workstation: Windows-1250 bytes.
        QFile w(f);
        QVERIFY(w.open(QIODevice::WriteOnly));
        w.write("[Tulajdonos]\r\nTulajdonos=Sz\xE9p Hajszalon\r\n");
    }
    KapcsolatAdat a;
    a.adatbazis = QStringLiteral("szalon");
    a.kiszolgalo = QStringLiteral("192.168.1.10");
    a.port = 3306;
    a.felhasznalo = QStringLiteral("kassza");
    a.jelszo = jelszo;
    a.adatbazisnev = QStringLiteral("Szép Hajszalon");
    KapcsolatokIr(f, {a.szoveg(false)});
    const QList<KapcsolatBejegyzes> l = KapcsolatokOlvas(f);
    QCOMPARE(l.size(), 1);
    const KapcsolatAdat b = KapcsolatAdat::szovegbol(l.first().szoveg);
    QCOMPARE(b.jelszo, jelszo);
    QCOMPARE(b.adatbazisnev, a.adatbazisnev);
    if (ansiIni)
        QCOMPARE(IniAllomany(f).olvas(QStringLiteral("Tulajdonos"), QStringLiteral("Tulajdonos")),
                 QStringLiteral("Szép Hajszalon"));
}

void TestKapcsolatTar::elsoKapcsolatPontosvesszoNelkul()
{
    const QString f = ini(QStringLiteral("elso.ini"));
    ElsoKapcsolatIr(f, QStringLiteral("vexlof;localhost;3306;root;titok;Szalon"));
    const QString nyers =
        IniAllomany(f).olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"));
    QCOMPARE(Dekodol(nyers), QStringLiteral("vexlof;localhost;3306;root;titok;Szalon"));
    QVERIFY(!nyers.contains(QStringLiteral("titok")));
}

void TestKapcsolatTar::modelRendezes()
{
    TarhelyModel m;
    m.betolt({QStringLiteral("c;h;3306;u;p;Zsálya"), QStringLiteral("a;h;3310;u;p;Ócska"),
              QStringLiteral("b;h;3305;u;p;Cukor"), QStringLiteral("d;h;3307;u;p;csoda")});
    auto nevek = [&m] {
        QStringList l;
        for (int i = 0; i < m.rowCount(); ++i)
            l.append(m.sor(i).adat.adatbazisnev);
        return l;
    };
    // Hungarian order ("cs" after "c", "zs" after "z"), letter case ignored.
    QCOMPARE(nevek(), (QStringList{QStringLiteral("Cukor"), QStringLiteral("csoda"),
                                   QStringLiteral("Ócska"), QStringLiteral("Zsálya")}));
    QCOMPARE(m.data(m.index(0, TarhelyModel::Adatbazis)).toString(), QStringLiteral("b"));
    m.sort(TarhelyModel::Port);
    QCOMPARE(m.szovegek().first(), QStringLiteral("b;h;3305;u;p;Cukor;"));
    // A new or edited row keeps the order; the returned row is its place.
    m.sort(TarhelyModel::Nev);
    KapcsolatAdat uj;
    uj.adatbazis = QStringLiteral("e");
    uj.adatbazisnev = QStringLiteral("Bodza");
    QCOMPARE(m.hozzaad(uj), 0);
    uj.adatbazisnev = QStringLiteral("Zab");
    QCOMPARE(m.csere(0, uj), 3); // Zab before Zsálya
    m.verzioBeallit(3, QStringLiteral("18.0.0.333"));
    QCOMPARE(m.data(m.index(3, TarhelyModel::Verzio)).toString(), QStringLiteral("18.0.0.333"));
    QCOMPARE(m.headerData(TarhelyModel::Nev, Qt::Horizontal).toString(),
             QStringLiteral("Megjelenített név"));
    m.torol(0);
    QCOMPARE(m.rowCount(), 4);
}

void TestKapcsolatTar::mentesNevek()
{
    QCOMPARE(
        MentesJavasoltNev(QStringLiteral("vexlof"), QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))),
        QStringLiteral("vexlof-2024-03-05-07-08-09"));
    QCOMPARE(ZipTagNev(QStringLiteral("/x/y/vexlof-2024.ZIP")), QStringLiteral("vexlof-2024.sql"));
}

void TestKapcsolatTar::teljesMentesParancs()
{
    KapcsolatAdat a;
    a.adatbazis = QStringLiteral("szalon");
    a.kiszolgalo = QStringLiteral("db.local");
    a.port = 3307;
    a.felhasznalo = QStringLiteral("mento");
    a.jelszo = QStringLiteral("NagyonTitkos");
    const QStringList args =
        TeljesMentes::argumentumok(a, QStringLiteral("/tmp/o.cnf"), QStringLiteral("/m/ki.sql"));
    QCOMPARE(args, (QStringList{QStringLiteral("--defaults-extra-file=/tmp/o.cnf"),
                                QStringLiteral("-c"), QStringLiteral("-C"),
                                QStringLiteral("--force"), QStringLiteral("--single-transaction"),
                                QStringLiteral("--routines"), QStringLiteral("--databases"),
                                QStringLiteral("szalon"), QStringLiteral("--port=3307"),
                                QStringLiteral("--host=db.local"), QStringLiteral("--user=mento"),
                                QStringLiteral("--result-file=/m/ki.sql")}));
    QVERIFY(!args.join(QLatin1Char(' ')).contains(a.jelszo));
}

void TestKapcsolatTar::opcioFajlSzoveg_data()
{
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<QByteArray>("vart");
    QTest::newRow("plain") << QStringLiteral("abc") << QByteArray("[client]\npassword=\"abc\"\n");
    QTest::newRow("quotes and backslash")
        << QStringLiteral("a\"b'c\\d") << QByteArray("[client]\npassword=\"a\\\"b\\'c\\\\d\"\n");
    QTest::newRow("comment sign and spaces")
        << QStringLiteral(" #x ") << QByteArray("[client]\npassword=\" #x \"\n");
    QTest::newRow("Hungarian as UTF-8")
        << QStringLiteral("ő") << QByteArray("[client]\npassword=\"\xC5\x91\"\n");
    QTest::newRow("empty") << QString() << QByteArray("[client]\npassword=\"\"\n");
}

void TestKapcsolatTar::opcioFajlSzoveg()
{
    QFETCH(QString, jelszo);
    QFETCH(QByteArray, vart);
    QCOMPARE(TeljesMentes::opcioSzoveg(jelszo), vart);
}

QTEST_GUILESS_MAIN(TestKapcsolatTar)
#include "test_kapcsolattar.moc"
