// Receipts and work-station tickets against the real server: the text
// tickets per printer and the marking of sent lines, the laid-out tickets
// and their printer fall-backs, the laid-out receipt with the number settling
// gives, its settings and copies, the consumption list as the print settings
// say, a credit text with the currency line stored with the debt, and the
// documents rendered to PDF.

#include "Ansi.h"
#include "Beall.h"
#include "BlokkLista.h"
#include "BlokkOsszeallit.h"
#include "KonyhaNyomtat.h"
#include "Mappak.h"
#include "Nyomtato.h"
#include "PosSeged.h"
#include "RawNyomtatas.h"
#include "RiportNyomtat.h"
#include "RiportRajz.h"
#include "Uzenetek.h"
#include "rpt_KonyhaBlokk.h"
#include "rpt_NyomBlokk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace PosSeged;

namespace
{

struct RawHivas {
    QString nyomtato;
    QByteArray adat;
};

struct RiportHivas {
    RDokumentum doc;
    QString nyomtato; // empty: the preview
};

TNyomtato profil(int n, int nyomtipus, const QString& nev, int szeles = 40)
{
    TNyomtato ny;
    ny.nyomtato = n;
    ny.nyomtipus = nyomtipus;
    ny.nyomtato_nev = nev;
    ny.szeles = szeles;
    NyomtatoNevekBeallit(ny);
    return ny;
}

TBeall alapBeall()
{
    TBeall b;
    b.tulajdonos = QStringLiteral("Szépség Szalon");
    b.irszvaros = QStringLiteral("1051 Budapest");
    b.cim = QStringLiteral("Fő utca 1.");
    b.TulCim = QStringLiteral("1051 Budapest, Fő utca 1.");
    b.TulTel = QStringLiteral("06-1-234-5678");
    b.udvozletszoveg = QStringLiteral("Köszönjük, hogy nálunk járt!");
    b.blokknyomtat = true;
    b.Szorzo = 250;
    return b;
}

bool tartalmaz(const QByteArray& adat, const QString& szoveg)
{
    return adat.contains(AnsiBajtok(szoveg));
}

} // namespace

class TestBlokkNyomtat : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<RawHivas> m_raw;
    QList<RiportHivas> m_riport;
    QList<UzenetAdat> m_uzenetek;

    void profilok(const QList<TNyomtato>& lista) { NyomtatoListaIr(NyomtatoFajl(), lista); }
    QStringList uzenetSzovegek() const
    {
        QStringList s;
        for (const UzenetAdat& u : m_uzenetek)
            s << u.szoveg;
        return s;
    }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void konyhaNyomtat();
    void konyhaRiport();
    void konyhaRiportKeskeny();
    void nyitottSzamlaSorszama();
    void blokkRiport_data();
    void blokkRiport();
    void blokkRiportNyomtato();
    void blokkRiportUjrabelepes();
    void blokkOsszeallit();
    void tortenetbolUjranyomtat();
    void hitelValutaval();
    void pdfPeldak();
};

