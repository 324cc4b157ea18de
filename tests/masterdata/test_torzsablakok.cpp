// Every master list window through one table of cases (one row per window):
// new, cancelled new, edit, delete (refused while in use with the window's
// message), pick mode, type-to-search, sort by a column title, and the
// refusals without rights. Then what only some windows have: the recipe
// pane, the repayment and the ledger, the editors' length limits, a new
// service point's defaults and the placement window.

#include "AblakSeged.h"
#include "Beall.h"
#include "DbHiba.h"
#include "Inp.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"
#include "TorzsAsztal.h"
#include "TorzsCikkszam.h"
#include "TorzsGyujto.h"
#include "TorzsLeirasok.h"
#include "TorzsModell.h"
#include "TorzsSzerkeszt.h"
#include "TorzsTablak.h"
#include "TorzsUgyfel.h"
#include "Uzenetek.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

namespace
{

const QString AB = QStringLiteral("teszt_torzsablakok");

std::unique_ptr<TorzsLista> gyart(const QString& ablak)
{
    if (ablak == QLatin1String("mert"))
        return std::make_unique<Tfrm_TorzsMe>();
    if (ablak == QLatin1String("storno"))
        return std::make_unique<Tfrm_TorzsStorno>();
    if (ablak == QLatin1String("kategoria"))
        return std::make_unique<Tfrm_TorzsKategoria>();
    if (ablak == QLatin1String("cikkat"))
        return std::make_unique<Tfrm_TorzsCikkat>();
    if (ablak == QLatin1String("besorolas"))
        return std::make_unique<Tfrm_TorzsBesorolas>();
    if (ablak == QLatin1String("ugyfel"))
        return std::make_unique<Tfrm_TorzsUgyfel>(false);
    if (ablak == QLatin1String("gyujto"))
        return std::make_unique<Tfrm_TorzsGyujto>();
    if (ablak == QLatin1String("cikkszam"))
        return std::make_unique<Tfrm_TorzsCikkszam>();
    return std::make_unique<Tfrm_TorzsAsztal>();
}

QList<int> kulcsok(TorzsLista* w)
{
    QList<int> l;
    for (int i = 0; i < w->modell()->rowCount(); ++i)
        l << w->modell()->kulcs(i);
    return l;
}

int egesz(const QString& sql)
{
    return SqlEgesz(sql, -99);
}

// Types the values into the editor's fields and presses OK.
void kitolt(TorzsSzerkeszt* d, const QVariantMap& mezok)
{
    for (auto i = mezok.cbegin(); i != mezok.cend(); ++i) {
        QWidget* w = d->mezoVezerlo(i.key());
        QVERIFY2(w, qPrintable(i.key()));
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(i.value().toString());
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            c->setChecked(i.value().toString() == QLatin1String("I"));
    }
    d->okGomb()->click();
}

} // namespace

class TestTorzsAblakok : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void initTestCase_data();
    void cleanupTestCase();
    void init();

    void megjelenes();
    void uj();
    void ujMegsem();
    void szerkeszt();
    void torles();
    void valasztas();
    void kereses();
    void rendezes();
    void jogok();

    void recept();
    void cikkMasolat();
    void cikkSzerkesztoKotelezo();
    void torlesztes();
    void adossagLista();
    void hosszKorlat();
    void ujFodrasz();
    void elhelyezes();
    void nevesValasztok();
    void keszletLista();

private:
    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
};

void TestTorzsAblakok::initTestCase()
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
        return true;
    });
}

