// The action registry: which rights and settings show which command, the
// shift state of the tag-10 commands, the guards that run before a command,
// and the shortcuts.

#include "AkcioTar.h"
#include "Beall.h"
#include "Mappak.h"
#include "Sugo.h"
#include "Uzenetek.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWidget>

Q_DECLARE_METATYPE(Parancs)

namespace
{

using P = Parancs;

TJog jogok(unsigned bitek)
{
    TJog j;
    j.felhasznalo = QStringLiteral("teszt");
    j.torzsszerkeszt = bitek & JogTorzsszerkeszt;
    j.rendszergazda = bitek & JogRendszergazda;
    j.napzar = bitek & JogNapzar;
    j.nyomtathat = bitek & JogNyomtathat;
    j.bevetelezes = bitek & JogBevetelezes;
    j.selejtezes = bitek & JogSelejtezes;
    j.kiadas = bitek & JogKiadas;
    j.kasszanez = bitek & JogKasszanez;
    j.kedvezmenytadhat = bitek & JogKedvezmeny;
    return j;
}

struct Elfogo {
    QStringList hibak;
    Elfogo()
    {
        UzenetElfogo([this](const UzenetAdat& u) {
            if (u.tipus == UzenetAdat::Hiba)
                hibak << u.szoveg;
            return true;
        });
    }
    ~Elfogo() { UzenetElfogo({}); }
};

} // namespace

class TestAkcioTar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void jogokMutatjak_data();
    void jogokMutatjak();
    void jogNelkulMindenRejtve();
    void ketJogAkarmelyike();
    void tag10MuszakAllapot();
    void rejtettMaradRejtett();
    void kezeloNelkulTiltott();
    void beallitasokRejtik_data();
    void beallitasokRejtik();
    void futasKoziJogProba_data();
    void futasKoziJogProba();
    void lezartMuszakOr();
    void billentyuk_data();
    void billentyuk();
    void billentyukEgyediek();
    void billentyuBarmelyVezerlobol();
    void feliratokEsSugok();
    void sugoCelok();
    void keszitoAkciokCimSzerint();
    void inditHianyzoFajl();
};

void TestAkcioTar::init()
{
    Jog = TJog();
}

void TestAkcioTar::jogokMutatjak_data()
{
    QTest::addColumn<unsigned>("jog");
    QTest::addColumn<QList<Parancs>>("lathatok");
    QTest::newRow("rendszergazda")
        << unsigned(JogRendszergazda)
        << QList<Parancs>{P::TorzsAsztal, P::TorzsFelh, P::Naplo,           P::RendszerSQL,
                          P::RegiTorol,   P::Adatbazis, P::RendszerBeallit, P::KeszletModosit,
                          P::NyomBeall,   P::Jutalek,   P::JutalekNyom,     P::JutalekNyom2};
    QTest::newRow("torzsszerkeszt")
        << unsigned(JogTorzsszerkeszt)
        << QList<Parancs>{P::TorzsMert, P::TorzsGyujto, P::TorzsStorno, P::TorzsArlista,
                          P::TorzsKat,  P::Cikkat,      P::Besorolas};
    QTest::newRow("napzar") << unsigned(JogNapzar)
                            << QList<Parancs>{P::NapLezar,  P::SztornoSorok, P::ForgBes,
                                              P::KedvOssz,  P::SorNeg,       P::SorNeg2,
                                              P::SorNegMost};
    QTest::newRow("bevetelezes") << unsigned(JogBevetelezes) << QList<Parancs>{P::Bevet};
    QTest::newRow("selejtezes") << unsigned(JogSelejtezes) << QList<Parancs>{};
    QTest::newRow("kiadas") << unsigned(JogKiadas) << QList<Parancs>{};
    QTest::newRow("kasszanez") << unsigned(JogKasszanez) << QList<Parancs>{P::Cassa};
    QTest::newRow("kedvezmenytadhat") << unsigned(JogKedvezmeny) << QList<Parancs>{P::Kedvezmeny2};
}

