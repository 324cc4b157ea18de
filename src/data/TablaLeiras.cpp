#include "TablaLeiras.h"

#include "DbHiba.h"
#include "Hiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "UjAzon.h"

#include <QSqlRecord>

int TablaLeiras::oszlopIndex(const QString& mezo) const
{
    for (int i = 0; i < oszlopok.size(); ++i)
        if (oszlopok[i].mezo == mezo)
            return i;
    return -1;
}

QString TablaLeiras::keresFeltetel(const QString& kereses) const
{
    QString f = alapFeltetel;
    if (!kereses.isEmpty() && !keresoMezok.isEmpty()) {
        const QString minta = SqlIdez(QLatin1Char('%') + kereses + QLatin1Char('%'));
        QStringList tagok;
        for (const QString& m : keresoMezok)
            tagok << QLatin1Char('(') + m + QLatin1String(" LIKE ") + minta + QLatin1Char(')');
        f += QLatin1String(" AND (") + tagok.join(QLatin1String(" OR ")) + QLatin1Char(')');
    }
    return f;
}

QString TablaLeiras::listaSql(const QString& rendezes, const QString& kereses) const
{
    QStringList sorok = lista;
    if (!alapFeltetel.isEmpty())
        sorok = SqlSorok(WhereCsere(sorok, keresFeltetel(kereses), true));
    if (!rendezes.isEmpty()) {
        // The key breaks ties, so equal values keep one order between reads.
        const QString k = rendezes == kulcs
                              ? kulcs
                              : rendezes + QLatin1Char(',') + tabla + QLatin1Char('.') + kulcs;
        sorok = SqlSorok(OrderByCsere(sorok, k));
    }
    return sorok.join(QLatin1Char('\n'));
}

QString TablaLeiras::hasznalatLekerdezes(int kulcsErtek) const
{
    if (hasznalatSql.isEmpty())
        return {};
    return hasznalatSql + QString::number(kulcsErtek) + QLatin1String(") AND (torolve='N');");
}

QString TablaLeiras::torlesSql(int kulcsErtek) const
{
    if (puhaTorles)
        return QLatin1String("UPDATE ") + tabla + QLatin1String(" SET torolve='I' WHERE ") + kulcs +
               QLatin1Char('=') + QString::number(kulcsErtek) + QLatin1Char(';');
    return QLatin1String("DELETE FROM ") + tabla + QLatin1String(" WHERE ") + kulcs +
           QLatin1Char('=') + QString::number(kulcsErtek) + QLatin1Char(';');
}

QString TablaLeiras::beszurSql(const QVariantMap& ertekek) const
{
    QStringList mezok, ert;
    for (auto i = ertekek.cbegin(); i != ertekek.cend(); ++i) {
        mezok << i.key();
        ert << SqlErtek(i.value());
    }
    return QLatin1String("INSERT INTO ") + tabla + QLatin1String(" (") +
           mezok.join(QLatin1Char(',')) + QLatin1String(") VALUES (") + ert.join(QLatin1Char(',')) +
           QLatin1String(");");
}

QString TablaLeiras::modositSql(const QVariantMap& ertekek, int kulcsErtek) const
{
    QStringList tagok;
    for (auto i = ertekek.cbegin(); i != ertekek.cend(); ++i)
        tagok << i.key() + QLatin1Char('=') + SqlErtek(i.value());
    return QLatin1String("UPDATE ") + tabla + QLatin1String(" SET ") +
           tagok.join(QLatin1Char(',')) + QLatin1String(" WHERE ") + kulcs + QLatin1Char('=') +
           QString::number(kulcsErtek) + QLatin1Char(';');
}

