// The main window's grids and controls on the demo salon: the drawing
// decisions, the formats of the models, the search box, focus moves, the
// mouse wheel, font sizes, the VAT-group panel, the status bar and the
// pop-up menus.

#include "AkcioTar.h"
#include "AppTeszt.h"
#include "AsztalModell.h"
#include "Beall.h"
#include "DbHiba.h"
#include "EloOszlop.h"
#include "GorgoSzuro.h"
#include "Kapcsolat.h"
#include "KeresoMezo.h"
#include "KozosDB.h"
#include "Logo.h"
#include "Main.h"
#include "PGepModell.h"
#include "RacsSzabalyok.h"
#include "RendelesModell.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace AppTeszt;

namespace
{

const QString db = QStringLiteral("teszt_app_racsok");

const QColor ablakSzin(Qt::white);

} // namespace

class TestRacsok : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void asztalSzin_data();
    void asztalSzin();
    void rendelesNevCella_data();
    void rendelesNevCella();
    void osszegBetu();
    void oszlopSzelessegek_data();
    void oszlopSzelessegek();
    void keresoTalalat_data();
    void keresoTalalat();
    void gorgoBillentyu();
    void logoHalvanyodas();

    void asztalLista();
    void rendelesSorok();
    void egeszMennyiseg();
    void keresoMezo();
    void keresoOBetu();
    void kovAblak();
    void gorgoLeptet();
    void betumeret();
    void pgepPanel();
    void statuszsor();
    void felugroMenuk();
    void frissitesUgyanazonAsztalon();
    void ulesPanel();

private:
    std::unique_ptr<ProgramMappa> m_mappa;
    std::unique_ptr<Tfrm_Main> m_ablak;
};