void TestAkcioTar::jogokMutatjak()
{
    QFETCH(unsigned, jog);
    QFETCH(QList<Parancs>, lathatok);
    QWidget ablak;
    AkcioTar t(&ablak);
    AkcioAllapot a;
    a.jog = jogok(jog);
    t.alkalmaz(a);
    // Without any right these are the commands every user has.
    AkcioAllapot ures;
    ures.jog = jogok(0);
    for (int i = 0; i < int(Parancs::Darab); ++i) {
        const Parancs p = Parancs(i);
        const AkcioLeiras& l = AkcioTar::leiras(p);
        const bool vart = lathatok.contains(p) || AkcioTar::latszik(l, ures);
        QVERIFY2(t.akcio(p)->isVisible() == vart, l.nev);
    }
}

void TestAkcioTar::jogNelkulMindenRejtve()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    AkcioAllapot a;
    a.jog = jogok(0);
    a.kedvsor = 58;
    a.szervsor = 59;
    a.bonusz = a.adossag = a.muszakNyitott = true;
    t.alkalmaz(a);
    // Every report needs the printing right.
    for (P p : {P::NyomKlt, P::EgyAsztal, P::ForgBong, P::Lenemzart, P::HitelTorleszt, P::ForgArc,
                P::NyomBonusz})
        QVERIFY2(!t.akcio(p)->isVisible(), AkcioTar::leiras(p).nev);
    // What every logged-in user may do.
    for (P p :
         {P::AsztalSzabad, P::RendelUj, P::MegEgy, P::Szervizdij, P::Bonuszba, P::AsztalAtul,
          P::UjNap, P::UjElo, P::Frissit, P::Bejelentkezik, P::Sugo, P::TorzsUgyfel, P::Kedvezmeny})
        QVERIFY2(t.akcio(p)->isVisible(), AkcioTar::leiras(p).nev);
}

void TestAkcioTar::ketJogAkarmelyike()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    for (unsigned j :
         {unsigned(JogNapzar), unsigned(JogNyomtathat), unsigned(JogNapzar | JogNyomtathat)}) {
        AkcioAllapot a;
        a.jog = jogok(j);
        t.alkalmaz(a);
        for (P p : {P::SztornoSorok, P::ForgBes, P::KedvOssz, P::SorNeg, P::SorNeg2, P::SorNegMost})
            QVERIFY2(t.akcio(p)->isVisible(), AkcioTar::leiras(p).nev);
    }
}

void TestAkcioTar::tag10MuszakAllapot()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    const QList<Parancs> tag10{P::AsztalSzabad, P::AsztalSzabadHitel, P::RendelUj,  P::RendelTorol,
                               P::NapLezar,     P::Bonuszba,          P::Bonuszbol, P::AsztalAtul,
                               P::Kedvezmeny,   P::Kedvezmeny2,       P::Szervizdij};
    for (int i = 0; i < int(Parancs::Darab); ++i) {
        QCOMPARE(t.akcio(Parancs(i))->property("tag").toInt() == 10, tag10.contains(Parancs(i)));
        t.kezelo(Parancs(i), [] {});
    }
    AkcioAllapot a;
    a.jog = jogok(~0u);
    a.kedvsor = 1;
    a.szervsor = 1;
    a.bonusz = a.adossag = true;
    for (bool nyitott : {true, false, true}) {
        a.muszakNyitott = nyitott;
        t.alkalmaz(a);
        for (P p : tag10) {
            QVERIFY(t.akcio(p)->isVisible());
            QCOMPARE(t.akcio(p)->isEnabled(), nyitott);
        }
        // "Még egy" tests the shift itself when it runs.
        QVERIFY(t.akcio(P::MegEgy)->isEnabled());
        QVERIFY(t.akcio(P::UjNap)->isEnabled());
    }
}

