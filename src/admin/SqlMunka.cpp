#include "SqlMunka.h"

#include "DbHiba.h"
#include "Kapcsolat.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SqlSzkript.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

// --- The in-memory result ------------------------------------------------------

EredmenyModell::EredmenyModell(QSharedPointer<SqlEredmeny> eredmeny, QObject* szulo)
    : QAbstractTableModel(szulo), m_e(std::move(eredmeny))
{
}

int EredmenyModell::rowCount(const QModelIndex& p) const
{
    return p.isValid() ? 0 : int(m_e->sorok.size());
}

int EredmenyModell::columnCount(const QModelIndex& p) const
{
    return p.isValid() ? 0 : m_e->rekord.count();
}

QVariant EredmenyModell::data(const QModelIndex& i, int role) const
{
    if (!i.isValid() || i.row() >= m_e->sorok.size())
        return {};
    const QVariant& v = m_e->sorok.at(i.row()).value(i.column());
    if (role == Qt::EditRole)
        return v;
    if (role == Qt::DisplayRole) {
        if (v.isNull())
            return QString();
        if (v.metaType().id() == QMetaType::QByteArray)
            return QStringLiteral("(BLOB)");
        return HataroltIro::ertekSzoveg(v);
    }
    if (role == Qt::TextAlignmentRole) {
        switch (m_e->rekord.field(i.column()).metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            break;
        }
    }
    return {};
}

QVariant EredmenyModell::headerData(int s, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::UserRole))
        return m_e->rekord.fieldName(s);
    if (o == Qt::Vertical && role == Qt::DisplayRole)
        return s + 1;
    return {};
}

QStringList AdatExportModell(const QAbstractItemModel* modell)
{
    auto* m = const_cast<QAbstractItemModel*>(modell);
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
    QStringList ki;
    QString fej;
    for (int c = 0; c < modell->columnCount(); ++c)
        fej += modell->headerData(c, Qt::Horizontal).toString() + QLatin1Char(';');
    ki.append(fej);
    for (int r = 0; r < modell->rowCount(); ++r) {
        QString sor;
        for (int c = 0; c < modell->columnCount(); ++c) {
            const QVariant v = modell->data(modell->index(r, c), Qt::EditRole);
            QString t = v.metaType().id() == QMetaType::QByteArray ? QStringLiteral("BLOB")
                                                                   : HataroltIro::ertekSzoveg(v);
            t.replace(QLatin1Char(';'), QLatin1Char(','));
            sor += t + QLatin1Char(';');
        }
        ki.append(sor);
    }
    return ki;
}

QList<OszlopFajta> OszlopFajtak(const QSqlRecord& rekord)
{
    QList<OszlopFajta> ki;
    for (int i = 0; i < rekord.count(); ++i) {
        const QSqlField f = rekord.field(i);
        if (f.metaType().id() == QMetaType::QByteArray)
            ki.append(OszlopFajta::Blob);
        else if (f.metaType().id() == QMetaType::QString && (f.length() < 0 || f.length() > 255))
            ki.append(OszlopFajta::Memo);
        else
            ki.append(OszlopFajta::Normal);
    }
    return ki;
}

bool LekerdezesE(const QString& sql)
{
    // Leading comments and white space do not count.
    static const QRegularExpression eleje(
        QStringLiteral("^(\\s+|--[^\\n]*(\\n|$)|#[^\\n]*(\\n|$)|/\\*.*?\\*/)*"),
        QRegularExpression::DotMatchesEverythingOption);
    QString t = sql;
    const auto m = eleje.match(t);
    if (m.hasMatch())
        t = t.mid(m.capturedLength());
    t = t.left(12).toUpper();
    for (const char* k : {"SELECT", "SHOW", "DESC", "EXPLAIN", "WITH", "("})
        if (t.startsWith(QLatin1String(k)))
            return true;
    return false;
}

QStringList KonzolUtasitasok(const QString& sql)
{
    SqlSzkript s = SqlSzkript::elemez(sql);
    if (!s.ervenyes()) {
        // As the mariadb client does, the end of the text ends the last
        // statement.
        const SqlSzkript zart = SqlSzkript::elemez(sql + QStringLiteral("\n;"));
        if (!zart.ervenyes())
            throw DbHiba(s.hiba());
        s = zart;
    }
    QStringList ki;
    for (const auto& u : s.utasitasok())
        ki.append(u.szoveg);
    return ki;
}

// --- The worker ------------------------------------------------------------------

class SqlMunkas : public QObject
{
public:
    explicit SqlMunkas(SqlMunka* munka) : m_munka(munka) {}
    ~SqlMunkas() override { bezar(); }

    void bezar()
    {
        if (m_nev.isEmpty())
            return;
        Kapcsolat::bezar(m_nev);
        m_nev.clear();
    }

