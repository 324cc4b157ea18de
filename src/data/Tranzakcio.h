#pragma once

// A transaction scope guard for changes of several statements: the work is
// committed when the scope ends normally and rolled back when an exception
// leaves it. Guards nest on one connection; only the outermost one commits
// or rolls back.
//
//     {
//         Tranzakcio t;
//         SqlFuttat(...);
//         SqlFuttat(...);
//     } // committed here, or rolled back when SqlFuttat threw

#include "Kapcsolat.h"

class Tranzakcio
{
public:
    explicit Tranzakcio(QSqlDatabase db = Kapcsolat::fo());
    ~Tranzakcio() noexcept(false);

    // True while a guard is open on the connection.
    static bool folyik(const QSqlDatabase& db);

    Tranzakcio(const Tranzakcio&) = delete;
    Tranzakcio& operator=(const Tranzakcio&) = delete;

private:
    QSqlDatabase m_db;
    int m_kivetelek;
    bool m_kulso;
};