void TestTorzsAblakok::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestTorzsAblakok::initTestCase_data()
{
    QTest::addColumn<QString>("ablak");
    QTest::addColumn<QString>("felirat");
    QTest::addColumn<QVariantMap>("ujMezok");
    QTest::addColumn<int>("foglaltKulcs"); // in use: refused
    QTest::addColumn<QString>("foglaltUzenet");
    QTest::addColumn<int>("szabadKulcs");   // may be deleted
    QTest::addColumn<QString>("keresBetu"); // typed in the grid; empty: no search
    QTest::addColumn<int>("keresKulcs");
    QTest::addColumn<int>("rendezOszlop"); // -1: titles do not sort
    QTest::addColumn<int>("rendezElso");
    QTest::addColumn<QStringList>("jogUzenetek"); // new, edit, delete

    const QString p = QStringLiteral("Nincs jogosultság a művelethez.");
    const QString f = QStringLiteral("Nincs jogosultság a művelethez!");
    auto m = [](const char* mezo, const QString& nev) {
        return QVariantMap{{QLatin1String(mezo), nev}};
    };

    QTest::newRow("units") << "mert"
                           << "Mértékegységek" << m("mert_nev", "csomag") << 1
                           << "A mértékegység használatban van.\nF01: Hajfesték barna" << 3 << "Ó"
                           << 3 << -1 << 0 << QStringList{p, p, p};
    QTest::newRow("void reasons") << "storno"
                                  << "Sztornó okok" << m("storno_nev", "Árváltozás") << -1 << ""
                                  << 2 << "" << -1 << -1 << 0 << QStringList{f, f, f};
    QTest::newRow("stock holder categories")
        << "kategoria"
        << "Kategóriák" << m("kategoria_nev", "Ápolók") << 1
        << "A kategória használatban van.\nF01: Hajfesték barna" << 3 << "s" << 2 << -1 << 0
        << QStringList{p, f, p};
    QTest::newRow("item categories") << "cikkat"
                                     << "Rendelhető tétel kategóriák" << m("cikkat_nev", "Dauer")
                                     << 1 << "A kategória használatban van.\nV1: Hajvágás rövid"
                                     << 3 << "f" << 2 << 1 << 2 << QStringList{f, f, f};
    QTest::newRow("classifications") << "besorolas"
                                     << "Besorolások" << m("besorolas_nev", "Bérlet") << 1
                                     << "A besorolás használatban van.\nV1: Hajvágás rövid" << 3
                                     << "t" << 2 << -1 << 0 << QStringList{f, f, f};
    QTest::newRow("customers") << "ugyfel"
                               << "Ügyfelek" << m("ugyfel_nev", "Új Ügyfél") << 2
                               << "Az ügyfélnek tartozása van, nem törölhető." << 1 << "3" << 3 << 3
                               << 2 << QStringList{f, f, p};
    QTest::newRow("stock holders") << "gyujto"
                                   << "Alapanyagok - Raktári készletek"
                                   << QVariantMap{{"gyujto_kod", "S02"}, {"gyujto_nev", "Balzsam"}}
                                   << -1 << "" << 2 << "s" << 2 << 5 << 2 << QStringList{p, p, p};
    QTest::newRow("sale items") << "cikkszam"
                                << "Árlista"
                                << QVariantMap{{"cikkszam", "f9"},
                                               {"cikkszam_nev", "Festés hosszú"}}
                                << -1 << "" << 2 << "f" << 2 << 3 << 1 << QStringList{p, p, p};
    QTest::newRow("service points") << "asztal"
                                    << "Fodrászok" << m("asztal_nev", "Új fodrász") << 1
                                    << "Ezen az asztalon van fogyasztás, csak zárás után törölhető."
                                    << 3 << "é" << 2 << 1 << 2 << QStringList{p, p, p};
}

void TestTorzsAblakok::init()
{
    m_uzenetek.clear();
    Jog = TJog{};
    Jog.torzsszerkeszt = true;
    Jog.rendszergazda = true;
    Jog.felhasznalo = QStringLiteral("rendszergazda");
    Beall.mert = 1;
    Beall.afa1 = 27;
    for (const char* t :
         {"mert", "storno", "kategoria", "cikkat", "besorolas", "ugyfel", "ugyfel_ados", "gyujto",
          "cikkszam", "cikkgyujto", "asztal", "jutalek", "rendelma"})
        SQL_OK(QStringLiteral("DELETE FROM ") + QLatin1String(t) + QLatin1Char(';'));
    SQL_OK(QStringLiteral("INSERT INTO mert VALUES (1,'db'),(2,'liter'),(3,'óra');"));
    SQL_OK(QStringLiteral(
        "INSERT INTO storno VALUES (1,'Téves rögzítés'),(2,'Vendég visszaküldte');"));
    SQL_OK(QStringLiteral(
        "INSERT INTO kategoria VALUES (1,'Festékek'),(2,'Samponok'),(3,'Eszközök');"));
    SQL_OK(QStringLiteral("INSERT INTO cikkat VALUES "
                          "(1,'Vágás','N',0,0),(2,'Festés','I',3,10),(3,'Ápolás','N',0,0);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO besorolas VALUES (1,'Szolgáltatás'),(2,'Termék'),(3,'Egyéb');"));
    SQL_OK(QStringLiteral("INSERT INTO ugyfel (ugyfel,ugyfel_nev,telefon,osszeg,kedv) VALUES "
                          "(1,'Kovács Anna','301',0,5),(2,'Ötvös Béla','302',5000,0),(3,'Zsigmond "
                          "Éva','303',0.4,10);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO gyujto (gyujto,gyujto_kod,gyujto_nev,kategoria,mert,db,ar,kelldb,minkeszlet) "
        "VALUES (1,'F01','Hajfesték barna',1,1,5,1000,'I',1),(2,'S01','Sampon',2,2,-2,500,'I',1),"
        "(3,'K01','Kesztyű',0,1,0.5,20,'N',1);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO cikkszam (cikkazon,cikkszam,cikkszam_nev,ar,cikkat,besorolas,vankedv) VALUES "
        "(1,'V1','Hajvágás rövid',3000,1,1,'I'),(2,'F1','Festés',8000,2,2,'N'),"
        "(3,'A1','Arcmasszázs',4500,0,0,'I');"));
    SQL_OK(QStringLiteral("INSERT INTO cikkgyujto VALUES (2,1,0.5),(2,2,1);"));
    SQL_OK(QStringLiteral("INSERT INTO asztal (asztal,asztal_nev,arkat) VALUES "
                          "(1,'Anna',2),(2,'Éva',1),(3,'Zsófi',2);"));
    SQL_OK(QStringLiteral(
        "INSERT INTO rendelma (asztal,cikkazon,db,ar,fizetve) VALUES (1,1,1,3000,'I');"));
}

