// Printing a text document: the preview window and its choices, direct
// printing by the profile's output path, the graphic path (rendered to PDF:
// 75 lines a page), the port path to files and devices, and the error
// messages of the text and port paths.

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "Mappak.h"
#include "NyomtatKep.h"
#include "Nyomtato.h"
#include "RawNyomtatas.h"
#include "SzovegNyomtat.h"
#include "Uzenetek.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{

struct RawHivas {
    QString nyomtato;
    QByteArray adat;
};

TNyomtato profil(int n, int nyomtipus, const QString& nev, int szeles = 40)
{
    TNyomtato ny;
    ny.nyomtato = n;
    ny.nyomtipus = nyomtipus;
    ny.nyomtato_nev = nev;
    ny.kodlapkonv = nyomtipus == 0 ? -1 : 2;
    ny.marka = nyomtipus == 0 ? -1 : 0;
    ny.cutter = true;
    ny.extrasor = 1;
    ny.szeles = szeles;
    if (nyomtipus == 0) {
        ny.betutipus = QStringLiteral("DejaVu Sans Mono");
        ny.betumeret = 7;
    }
    NyomtatoNevekBeallit(ny);
    return ny;
}

QByteArray olvas(const QString& f)
{
    QFile x(f);
    return x.open(QIODevice::ReadOnly) ? x.readAll() : QByteArray();
}

// Runs `lepes` on the preview window once it is shown modally.
void amikorMegjelenik(std::function<void(Tfrm_NyomtatKep*)> lepes)
{
    QTimer::singleShot(0, [lepes]() {
        auto* ablak = qobject_cast<Tfrm_NyomtatKep*>(QApplication::activeModalWidget());
        QVERIFY(ablak);
        lepes(ablak);
    });
}

QStringList szamozottSorok(int darab)
{
    QStringList s;
    for (int i = 1; i <= darab; ++i)
        s << QStringLiteral("sor %1 abc").arg(i, 3, 10, QLatin1Char('0'));
    return s;
}

} // namespace

