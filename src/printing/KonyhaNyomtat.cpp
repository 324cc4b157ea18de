#include "KonyhaNyomtat.h"

#include "Beall.h"
#include "HibaKezeles.h"
#include "KonyhaJegy.h"
#include "KozosDB.h"
#include "Nyomtato.h"
#include "RawNyomtatas.h"
#include "RiportNyomtat.h"
#include "SzovegNyomtat.h"
#include "Uzenetek.h"
#include "rpt_KonyhaBlokk.h"

void KonyhaNyomtat(int asztal, QWidget* szulo)
{
    const QList<KonyhaSor> sorok = KonyhaSorokBetolt(asztal);
    const QString asztalNev = AsztalNev(asztal);
    const QList<KonyhaJegy> jegyek = KonyhaJegyek(sorok, Beall.tulajdonos, asztalNev,
                                                  NyomtatoBetolt, QDateTime::currentDateTime());
    for (const KonyhaJegy& j : jegyek)
        SzovegNyomtatMutat(j.profil, j.sorok, j.direkt, szulo);
    SqlFuttat(QStringLiteral("CALL sp_rnyomupd(") + QString::number(asztal) + QStringLiteral(");"));
}

void KonyhaRiport(int n, int asztal, QWidget* szulo)
{
    if (!Beall.konyhablokknyomtat)
        return;
    const bool keskeny = Beall.keskenyblokk;
    KonyhaBlokkAdat a;
    a.tulajdonos = Beall.tulajdonos;
    a.cim = Beall.TulCim;
    a.telefon = Beall.TulTel;
    a.betuMeret = keskeny ? Beall.KonyhaBlokk60FontSize : Beall.KonyhaBlokkFontSize;
    a.cimSor = KonyhaCim(n, asztal, keskeny);
    a.ido = QDateTime::currentDateTime();
    const RAdat adat = RAdatBetolt(QStringLiteral("CALL sp_rnyom2(") + QString::number(asztal) +
                                   QLatin1Char(',') + QString::number(n) + QStringLiteral(");"));
    if (adat.sorDarab() == 0)
        return;
    const RDokumentum doc = RiportKeszit(keskeny ? TqrKonyhaBlokk60(a) : TqrKonyhaBlokk(a), adat);

    TNyomtato ny;
    NyomtatoBetolt(n, ny);
    // A ticket is never lost: without a usable printer it opens in the
    // preview, where it can be printed elsewhere.
    if (ny.nyomtato_nev.isEmpty()) {
        if (!keskeny)
            Figyelmeztetes(QStringLiteral("Nincs megadva nyomtató"), szulo);
        RiportElonezet(doc, szulo);
    } else if (!RiportNyomtatoVan(ny.nyomtato_nev)) {
        if (!keskeny)
            Figyelmeztetes(QStringLiteral("Ismeretlen nyomtató: ") + ny.nyomtato_nev, szulo);
        RiportElonezet(doc, szulo);
    } else {
        QString hiba;
        if (!RiportNyomtat(doc, ny.nyomtato_nev, &hiba)) {
            HibaMutat(NyomtatasHiba(hiba), szulo);
            RiportElonezet(doc, szulo);
        }
    }
}