    void futtat(int mod, const QString& sql)
    {
        if (mod == 2) {
            // Connects ahead, so that the first statement can be cancelled.
            try {
                kapcsolat();
            } catch (const Hiba&) {
                // Reported by the first statement.
            }
            return;
        }
        try {
            QSqlDatabase db = kapcsolat();
            if (m_munka->m_megszakitva)
                throw Hiba(QStringLiteral("A lekérdezés megszakítva."));
            if (mod == 0)
                lekerdez(db, sql);
            else
                szkript(db, sql);
        } catch (const Hiba& h) {
            QString u = h.uzenet();
            if (m_munka->m_megszakitva)
                u = QStringLiteral("A lekérdezés megszakítva.");
            emit m_munka->hiba(u);
        }
        emit m_munka->vege();
    }

private:
    QSqlDatabase kapcsolat()
    {
        if (!m_nev.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::database(m_nev, false);
            if (db.isOpen())
                return db;
            bezar();
        }
        static std::atomic<int> sorszam{0};
        const QString nev = QStringLiteral("sqlkonzol_") + QString::number(++sorszam);
        QSqlDatabase db = QSqlDatabase::cloneDatabase(Kapcsolat::foNev(), nev);
        if (!db.open()) {
            const DbHiba h = DbHiba::driverbol(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nev);
            throw h;
        }
        m_nev = nev;
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT CONNECTION_ID();")) && q.next())
            m_munka->m_kapcsolatAzon = q.value(0).toLongLong();
        return db;
    }

    void lekerdez(QSqlDatabase db, const QString& sql)
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(sql))
            throw DbHiba::driverbol(q.lastError(), sql);
        auto e = QSharedPointer<SqlEredmeny>::create();
        e->rekord = q.record();
        const int n = e->rekord.count();
        while (q.next()) {
            if (m_munka->m_megszakitva)
                throw Hiba(QStringLiteral("A lekérdezés megszakítva."));
            QVariantList sor;
            sor.reserve(n);
            for (int i = 0; i < n; ++i)
                sor.append(q.value(i));
            e->sorok.append(std::move(sor));
        }
        if (q.lastError().isValid())
            throw DbHiba::driverbol(q.lastError(), sql);
        if (m_munka->m_megszakitva)
            throw Hiba(QStringLiteral("A lekérdezés megszakítva."));
        emit m_munka->eredmeny(e);
    }

    void szkript(QSqlDatabase db, const QString& sql)
    {
        SqlSzkript s = SqlSzkript::elemez(sql);
        if (!s.ervenyes()) {
            const SqlSzkript zart = SqlSzkript::elemez(sql + QStringLiteral("\n;"));
            if (zart.ervenyes())
                s = zart;
        }
        const int n = int(s.utasitasok().size());
        emit m_munka->haladas(0, n);
        s.futtat(db, [this](int kesz, int osszes) {
            emit m_munka->haladas(kesz, osszes);
            if (m_munka->m_megszakitva && kesz < osszes)
                throw Hiba(
                    QStringLiteral("A szkript megszakítva a(z) %1. utasítás után.").arg(kesz));
        });
        emit m_munka->szkriptKesz(n);
    }

    SqlMunka* m_munka;
    QString m_nev;
};

SqlMunka::SqlMunka(QObject* szulo) : QObject(szulo), m_munkas(new SqlMunkas(this))
{
    m_munkas->moveToThread(&m_szal);
    connect(&m_szal, &QThread::finished, m_munkas, [this] { m_munkas->bezar(); });
    connect(this, &SqlMunka::inditas, m_munkas,
            [this](int mod, const QString& sql) { m_munkas->futtat(mod, sql); });
    connect(this, &SqlMunka::vege, this, [this] { m_fut = false; });
    m_szal.setObjectName(QStringLiteral("SqlKonzol"));
    m_szal.start();
    emit inditas(2, {});
    // A KILL that arrives between two statements, or before the statement
    // reached the server, hits nothing: it is repeated until the run ends.
    m_ismetles.setInterval(300);
    connect(&m_ismetles, &QTimer::timeout, this, &SqlMunka::kill);
    connect(this, &SqlMunka::vege, &m_ismetles, &QTimer::stop);
}

SqlMunka::~SqlMunka()
{
    if (m_fut)
        megszakit();
    m_ismetles.stop();
    m_szal.quit();
    m_szal.wait();
    // The worker closed its connection in its own thread; the object itself
    // may be deleted here now that the thread has ended.
    delete m_munkas;
}

void SqlMunka::lekerdez(const QString& sql)
{
    m_fut = true;
    m_megszakitva = false;
    emit inditas(0, sql);
}

void SqlMunka::szkript(const QString& sql)
{
    m_fut = true;
    m_megszakitva = false;
    emit inditas(1, sql);
}

void SqlMunka::megszakit()
{
    if (!m_fut)
        return;
    m_megszakitva = true;
    kill();
    m_ismetles.start();
}

void SqlMunka::kill()
{
    if (!m_fut) {
        m_ismetles.stop();
        return;
    }
    const qint64 azon = m_kapcsolatAzon;
    if (azon <= 0)
        return;
    try {
        SqlFuttat(QStringLiteral("KILL QUERY ") + QString::number(azon) + QLatin1Char(';'));
    } catch (const DbHiba&) {
        // The statement may have ended meanwhile.
    }
}