void TestAkcioTar::rejtettMaradRejtett()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    t.kezelo(P::NapLezar, [] {});
    AkcioAllapot a;
    a.jog = jogok(JogNyomtathat);
    a.muszakNyitott = false;
    t.alkalmaz(a);
    t.muszakAllapot(true);
    QVERIFY(!t.akcio(P::NapLezar)->isVisible());
    QVERIFY(!t.akcio(P::NapLezar)->isEnabled());
}

void TestAkcioTar::kezeloNelkulTiltott()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    AkcioAllapot a;
    a.jog = jogok(~0u);
    t.alkalmaz(a);
    QVERIFY(t.akcio(P::NyomKlt)->isVisible());
    QVERIFY(!t.akcio(P::NyomKlt)->isEnabled());
    Jog = a.jog;
    int hivas = 0;
    t.kezelo(P::NyomKlt, [&] { ++hivas; });
    QVERIFY(t.akcio(P::NyomKlt)->isEnabled());
    t.akcio(P::NyomKlt)->trigger();
    QCOMPARE(hivas, 1);
}

void TestAkcioTar::beallitasokRejtik_data()
{
    QTest::addColumn<Parancs>("parancs");
    QTest::addColumn<int>("kedvsor");
    QTest::addColumn<int>("szervsor");
    QTest::addColumn<bool>("bonusz");
    QTest::addColumn<bool>("adossag");
    QTest::addColumn<bool>("lathato");
    QTest::newRow("Kedv%! without the discount item")
        << P::Kedvezmeny << 0 << 59 << true << true << false;
    QTest::newRow("Kedv%! with the discount item")
        << P::Kedvezmeny << 58 << 0 << true << true << true;
    QTest::newRow("Szervizdíj! without the item")
        << P::Szervizdij << 58 << 0 << true << true << false;
    QTest::newRow("Szervizdíj! with the item") << P::Szervizdij << 0 << 59 << true << true << true;
    QTest::newRow("Bónuszba without the bonus item")
        << P::Bonuszba << 1 << 1 << false << true << false;
    QTest::newRow("Bónuszból without the bonus item")
        << P::Bonuszbol << 1 << 1 << false << true << false;
    QTest::newRow("Hitelre without credit")
        << P::AsztalSzabadHitel << 1 << 1 << true << false << false;
    QTest::newRow("customers without credit") << P::TorzsUgyfel << 1 << 1 << true << false << false;
    QTest::newRow("customers with credit") << P::TorzsUgyfel << 1 << 1 << true << true << true;
}

void TestAkcioTar::beallitasokRejtik()
{
    QFETCH(Parancs, parancs);
    QFETCH(int, kedvsor);
    QFETCH(int, szervsor);
    QFETCH(bool, bonusz);
    QFETCH(bool, adossag);
    QFETCH(bool, lathato);
    QWidget ablak;
    AkcioTar t(&ablak);
    t.kezelo(parancs, [] {});
    AkcioAllapot a;
    a.jog = jogok(~0u);
    a.kedvsor = kedvsor;
    a.szervsor = szervsor;
    a.bonusz = bonusz;
    a.adossag = adossag;
    a.muszakNyitott = true;
    t.alkalmaz(a);
    QCOMPARE(t.akcio(parancs)->isVisible(), lathato);
    QCOMPARE(t.akcio(parancs)->isEnabled(), lathato);
}

void TestAkcioTar::futasKoziJogProba_data()
{
    QTest::addColumn<Parancs>("parancs");
    QTest::addColumn<unsigned>("jog");
    QTest::addColumn<bool>("fut");
    // Shown to a user who may close the day, but tested for printing.
    QTest::newRow("negative lines now, napzar only")
        << P::SorNegMost << unsigned(JogNapzar) << false;
    QTest::newRow("negative lines of a period, napzar only")
        << P::SorNeg2 << unsigned(JogNapzar) << false;
    QTest::newRow("negative lines at closing, napzar only")
        << P::SorNeg << unsigned(JogNapzar) << true;
    QTest::newRow("voided lines at closing, napzar only")
        << P::SztornoSorok << unsigned(JogNapzar) << true;
    QTest::newRow("negative lines now, nyomtathat")
        << P::SorNegMost << unsigned(JogNyomtathat) << true;
    // The discount item decides the offer, the right decides the run.
    QTest::newRow("Kedv%! without the right") << P::Kedvezmeny << 0u << false;
    QTest::newRow("Kedv%! with the right") << P::Kedvezmeny << unsigned(JogKedvezmeny) << true;
    QTest::newRow("stock documents, scrapping only") << P::Bevet << unsigned(JogSelejtezes) << true;
}