class TestNyomtatas : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<RawHivas> m_raw;
    QList<UzenetAdat> m_uzenetek;
    QString fajl(const QString& nev) const { return m_dir.filePath(nev); }

    // The pages of a PDF as text (pdftotext), empty when the tool is missing.
    QStringList pdfOldalak(const QString& pdf, int oldalak)
    {
        const QString eszkoz = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (eszkoz.isEmpty())
            return {};
        QStringList ki;
        for (int o = 1; o <= oldalak; ++o) {
            QProcess p;
            p.start(eszkoz,
                    {QStringLiteral("-f"), QString::number(o), QStringLiteral("-l"),
                     QString::number(o), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            if (!p.waitForFinished(30000))
                return {};
            ki << QString::fromUtf8(p.readAllStandardOutput());
        }
        return ki;
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void elonezetBezar();
    void elonezetHianyzoProfil();
    void elonezetNyomtatoNelkulMagyaraz();
    void elonezetNyomtatMasikProfilra();
    void elonezetProfilNelkuliValasztas();
    void direktProfilSzerint();
    void grafikusOldalszam_data();
    void grafikusOldalszam();
    void grafikusOldalak();
    void grafikusUtvonalHiannyalPdfbe();
    void portFajlNevek_data();
    void portFajlNevek();
    void portUtvonalFajlba();
    void portHibak();
    void kepernyokepek();
};

void TestNyomtatas::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile ini(fajl(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    // The program's current folder is not the data folder.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("munka")));
    QDir::setCurrent(m_dir.filePath(QStringLiteral("munka")));
    RawNyomtatoCel([this](const QString& ny, const QByteArray& adat, QString* hiba) {
        m_raw << RawHivas{ny, adat};
        if (ny == QLatin1String("rossz")) {
            if (hiba)
                *hiba = QStringLiteral("a sor nem fogad munkát");
            return false;
        }
        return true;
    });
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestNyomtatas::init()
{
    m_raw.clear();
    m_uzenetek.clear();
    GrafikusPdfCel(QString());
    // Profile 1: raw job, 2: port "FILE", 4: graphic; no profile 3.
    NyomtatoListaIr(NyomtatoFajl(), {profil(1, 1, QStringLiteral("Blokk"), 32),
                                     profil(2, 2, QStringLiteral("FILE")),
                                     profil(4, 0, QStringLiteral("nincs ilyen nyomtató"))});
    QFile::remove(FajlKimenetAlap());
    Jog = TJog();
}

void TestNyomtatas::cleanupTestCase()
{
    RawNyomtatoCel({});
    UzenetElfogo({});
}

void TestNyomtatas::elonezetBezar()
{
    const QStringList sorok = {QStringLiteral("Első sor"), QString(),
                               QStringLiteral("Összesen: 1500")};
    bool latta = false;
    amikorMegjelenik([&](Tfrm_NyomtatKep* a) {
        latta = true;
        QCOMPARE(a->windowTitle(), QStringLiteral("Blokknyomtatás"));
        QCOMPARE(a->nyomtatoIndex(), 0);
        QVERIFY(!a->nyomtatGomb()->isHidden());
        QCOMPARE(a->margo(), 32);
        QCOMPARE(a->szovegTerulet()->edgeColumn(), 32);
        QCOMPARE(a->szovegTerulet()->edgeMode(), QsciScintilla::EdgeLine);
        QVERIFY(a->szovegTerulet()->isReadOnly());
        QCOMPARE(a->szoveg(), sorok.join(QLatin1Char('\n')));
        QCOMPARE(a->szovegTerulet()->lines(), 3);
        QCOMPARE(a->nyomtatoCsoport()->title(), QStringLiteral("Nyomtató"));
        QStringList cimek;
        for (QRadioButton* g : a->nyomtatoGombok())
            cimek << g->text();
        QCOMPARE(cimek,
                 (QStringList{QStringLiteral("1. nyomtató"), QStringLiteral("2. nyomtató"),
                              QStringLiteral("3. nyomtató"), QStringLiteral("4. nyomtató")}));
        QCOMPARE(a->bezarGomb()->text(), QStringLiteral("Bezár"));
        // Esc closes as "Bezár" does.
        QTest::keyClick(a, Qt::Key_Escape);
    });
    QVERIFY(!SzovegNyomtat(1, sorok, false));
    QVERIFY(latta);
    QVERIFY(m_raw.isEmpty());
    QVERIFY(m_uzenetek.isEmpty());
}

void TestNyomtatas::elonezetHianyzoProfil()
{
    bool latta = false;
    amikorMegjelenik([&](Tfrm_NyomtatKep* a) {
        latta = true;
        QVERIFY(a->nyomtatGomb()->isHidden());
        QCOMPARE(a->nyomtatoIndex(), 2);
        QCOMPARE(a->margo(), 0);
        a->bezarGomb()->click();
    });
    QVERIFY(!SzovegNyomtat(3, {QStringLiteral("x")}, false));
    QVERIFY(latta);
    QVERIFY(m_raw.isEmpty());
}

void TestNyomtatas::elonezetNyomtatoNelkulMagyaraz()
{
    // Without a profile the preview says why it cannot print and where a
    // printer is set up; the set-up is offered to an administrator.
    QFile::remove(NyomtatoFajl());
    bool latta = false;
    amikorMegjelenik([&](Tfrm_NyomtatKep* a) {
        latta = true;
        QVERIFY(a->nyomtatGomb()->isHidden());
        QVERIFY(a->hianyCimke()->isVisible());
        QVERIFY(a->hianyCimke()->text().contains(QStringLiteral("1. nyomtató")));
        QVERIFY(a->hianyCimke()->text().contains(QStringLiteral("Nyomtatók beállítása")));
        QVERIFY(a->beallitGomb()->isVisible());
        QVERIFY(!a->beallitGomb()->isEnabled());
        const QString mappa = qEnvironmentVariable("VEXLOF_KEPEK_MAPPA");
        if (!mappa.isEmpty())
            a->grab().save(mappa + QStringLiteral("/elonezet_nyomtato_nelkul.png"));
        a->bezarGomb()->click();
    });
    QVERIFY(!SzovegNyomtat(1, {QStringLiteral("x")}, false));
    QVERIFY(latta);

    Jog.rendszergazda = true;
    QString beallitasCim;
    amikorMegjelenik([&](Tfrm_NyomtatKep* a) {
        QVERIFY(a->beallitGomb()->isEnabled());
        // The profile window opens over the preview; closed empty, the
        // preview still cannot print.
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            QVERIFY(w && w != a);
            beallitasCim = w->windowTitle();
            w->close();
        });
        a->beallitGomb()->click();
        QVERIFY(a->nyomtatGomb()->isHidden());
        QVERIFY(a->hianyCimke()->isVisible());
        a->bezarGomb()->click();
    });
    QVERIFY(!SzovegNyomtat(1, {QStringLiteral("x")}, false));
    QCOMPARE(beallitasCim, QStringLiteral("Nyomtatók"));

    // With a profile the hint is gone.
    NyomtatoListaIr(NyomtatoFajl(), {profil(1, 1, QStringLiteral("Blokk"), 32)});
    amikorMegjelenik([](Tfrm_NyomtatKep* a) {
        QVERIFY(!a->nyomtatGomb()->isHidden());
        QVERIFY(a->hianyCimke()->isHidden());
        QVERIFY(a->beallitGomb()->isHidden());
        a->bezarGomb()->click();
    });
    QVERIFY(!SzovegNyomtat(1, {QStringLiteral("x")}, false));
}

void TestNyomtatas::elonezetNyomtatMasikProfilra()
{
    // Preselected 1, the user picks printer 2 (the port path to "FILE").
    amikorMegjelenik([](Tfrm_NyomtatKep* a) {
        a->nyomtatoGombok().at(1)->click();
        a->nyomtatGomb()->click();
    });
    const QStringList sorok = {QStringLiteral("Béla")};
    QVERIFY(SzovegNyomtat(1, sorok, false));
    QVERIFY(m_raw.isEmpty());
    QCOMPARE(olvas(FajlKimenetAlap()), DirektAdat(profil(2, 2, QStringLiteral("FILE")), sorok));
    // The preview says where the document went.
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Informacio);
    m_uzenetek.clear();

    // Kept on printer 1: the raw job of profile 1.
    amikorMegjelenik([](Tfrm_NyomtatKep* a) { a->nyomtatGomb()->click(); });
    QVERIFY(SzovegNyomtat(1, sorok, false));
    QCOMPARE(m_raw.size(), 1);
    QCOMPARE(m_raw.at(0).nyomtato, QStringLiteral("Blokk"));
    QCOMPARE(m_raw.at(0).adat, SzovegesAdat(profil(1, 1, QStringLiteral("Blokk"), 32), sorok));
}

void TestNyomtatas::elonezetProfilNelkuliValasztas()
{
    // Printer 3 has no profile: the document goes to the preselected one.
    amikorMegjelenik([](Tfrm_NyomtatKep* a) {
        a->nyomtatoGombok().at(2)->click();
        a->nyomtatGomb()->click();
    });
    QVERIFY(SzovegNyomtat(1, {QStringLiteral("x")}, false));
    QCOMPARE(m_raw.size(), 1);
    QCOMPARE(m_raw.at(0).nyomtato, QStringLiteral("Blokk"));
}

void TestNyomtatas::direktProfilSzerint()
{
    const QStringList sorok = {QStringLiteral("Tükör"), QStringLiteral("fúró")};
    // Raw job.
    QVERIFY(!SzovegNyomtat(1, sorok, true));
    QCOMPARE(m_raw.size(), 1);
    QCOMPARE(m_raw.at(0).adat, SzovegesAdat(profil(1, 1, QStringLiteral("Blokk"), 32), sorok));
    // Port path.
    const NyomtatasEredmeny papir = SzovegNyomtat(2, sorok, true);
    QVERIFY(!papir.hiba);
    QCOMPARE(olvas(FajlKimenetAlap()), DirektAdat(profil(2, 2, QStringLiteral("FILE")), sorok));
    // The file is handed back; a window names it to the operator.
    QCOMPARE(papir.fajl, FajlKimenetAlap());
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(!SzovegNyomtatMutat(2, sorok, true, nullptr));
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Informacio);
    QCOMPARE(m_uzenetek.at(0).szoveg, QStringLiteral("A nyomtatás fájlba került:\r\n") +
                                          QDir::toNativeSeparators(FajlKimenetAlap()));
    m_uzenetek.clear();
    // A spooler queue is not a file.
    QVERIFY(SzovegNyomtat(1, sorok, true).fajl.isEmpty());
    QCOMPARE(m_raw.size(), 2);
    // Any other output path prints nothing.
    TNyomtato furcsa = profil(1, 1, QStringLiteral("Blokk"));
    furcsa.nyomtipus = 5;
    NyomtatoListaIr(NyomtatoFajl(), {furcsa});
    QVERIFY(!SzovegNyomtat(1, sorok, true));
    QCOMPARE(m_raw.size(), 2);

    // The spooler refuses: the failure comes back to the caller, which goes
    // on; a window shows it in the error box.
    NyomtatoListaIr(NyomtatoFajl(), {profil(1, 1, QStringLiteral("rossz"))});
    const NyomtatasEredmeny e = SzovegNyomtat(1, sorok, true);
    QVERIFY(!e);
    QVERIFY(e.hiba);
    QCOMPARE(e.hiba->uzenet(), QStringLiteral("Hiba nyomtatás közben:\r\na sor nem fogad munkát"));
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(!SzovegNyomtatMutat(1, sorok, true, nullptr));
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Hiba);
    QCOMPARE(m_uzenetek.at(0).felirat, QStringLiteral("Hiba"));
    QCOMPARE(m_uzenetek.at(0).szoveg,
             QStringLiteral("Hiba nyomtatás közben:\r\na sor nem fogad munkát"));
}

