// The connection windows headless: the start-up choice, the first-run
// dialog, the "Tárhelyek" window with its entry dialog, backup, restore and
// full backup driven through the window, and the purge of old data.

#include "AdatbazisNyit.h"
#include "Adatbazisok.h"
#include "Adatbazisok_Szerkeszt.h"
#include "Ansi.h"
#include "Azonositas.h"
#include "Beall.h"
#include "Datumbe.h"
#include "DbHiba.h"
#include "IniAllomany.h"
#include "Init.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"
#include "TarhelyModel.h"
#include "TeljesMentes.h"
#include "TesztAdatbazis.h"
#include "Uzenetek.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace
{

const QString AB = QStringLiteral("teszt_dbablak");
const QString UJ_AB = QStringLiteral("teszt_dbablak_uj");

// Runs the steps on the modal dialog of type D as soon as its event loop
// runs; a dialog left open is cancelled after a while so that a failed
// check cannot hang the test.
template <class D> void modalban(std::function<void(D*)> lepesek)
{
    QTimer::singleShot(0, [lepesek] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        QTimer::singleShot(10000, [w] {
            if (auto* d = qobject_cast<QDialog*>(w.data()); d && d->isVisible())
                d->reject();
        });
        auto* d = qobject_cast<D*>(w.data());
        QVERIFY2(d, "the expected dialog is not the active modal window");
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        lepesek(d);
    });
}

void gepel(QWidget* w, const QString& szoveg)
{
    for (const QChar c : szoveg)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Counts how often a window of the given object name is shown.
class MutatasSzamlalo : public QObject
{
public:
    explicit MutatasSzamlalo(const QString& nev) : m_nev(nev) { qApp->installEventFilter(this); }
    int darab = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->objectName() == m_nev && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow())
            ++darab;
        return false;
    }

private:
    QString m_nev;
};

} // namespace

class TestAdatbazisAblakok : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void nyitEgyBejegyzesListaNelkul();
    void nyitEgyHibasBejegyzes();
    void nyitTobbBejegyzes();
    void initRendbenCsakTesztUtan();
    void initMegsemEsHibasPort();
    void tarhelyekKulcsokUjraIrasa();
    void tarhelyekTeszt();
    void tarhelyekUjSzerkesztTorol();
    void szerkesztoJelszoEsHibak();
    void jogokSzerintiAkciok();
    void mentesEsVisszaallitasAblakbol();
    void serultMentesAblakbol();
    void jeloletlenMentesFigyelmeztet();
    void mentesHelye();
    void semaAblakbol();
    void teljesMentesAblakbol();
    void regiAdatokTorlese();
    void kepernyokepek();

private:
    QString jo() const { return TesztAdatbazis::root(AB).szoveg(false); }
    QString rossz() const;
    void iniIr(const QList<QPair<int, QString>>& bejegyzesek);
    UzenetAdat utolso() const { return m_uzenetek.isEmpty() ? UzenetAdat{} : m_uzenetek.last(); }

    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
    bool m_valasz = true;
    QString m_fajl; // the file the injected file dialog answers with
    QList<QPair<bool, QString>> m_fajlKerdesek;
    QString m_szuro, m_javasolt; // of the last file question
};

QString TestAdatbazisAblakok::rossz() const
{
    KapcsolatAdat a = TesztAdatbazis::root(QStringLiteral("nincs_ilyen_db"));
    a.adatbazisnev = QStringLiteral("Rossz");
    return a.szoveg(false);
}

void TestAdatbazisAblakok::iniIr(const QList<QPair<int, QString>>& bejegyzesek)
{
    QFile::remove(IniFajl());
    IniAllomany ini(IniFajl());
    ini.ir(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret"), QStringLiteral("9"));
    for (const auto& b : bejegyzesek)
        ini.ir(QStringLiteral("Adatbazis"), QStringLiteral("ConStr") + QString::number(b.first),
               Kodol(b.second));
    ini.ment();
}

void TestAdatbazisAblakok::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_mappa.path());
    QCOMPARE(AdatMappa(), m_mappa.path());
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
    Tfrm_Adatbazis::fajlKerdesBeallit([this](QWidget*, bool mentes, const QString& cim,
                                             const QString& szuro, const QString& javasolt) {
        m_fajlKerdesek.append({mentes, cim});
        m_szuro = szuro;
        m_javasolt = javasolt;
        return m_fajl;
    });
}

