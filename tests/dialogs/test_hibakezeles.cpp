// Errors at a window's boundary: the error box text of each kind of error and
// the wrapper that runs a handler and shows what it throws.

#include "DbHiba.h"
#include "HibaKezeles.h"
#include "Uzenetek.h"

#include <QTest>

#include <functional>
#include <stdexcept>

Q_DECLARE_METATYPE(std::function<void()>)

namespace
{

// An error whose message is the whole text of the box.
class TeljesHiba : public Hiba
{
public:
    using Hiba::Hiba;
    QString hibaSzoveg() const override { return uzenet(); }
};

} // namespace

class TestHibaKezeles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void szoveg_data();
    void szoveg();
    void kezel();

private:
    QList<UzenetAdat> m_uzenetek;
};

void TestHibaKezeles::init()
{
    m_uzenetek.clear();
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestHibaKezeles::cleanup()
{
    UzenetElfogo({});
}

void TestHibaKezeles::szoveg_data()
{
    QTest::addColumn<std::function<void()>>("dobas");
    QTest::addColumn<QString>("vart");
    QTest::newRow("database") << std::function<void()>([] {
        throw DbHiba(QStringLiteral("Table 'x' doesn't exist"), QStringLiteral("SELECT 1;"), 1146);
    }) << QStringLiteral("Hiba: Table 'x' doesn't exist");
    QTest::newRow("base") << std::function<void()>([] {
        throw Hiba(QStringLiteral("A fájl nem olvasható: ő.csv"));
    }) << QStringLiteral("Hiba: A fájl nem olvasható: ő.csv");
    QTest::newRow("whole text") << std::function<void()>([] {
        throw TeljesHiba(QStringLiteral("Hiba nyomtatás közben:\r\nok"));
    }) << QStringLiteral("Hiba nyomtatás közben:\r\nok");
    QTest::newRow("standard") << std::function<void()>([] { throw std::runtime_error("árvíz"); })
                              << QStringLiteral("Hiba: árvíz");
}

void TestHibaKezeles::szoveg()
{
    QFETCH(std::function<void()>, dobas);
    QFETCH(QString, vart);
    QVERIFY(!HibaKezel(nullptr, dobas));
    QCOMPARE(m_uzenetek.size(), 1);
    QCOMPARE(m_uzenetek.at(0).tipus, UzenetAdat::Hiba);
    QCOMPARE(m_uzenetek.at(0).felirat, QStringLiteral("Hiba"));
    QCOMPARE(m_uzenetek.at(0).szoveg, vart);
}

void TestHibaKezeles::kezel()
{
    int futott = 0;
    QVERIFY(HibaKezel(nullptr, [&] { ++futott; }));
    QCOMPARE(futott, 1);
    QVERIFY(m_uzenetek.isEmpty());
}

QTEST_MAIN(TestHibaKezeles)
#include "test_hibakezeles.moc"