void TestNyomtatas::grafikusOldalszam_data()
{
    QTest::addColumn<int>("sorok");
    QTest::addColumn<int>("oldalak");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("75") << 75 << 1;
    QTest::newRow("76") << 76 << 2;
    QTest::newRow("80") << 80 << 2;
    QTest::newRow("150") << 150 << 2;
    QTest::newRow("151") << 151 << 3;
}

void TestNyomtatas::grafikusOldalszam()
{
    QFETCH(int, sorok);
    QFETCH(int, oldalak);
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(fajl(QStringLiteral("oldalszam.pdf")));
    QCOMPARE(GrafikusRajzol(p, profil(4, 0, QString()), szamozottSorok(sorok)), oldalak);
}

void TestNyomtatas::grafikusOldalak()
{
    // 78 lines + 1 feed line + "." = 80 lines: 75 on the first page, 5 on the
    // second.
    const QString pdf = fajl(QStringLiteral("grafikus.pdf"));
    GrafikusPdfCel(pdf);
    TNyomtato ny = profil(4, 0, QStringLiteral("nincs ilyen nyomtató"));
    GrafikusNyomtat(ny, szamozottSorok(78));
    const QByteArray tartalom = olvas(pdf);
    QVERIFY(tartalom.startsWith("%PDF"));
    QCOMPARE(tartalom.count("/Type /Page\n") + tartalom.count("/Type /Page\r"), 2);

    const QStringList oldalak = pdfOldalak(pdf, 2);
    if (oldalak.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: page contents not checked");
    QVERIFY(oldalak.at(0).contains(QStringLiteral("sor 001 abc")));
    QVERIFY(oldalak.at(0).contains(QStringLiteral("sor 075 abc")));
    QVERIFY(!oldalak.at(0).contains(QStringLiteral("sor 076")));
    QVERIFY(oldalak.at(1).contains(QStringLiteral("sor 076 abc")));
    QVERIFY(oldalak.at(1).contains(QStringLiteral("sor 078 abc")));
    QVERIFY(!oldalak.at(1).contains(QStringLiteral("sor 075")));
    const auto nemUres = [](const QString& s) {
        int n = 0;
        for (const QString& sor : s.split(QLatin1Char('\n')))
            n += sor.trimmed().isEmpty() ? 0 : 1;
        return n;
    };
    QCOMPARE(nemUres(oldalak.at(0)), 75);
    // 76..78, and "." (the feed line of one space prints nothing).
    QCOMPARE(nemUres(oldalak.at(1)), 4);
    QVERIFY(m_uzenetek.isEmpty());
}

void TestNyomtatas::grafikusUtvonalHiannyalPdfbe()
{
    // A missing profile prints directly as an empty one: the graphic path.
    const QString pdf = fajl(QStringLiteral("ures.pdf"));
    QFile::remove(pdf);
    GrafikusPdfCel(pdf);
    QVERIFY(!SzovegNyomtat(3, {QStringLiteral("Egy sor")}, true));
    QVERIFY(olvas(pdf).startsWith("%PDF"));
    const QStringList oldalak = pdfOldalak(pdf, 1);
    if (!oldalak.isEmpty())
        QVERIFY(oldalak.at(0).contains(QStringLiteral("Egy sor")));
    QVERIFY(m_raw.isEmpty());
}

void TestNyomtatas::portFajlNevek_data()
{
    QTest::addColumn<QString>("nev");
    QTest::addColumn<QString>("fajl");
    QTest::newRow("LPT1") << "LPT1"
                          << "/dev/lp0";
    QTest::newRow("lpt3") << "lpt3"
                          << "/dev/lp2";
    QTest::newRow("COM1") << "COM1"
                          << "/dev/ttyS0";
    QTest::newRow("COM6") << "COM6"
                          << "/dev/ttyS5";
    QTest::newRow("LPT2 configured") << "LPT2"
                                     << "/dev/usb/lp0";
    QTest::newRow("LPT4 unknown") << "LPT4"
                                  << "";
    QTest::newRow("COM7 unknown") << "COM7"
                                  << "";
    QTest::newRow("device path") << "/dev/usb/lp1"
                                 << "/dev/usb/lp1";
    QTest::newRow("file path") << "/tmp/blokk.prn"
                               << "/tmp/blokk.prn";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNyomtatas::portFajlNevek()
{
    QFETCH(QString, nev);
    QFETCH(QString, fajl);
    IniIr(PortSzakasz, QStringLiteral("LPT2"), QStringLiteral("/dev/usb/lp0"));
    QString hiba;
    QCOMPARE(PortFajl(nev, &hiba), fajl);
    QCOMPARE(hiba.isEmpty(), !fajl.isEmpty());
    // "FILE" and relative paths lie in the data folder, never in the
    // program's current folder.
    QCOMPARE(PortFajl(QStringLiteral("FILE")), m_dir.filePath(QStringLiteral("Nyomtatas.txt")));
    QCOMPARE(PortFajl(QStringLiteral("file")), FajlKimenetAlap());
    QCOMPARE(PortFajl(QStringLiteral("blokk.prn")), m_dir.filePath(QStringLiteral("blokk.prn")));
}

void TestNyomtatas::portUtvonalFajlba()
{
    // The port path replaces any earlier content.
    const QString f = FajlKimenetAlap();
    {
        QFile x(f);
        QVERIFY(x.open(QIODevice::WriteOnly));
        x.write(QByteArray(1000, 'x'));
    }
    TNyomtato ny = profil(2, 2, QStringLiteral("FILE"));
    ny.marka = 1;
    ny.extrasor = 3;
    const QStringList sorok = {QStringLiteral("Fizetendő"), QStringLiteral("1500")};
    DirektNyomtat(ny, sorok);
    QCOMPARE(olvas(f), QByteArray::fromHex("1B401B20011B21010D0A") +
                           "\r\nFizetend\x8B\r\n1500\r\n \r\n \r\n \r\n.\r\n" +
                           QByteArray::fromHex("1D5601") + "\r\n");

    // A path given directly; LPT1 mapped to a file in the INI file.
    ny.nyomtato_nev = fajl(QStringLiteral("kozvetlen.prn"));
    DirektNyomtat(ny, sorok);
    QCOMPARE(olvas(ny.nyomtato_nev), DirektAdat(ny, sorok));
    IniIr(PortSzakasz, QStringLiteral("LPT1"), fajl(QStringLiteral("lpt1.prn")));
    {
        QFile x(fajl(QStringLiteral("lpt1.prn"))); // the "device" exists
        QVERIFY(x.open(QIODevice::WriteOnly));
    }
    ny.nyomtato_nev = QStringLiteral("LPT1");
    DirektNyomtat(ny, sorok);
    QCOMPARE(olvas(fajl(QStringLiteral("lpt1.prn"))), DirektAdat(ny, sorok));
    // Nothing named FILE in the program's current folder.
    QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("FILE"))));
    QVERIFY(m_uzenetek.isEmpty());
}