void TestAkcioTar::futasKoziJogProba()
{
    QFETCH(Parancs, parancs);
    QFETCH(unsigned, jog);
    QFETCH(bool, fut);
    QWidget ablak;
    AkcioTar t(&ablak);
    int hivas = 0;
    t.kezelo(parancs, [&] { ++hivas; });
    t.muszakOr([] { return false; }, [] {});
    // The action is offered (as another right or the settings may offer it);
    // running it tests the logged-in user's rights.
    AkcioAllapot a;
    a.jog = jogok(~0u);
    a.kedvsor = 58;
    a.muszakNyitott = true;
    t.alkalmaz(a);
    Jog = jogok(jog);
    Elfogo e;
    t.futtat(parancs);
    QCOMPARE(hivas, fut ? 1 : 0);
    QCOMPARE(e.hibak,
             fut ? QStringList() : QStringList{QStringLiteral("Nincs jogosultság a művelethez.")});
}

void TestAkcioTar::lezartMuszakOr()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    bool lezarva = true;
    int frissites = 0;
    int hivas = 0;
    t.muszakOr([&] { return lezarva; }, [&] { ++frissites; });
    for (P p : {P::RendelUj, P::RendelTorol, P::MegEgy, P::Kedvezmeny, P::Kedvezmeny2,
                P::Szervizdij, P::AsztalAtul})
        t.kezelo(p, [&] { ++hivas; });
    AkcioAllapot a;
    a.jog = jogok(~0u);
    a.kedvsor = a.szervsor = 1;
    a.muszakNyitott = true; // closed at another workstation meanwhile
    t.alkalmaz(a);
    Jog = a.jog;
    Elfogo e;
    for (P p : {P::RendelUj, P::RendelTorol, P::MegEgy, P::Kedvezmeny, P::Kedvezmeny2,
                P::Szervizdij, P::AsztalAtul})
        t.futtat(p);
    QCOMPARE(hivas, 0);
    QCOMPARE(frissites, 7);
    QCOMPARE(e.hibak.size(), 7);
    QCOMPARE(e.hibak.first(), QStringLiteral("Műszak már le lett zárva"));
    lezarva = false;
    t.futtat(P::RendelUj);
    QCOMPARE(hivas, 1);
}

void TestAkcioTar::billentyuk_data()
{
    QTest::addColumn<Parancs>("parancs");
    QTest::addColumn<QString>("billentyu");
    QTest::newRow("Fizet") << P::AsztalSzabad << "F4";
    QTest::newRow("Hitelre") << P::AsztalSzabadHitel << "Shift+F4";
    QTest::newRow("Új rendelés") << P::RendelUj << "Ins";
    QTest::newRow("Töröl") << P::RendelTorol << "Ctrl+Del";
    QTest::newRow("Még egy") << P::MegEgy << "F12";
    QTest::newRow("Kedv%!") << P::Kedvezmeny << "F9";
    QTest::newRow("Szervizdíj!") << P::Szervizdij << "Ctrl+F9";
    QTest::newRow("Másik fodrász") << P::AsztalAtul << "F6";
    QTest::newRow("Új nap létrehozás") << P::UjNap << "Ctrl+F7";
    QTest::newRow("Nap zárása") << P::NapLezar << "Ctrl+F8";
    QTest::newRow("Frissítés") << P::Frissit << "F5";
    QTest::newRow("Mozgás a képernyőn") << P::KovAblak << "F11";
    QTest::newRow("Betűméret növelése") << P::BetumeretNovel << "Ctrl+F10";
    QTest::newRow("Betűméret csökkentése") << P::BetuCsokkent << "Shift+F10";
    QTest::newRow("Bevételezések") << P::Bevet << "F7";
    QTest::newRow("Súgó") << P::Sugo << "F1";
    QTest::newRow("Fontos információk") << P::SugoFontos << "Ctrl+F1";
    QTest::newRow("Névjegy") << P::SugoNevjegy << "Alt+F1";
}