void TestAdatbazisAblakok::cleanupTestCase()
{
    UzenetElfogo({});
    Tfrm_Adatbazis::fajlKerdesBeallit({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
    TesztAdatbazis::torol(UJ_AB);
}

void TestAdatbazisAblakok::init()
{
    m_uzenetek.clear();
    m_valasz = true;
    m_fajl.clear();
    m_fajlKerdesek.clear();
}

void TestAdatbazisAblakok::nyitEgyBejegyzesListaNelkul()
{
    MutatasSzamlalo szamlalo(QStringLiteral("frm_AdatbazisNyit"));
    QCOMPARE(AdatbazisValaszt({QStringLiteral("1; Teszt")}, {jo()},
                              QStringLiteral("Vexlo.F adatbázis választás")),
             0);
    QCOMPARE(szamlalo.darab, 0);
    QVERIFY(m_uzenetek.isEmpty());
}

void TestAdatbazisAblakok::nyitEgyHibasBejegyzes()
{
    // The failed entry is reported; the list then lets the operator give up.
    MutatasSzamlalo szamlalo(QStringLiteral("frm_AdatbazisNyit"));
    modalban<Tfrm_AdatbazisNyit>([](Tfrm_AdatbazisNyit* d) { d->reject(); });
    QCOMPARE(AdatbazisValaszt({QStringLiteral("3; Rossz")}, {rossz()}, QStringLiteral("Választás")),
             -1);
    QCOMPARE(szamlalo.darab, 1);
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(utolso().tipus, UzenetAdat::Hiba);
    QVERIFY2(utolso().szoveg.startsWith(QStringLiteral("Hiba: ")) &&
                 utolso().szoveg.contains(QStringLiteral("nincs_ilyen_db")),
             qPrintable(utolso().szoveg));
}

void TestAdatbazisAblakok::nyitTobbBejegyzes()
{
    const QStringList sorok{QStringLiteral("2; Rossz"), QStringLiteral("5; Szalon")};
    const QStringList kapcsolatok{rossz(), jo()};
    bool ellenorizve = false;
    modalban<Tfrm_AdatbazisNyit>([&](Tfrm_AdatbazisNyit* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Vexlo.F adatbázis választás"));
        QCOMPARE(d->lista()->count(), 2);
        QCOMPARE(d->lista()->currentRow(), 0);
        QVERIFY(d->lista()->font().bold());
        // OK on the failing entry: error box, the dialog stays.
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QVERIFY(utolso().szoveg.startsWith(QStringLiteral("Hiba: ")));
        // A double click on the good one opens it.
        d->lista()->setCurrentRow(1);
        Q_EMIT d->lista()->itemDoubleClicked(d->lista()->item(1));
        ellenorizve = true;
    });
    QCOMPARE(AdatbazisValaszt(sorok, kapcsolatok, QStringLiteral("Vexlo.F adatbázis választás")),
             1);
    QVERIFY(ellenorizve);

    modalban<Tfrm_AdatbazisNyit>([](Tfrm_AdatbazisNyit* d) {
        d->findChild<QPushButton*>(QStringLiteral("btnMegsem"))->click();
    });
    QCOMPARE(AdatbazisValaszt(sorok, kapcsolatok, QStringLiteral("x")), -1);
}

void TestAdatbazisAblakok::initRendbenCsakTesztUtan()
{
    iniIr({});
    Beall.ConStr.clear();
    const KapcsolatAdat a = TesztAdatbazis::root(AB);
    bool ellenorizve = false;
    modalban<Tfrm_Init>([&](Tfrm_Init* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Adatbázis beállítás"));
        QCOMPARE(d->ePort->text(), QStringLiteral("3306"));
        QCOMPARE(d->eJelszo->echoMode(), QLineEdit::Password);
        QVERIFY(!d->btnRendben->isEnabled());
        d->eKiszolgalo->setFocus();
        gepel(d->eKiszolgalo, a.kiszolgalo);
        d->eFelhasznalo->setText(a.felhasznalo);
        d->eAdatbazis->setText(QStringLiteral("nincs_ilyen_db"));
        d->eNev->clear();
        gepel(d->eNev, QStringLiteral("Szépség Szalon"));
        d->ePort->setText(QString::number(a.port));
        // Ctrl+Enter before a successful test does not close.
        QTest::keyClick(d->eKiszolgalo, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(d->isVisible());
        d->btnTeszt->click();
        QVERIFY(!d->btnRendben->isEnabled());
        QCOMPARE(m_uzenetek.size(), 1);
        QVERIFY2(utolso().szoveg.startsWith(QStringLiteral("Hiba: ")) &&
                     utolso().szoveg.contains(QStringLiteral("nincs_ilyen_db")),
                 qPrintable(utolso().szoveg));
        d->eAdatbazis->setText(a.adatbazis);
        d->btnTeszt->click();
        QVERIFY(d->btnRendben->isEnabled());
        QCOMPARE(QApplication::focusWidget(), d->btnRendben);
        // Changing a value asks for a new test.
        d->eJelszo->setFocus();
        gepel(d->eJelszo, QStringLiteral("x"));
        QVERIFY(!d->btnRendben->isEnabled());
        QTest::keyClick(d->eJelszo, Qt::Key_Backspace);
        d->btnTeszt->click();
        QVERIFY(d->btnRendben->isEnabled());
        // Ctrl+Enter in the host edit closes with OK.
        d->eKiszolgalo->setFocus();
        QTest::keyClick(d->eKiszolgalo, Qt::Key_Return, Qt::ControlModifier);
        ellenorizve = true;
    });
    QVERIFY(AdatbazisInit());
    QVERIFY(ellenorizve);
    const QString vart = a.adatbazis + QStringLiteral(";") + a.kiszolgalo + QStringLiteral(";") +
                         QString::number(a.port) + QStringLiteral(";root;;Szépség Szalon");
    QCOMPARE(Beall.ConStr, vart);
    const QString nyers =
        IniAllomany(IniFajl()).olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"));
    QCOMPARE(Dekodol(nyers), vart);
    const QList<KapcsolatBejegyzes> l = KapcsolatokOlvas(IniFajl());
    QCOMPARE(l.size(), 1);
    QCOMPARE(l.first().kulcs, 1);
}

void TestAdatbazisAblakok::initMegsemEsHibasPort()
{
    iniIr({});
    Beall.ConStr = QStringLiteral("marad");
    modalban<Tfrm_Init>([&](Tfrm_Init* d) {
        d->ePort->setText(QStringLiteral("33o6"));
        d->btnTeszt->click();
        QCOMPARE(m_uzenetek.size(), 1);
        QVERIFY(utolso().szoveg.contains(QStringLiteral("port")));
        QVERIFY(!d->btnRendben->isEnabled());
        d->ePort->setText(QStringLiteral("3306"));
        d->eJelszo->setText(QStringLiteral("a;b"));
        d->btnTeszt->click();
        QCOMPARE(m_uzenetek.size(), 2);
        QVERIFY(utolso().szoveg.contains(QStringLiteral("pontosvessző")));
        d->btnMegsem->click();
    });
    QVERIFY(!AdatbazisInit());
    QCOMPARE(Beall.ConStr, QStringLiteral("marad"));
    QVERIFY(KapcsolatokOlvas(IniFajl()).isEmpty());
}

void TestAdatbazisAblakok::tarhelyekKulcsokUjraIrasa()
{
    KapcsolatAdat b = TesztAdatbazis::root(AB);
    b.adatbazisnev = QStringLiteral("Árnyék");
    KapcsolatAdat c = TesztAdatbazis::root(QStringLiteral("masik"));
    c.adatbazisnev = QStringLiteral("Zsebkendő");
    c.jelszo = QStringLiteral("Ő'ű\"x");
    iniIr({{7, b.szoveg(true)}, {12, c.szoveg(false)}});
    {
        Tfrm_Adatbazis w(true, false);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tárhelyek"));
        QCOMPARE(w.model()->rowCount(), 2);
        // Sorted by display name.
        QCOMPARE(w.model()->sor(0).adat.adatbazisnev, QStringLiteral("Árnyék"));
        QCOMPARE(w.model()->sor(1).adat.jelszo, c.jelszo);
        QCOMPARE(w.aktualisSor(), 0);
        QCOMPARE(w.eMysqlDump->text(), TeljesMentes::alapEszkoz());
        QCOMPARE(w.racs()->property("kiemeltOszlop").toInt(), int(TarhelyModel::Nev));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // A click on a title re-sorts and marks that column; the current
        // entry stays current.
        w.aktualisBeallit(1);
        Q_EMIT w.racs()->horizontalHeader()->sectionClicked(TarhelyModel::Adatbazis);
        QCOMPARE(w.racs()->property("kiemeltOszlop").toInt(), int(TarhelyModel::Adatbazis));
        QCOMPARE(w.model()->sor(0).adat.adatbazis, QStringLiteral("masik"));
        QCOMPARE(w.model()->sor(w.aktualisSor()).adat.adatbazisnev, QStringLiteral("Zsebkendő"));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.valasztott(), QString());
    }
    // Rewritten under 1 and 2 in the list's current order.
    const IniAllomany ini(IniFajl());
    QCOMPARE(ini.kulcsok(QStringLiteral("Adatbazis")),
             (QStringList{QStringLiteral("ConStr1"), QStringLiteral("ConStr2")}));
    QCOMPARE(Dekodol(ini.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr1"))),
             c.szoveg(true));
    QCOMPARE(Dekodol(ini.olvas(QStringLiteral("Adatbazis"), QStringLiteral("ConStr2"))),
             b.szoveg(true));
    QCOMPARE(ini.olvas(QStringLiteral("frm_Adatbazis"), QStringLiteral("MysqlDump")),
             TeljesMentes::alapEszkoz());
    QCOMPARE(ini.olvas(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret")),
             QStringLiteral("9"));
}

void TestAdatbazisAblakok::tarhelyekTeszt()
{
    iniIr({{1, jo()}, {2, rossz()}});
    Tfrm_Adatbazis w(true, false);
    // Rows: "Rossz", "Teszt".
    QCOMPARE(w.model()->sor(1).adat.adatbazis, AB);
    w.aktualisBeallit(0);
    w.aTeszt->trigger();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(utolso().tipus, UzenetAdat::Hiba);
    QVERIFY2(utolso().szoveg.startsWith(QStringLiteral("Hiba: ")) &&
                 utolso().szoveg.contains(QStringLiteral("nincs_ilyen_db")),
             qPrintable(utolso().szoveg));
    QCOMPARE(w.model()->data(w.model()->index(0, TarhelyModel::Verzio)).toString(), QString());
    w.aktualisBeallit(1);
    w.aTeszt->trigger();
    QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
    QCOMPARE(utolso().szoveg, QStringLiteral("Kapcsolat vizsgálata sikeres"));
    QCOMPARE(w.model()->data(w.model()->index(1, TarhelyModel::Verzio)).toString(), ProgramVerzio);
    QCOMPARE(w.aTeszt->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    w.reject();
}

void TestAdatbazisAblakok::tarhelyekUjSzerkesztTorol()
{
    iniIr({{4, jo()}});
    Tfrm_Adatbazis w(true, false);
    // New entry: port preset, kept on OK.
    modalban<Tfrm_Adatbazis_Szerkeszt>([](Tfrm_Adatbazis_Szerkeszt* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Tárhely"));
        QCOMPARE(d->ePort->text(), QStringLiteral("3306"));
        d->eNev->setFocus();
        gepel(d->eNev, QStringLiteral("Ágnes Szalonja"));
        d->eKiszolgalo->setText(QStringLiteral("szerver"));
        d->eFelhasznalo->setText(QStringLiteral("ági"));
        d->eJelszo->setText(QStringLiteral("t'itok"));
        d->eAdatbazis->setText(QStringLiteral("agnes"));
        d->btnOK->click();
    });
    w.uj();
    QCOMPARE(w.model()->rowCount(), 2);
    QCOMPARE(w.aktualisSor(), 0); // "Ágnes..." sorts before "Teszt"
    QCOMPARE(w.model()->sor(0).adat.szoveg(false),
             QStringLiteral("agnes;szerver;3306;ági;t'itok;Ágnes Szalonja"));
    // Cancelled: nothing added.
    modalban<Tfrm_Adatbazis_Szerkeszt>([](Tfrm_Adatbazis_Szerkeszt* d) {
        d->eNev->setText(QStringLiteral("Eldobott"));
        d->btnMegsem->click();
    });
    w.aUj->trigger();
    QCOMPARE(w.model()->rowCount(), 2);
    // Edit with F2; Ctrl+Enter closes with OK.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.aktualisBeallit(0);
    modalban<Tfrm_Adatbazis_Szerkeszt>([](Tfrm_Adatbazis_Szerkeszt* d) {
        QCOMPARE(d->eNev->text(), QStringLiteral("Ágnes Szalonja"));
        d->eNev->setText(QStringLiteral("Zita"));
        d->ePort->setFocus();
        d->ePort->setText(QStringLiteral("3310"));
        QTest::keyClick(d->ePort, Qt::Key_Return, Qt::ControlModifier);
    });
    QTest::keyClick(w.racs(), Qt::Key_F2);
    QCOMPARE(w.model()->sor(1).adat.adatbazisnev, QStringLiteral("Zita"));
    QCOMPARE(w.model()->sor(1).adat.port, 3310);
    QCOMPARE(w.aktualisSor(), 1);
    // Delete: "No" keeps the row, "Yes" removes it.
    m_valasz = false;
    w.aTorol->trigger();
    QCOMPARE(utolso().tipus, UzenetAdat::Kerdes);
    QCOMPARE(utolso().felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(utolso().szoveg, QStringLiteral("Valóban töröljem az adatbázist a listából?"));
    QCOMPARE(w.model()->rowCount(), 2);
    m_valasz = true;
    w.aTorol->trigger();
    QCOMPARE(w.model()->rowCount(), 1);
    QCOMPARE(w.model()->sor(0).adat.adatbazis, AB);
    w.reject();
    const QList<KapcsolatBejegyzes> l = KapcsolatokOlvas(IniFajl());
    QCOMPARE(l.size(), 1);
    QCOMPARE(l.first().kulcs, 1);
}

void TestAdatbazisAblakok::szerkesztoJelszoEsHibak()
{
    KapcsolatAdat a = TesztAdatbazis::root(AB);
    a.jelszo = QStringLiteral("titok");
    Tfrm_Adatbazis_Szerkeszt d(a);
    QCOMPARE(d.eJelszo->echoMode(), QLineEdit::Password);
    d.btnMutat->click();
    QCOMPARE(d.eJelszo->echoMode(), QLineEdit::Normal);
    d.btnMutat->click();
    QCOMPARE(d.eJelszo->echoMode(), QLineEdit::Password);
    QCOMPARE(d.adat().szoveg(false), a.szoveg(false));

    d.show();
    d.eJelszo->setText(QStringLiteral("ti;tok"));
    d.btnOK->click();
    QVERIFY(d.isVisible());
    QVERIFY(utolso().szoveg.startsWith(QStringLiteral("Hiányos, vagy hibás adatmegadás")));
    QVERIFY(utolso().szoveg.contains(QStringLiteral("pontosvessző")));
    d.eJelszo->setText(QStringLiteral("titok"));
    d.ePort->setText(QStringLiteral("nem szám"));
    d.btnOK->click();
    QVERIFY(d.isVisible());
    QCOMPARE(m_uzenetek.size(), 2);
    d.ePort->setText(QStringLiteral("3307"));
    d.btnOK->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.adat().port, 3307);
}

void TestAdatbazisAblakok::jogokSzerintiAkciok()
{
    iniIr({{1, jo()}, {2, rossz()}});
    {
        Tfrm_Adatbazis w(false, false);
        QVERIFY(!w.aSzerkeszt->isVisible());
        QVERIFY(!w.aTorol->isVisible());
        QVERIFY(!w.aValaszt->isVisible());
        QVERIFY(w.aUj->isVisible());
        QCOMPARE(w.aUj->shortcut(), QKeySequence(Qt::Key_Insert));
        QCOMPARE(w.aTorol->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(w.aBackup->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(w.aRestore->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(w.aMySQLDump->shortcut(), QKeySequence(Qt::Key_F6));
        w.szerkeszt(); // nothing opens
        w.torol();
        QCOMPARE(w.model()->rowCount(), 2);
        QVERIFY(m_uzenetek.isEmpty());
        // Ctrl+Enter closes as "Bezár" does.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(w.racs(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.valasztott(), QString());
    }
    // With choosing allowed, Ctrl+Enter chooses the current entry.
    Tfrm_Adatbazis w(true, true);
    QVERIFY(w.aValaszt->isVisible());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.aktualisBeallit(1);
    QTest::keyClick(w.racs(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(w.valasztott(), jo());
}

void TestAdatbazisAblakok::mentesEsVisszaallitasAblakbol()
{
    iniIr({{1, jo()}});
    SQL_OK(QStringLiteral("DELETE FROM ugyfel;"));
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel, ugyfel_nev, megjegyzes) VALUES (1, 'Őrház "
                          "Éva', 'O''Brien\\\\x');"));
    for (const QString& nev : {QStringLiteral("ablak.sql"), QStringLiteral("ablak.zip")}) {
        m_uzenetek.clear();
        Tfrm_Adatbazis w(true, false);
        QSignalSpy valtozott(&w, &Tfrm_Adatbazis::adatokValtoztak);
        m_fajl = m_mappa.filePath(nev);
        w.aBackup->trigger();
        QCOMPARE(m_szuro, QStringLiteral("SQL fájl (*.sql);;Tömörített SQL fájl (*.zip)"));
        QCOMPARE(m_fajlKerdesek.last(),
                 qMakePair(true, QStringLiteral("Biztonsági mentés készítés")));
        QVERIFY(QFile::exists(m_fajl));
        QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
        QVERIFY(!w.haladas->isVisible());
        SQL_OK(QStringLiteral("UPDATE ugyfel SET ugyfel_nev = 'elrontva';"));

        // "No" leaves the data alone.
        m_valasz = false;
        w.aRestore->trigger();
        QCOMPARE(m_fajlKerdesek.last(),
                 qMakePair(false, QStringLiteral("Adatbázis visszaállítás")));
        QCOMPARE(utolso().tipus, UzenetAdat::Kerdes);
        QCOMPARE(utolso().szoveg,
                 QStringLiteral("Az adatok betöltése előtt az eredeti adatok törlésre kerülnek.\r\n"
                                "Biztosan folytatod a 127.0.0.1: ") +
                     AB + QStringLiteral(" adatbázis felülírását?"));
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ugyfel_nev FROM ugyfel;"), QString()),
                 QStringLiteral("elrontva"));
        QCOMPARE(valtozott.count(), 0);

        m_valasz = true;
        w.aRestore->trigger();
        QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
        QCOMPARE(valtozott.count(), 1); // the main window reads everything again
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT ugyfel_nev FROM ugyfel;"), QString()),
                 QStringLiteral("Őrház Éva"));
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT megjegyzes FROM ugyfel;"), QString()),
                 QStringLiteral("O'Brien\\x"));
        QVERIFY(!w.haladas->isVisible());
        w.reject();
    }
    // A cancelled file choice does nothing.
    m_uzenetek.clear();
    m_fajl.clear();
    Tfrm_Adatbazis w(true, false);
    w.aRestore->trigger();
    w.aBackup->trigger();
    QVERIFY(m_uzenetek.isEmpty());
    w.reject();
}

void TestAdatbazisAblakok::serultMentesAblakbol()
{
    iniIr({{1, jo()}});
    const QString fajl = m_mappa.filePath(QStringLiteral("serult.sql"));
    {
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(AnsiBajtok(QStringLiteral("TRUNCATE ugyfel;\r\nINSERT IGNORE INTO ugyfel "
                                          "(ugyfel,ugyfel_nev) VALUES\r\n(5,'Félbe")));
    }
    const int elotte = SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ugyfel;"), -1);
    QVERIFY(elotte > 0);
    Tfrm_Adatbazis w(true, false);
    m_fajl = fajl;
    w.aRestore->trigger();
    // Refused before the question is asked.
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(utolso().tipus, UzenetAdat::Hiba);
    QVERIFY2(utolso().szoveg.startsWith(QStringLiteral("Hiba: A mentés hiányos vagy sérült")),
             qPrintable(utolso().szoveg));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ugyfel;"), -1), elotte);
    w.reject();
}

void TestAdatbazisAblakok::jeloletlenMentesFigyelmeztet()
{
    // A backup without the closing line (older versions, other tools): the
    // operator is told that its completeness cannot be checked first.
    iniIr({{1, jo()}});
    const QString fajl = m_mappa.filePath(QStringLiteral("regi.sql"));
    {
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(AnsiBajtok(QStringLiteral("TRUNCATE ugyfel;\r\nINSERT IGNORE INTO ugyfel "
                                          "(ugyfel,ugyfel_nev) VALUES\r\n(5,'Régi Éva');\r\n")));
    }
    Tfrm_Adatbazis w(true, false);
    QSignalSpy valtozott(&w, &Tfrm_Adatbazis::adatokValtoztak);
    m_fajl = fajl;
    m_valasz = false;
    w.aRestore->trigger();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(utolso().tipus, UzenetAdat::Kerdes);
    QCOMPARE(utolso().felirat, QStringLiteral("Figyelmeztetés"));
    QVERIFY2(utolso().szoveg.contains(QStringLiteral("nem ellenőrizhető")),
             qPrintable(utolso().szoveg));
    QVERIFY(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM ugyfel WHERE ugyfel_nev <> 'Régi Éva';"),
                     -1) > 0);
    QCOMPARE(valtozott.count(), 0);

    // Yes: then the usual question, then the load.
    m_uzenetek.clear();
    m_valasz = true;
    w.aRestore->trigger();
    QCOMPARE(m_uzenetek.size(), 3);
    QCOMPARE(m_uzenetek.at(1).felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT GROUP_CONCAT(ugyfel_nev) FROM ugyfel;"), QString()),
             QStringLiteral("Régi Éva"));
    QCOMPARE(valtozott.count(), 1);
    w.reject();
}

void TestAdatbazisAblakok::mentesHelye()
{
    // A user without a documents folder: the backup is offered in an
    // existing folder under an absolute name, and the folder used last is
    // offered next time.
    QTemporaryDir otthon;
    const QByteArray regiHome = qgetenv("HOME");
    const QByteArray regiXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", otthon.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", otthon.filePath(QStringLiteral(".config")).toLocal8Bit());
    iniIr({{1, jo()}});
    {
        Tfrm_Adatbazis w(true, false);
        m_fajl.clear();
        w.aBackup->trigger();
        const QFileInfo javasolt(m_javasolt);
        QVERIFY2(javasolt.isAbsolute(), qPrintable(m_javasolt));
        QVERIFY2(QFileInfo(javasolt.absolutePath()).isDir(), qPrintable(m_javasolt));
        QVERIFY(javasolt.fileName().startsWith(AB + QLatin1Char('-')));
        QVERIFY(javasolt.fileName().endsWith(QStringLiteral(".sql")));

        // A backup into another folder; that folder comes next, for the
        // restore as well.
        QDir(m_mappa.path()).mkpath(QStringLiteral("mentesek"));
        m_fajl = m_mappa.filePath(QStringLiteral("mentesek/elso.zip"));
        w.aBackup->trigger();
        QVERIFY(QFile::exists(m_fajl));
        m_fajl.clear();
        w.aBackup->trigger();
        QCOMPARE(QFileInfo(m_javasolt).absolutePath(),
                 m_mappa.filePath(QStringLiteral("mentesek")));
        w.aRestore->trigger();
        QCOMPARE(m_javasolt, m_mappa.filePath(QStringLiteral("mentesek")));
        // Nothing but the backup itself was created there.
        QCOMPARE(QDir(m_mappa.filePath(QStringLiteral("mentesek"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("elso.zip")});
        // The dump tool's caption.
        QVERIFY(w.pnlTeljes->findChildren<QLabel*>().size() > 0);
        bool felirat = false;
        for (QLabel* l : w.pnlTeljes->findChildren<QLabel*>())
            felirat = felirat || l->text() == QStringLiteral("mariadb-dump program helye");
        QVERIFY(felirat);
        w.reject();
    }
    qputenv("HOME", regiHome);
    if (regiXdg.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", regiXdg);
}

void TestAdatbazisAblakok::semaAblakbol()
{
    // A new database gets the schema through this window's restore.
    KapcsolatAdat uj = TesztAdatbazis::uresLetrehoz(UJ_AB);
    uj.adatbazisnev = QStringLiteral("Új szalon");
    iniIr({{1, uj.szoveg(false)}});
    Tfrm_Adatbazis w(true, false);
    m_fajl = TesztAdatbazis::schemaFajl();
    w.aRestore->trigger();
    QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
    w.aTeszt->trigger();
    QCOMPARE(w.model()->data(w.model()->index(0, TarhelyModel::Verzio)).toString(), ProgramVerzio);
    w.reject();

    Kapcsolat::foNyit(uj);
    const auto jog = Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
    Kapcsolat::foNyit(TesztAdatbazis::root(AB));
    QVERIFY(jog.has_value());
    QVERIFY(jog->rendszergazda);
}

void TestAdatbazisAblakok::teljesMentesAblakbol()
{
    if (TeljesMentes::alapEszkoz().isEmpty())
        QSKIP("no mariadb-dump or mysqldump on the PATH");
    iniIr({{1, jo()}});
    Tfrm_Adatbazis w(true, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.pnlTeljes->isVisible());
    QTest::keyClick(w.racs(), Qt::Key_F6);
    QVERIFY(w.pnlTeljes->isVisible());

    // A tool that is not there.
    w.eMysqlDump->setText(m_mappa.filePath(QStringLiteral("nincs-dump")));
    m_fajl = m_mappa.filePath(QStringLiteral("teljes.sql"));
    w.aTeljesMentes->trigger();
    QCOMPARE(utolso().tipus, UzenetAdat::Hiba);
    QVERIFY(utolso().szoveg.startsWith(QStringLiteral("Hiba: A mentőprogram nem található")));

    // The real one: the window goes on, the result is reported at the end.
    m_uzenetek.clear();
    w.eMysqlDump->setText(TeljesMentes::alapEszkoz());
    w.aTeljesMentes->trigger();
    QVERIFY(m_uzenetek.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!m_uzenetek.isEmpty(), 60000);
    QCOMPARE(utolso().tipus, UzenetAdat::Informacio);
    QVERIFY(utolso().szoveg.contains(QStringLiteral("elkészült")));
    QFile f(m_fajl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("CREATE DATABASE"));
    // Nothing of the run is left in the settings folder.
    QVERIFY(QDir(m_mappa.path())
                .entryList({QStringLiteral("*.cnf"), QStringLiteral("*.cmd")}, QDir::Files)
                .isEmpty());
    w.reject();
    QCOMPARE(
        IniAllomany(IniFajl()).olvas(QStringLiteral("frm_Adatbazis"), QStringLiteral("MysqlDump")),
        TeljesMentes::alapEszkoz());
}

void TestAdatbazisAblakok::regiAdatokTorlese()
{
    Jog.felhasznalo = QStringLiteral("rendszergazda");
    const QString naplo = QStringLiteral("SELECT COUNT(*) FROM naplozas;");
    const int elotte = SqlEgesz(naplo, -1);

    // Cancelled at the date.
    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) { d->reject(); });
    QVERIFY(!RegiAdatokTorlese());
    QCOMPARE(SqlEgesz(naplo, -1), elotte);
    QVERIFY2(m_uzenetek.isEmpty(), qPrintable(utolso().szoveg));

    // A later date than today is refused before anything is logged.
    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) {
        d->beallit(QDate::currentDate().addDays(1));
        d->accept();
    });
    RegiAdatokTorlese();
    QCOMPARE(utolso().szoveg, QStringLiteral("A dátum nem lehet későbbi a mai napnál."));
    QCOMPARE(SqlEgesz(naplo, -1), elotte);

    // "No" at the confirmation.
    m_valasz = false;
    QDate preset;
    modalban<Tfrm_Datumbe>([&preset](Tfrm_Datumbe* d) {
        preset = d->datum();
        d->accept();
    });
    RegiAdatokTorlese();
    QCOMPARE(preset, QDate::currentDate().addMonths(-3));
    QCOMPARE(utolso().tipus, UzenetAdat::Kerdes);
    QCOMPARE(utolso().szoveg,
             QStringLiteral(
                 "Valóban töröljem a régi adatokat?\r\nA művelet végleges törlést eredményez!"));
    QCOMPARE(SqlEgesz(naplo, -1), elotte);

    // "Yes": logged and purged.
    m_valasz = true;
    m_uzenetek.clear();
    modalban<Tfrm_Datumbe>([](Tfrm_Datumbe* d) { d->accept(); });
    QVERIFY(RegiAdatokTorlese()); // the caller reads everything again
    QCOMPARE(SqlEgesz(naplo, -1), elotte + 1);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT mit FROM naplozas ORDER BY naplozas DESC LIMIT 1;"),
                       QString()),
             QStringLiteral("Régi adatok törlése: ") +
                 SqlDatum(QDate::currentDate().addMonths(-3)));
    QCOMPARE(m_uzenetek.size(), 1); // the confirmation only
    QCOMPARE(utolso().tipus, UzenetAdat::Kerdes);
}

