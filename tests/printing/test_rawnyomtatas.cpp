// The raw spooler path through a real CUPS raw queue: the private scheduler
// of the "cups" fixture writes every job's bytes to a file, which must hold
// exactly what was sent.

#include "BlokkSzoveg.h"
#include "Nyomtato.h"
#include "RawNyomtatas.h"
#include "SzovegNyomtat.h"
#include "Uzenetek.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

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
};

void TestRawNyomtatas::initTestCase()
{
    const QString dir = qEnvironmentVariable("VEXLOF_CUPS_DIR");
    if (dir.isEmpty())
        QSKIP("VEXLOF_CUPS_DIR is not set: run through ctest (fixture printing_cups_start)");
    if (QFile::exists(dir + QStringLiteral("/skip")))
        QSKIP(qPrintable(QStringLiteral("no private CUPS scheduler: ") + fajlSzoveg(dir + QStringLiteral("/skip"))));
    const QString szerver = fajlSzoveg(dir + QStringLiteral("/server"));
    m_sor = fajlSzoveg(dir + QStringLiteral("/queue"));
    QVERIFY2(!szerver.isEmpty() && !m_sor.isEmpty(), "the fixture left no server or queue");
    m_kimenet = dir + QStringLiteral("/out/") + m_sor + QStringLiteral(".bin");
    // Before the first CUPS call: the client library reads it once.
    qputenv("CUPS_SERVER", szerver.toUtf8());
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
    const QStringList sorok = {QStringLiteral("Árvíztűrő tükörfúrógép"), QString(), QStringLiteral("Fizetendő  1500")};
    QVERIFY(SzovegesNyomtat(ny, sorok));
    QVERIFY(m_uzenetek.isEmpty());
    const QByteArray vart = QByteArray::fromHex("1B1D74051B4D0D0A")
        + "\xB5rv\xA1zt\xFBr\x8B t\x81k\x94rf\xA3r\xA2g\x82p\r\n\r\nFizetend\x8B  1500\r\n"
        + " \r\n \r\n \r\n.\r\n" + QByteArray::fromHex("1B6430");
    QCOMPARE(SzovegesAdat(ny, sorok), vart);
    QCOMPARE(kimenetVar(vart.size()), vart);
}

void TestRawNyomtatas::telepitettNyomtatok()
{
    QVERIFY2(TelepitettNyomtatok().contains(m_sor), qPrintable(TelepitettNyomtatok().join(QLatin1Char(','))));
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
    QVERIFY(!SzovegesNyomtat(ny, {QStringLiteral("x")}));
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Hiba);
    QVERIFY(m_uzenetek.at(0).szoveg.startsWith(QStringLiteral("Hiba nyomtatás közben:\r\nnincs_ilyen_sor: ")));
    QVERIFY(!QFile::exists(m_kimenet));
}

QTEST_MAIN(TestRawNyomtatas)
#include "test_rawnyomtatas.moc"