void TestTorzsAblakok::megjelenes()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(QString, felirat);
    auto w = gyart(ablak);
    QCOMPARE(w->windowTitle(), felirat);
    w->megnyit(-1);
    QCOMPARE(w->szamlalo(), RekordSzamlalo(w->modell()->rowCount(), 1));
    // The common actions with their captions and shortcuts.
    QCOMPARE(w->akcio(QStringLiteral("aUj"))->text(), QStringLiteral("Új sor"));
    QCOMPARE(w->akcio(QStringLiteral("aUj"))->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(w->akcio(QStringLiteral("aSzerkeszt"))->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w->akcio(QStringLiteral("aTorol"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QCOMPARE(w->akcio(QStringLiteral("aFrissit"))->shortcut(), QKeySequence(Qt::Key_F5));
    QVERIFY(!w->akcio(QStringLiteral("aElfogad"))->isVisible());
    // Every column has its title.
    for (int i = 0; i < w->modell()->columnCount(); ++i)
        QVERIFY(!w->modell()->headerData(i, Qt::Horizontal).toString().isEmpty());
}

void TestTorzsAblakok::uj()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(QVariantMap, ujMezok);
    auto w = gyart(ablak);
    w->megnyit(-1);
    const int elotte = w->modell()->rowCount();
    modalban<TorzsSzerkeszt>([ujMezok](TorzsSzerkeszt* d) { kitolt(d, ujMezok); });
    w->uj();
    QCOMPARE(m_uzenetek.size(), 0);
    QCOMPARE(w->modell()->rowCount(), elotte + 1);
    // The list moved to the new row.
    const TablaLeiras& l = w->leiras();
    const QString nevMezo = ujMezok.firstKey() == QLatin1String("cikkszam") ||
                                    ujMezok.firstKey() == QLatin1String("gyujto_kod")
                                ? ujMezok.lastKey()
                                : ujMezok.firstKey();
    QCOMPARE(w->aktualis(nevMezo).toString(), ujMezok.value(nevMezo).toString());
    QCOMPARE(egesz(QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4;")
                       .arg(l.kulcs, l.tabla, nevMezo, SqlIdez(ujMezok.value(nevMezo)))),
             w->aktualisKulcs());
    if (ablak == QLatin1String("cikkszam")) {
        // Code in upper case; the defaults of a new item.
        QCOMPARE(w->aktualis(QStringLiteral("cikkszam")).toString(), QStringLiteral("F9"));
        QCOMPARE(w->aktualis(QStringLiteral("vankedv")).toString(), QStringLiteral("I"));
        QCOMPARE(w->aktualis(QStringLiteral("aktiv")).toString(), QStringLiteral("I"));
        QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT_WS(',',mert,afakulcs,port1,szin) FROM "
                                          "cikkszam WHERE cikkazon=4;"),
                           {}),
                 QStringLiteral("1,27,0,0"));
        QCOMPARE(w->aktualisKulcs(), 4);
    } else if (ablak == QLatin1String("gyujto")) {
        QCOMPARE(w->aktualis(QStringLiteral("kelldb")).toString(), QStringLiteral("I"));
        QCOMPARE(w->aktualis(QStringLiteral("minkeszlet")).toDouble(), 1.0);
        QVERIFY(w->osszesito().startsWith(QStringLiteral("Összesen 4 tétel.")));
    } else if (ablak == QLatin1String("ugyfel")) {
        QCOMPARE(w->aktualisKulcs(), 4);
        QCOMPARE(w->modell()->index(w->grid()->currentIndex().row(), 0).data().toString(),
                 QStringLiteral("00000004"));
    } else if (ablak == QLatin1String("besorolas")) {
        // A 0 % commission row for every service point.
        QCOMPARE(
            egesz(QStringLiteral("SELECT COUNT(*) FROM jutalek WHERE besorolas=%1 AND szazalek=0;")
                      .arg(w->aktualisKulcs())),
            3);
    }
}

void TestTorzsAblakok::ujMegsem()
{
    QFETCH_GLOBAL(QString, ablak);
    auto w = gyart(ablak);
    w->megnyit(-1);
    const int elotte = w->modell()->rowCount();
    modalban<TorzsSzerkeszt>([](TorzsSzerkeszt* d) { QTest::keyClick(d, Qt::Key_Escape); });
    w->uj();
    QCOMPARE(w->modell()->rowCount(), elotte);
    QCOMPARE(egesz(QStringLiteral("SELECT COUNT(*) FROM ") + w->leiras().tabla + QLatin1Char(';')),
             elotte);
}

void TestTorzsAblakok::szerkeszt()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(int, szabadKulcs);
    auto w = gyart(ablak);
    const TablaLeiras& l = w->leiras();
    w->megnyit(szabadKulcs);
    QCOMPARE(w->aktualisKulcs(), szabadKulcs);
    const QString mezo = l.nevMezo;
    modalban<TorzsSzerkeszt>([mezo](TorzsSzerkeszt* d) {
        auto* e = qobject_cast<QLineEdit*>(d->mezoVezerlo(mezo));
        QVERIFY(e);
        QVERIFY(!e->text().isEmpty()); // the row was read
        kitolt(d, {{mezo, QStringLiteral("Módosított")}});
    });
    w->szerkeszt();
    QCOMPARE(m_uzenetek.size(), 0);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4;")
                           .arg(mezo, l.tabla, l.kulcs)
                           .arg(szabadKulcs),
                       {}),
             QStringLiteral("Módosított"));
    QCOMPARE(w->aktualisKulcs(), szabadKulcs);
}

