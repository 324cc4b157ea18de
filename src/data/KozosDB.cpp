#include "KozosDB.h"

#include "Beall.h"
#include "DbHiba.h"
#include "Seged.h"
#include "Tranzakcio.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>
#include <climits>

QSqlQuery SqlNyit(const QString& sql, QSqlDatabase db)
{
    if (!db.isValid() || !db.isOpen())
        throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."), sql);
    // Inside a transaction the server has ended (deadlock, lost connection)
    // a statement would run on its own: refused.
    Tranzakcio::futtathato(db, sql);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(sql))
        return q;
    const DbHiba hiba = DbHiba::driverbol(q.lastError(), sql);
    Tranzakcio::utasitasHiba(db, hiba.kod(), sql);
    // The server of the main connection went away between transactions and
    // its entry lists other cluster nodes: the connection opens on the next
    // one and the statement runs there, unless it may have run already (a
    // change that lost its answer is reported instead).
    if (db.connectionName() != Kapcsolat::foNev() || !Kapcsolat::foTobbGep() ||
        !Kapcsolat::csomopontValtas(hiba.kod()) || Tranzakcio::nyitott(db))
        throw hiba;
    q = QSqlQuery();
    try {
        Kapcsolat::foUjranyit();
    } catch (const DbHiba&) {
        throw hiba;
    }
    static const QRegularExpression olvaso(QStringLiteral("^\\s*(SELECT|SHOW)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    if ((hiba.kod() == 2013 || hiba.kod() == 2055) && !olvaso.match(sql).hasMatch())
        throw hiba;
    QSqlQuery ujra(Kapcsolat::fo());
    ujra.setForwardOnly(true);
    if (!ujra.exec(sql))
        throw DbHiba::driverbol(ujra.lastError(), sql);
    return ujra;
}

void SqlFuttat(const QString& sql, QSqlDatabase db)
{
    SqlNyit(sql, db);
}

namespace
{

QVariant elsoErtek(const QString& sql, QSqlDatabase db)
{
    QSqlQuery q = SqlNyit(sql, db);
    if (!q.next())
        return QVariant();
    return q.value(0);
}

} // namespace

int SqlEgesz(const QString& sql, int alap, QSqlDatabase db)
{
    const QVariant v = elsoErtek(sql, db);
    if (v.isNull())
        return alap;
    bool ok = false;
    const qlonglong i = v.toString().trimmed().toLongLong(&ok);
    if (!ok || i < INT_MIN || i > INT_MAX)
        return alap;
    return int(i);
}

QString SqlSzoveg(const QString& sql, const QString& alap, QSqlDatabase db)
{
    const QVariant v = elsoErtek(sql, db);
    if (v.isNull())
        return alap;
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.metaType().id() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

double SqlSzam(const QString& sql, double alap, QSqlDatabase db)
{
    const QVariant v = elsoErtek(sql, db);
    if (v.isNull())
        return alap;
    // The server's text always carries a decimal point, whatever the
    // workstation's separator is.
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : alap;
}

QDateTime DatumIdoSzovegbol(const QString& s0)
{
    QString s = s0;
    QDate datum;
    if (s.size() > 9) {
        const int ev = s.mid(0, 4).toInt();
        const int ho = s.mid(5, 2).toInt();
        const int nap = s.mid(8, 2).toInt();
        if (ev > 0 && ho > 0 && nap > 0)
            datum = QDate(ev, ho, nap);
        s = s.mid(11, 8);
    }
    QTime ido(0, 0);
    if (s.size() > 7)
        ido = QTime(s.mid(0, 2).toInt(), s.mid(3, 2).toInt(), s.mid(6, 2).toInt());
    else if (!datum.isValid())
        return QDateTime();
    return QDateTime(datum, ido);
}

QDateTime SqlDatumIdo(const QString& sql, const QDateTime& alap, QSqlDatabase db)
{
    const QVariant v = elsoErtek(sql, db);
    if (v.isNull())
        return alap;
    QString s;
    if (v.metaType().id() == QMetaType::QDateTime)
        s = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    else if (v.metaType().id() == QMetaType::QDate)
        s = v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    else
        s = v.toString();
    const QDateTime d = DatumIdoSzovegbol(s);
    return d.isValid() || d.time().isValid() ? d : alap;
}

int KovetkezoAzon(const QString& oszlop, const QString& tabla)
{
    const QString t = tabla.isEmpty() ? oszlop : tabla;
    return SqlEgesz(QLatin1String("SELECT MAX(") + oszlop + QLatin1String(") AS maxid FROM ") + t +
                        QLatin1Char(';'),
                    0) +
           1;
}

void ListaFeltolt(QStringList& lista, const QString& sql)
{
    QSqlQuery q = SqlNyit(sql);
    while (q.next())
        lista.append(q.value(0).isNull() ? QString() : q.value(0).toString());
}

QString RekordSzamlalo(int darab, int aktualis)
{
    return QString::number(darab) + QLatin1String(": ") + QString::number(aktualis);
}

void AdatExport(QSqlQuery& lekerdezes, QStringList& lista)
{
    const QSqlRecord rec = lekerdezes.record();
    QString fej;
    for (int i = 0; i < rec.count(); ++i)
        fej += rec.fieldName(i) + QLatin1Char(';');
    lista.append(fej);
    if (!lekerdezes.isForwardOnly())
        lekerdezes.seek(-1);
    while (lekerdezes.next()) {
        QString sor;
        for (int i = 0; i < rec.count(); ++i) {
            QString v = Szoveg(lekerdezes.value(i));
            v.replace(QLatin1Char(';'), QLatin1Char(','));
            sor += v + QLatin1Char(';');
        }
        lista.append(sor);
    }
}

QString AsztalNev(int asztal)
{
    return SqlSzoveg(QLatin1String("SELECT asztal_nev FROM asztal WHERE asztal=") +
                         QString::number(asztal) + QLatin1Char(';'),
                     QString());
}

QString UgyfelNev(int ugyfel)
{
    return SqlSzoveg(QLatin1String("SELECT ugyfel_nev FROM ugyfel WHERE ugyfel=") +
                         QString::number(ugyfel) + QLatin1Char(';'),
                     QString());
}

QString MertNev(int mert)
{
    return SqlSzoveg(QLatin1String("SELECT mert_nev FROM mert WHERE mert=") +
                         QString::number(mert) + QLatin1Char(';'),
                     QString());
}

QString CikkatNev(int cikkat)
{
    return SqlSzoveg(QLatin1String("SELECT cikkat_nev FROM cikkat WHERE cikkat=") +
                         QString::number(cikkat) + QLatin1Char(';'),
                     QString());
}

QString BesorolasNev(int besorolas)
{
    return SqlSzoveg(QLatin1String("SELECT besorolas_nev FROM besorolas WHERE besorolas=") +
                         QString::number(besorolas) + QLatin1Char(';'),
                     QString());
}

void Naploz(const QString& mit)
{
    SqlFuttat(QLatin1String("INSERT INTO naplozas (felhasznalo,mit) VALUES (") +
              SqlIdez(Jog.felhasznalo) + QLatin1Char(',') + SqlIdez(mit) + QLatin1String(");"));
}

QString Forditas(const QString& szoveg)
{
    // No translation source exists; every language number leaves the text as
    // it is.
    return szoveg;
}

int UjAzonnalBeszur(const QString& oszlop, const QString& tabla,
                    const std::function<void(int)>& beszur)
{
    const int kiserletek = 8;
    for (int i = 1;; ++i) {
        const int azon = KovetkezoAzon(oszlop, tabla);
        try {
            beszur(azon);
            return azon;
        } catch (const DbHiba& h) {
            const bool utkozes = h.kod() == 1062 || h.kod() == 1213;
            if (!utkozes || i >= kiserletek || Tranzakcio::nyitott(Kapcsolat::fo()))
                throw;
        }
        // The other writer's row arrives meanwhile; a short, growing pause
        // keeps two retrying writers from meeting again.
        QThread::msleep(20 * i + QRandomGenerator::global()->bounded(20));
    }
}
