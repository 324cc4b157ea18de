// The item refresh window headless against the real server: a Windows-1250
// file loaded, its columns listed, imported with the result log; a faulty
// file refused with its line named and nothing changed; a download from a
// local HTTP server and a server error; the right it needs. Pictures of the
// window and of the export window go to VEXLOF_KEPEK.

#include "AblakSeged.h"
#include "Ansi.h"
#include "Beall.h"
#include "CikktorzsFrissit.h"
#include "DbHiba.h"
#include "Eredmeny.h"
#include "Hatarolt.h"
#include "HttpLetoltes.h"
#include "KozosDB.h"
#include "SqlMunka.h"
#include "TesztAdatbazis.h"
#include "TesztHttpSzerver.h"
#include "Uzenetek.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qsciscintilla.h>

namespace
{
const QString dbNev = QStringLiteral("teszt_cikkfrissit");

QStringList cikkek()
{
    QStringList ki;
    QSqlQuery q = SqlNyit(
        QStringLiteral("SELECT cikkszam, cikkszam_nev, ar FROM cikkszam ORDER BY cikkazon;"));
    while (q.next())
        ki.append(q.value(0).toString() + u'|' + q.value(1).toString() + u'|' +
                  q.value(2).toString());
    return ki;
}

void ir(const QString& fajl, const QByteArray& b)
{
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}
} // namespace

class TestCikktorzsFrissit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void jogNelkul();
    void betoltesEsImport();
    void hibasFajl();
    void letoltes();
    void exportAblak();

private:
    QList<UzenetAdat> m_uzenetek;
    QTemporaryDir m_mappa;
};

void TestCikktorzsFrissit::initTestCase()
{
    TesztAdatbazis::letrehoz(dbNev);
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek.append(u);
        return true;
    });
    Jog.torzsszerkeszt = true;
}

void TestCikktorzsFrissit::init()
{
    m_uzenetek.clear();
}

void TestCikktorzsFrissit::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(dbNev);
}

void TestCikktorzsFrissit::jogNelkul()
{
    Jog.torzsszerkeszt = false;
    CikktorzsFrissites();
    Jog.torzsszerkeszt = true;
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("Nincs jogosultság a művelethez."));
}

void TestCikktorzsFrissit::betoltesEsImport()
{
    SQL_OK(QStringLiteral("DELETE FROM cikkszam;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, ar) VALUES (1,'F01','Régi',1);"));
    const QString fajl = m_mappa.filePath(QStringLiteral("arlista.csv"));
    ir(fajl, AnsiBajtok(QStringLiteral("cikkszam;cikkszam_nev;ar;megjegyzés\r\n"
                                       "F01;Női hajvágás, szárítás;4500;x\r\n"
                                       "F02;Őszülés elleni festés;12000;\r\n")));
    Tfrm_CikktorzsFrissit ablak;
    QVERIFY(aktival(&ablak));
    QVERIFY(!ablak.letoltesAkcio()->isVisible()); // only for HTTP
    ablak.helyiFajl()->setText(fajl);
    QVERIFY(ablak.betolt(fajl));
    QVERIFY(ablak.szerkeszto()->text().contains(QStringLiteral("Őszülés elleni festés")));
    QCOMPARE(ablak.oszlopLista()->count(), 4);
    QCOMPARE(ablak.oszlopLista()->item(3)->text(), QStringLiteral("[megjegyzés]"));
    // The price column unticked: the prices stay.
    ablak.oszlopLista()->item(2)->setCheckState(Qt::Unchecked);
    kepMent(&ablak, QStringLiteral("cikktorzsfrissit_betoltes"));
    ablak.fulek()->setCurrentIndex(1);
    kepMent(&ablak, QStringLiteral("cikktorzsfrissit_file"));

    QStringList naplo;
    modalban<Tfrm_Eredmeny>([&](Tfrm_Eredmeny* e) {
        naplo = e->memo()->toPlainText().split(QLatin1Char('\n'));
        kepMent(e, QStringLiteral("cikktorzsfrissit_naplo"));
        e->accept();
    });
    QVERIFY(ablak.importal());
    QVERIFY(m_uzenetek.isEmpty());
    QCOMPARE(ablak.oszlopLista()->item(3)->checkState(), Qt::Unchecked); // not a column
    QCOMPARE(naplo.mid(1), (QStringList{QString(), QStringLiteral("Frissített cikkek száma: 1"),
                                        QStringLiteral("Új cikkek száma: 1"), QString(),
                                        QStringLiteral("Új cikkek:"), QString(),
                                        QStringLiteral("F02;Őszülés elleni festés")}));
    QCOMPARE(cikkek(), (QStringList{QStringLiteral("F01|Női hajvágás, szárítás|1"),
                                    QStringLiteral("F02|Őszülés elleni festés|0")}));

    // What the editor holds is imported: a line changed there.
    ablak.szerkeszto()->setText(
        ablak.szerkeszto()->text().replace(QStringLiteral("Női"), QStringLiteral("Férfi")));
    modalban<Tfrm_Eredmeny>([](Tfrm_Eredmeny* e) { e->accept(); });
    QVERIFY(ablak.importal());
    QCOMPARE(cikkek().first(), QStringLiteral("F01|Férfi hajvágás, szárítás|1"));
}

