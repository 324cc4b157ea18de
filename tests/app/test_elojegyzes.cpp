// The reservation book against the real server: booking, the slots and
// colours of a booking, deleting it, a booked slot, the length buttons, and
// stepping between days and service points.

#include "AkcioTar.h"
#include "AppTeszt.h"
#include "DbHiba.h"
#include "EloModell.h"
#include "EloOszlop.h"
#include "Elojegyzes.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Main.h"
#include "RacsSzabalyok.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

using namespace AppTeszt;

namespace
{

const QString db = QStringLiteral("teszt_app_elojegyzes");

int sorokSzama(const QString& feltetel)
{
    return SqlEgesz(
        QStringLiteral("SELECT COUNT(*) FROM elojegyzes WHERE ") + feltetel + QLatin1Char(';'), -1);
}

} // namespace

class TestElojegyzes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void foglalasUtasitas();
    void masfelOraHaromSav();
    void masikMunkaallomasEgyidoben();
    void szinekAzonositoSzerint();
    void torlesMindenSavot();
    void foglaltIdopont();
    void ujSzabadSavra();
    void hosszGombok_data();
    void hosszGombok();
    void parbeszedNegyedOra();
    void parbeszedNullaHossz();
    void parbeszedSzovegek();
    void holnapMasikFodrasz();
    void fejlecSzoveg();

private:
    std::unique_ptr<ProgramMappa> m_mappa;
    std::unique_ptr<Tfrm_Main> m_ablak;
    std::unique_ptr<Uzenetek> m_uzenetek;
    EloOszlop* oszlop() const { return m_ablak->eloOszlop(); }
};