void TestTorzsAblakok::torles()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(int, foglaltKulcs);
    QFETCH_GLOBAL(QString, foglaltUzenet);
    QFETCH_GLOBAL(int, szabadKulcs);
    auto w = gyart(ablak);
    const TablaLeiras& l = w->leiras();
    const QString darabSql =
        QStringLiteral("SELECT COUNT(*) FROM ") + l.tabla +
        (l.puhaTorles ? QStringLiteral(" WHERE torolve='N';") : QStringLiteral(";"));
    if (foglaltKulcs != -1) {
        w->megnyit(foglaltKulcs);
        const int elotte = egesz(darabSql);
        w->torol();
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
        QCOMPARE(m_uzenetek[0].szoveg, foglaltUzenet);
        QCOMPARE(egesz(darabSql), elotte);
        m_uzenetek.clear();
    }
    w->megnyit(szabadKulcs);
    const int elotte = w->modell()->rowCount();
    w->torol();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Kerdes);
    QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Valóban töröljem a sort?"));
    QCOMPARE(m_uzenetek[0].felirat, QStringLiteral("Megerősítés"));
    QCOMPARE(w->modell()->rowCount(), elotte - 1);
    QVERIFY(!kulcsok(w.get()).contains(szabadKulcs));
    const int marad = egesz(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2=%3;")
                                .arg(l.tabla, l.kulcs)
                                .arg(szabadKulcs));
    QCOMPARE(marad, l.puhaTorles ? 1 : 0);
    if (l.puhaTorles) {
        // Gone from every picker, kept for the history.
        auto p = gyart(ablak);
        p->valasztasBeallit(true);
        p->megnyit(szabadKulcs);
        QVERIFY(p->aktualisKulcs() != szabadKulcs);
        if (ablak == QLatin1String("cikkszam")) {
            bool listazva = false;
            for (const BekerulesSor& s : BekerulesAdatok())
                listazva |= s.kod == QLatin1String("F1");
            QVERIFY(listazva);
        }
    }
    if (ablak == QLatin1String("gyujto")) {
        // The unit the soft-deleted holder used may now go... once its other
        // holder is gone too; the category of the deleted holder is free.
        Tfrm_TorzsKategoria k;
        k.megnyit(2);
        m_uzenetek.clear();
        k.torol();
        QCOMPARE(m_uzenetek.last().tipus, UzenetAdat::Kerdes);
        QCOMPARE(egesz(QStringLiteral("SELECT COUNT(*) FROM kategoria WHERE kategoria=2;")), 0);
    }
}

void TestTorzsAblakok::valasztas()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(int, szabadKulcs);
    {
        auto w = gyart(ablak);
        modalban<TorzsLista>([](TorzsLista* d) {
            QVERIFY(d->akcio(QStringLiteral("aElfogad"))->isVisible());
            QTest::keyClick(d->grid(), Qt::Key_Return);
        });
        QCOMPARE(ListaValaszt(*w, szabadKulcs, true), szabadKulcs);
    }
    {
        auto w = gyart(ablak);
        modalban<TorzsLista>([](TorzsLista* d) { QTest::keyClick(d->grid(), Qt::Key_Escape); });
        QCOMPARE(ListaValaszt(*w, -1, true), -1);
    }
    {
        // -1 leaves the first row current; a double click picks it.
        auto w = gyart(ablak);
        int elso = -2;
        modalban<TorzsLista>([&elso](TorzsLista* d) {
            elso = d->aktualisKulcs();
            const QPoint p = d->grid()->visualRect(d->grid()->model()->index(0, 0)).center();
            QTest::mouseClick(d->grid()->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(d->grid()->viewport(), Qt::LeftButton, {}, p);
        });
        const int k = ListaValaszt(*w, -1, true);
        QCOMPARE(k, elso);
        QVERIFY(k >= 0);
    }
    {
        // Not picking: Enter does not close the window.
        auto w = gyart(ablak);
        modalban<TorzsLista>([](TorzsLista* d) {
            QTest::keyClick(d->grid(), Qt::Key_Return);
            QVERIFY(d->isVisible());
            d->reject();
        });
        QCOMPARE(ListaValaszt(*w, szabadKulcs, false), -1);
    }
}

