#include "RegiAdatok.h"

#include "Adatbazisok.h"
#include "Datumbe.h"
#include "DbHiba.h"
#include "HibaKezeles.h"
#include "KozosDB.h"
#include "Seged.h"
#include "Uzenetek.h"

namespace
{
const QString felirat = QStringLiteral("Régi adatok törlése");
}

QString RegiAdatokNaploSzoveg(const QDate& datum)
{
    return felirat + QStringLiteral(": ") + SqlDatum(datum);
}

QString RegiAdatokUtasitas(const QDate& datum)
{
    return QStringLiteral("CALL sp_torol(") + SqlDatum(datum) + QStringLiteral(");");
}

QDate RegiAdatokAlapDatum(const QDate& ma)
{
    return ma.addMonths(-3);
}

void RegiAdatokTorol(const QDate& datum)
{
    // sp_torol manages its own transaction: no Tranzakcio around it.
    Naploz(RegiAdatokNaploSzoveg(datum));
    SqlFuttat(RegiAdatokUtasitas(datum));
}

bool RegiAdatokTorlese(QWidget* szulo)
{
    QDate datum = RegiAdatokAlapDatum();
    if (!DatumKer(datum, QString(), szulo))
        return false;
    // "Old" data ends before today at the latest: a mistyped later year
    // would purge the whole history.
    if (datum > QDate::currentDate()) {
        HibaUzenet(QStringLiteral("A dátum nem lehet későbbi a mai napnál."), szulo);
        return false;
    }
    if (!Megerosites(
            QStringLiteral(
                "Valóban töröljem a régi adatokat?\r\nA művelet végleges törlést eredményez!"),
            QStringLiteral("Megerősítés"), szulo))
        return false;
    return HibaKezel(szulo, [&] { RegiAdatokTorol(datum); });
}
