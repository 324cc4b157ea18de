// vexlof-konfig: writes a database connection entry into a VexloF.ini the
// way the program stores it (section "Adatbazis", keys "ConStr1".."ConStr100",
// scrambled). An entry with the same display name is replaced; otherwise the
// first free key is used. Used by the demo set-up script.
//
//   vexlof-konfig --ini FILE --nev NAME --adatbazis DB [--kiszolgalo HOST]
//                 [--port N] [--felhasznalo USER] [--jelszo PASSWORD]

#include "IniAllomany.h"
#include "Kapcsolat.h"
#include "Seged.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Writes a connection entry into VexloF.ini"));
    p.addHelpOption();
    const QCommandLineOption ini(QStringLiteral("ini"), QStringLiteral("INI file"),
                                 QStringLiteral("file"));
    const QCommandLineOption nev(QStringLiteral("nev"), QStringLiteral("display name"),
                                 QStringLiteral("name"));
    const QCommandLineOption adatbazis(QStringLiteral("adatbazis"), QStringLiteral("database"),
                                       QStringLiteral("db"));
    const QCommandLineOption kiszolgalo(QStringLiteral("kiszolgalo"), QStringLiteral("host"),
                                        QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("port"),
                                  QStringLiteral("port"), QStringLiteral("3306"));
    const QCommandLineOption felhasznalo(QStringLiteral("felhasznalo"), QStringLiteral("user"),
                                         QStringLiteral("user"), QStringLiteral("root"));
    const QCommandLineOption jelszo(QStringLiteral("jelszo"), QStringLiteral("password"),
                                    QStringLiteral("password"));
    p.addOptions({ini, nev, adatbazis, kiszolgalo, port, felhasznalo, jelszo});
    p.process(app);
    if (!p.isSet(ini) || !p.isSet(nev) || !p.isSet(adatbazis)) {
        std::fputs("vexlof-konfig: --ini, --nev and --adatbazis are required\n", stderr);
        return 2;
    }

    KapcsolatAdat a;
    a.adatbazis = p.value(adatbazis);
    a.kiszolgalo = p.value(kiszolgalo);
    a.port = p.value(port).toInt();
    a.felhasznalo = p.value(felhasznalo);
    a.jelszo = p.value(jelszo);
    a.adatbazisnev = p.value(nev);

    const QString szakasz = QStringLiteral("Adatbazis");
    IniAllomany f(p.value(ini));
    int kulcs = 0;
    for (int n = 1; n <= 100 && kulcs == 0; ++n) {
        const QString k = QStringLiteral("ConStr") + QString::number(n);
        const QString ertek = f.olvas(szakasz, k);
        if (!ertek.isEmpty() && Mezo(QStringLiteral(";"), Dekodol(ertek), 6) == a.adatbazisnev)
            kulcs = n;
    }
    for (int n = 1; n <= 100 && kulcs == 0; ++n)
        if (f.olvas(szakasz, QStringLiteral("ConStr") + QString::number(n)).isEmpty())
            kulcs = n;
    if (kulcs == 0) {
        std::fputs("vexlof-konfig: all hundred connection entries are in use\n", stderr);
        return 1;
    }
    f.ir(szakasz, QStringLiteral("ConStr") + QString::number(kulcs), Kodol(a.szoveg(true)));
    try {
        f.ment();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vexlof-konfig: %s\n", e.what());
        return 1;
    }
    std::printf("ConStr%d\n", kulcs);
    return 0;
}
