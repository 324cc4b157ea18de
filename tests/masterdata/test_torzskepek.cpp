// Every master window on the demo salon: each opens with its rows and its
// columns filled, and leaves a picture of itself (VEXLOF_KEPEK) for looking
// at the layout and the Hungarian text. Run under Xvfb with
// QT_QPA_PLATFORM=xcb for pictures with the real window style.

#include "AblakSeged.h"
#include "Beall.h"
#include "DbHiba.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "TesztAdatbazis.h"
#include "TorzsAsztal.h"
#include "TorzsCikkszam.h"
#include "TorzsGyujto.h"
#include "TorzsModell.h"
#include "TorzsTablak.h"
#include "TorzsUgyfel.h"
#include "Uzenetek.h"

#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

namespace
{

const QString AB = QStringLiteral("teszt_torzskepek");

} // namespace

class TestTorzsKepek : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void ablakok_data();
    void ablakok();
    void adossag();

private:
    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
};

void TestTorzsKepek::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_mappa.path());
    AlkalmazasStilus(*qApp);
    try {
        TesztAdatbazis::letrehoz(AB, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestTorzsKepek::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestTorzsKepek::ablakok_data()
{
    QTest::addColumn<QString>("ablak");
    QTest::addColumn<int>("kezdo");
    for (const char* a : {"mert", "storno", "kategoria", "cikkat", "besorolas", "ugyfel", "gyujto",
                          "cikkszam", "asztal"})
        QTest::newRow(a) << QString::fromLatin1(a) << (QByteArray(a) == "cikkszam" ? 4 : -1);
}

void TestTorzsKepek::ablakok()
{
    QFETCH(QString, ablak);
    QFETCH(int, kezdo);
    std::unique_ptr<TorzsLista> w;
    if (ablak == QLatin1String("mert"))
        w = std::make_unique<Tfrm_TorzsMe>();
    else if (ablak == QLatin1String("storno"))
        w = std::make_unique<Tfrm_TorzsStorno>();
    else if (ablak == QLatin1String("kategoria"))
        w = std::make_unique<Tfrm_TorzsKategoria>();
    else if (ablak == QLatin1String("cikkat"))
        w = std::make_unique<Tfrm_TorzsCikkat>();
    else if (ablak == QLatin1String("besorolas"))
        w = std::make_unique<Tfrm_TorzsBesorolas>();
    else if (ablak == QLatin1String("ugyfel"))
        w = std::make_unique<Tfrm_TorzsUgyfel>(false);
    else if (ablak == QLatin1String("gyujto"))
        w = std::make_unique<Tfrm_TorzsGyujto>();
    else if (ablak == QLatin1String("cikkszam"))
        w = std::make_unique<Tfrm_TorzsCikkszam>();
    else
        w = std::make_unique<Tfrm_TorzsAsztal>();
    w->valasztasBeallit(true);
    w->megnyit(kezdo);
    QVERIFY(aktival(w.get()));
    QTest::qWait(50);
    QVERIFY(w->modell()->rowCount() > 0);
    QCOMPARE(m_uzenetek.size(), 0);
    // Every column is wide enough to be seen and the row fits the grid.
    int szeles = 0;
    for (int i = 0; i < w->modell()->columnCount(); ++i) {
        QVERIFY(w->grid()->columnWidth(i) >= 30);
        szeles += w->grid()->columnWidth(i);
    }
    QVERIFY2(szeles <= w->grid()->width(), qPrintable(QString::number(szeles)));
    kepMent(w.get(), w->objectName());
}

void TestTorzsKepek::adossag()
{
    // Nagy Katalin: two bills on credit and a repayment between them.
    Tfrm_AdossagLista w(2);
    QVERIFY(aktival(&w));
    QTest::qWait(50);
    QCOMPARE(w.grid()->model()->rowCount(), 3);
    kepMent(&w, QStringLiteral("frm_AdossagLista"));
}

QTEST_MAIN(TestTorzsKepek)
#include "test_torzskepek.moc"
