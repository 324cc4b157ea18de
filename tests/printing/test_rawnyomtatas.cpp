// The raw spooler path through a real CUPS raw queue: the private scheduler
// of the "cups" fixture writes every job's bytes to a file, which must hold
// exactly what was sent.

#include "BlokkSzoveg.h"
#include "DialogusVezerlo.h"
#include "Inp.h"
#include "Mappak.h"
#include "NyomBeall.h"
#include "Nyomtato.h"
#include "Radio.h"
#include "RawNyomtatas.h"
#include "SzovegNyomtat.h"
#include "Uzenetek.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{

QString fajlSzoveg(const QString& f)
{
    QFile x(f);
    return x.open(QIODevice::ReadOnly) ? QString::fromUtf8(x.readAll()).trimmed() : QString();
}

} // namespace

class TestRawNyomtatas : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_adat;
    QString m_sor;
    QString m_kimenet;
    QList<UzenetAdat> m_uzenetek;

    // Waits until the queue's device has written a file of the given size.
    QByteArray kimenetVar(qsizetype meret)
    {
        QElapsedTimer ora;
        ora.start();
        while (ora.elapsed() < 15000) {
            QFile f(m_kimenet);
            if (f.exists() && f.size() == meret && f.open(QIODevice::ReadOnly))
                return f.readAll();
            QTest::qWait(50);
        }
        QFile f(m_kimenet);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no output)");
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void nyersBajtokValtozatlanul();
    void szovegesUtvonalTeljesFolyam();
    void telepitettNyomtatok();
    void ismeretlenSor();
    void ujProfilNyomtatoListabol();
    void ujGrafikusFontMegsem();
};

void TestRawNyomtatas::initTestCase()
{
    const QString dir = qEnvironmentVariable("VEXLOF_CUPS_DIR");
    if (dir.isEmpty())
        QSKIP("VEXLOF_CUPS_DIR is not set: run through ctest (fixture printing_cups_start)");
    if (QFile::exists(dir + QStringLiteral("/skip")))
        QSKIP(qPrintable(QStringLiteral("no private CUPS scheduler: ") +
                         fajlSzoveg(dir + QStringLiteral("/skip"))));
    const QString szerver = fajlSzoveg(dir + QStringLiteral("/server"));
    m_sor = fajlSzoveg(dir + QStringLiteral("/queue"));
    QVERIFY2(!szerver.isEmpty() && !m_sor.isEmpty(), "the fixture left no server or queue");
    m_kimenet = dir + QStringLiteral("/out/") + m_sor + QStringLiteral(".bin");
    // Before the first CUPS call: the client library reads it once.
    qputenv("CUPS_SERVER", szerver.toUtf8());
    QVERIFY(m_adat.isValid());
    QFile ini(m_adat.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_adat.path());
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestRawNyomtatas::init()
{
    QFile::remove(m_kimenet);
    m_uzenetek.clear();
}

void TestRawNyomtatas::cleanupTestCase()
{
    UzenetElfogo({});
}

void TestRawNyomtatas::nyersBajtokValtozatlanul()
{
    // Every byte value, control codes and NUL included.
    QByteArray adat;
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 256; ++i)
            adat += char(i);
    QString hiba;
    QVERIFY2(RawNyomtat(m_sor, adat, &hiba), qPrintable(hiba));
    QCOMPARE(kimenetVar(adat.size()), adat);
}

void TestRawNyomtatas::szovegesUtvonalTeljesFolyam()
{
    TNyomtato ny;
    ny.nyomtato = 1;
    ny.nyomtato_nev = m_sor;
    ny.nyomtipus = 1;
    ny.kodlapkonv = 2;
    ny.marka = 0;
    ny.cutter = true;
    ny.extrasor = 3;
    ny.szeles = 40;
    const QStringList sorok = {QStringLiteral("Árvíztűrő tükörfúrógép"), QString(),
                               QStringLiteral("Fizetendő  1500")};
    SzovegesNyomtat(ny, sorok);
    QVERIFY(m_uzenetek.isEmpty());
    const QByteArray vart =
        QByteArray::fromHex("1B1D74051B4D0D0A") +
        "\xB5rv\xA1zt\xFBr\x8B t\x81k\x94rf\xA3r\xA2g\x82p\r\n\r\nFizetend\x8B  1500\r\n" +
        " \r\n \r\n \r\n.\r\n" + QByteArray::fromHex("1B6430");
    QCOMPARE(SzovegesAdat(ny, sorok), vart);
    QCOMPARE(kimenetVar(vart.size()), vart);
}

void TestRawNyomtatas::telepitettNyomtatok()
{
    QVERIFY2(TelepitettNyomtatok().contains(m_sor),
             qPrintable(TelepitettNyomtatok().join(QLatin1Char(','))));
}

void TestRawNyomtatas::ismeretlenSor()
{
    QString hiba;
    QVERIFY(!RawNyomtat(QStringLiteral("nincs_ilyen_sor"), "x", &hiba));
    QVERIFY(hiba.startsWith(QStringLiteral("nincs_ilyen_sor: ")));
    QVERIFY(!RawNyomtat(QString(), "x", &hiba));
    QCOMPARE(hiba, QStringLiteral("Nincs megadva nyomtató."));

    // The text path shows the spooler's refusal instead of losing the receipt
    // silently.
    TNyomtato ny;
    ny.nyomtipus = 1;
    ny.nyomtato_nev = QStringLiteral("nincs_ilyen_sor");
    QString szoveg;
    try {
        SzovegesNyomtat(ny, {QStringLiteral("x")});
    } catch (const NyomtatasHiba& h) {
        szoveg = h.hibaSzoveg();
    }
    QVERIFY2(szoveg.startsWith(QStringLiteral("Hiba nyomtatás közben:\r\nnincs_ilyen_sor: ")),
             qPrintable(szoveg));
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(!QFile::exists(m_kimenet));
}