void TestNyomtatas::portHibak()
{
    // The error of the port path, empty when it printed.
    const auto hiba = [](const TNyomtato& ny) {
        try {
            DirektNyomtat(ny, {QStringLiteral("x")});
        } catch (const NyomtatasHiba& h) {
            return h.uzenet();
        }
        return QString();
    };
    TNyomtato ny = profil(2, 2, QStringLiteral("LPT4"));
    QCOMPARE(hiba(ny), QStringLiteral("Hiba nyomtatás közben:\r\nIsmeretlen port: LPT4"));

    // A missing device is an error, never a new file under /dev.
    ny.nyomtato_nev = QStringLiteral("/dev/vexlof-nincs-ilyen-lp");
    QVERIFY(hiba(ny).startsWith(
        QStringLiteral("Hiba nyomtatás közben:\r\n/dev/vexlof-nincs-ilyen-lp: ")));
    QVERIFY(!QFile::exists(ny.nyomtato_nev));

    // A mapped port whose device is missing.
    IniIr(PortSzakasz, QStringLiteral("COM3"), fajl(QStringLiteral("nincs-com3")));
    ny.nyomtato_nev = QStringLiteral("COM3");
    QVERIFY(!hiba(ny).isEmpty());
    QVERIFY(!QFile::exists(fajl(QStringLiteral("nincs-com3"))));

    // A file that cannot be created.
    ny.nyomtato_nev = fajl(QStringLiteral("nincs/mappa/blokk.prn"));
    QVERIFY(!hiba(ny).isEmpty());
    // The routines themselves show nothing.
    QVERIFY(m_uzenetek.isEmpty());
}