void TestElojegyzes::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    try {
        TesztAdatbazis::letrehoz(db, false);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestElojegyzes::cleanupTestCase()
{
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

void TestElojegyzes::init()
{
    allapotTorles();
    Kapcsolat::foNyit(TesztAdatbazis::root(db));
    SQL_OK(QStringLiteral("DELETE FROM elojegyzes;"));
    SQL_OK(QStringLiteral("DELETE FROM asztal;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO asztal (asztal, asztal_nev) VALUES (1, 'Kovács Anna'), (2, 'Szabó Éva');"));
    m_mappa = std::make_unique<ProgramMappa>(QMap<int, QString>{{1, kapcsolat(db)}});
    m_uzenetek = std::make_unique<Uzenetek>();
    m_ablak = std::make_unique<Tfrm_Main>(horgok());
    QVERIFY(m_ablak->indit());
    QVERIFY(m_ablak->asztalValaszt(1));
}

void TestElojegyzes::cleanup()
{
    m_ablak.reset();
    m_uzenetek.reset();
    m_mappa.reset();
}

void TestElojegyzes::foglalasUtasitas()
{
    QCOMPARE(EloUjSql(3, QDate(2024, 3, 5), 19, 3, QStringLiteral("Vágás"),
                      QStringLiteral("O'Hara Éva")),
             QStringLiteral("CALL sp_ujelojegyzes(3,'2024-03-05',19,3,'Vágás','O''Hara Éva');"));
}

void TestElojegyzes::masfelOraHaromSav()
{
    const QDate ma = QDate::currentDate();
    const int uj = EloMent(1, ma, 19, HosszFelorak(QStringLiteral("1,5")), QStringLiteral("Festés"),
                           QStringLiteral("Kiss Éva"));
    QVERIFY(uj > 0);
    QCOMPARE(sorokSzama(QStringLiteral("asztal=1")), 3);
    oszlop()->EloToltes(1, ma);
    EloModell* m = oszlop()->modell();
    QCOMPARE(m->rowCount(), 48);
    const int azon = m->azon(19);
    QVERIFY(azon != 0);
    for (int sor : {19, 20, 21}) {
        QCOMPARE(m->azon(sor), azon);
        QCOMPARE(Szoveg(m->mezo(sor, QStringLiteral("szoveg"))), QStringLiteral("Festés"));
        QCOMPARE(EloHatterSzin(false, m->mezo(sor, QStringLiteral("azon")), Qt::white),
                 EloSzin(azon));
    }
    QCOMPARE(m->ora2(19), QStringLiteral("09:30"));
    QCOMPARE(m->ora2(21), QStringLiteral("10:30"));
    QCOMPARE(m->azon(18), 0);
    QCOMPARE(m->azon(22), 0);
    QCOMPARE(EloHatterSzin(false, m->mezo(22, QStringLiteral("azon")), Qt::white),
             QColor(Qt::white));
    QCOMPARE(m->elojegyzes(21), uj);
}

void TestElojegyzes::masikMunkaallomasEgyidoben()
{
    // Another workstation books on its own connection all the while; every
    // key we get back must be a row of our own booking.
    std::atomic<bool> vege{false};
    std::atomic<int> masikFoglalas{0};
    QString masikHiba;
    const QDate kezdet(2030, 1, 1);
    std::thread masik([&] {
        const QString nev = QStringLiteral("elojegyzes_masik");
        try {
            QSqlDatabase mdb = Kapcsolat::nyit(TesztAdatbazis::root(db), nev);
            for (int i = 0; !vege; ++i) {
                EloMent(2, kezdet.addDays(i), 0, 1, QStringLiteral("Másik"),
                        QStringLiteral("Gép 2"), mdb);
                ++masikFoglalas;
            }
        } catch (const DbHiba& h) {
            masikHiba = h.uzenet();
        }
        Kapcsolat::bezar(nev);
    });
    QStringList rosszak;
    try {
        for (int i = 0; i < 150; ++i) {
            const QDate nap = kezdet.addDays(i);
            const int kulcs =
                EloMent(1, nap, 20, 2, QStringLiteral("Saját"), QStringLiteral("Gép 1"));
            const QString sor = SqlSzoveg(
                QStringLiteral("SELECT CONCAT(asztal, ' ', datum, ' ', ora) FROM elojegyzes "
                               "WHERE elojegyzes = ") +
                    QString::number(kulcs) + QLatin1Char(';'),
                QStringLiteral("nincs"));
            const QString vart =
                QStringLiteral("1 ") + nap.toString(Qt::ISODate) + QStringLiteral(" 21");
            if (sor != vart)
                rosszak << vart + QStringLiteral(" -> ") + sor;
        }
    } catch (const DbHiba& h) {
        vege = true;
        masik.join();
        QFAIL(qPrintable(h.uzenet()));
    }
    vege = true;
    masik.join();
    QVERIFY2(masikHiba.isEmpty(), qPrintable(masikHiba));
    QVERIFY(masikFoglalas > 0);
    QVERIFY2(rosszak.isEmpty(), qPrintable(rosszak.join(QStringLiteral("; "))));
}

void TestElojegyzes::szinekAzonositoSzerint()
{
    QCOMPARE(EloSzin(5), QColor(255, 221, 221));
    QCOMPARE(EloSzin(1), QColor(193, 255, 224));
    QCOMPARE(EloSzin(2), QColor(255, 210, 255));
    QCOMPARE(EloSzin(3), QColor(196, 224, 255));
    QCOMPARE(EloSzin(4), QColor(233, 233, 233));
    QCOMPARE(EloSzin(7), EloSzin(12));
    for (int i = 1; i < 10; ++i)
        QVERIFY(EloSzin(i) != EloSzin(i + 1));
    QCOMPARE(EloHatterSzin(true, 3, Qt::white), QColor(0, 128, 192));
    QCOMPARE(EloHatterSzin(false, QVariant(), Qt::white), QColor(Qt::white));
}

void TestElojegyzes::torlesMindenSavot()
{
    const QDate ma = QDate::currentDate();
    EloMent(1, ma, 19, 3, QStringLiteral("Festés"), QStringLiteral("Kiss Éva"));
    // The same booking's slots on another hairdresser stay.
    EloMent(2, ma, 19, 2, QStringLiteral("Vágás"), QStringLiteral("Tóth Béla"));
    oszlop()->EloToltes(1, ma);
    oszlop()->sorValaszt(20);
    m_ablak->akcio(Parancs::TorolElo)->trigger();
    QVERIFY(m_uzenetek->lista.isEmpty());
    QCOMPARE(sorokSzama(QStringLiteral("asztal=1")), 0);
    QCOMPARE(sorokSzama(QStringLiteral("asztal=2")), 2);
    QCOMPARE(oszlop()->modell()->azon(19), 0);
    QCOMPARE(oszlop()->aktualisSor(), 20);
    // On a free slot nothing happens.
    m_ablak->akcio(Parancs::TorolElo)->trigger();
    QCOMPARE(sorokSzama(QStringLiteral("asztal=2")), 2);
}

void TestElojegyzes::foglaltIdopont()
{
    const QDate ma = QDate::currentDate();
    EloMent(1, ma, 19, 3, QStringLiteral("Festés"), QStringLiteral("Kiss Éva"));
    oszlop()->EloToltes(1, ma);
    oszlop()->sorValaszt(21);
    bool parbeszed = false;
    oszlop()->eloUj = [&](int, int, const QString&, const QDate&) {
        parbeszed = true;
        return -1;
    };
    m_ablak->akcio(Parancs::UjElo)->trigger();
    QCOMPARE(m_uzenetek->hibak(), QStringList{QStringLiteral("Foglalt időpont")});
    QVERIFY(!parbeszed);
}

void TestElojegyzes::ujSzabadSavra()
{
    const QDate ma = QDate::currentDate();
    oszlop()->EloToltes(1, ma);
    oszlop()->sorValaszt(28);
    int kapottAsztal = -1, kapottOra = -1;
    QString kapottIdo;
    QDate kapottNap;
    oszlop()->eloUj = [&](int asztal, int ora, const QString& ido, const QDate& nap) {
        kapottAsztal = asztal;
        kapottOra = ora;
        kapottIdo = ido;
        kapottNap = nap;
        return EloMent(asztal, nap, ora, 2, QStringLiteral("Melír"),
                       QStringLiteral("Fekete Zsófia"));
    };
    m_ablak->akcio(Parancs::UjElo)->trigger();
    QCOMPARE(kapottAsztal, 1);
    QCOMPARE(kapottOra, 28);
    QCOMPARE(kapottIdo, QStringLiteral("14:00"));
    QCOMPARE(kapottNap, ma);
    // The grid shows the new booking and stands on its last row.
    QCOMPARE(oszlop()->aktualisSor(), 29);
    QCOMPARE(Szoveg(oszlop()->modell()->mezo(28, QStringLiteral("nev"))),
             QStringLiteral("Fekete Zsófia"));
}

void TestElojegyzes::hosszGombok_data()
{
    QTest::addColumn<QString>("hossz");
    QTest::addColumn<double>("minusz");
    QTest::addColumn<double>("plusz");
    QTest::newRow("one hour") << "1" << 0.5 << 1.5;
    QTest::newRow("2.25 rounds to 4 half hours") << "2,25" << 1.5 << 2.5;
    QTest::newRow("2.25 with a decimal point") << "2.25" << 1.5 << 2.5;
    QTest::newRow("lower end") << "0,5" << 0.5 << 1.0;
    QTest::newRow("upper end") << "24" << 23.5 << 24.0;
    QTest::newRow("not a number") << "abc" << -1.0 << 0.5;
}

void TestElojegyzes::hosszGombok()
{
    QFETCH(QString, hossz);
    QFETCH(double, minusz);
    QFETCH(double, plusz);
    const QString m = HosszCsokkent(hossz);
    if (minusz < 0)
        QCOMPARE(m, hossz);
    else
        QCOMPARE(SzamErtek(m), minusz);
    QCOMPARE(SzamErtek(HosszNovel(hossz)), plusz);
}

void TestElojegyzes::parbeszedNegyedOra()
{
    const QDate ma = QDate::currentDate();
    oszlop()->EloToltes(1, ma);
    oszlop()->sorValaszt(20);
    oszlop()->eloUj = [this](int asztal, int ora, const QString& ido, const QDate& nap) {
        return EloUj(asztal, ora, ido, nap, m_ablak.get());
    };
    QString minuszUtan;
    QTimer::singleShot(0, this, [&] {
        auto* d = qobject_cast<Tfrm_Elojegyzes*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Előjegyzés szerkesztés"));
        QCOMPARE(d->idoMezo()->text(), QStringLiteral("10:00"));
        QCOMPARE(d->hosszMezo()->text(), QStringLiteral("1"));
        d->szovegCombo()->setEditText(QStringLiteral("Dauer"));
        d->nevCombo()->setEditText(QStringLiteral("Őri Ügyfél"));
        d->hosszMezo()->setText(QStringLiteral("2,25"));
        QCOMPARE(d->felorak(), 4);
        d->minuszGomb()->click();
        minuszUtan = d->hosszMezo()->text();
        d->hosszMezo()->setText(QStringLiteral("2,25"));
        d->okGomb()->click();
    });
    m_ablak->akcio(Parancs::UjElo)->trigger();
    QCOMPARE(SzamErtek(minuszUtan), 1.5);
    QCOMPARE(sorokSzama(QStringLiteral("asztal=1")), 4);
    QCOMPARE(
        sorokSzama(QStringLiteral("nev='Őri Ügyfél' AND szoveg='Dauer' AND ora BETWEEN 20 AND 23")),
        4);
    QCOMPARE(oszlop()->aktualisSor(), 23);
}

void TestElojegyzes::parbeszedNullaHossz()
{
    oszlop()->EloToltes(1, QDate::currentDate());
    oszlop()->sorValaszt(20);
    oszlop()->eloUj = [this](int asztal, int ora, const QString& ido, const QDate& nap) {
        return EloUj(asztal, ora, ido, nap, m_ablak.get());
    };
    QTimer::singleShot(0, this, [&] {
        auto* d = qobject_cast<Tfrm_Elojegyzes*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->hosszMezo()->setText(QStringLiteral("0"));
        d->okGomb()->click();
        // Refused: the dialog stays open.
        QVERIFY(d->isVisible());
        d->megsemGomb()->click();
    });
    m_ablak->akcio(Parancs::UjElo)->trigger();
    QCOMPARE(m_uzenetek->hibak().size(), 1);
    QCOMPARE(sorokSzama(QStringLiteral("1=1")), 0);
}

void TestElojegyzes::parbeszedSzovegek()
{
    EloMent(2, QDate(2024, 1, 2), 10, 1, QStringLiteral("Vágás"), QStringLiteral("Kiss Éva"));
    EloMent(2, QDate(2024, 1, 2), 12, 1, QStringLiteral("Festés"), QStringLiteral("Kiss Éva"));
    Tfrm_Elojegyzes d;
    d.beallit(QDate(2024, 3, 5), QStringLiteral("09:30"));
    QCOMPARE(d.datumMezo()->text(), QStringLiteral("2024.03.05"));
    QStringList szovegek;
    for (int i = 0; i < d.szovegCombo()->count(); ++i)
        szovegek << d.szovegCombo()->itemText(i);
    QCOMPARE(szovegek, (QStringList{QStringLiteral("Festés"), QStringLiteral("Vágás")}));
    QCOMPARE(d.nevCombo()->count(), 1);
    QVERIFY(d.szovegCombo()->isEditable());
    QVERIFY(d.szoveg().isEmpty());
}

void TestElojegyzes::holnapMasikFodrasz()
{
    const QDate holnap = QDate::currentDate().addDays(1);
    EloMent(2, holnap, 30, 1, QStringLiteral("Vágás"), QStringLiteral("Holnapi Vendég"));
    m_ablak->akcio(Parancs::Holnap)->trigger();
    QCOMPARE(oszlop()->EloNap(), holnap);
    QCOMPARE(oszlop()->asztal(), 1);
    QCOMPARE(oszlop()->modell()->azon(30), 0);
    QVERIFY(m_ablak->asztalValaszt(2));
    QCOMPARE(oszlop()->EloNap(), holnap);
    QCOMPARE(oszlop()->asztal(), 2);
    QVERIFY(oszlop()->modell()->azon(30) != 0);
    m_ablak->akcio(Parancs::Tegnap)->trigger();
    QCOMPARE(oszlop()->EloNap(), QDate::currentDate());
    m_ablak->akcio(Parancs::Holnap)->trigger();
    m_ablak->akcio(Parancs::Holnap)->trigger();
    m_ablak->akcio(Parancs::Ma)->trigger();
    QCOMPARE(oszlop()->EloNap(), QDate::currentDate());
}

void TestElojegyzes::fejlecSzoveg()
{
    oszlop()->EloToltes(2, QDate(2024, 3, 5));
    QCOMPARE(oszlop()->fejlec()->text(), QStringLiteral("Szabó Éva: 2024 március 5. kedd"));
}

QTEST_MAIN(TestElojegyzes)
#include "test_elojegyzes.moc"