namespace
{

DialogusVezerlo::Lepes radio(const QString& szoveg)
{
    return [szoveg](QWidget* w) {
        auto* d = qobject_cast<Tfrm_Radio*>(w);
        QVERIFY(d);
        bool megvan = false;
        for (QRadioButton* g : d->gombok())
            if (g->text() == szoveg) {
                // setChecked: a click would uncheck a lone radio button.
                g->setChecked(true);
                megvan = true;
            }
        QVERIFY2(megvan, qPrintable(szoveg));
        d->okGomb()->click();
    };
}

DialogusVezerlo::Lepes szam(const QString& szoveg)
{
    return [szoveg](QWidget* w) {
        auto* d = qobject_cast<Tfrm_Inp*>(w);
        QVERIFY(d);
        d->szamSzerkeszto()->setText(szoveg);
        d->okGomb()->click();
    };
}

DialogusVezerlo::Lepes elfogad()
{
    return [](QWidget* w) { QMetaObject::invokeMethod(w, "accept"); };
}

} // namespace

void TestRawNyomtatas::ujProfilNyomtatoListabol()
{
    // New profiles choosing the queue from the installed printers: a graphic
    // one with its font, then a raw one.
    QFile::remove(NyomtatoFajl());
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    {
        DialogusVezerlo v({radio(NyomtipusNevek().at(0)), radio(m_sor),
                           [](QWidget* w) {
                               auto* d = qobject_cast<QFontDialog*>(w);
                               QVERIFY(d);
                               QCOMPARE(d->currentFont().pointSize(), 10);
                               d->setCurrentFont(QFont(QStringLiteral("DejaVu Sans Mono"), 12));
                               d->accept();
                           },
                           elfogad(), elfogad()},
                          &a);
        a.aUj->trigger();
        QVERIFY2(v.hatralevo() == 0, qPrintable(v.cimek.join(QLatin1Char('|'))));
        QCOMPARE(v.cimek.mid(3), (QStringList{"Szélesség", "Extra sorok"}));
    }
    {
        DialogusVezerlo v({radio(NyomtipusNevek().at(1)), radio(m_sor),
                           radio(QStringLiteral("PC850")), radio(QStringLiteral("Star")),
                           szam(QStringLiteral("42")), szam(QStringLiteral("4"))},
                          &a);
        a.aUj->trigger();
        QCOMPARE(v.hatralevo(), 0);
    }
    QCOMPARE(m_uzenetek.size(), 1); // the cutter question, answered yes
    a.close();

    TNyomtato g;
    QVERIFY(NyomtatoBetolt(1, g));
    QCOMPARE(g.nyomtato_nev, m_sor);
    QCOMPARE(g.nyomtipus, 0);
    QCOMPARE(g.betutipus, QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(g.betumeret, 12);
    QCOMPARE(g.szeles, 40); // the defaults accepted
    QCOMPARE(g.extrasor, 5);
    QCOMPARE(g.kodlapkonv, -1);
    QCOMPARE(g.marka, -1);
    QVERIFY(g.kodlapkonv_nev.isEmpty() && g.marka_nev.isEmpty());
    QCOMPARE(g.nyomtipus_nev, NyomtipusNevek().at(0));

    TNyomtato r;
    QVERIFY(NyomtatoBetolt(2, r));
    QCOMPARE(r.nyomtato_nev, m_sor);
    QCOMPARE(r.nyomtipus, 1);
    QCOMPARE(r.kodlapkonv, 1);
    QCOMPARE(r.marka, 0);
    QCOMPARE(r.szeles, 42);
    QCOMPARE(r.extrasor, 4);
    QVERIFY(r.cutter);
    QVERIFY(r.betutipus.isEmpty());

    // And the receipt on it, directly.
    const NyomtatasEredmeny e = SzovegNyomtat(2, {QStringLiteral("Köszönjük!")}, true);
    QVERIFY2(!e.hiba, e.hiba ? qPrintable(e.hiba->uzenet()) : "");
    const QByteArray vart = SzovegesAdat(r, {QStringLiteral("Köszönjük!")});
    QVERIFY(vart.startsWith(QByteArray::fromHex("1B1D74051B4D0D0A") + "K\x94sz\x94nj\x81k!\r\n"));
    QCOMPARE(kimenetVar(vart.size()), vart);
}

void TestRawNyomtatas::ujGrafikusFontMegsem()
{
    // Cancelling the font dialog leaves no new row.
    QFile::remove(NyomtatoFajl());
    Tfrm_NyomBeall a;
    a.betolt();
    a.show();
    DialogusVezerlo v({radio(NyomtipusNevek().at(0)), radio(m_sor),
                       [](QWidget* w) {
                           QVERIFY(qobject_cast<QFontDialog*>(w));
                           QMetaObject::invokeMethod(w, "reject");
                       }},
                      &a);
    a.aUj->trigger();
    QCOMPARE(v.hatralevo(), 0);
    QCOMPARE(a.lista().darab(), 0);
    a.close();
    QVERIFY(NyomtatoListaOlvas(NyomtatoFajl()).isEmpty());
}

QTEST_MAIN(TestRawNyomtatas)
#include "test_rawnyomtatas.moc"
