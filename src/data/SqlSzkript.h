#pragma once

// The batch executor: an SQL script (schema, upgrade or backup) is read and
// split into statements completely before any of it runs, the way the
// mariadb client reads it: quoted strings ('...', "...", `...`, with
// backslash escapes), comments (--, #, /* */; the /*! */ kind is kept for
// the server), and DELIMITER lines that change the statement terminator for
// procedure bodies. A script that does not parse completely (an unterminated
// string, comment or statement) is refused as a whole.

#include "Kapcsolat.h"

#include <QList>
#include <QString>
#include <functional>

class SqlSzkript
{
public:
    struct Utasitas {
        QString szoveg; // without its terminator
        int sor = 0;    // 1-based line where it starts
    };

    // Parses a script text.
    static SqlSzkript elemez(const QString& szoveg);
    // Reads and parses a script file; UTF-8 and Windows-1250 files alike.
    static SqlSzkript betolt(const QString& fajl);

    bool ervenyes() const { return m_hiba.isEmpty(); }
    // A Hungarian description of why the script was refused, with its line.
    const QString& hiba() const { return m_hiba; }
    int hibaSor() const { return m_hibaSor; }
    const QList<Utasitas>& utasitasok() const { return m_utasitasok; }

    // Runs the statements in order on the connection; haladas(done, count) is
    // called after each. Throws DbHiba (with the failing statement) when a
    // statement fails or when the script is not valid; nothing runs then.
    void futtat(QSqlDatabase db = Kapcsolat::fo(),
                const std::function<void(int, int)>& haladas = {}) const;

private:
    QList<Utasitas> m_utasitasok;
    QString m_hiba;
    int m_hibaSor = 0;
};