void TestNyomtatas::kepernyokepek()
{
    // The preview and a rendered page as pictures, for a look by eye.
    const QString mappa = qEnvironmentVariable("VEXLOF_KEPEK_MAPPA");
    if (mappa.isEmpty())
        QSKIP("VEXLOF_KEPEK_MAPPA not set: no pictures saved");
    QStringList sorok;
    FejlecHozzaad(sorok, QStringLiteral("Fodrász 1 asztal fogyasztása"));
    sorok << QStringLiteral("Hajvágás, férfi                    3500")
          << QStringLiteral("      1 X  3500")
          << QStringLiteral("Árvíztűrő tükörfúrógép ŐŰőű         1200")
          << QStringLiteral("      2 X   600") << QString()
          << QStringLiteral("Fizetendő                          4700");
    LablecHozzaad(sorok);
    amikorMegjelenik([&](Tfrm_NyomtatKep* a) {
        a->resize(560, 620);
        QTest::qWait(50);
        QVERIFY(a->grab().save(mappa + QStringLiteral("/elonezet.png")));
        a->bezarGomb()->click();
    });
    SzovegNyomtatMutat(1, sorok, false, nullptr);
    const QString pdf = mappa + QStringLiteral("/grafikus.pdf");
    GrafikusPdfCel(pdf);
    TNyomtato ny = profil(4, 0, QString());
    ny.betumeret = 10;
    GrafikusNyomtat(ny, sorok);
    GrafikusPdfCel(mappa + QStringLiteral("/oldalak.pdf"));
    GrafikusNyomtat(profil(4, 0, QString()), szamozottSorok(78));
}

QTEST_MAIN(TestNyomtatas)
#include "test_nyomtatas.moc"
