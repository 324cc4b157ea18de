// The table of the nine rights: each right is read from its own column of
// `felhasznalo` into its own field and bit, and only "I" grants it.

#include "Jogok.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QTest>

class TestJogok : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void egyJog_data();
    void egyJog();
    void csakIgen_data();
    void csakIgen();
};

namespace
{

QSqlRecord sor(const QString& oszlop, const QVariant& ertek)
{
    QSqlRecord r;
    for (const JogLeiras& j : Jogok) {
        QSqlField f(QLatin1String(j.oszlop), QMetaType(QMetaType::QString));
        f.setValue(QLatin1String(j.oszlop) == oszlop ? ertek : QVariant(QStringLiteral("N")));
        r.append(f);
    }
    return r;
}

} // namespace

void TestJogok::egyJog_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < Jogok.size(); ++i)
        QTest::newRow(Jogok[i].oszlop) << int(i);
}

void TestJogok::egyJog()
{
    QFETCH(int, index);
    const JogLeiras& leiras = Jogok[std::size_t(index)];
    TJog j;
    JogokOlvas(j, sor(QLatin1String(leiras.oszlop), QStringLiteral("I")));
    for (const JogLeiras& m : Jogok)
        QCOMPARE(j.*(m.mezo), &m == &leiras);
    QCOMPARE(JogBitek(j), unsigned(leiras.bit));
}

void TestJogok::csakIgen_data()
{
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<bool>("jog");
    QTest::newRow("I") << QVariant(QStringLiteral("I")) << true;
    QTest::newRow("N") << QVariant(QStringLiteral("N")) << false;
    QTest::newRow("lower case i") << QVariant(QStringLiteral("i")) << false;
    QTest::newRow("NULL") << QVariant() << false;
}

void TestJogok::csakIgen()
{
    QFETCH(QVariant, ertek);
    QFETCH(bool, jog);
    TJog j;
    j.napzar = !jog;
    JogokOlvas(j, sor(QStringLiteral("napzar"), ertek));
    QCOMPARE(j.napzar, jog);
}

QTEST_MAIN(TestJogok)
#include "test_jogok.moc"
