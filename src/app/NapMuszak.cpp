#include "NapMuszak.h"

#include "Beall.h"
#include "BlokkSzoveg.h"
#include "KozosDB.h"
#include "Seged.h"
#include "Uzenetek.h"

bool NapNyitasLepesek(int muszak, const QDate& nap, QWidget* szulo)
{
    AktNap = QDate();
    if (nap > QDate::currentDate()) {
        HibaUzenet(QStringLiteral("Helytelen dátum, következő nap nem nyitható."), szulo);
        return false;
    }
    AktNap = nap;
    AktMuszak = muszak;
    QDate nyitottNap;
    int nyitottMuszak = 0;
    if (NyitottNapKeres(nyitottNap, nyitottMuszak)) {
        AktNap = nyitottNap;
        AktMuszak = nyitottMuszak;
        if (nyitottNap != nap || nyitottMuszak != muszak)
            HibaUzenet(QStringLiteral("Van még nyitott nap: ") +
                           DatumFormat(nyitottNap, QStringLiteral("yyyy.mm.dd")) +
                           QStringLiteral(" Először le kell zárni."),
                       szulo);
    } else {
        SqlFuttat(QStringLiteral("INSERT IGNORE INTO naplezar (nap,muszak,lezarva) VALUES (") +
                  SqlDatum(nap) + QLatin1Char(',') + QString::number(muszak) + QLatin1Char(',') +
                  QStringLiteral("'N'") + QStringLiteral(");"));
    }
    return true;
}

NapZarasEredmeny NapZaras(QWidget* szulo)
{
    if (MuszakLezarva()) {
        HibaUzenet(QStringLiteral("Műszak már le lett zárva"), szulo);
        return NapZarasEredmeny::MarLezarva;
    }
    if (!Jog.napzar) {
        HibaUzenet(QStringLiteral("Nincs hozzá jogosultság"), szulo);
        return NapZarasEredmeny::NincsJog;
    }
    if (SqlEgesz(QStringLiteral(
                     "SELECT COUNT(fizetve) FROM rendelma WHERE (fizetve='N') AND (torolve='N');"),
                 0) > 0) {
        HibaUzenet(QStringLiteral("Van még kifizetetlen rendelés. Zárás sikertelen."), szulo);
        return NapZarasEredmeny::Kifizetetlen;
    }
    if (!Megerosites(QStringLiteral("Valóban lezárjam a napot?"), QStringLiteral("Megerősítés"),
                     szulo))
        return NapZarasEredmeny::Megsem;
    SqlFuttat(NapZarSql(AktNap, AktMuszak));
    Uzenet(QStringLiteral("A nap lezárása kész."), szulo);
    return NapZarasEredmeny::Lezarva;
}

QStringList LenemzartLista()
{
    QSqlQuery q = SqlNyit(QStringList{
        QStringLiteral("SELECT"), QStringLiteral(" nap, muszak"), QStringLiteral("FROM naplezar"),
        QStringLiteral("WHERE lezarva='N'"), QStringLiteral("ORDER BY 1;")}
                              .join(QLatin1Char('\n')));
    QStringList lista;
    FejlecHozzaad(lista, QStringLiteral("Le nem zárt műszakok"));
    while (q.next())
        lista << DatumFormat(q.value(0).toDate(), QStringLiteral("yyyy.mm.dd")) +
                     QStringLiteral(": ") + Szoveg(q.value(1)) + QStringLiteral(". műszak");
    LablecHozzaad(lista);
    return lista;
}
