#include "KapcsolatTar.h"

#include "DbHiba.h"
#include "IniAllomany.h"
#include "KozosDB.h"
#include "Seged.h"

namespace
{

const QString szakasz = QStringLiteral("Adatbazis");

QString kulcsNev(int n)
{
    return QStringLiteral("ConStr") + QString::number(n);
}

} // namespace

QList<KapcsolatBejegyzes> KapcsolatokOlvas(const QString& iniFajl)
{
    const IniAllomany ini(iniFajl);
    QList<KapcsolatBejegyzes> ki;
    for (int n = 1; n <= KapcsolatKulcsokSzama; ++n) {
        const QString ertek = ini.olvas(szakasz, kulcsNev(n));
        if (ertek.isEmpty())
            continue;
        ki.append({n, Dekodol(ertek)});
    }
    return ki;
}

void KapcsolatokIr(const QString& iniFajl, const QStringList& szovegek)
{
    IniAllomany ini(iniFajl);
    for (int n = 1; n <= KapcsolatKulcsokSzama; ++n)
        ini.torol(szakasz, kulcsNev(n));
    int n = 0;
    for (const QString& s : szovegek) {
        if (++n > KapcsolatKulcsokSzama)
            break;
        // The list window's form closes the sixth field with ";" as well.
        QString sima = s;
        if (sima.count(QLatin1Char(';')) < 6)
            sima += QLatin1Char(';');
        ini.ir(szakasz, kulcsNev(n), Kodol(sima));
    }
    ini.ment();
}

void ElsoKapcsolatIr(const QString& iniFajl, const QString& szoveg)
{
    IniAllomany ini(iniFajl);
    ini.ir(szakasz, kulcsNev(1), Kodol(szoveg));
    ini.ment();
}

void KapcsolatValasztoSorok(const QList<KapcsolatBejegyzes>& bejegyzesek, QStringList& sorok,
                            QStringList& kapcsolatok)
{
    for (const KapcsolatBejegyzes& b : bejegyzesek) {
        const QString nev = Mezo(QStringLiteral(";"), b.szoveg, 6);
        if (nev.isEmpty())
            continue;
        sorok.append(QString::number(b.kulcs) + QStringLiteral("; ") + nev);
        kapcsolatok.append(b.szoveg);
    }
}

QString KapcsolatTesztel(const KapcsolatAdat& adat, bool verzioOlvas)
{
    const QString nev = QStringLiteral("vexlof_kapcsolat_teszt");
    QString verzio;
    {
        QSqlDatabase db = Kapcsolat::nyit(adat, nev);
        if (verzioOlvas) {
            try {
                verzio =
                    SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString(), db);
            } catch (const DbHiba&) {
                // A database without the version table still connects.
            }
        }
    }
    Kapcsolat::bezar(nev);
    return verzio;
}
