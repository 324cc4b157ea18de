// The user list and its editor (new, edit, delete, the editor's checks, sort
// by a title click, the record counter) and the login log list.

#include "AblakSeged.h"
#include "Azonositas.h"
#include "Beall.h"
#include "BelepesiNaplo.h"
#include "BlokkSzoveg.h"
#include "DbHiba.h"
#include "Felhasznalo.h"
#include "FelhasznaloAdat.h"
#include "FelhasznaloSzerkeszt.h"
#include "Idoszak.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "NyomtatKep.h"
#include "Seged.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"
#include "Uzenetek.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace
{

const QString AB = QStringLiteral("teszt_felhasznalo");

QString sor(const QString& kod)
{
    return SqlSzoveg(
        QStringLiteral("SELECT CONCAT_WS('|', felhasznalo, IFNULL(felhasznalo_nev,'-'),"
                       " IF(jelszo LIKE 'pbkdf2$%', 'hash', IFNULL(jelszo,'-')), rendszergazda, "
                       "torzsszerkeszt, napzar, nyomtathat,"
                       " bevetelezes, selejtezes, kiadas, kasszanez, kedvezmenytadhat)"
                       " FROM felhasznalo WHERE felhasznalo=") +
            SqlIdez(kod) + QLatin1Char(';'),
        QStringLiteral("<nincs>"));
}

QString taroltJelszo(const QString& kod)
{
    return SqlSzoveg(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo=") +
                         SqlIdez(kod) + QLatin1Char(';'),
                     QString());
}

int darab()
{
    return SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM felhasznalo;"), -1);
}

QStringList kodok(QTableView* g)
{
    QStringList l;
    for (int i = 0; i < g->model()->rowCount(); ++i)
        l << g->model()->index(i, 0).data().toString();
    return l;
}

} // namespace

class TestFelhasznalo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void lista();
    void ujFelhasznalo();
    void szerkesztoEllenorzes_data();
    void szerkesztoEllenorzes();
    void ujMegsemNemHagySort();
    void szerkesztes();
    void torles();
    void rendezes();

    void naploSorok_data();
    void naploSorok();
    void naploLista();
    void naploIdoszakElore();
    void naploElonezet();

private:
    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
    bool m_valasz = true;
};

void TestFelhasznalo::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_mappa.path());
    AlkalmazasStilus(*qApp);
    try {
        TesztAdatbazis::letrehoz(AB);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return m_valasz;
    });
}

