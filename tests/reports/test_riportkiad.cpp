// Where the report family's laid-out reports go (the printer of profile 1,
// the preview first when asked, the preview when the printer is missing or
// fails), the preview window with its PDF button, printing on an unknown
// printer, and the frame of the text lists.

#include "Beall.h"
#include "Mappak.h"
#include "Nyomtato.h"
#include "RiportKiad.h"
#include "RiportNyomtat.h"
#include "Uzenetek.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace
{

RDokumentum dokumentum()
{
    RiportDef d(QStringLiteral("Forgalom tételenként"));
    d.reszlet = RSav(40, {RMezo(0, 0, 300, 40, QStringLiteral("nev")),
                          RMezo(300, 0, 200, 40, QStringLiteral("ar"), PenzKep).jobbra()});
    d.osszesito = RSav(
        40,
        {RKif(0, 0, 500, 40, QStringLiteral("'Összesen: '+FORMATNUMERIC('### ### ##0',SUM(ar))"))});
    RAdat a;
    a.oszlopok = {QStringLiteral("nev"), QStringLiteral("ar")};
    a.sorok = {{QStringLiteral("Vágás"), 3000.0}, {QStringLiteral("Festés"), 8000.0}};
    return RiportKeszit(d, a);
}

TNyomtato profil1(const QString& nev)
{
    TNyomtato ny;
    ny.nyomtato = 1;
    ny.nyomtato_nev = nev;
    ny.szeles = 40;
    return ny;
}

} // namespace

class TestRiportKiad : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_celok; // printer names, "" for the preview
    bool m_sikeres = true;
    QList<UzenetAdat> m_uzenetek;

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void kiad_data();
    void kiad();
    void elonezetAblak();
    void ismeretlenNyomtato();
    void szovegLista();
};

void TestRiportKiad::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile ini(m_dir.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_dir.path());
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestRiportKiad::cleanupTestCase()
{
    RiportCel({});
    RiportNyomtatokBeallit({});
    UzenetElfogo({});
}

void TestRiportKiad::kiad_data()
{
    QTest::addColumn<QString>("nyomtato");
    QTest::addColumn<bool>("elobbKep");
    QTest::addColumn<bool>("sikeres");
    QTest::addColumn<QStringList>("celok");
    QTest::addColumn<int>("uzenetek");
    QTest::newRow("nyomtatóra") << QStringLiteral("Kassza") << false << true
                                << QStringList{QStringLiteral("Kassza")} << 0;
    QTest::newRow("előbb nyomtatási kép")
        << QStringLiteral("Kassza") << true << true << QStringList{QString()} << 0;
    QTest::newRow("nincs telepítve")
        << QStringLiteral("Régi") << false << true << QStringList{QString()} << 0;
    QTest::newRow("nincs név") << QString() << false << true << QStringList{QString()} << 0;
    QTest::newRow("hibás nyomtatás") << QStringLiteral("Kassza") << false << false
                                     << QStringList{QStringLiteral("Kassza"), QString()} << 1;
}

void TestRiportKiad::kiad()
{
    QFETCH(QString, nyomtato);
    QFETCH(bool, elobbKep);
    QFETCH(bool, sikeres);
    QFETCH(QStringList, celok);
    QFETCH(int, uzenetek);
    NyomtatoListaIr(NyomtatoFajl(), {profil1(nyomtato)});
    RiportNyomtatokBeallit({QStringLiteral("Kassza")});
    m_celok.clear();
    m_uzenetek.clear();
    RiportCel([this, sikeres](const RDokumentum& doc, const QString& ny) {
        m_celok << ny;
        return ny.isEmpty() || sikeres;
    });
    Beall.elobbnyomkep = elobbKep;
    RiportKiad(dokumentum());
    QCOMPARE(m_celok, celok);
    QCOMPARE(m_uzenetek.size(), uzenetek);
    RiportCel({});
}

void TestRiportKiad::elonezetAblak()
{
    // Qt's preview with "PDF" beside printing, showing the document's pages.
    const RDokumentum doc = dokumentum();
    std::unique_ptr<QPrintPreviewDialog> ablak(RiportElonezetAblak(doc));
    QVERIFY(ablak->windowTitle().contains(QStringLiteral("Forgalom tételenként")));
    QAction* pdf = ablak->findChild<QAction*>(QStringLiteral("pdfMentes"));
    QVERIFY(pdf);
    QCOMPARE(pdf->text(), QStringLiteral("PDF"));
    QVERIFY(ablak->findChild<QToolBar*>()->actions().contains(pdf));
    ablak->show();
    QVERIFY(QTest::qWaitForWindowExposed(ablak.get()));
    const QString kep = qEnvironmentVariable("VEXLOF_PELDA_DIR");
    if (!kep.isEmpty())
        ablak->grab().save(kep + QStringLiteral("/elonezet.png"));
    ablak->close();
}

void TestRiportKiad::ismeretlenNyomtato()
{
    RiportNyomtatokBeallit({});
    QString hiba;
    QVERIFY(!RiportNyomtat(dokumentum(), QStringLiteral("Nincs ilyen nyomtató 42"), &hiba));
    QCOMPARE(hiba, QStringLiteral("Ismeretlen nyomtató: Nincs ilyen nyomtató 42"));
    QVERIFY(!RiportNyomtatoVan(QString()));
}

void TestRiportKiad::szovegLista()
{
    Beall = TBeall();
    Beall.tulajdonos = QStringLiteral("Szalon");
    NyomtatoListaIr(NyomtatoFajl(), {profil1(QStringLiteral("x"))});
    const QStringList l =
        SzovegLista(QStringLiteral("Cím"), {QStringLiteral("fej")},
                    {QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("össz")});
    const int fej = int(l.indexOf(QStringLiteral("fej")));
    QCOMPARE(l.at(fej - 2), QString(19, QLatin1Char(' ')) + QStringLiteral("Cím"));
    QCOMPARE(l.mid(fej, 4), (QStringList{QStringLiteral("fej"), QStringLiteral("a"),
                                         QStringLiteral("b"), QStringLiteral("össz")}));
    QCOMPARE(l.at(fej + 4), QString());
    QCOMPARE(l.at(fej + 6), QStringLiteral("Vexlo.F V18.0.0.333"));
    QCOMPARE(l.size(), fej + 11);
}

QTEST_MAIN(TestRiportKiad)
#include "test_riportkiad.moc"