void TestTorzsAblakok::kereses()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(QString, keresBetu);
    QFETCH_GLOBAL(int, keresKulcs);
    auto w = gyart(ablak);
    QVERIFY(aktival(w.get()));
    w->megnyit(-1);
    w->grid()->setFocus();
    gepel(w->grid(), keresBetu);
    if (keresBetu.isEmpty() || !w->kereso()->isVisible()) {
        QCOMPARE(w->kereso()->text(), QString());
        return;
    }
    QCOMPARE(w->kereso()->text(), keresBetu.toLower());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->kereso()));
    QCOMPARE(w->aktualisKulcs(), keresKulcs);
    // A text that matches nothing leaves the row (or, searching on the
    // server, shows no rows).
    gepel(w->kereso(), QStringLiteral("qqq"));
    if (w->leiras().keresoMezok.isEmpty())
        QCOMPARE(w->aktualisKulcs(), keresKulcs);
    else
        QCOMPARE(w->modell()->rowCount(), 0);
    // Enter takes the focus to the grid without picking.
    QTest::keyClick(w->kereso(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->grid()));
    QVERIFY(w->isVisible());
}

void TestTorzsAblakok::rendezes()
{
    QFETCH_GLOBAL(int, rendezOszlop);
    QFETCH_GLOBAL(int, rendezElso);
    QFETCH_GLOBAL(QString, ablak);
    if (rendezOszlop < 0)
        return;
    auto w = gyart(ablak);
    w->megnyit(-1);
    w->frissit(w->modell()->kulcs(1));
    const int aktualis = w->aktualisKulcs();
    w->rendez(rendezOszlop);
    QCOMPARE(w->keresoOszlop(), rendezOszlop);
    QCOMPARE(w->modell()->kulcs(0), rendezElso);
    // The row that was current stays current; the column is marked.
    QCOMPARE(w->aktualisKulcs(), aktualis);
    QCOMPARE(w->grid()->property("kiemeltOszlop").toInt(), rendezOszlop);
}

void TestTorzsAblakok::jogok()
{
    QFETCH_GLOBAL(QString, ablak);
    QFETCH_GLOBAL(QStringList, jogUzenetek);
    QFETCH_GLOBAL(int, szabadKulcs);
    Jog.torzsszerkeszt = false;
    Jog.rendszergazda = false;
    auto w = gyart(ablak);
    w->megnyit(szabadKulcs);
    const QString darab =
        QStringLiteral("SELECT COUNT(*) FROM ") + w->leiras().tabla + QLatin1Char(';');
    const int sorok = egesz(darab);
    w->uj();
    w->szerkeszt();
    w->torol();
    QCOMPARE(m_uzenetek.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_uzenetek[i].tipus, UzenetAdat::Hiba);
        QCOMPARE(m_uzenetek[i].szoveg, jogUzenetek[i]);
    }
    QCOMPARE(egesz(darab), sorok);
    // Item categories and classifications want the administrator right;
    // the others are open to a user who may edit master data.
    m_uzenetek.clear();
    Jog.torzsszerkeszt = true;
    if (w->leiras().jog == JogFajta::Rendszergazda) {
        w->uj();
        QCOMPARE(m_uzenetek.size(), 1);
    } else {
        modalban<TorzsSzerkeszt>([](TorzsSzerkeszt* d) { d->reject(); });
        w->uj();
        QCOMPARE(m_uzenetek.size(), 0);
    }
    // Picking needs no right.
    Jog.torzsszerkeszt = false;
    modalban<TorzsLista>([](TorzsLista* d) { QTest::keyClick(d->grid(), Qt::Key_Return); });
    auto p = gyart(ablak);
    QCOMPARE(ListaValaszt(*p, szabadKulcs, true), szabadKulcs);
}

