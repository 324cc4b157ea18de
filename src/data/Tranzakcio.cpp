#include "Tranzakcio.h"

#include "DbHiba.h"

#include <QHash>
#include <QSqlError>
#include <exception>

namespace {

QHash<QString, int>& melysegek()
{
    static QHash<QString, int> m;
    return m;
}

} // namespace

bool Tranzakcio::folyik(const QSqlDatabase& db)
{
    return melysegek().value(db.connectionName(), 0) > 0;
}

Tranzakcio::Tranzakcio(QSqlDatabase db)
    : m_db(db), m_kivetelek(std::uncaught_exceptions())
{
    int& melyseg = melysegek()[m_db.connectionName()];
    m_kulso = melyseg == 0;
    if (m_kulso && !m_db.transaction())
        throw DbHiba::driverbol(m_db.lastError(), QStringLiteral("START TRANSACTION"));
    ++melyseg;
}

Tranzakcio::~Tranzakcio() noexcept(false)
{
    int& melyseg = melysegek()[m_db.connectionName()];
    --melyseg;
    if (!m_kulso)
        return;
    if (std::uncaught_exceptions() > m_kivetelek) {
        m_db.rollback();
        return;
    }
    if (!m_db.commit()) {
        const DbHiba hiba = DbHiba::driverbol(m_db.lastError(), QStringLiteral("COMMIT"));
        m_db.rollback();
        throw hiba;
    }
}
