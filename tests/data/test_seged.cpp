// The general helpers: text columns, SQL literals, statement editing, number
// parsing and pictures, dates and the scrambling of connection strings.

#include "Seged.h"

#include <QLocale>
#include <QTest>

class TestSeged : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void balraIgazit_data();
    void balraIgazit();
    void jobbraIgazitEsKozepre();
    void mezo_data();
    void mezo();
    void kodSzoveg();

    void sqlLiteralok_data();
    void sqlLiteralok();
    void szamSql_data();
    void szamSql();
    void sqlDatum();
    void utasitasSzerkesztes();

    void szamErtek_data();
    void szamErtek();
    void szamErtekPontosGepen();
    void szamKarakterekEsEgeszErtek_data();
    void szamKarakterekEsEgeszErtek();
    void kerekites_data();
    void kerekites();
    void szamFormat_data();
    void szamFormat();

    void datumok();
    void mezoKonverziok();
    void kodolas();
};

void TestSeged::balraIgazit_data()
{
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<int>("w");
    QTest::addColumn<QString>("vart");
    QTest::newRow("NULL gives spaces") << QVariant() << 5 << QStringLiteral("     ");
    QTest::newRow("cut to width") << QVariant(QStringLiteral("abcdefg")) << 5
                                  << QStringLiteral("abcde");
    QTest::newRow("padded") << QVariant(QStringLiteral("ab")) << 5 << QStringLiteral("ab   ");
    QTest::newRow("Hungarian letters count once")
        << QVariant(QStringLiteral("őrült")) << 7 << QStringLiteral("őrült  ");
    QTest::newRow("number") << QVariant(12.5) << 6 << QStringLiteral("12,5  ");
}

void TestSeged::balraIgazit()
{
    QFETCH(QVariant, ertek);
    QFETCH(int, w);
    QFETCH(QString, vart);
    QCOMPARE(BalraIgazit(ertek, w), vart);
}

void TestSeged::jobbraIgazitEsKozepre()
{
    QCOMPARE(JobbraIgazit(QVariant(), 5), QString());
    QCOMPARE(JobbraIgazit(QStringLiteral("abcde"), 3), QStringLiteral("abcde"));
    QCOMPARE(JobbraIgazit(QStringLiteral("ab"), 5), QStringLiteral("   ab"));
    QCOMPARE(JobbraIgazit(QStringLiteral("ab"), 300).size(), 255); // the width is a byte
    QCOMPARE(Kozepre(QStringLiteral("abc"), 10), QStringLiteral("    abc"));
    QCOMPARE(Kozepre(QStringLiteral("abcdefghijk"), 10), QStringLiteral("abcdefghij"));
    QCOMPARE(Kozepre(QStringLiteral("ab"), 0), QString());
}

void TestSeged::mezo_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("vart");
    QTest::newRow("first") << QStringLiteral("a,,b") << 1 << QStringLiteral("a");
    QTest::newRow("empty between") << QStringLiteral("a,,b") << 2 << QString();
    QTest::newRow("third") << QStringLiteral("a,,b") << 3 << QStringLiteral("b");
    QTest::newRow("beyond") << QStringLiteral("a,,b") << 4 << QString();
    QTest::newRow("either separator") << QStringLiteral("x;y,z") << 3 << QStringLiteral("z");
    QTest::newRow("trailing separator") << QStringLiteral("a;b;") << 3 << QString();
}

void TestSeged::mezo()
{
    QFETCH(QString, szoveg);
    QFETCH(int, n);
    QFETCH(QString, vart);
    QCOMPARE(Mezo(QStringLiteral(",;"), szoveg, n), vart);
}

void TestSeged::kodSzoveg()
{
    QCOMPARE(KodSzoveg(QStringLiteral("27,64")), QString(QChar(27)) + QChar(64));
    QCOMPARE(KodSzoveg(QStringLiteral("27;;64,")), QString(QChar(27)) + QChar(64));
    QCOMPARE(KodSzoveg(QString()), QString());
}

void TestSeged::sqlLiteralok_data()
{
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<QString>("escape");
    QTest::addColumn<QString>("sorEscape");
    QTest::addColumn<QString>("idez");
    QTest::newRow("NULL") << QVariant() << QString() << QString() << QStringLiteral("''");
    QTest::newRow("empty") << QVariant(QString()) << QString() << QString() << QStringLiteral("''");
    QTest::newRow("apostrophe") << QVariant(QStringLiteral("O'Neil")) << QStringLiteral("O'Neil")
                                << QStringLiteral("O'Neil") << QStringLiteral("'O''Neil'");
    QTest::newRow("backslash") << QVariant(QStringLiteral("a\\b")) << QStringLiteral("a\\\\b")
                               << QStringLiteral("a\\\\b") << QStringLiteral("'a\\\\b'");
    QTest::newRow("CR LF") << QVariant(QStringLiteral("a\r\nb")) << QStringLiteral("a\\r\\nb")
                           << QStringLiteral("a\\nb") << QStringLiteral("'a\\r\\nb'");
    QTest::newRow("backslash before quote")
        << QVariant(QStringLiteral("x\\'")) << QStringLiteral("x\\\\'") << QStringLiteral("x\\\\'")
        << QStringLiteral("'x\\\\'''");
}