void TestTorzsAblakok::recept()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("cikkszam"))
        QSKIP("item list only");
    Tfrm_TorzsCikkszam w;
    w.megnyit(2);
    // Festés: 0.5 of F01 at 1000 and 1 of S01 at 500.
    QCOMPARE(w.receptModell()->rowCount(), 2);
    QCOMPARE(w.receptTetelek(), QStringLiteral("2"));
    QCOMPARE(w.receptBekerules(), QStringLiteral("1 000"));
    // Items without discount are painted light red.
    const QModelIndex i = w.modell()->index(w.grid()->currentIndex().row(), 1);
    QCOMPARE(i.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 221, 221));

    // A new recipe line: the stock holder picker, then the quantity.
    modalban<Tfrm_TorzsGyujto>([](Tfrm_TorzsGyujto* g) {
        QVERIFY(g->akcio(QStringLiteral("aElfogad"))->isVisible());
        g->frissit(3);
        QTest::keyClick(g->grid(), Qt::Key_Return);
    });
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        d->szamSzerkeszto()->setText(QStringLiteral("4"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    w.receptUj();
    QCOMPARE(w.receptTetelek(), QStringLiteral("3"));
    QCOMPARE(w.receptBekerules(), QStringLiteral("1 080"));
    // The same holder again keeps its first quantity.
    modalban<Tfrm_TorzsGyujto>([](Tfrm_TorzsGyujto* g) {
        g->frissit(3);
        QTest::keyClick(g->grid(), Qt::Key_Return);
    });
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        d->szamSzerkeszto()->setText(QStringLiteral("9"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    w.receptUj();
    QCOMPARE(
        SqlSzam(QStringLiteral("SELECT db FROM cikkgyujto WHERE cikkazon=2 AND gyujto=3;"), -1),
        4.0);
    // Deleting the current recipe line after the confirmation.
    w.receptGrid()->setCurrentIndex(w.receptModell()->index(0, 0));
    const int gy = w.receptModell()->kulcs(0);
    w.receptTorol();
    QCOMPARE(egesz(QStringLiteral("SELECT COUNT(*) FROM cikkgyujto WHERE cikkazon=2 AND gyujto=%1;")
                       .arg(gy)),
             0);
    QCOMPARE(w.receptTetelek(), QStringLiteral("2"));
    // A soft-deleted holder stays in the recipes that use it.
    SQL_OK(QStringLiteral("UPDATE gyujto SET torolve='I';"));
    w.frissit();
    QCOMPARE(w.receptTetelek(), QStringLiteral("2"));

    // The cost calculation document.
    const QStringList b = BekerulesLista(false);
    QVERIFY(b.contains(QStringLiteral("kód   név               bekerülés eladás")));
    bool arcmasszazs = false;
    for (const QString& s : b)
        arcmasszazs |= s == QStringLiteral("A1    Arcmasszázs             0.0 4500.0");
    QVERIFY2(arcmasszazs, qPrintable(b.join(QLatin1Char('\n'))));

    w.resize(980, 620);
    w.show();
    QTest::qWait(20);
    kepMent(&w, QStringLiteral("frm_TorzsCikkszam"));
}

void TestTorzsAblakok::cikkMasolat()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("cikkszam"))
        QSKIP("item list only");
    Tfrm_TorzsCikkszam w;
    w.megnyit(2);
    modalban<QDialog>([](QDialog* d) {
        auto* e = d->findChild<QLineEdit*>();
        QVERIFY(e);
        QCOMPARE(e->text(), QStringLiteral("F1"));
        QCOMPARE(e->maxLength(), 15);
        e->setText(QStringLiteral("F1K"));
        QTest::keyClick(e, Qt::Key_Return);
        modalban<TorzsSzerkeszt>([](TorzsSzerkeszt* s) {
            QCOMPARE(qobject_cast<QLineEdit*>(s->mezoVezerlo(QStringLiteral("cikkszam")))->text(),
                     QStringLiteral("F1K"));
            kitolt(s, {{QStringLiteral("cikkszam_nev"), QStringLiteral("Festés kis adag")}});
        });
    });
    w.masol();
    QCOMPARE(w.aktualisKulcs(), 4);
    QCOMPARE(w.aktualis(QStringLiteral("cikkszam_nev")).toString(),
             QStringLiteral("Festés kis adag"));
    QCOMPARE(w.receptTetelek(), QStringLiteral("2"));
    QCOMPARE(m_uzenetek.last().szoveg, QStringLiteral("Állítsa be a gyűjtők mennyiségeit!"));
}

void TestTorzsAblakok::cikkSzerkesztoKotelezo()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("cikkszam"))
        QSKIP("item list only");
    // Missing code, then missing name: the dialog stays open each time.
    modalban<TorzsSzerkeszt>([this](TorzsSzerkeszt* d) {
        d->okGomb()->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.last().szoveg, QStringLiteral("Termék kódjának megadása kötelező."));
        qobject_cast<QLineEdit*>(d->mezoVezerlo(QStringLiteral("cikkszam")))
            ->setText(QStringLiteral("X"));
        d->okGomb()->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.last().szoveg, QStringLiteral("Termék nevének megadása kötelező."));
        // The ticket slots: "Nincs nyomtatás" only, stored as "0".
        kitolt(d, {{QStringLiteral("cikkszam_nev"), QStringLiteral("Próba")}});
    });
    const int k = CikkszamSzerkeszt(-1);
    QCOMPARE(
        SqlSzoveg(QStringLiteral(
                      "SELECT CONCAT(port1,port2,port3,port4) FROM cikkszam WHERE cikkazon=%1;")
                      .arg(k),
                  {}),
        QStringLiteral("0000"));
}

void TestTorzsAblakok::torlesztes()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("ugyfel"))
        QSKIP("customer list only");
    Tfrm_TorzsUgyfel w(false);
    w.megnyit(2);
    QVERIFY(w.akcio(QStringLiteral("aKifizet"))->isVisible());
    // A repayment of 0 is refused; the debt stays.
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Törlesztés"));
        d->szamSzerkeszto()->setText(QStringLiteral("0"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    w.torleszt();
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek[0].szoveg,
             QStringLiteral("Hiba: A törlesztés összege nullánál nagyobb kell legyen."));
    modalban<Tfrm_Inp>([](Tfrm_Inp* d) {
        d->szamSzerkeszto()->setText(QStringLiteral("3000"));
        QTest::keyClick(d->szamSzerkeszto(), Qt::Key_Return);
    });
    w.torleszt();
    QCOMPARE(w.aktualis(QStringLiteral("osszeg")).toDouble(), 2000.0);
    QCOMPARE(w.aktualisKulcs(), 2);
    // Opened for bonus, the debt actions are hidden.
    Tfrm_TorzsUgyfel b(true);
    QVERIFY(!b.akcio(QStringLiteral("aKifizet"))->isVisible());
    QVERIFY(!b.akcio(QStringLiteral("aLista"))->isEnabled());
}