QString SqlErtek(const QVariant& ertek)
{
    if (!ertek.isValid() || ertek.isNull())
        return QStringLiteral("NULL");
    switch (ertek.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(ertek.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return SzamSql(ertek.toDouble());
    case QMetaType::Bool:
        return ertek.toBool() ? QStringLiteral("'I'") : QStringLiteral("'N'");
    default:
        return SqlIdez(ertek.toString());
    }
}

bool JogVan(JogFajta jog, const TJog& j)
{
    switch (jog) {
    case JogFajta::Nincs:
        return true;
    case JogFajta::Torzsszerkeszt:
        return j.torzsszerkeszt;
    case JogFajta::Rendszergazda:
        return j.rendszergazda;
    }
    return false;
}

QHash<QString, int> MezoHosszak(const QString& tabla)
{
    QHash<QString, int> h;
    QSqlQuery q = SqlNyit(
        QLatin1String("SELECT COLUMN_NAME, CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS"
                      " WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME=") +
        SqlIdez(tabla) +
        QLatin1String(
            " AND DATA_TYPE IN ('char','varchar') AND CHARACTER_MAXIMUM_LENGTH IS NOT NULL;"));
    while (q.next())
        h.insert(q.value(0).toString(), q.value(1).toInt());
    return h;
}

QString HosszHiba(const QVariantMap& ertekek, const QHash<QString, int>& hosszak,
                  const QHash<QString, QString>& cimkek)
{
    for (auto i = ertekek.cbegin(); i != ertekek.cend(); ++i) {
        const auto h = hosszak.constFind(i.key());
        if (h == hosszak.cend() || i.value().isNull())
            continue;
        if (i.value().toString().size() > *h) {
            const QString nev = cimkek.value(i.key(), i.key());
            return QStringLiteral("A(z) \"%1\" mező legfeljebb %2 karakter lehet (most %3).")
                .arg(nev)
                .arg(*h)
                .arg(i.value().toString().size());
        }
    }
    return {};
}

int SorMent(const TablaLeiras& l, QVariantMap ertekek, int kulcsErtek, int ajanlott,
            const QHash<QString, QString>& cimkek)
{
    const QString hiba = HosszHiba(ertekek, MezoHosszak(l.tabla), cimkek);
    if (!hiba.isEmpty())
        throw Hiba(hiba);

    const QVariant k = ertekek.value(l.kulcs);
    const int gepelt = k.isNull() ? 0 : k.toInt();
    if (kulcsErtek >= 0) {
        if (l.kulcsMod == KulcsMod::Szerver || !ertekek.contains(l.kulcs) || gepelt <= 0) {
            ertekek.remove(l.kulcs);
            SqlFuttat(l.modositSql(ertekek, kulcsErtek));
            return kulcsErtek;
        }
        SqlFuttat(l.modositSql(ertekek, kulcsErtek));
        return gepelt;
    }

    switch (l.kulcsMod) {
    case KulcsMod::Szerver: {
        ertekek.remove(l.kulcs);
        QSqlQuery q = SqlNyit(l.beszurSql(ertekek));
        return q.lastInsertId().toInt();
    }
    case KulcsMod::Kovetkezo:
    case KulcsMod::Gepelt:
        if (gepelt > 0 && gepelt != ajanlott) {
            // A key the operator typed: a duplicate is theirs to mend.
            if (l.kulcsKapott)
                l.kulcsKapott(ertekek, gepelt);
            SqlFuttat(l.beszurSql(ertekek));
            return gepelt;
        }
        return UjSorBeszur(
            l.tabla, l.kulcs,
            [&](int n) {
                ertekek.insert(l.kulcs, n);
                if (l.kulcsKapott)
                    l.kulcsKapott(ertekek, n);
                return l.beszurSql(ertekek);
            },
            gepelt > 0 ? gepelt : 0);
    }
    return -1;
}

QString HasznalatHiba(const TablaLeiras& l, int kulcsErtek)
{
    const QString sql = l.hasznalatLekerdezes(kulcsErtek);
    if (sql.isEmpty())
        return {};
    const QString sor = SqlSzoveg(sql, QString());
    if (sor.isEmpty())
        return {};
    return l.hasznalatUzenet + QLatin1Char('\n') + sor;
}