void TestCikktorzsFrissit::hibasFajl()
{
    const QStringList elotte = cikkek();
    const QString fajl = m_mappa.filePath(QStringLiteral("hibas.csv"));
    ir(fajl, QByteArray("cikkszam|ar\nF01|5\nF09|\"hat\n"));
    Tfrm_CikktorzsFrissit ablak;
    QVERIFY(ablak.betolt(fajl));
    QVERIFY(!ablak.importal());
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().tipus, UzenetAdat::Hiba);
    QVERIFY2(
        m_uzenetek.first().szoveg.startsWith(QStringLiteral("Lezáratlan idézőjel a(z) 3. sorban.")),
        qPrintable(m_uzenetek.first().szoveg));
    m_uzenetek.clear();
    ablak.szerkeszto()->setText(QStringLiteral("cikkszam|ar\nF01|5\nF09|hat\n"));
    QVERIFY(!ablak.importal());
    QVERIFY(m_uzenetek.first().szoveg.startsWith(
        QStringLiteral("3. sor, [ar] oszlop: „hat” nem szám.")));
    QCOMPARE(cikkek(), elotte);
}

void TestCikktorzsFrissit::letoltes()
{
    TesztSzerver szerver;
    szerver.torzs = QStringLiteral("cikkszam\tcikkszam_nev\nW1\tWebes ár\n").toUtf8();
    Tfrm_CikktorzsFrissit ablak;
    QVERIFY(aktival(&ablak));
    ablak.httpValasztas()->setChecked(true);
    QVERIFY(ablak.letoltesAkcio()->isVisible());
    ablak.link()->setText(szerver.cim().toString());
    const QString cel = m_mappa.filePath(QStringLiteral("letoltve.csv"));
    ablak.mentesHelye()->setText(cel);
    QVERIFY(ablak.letolt());
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("File letöltés kész."));
    QCOMPARE(ablak.helyiFajl()->text(), cel);
    QVERIFY(ablak.szerkeszto()->text().contains(QStringLiteral("Webes ár")));
    QCOMPARE(ablak.oszlopLista()->count(), 2);

    m_uzenetek.clear();
    szerver.allapot = 500;
    QVERIFY(!ablak.letolt());
    QCOMPARE(m_uzenetek.size(), 1);
    QVERIFY(m_uzenetek.first().szoveg.startsWith(LetoltesHibaElotag()));
    QVERIFY(ablak.szerkeszto()->text().contains(QStringLiteral("Webes ár")));

    // A silent server: "Megállít" ends the wait at once.
    m_uzenetek.clear();
    szerver.hallgat = true;
    QTimer::singleShot(300, &ablak, [&] { ablak.megallitGomb()->click(); });
    QElapsedTimer ora;
    ora.start();
    QVERIFY(!ablak.letolt());
    QVERIFY(ora.elapsed() < 5000);
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("A letöltés megszakítva."));
}

void TestCikktorzsFrissit::exportAblak()
{
    QSqlQueryModel m;
    m.setQuery(QStringLiteral("SELECT cikkszam, cikkszam_nev, ar FROM cikkszam ORDER BY cikkazon;"),
               Kapcsolat::fo());
    Tfrm_Hatarolt ablak(&m, OszlopFajtak(m.record()), m_mappa.filePath(QStringLiteral("ki.csv")));
    QVERIFY(aktival(&ablak));
    kepMent(&ablak, QStringLiteral("hatarolt"));
    ablak.mezoLista()->item(2)->setCheckState(Qt::Unchecked);
    ablak.hatarolo(3)->setChecked(true);
    QVERIFY(ablak.exportal());
    QCOMPARE(m_uzenetek.last().szoveg,
             m_mappa.filePath(QStringLiteral("ki.csv")) + QStringLiteral(" file kész."));
    QFile f(m_mappa.filePath(QStringLiteral("ki.csv")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(AnsiSzoveg(f.readAll()),
             QStringLiteral("cikkszam|cikkszam_nev|\r\nF01|Férfi hajvágás, szárítás\r\nF02|Őszülés "
                            "elleni festés\r\n"));
    m_uzenetek.clear();
    ablak.fajlMezo()->setText(m_mappa.filePath(QStringLiteral("ki.xml")));
    QVERIFY(!ablak.exportal());
    QCOMPARE(m_uzenetek.first().szoveg, QStringLiteral("Ebben a verzióban ez nem támogatott."));
    ablak.fajlMezo()->setText(m_mappa.filePath(QStringLiteral("ki.xls")));
    QVERIFY(ablak.exportal());
    QVERIFY(QFile::exists(m_mappa.filePath(QStringLiteral("ki.xlsx"))));
}

QTEST_MAIN(TestCikktorzsFrissit)
#include "test_cikktorzsfrissit.moc"