void TestSeged::sqlLiteralok()
{
    QFETCH(QVariant, ertek);
    QFETCH(QString, escape);
    QFETCH(QString, sorEscape);
    QFETCH(QString, idez);
    QCOMPARE(SqlEscape(ertek), escape);
    QCOMPARE(SqlSorEscape(ertek), sorEscape);
    QCOMPARE(SqlIdez(ertek), idez);
}

void TestSeged::szamSql_data()
{
    QTest::addColumn<double>("szam");
    QTest::addColumn<QString>("vart");
    QTest::newRow("integer") << 1500.0 << QStringLiteral("1500");
    QTest::newRow("fraction") << 12.5 << QStringLiteral("12.5");
    QTest::newRow("negative") << -77.5 << QStringLiteral("-77.5");
    QTest::newRow("15 digits") << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
}

void TestSeged::szamSql()
{
    QFETCH(double, szam);
    QFETCH(QString, vart);
    QCOMPARE(SzamSql(szam), vart); // a point even on a workstation with a decimal comma
}

void TestSeged::sqlDatum()
{
    QCOMPARE(SqlDatum(QDate(2026, 3, 9)), QStringLiteral("'2026-03-09'"));
    QCOMPARE(SqlDatum(QDate(2026, 3, 9), true), QStringLiteral("'03/09/2026'"));
}

void TestSeged::utasitasSzerkesztes()
{
    const QStringList sorok = {QStringLiteral("SELECT * FROM vw_asztalossz"),
                               QStringLiteral("WHERE asztal>0;")};
    QCOMPARE(WhereCsere(sorok, QStringLiteral("(asztal=3)"), true),
             QStringLiteral("SELECT * FROM vw_asztalossz\nWHERE (asztal=3)"));

    const QStringList ketWhere = {QStringLiteral("SELECT 1"), QStringLiteral("where a"),
                                  QStringLiteral("UNION"), QStringLiteral("WHERE b")};
    QCOMPARE(WhereCsere(ketWhere, QStringLiteral("x"), true),
             QStringLiteral("SELECT 1\nWHERE x\nUNION\nWHERE b"));
    QCOMPARE(WhereCsere(ketWhere, QStringLiteral("x"), false),
             QStringLiteral("SELECT 1\nWHERE x\nUNION\nWHERE x"));
    QCOMPARE(WhereCsere(QStringList{QStringLiteral("SELECT 1;")}, QStringLiteral("x"), true),
             QStringLiteral("SELECT 1;"));

    QCOMPARE(OrderByCsere(QStringList{QStringLiteral("SELECT a"), QStringLiteral("order by a;"),
                                      QStringLiteral("-- end")},
                          QStringLiteral("b")),
             QStringLiteral("SELECT a\nORDER BY b;\n-- end"));
    QCOMPARE(OrderByCsere(QStringList{QStringLiteral("SELECT a;")}, QStringLiteral("b")),
             QStringLiteral("SELECT a;"));

    QCOMPARE(WhereBovit(QStringList{QStringLiteral("WHERE (a=1);")}, QStringLiteral(" AND (b=2)")),
             QStringLiteral("WHERE (a=1) AND (b=2);"));
    QCOMPARE(WhereBovit(QStringList{QStringLiteral("SELECT x"), QStringLiteral("  WHERE (a=1)"),
                                    QStringLiteral("GROUP BY x;")},
                        QStringLiteral(" AND (b=2)")),
             QStringLiteral("SELECT x\n  WHERE (a=1) AND (b=2)\nGROUP BY x;"));
}

void TestSeged::szamErtek_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<double>("vart");
    // The workstation of these rows uses the decimal comma.
    QTest::newRow("money with unit") << QStringLiteral("1 250,5 Ft") << 1250.5;
    QTest::newRow("two separators") << QStringLiteral("1.250,5") << -1.0;
    QTest::newRow("point as decimal") << QStringLiteral("12.5") << 12.5;
    QTest::newRow("empty") << QStringLiteral("   ") << -1.0;
    QTest::newRow("letters only") << QStringLiteral("abc") << -1.0;
    QTest::newRow("plus sign dropped") << QStringLiteral("+3") << 3.0;
    QTest::newRow("plus alone") << QStringLiteral("+") << -1.0;
    QTest::newRow("negative") << QStringLiteral("-15") << -15.0;
    QTest::newRow("minus inside") << QStringLiteral("1-5") << -1.0;
    QTest::newRow("grouped as the picture shows it") << QStringLiteral("1 234,5") << 1234.5;
}

