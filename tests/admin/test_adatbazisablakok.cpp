#include <QTest>
class TestAdatbazisAblakok : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestAdatbazisAblakok)
#include "test_adatbazisablakok.moc"
