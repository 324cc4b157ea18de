#pragma once

// The batch executor: an SQL script (schema, upgrade or backup) is read and
// split into statements completely before any of it runs, the way the
// mariadb client reads it: quoted strings ('...', "...", `...`, with
// backslash escapes), comments (--, #, /* */; the /*! */ kind is kept for
// the server), and DELIMITER lines that change the statement terminator for
// procedure bodies. A script that does not parse completely (an unterminated
// string, comment or statement) is refused as a whole.

#include "Kapcsolat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// The splitter itself, on bytes fed in pieces of any size: a backup of any
// length is split while it is read, never held whole. The bytes are UTF-8 or
// Windows-1250; every character the splitter looks at is ASCII.
class SzkriptDarabolo
{
public:
    // A complete statement: its bytes without the terminator, trimmed, and
    // the 1-based line where it starts.
    using Kimenet = std::function<void(const QByteArray& utasitas, int sor)>;

    explicit SzkriptDarabolo(Kimenet kimenet) : m_kimenet(std::move(kimenet)) {}

    // Feeds the next bytes. False (with hiba()) when the script is refused.
    bool etet(const char* adat, qsizetype n);
    bool etet(const QByteArray& b) { return etet(b.constData(), b.size()); }
    // The end of the input: false when something is left open.
    bool vege();

    const QString& hiba() const { return m_hiba; }
    int hibaSor() const { return m_hibaSor; }
    // True once a DELIMITER line was met (procedure bodies: a schema script).
    bool voltHatarolo() const { return m_voltHatarolo; }

private:
    enum class Allapot { Normal, Idezet, SorMegjegyzes, BlokkMegjegyzes };
    bool feldolgoz(bool utolso);
    bool hibaJelez(const QString& uzenet, int sor);
    void kiad();

    Kimenet m_kimenet;
    QByteArray m_be; // bytes fed but not yet decided on
    QByteArray m_utasitas;
    QByteArray m_hatarolo = QByteArrayLiteral(";");
    Allapot m_allapot = Allapot::Normal;
    char m_idezo = 0;
    bool m_vegrehajtando = false; // the block comment is /*! ... */
    bool m_tartalom = false;      // the statement holds more than white space
    bool m_sorElejen = true;      // only spaces and tabs since the line began
    bool m_voltHatarolo = false;
    int m_sor = 1;
    int m_kezdoSor = 1;
    int m_nyitoSor = 1; // where the open quote or comment began
    QString m_hiba;
    int m_hibaSor = 0;
};

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