void TestSeged::szamErtek()
{
    QFETCH(QString, szoveg);
    QFETCH(double, vart);
    QCOMPARE(SzamErtek(szoveg, -1.0), vart);
}

void TestSeged::szamErtekPontosGepen()
{
    QLocale::setDefault(QLocale::c());
    QCOMPARE(SzamErtek(QStringLiteral("1 250,5 Ft"), -1), 1250.5);
    QCOMPARE(SzamErtek(QStringLiteral("1.250,5"), -1), -1.0);
    QCOMPARE(SzamErtek(QStringLiteral("12.50"), -1), 12.5);
}

void TestSeged::szamKarakterekEsEgeszErtek_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("karakterek");
    QTest::addColumn<int>("egesz");
    QTest::newRow("plain") << QStringLiteral(" 42 ") << QStringLiteral("42") << 42;
    QTest::newRow("decimal is no integer") << QStringLiteral("12.5") << QStringLiteral("12.5") << 0;
    QTest::newRow("later marks dropped")
        << QStringLiteral("1,2.3,4") << QStringLiteral("1,234") << 0;
    QTest::newRow("leading minus") << QStringLiteral("-7 db") << QStringLiteral("-7") << -7;
    QTest::newRow("inner minus dropped") << QStringLiteral("7-1") << QStringLiteral("71") << 71;
    QTest::newRow("empty") << QString() << QString() << 0;
    QTest::newRow("port with text") << QStringLiteral("3306x") << QStringLiteral("3306") << 3306;
}

void TestSeged::szamKarakterekEsEgeszErtek()
{
    QFETCH(QString, szoveg);
    QFETCH(QString, karakterek);
    QFETCH(int, egesz);
    QCOMPARE(SzamKarakterek(szoveg), karakterek);
    QCOMPARE(EgeszErtek(szoveg), egesz);
}

void TestSeged::kerekites_data()
{
    QTest::addColumn<double>("szam");
    QTest::addColumn<qlonglong>("vart");
    QTest::newRow("2.5 to even") << 2.5 << qlonglong(2);
    QTest::newRow("3.5 to even") << 3.5 << qlonglong(4);
    QTest::newRow("77.5") << 77.5 << qlonglong(78);
    QTest::newRow("76.5") << 76.5 << qlonglong(76);
    QTest::newRow("-2.5") << -2.5 << qlonglong(-2);
    QTest::newRow("2.6") << 2.6 << qlonglong(3);
}

void TestSeged::kerekites()
{
    QFETCH(double, szam);
    QFETCH(qlonglong, vart);
    QCOMPARE(KerekitParosra(szam), vart);
}

void TestSeged::szamFormat_data()
{
    QTest::addColumn<double>("szam");
    QTest::addColumn<QString>("kep");
    QTest::addColumn<QString>("vart");
    QTest::newRow("money") << 1234567.0 << QStringLiteral("### ### ##0")
                           << QStringLiteral("1 234 567");
    QTest::newRow("money small") << 155.0 << QStringLiteral("### ### ##0") << QStringLiteral("155");
    QTest::newRow("money zero") << 0.0 << QStringLiteral("### ### ##0") << QStringLiteral("0");
    QTest::newRow("money negative")
        << -1550.0 << QStringLiteral("### ### ##0") << QStringLiteral("-1 550");
    QTest::newRow("money rounds") << 1234.5 << QStringLiteral("### ### ##0")
                                  << QStringLiteral("1 235");
    QTest::newRow("beyond the picture")
        << 12345678901.0 << QStringLiteral("### ### ##0") << QStringLiteral("12345 678 901");
    QTest::newRow("quantity") << 1234.5 << QStringLiteral("### ### ##0.00")
                              << QStringLiteral("1 234,50");
    QTest::newRow("fraction only")
        << 0.25 << QStringLiteral("### ### ##0.00") << QStringLiteral("0,25");
    QTest::newRow("plain decimals")
        << 3.14159 << QStringLiteral("######0.00") << QStringLiteral("3,14");
    QTest::newRow("one decimal") << 2.0 << QStringLiteral("######0.0") << QStringLiteral("2,0");
    QTest::newRow("leading zeros") << 12.0 << QStringLiteral("00000") << QStringLiteral("00012");
    QTest::newRow("card number") << 7.0 << QStringLiteral("00000000") << QStringLiteral("00000007");
    QTest::newRow("percent literal") << 10.0 << QStringLiteral("##0%") << QStringLiteral("10%");
    QTest::newRow("optional decimals") << 2.5 << QStringLiteral("0.##") << QStringLiteral("2,5");
    QTest::newRow("tiny negative is zero")
        << -0.001 << QStringLiteral("### ### ##0") << QStringLiteral("0");
}

