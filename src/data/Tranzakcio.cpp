#include "Tranzakcio.h"

#include "DbHiba.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <exception>

namespace
{

struct Allapot {
    int melyseg = 0;
    // The transaction may only be rolled back: an inner scope failed, or the
    // server ended it.
    bool csakVisszavonas = false;
    // The server no longer holds the transaction (deadlock, lost connection).
    bool megszakadt = false;
    int megszakadtKod = 0;
    bool ujrakapcsolodik = false;
};

// Per thread: a connection belongs to the thread that opened it.
QHash<QString, Allapot>& allapotok()
{
    thread_local QHash<QString, Allapot> m;
    return m;
}

// Runs one of the guard's own statements; the driver's error when it fails.
bool utasitas(const QSqlDatabase& db, const QString& sql, DbHiba* hiba = nullptr)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (hiba)
        *hiba = DbHiba::driverbol(q.lastError(), sql);
    return false;
}

const QString KEZD = QStringLiteral("SET autocommit = 0;");
const QString VEGE = QStringLiteral("SET autocommit = 1;");

// Ends the outermost guard's hold on the connection: the client may restore
// a lost connection again, and one lost inside the transaction is restored
// now.
void lezar(const QSqlDatabase& db, Allapot& a, bool elveszhetett)
{
    const bool ujra = a.ujrakapcsolodik;
    a = Allapot();
    if (!ujra)
        return;
    Kapcsolat::automatikusUjrakapcsolodas(db, true);
    if (elveszhetett)
        Kapcsolat::ellenoriz(db);
}

} // namespace

Tranzakcio::Tranzakcio(QSqlDatabase db) : m_db(db), m_kivetelek(std::uncaught_exceptions())
{
    Allapot& a = allapotok()[m_db.connectionName()];
    m_kulso = a.melyseg == 0;
    if (m_kulso) {
        if (!m_db.isValid() || !m_db.isOpen())
            throw DbHiba(QStringLiteral("Nincs nyitott adatbázis-kapcsolat."),
                         QStringLiteral("START TRANSACTION"));
        a = Allapot();
        a.ujrakapcsolodik = Kapcsolat::ujrakapcsolodik(m_db);
        // Between transactions a lost connection may be restored; from here
        // on it may not.
        if (a.ujrakapcsolodik)
            Kapcsolat::ellenoriz(m_db);
        Kapcsolat::automatikusUjrakapcsolodas(m_db, false);
        // autocommit off rather than START TRANSACTION: after anything that
        // ends the transaction early the next statement still does not
        // commit by itself, and the procedures see @@autocommit = 0 and join
        // this transaction instead of opening (and committing) their own.
        DbHiba hiba{QString()};
        if (!utasitas(m_db, KEZD, &hiba)) {
            lezar(m_db, a, true);
            throw hiba;
        }
    }
    ++a.melyseg;
}

Tranzakcio::~Tranzakcio() noexcept(false)
{
    Allapot& a = allapotok()[m_db.connectionName()];
    --a.melyseg;
    const bool kivetellel = std::uncaught_exceptions() > m_kivetelek;
    if (!m_kulso) {
        if (kivetellel)
            a.csakVisszavonas = true;
        return;
    }
    const auto visszavon = [this] {
        const bool ok = utasitas(m_db, QStringLiteral("ROLLBACK;"));
        return utasitas(m_db, VEGE) && ok;
    };
    if (kivetellel) {
        const bool ok = visszavon();
        lezar(m_db, a, !ok || a.megszakadt);
        return;
    }
    if (a.csakVisszavonas) {
        const bool megszakadt = a.megszakadt;
        const int kod = a.megszakadtKod;
        const bool ok = visszavon();
        lezar(m_db, a, !ok || megszakadt);
        throw DbHiba(megszakadt
                         ? QStringLiteral("A tranzakció megszakadt, semmi sem került mentésre.")
                         : QStringLiteral("A művelet egy része nem sikerült, ezért semmi sem "
                                          "került mentésre."),
                     QStringLiteral("ROLLBACK"), kod);
    }
    DbHiba hiba{QString()};
    if (!utasitas(m_db, QStringLiteral("COMMIT;"), &hiba)) {
        visszavon();
        lezar(m_db, a, true);
        throw hiba;
    }
    lezar(m_db, a, !utasitas(m_db, VEGE));
}

bool Tranzakcio::nyitott(const QSqlDatabase& db)
{
    const auto it = allapotok().constFind(db.connectionName());
    return it != allapotok().constEnd() && it->melyseg > 0;
}

void Tranzakcio::utasitasHiba(const QSqlDatabase& db, int kod, const QString& utasitas)
{
    const auto it = allapotok().find(db.connectionName());
    if (it == allapotok().end() || it->melyseg == 0)
        return;
    // A failed statement is undone by the server on its own; a procedure
    // that failed half-way may leave its first steps in the transaction.
    if (utasitas.trimmed().startsWith(QLatin1String("CALL"), Qt::CaseInsensitive))
        it->csakVisszavonas = true;
    if (kod == 1213 || Kapcsolat::kapcsolatVesztes(kod)) {
        it->csakVisszavonas = true;
        if (!it->megszakadt) {
            it->megszakadt = true;
            it->megszakadtKod = kod;
        }
    }
}

void Tranzakcio::futtathato(const QSqlDatabase& db, const QString& utasitas)
{
    const auto it = allapotok().constFind(db.connectionName());
    if (it != allapotok().constEnd() && it->melyseg > 0 && it->megszakadt)
        throw DbHiba(QStringLiteral("A tranzakció megszakadt; az utasítás nem fut a tranzakción "
                                    "kívül."),
                     utasitas, it->megszakadtKod);
}

bool IsmetelhetoHiba(const DbHiba& hiba)
{
    return hiba.kod() == 1213 || hiba.kod() == 1205;
}

void TranzakcioIsmetel(const std::function<void()>& munka, int probak, QSqlDatabase db)
{
    if (Tranzakcio::nyitott(db)) {
        Tranzakcio t(db);
        munka();
        return;
    }
    for (int proba = 1;; ++proba) {
        try {
            Tranzakcio t(db);
            munka();
            return; // the guard commits on the way out; a failed COMMIT lands below
        } catch (const DbHiba& h) {
            if (proba >= probak || !IsmetelhetoHiba(h))
                throw;
        }
        const int alap = 10 << std::min(proba - 1, 4);
        QThread::msleep(alap + QRandomGenerator::global()->bounded(alap));
    }
}