void TestBlokkNyomtat::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile ini(m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    RawNyomtatoCel([this](const QString& ny, const QByteArray& adat, QString*) {
        m_raw << RawHivas{ny, adat};
        return true;
    });
    RiportCel([this](const RDokumentum& doc, const QString& ny) {
        m_riport << RiportHivas{doc, ny};
        return true;
    });
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
    RiportNyomtatokBeallit({QStringLiteral("Kassza"), QStringLiteral("Konyha")});
    try {
        TesztAdatbazis::letrehoz(QStringLiteral("teszt_blokknyomtat"));
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestBlokkNyomtat::cleanupTestCase()
{
    RawNyomtatoCel({});
    RiportCel({});
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(QStringLiteral("teszt_blokknyomtat"));
}

void TestBlokkNyomtat::init()
{
    POS_OK(uresit());
    POS_OK(napNyit(ma()));
    POS_OK(asztalUj(1, QStringLiteral("Kovács Éva"), 1));
    POS_OK(asztalUj(7, QStringLiteral("Zoé")));
    POS_OK(cikkUj(1, QStringLiteral("Vágás"), 3000, QStringLiteral("1030")));
    POS_OK(cikkUj(2, QStringLiteral("Festés"), 8000, QStringLiteral("0200")));
    POS_OK(cikkUj(3, QStringLiteral("Sampon"), 2000, QStringLiteral("0000")));
    POS_OK(ugyfelUj(5, QStringLiteral("Kiss Anna")));
    Beall = alapBeall();
    profilok({profil(1, 1, QStringLiteral("P1")), profil(3, 1, QStringLiteral("P3"))});
    QFile::remove(m_dir.filePath(QStringLiteral("Logo.bmp")));
    QFile::remove(m_dir.filePath(QStringLiteral("Logo.jpg")));
    m_raw.clear();
    m_riport.clear();
    m_uzenetek.clear();
}

void TestBlokkNyomtat::konyhaNyomtat()
{
    // Vágás goes to printers 1 and 3, Festés to printer 2 (no profile),
    // Sampon nowhere; every line is marked sent.
    POS_OK(rendel(1, 1, 3000, 1, QStringLiteral("rövidre")));
    POS_OK(rendel(1, 2, 8000, 2));
    POS_OK(rendel(1, 3, 2000, 1));
    POS_OK(rendel(7, 1, 3000, 1));
    POS_OK(KonyhaNyomtat(1));
    QCOMPARE(m_raw.size(), 2);
    QCOMPARE(m_raw.at(0).nyomtato, QStringLiteral("P1"));
    QCOMPARE(m_raw.at(1).nyomtato, QStringLiteral("P3"));
    for (const RawHivas& r : std::as_const(m_raw)) {
        QVERIFY(tartalmaz(r.adat, QStringLiteral(" Vágás") + QString(29, QLatin1Char(' ')) +
                                      QStringLiteral("    1")));
        QVERIFY(tartalmaz(r.adat, QStringLiteral(" rövidre")));
        QVERIFY(tartalmaz(r.adat, QStringLiteral("Asztal: Kovács Éva")));
        QVERIFY(!tartalmaz(r.adat, QStringLiteral("Festés")));
        QVERIFY(!tartalmaz(r.adat, QStringLiteral("Sampon")));
    }
    QCOMPARE(sorok(QStringLiteral(
                 "SELECT asztal, nyomtatva, COUNT(*) FROM rendelma GROUP BY 1, 2 ORDER BY 1, 2;")),
             (QStringList{QStringLiteral("1|I|3"), QStringLiteral("7|N|1")}));
    // Nothing left to send.
    POS_OK(KonyhaNyomtat(1));
    QCOMPARE(m_raw.size(), 2);
}

void TestBlokkNyomtat::konyhaRiport()
{
    POS_OK(rendel(7, 1, 3000, 2, QStringLiteral("rövidre")));
    POS_OK(rendel(7, 2, 8000, 1));
    Beall.KonyhaBlokkFontSize = 11;

    // Switched off: nothing.
    POS_OK(KonyhaRiport(1, 7));
    QVERIFY(m_riport.isEmpty());

    Beall.konyhablokknyomtat = true;
    profilok({profil(1, 0, QStringLiteral("Konyha")), profil(2, 0, QString()),
              profil(3, 0, QStringLiteral("Nincs ilyen"))});
    for (int n = 1; n <= 4; ++n)
        POS_OK(KonyhaRiport(n, 7));
    // Printer 1 prints; 2 has no printer name and 3 an unknown one: both open
    // the preview and say why; 4 has no lines.
    QCOMPARE(m_riport.size(), 3);
    QCOMPARE(m_riport.at(0).nyomtato, QStringLiteral("Konyha"));
    QCOMPARE(m_riport.at(0).doc.cim, QStringLiteral("KonyhaPld01-07"));
    QCOMPARE(m_riport.at(1).nyomtato, QString());
    QCOMPARE(m_riport.at(1).doc.cim, QStringLiteral("KonyhaPld02-07"));
    QCOMPARE(m_riport.at(2).nyomtato, QString());
    QCOMPARE(m_riport.at(2).doc.cim, QStringLiteral("KonyhaPld03-07"));
    QCOMPARE(uzenetSzovegek(), (QStringList{QStringLiteral("Nincs megadva nyomtató"),
                                            QStringLiteral("Ismeretlen nyomtató: Nincs ilyen")}));

    const RDokumentum& d1 = m_riport.at(0).doc;
    const QStringList sz = d1.szovegek();
    QVERIFY(sz.contains(QStringLiteral("Szépség Szalon")));
    QVERIFY(sz.contains(QStringLiteral("Zoé")));
    QVERIFY(sz.contains(QStringLiteral("rövidre")));
    QVERIFY(sz.contains(QStringLiteral("2")));
    QVERIFY(!sz.contains(QStringLiteral("Festés")));
    QCOMPARE(d1.keres(QStringLiteral("Vágás"))->betu.meret, 11.0);
    QVERIFY(m_riport.at(1).doc.szovegek().contains(QStringLiteral("Festés")));
    // The laid-out tickets leave the marking to the caller.
    QCOMPARE(sorok(QStringLiteral("SELECT DISTINCT nyomtatva FROM rendelma;")),
             QStringList{QStringLiteral("N")});
}

void TestBlokkNyomtat::konyhaRiportKeskeny()
{
    POS_OK(rendel(7, 2, 8000, 1));
    Beall.konyhablokknyomtat = true;
    Beall.keskenyblokk = true;
    Beall.KonyhaBlokk60FontSize = 5;
    profilok({profil(2, 0, QString())});
    POS_OK(KonyhaRiport(2, 7));
    QCOMPARE(m_riport.size(), 1);
    QCOMPARE(m_riport.at(0).doc.cim, QStringLiteral("KonyhaPld02"));
    QCOMPARE(m_riport.at(0).nyomtato, QString());
    QCOMPARE(m_riport.at(0).doc.lapok.first().szeles, 520);
    QCOMPARE(m_riport.at(0).doc.keres(QStringLiteral("Festés"))->betu.meret, 5.0);
    QVERIFY(m_uzenetek.isEmpty());
}

void TestBlokkNyomtat::nyitottSzamlaSorszama()
{
    // Bill 41 was settled on a day already closed (its lines are history);
    // today's first open bill must show 42, the number settling gives it.
    POS_OK(rendel(1, 1, 3000));
    POS_OK(fizet(1));
    POS_OK(SqlFuttat(QStringLiteral("UPDATE rendelma SET rendeles=41;")));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO rendeles SELECT * FROM rendelma;")));
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM rendelma;")));
    POS_OK(rendel(7, 2, 8000));
    POS_OK(BlokkRiport(1, 7, -1));
    QCOMPARE(m_riport.size(), 1);
    QCOMPARE(m_riport.at(0).doc.cim, QStringLiteral("Vexlo.F00042"));
    QVERIFY(m_riport.at(0).doc.szovegek().contains(QStringLiteral("sorszám: 00042")));
    int szam = 0;
    POS_OK(szam = fizet(7));
    QCOMPARE(szam, 42);
    // A settled bill keeps its own number.
    POS_OK(BlokkRiport(1, 7, 42));
    QCOMPARE(m_riport.at(1).doc.cim, QStringLiteral("Vexlo.F00042"));
    QVERIFY(m_riport.at(1).doc.szovegek().contains(QStringLiteral("Festés")));
}

void TestBlokkNyomtat::blokkRiport_data()
{
    QTest::addColumn<bool>("keskeny");
    QTest::addColumn<bool>("kapcsolok"); // mutatafa, vanvaluta, vanfigyelmeztetes
    QTest::addColumn<int>("vartPeldany");
    QTest::newRow("széles, minden") << false << true << 3;
    QTest::newRow("széles, kikapcsolva") << false << false << 3;
    QTest::newRow("keskeny") << true << true << 1;
}

void TestBlokkNyomtat::blokkRiport()
{
    QFETCH(bool, keskeny);
    QFETCH(bool, kapcsolok);
    QFETCH(int, vartPeldany);
    Beall.keskenyblokk = keskeny;
    Beall.Peldany = 3;
    Beall.mutatafa = Beall.vanvaluta = Beall.vanfigyelmeztetes = kapcsolok;
    Beall.udvozletszoveg2 = QStringLiteral("Viszontlátásra!");
    // Both logos: the JPEG wins.
    QImage bmp(40, 20, QImage::Format_RGB32), jpg(60, 20, QImage::Format_RGB32);
    bmp.fill(Qt::red);
    jpg.fill(Qt::blue);
    QVERIFY(bmp.save(m_dir.filePath(QStringLiteral("Logo.bmp"))));
    QVERIFY(jpg.save(m_dir.filePath(QStringLiteral("Logo.jpg"))));
    POS_OK(rendel(1, 1, 3000, 1, QStringLiteral("rövidre")));
    POS_OK(rendel(1, 2, 8000, 2));
    POS_OK(rendel(7, 3, 2000, 1));

    POS_OK(BlokkRiport(1, 1, -1));
    QCOMPARE(m_riport.size(), 1);
    const RDokumentum& doc = m_riport.at(0).doc;
    QCOMPARE(doc.peldany, vartPeldany);
    QCOMPARE(doc.lapok.size(), 1);
    QCOMPARE(doc.lapok.first().szeles, keskeny ? 520 : 750);
    const QStringList sz = doc.szovegek();
    QVERIFY(sz.contains(QStringLiteral("Vágás")));
    QVERIFY(sz.contains(QStringLiteral("8 000 X 2")));
    QVERIFY(sz.contains(QStringLiteral("16 000")));
    QVERIFY(!sz.contains(QStringLiteral("Sampon")));
    QVERIFY(sz.contains(QStringLiteral("fizetendő")));
    QCOMPARE(sz.at(sz.indexOf(QStringLiteral("fizetendő")) + 1), QStringLiteral("19 000"));
    QVERIFY(sz.contains(QStringLiteral("Köszönjük, hogy nálunk járt!")));
    QVERIFY(sz.contains(QStringLiteral("Viszontlátásra!")));
    QCOMPARE(sz.contains(QStringLiteral("nettó")), kapcsolok);
    QCOMPARE(sz.contains(QStringLiteral("14 961")), kapcsolok); // 19 000 / 1.27
    QCOMPARE(sz.contains(QStringLiteral("4 039")), kapcsolok);
    QCOMPARE(sz.contains(QStringLiteral("€")), kapcsolok);
    QCOMPARE(sz.contains(QStringLiteral("76.00")), kapcsolok);
    QCOMPARE(sz.contains(QStringLiteral("KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT")), kapcsolok);
    QCOMPARE(sz.contains(QStringLiteral("NOT VALID FOR CASH PAYMENT")), kapcsolok);
    if (keskeny) {
        QVERIFY(doc.kepek.isEmpty());
        QVERIFY(sz.contains(QStringLiteral("fodrász")));
        QVERIFY(sz.contains(QStringLiteral("Kovács Éva")));
        QVERIFY(!sz.contains(QStringLiteral("rövidre")));
        QCOMPARE(sz.last(), QStringLiteral("."));
    } else {
        QCOMPARE(doc.kepek.size(), 1);
        QCOMPARE(doc.kepek.first().size(), QSize(60, 20));
        QVERIFY(sz.contains(QStringLiteral("rövidre")));
    }

    // Receipts switched off: nothing at all.
    Beall.blokknyomtat = false;
    POS_OK(BlokkRiport(1, 1, -1));
    QCOMPARE(m_riport.size(), 1);
}

void TestBlokkNyomtat::blokkRiportNyomtato()
{
    POS_OK(rendel(1, 1, 3000));
    profilok({profil(1, 0, QStringLiteral("Kassza"))});
    POS_OK(BlokkRiport(1, 1, -1));
    profilok({profil(1, 0, QStringLiteral("Elveszett"))});
    POS_OK(BlokkRiport(1, 1, -1));
    profilok({});
    POS_OK(BlokkRiport(1, 1, -1));
    QCOMPARE(m_riport.size(), 3);
    QCOMPARE(m_riport.at(0).nyomtato, QStringLiteral("Kassza"));
    QCOMPARE(m_riport.at(1).nyomtato, QString());
    QCOMPARE(m_riport.at(2).nyomtato, QString());
    QVERIFY(m_uzenetek.isEmpty());
}

void TestBlokkNyomtat::blokkRiportUjrabelepes()
{
    // A receipt asked for while another is being made (re-entered through
    // the message loop) waits for it, up to five seconds, and is then made
    // all the same; the mark is cleared afterwards.
    POS_OK(rendel(1, 1, 3000));
    POS_OK(rendel(7, 2, 8000));
    qint64 varakozas = -1;
    RiportCel([this, &varakozas](const RDokumentum& doc, const QString& ny) {
        if (m_riport.isEmpty() && varakozas < 0) {
            varakozas = 0;
            QElapsedTimer t;
            t.start();
            BlokkRiport(1, 7, -1);
            varakozas = t.elapsed();
        }
        m_riport << RiportHivas{doc, ny};
        return true;
    });
    POS_OK(BlokkRiport(1, 1, -1));
    RiportCel([this](const RDokumentum& doc, const QString& ny) {
        m_riport << RiportHivas{doc, ny};
        return true;
    });
    QCOMPARE(m_riport.size(), 2);
    QVERIFY(m_riport.at(0).doc.szovegek().contains(QStringLiteral("Festés")));
    QVERIFY(m_riport.at(1).doc.szovegek().contains(QStringLiteral("Vágás")));
    QVERIFY2(varakozas >= 4500, qPrintable(QString::number(varakozas)));
    QElapsedTimer t;
    t.start();
    POS_OK(BlokkRiport(1, 1, -1));
    QVERIFY(t.elapsed() < 4500);
    QCOMPARE(m_riport.size(), 3);
}

void TestBlokkNyomtat::blokkOsszeallit()
{
    POS_OK(rendel(1, 1, 3000, 2));
    POS_OK(rendel(1, 2, 8000, 1));

    // Text receipts: printed at once on profile 1 and returned.
    QString ki;
    POS_OK(ki = BlokkOsszeallit(1, -1, -1, false));
    QVERIFY(ki.contains(QStringLiteral("Kovács Éva asztal fogyasztása\r\n")));
    QVERIFY(ki.contains(QStringLiteral("\r\nFizetendő") + QString(26, QLatin1Char(' ')) +
                        QStringLiteral("14000\r\n")));
    QVERIFY(!ki.contains(QStringLiteral("Hitelre")));
    QCOMPARE(m_raw.size(), 1);
    QCOMPARE(m_raw.at(0).nyomtato, QStringLiteral("P1"));
    QVERIFY(tartalmaz(m_raw.at(0).adat, QStringLiteral("Kovács Éva asztal fogyasztása\r\n")));
    QVERIFY(m_riport.isEmpty());

    // Receipts not printed: the text is still returned.
    Beall.blokknyomtat = false;
    POS_OK(ki = BlokkOsszeallit(1, -1, -1, false));
    QVERIFY(!ki.isEmpty());
    QCOMPARE(m_raw.size(), 1);

    // Laid-out receipts: a cash settlement composes nothing and prints the
    // report; a credit one returns the text without printing it as text.
    Beall.blokknyomtat = true;
    Beall.csiliviliblokk = true;
    POS_OK(ki = BlokkOsszeallit(1, -1, -1, false));
    QVERIFY(ki.isEmpty());
    QCOMPARE(m_riport.size(), 1);
    POS_OK(ki = BlokkOsszeallit(1, 5, -1, true));
    QVERIFY(ki.contains(QStringLiteral("Hitelre: Kiss Anna")));
    QCOMPARE(m_raw.size(), 1);
    QCOMPARE(m_riport.size(), 2);
}

void TestBlokkNyomtat::tortenetbolUjranyomtat()
{
    // A bill of a closed day is reprinted from the history, titled by its
    // own service point.
    POS_OK(rendel(7, 1, 3000, 1));
    int szam = 0;
    POS_OK(szam = fizet(7));
    POS_OK(SqlFuttat(QStringLiteral("INSERT INTO rendeles SELECT * FROM rendelma;")));
    POS_OK(SqlFuttat(QStringLiteral("DELETE FROM rendelma;")));
    QString ki;
    POS_OK(ki = BlokkOsszeallit(-1, -1, szam, false));
    QVERIFY(ki.contains(QStringLiteral("Zoé asztal fogyasztása")));
    QVERIFY(ki.contains(QStringLiteral("\r\nVágás")));
    QVERIFY(ki.contains(QStringLiteral("3000\r\n")));
    // The laid-out receipt too.
    POS_OK(BlokkRiport(1, -1, szam));
    QCOMPARE(m_riport.size(), 1);
    QVERIFY(m_riport.at(0).doc.szovegek().contains(QStringLiteral("Vágás")));
    QVERIFY(m_riport.at(0).doc.szovegek().contains(QStringLiteral("3 000")));
}

void TestBlokkNyomtat::hitelValutaval()
{
    // The currency line's "€" has no latin2 byte: the composed text as it
    // is cannot be stored with the debt, its storable form can.
    Beall.vanvaluta = true;
    POS_OK(rendel(1, 1, 3000, 1));
    QString ki;
    POS_OK(ki = BlokkOsszeallit(1, 5, -1, true));
    QVERIFY(ki.contains(QStringLiteral("  Euro (€)")));
    auto hitelad = [](const QString& szoveg) {
        return hibaUzenet(
            hivas(QStringLiteral("sp_hitelad"), {QStringLiteral("-1"), QStringLiteral("'P'"),
                                                 QStringLiteral("5"), SqlIdez(szoveg), n(3000)}));
    };
    QVERIFY(!hitelad(ki).isEmpty());
    QCOMPARE(hitelad(TarolhatoSzoveg(ki)), QString());
    const QString tarolt =
        SqlSzoveg(QStringLiteral("SELECT blokk FROM ugyfel_ados WHERE ugyfel=5;"), QString());
    QVERIFY(tarolt.contains(QStringLiteral("  Euro (EUR)")));
    QVERIFY(tarolt.contains(QStringLiteral("Hitelre: Kiss Anna")));
    QCOMPARE(tarolt, TarolhatoSzoveg(ki));
}

void TestBlokkNyomtat::pdfPeldak()
{
    // The wide and narrow receipt and a kitchen ticket render to PDF; with
    // VEXLOF_PELDA_DIR set they are also kept there.
    const QString pelda = qEnvironmentVariable("VEXLOF_PELDA_DIR");
    QImage logo(300, 300, QImage::Format_RGB32);
    logo.fill(Qt::white);
    {
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(150, 40, 90));
        p.setPen(Qt::NoPen);
        p.drawEllipse(20, 20, 260, 260);
        p.setPen(Qt::white);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(110);
        f.setBold(true);
        p.setFont(f);
        p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("SZ"));
    }
    QVERIFY(logo.save(m_dir.filePath(QStringLiteral("Logo.jpg"))));
    Beall.mutatafa = Beall.vanvaluta = Beall.vanfigyelmeztetes = true;
    Beall.udvozletszoveg2 = QStringLiteral("Várjuk vissza!");
    Beall.konyhablokknyomtat = true;
    POS_OK(rendel(1, 1, 3000, 1, QStringLiteral("rövidre, oldalt géppel")));
    POS_OK(rendel(1, 2, 8000, 2));
    POS_OK(rendel(1, 3, 2000, 1));
    POS_OK(rendel(1, 3, 1500, 2));
    POS_OK(BlokkRiport(1, 1, -1));
    Beall.keskenyblokk = true;
    POS_OK(BlokkRiport(1, 1, -1));
    Beall.keskenyblokk = false;
    POS_OK(KonyhaRiport(1, 1));
    QCOMPARE(m_riport.size(), 3);
    const QStringList nevek{QStringLiteral("blokk80"), QStringLiteral("blokk57"),
                            QStringLiteral("konyha80")};
    for (int i = 0; i < 3; ++i) {
        const QString f = m_dir.filePath(nevek.at(i) + QStringLiteral(".pdf"));
        QString hiba;
        QVERIFY2(RiportPdf(m_riport.at(i).doc, f, &hiba), qPrintable(hiba));
        QFile pdf(f);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        if (!pelda.isEmpty()) {
            QDir().mkpath(pelda);
            QFile::remove(pelda + QLatin1Char('/') + nevek.at(i) + QStringLiteral(".pdf"));
            QVERIFY(
                QFile::copy(f, pelda + QLatin1Char('/') + nevek.at(i) + QStringLiteral(".pdf")));
        }
    }
}

QTEST_MAIN(TestBlokkNyomtat)
#include "test_blokknyomtat.moc"