void TestAdatbazisAblakok::kepernyokepek()
{
    const QString hova = qEnvironmentVariable("VEXLOF_KEPEK");
    if (hova.isEmpty())
        QSKIP("set VEXLOF_KEPEK to a folder to save the screenshots");
    KapcsolatAdat b = TesztAdatbazis::root(AB);
    b.adatbazisnev = QStringLiteral("Szépség Szalon");
    KapcsolatAdat c = TesztAdatbazis::root(QStringLiteral("raktar"));
    c.adatbazisnev = QStringLiteral("Árnyék Raktár");
    iniIr({{1, b.szoveg(false)}, {2, c.szoveg(false)}});
    {
        Tfrm_Adatbazis w(true, true);
        w.resize(820, 380);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.aktualisBeallit(1);
        w.aTeszt->trigger();
        w.teljesPanel();
        w.haladas->setMaximum(10);
        w.haladas->setValue(4);
        w.haladas->show();
        QTest::qWait(50);
        QVERIFY(w.grab().save(hova + QStringLiteral("/tarhelyek.png")));
        w.reject();
    }
    {
        Tfrm_Adatbazis_Szerkeszt d(b);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.grab().save(hova + QStringLiteral("/tarhely.png")));
    }
    {
        Tfrm_Init d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.grab().save(hova + QStringLiteral("/init.png")));
    }
    {
        Tfrm_AdatbazisNyit d(
            {QStringLiteral("1; Szépség Szalon"), QStringLiteral("2; Árnyék Raktár")},
            {b.szoveg(false), c.szoveg(false)}, QStringLiteral("Vexlo.F adatbázis választás"));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.grab().save(hova + QStringLiteral("/adatbazisnyit.png")));
    }
}

QTEST_MAIN(TestAdatbazisAblakok)
#include "test_adatbazisablakok.moc"
