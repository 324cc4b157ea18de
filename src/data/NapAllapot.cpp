#include "NapAllapot.h"

#include "KozosDB.h"
#include "Seged.h"

namespace
{

QString lezarvaSql(const QDate& nap, int muszak)
{
    return QStringLiteral("SELECT lezarva FROM naplezar WHERE (nap=") + SqlDatum(nap) +
           QStringLiteral(") AND (muszak=") + QString::number(muszak) + QStringLiteral(");");
}

} // namespace

bool MuszakLezarva()
{
    if (!AktNap.isValid())
        return true;
    return SqlSzoveg(lezarvaSql(AktNap, AktMuszak), QString()) == QLatin1String("I");
}

bool NapLezarva(int muszak, const QDate& nap)
{
    return SqlSzoveg(lezarvaSql(nap, muszak), QStringLiteral("I")) == QLatin1String("I");
}

bool NyitottNapKeres(QDate& nap, int& muszak)
{
    QSqlQuery q = SqlNyit(QStringLiteral("SELECT naplezar.* FROM naplezar WHERE lezarva='N';"));
    if (!q.next())
        return false;
    const QVariant n = q.value(QStringLiteral("nap"));
    if (n.isNull() || !n.toDate().isValid())
        return false;
    nap = n.toDate();
    muszak = q.value(QStringLiteral("muszak")).toInt();
    return true;
}

QString NapZarSql(const QDate& nap, int muszak)
{
    return QStringLiteral("CALL sp_napzar(") + SqlDatum(nap) + QLatin1Char(',') +
           QString::number(muszak) + QStringLiteral(");");
}

QString AllapotFelirat(const QDate& nap, int muszak)
{
    if (!nap.isValid())
        return QStringLiteral("Nincs megnyitott nap");
    return DatumFormat(nap, QStringLiteral("yyyy.mmmm.dd")) + QStringLiteral(" - ") +
           QString::number(muszak) + QStringLiteral(". műszak");
}

QString AllapotSzoveg(bool lezarva, const QString& felhasznalo)
{
    return (lezarva ? QStringLiteral("Lezárva") : QStringLiteral("Nyitott")) + QLatin1Char('\n') +
           QStringLiteral("Bejelentkezett: ") + felhasznalo;
}