void TestTorzsAblakok::adossagLista()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("ugyfel"))
        QSKIP("customer list only");
    SQL_OK(QStringLiteral("CALL sp_hitelad(5,'P',2,'Számla 5\\r\\nFestés       8 000',3000);"));
    UgyfelTorleszt(2, 3000);
    Tfrm_AdossagLista w(2);
    QCOMPARE(w.windowTitle(), QStringLiteral("Hitelek"));
    QCOMPARE(w.fejlec(), QStringLiteral("ügyfél: Ötvös Béla (302)|tartozás: 5 000"));
    QAbstractItemModel* m = w.grid()->model();
    QCOMPARE(m->rowCount(), 2);
    // Newest first: the repayment, green, 3000 under "csökkent".
    QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("M"));
    QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("3 000"));
    QCOMPARE(m->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(193, 255, 224));
    QVERIFY(!m->index(1, 0).data(Qt::BackgroundRole).isValid());
    w.grid()->setCurrentIndex(m->index(1, 0));
    QCOMPARE(w.findChild<QPlainTextEdit*>(QStringLiteral("memBlokk"))->toPlainText(),
             QStringLiteral("Számla 5\nFestés       8 000"));
    w.resize(820, 480);
    w.show();
    QTest::qWait(20);
    kepMent(&w, QStringLiteral("frm_AdossagLista"));
}

void TestTorzsAblakok::hosszKorlat()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("ugyfel"))
        QSKIP("customer editor only");
    modalban<TorzsSzerkeszt>([this](TorzsSzerkeszt* d) {
        auto* nev = qobject_cast<QLineEdit*>(d->mezoVezerlo(QStringLiteral("ugyfel_nev")));
        QCOMPARE(nev->maxLength(), 25);
        // The card number proposed before saving.
        QCOMPARE(qobject_cast<QLineEdit*>(d->mezoVezerlo(QStringLiteral("ugyfel")))->text(),
                 QStringLiteral("4"));
        nev->setText(QStringLiteral("Kis Péter"));
        // A remark longer than its 512 characters keeps the dialog open.
        qobject_cast<QPlainTextEdit*>(d->mezoVezerlo(QStringLiteral("megjegyzes")))
            ->setPlainText(QString(513, QLatin1Char('x')));
        d->okGomb()->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.last().szoveg,
                 QStringLiteral("Hiányos, vagy hibás adatmegadás\nA(z) \"megjegyzés\" mező "
                                "legfeljebb 512 karakter lehet (most 513)."));
        // A character the table cannot hold: the server's refusal, dialog open.
        qobject_cast<QPlainTextEdit*>(d->mezoVezerlo(QStringLiteral("megjegyzes")))
            ->setPlainText(QStringLiteral("€"));
        d->okGomb()->click();
        QVERIFY(d->isVisible());
        QVERIFY(m_uzenetek.last().szoveg.startsWith(
            QStringLiteral("Hiányos, vagy hibás adatmegadás\n")));
        qobject_cast<QPlainTextEdit*>(d->mezoVezerlo(QStringLiteral("megjegyzes")))
            ->setPlainText(QStringLiteral("Törzsvendég"));
        d->okGomb()->click();
    });
    QCOMPARE(UgyfelSzerkeszt(-1), 4);
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT megjegyzes FROM ugyfel WHERE ugyfel=4;"), {}),
             QStringLiteral("Törzsvendég"));
}

void TestTorzsAblakok::ujFodrasz()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("asztal"))
        QSKIP("service points only");
    Tfrm_TorzsAsztal w;
    w.megnyit(-1);
    modalban<TorzsSzerkeszt>([](TorzsSzerkeszt* d) {
        kitolt(d, {{QStringLiteral("asztal_nev"), QStringLiteral("Dóra")}});
    });
    w.uj();
    QCOMPARE(w.aktualisKulcs(), 4);
    QCOMPARE(
        SqlSzoveg(QStringLiteral(
                      "SELECT CONCAT_WS(',',l,t,w,h,arkat,mostfizet) FROM asztal WHERE asztal=4;"),
                  {}),
        QStringLiteral("20,12,200,100,1,N"));
    QCOMPARE(egesz(QStringLiteral("SELECT COUNT(*) FROM jutalek WHERE asztal=4 AND szazalek=0;")),
             3);
    // Price category through the radio group.
    modalban<TorzsSzerkeszt>([](TorzsSzerkeszt* d) {
        auto* g = d->findChild<QButtonGroup*>();
        QVERIFY(g);
        QVERIFY(g->button(0)->isChecked());
        g->button(2)->setChecked(true);
        d->okGomb()->click();
    });
    w.szerkeszt();
    QCOMPARE(egesz(QStringLiteral("SELECT arkat FROM asztal WHERE asztal=4;")), 3);
}

