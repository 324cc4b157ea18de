// The text receipts line for line: the consumption list at widths 40 and 24
// with and without the 24-column layout, credit, currency, warning and
// greeting lines, half quantities and an empty bill; the work-station
// tickets per printer; the storable form of a composed text.

#include "Beall.h"
#include "BlokkLista.h"
#include "KonyhaJegy.h"

#include <QTest>

namespace
{

QString sz(int n)
{
    return QString(n, QLatin1Char(' '));
}

const QDateTime ido(QDate(2026, 3, 14), QTime(9, 5, 7));

TBeall beall(bool sprint)
{
    TBeall b;
    b.tulajdonos = QStringLiteral("Szépség Szalon");        // 14
    b.irszvaros = QStringLiteral("1051 Budapest");          // 13
    b.cim = QStringLiteral("Fő utca 1.");                   // 10
    b.TulCim = QStringLiteral("1051 Budapest, Fő utca 1."); // 25
    b.TulTel = QStringLiteral("06-1-234-5678");             // 13
    b.SPrint = sprint;
    b.Szorzo = 250;
    b.udvozletszoveg = QStringLiteral("Köszönjük!");
    return b;
}

// The header of "Kovács Éva asztal fogyasztása" (29 characters).
QStringList fejlec(bool sprint, int w)
{
    if (!sprint && w == 24)
        return {QString(),
                sz(5) + QStringLiteral("Szépség Szalon"),
                QStringLiteral("1051 Budapest, Fő utca 1"),
                sz(6) + QStringLiteral("06-1-234-5678"),
                QString(),
                QStringLiteral("Kovács Éva asztal fogyas"),
                QString()};
    if (sprint)
        return {QString(),
                sz(5) + QStringLiteral("Szépség Szalon"),
                sz(6) + QStringLiteral("1051 Budapest"),
                sz(7) + QStringLiteral("Fő utca 1."),
                sz(6) + QStringLiteral("06-1-234-5678"),
                QString(),
                QStringLiteral("Kovács Éva asztal fogyas"),
                QString()};
    return {QString(),
            sz(13) + QStringLiteral("Szépség Szalon"),
            sz(8) + QStringLiteral("1051 Budapest, Fő utca 1."),
            sz(14) + QStringLiteral("06-1-234-5678"),
            QString(),
            sz(6) + QStringLiteral("Kovács Éva asztal fogyasztása"),
            QString()};
}

QStringList lablec(bool sprint, int w)
{
    QStringList l{QString(), QStringLiteral("2026.03.14 09:05:07")};
    // No maker's web address is set: the label alone.
    Q_UNUSED(w);
    if (sprint)
        l << QStringLiteral("Vexlo.F V18.0.0.333") + sz(5);
    else
        l << QStringLiteral("Vexlo.F V18.0.0.333");
    return l << QString() << QString() << QString() << QString();
}

QList<BlokkTetel> harom()
{
    return {{QStringLiteral("Festékek"), 2, 1500, 3000},
            {QStringLiteral("Hajvágás hosszú hajra, mosással együtt"), 2.5, 1000, 2500},
            {QStringLiteral("Sampon"), 3.5, 999.5, 3498.25}};
}

} // namespace

class TestBlokkLista : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blokk_data();
    void blokk();
    void lekerdezes();
    void konyha_data();
    void konyha();
    void tarolhato_data();
    void tarolhato();
};

