#pragma once

// Running the console's statements without blocking the window: a worker
// thread with a connection of its own (a copy of the main connection's
// settings, kept for the console's life so that session state such as
// variables and temporary tables lasts between runs). A running statement
// is cancelled with "KILL QUERY <id>" sent on the main connection.

#include "HataroltSzoveg.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>
#include <QSqlRecord>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QVariantList>
#include <atomic>

// A query's result held in memory.
struct SqlEredmeny {
    QSqlRecord rekord;
    QList<QVariantList> sorok;
};

// The in-memory result as a read-only model: field names as header (also in
// Qt::UserRole), raw values in Qt::EditRole.
class EredmenyModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit EredmenyModell(QSharedPointer<SqlEredmeny> eredmeny, QObject* szulo = nullptr);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role = Qt::DisplayRole) const override;
    QVariant headerData(int s, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    const QSqlRecord& rekord() const { return m_e->rekord; }

private:
    QSharedPointer<SqlEredmeny> m_e;
};

// The lines of the console's "Másol": the field names, then every row, each
// value followed by ";" and any ";" inside a value written as ",".
QStringList AdatExportModell(const QAbstractItemModel* modell);
// The kind of each field for the delimited export: binary fields are
// written as "BLOB", long texts are multi-line fields.
QList<OszlopFajta> OszlopFajtak(const QSqlRecord& rekord);

// True when the text (after comments and white space) starts like a
// statement that returns rows: SELECT, SHOW, DESC, DESCRIBE, EXPLAIN, WITH.
bool LekerdezesE(const QString& sql);

class SqlMunkas;

class SqlMunka : public QObject
{
    Q_OBJECT
public:
    explicit SqlMunka(QObject* szulo = nullptr);
    ~SqlMunka() override;

    // Runs one statement and sends its rows (eredmeny) or an error.
    void lekerdez(const QString& sql);
    // Runs a script through the batch executor (quotes, comments,
    // DELIMITER); a trailing statement without terminator runs too.
    void szkript(const QString& sql);
    bool fut() const { return m_fut; }
    // Cancels the running statement (KILL QUERY from the main connection)
    // and stops a script after it.
    void megszakit();

signals:
    void eredmeny(QSharedPointer<SqlEredmeny> e);
    void haladas(int kesz, int osszes);
    void szkriptKesz(int utasitasok);
    void hiba(const QString& uzenet);
    // Always sent last, after eredmeny, szkriptKesz or hiba.
    void vege();

    // internal
    void inditas(int mod, const QString& sql);

private:
    void kill();
    QThread m_szal;
    QTimer m_ismetles;
    SqlMunkas* m_munkas;
    bool m_fut = false;
    std::atomic<qint64> m_kapcsolatAzon{0};
    std::atomic<bool> m_megszakitva{false};
    friend class SqlMunkas;
};

// The statements of a script for the console: parsed by the batch executor;
// a last statement without terminator is taken as if it had one. Throws
// DbHiba with the executor's message when it does not parse.
QStringList KonzolUtasitasok(const QString& sql);