void TestTorzsAblakok::elhelyezes()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("asztal"))
        QSKIP("service points only");
    SQL_OK(QStringLiteral("UPDATE asztal SET l=10,t=10,w=200,h=100 WHERE asztal=2;"));
    modalban<Tfrm_Elhelyez>([](Tfrm_Elhelyez* d) {
        QLabel* p = d->panel(2);
        QVERIFY(p);
        QCOMPARE(p->text(), QStringLiteral("Éva"));
        QCOMPARE(d->fogantyu(2)->geometry(), QRect(190, 90, 10, 10));
        // Dragging the panel by 37 pixels: it lands on the grid of 10.
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(50, 50));
        QMouseEvent mozog(QEvent::MouseMove, QPointF(87, 52), p->mapToGlobal(QPointF(87, 52)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p, &mozog);
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(87, 52));
        QCOMPARE(p->pos(), QPoint(50, 10));
        // Sizing with the handle to 233 wide: 230, handle in the new corner.
        QLabel* f = d->fogantyu(2);
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent meret(QEvent::MouseMove, QPointF(38, 5), f->mapToGlobal(QPointF(38, 5)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &meret);
        QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(38, 5));
        QCOMPARE(p->size(), QSize(230, 100));
        QCOMPARE(f->pos(), QPoint(220, 90));
        d->close(); // the close box saves as well
    });
    Elhelyezes();
    QCOMPARE(
        SqlSzoveg(QStringLiteral("SELECT CONCAT_WS(',',l,t,w,h) FROM asztal WHERE asztal=2;"), {}),
        QStringLiteral("50,10,230,100"));
}

void TestTorzsAblakok::nevesValasztok()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("mert"))
        QSKIP("once");
    QString nev = QStringLiteral("változatlan");
    modalban<Tfrm_TorzsMe>([](Tfrm_TorzsMe* d) { QTest::keyClick(d->grid(), Qt::Key_Escape); });
    QCOMPARE(MertValasztNev(2, true, nev), -1);
    QCOMPARE(nev, QStringLiteral("változatlan"));
    modalban<Tfrm_TorzsMe>([](Tfrm_TorzsMe* d) { QTest::keyClick(d->grid(), Qt::Key_Return); });
    QCOMPARE(MertValasztNev(2, true, nev), 2);
    QCOMPARE(nev, QStringLiteral("liter"));
    double kedv = -1;
    modalban<Tfrm_TorzsUgyfel>([](Tfrm_TorzsUgyfel* d) {
        QVERIFY(!d->akcio(QStringLiteral("aKifizet"))->isVisible());
        QTest::keyClick(d->grid(), Qt::Key_Return);
    });
    QCOMPARE(UgyfelValasztKedv(3, true, kedv, nev), 3);
    QCOMPARE(kedv, 10.0);
    QCOMPARE(nev, QStringLiteral("Zsigmond Éva"));
    double ar = -1;
    modalban<Tfrm_TorzsGyujto>(
        [](Tfrm_TorzsGyujto* d) { QTest::keyClick(d->grid(), Qt::Key_Return); });
    QCOMPARE(GyujtoValasztAr(2, true, ar), 2);
    QCOMPARE(ar, 500.0);
}

void TestTorzsAblakok::keszletLista()
{
    QFETCH_GLOBAL(QString, ablak);
    if (ablak != QLatin1String("gyujto"))
        QSKIP("stock holders only");
    QStringList l = KeszletListaSorok(false);
    QVERIFY(l.contains(QStringLiteral("kód  név                    db   érték")));
    // By category name, then code: the uncategorised glove first.
    const int k = int(l.indexOf(QStringLiteral("K01  Kesztyű                 0.50    10.0")));
    const int f = int(l.indexOf(QStringLiteral("F01  Hajfesték barna         5.00  5000.0")));
    QVERIFY2(k >= 0 && f > k, qPrintable(l.join(QLatin1Char('\n'))));
    QVERIFY(l.contains(QStringLiteral("Össz érték: ") + JobbraIgazit(QStringLiteral("4010"), 26)));
    // An empty table: header, column line, a total of 0, footer.
    SQL_OK(QStringLiteral("DELETE FROM gyujto;"));
    l = KeszletListaSorok(false);
    QVERIFY(l.contains(QStringLiteral("Össz érték: ") + JobbraIgazit(QStringLiteral("0"), 26)));
    // The status bar totals ignore the search filter.
    SQL_OK(QStringLiteral("INSERT INTO gyujto (gyujto_kod,gyujto_nev,db,ar) VALUES "
                          "('A','Alma',2,100),('B','Körte',1,50);"));
    Tfrm_TorzsGyujto w;
    w.megnyit(-1);
    w.kereso()->setText(QStringLiteral("alma"));
    w.keres(QStringLiteral("alma"));
    QCOMPARE(w.modell()->rowCount(), 1);
    QCOMPARE(w.osszesito(), QStringLiteral("Összesen 2 tétel. Teljes érték: 250"));
    // Row colours: untracked blue, below the minimum green, below zero red.
    QCOMPARE(GyujtoSzin(QStringLiteral("N"), -5, 1), QColor(196, 224, 255));
    QCOMPARE(GyujtoSzin(QStringLiteral("I"), 0.5, 1), QColor(193, 255, 224));
    QCOMPARE(GyujtoSzin(QStringLiteral("I"), -2, 1), QColor(255, 221, 221));
    QVERIFY(!GyujtoSzin(QStringLiteral("I"), 3, 1).isValid());
}

QTEST_MAIN(TestTorzsAblakok)
#include "test_torzsablakok.moc"