void TestSeged::szamFormat()
{
    QFETCH(double, szam);
    QFETCH(QString, kep);
    QFETCH(QString, vart);
    QCOMPARE(SzamFormat(szam, kep), vart);
}

void TestSeged::datumok()
{
    const QDateTime t(QDate(2026, 3, 9), QTime(14, 5, 7));
    QCOMPARE(DatumFormat(t, QStringLiteral("yyyy.mm.dd hh:mm:ss")),
             QStringLiteral("2026.03.09 14:05:07"));
    QCOMPARE(DatumFormat(t, QStringLiteral("yyyy.mmmm.dd")), QStringLiteral("2026.március.09"));
    QCOMPARE(DatumFormat(t, QStringLiteral("yyyy mmmm d. dddd")),
             QStringLiteral("2026 március 9. hétfő"));
    QCOMPARE(DatumFormat(t, QStringLiteral("hh:nn")), QStringLiteral("14:05"));
    QCOMPARE(DatumFormat(t, QStringLiteral("mm.dd")), QStringLiteral("03.09"));
    QCOMPARE(HonapNev(1), QStringLiteral("Január"));
    QCOMPARE(HonapNev(12), QStringLiteral("December"));
    QCOMPARE(Het(QDate(2027, 1, 1)), 53); // a Friday in the last ISO week of 2026
    QCOMPARE(Het(QDate(2026, 1, 1)), 1);
    QCOMPARE(EgyHonappalKorabban(QDate(2026, 3, 31)), QDate(2026, 2, 28));
    QCOMPARE(EgyHonappalKorabban(QDate(2028, 3, 31)), QDate(2028, 2, 29));
    QCOMPARE(EgyHonappalKorabban(QDate(2026, 1, 15)), QDate(2025, 12, 15));
}

void TestSeged::mezoKonverziok()
{
    QCOMPARE(Szoveg(QVariant(), QStringLiteral("x")), QStringLiteral("x"));
    QCOMPARE(Egesz(QVariant(), 7), 7);
    QCOMPARE(Egesz(QVariant(2.5)), 2);
    QCOMPARE(Egesz(QVariant(3.5)), 4);
    QCOMPARE(Egesz(QVariant(QStringLiteral("12"))), 12);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Egesz(QVariant(QStringLiteral("abc"))));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Szam(QVariant(QStringLiteral("x1"))));
    QCOMPARE(EgeszSzoveg(QVariant()), QStringLiteral("0"));
    QVERIFY(IgenE(QStringLiteral("I")));
    QVERIFY(!IgenE(QStringLiteral("i")));
    QVERIFY(!IgenE(QVariant()));
    QCOMPARE(Osztas(0, 5), 0.0);
    QCOMPARE(Osztas(4, 2), 0.5);
    QCOMPARE(KarakterCsere(QStringLiteral("a;b;c"), QLatin1Char(';'), QLatin1Char(',')),
             QStringLiteral("a,b,c"));
    QCOMPARE(KarakterTorles(QStringLiteral(" -"), QStringLiteral("1 2-3")), QStringLiteral("123"));
    QCOMPARE(KarakterDarab(QLatin1Char(';'), QStringLiteral("a;b;c;")), 3);
    QCOMPARE(SzokozNelkul(QStringLiteral(" 1 2 ")), QStringLiteral("12"));
}

void TestSeged::kodolas()
{
    const QStringList minták = {QString(),
                                QStringLiteral("vexlof;localhost;3306;root;titok;Szalon"),
                                QStringLiteral("őŐűŰáéíóöúü;jelszó'\"\\"), QStringLiteral("ű~€")};
    for (const QString& s : minták) {
        const QString k1 = Kodol(s);
        QCOMPARE(k1.size(), 3 + 2 * s.size());
        QCOMPARE(Dekodol(k1), s);
        QVERIFY(Kodol(s) != Kodol(s)); // the fillers differ from call to call
    }
    // The bytes a Windows workstation stores: 'ő' is 0xF5 there, stored as 0xF6
    // ('ö'); the filler characters stay within 33..87.
    const QString k = Kodol(QStringLiteral("ő"));
    QCOMPARE(k.at(3), QChar(0x00F6));
    for (int i : {0, 1, 2, 4})
        QVERIFY(k.at(i).unicode() >= 33 && k.at(i).unicode() <= 87);
}

QTEST_GUILESS_MAIN(TestSeged)
#include "test_seged.moc"