void TestBlokkLista::blokk_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<bool>("sprint");
    QTest::addColumn<QList<BlokkTetel>>("tetelek");
    QTest::addColumn<QString>("ugyfel");    // empty: not on credit
    QTest::addColumn<bool>("extrak");       // currency, warnings, second greeting
    QTest::addColumn<QStringList>("torzs"); // the lines between header and date

    QTest::newRow("40, tételek, valuta, figyelmeztetés")
        << 40 << false << harom() << QString() << true
        << QStringList{QString(),
                       QStringLiteral("Festékek") + sz(28) + QStringLiteral("3000"),
                       sz(6) + QStringLiteral("2 X  1500"),
                       QStringLiteral("Hajvágás hosszú hajra, mosással egy") +
                           QStringLiteral(" 2500"),
                       sz(6) + QStringLiteral("2 X  1000"),
                       QStringLiteral("Sampon") + sz(29) + QStringLiteral("3498.25"),
                       sz(6) + QStringLiteral("4 X  1000"),
                       QString(),
                       QStringLiteral("Fizetendő") + sz(24) + QStringLiteral("8998.25"),
                       QStringLiteral("  Euro (€)") + sz(25) + QStringLiteral("35.99"),
                       QStringLiteral("KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT"),
                       QStringLiteral("NOT VALID FOR CASH PAYMENT")};
    QTest::newRow("40, SPrint: tételek 24, összeg 40")
        << 40 << true << harom() << QString() << false
        << QStringList{QString(),
                       QStringLiteral("Festékek") + sz(16),
                       sz(4) + QStringLiteral("2 X  1500") + sz(7) + QStringLiteral("3000"),
                       QStringLiteral("Hajvágás hosszú hajra, m"),
                       sz(4) + QStringLiteral("2 X  1000") + sz(7) + QStringLiteral("2500"),
                       QStringLiteral("Sampon") + sz(18),
                       sz(4) + QStringLiteral("4 X  1000") + sz(4) + QStringLiteral("3498.25"),
                       QString(),
                       QStringLiteral("Fizetendő") + sz(24) + QStringLiteral("8998.25")};
    QTest::newRow("24, SPrint, valuta")
        << 24 << true << QList<BlokkTetel>{{QStringLiteral("Festékek"), 2, 1500, 3000}} << QString()
        << true
        << QStringList{QString(),
                       QStringLiteral("Festékek") + sz(16),
                       sz(4) + QStringLiteral("2 X  1500") + sz(7) + QStringLiteral("3000"),
                       QString(),
                       QStringLiteral("Fizetendő") + sz(11) + QStringLiteral("3000"),
                       QStringLiteral("  Euro (€)") + sz(9) + QStringLiteral("12.00"),
                       QStringLiteral("KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT"),
                       QStringLiteral("NOT VALID FOR CASH PAYMENT")};
    QTest::newRow("24, SPrint ki")
        << 24 << false << QList<BlokkTetel>{{QStringLiteral("Festék és sampon"), 1, 800, 800}}
        << QString() << false
        << QStringList{QString(),
                       QStringLiteral("Festék és sampon") + sz(3) + QStringLiteral("  800"),
                       sz(6) + QStringLiteral("1 X   800"), QString(),
                       QStringLiteral("Fizetendő") + sz(12) + QStringLiteral("800")};
    QTest::newRow("üres") << 40 << false << QList<BlokkTetel>{} << QString() << false
                          << QStringList{QString(), QString(),
                                         QStringLiteral("Fizetendő") + sz(30) +
                                             QStringLiteral("0")};
    QTest::newRow("hitel, 32 karakteres név")
        << 40 << false << QList<BlokkTetel>{{QStringLiteral("Festékek"), 2, 1500, 3000}}
        << QStringLiteral("Nagy-Kovácsné Szabó Erzsébet Ann") << false
        << QStringList{QStringLiteral("Hitelre: Nagy-Kovácsné Szabó Erzsébet An"),
                       QString(),
                       QStringLiteral("Festékek") + sz(28) + QStringLiteral("3000"),
                       sz(6) + QStringLiteral("2 X  1500"),
                       QString(),
                       QStringLiteral("Fizetendő") + sz(27) + QStringLiteral("3000")};
    QTest::newRow("hitel, rövid név középre")
        << 40 << false << QList<BlokkTetel>{} << QStringLiteral("Kiss Anna") << false
        << QStringList{sz(11) + QStringLiteral("Hitelre: Kiss Anna"), QString(), QString(),
                       QStringLiteral("Fizetendő") + sz(30) + QStringLiteral("0")};
}

