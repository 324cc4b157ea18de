// The main window's commands as the operator meets them: with every right,
// every setting that shows a command, an open shift and a bill on the
// selected service point, no command is enabled without a routine, and an
// enabled order command does something when it runs (opens a window, shows
// a message, or changes the bills) instead of nothing.

#include "AkcioTar.h"
#include "AppTeszt.h"
#include "DbHiba.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Main.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Parancs)

using namespace AppTeszt;

namespace
{

const QString db = QStringLiteral("teszt_app_parancsok");

using P = Parancs;

// The data an order command may change, as one text.
QString szamlak()
{
    QString s;
    QSqlQuery q = SqlNyit(QStringLiteral(
        "CHECKSUM TABLE rendelma, asztal, cassa, ugyfel_ados, bonusz, mozgas, gyujto;"));
    while (q.next())
        s += q.value(1).toString() + QLatin1Char(' ');
    return s;
}

// Closes every modal window that opens while it lives and counts them.
class AblakFigyelo
{
public:
    AblakFigyelo()
    {
        m_idozito.setInterval(20);
        QObject::connect(&m_idozito, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ++darab;
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            }
        });
        m_idozito.start();
    }
    int darab = 0;

private:
    QTimer m_idozito;
};

} // namespace

class TestParancsok : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void rutinNelkulTiltott();
    void rendelesParancsokTesznekValamit_data();
    void rendelesParancsokTesznekValamit();

private:
    void ablakNyit();
    std::unique_ptr<ProgramMappa> m_mappa;
    std::unique_ptr<Tfrm_Main> m_ablak;
    std::unique_ptr<Uzenetek> m_uzenetek;
};

void TestParancsok::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    try {
        TesztAdatbazis::letrehoz(db, false);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
}

void TestParancsok::cleanupTestCase()
{
    m_ablak.reset();
    m_uzenetek.reset();
    m_mappa.reset();
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(db);
}

// The window after start-up, with every command shown and the shift open,
// service point 1 selected with one line on its bill.
void TestParancsok::ablakNyit()
{
    m_ablak.reset();
    allapotTorles();
    Kapcsolat::foNyit(TesztAdatbazis::root(db));
    SQL_OK(QStringLiteral("DELETE FROM rendelma;"));
    SQL_OK(QStringLiteral("DELETE FROM asztal;"));
    SQL_OK(QStringLiteral(
        "INSERT INTO asztal (asztal, asztal_nev) VALUES (1, 'Kovács Anna'), (2, 'Szabó Éva');"));
    m_mappa = std::make_unique<ProgramMappa>(QMap<int, QString>{{1, kapcsolat(db)}});
    m_uzenetek = std::make_unique<Uzenetek>();
    m_ablak = std::make_unique<Tfrm_Main>(horgok());
    QVERIFY(m_ablak->indit());
    m_ablak->listaNyomtat = [](const QStringList&) {};
    SQL_OK(QStringLiteral("CALL sp_rendelsor(1, 0, 1, 1500, 1, '');"));
    QVERIFY(m_ablak->asztalValaszt(1));
    m_ablak->RendelesFrissit();

    AkcioAllapot a = m_ablak->akciok().allapot();
    a.jog = teljesJog();
    a.kedvsor = 1;
    a.szervsor = 1;
    a.bonusz = true;
    a.adossag = true;
    a.muszakNyitott = true;
    m_ablak->akciok().alkalmaz(a);
}

void TestParancsok::rutinNelkulTiltott()
{
    ablakNyit();
    const AkcioTar& t = m_ablak->akciok();
    for (int i = 0; i < int(Parancs::Darab); ++i) {
        const Parancs p = Parancs(i);
        QAction* a = t.akcio(p);
        // The maker's web and mail actions are hidden while their
        // addresses are empty (the default); a hidden command cannot run.
        if (a->isVisible() && a->isEnabled())
            QVERIFY2(t.vanKezelo(p), AkcioTar::leiras(p).nev);
    }
}

void TestParancsok::rendelesParancsokTesznekValamit_data()
{
    QTest::addColumn<Parancs>("parancs");
    for (P p :
         {P::AsztalSzabad, P::AsztalSzabadHitel, P::RendelUj, P::RendelTorol, P::MegEgy,
          P::Kedvezmeny, P::Kedvezmeny2, P::Szervizdij, P::Bonuszba, P::Bonuszbol, P::AsztalAtul})
        QTest::newRow(AkcioTar::leiras(p).nev) << p;
}

void TestParancsok::rendelesParancsokTesznekValamit()
{
    QFETCH(Parancs, parancs);
    ablakNyit();
    QAction* a = m_ablak->akcio(parancs);
    if (!a->isEnabled())
        return; // not offered: nothing to check
    const QString elotte = szamlak();
    const int uzenetek = m_uzenetek->lista.size();
    AblakFigyelo figyelo;
    a->trigger();
    QTest::qWait(100);
    const bool tett =
        figyelo.darab > 0 || m_uzenetek->lista.size() > uzenetek || szamlak() != elotte;
    QVERIFY2(tett, "an enabled command did nothing");
}

QTEST_MAIN(TestParancsok)
#include "test_parancsok.moc"