void TestRacsok::initTestCase()
{
    try {
        TesztAdatbazis::letrehoz(db, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestRacsok::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

void TestRacsok::init()
{
    const QString fv = QString::fromLatin1(QTest::currentTestFunction());
    // The pure decisions need no window.
    if (fv == QLatin1String("asztalSzin") || fv == QLatin1String("rendelesNevCella") ||
        fv == QLatin1String("osszegBetu") || fv == QLatin1String("oszlopSzelessegek") ||
        fv == QLatin1String("keresoTalalat") || fv == QLatin1String("gorgoBillentyu") ||
        fv == QLatin1String("logoHalvanyodas"))
        return;
    allapotTorles();
    m_mappa = std::make_unique<ProgramMappa>(QMap<int, QString>{{1, kapcsolat(db)}});
    m_ablak = std::make_unique<Tfrm_Main>(horgok());
    QVERIFY(m_ablak->indit());
    m_ablak->show();
    m_ablak->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_ablak.get()));
}

void TestRacsok::cleanup()
{
    m_ablak.reset();
    m_mappa.reset();
}

void TestRacsok::asztalSzin_data()
{
    QTest::addColumn<bool>("kijelolt");
    QTest::addColumn<QString>("foglalt");
    QTest::addColumn<QString>("mostfizet");
    QTest::addColumn<QColor>("szin");
    QTest::newRow("free") << false << "N"
                          << "N" << ablakSzin;
    QTest::newRow("occupied") << false << "I"
                              << "N" << QColor(255, 128, 128);
    QTest::newRow("pay now") << false << "N"
                             << "I" << QColor(150, 200, 237);
    QTest::newRow("occupied and pay now") << false << "I"
                                          << "I" << QColor(150, 200, 237);
    QTest::newRow("selected, occupied") << true << "I"
                                        << "I" << QColor(0, 128, 192);
    QTest::newRow("NULL flags") << false << QString() << QString() << ablakSzin;
    QTest::newRow("lower-case flag") << false << "i"
                                     << "N" << ablakSzin;
}

void TestRacsok::asztalSzin()
{
    QFETCH(bool, kijelolt);
    QFETCH(QString, foglalt);
    QFETCH(QString, mostfizet);
    QFETCH(QColor, szin);
    const QVariant f = foglalt.isNull() ? QVariant() : QVariant(foglalt);
    const QVariant m = mostfizet.isNull() ? QVariant() : QVariant(mostfizet);
    QCOMPARE(AsztalHatterSzin(kijelolt, f, m, ablakSzin), szin);
}

void TestRacsok::rendelesNevCella_data()
{
    QTest::addColumn<QVariant>("rendelesazon");
    QTest::addColumn<QVariant>("sor");
    QTest::addColumn<int>("tipus");
    QTest::newRow("item") << QVariant(12) << QVariant(QStringLiteral("a"))
                          << int(RendelesNevCella::Tetel);
    QTest::newRow("total") << QVariant(0) << QVariant(QStringLiteral("b"))
                           << int(RendelesNevCella::Osszesen);
    QTest::newRow("other kind") << QVariant(5) << QVariant(QStringLiteral("x"))
                                << int(RendelesNevCella::Osszesen);
    QTest::newRow("filler") << QVariant() << QVariant(QStringLiteral("c"))
                            << int(RendelesNevCella::Ures);
}

void TestRacsok::rendelesNevCella()
{
    QFETCH(QVariant, rendelesazon);
    QFETCH(QVariant, sor);
    QFETCH(int, tipus);
    QCOMPARE(int(RendelesNevTipus(rendelesazon, sor)), tipus);
}

void TestRacsok::osszegBetu()
{
    QFont f(QStringLiteral("Segoe UI"));
    f.setPixelSize(15);
    f.setBold(true);
    const QFont b = RendelesOsszegBetu(f, QStringLiteral("b"));
    QCOMPARE(b.pointSize(), 18);
    QVERIFY(b.bold());
    QCOMPARE(RendelesOsszegBetu(f, QStringLiteral("a")), f);
    QCOMPARE(RendelesOsszegBetu(f, QVariant()), f);
}

void TestRacsok::oszlopSzelessegek_data()
{
    QTest::addColumn<int>("szeles");
    QTest::addColumn<int>("asztal");
    QTest::addColumn<int>("kereso");
    QTest::addColumn<int>("nev");
    QTest::addColumn<int>("osszeg");
    QTest::newRow("design width") << 309 << 138 << 293 << 180 << 89;
    // (310 - 33) × 0.5 = 138.5 rounds to the even 138.
    QTest::newRow("half rounds to even") << 310 << 138 << 294 << 181 << 89;
    QTest::newRow("wide") << 640 << 304 << 624 << 402 << 198;
}

void TestRacsok::oszlopSzelessegek()
{
    QFETCH(int, szeles);
    QFETCH(int, asztal);
    QFETCH(int, kereso);
    QFETCH(int, nev);
    QFETCH(int, osszeg);
    QCOMPARE(AsztalOszlopSzelesseg(szeles), std::make_pair(asztal, asztal));
    QCOMPARE(KeresoSzelesseg(szeles), kereso);
    QCOMPARE(RendelesOszlopSzelesseg(szeles), std::make_pair(nev, osszeg));
}

void TestRacsok::keresoTalalat_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<int>("sor");
    const QStringList nevek{QStringLiteral("Balogh Réka"), QStringLiteral("Kovács Anna"),
                            QStringLiteral("Kovács Béla"), QStringLiteral("Őri Zsófia"),
                            QStringLiteral("001 Vendég")};
    QTest::newRow("lower case") << "kov" << 1;
    QTest::newRow("upper case") << "KOVÁCS B" << 2;
    QTest::newRow("accented lower case") << "őri" << 3;
    QTest::newRow("digits") << "00" << 4;
    QTest::newRow("no match") << "xyz" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestRacsok::keresoTalalat()
{
    QFETCH(QString, szoveg);
    QFETCH(int, sor);
    const QStringList nevek{QStringLiteral("Balogh Réka"), QStringLiteral("Kovács Anna"),
                            QStringLiteral("Kovács Béla"), QStringLiteral("Őri Zsófia"),
                            QStringLiteral("001 Vendég")};
    QCOMPARE(KeresoTalalat(nevek, szoveg), sor);
    QCOMPARE(KeresoBetu(QStringLiteral("ö")), QStringLiteral("0"));
    QCOMPARE(KeresoBetu(QStringLiteral("o")), QStringLiteral("o"));
}

void TestRacsok::gorgoBillentyu()
{
    QCOMPARE(GorgoSzuro::billentyu(120), int(Qt::Key_Up));
    QCOMPARE(GorgoSzuro::billentyu(-120), int(Qt::Key_Down));
    QCOMPARE(GorgoSzuro::billentyu(0), int(Qt::Key_Down));
}

void TestRacsok::logoHalvanyodas()
{
    QPointer<Tfrm_Logo> logo = new Tfrm_Logo;
    QCOMPARE(logo->size(), QSize(512, 512));
    QVERIFY(logo->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(logo->windowFlags() & Qt::WindowStaysOnTopHint);
    logo->show();
    QCOMPARE(logo->atlatszatlansag(), 255);
    // 255 down by 10 a tick: 35 after 22 ticks, closed at the 23rd.
    for (int i = 0; i < 22; ++i)
        logo->halvanyit();
    QCOMPARE(logo->atlatszatlansag(), 35);
    QVERIFY(logo->isVisible());
    logo->halvanyit();
    QVERIFY(!logo->isVisible());
    // It frees itself.
    QTRY_VERIFY(logo.isNull());
}

void TestRacsok::asztalLista()
{
    AsztalModell* m = m_ablak->asztalModell();
    QCOMPARE(m->rowCount(), 6);
    const QStringList nevek = m->nevek();
    QVERIFY(nevek.contains(QStringLiteral("Kovács Anna")));
    // Only the name and the total are shown.
    int lathato = 0;
    for (int c = 0; c < m->columnCount(); ++c)
        lathato += m_ablak->asztalRacs()->isColumnHidden(c) ? 0 : 1;
    QCOMPARE(lathato, 2);
    QVERIFY(!m_ablak->asztalRacs()->isColumnHidden(m->oszlop(QStringLiteral("osszar"))));
    const int kovacs = int(nevek.indexOf(QStringLiteral("Kovács Anna")));
    const QString osszeg = m->index(kovacs, m->oszlop(QStringLiteral("osszar"))).data().toString();
    QCOMPARE(osszeg,
             SzamFormat(SqlSzam(QStringLiteral(
                                    "SELECT osszar FROM vw_asztal WHERE asztal_nev='Kovács Anna';"),
                                -1),
                        QStringLiteral("### ### ##0")));
    QVERIFY(IgenE(m->mezo(kovacs, QStringLiteral("foglalt"))));
    QCOMPARE(m->headerData(m->oszlop(QStringLiteral("osszar")), Qt::Horizontal).toString(),
             QStringLiteral("Összesen"));
}

void TestRacsok::rendelesSorok()
{
    QVERIFY(m_ablak->asztalValaszt(
        SqlEgesz(QStringLiteral("SELECT asztal FROM asztal WHERE asztal_nev='Kovács Anna';"), 0)));
    RendelesModell* r = m_ablak->rendelesModell();
    QVERIFY(r->rowCount() >= 3);
    QCOMPARE(Szoveg(r->mezo(0, QStringLiteral("sor"))), QStringLiteral("a"));
    const int utolso = r->rowCount() - 1;
    QCOMPARE(Szoveg(r->mezo(utolso, QStringLiteral("sor"))), QStringLiteral("b"));
    QCOMPARE(RendelesNevTipus(r->mezo(utolso, QStringLiteral("rendelesazon")),
                              r->mezo(utolso, QStringLiteral("sor"))),
             RendelesNevCella::Osszesen);
    QCOMPARE(RendelesOsszegBetu(QFont(), r->mezo(utolso, QStringLiteral("sor"))).pointSize(), 18);
    QCOMPARE(r->index(utolso, r->oszlop(QStringLiteral("osszar"))).data().toString(),
             SzamFormat(SqlSzam(QStringLiteral(
                                    "SELECT osszar FROM vw_asztal WHERE asztal_nev='Kovács Anna';"),
                                -1),
                        Beall.PenzFormatum));
    // Another service point's bill replaces it.
    QVERIFY(m_ablak->asztalValaszt(
        SqlEgesz(QStringLiteral("SELECT asztal FROM vw_asztal WHERE foglalt='N' LIMIT 1;"), 0)));
    QCOMPARE(r->rowCount(), 0);
    QVERIFY(RendelesModell::sql(7).endsWith(QStringLiteral("\nWHERE (asztal=7)")));
}

void TestRacsok::egeszMennyiseg()
{
    const int asztal =
        SqlEgesz(QStringLiteral("SELECT asztal FROM vw_asztal WHERE foglalt='N' LIMIT 1;"), 0);
    SQL_OK(QStringLiteral("INSERT INTO rendelma (datum, muszak, asztal, cikkazon, db, ar) VALUES "
                          "(CURDATE(), 1, ") +
           QString::number(asztal) + QStringLiteral(", 1, 1.6, 1000), (CURDATE(), 1, ") +
           QString::number(asztal) + QStringLiteral(", 1, 2.5, 10);"));
    QVERIFY(m_ablak->asztalValaszt(asztal));
    m_ablak->RendelesFrissit();
    RendelesModell* r = m_ablak->rendelesModell();
    const int dbOszlop = r->oszlop(QStringLiteral("db"));
    QCOMPARE(r->index(0, dbOszlop).data().toString(), QStringLiteral("2"));
    QCOMPARE(r->index(1, dbOszlop).data().toString(), QStringLiteral("2"));
    QCOMPARE(r->index(0, r->oszlop(QStringLiteral("osszar"))).data().toString(),
             QStringLiteral("1 600"));
    SQL_OK(QStringLiteral("DELETE FROM rendelma WHERE asztal=") + QString::number(asztal) +
           QStringLiteral(" AND fizetve='N';"));
}

void TestRacsok::keresoMezo()
{
    KeresoMezo* k = m_ablak->kereso();
    QCOMPARE(k->count(), 6);
    k->setFocus();
    k->lineEdit()->clear();
    QTest::keyClicks(k->lineEdit(), "kov");
    QCOMPARE(m_ablak->asztalModell()->nev(m_ablak->asztalRacs()->currentIndex().row()),
             QStringLiteral("Kovács Anna"));
    QCOMPARE(m_ablak->eloOszlop()->asztal(), m_ablak->asztal());
    // No match keeps the selection.
    QTest::keyClicks(k->lineEdit(), "zz");
    QCOMPARE(m_ablak->asztalModell()->nev(m_ablak->asztalRacs()->currentIndex().row()),
             QStringLiteral("Kovács Anna"));
    QTest::keyClick(k->lineEdit(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), m_ablak->asztalRacs());
    // The window's shortcuts work from the search box, also those the line
    // edit would keep for itself.
    int torol = 0;
    m_ablak->akciok().kezelo(Parancs::RendelTorol, [&] { ++torol; });
    k->setFocus();
    k->lineEdit()->setCursorPosition(0);
    const QString elotte = k->lineEdit()->text();
    QTest::keyClick(k->lineEdit(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(torol, 1);
    QCOMPARE(k->lineEdit()->text(), elotte);
}

void TestRacsok::keresoOBetu()
{
    KeresoMezo* k = m_ablak->kereso();
    k->setFocus();
    k->lineEdit()->clear();
    QTest::sendKeyEvent(QTest::Click, k->lineEdit(), Qt::Key_unknown, QStringLiteral("ö"),
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, k->lineEdit(), Qt::Key_unknown, QStringLiteral("á"),
                        Qt::NoModifier);
    QCOMPARE(k->lineEdit()->text(), QStringLiteral("0á"));
}

void TestRacsok::kovAblak()
{
    m_ablak->asztalRacs()->setFocus();
    m_ablak->akcio(Parancs::KovAblak)->trigger();
    QVERIFY(m_ablak->kereso()->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == m_ablak->kereso());
    m_ablak->akcio(Parancs::KovAblak)->trigger();
    QCOMPARE(QApplication::focusWidget(), m_ablak->rendelesRacs());
    m_ablak->akcio(Parancs::KovAblak)->trigger();
    QCOMPARE(QApplication::focusWidget(), m_ablak->asztalRacs());
}

void TestRacsok::gorgoLeptet()
{
    QTableView* r = m_ablak->asztalRacs();
    r->setFocus();
    r->setCurrentIndex(
        r->model()->index(0, m_ablak->asztalModell()->oszlop(QStringLiteral("asztal_nev"))));
    const QPoint hely = r->viewport()->rect().center();
    QWheelEvent le(hely, r->viewport()->mapToGlobal(hely), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(r->viewport(), &le);
    QCOMPARE(r->currentIndex().row(), 1);
    QApplication::sendEvent(r->viewport(), &le);
    QCOMPARE(r->currentIndex().row(), 2);
    QWheelEvent fel(hely, r->viewport()->mapToGlobal(hely), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(r->viewport(), &fel);
    QCOMPARE(r->currentIndex().row(), 1);
    QCOMPARE(m_ablak->asztal(), m_ablak->asztalModell()->asztal(1));
}

void TestRacsok::betumeret()
{
    QCOMPARE(Beall.BetuMeret, 9);
    const QFont racsBetu = m_ablak->asztalRacs()->font();
    for (int i = 0; i < 3; ++i)
        m_ablak->akcio(Parancs::BetumeretNovel)->trigger();
    QCOMPARE(Beall.BetuMeret, 10);
    QCOMPARE(m_ablak->font().pointSize(), 10);
    QCOMPARE(m_ablak->asztalRacs()->font(), racsBetu);
    for (int i = 0; i < 4; ++i)
        m_ablak->akcio(Parancs::BetuCsokkent)->trigger();
    QCOMPARE(Beall.BetuMeret, 8);
    QCOMPARE(m_ablak->font().pointSize(), 8);
}

void TestRacsok::pgepPanel()
{
    const int asztal =
        SqlEgesz(QStringLiteral("SELECT asztal FROM asztal WHERE asztal_nev='Kovács Anna';"), 0);
    QVERIFY(m_ablak->pgepPanel()->isHidden());
    m_ablak->PGepMutat(asztal);
    QVERIFY(!m_ablak->pgepPanel()->isHidden());
    PGepModell* p = m_ablak->pgepModell();
    QVERIFY(p->rowCount() >= 2);
    QCOMPARE(Szoveg(p->mezo(p->rowCount() - 1, QStringLiteral("pgepgyujto"))),
             QStringLiteral("Össz:"));
    QCOMPARE(p->index(p->rowCount() - 1, p->oszlop(QStringLiteral("osszar"))).data().toString(),
             SzamFormat(SqlSzam(QStringLiteral("SELECT osszar FROM vw_asztal WHERE asztal=") +
                                    QString::number(asztal) + QLatin1Char(';'),
                                -1),
                        QStringLiteral("### ### ##0")));
    // Moving to another service point hides it.
    m_ablak->asztalRacs()->setCurrentIndex(m_ablak->asztalModell()->index(0, 1));
    m_ablak->asztalRacs()->setCurrentIndex(m_ablak->asztalModell()->index(1, 1));
    QVERIFY(m_ablak->pgepPanel()->isHidden());
    QVERIFY(!p->nyitva());
}

void TestRacsok::statuszsor()
{
    const int szelessegek[6] = {250, 77, 150, 250, 200, 50};
    for (int i = 0; i < 6; ++i)
        QVERIFY(m_ablak->statuszPanel(i)->width() >= szelessegek[i]);
    QVERIFY(m_ablak->statuszPanel(0)->alignment() & Qt::AlignHCenter);
    QCOMPARE(m_ablak->statuszPanel(2)->text(), QStringLiteral("Felhasználó: rendszergazda"));
    QStatusTipEvent tipp(m_ablak->akcio(Parancs::AsztalAtul)->statusTip());
    QApplication::sendEvent(m_ablak.get(), &tipp);
    QCOMPARE(m_ablak->statuszPanel(0)->text(), QStringLiteral("Vendég átül"));
    QStatusTipEvent ures{QString()};
    QApplication::sendEvent(m_ablak.get(), &ures);
    QVERIFY(m_ablak->statuszPanel(0)->text().isEmpty());
    // The panels stay visible.
    QVERIFY(m_ablak->statuszPanel(2)->isVisible());
}

void TestRacsok::felugroMenuk()
{
    auto feliratok = [](const QMenu* m) {
        QStringList l;
        for (const QAction* a : m->actions())
            l << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return l;
    };
    const QMenu* asztal = m_ablak->findChild<QMenu*>(QStringLiteral("AsztalMenu"));
    const QMenu* rendeles = m_ablak->findChild<QMenu*>(QStringLiteral("RendelesMenu"));
    QVERIFY(asztal && rendeles);
    QCOMPARE(feliratok(asztal),
             (QStringList{QStringLiteral("Fizet"), QStringLiteral("Hitelre"), QStringLiteral("-"),
                          QStringLiteral("Másik fodrász"), QStringLiteral("-"),
                          QStringLiteral("Kedv%!"), QStringLiteral("Szervizdíj!")}));
    QCOMPARE(
        feliratok(rendeles),
        (QStringList{QStringLiteral("Új rendelés"), QStringLiteral("Töröl"), QStringLiteral("-"),
                     QStringLiteral("Fizet"), QStringLiteral("Hitelre"), QStringLiteral("-"),
                     QStringLiteral("Kedv%!"), QStringLiteral("Szervizdíj!")}));
    QStringList nagy;
    for (const QAction* a : m_ablak->nagyEszkoztar()->actions())
        nagy << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(nagy, (QStringList{QStringLiteral("Új rendelés"), QStringLiteral("Töröl"),
                                QStringLiteral("-"), QStringLiteral("Kedv%!"),
                                QStringLiteral("Kedv.ebből"), QStringLiteral("Szervizdíj!"),
                                QStringLiteral("-"), QStringLiteral("Bónuszba"),
                                QStringLiteral("Bónuszból"), QStringLiteral("-"),
                                QStringLiteral("Fizet"), QStringLiteral("Hitelre"),
                                QStringLiteral("-"), QStringLiteral("Másik fodrász")}));
}

void TestRacsok::frissitesUgyanazonAsztalon()
{
    QVERIFY(m_ablak->asztalValaszt(m_ablak->asztalModell()->asztal(3)));
    const int asztal = m_ablak->asztal();
    SQL_OK(QStringLiteral("INSERT INTO rendelma (datum, muszak, asztal, cikkazon, db, ar) VALUES "
                          "(CURDATE(), 1, ") +
           QString::number(asztal) + QStringLiteral(", 1, 1, 700);"));
    m_ablak->FoglaltFrissit();
    QCOMPARE(m_ablak->asztal(), asztal);
    const int sor = m_ablak->asztalRacs()->currentIndex().row();
    QVERIFY(IgenE(m_ablak->asztalModell()->mezo(sor, QStringLiteral("foglalt"))));
    m_ablak->akcio(Parancs::Frissit)->trigger();
    QCOMPARE(m_ablak->asztal(), asztal);
    QVERIFY(m_ablak->rendelesModell()->rowCount() >= 3);
    SQL_OK(QStringLiteral("DELETE FROM rendelma WHERE asztal=") + QString::number(asztal) +
           QStringLiteral(" AND fizetve='N';"));
    m_ablak->FoglaltFrissit();
}

void TestRacsok::ulesPanel()
{
    QVERIFY(m_ablak->ulesPanel()->isHidden());
    m_ablak.reset();
    SQL_OK(QStringLiteral("UPDATE beallit SET vanbeleptetes='I';"));
    allapotTorles();
    m_ablak = std::make_unique<Tfrm_Main>(horgok());
    QVERIFY(m_ablak->indit());
    SQL_OK(QStringLiteral("UPDATE beallit SET vanbeleptetes='N';"));
    QVERIFY(!m_ablak->ulesPanel()->isHidden());
    AsztalModell* m = m_ablak->asztalModell();
    QVERIFY(!m_ablak->asztalRacs()->isColumnHidden(m->oszlop(QStringLiteral("leul"))));
    QVERIFY(m_ablak->asztalRacs()->isColumnHidden(m->oszlop(QStringLiteral("osszar"))));
}

QTEST_MAIN(TestRacsok)
#include "test_racsok.moc"