void TestFelhasznalo::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestFelhasznalo::init()
{
    m_uzenetek.clear();
    m_valasz = true;
    SQL_OK(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo<>'rendszergazda';"));
    SQL_OK(QStringLiteral(
        "INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo, rendszergazda, "
        "torzsszerkeszt,"
        " napzar, nyomtathat, bevetelezes, kasszanez, selejtezes, kiadas, kedvezmenytadhat)"
        " VALUES ('anna', 'Zsófi Anna', 'a1', 'N','N','N','I','N','N','N','N','N'),"
        " ('csaba', 'Ábel Csaba', 'c1', 'N','I','N','N','N','I','I','N','I');"));
}

void TestFelhasznalo::lista()
{
    Tfrm_Felhasznalo w;
    QCOMPARE(w.objectName(), QStringLiteral("frm_Felhasznalo"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Felhasználók adatai"));
    QCOMPARE(kodok(w.grid()), (QStringList{"anna", "csaba", "rendszergazda"}));
    const QStringList cimek = {"kód",         "név",        "teljes jog",  "törzsszerkeszt",
                               "nap lezárás", "nyomtathat", "bevételezés", "kassza?"};
    for (int i = 0; i < cimek.size(); ++i)
        QCOMPARE(w.grid()->model()->headerData(i, Qt::Horizontal).toString(), cimek[i]);
    QCOMPARE(w.szamlalo(), RekordSzamlalo(3, 1));
    QCOMPARE(w.grid()->property("kiemeltOszlop").toInt(), 0);
    w.grid()->setCurrentIndex(w.grid()->model()->index(2, 1));
    QCOMPARE(w.szamlalo(), RekordSzamlalo(3, 3));
    QCOMPARE(w.aktualisKod(), QStringLiteral("rendszergazda"));
    QCOMPARE(w.aUj()->text(), QStringLiteral("Új Felhasználó"));
    QCOMPARE(w.aUj()->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(w.aSzerkeszt()->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w.aTorol()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QCOMPARE(w.aBezar()->shortcut(), QKeySequence(Qt::Key_Escape));

    w.resize(900, 300);
    QVERIFY(aktival(&w));
    // The text columns share what the flag columns leave: 40 % and 60 %.
    const int jelzo = w.grid()->columnWidth(2);
    QVERIFY(jelzo >= 77);
    const int marad = w.grid()->width() - 6 * jelzo - 40;
    QCOMPARE(w.grid()->columnWidth(0), marad * 40 / 100);
    QCOMPARE(w.grid()->columnWidth(1), marad * 60 / 100);
    // Every title fits.
    const QFontMetrics fm(w.grid()->horizontalHeader()->font());
    QVERIFY(fm.horizontalAdvance(QStringLiteral("törzsszerkeszt")) < jelzo);
    kepMent(&w, QStringLiteral("frm_Felhasznalo"));
}

void TestFelhasznalo::ujFelhasznalo()
{
    Tfrm_Felhasznalo w;
    QVERIFY(aktival(&w));
    modalban<Tfrm_FelhasznaloSzerkeszt>([](Tfrm_FelhasznaloSzerkeszt* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_FelhasznaloSzerkeszt"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Felhasználó adatainak szerkesztése"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->edtKod()));
        QVERIFY(d->edtKod()->font().bold());
        for (int i = 0; i < 9; ++i)
            QVERIFY(!d->jogDoboz(i)->isChecked());
        gepel(d->edtKod(), QStringLiteral("dóra"));
        QTest::keyClick(d->edtKod(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->edtNev()));
        gepel(d->edtNev(), QStringLiteral("Erdős Dóra"));
        d->jogDoboz(3)->setChecked(true); // Listákat nyomtathat
        d->jogDoboz(5)->setChecked(true); // Selejtezés
        d->jogDoboz(8)->setChecked(true); // Kedvezményt adhat
        gepel(d->edtJelszo(), QStringLiteral("Jó1"));
        gepel(d->edtJelszo2(), QStringLiteral("Jó1"));
        kepMent(d, QStringLiteral("frm_FelhasznaloSzerkeszt"));
        d->btnOK()->click();
    });
    w.aUj()->trigger();
    QVERIFY(m_uzenetek.isEmpty());
    // Only the hash of the password is stored.
    QCOMPARE(sor(QStringLiteral("dóra")), QStringLiteral("dóra|Erdős Dóra|hash|N|N|N|I|N|I|N|N|I"));
    QVERIFY(JelszoEgyezik(taroltJelszo(QStringLiteral("dóra")), QStringLiteral("Jó1")));
    QVERIFY(!JelszoEgyezik(taroltJelszo(QStringLiteral("dóra")), QStringLiteral("jó1")));
    QCOMPARE(w.aktualisKod(), QStringLiteral("dóra"));
    QCOMPARE(w.szamlalo(), RekordSzamlalo(4, 3));
}

void TestFelhasznalo::szerkesztoEllenorzes_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<QString>("jelszo2");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("no password") << "erik"
                                 << ""
                                 << ""
                                 << "Hiányos adat megadás";
    QTest::newRow("repeat differs") << "erik"
                                    << "abc"
                                    << "abC"
                                    << "Hibás jelszó megadás";
    QTest::newRow("repeat missing") << "erik"
                                    << "abc"
                                    << ""
                                    << "Hibás jelszó megadás";
    QTest::newRow("no code") << ""
                             << "abc"
                             << "abc"
                             << "Hiányos adat megadás\n";
    QTest::newRow("code taken") << "anna"
                                << "abc"
                                << "abc"
                                << "Hiányos adat megadás\n";
    QTest::newRow("code taken in other case") << "ANNA"
                                              << "abc"
                                              << "abc"
                                              << "Hiányos adat megadás\n";
}

void TestFelhasznalo::szerkesztoEllenorzes()
{
    QFETCH(QString, kod);
    QFETCH(QString, jelszo);
    QFETCH(QString, jelszo2);
    QFETCH(QString, uzenet);
    const int elotte = darab();
    Tfrm_FelhasznaloSzerkeszt d(FelhasznaloUj(), QString());
    QVERIFY(aktival(&d));
    d.edtKod()->setText(kod);
    d.edtJelszo()->setText(jelszo);
    d.edtJelszo2()->setText(jelszo2);
    d.btnOK()->click();
    // The editor stays open with an error.
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
    if (uzenet.endsWith(QLatin1Char('\n')))
        QVERIFY2(m_uzenetek[0].szoveg.startsWith(uzenet) &&
                     m_uzenetek[0].szoveg.size() > uzenet.size(),
                 qPrintable(m_uzenetek[0].szoveg));
    else
        QCOMPARE(m_uzenetek[0].szoveg, uzenet);
    QCOMPARE(darab(), elotte);
    QCOMPARE(sor(QStringLiteral("anna")), QStringLiteral("anna|Zsófi Anna|a1|N|N|N|I|N|N|N|N|N"));
}

void TestFelhasznalo::ujMegsemNemHagySort()
{
    Tfrm_Felhasznalo w;
    const int elotte = darab();
    modalban<Tfrm_FelhasznaloSzerkeszt>([](Tfrm_FelhasznaloSzerkeszt* d) {
        d->edtKod()->setText(QStringLiteral("ferenc"));
        d->edtJelszo()->setText(QStringLiteral("x"));
        QTest::keyClick(d->edtKod(), Qt::Key_Escape);
    });
    w.aUj()->trigger();
    QCOMPARE(darab(), elotte);
    QCOMPARE(kodok(w.grid()).size(), elotte);
}

void TestFelhasznalo::szerkesztes()
{
    Tfrm_Felhasznalo w;
    QVERIFY(aktival(&w));
    w.grid()->setCurrentIndex(w.grid()->model()->index(1, 0)); // csaba
    modalban<Tfrm_FelhasznaloSzerkeszt>([](Tfrm_FelhasznaloSzerkeszt* d) {
        QCOMPARE(d->edtKod()->text(), QStringLiteral("csaba"));
        QCOMPARE(d->edtNev()->text(), QStringLiteral("Ábel Csaba"));
        // The password is never read back: left empty, it stays.
        QVERIFY(d->edtJelszo()->text().isEmpty());
        QVERIFY(d->edtJelszo2()->text().isEmpty());
        QCOMPARE(d->edtJelszo()->placeholderText(), QStringLiteral("változatlan"));
        const bool vart[9] = {false, true, false, false, false, true, false, true, true};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(d->jogDoboz(i)->isChecked(), vart[i]);
        d->edtKod()->setText(QStringLiteral("csabi"));
        d->jogDoboz(0)->setChecked(true);
        d->jogDoboz(1)->setChecked(false);
        d->btnOK()->click();
    });
    // Enter in the grid edits the current row.
    QTest::keyClick(w.grid(), Qt::Key_Return);
    QCOMPARE(sor(QStringLiteral("csaba")), QStringLiteral("<nincs>"));
    QCOMPARE(sor(QStringLiteral("csabi")), QStringLiteral("csabi|Ábel Csaba|c1|I|N|N|N|N|I|N|I|I"));
    QCOMPARE(w.aktualisKod(), QStringLiteral("csabi"));

    // Cancelling an edit keeps the row.
    modalban<Tfrm_FelhasznaloSzerkeszt>([](Tfrm_FelhasznaloSzerkeszt* d) {
        d->edtNev()->setText(QStringLiteral("más"));
        d->btnMegsem()->click();
    });
    w.aSzerkeszt()->trigger();
    QCOMPARE(sor(QStringLiteral("csabi")), QStringLiteral("csabi|Ábel Csaba|c1|I|N|N|N|N|I|N|I|I"));

    // A new password is stored as its hash; a differing repeat is refused.
    modalban<Tfrm_FelhasznaloSzerkeszt>([this](Tfrm_FelhasznaloSzerkeszt* d) {
        d->edtJelszo()->setText(QStringLiteral("Új-jelszó2"));
        d->btnOK()->click();
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Hibás jelszó megadás"));
        d->edtJelszo2()->setText(QStringLiteral("Új-jelszó2"));
        d->btnOK()->click();
    });
    w.aSzerkeszt()->trigger();
    QCOMPARE(sor(QStringLiteral("csabi")),
             QStringLiteral("csabi|Ábel Csaba|hash|I|N|N|N|N|I|N|I|I"));
    QVERIFY(JelszoEgyezik(taroltJelszo(QStringLiteral("csabi")), QStringLiteral("Új-jelszó2")));
}

void TestFelhasznalo::torles()
{
    Tfrm_Felhasznalo w;
    w.grid()->setCurrentIndex(w.grid()->model()->index(0, 0)); // anna
    m_valasz = false;
    w.aTorol()->trigger();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Kerdes);
    QCOMPARE(m_uzenetek[0].felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Valóban töröljem a sort?"));
    QCOMPARE(sor(QStringLiteral("anna")).left(5), QStringLiteral("anna|"));

    m_valasz = true;
    w.aTorol()->trigger();
    QCOMPARE(sor(QStringLiteral("anna")), QStringLiteral("<nincs>"));
    QCOMPARE(kodok(w.grid()), (QStringList{"csaba", "rendszergazda"}));
    QCOMPARE(w.szamlalo(), RekordSzamlalo(2, 1));
}

void TestFelhasznalo::rendezes()
{
    Tfrm_Felhasznalo w;
    QVERIFY(aktival(&w));
    w.grid()->setCurrentIndex(w.grid()->model()->index(2, 0)); // rendszergazda
    // Names: "Rendszergazda", "Zsófi Anna", "Ábel Csaba": Á sorts with A.
    QTest::mouseClick(w.grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(w.grid()->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
    QCOMPARE(kodok(w.grid()), (QStringList{"csaba", "rendszergazda", "anna"}));
    QCOMPARE(w.grid()->property("kiemeltOszlop").toInt(), 1);
    // The same row stays current.
    QCOMPARE(w.aktualisKod(), QStringLiteral("rendszergazda"));
    QCOMPARE(w.szamlalo(), RekordSzamlalo(3, 2));
    kepMent(&w, QStringLiteral("frm_Felhasznalo_nev_szerint"));
}

void TestFelhasznalo::naploSorok_data()
{
    QTest::addColumn<QVariant>("datum");
    QTest::addColumn<QVariant>("ido");
    QTest::addColumn<QVariant>("kod");
    QTest::addColumn<QVariant>("nev");
    QTest::addColumn<QVariant>("sikeres");
    QTest::addColumn<QString>("vart");
    QTest::newRow("full") << QVariant(QDate(2024, 3, 5)) << QVariant(QTime(8, 7, 6))
                          << QVariant("anna") << QVariant("Zsófi") << QVariant("I")
                          << "2024.03.05. 08:07:06 anna  Zsófi      I";
    QTest::newRow("long code and name cut")
        << QVariant(QDate(2024, 12, 31)) << QVariant(QTime(23, 59, 59)) << QVariant("rendszergazda")
        << QVariant("Rendszergazda") << QVariant("N") << "2024.12.31. 23:59:59 rends Rendszerg  N";
    QTest::newRow("unknown user: no name")
        << QVariant(QDate(2024, 1, 2)) << QVariant(QTime(0, 0, 0)) << QVariant("x") << QVariant()
        << QVariant("N")
        << QStringLiteral("2024.01.02. 00:00:00 x") + QString(16, QLatin1Char(' ')) + "N";
    QTest::newRow("all NULL") << QVariant() << QVariant() << QVariant() << QVariant() << QVariant()
                              << QString(11 + 1 + 8 + 1 + 5 + 1 + 9 + 2 + 1, QLatin1Char(' '));
}

void TestFelhasznalo::naploSorok()
{
    QFETCH(QVariant, datum);
    QFETCH(QVariant, ido);
    QFETCH(QVariant, kod);
    QFETCH(QVariant, nev);
    QFETCH(QVariant, sikeres);
    QFETCH(QString, vart);
    QCOMPARE(BelepesiNaploSor(datum, ido, kod, nev, sikeres), vart);
}

void TestFelhasznalo::naploLista()
{
    SQL_OK(QStringLiteral("DELETE FROM naplo;"));
    SQL_OK(QStringLiteral("INSERT INTO naplo (felhasznalo, datum, ido, sikeres) VALUES"
                          " ('anna', '2024-03-05', '08:00:00', 'N'),"
                          " ('anna', '2024-03-05', '08:00:10', 'I'),"
                          " ('betörő', '2024-03-06', '22:15:00', 'N'),"
                          " ('csaba', '2024-03-31', '07:00:00', 'I')," // the last day counts
                          " ('csaba', '2024-04-01', '07:00:00', 'I')," // outside
                          " ('anna', '2024-02-29', '18:00:00', 'I'),"  // outside
                          " ('RENDSZERGAZDA', '2024-03-10', '09:30:00', 'N');"));
    const QStringList l = BelepesiNaploLista(QDate(2024, 3, 1), QDate(2024, 3, 31));

    QStringList vart;
    FejlecHozzaad(vart, QStringLiteral("Belépési napló"));
    vart << QString() << QStringLiteral("Dátum       Idő      Kód   Felhaszn  OK")
         << QStringLiteral("2024.03.05. 08:00:00 anna  Zsófi Ann  N")
         << QStringLiteral("2024.03.05. 08:00:10 anna  Zsófi Ann  I")
         << QStringLiteral("2024.03.06. 22:15:00 betör") + QString(12, QLatin1Char(' ')) + "N"
         << QStringLiteral("2024.03.31. 07:00:00 csaba Ábel Csab  I")
         // The name is found whatever the letter case of the typed code.
         << QStringLiteral("2024.03.10. 09:30:00 RENDS Rendszerg  N");
    QStringList lablec;
    LablecHozzaad(lablec);
    QCOMPARE(l.size(), vart.size() + lablec.size());
    QCOMPARE(l.mid(0, vart.size()), vart);
    // The footer carries the time of printing: compare its shape only.
    QCOMPARE(l.mid(vart.size()).last(), lablec.last());
}

void TestFelhasznalo::naploIdoszakElore()
{
    // The log asks for a period from one month before today to today;
    // cancelling it shows nothing.
    modalban<Tfrm_Idoszak>([](Tfrm_Idoszak* d) {
        QCOMPARE(d->tol(), EgyHonappalKorabban(QDate::currentDate()));
        QCOMPARE(d->ig(), QDate::currentDate());
        d->reject();
    });
    BelepesiNaplo();
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFelhasznalo::naploElonezet()
{
    // After the period the list goes to the receipt preview of printer 1.
    SQL_OK(QStringLiteral("DELETE FROM naplo;"));
    SQL_OK(QStringLiteral("INSERT INTO naplo (felhasznalo, datum, ido, sikeres)"
                          " VALUES ('anna', CURDATE(), '10:11:12', 'I');"));
    QString szoveg;
    modalban<Tfrm_Idoszak>([&szoveg](Tfrm_Idoszak* d) {
        modalban<Tfrm_NyomtatKep>([&szoveg](Tfrm_NyomtatKep* p) {
            szoveg = p->szoveg();
            p->reject();
        });
        QTest::keyClick(d->eAlso(), Qt::Key_Return, Qt::ControlModifier);
    });
    BelepesiNaplo();
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(szoveg.contains(QStringLiteral("Dátum       Idő      Kód   Felhaszn  OK")));
    QVERIFY(szoveg.contains(DatumFormat(QDate::currentDate(), QStringLiteral("yyyy.mm.dd.")) +
                            QStringLiteral(" 10:11:12 anna  Zsófi Ann  I")));
}

QTEST_MAIN(TestFelhasznalo)
#include "test_felhasznalo.moc"