void TestAkcioTar::billentyuk()
{
    QFETCH(Parancs, parancs);
    QFETCH(QString, billentyu);
    QWidget ablak;
    AkcioTar t(&ablak);
    QCOMPARE(t.akcio(parancs)->shortcut(),
             QKeySequence::fromString(billentyu, QKeySequence::PortableText));
}

void TestAkcioTar::billentyukEgyediek()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    QSet<QString> latott;
    for (int i = 0; i < int(Parancs::Darab); ++i) {
        const QKeySequence k = t.akcio(Parancs(i))->shortcut();
        if (k.isEmpty())
            continue;
        QVERIFY2(!latott.contains(k.toString()), qPrintable(k.toString()));
        latott.insert(k.toString());
    }
}

void TestAkcioTar::billentyuBarmelyVezerlobol()
{
    QWidget ablak;
    auto* l = new QVBoxLayout(&ablak);
    auto* szerkeszto = new QLineEdit(&ablak);
    l->addWidget(szerkeszto);
    AkcioTar t(&ablak);
    int frissit = 0, fizet = 0;
    t.kezelo(P::Frissit, [&] { ++frissit; });
    t.kezelo(P::AsztalSzabad, [&] { ++fizet; });
    AkcioAllapot a;
    a.jog = jogok(~0u);
    a.muszakNyitott = false;
    t.alkalmaz(a);
    ablak.show();
    ablak.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ablak));
    szerkeszto->setFocus();
    QTest::keyClick(szerkeszto, Qt::Key_F5);
    QCOMPARE(frissit, 1);
    // A tag-10 shortcut does nothing while the shift is closed.
    QTest::keyClick(szerkeszto, Qt::Key_F4);
    QCOMPARE(fizet, 0);
    t.muszakAllapot(true);
    QTest::keyClick(szerkeszto, Qt::Key_F4);
    QCOMPARE(fizet, 1);
}

void TestAkcioTar::feliratokEsSugok()
{
    QWidget ablak;
    AkcioTar t(&ablak);
    QCOMPARE(t.akcio(P::AsztalSzabad)->text(), QStringLiteral("Fizet"));
    QCOMPARE(t.akcio(P::AsztalSzabad)->statusTip(),
             QStringLiteral("Vendég elmegy (ha van tétel, fizet)"));
    QCOMPARE(t.akcio(P::AsztalAtul)->statusTip(), QStringLiteral("Vendég átül"));
    QCOMPARE(t.akcio(P::UjElo)->text(), QStringLiteral("Új"));
    QCOMPARE(t.akcio(P::UjElo)->statusTip(), QStringLiteral("Új előjegyzés"));
    QCOMPARE(t.akcio(P::Frissit)->statusTip(), QStringLiteral("Frissítés (hálózatban)"));
    QCOMPARE(t.akcio(P::Kedvezmeny)->statusTip(), QStringLiteral("Százalékos kedvezmény most"));
    QCOMPARE(t.akcio(P::Lenemzart)->statusTip(), QStringLiteral("Le nem zárt műszakok"));
    QCOMPARE(t.akcio(P::Lenemzart)->objectName(), QStringLiteral("aLenemzart"));
    QCOMPARE(t.parancsa(t.akcio(P::Holnap)), P::Holnap);
}