void TestBlokkLista::blokk()
{
    QFETCH(int, w);
    QFETCH(bool, sprint);
    QFETCH(QList<BlokkTetel>, tetelek);
    QFETCH(QString, ugyfel);
    QFETCH(bool, extrak);
    QFETCH(QStringList, torzs);

    TBeall b = beall(sprint);
    b.vanvaluta = extrak;
    b.vanfigyelmeztetes = extrak;
    if (extrak)
        b.udvozletszoveg2 = QStringLiteral("Viszontlátásra");
    BlokkAdat a;
    a.asztalNev = QStringLiteral("Kovács Éva");
    a.hitel = !ugyfel.isEmpty();
    a.ugyfelNev = ugyfel;
    a.tetelek = tetelek;

    QStringList vart = fejlec(sprint, w) + torzs;
    vart << QString() << QStringLiteral("2026.március.14") << QStringLiteral("Köszönjük!");
    if (extrak)
        vart << QStringLiteral("Viszontlátásra");
    vart += lablec(sprint, w);
    const QStringList sorok = BlokkSorok(a, b, w, ido);
    QCOMPARE(sorok, vart);

    // The returned text: every line followed by CR LF.
    QCOMPARE(BlokkSzovegbe(sorok), vart.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void TestBlokkLista::lekerdezes()
{
    const QString nyitott = BlokkLekerdezes(7, -1);
    QVERIFY(nyitott.contains(QStringLiteral(
        "\nWHERE (rendelma.fizetve='N') AND (rendelma.asztal=7) and (rendelma.torolve='N')\n")));
    QVERIFY(nyitott.endsWith(QStringLiteral("\nORDER BY 4;")));
    QVERIFY(BlokkLekerdezes(7, 42).contains(QStringLiteral("\nWHERE (rendelma.rendeles=42)\n")));
}

void TestBlokkLista::konyha_data()
{
    QTest::addColumn<QList<int>>("szelesek"); // profiles 1..4; 0: no profile
    QTest::addColumn<QStringList>("vart");    // per ticket: "printer/profile/direct" and its lines

    const QStringList fej40{sz(13) + QStringLiteral("Szépség Szalon"), QString(),
                            sz(11) + QStringLiteral("Asztal: Kovács Éva"), QString()};
    const QString vege = QStringLiteral("\n\n2026.március.14 09:05:07");
    // Lines of printer 1: Vágás (1030) twice 2.5 with a comment; printer 3:
    // Vágás; printer 2: Sampon (0200); Kávé (0000) nowhere.
    const QString vagas40 = QStringLiteral(" Vágás") + sz(29) + QStringLiteral("  2.5\n") +
                            QStringLiteral(" rövidre") + sz(32);
    QTest::newRow("1 és 3 széles, 2 hiányzik")
        << QList<int>{40, 0, 40, 40}
        << QStringList{QStringLiteral("1/1/1\n") + fej40.join(QLatin1Char('\n')) +
                           QLatin1Char('\n') + vagas40 + vege,
                       QStringLiteral("3/3/1\n") + fej40.join(QLatin1Char('\n')) +
                           QLatin1Char('\n') + vagas40 + vege};
    QTest::newRow("keskeny 2: az 1. nyomtató előnézetében")
        << QList<int>{0, 24, 0, 0}
        << QStringList{QStringLiteral("2/1/0\n") + sz(5) + QStringLiteral("Szépség Szalon\n\n") +
                       sz(3) + QStringLiteral("Asztal: Kovács Éva\n\n") +
                       QStringLiteral(" Sampon") + sz(12) + QStringLiteral("    1\n") + sz(24) +
                       vege};
    QTest::newRow("nincs profil") << QList<int>{0, 0, 0, 0} << QStringList{};
}

void TestBlokkLista::konyha()
{
    QFETCH(QList<int>, szelesek);
    QFETCH(QStringList, vart);
    KonyhaSor vagas{QStringLiteral("Vágás"), 2.5, QStringLiteral("rövidre"), {"1", "0", "3", "0"}};
    KonyhaSor sampon{QStringLiteral("Sampon"), 1, QString(), {"0", "2", "0", "0"}};
    KonyhaSor kave{QStringLiteral("Kávé"), 1, QString(), {"0", "0", "0", "0"}};
    auto profil = [&](int n, TNyomtato& ny) {
        if (szelesek.at(n - 1) == 0)
            return false;
        ny.nyomtato = n;
        ny.szeles = szelesek.at(n - 1);
        return true;
    };
    const QList<KonyhaJegy> jegyek =
        KonyhaJegyek({vagas, sampon, kave}, QStringLiteral("Szépség Szalon"),
                     QStringLiteral("Kovács Éva"), profil, ido);
    QStringList kapott;
    for (const KonyhaJegy& j : jegyek)
        kapott << QStringLiteral("%1/%2/%3\n").arg(j.nyomtato).arg(j.profil).arg(int(j.direkt)) +
                      j.sorok.join(QLatin1Char('\n'));
    QCOMPARE(kapott, vart);
}

void TestBlokkLista::tarolhato_data()
{
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("vart");
    QTest::addColumn<bool>("kodolhato");
    QTest::newRow("magyar betűk") << QStringLiteral("ÁÉÍÓÖŐÚÜŰ áéíóöőúüű")
                                  << QStringLiteral("ÁÉÍÓÖŐÚÜŰ áéíóöőúüű") << true;
    QTest::newRow("euró") << QStringLiteral("  Euro (€)     12.00")
                          << QStringLiteral("  Euro (EUR)     12.00") << false;
    QTest::newRow("latin2 más betűi")
        << QStringLiteral("Łódź Šť §°×") << QStringLiteral("Łódź Šť §°×") << true;
    QTest::newRow("latin2-n kívül")
        << QStringLiteral("ñ ™ “x” 😀") << QStringLiteral("? ? ?x? ?") << false;
    QTest::newRow("sorvégek") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb") << true;
}

void TestBlokkLista::tarolhato()
{
    QFETCH(QString, szoveg);
    QFETCH(QString, vart);
    QFETCH(bool, kodolhato);
    QCOMPARE(Latin2Kodolhato(szoveg), kodolhato);
    QCOMPARE(TarolhatoSzoveg(szoveg), vart);
    QVERIFY(Latin2Kodolhato(TarolhatoSzoveg(szoveg)));
}

QTEST_GUILESS_MAIN(TestBlokkLista)
#include "test_blokklista.moc"