void TestAkcioTar::sugoCelok()
{
    MappakBeallit(QStringLiteral("/opt/vexlof"));
    QCOMPARE(SugoFajl(), QStringLiteral("/opt/vexlof/Help/index.htm"));
    QCOMPARE(DokumentacioFajl(), QStringLiteral("/opt/vexlof/Docs/VexloF.pdf"));
    QCOMPARE(UjdonsagProgram(), QStringLiteral("/opt/vexlof/Ujdonsag.exe"));

    // The maker's addresses come from the INI file; none by default.
    QTemporaryDir mappa;
    QVERIFY(mappa.isValid());
    QFile ini(mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(mappa.path());
    BeallIniOlvas(Beall);
    QVERIFY(KeszitoHonlap().isEmpty());
    QVERIFY(KeszitoEmail().isEmpty());
    QVERIFY(LevelCim().isEmpty());
    QVERIFY(KeszitoWebCim().isEmpty());
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Alapertek]\r\nKeszitoHonlap=www.pelda-szalonprogram.hu/\r\n"
              "KeszitoEmail=info@pelda-szalonprogram.hu\r\n");
    ini.close();
    BeallIniOlvas(Beall);
    const QUrl level(LevelCim());
    QCOMPARE(level.scheme(), QStringLiteral("mailto"));
    QCOMPARE(level.path(), QStringLiteral("info@pelda-szalonprogram.hu"));
    QCOMPARE(QUrlQuery(level).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Vexlo.F program"));
    QCOMPARE(KeszitoHonlap(), QStringLiteral("https://www.pelda-szalonprogram.hu/"));
    QCOMPARE(KeszitoWebCim(), QStringLiteral("www.pelda-szalonprogram.hu"));
    Beall = TBeall();
}

void TestAkcioTar::keszitoAkciokCimSzerint()
{
    // "Levélküldés" and "honlapja" only when their address is known.
    QWidget ablak;
    AkcioTar t(&ablak);
    t.kezelo(P::SugoLevel, [] {});
    t.kezelo(P::SugoHonlap, [] {});
    AkcioAllapot a;
    t.alkalmaz(a);
    QVERIFY(!t.akcio(P::SugoLevel)->isVisible() && !t.akcio(P::SugoLevel)->isEnabled());
    QVERIFY(!t.akcio(P::SugoHonlap)->isVisible() && !t.akcio(P::SugoHonlap)->isEnabled());
    QVERIFY(t.akcio(P::SugoNevjegy)->isVisible());
    a.email = true;
    t.alkalmaz(a);
    QVERIFY(t.akcio(P::SugoLevel)->isVisible() && t.akcio(P::SugoLevel)->isEnabled());
    QVERIFY(!t.akcio(P::SugoHonlap)->isVisible());
    a.honlap = true;
    t.alkalmaz(a);
    QVERIFY(t.akcio(P::SugoHonlap)->isVisible() && t.akcio(P::SugoHonlap)->isEnabled());
}

void TestAkcioTar::inditHianyzoFajl()
{
    // A help document or program that is not there is named, not ignored.
    QList<UzenetAdat> uzenetek;
    const auto regi = UzenetElfogo([&uzenetek](const UzenetAdat& u) {
        uzenetek << u;
        return true;
    });
    MappakBeallit(QStringLiteral("/nincs-ilyen-mappa"));
    Indit(SugoFajl());
    Indit(UjdonsagProgram());
    Indit(QString());
    UzenetElfogo(regi);
    QCOMPARE(uzenetek.size(), 2);
    QCOMPARE(uzenetek.at(0).tipus, UzenetAdat::Figyelmeztetes);
    QCOMPARE(uzenetek.at(0).szoveg,
             QStringLiteral("A fájl nem található:\r\n/nincs-ilyen-mappa/Help/index.htm"));
    QCOMPARE(uzenetek.at(1).szoveg,
             QStringLiteral("A program nem található:\r\n/nincs-ilyen-mappa/Ujdonsag.exe"));
}

QTEST_MAIN(TestAkcioTar)
#include "test_akciotar.moc"
