#pragma once

// Full backup with the external dump tool (mariadb-dump or mysqldump). The
// password never reaches the command line or a lasting file: it goes into a
// private option file (owner read/write only) that the tool reads through
// --defaults-extra-file and that is removed when the tool ends.

#include "Kapcsolat.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

class QTemporaryFile;

class TeljesMentes : public QObject
{
    Q_OBJECT

public:
    explicit TeljesMentes(QObject* szulo = nullptr);
    ~TeljesMentes() override;

    // The dump tool found on the PATH (mariadb-dump, then mysqldump); empty
    // when there is none.
    static QString alapEszkoz();
    // The tool's arguments after the option file:
    // -c -C --force --single-transaction --routines --databases db --port=
    // --host= --user= --result-file=
    static QStringList argumentumok(const KapcsolatAdat& adat, const QString& opcioFajl,
                                    const QString& celFajl);
    // The option file's text: the password in the [client] group, quoted and
    // escaped as the client's option parser reads it.
    static QByteArray opcioSzoveg(const QString& jelszo);

    // Starts the tool without waiting (working folder: munkaMappa, which
    // also holds the option file for the tool's lifetime). Returns false and
    // fills hiba() when it cannot start; otherwise kesz() follows.
    bool indit(const QString& eszkoz, const KapcsolatAdat& adat, const QString& celFajl,
               const QString& munkaMappa);
    bool fut() const;
    const QString& hiba() const { return m_hiba; }
    const QString& celFajl() const { return m_cel; }
    // The option file in use (empty before start and after the end).
    QString opcioFajl() const;
    QProcess* folyamat() const { return m_folyamat; }

Q_SIGNALS:
    // sikeres: the tool exited with 0 and wrote the file. uzenet: the text
    // for the operator (the tool's own messages on failure).
    void kesz(bool sikeres, const QString& uzenet);

private:
    void vege(int kod, QProcess::ExitStatus allapot);
    void inditasHiba(QProcess::ProcessError hiba);
    void opcioTorol();

    QProcess* m_folyamat = nullptr;
    QTemporaryFile* m_opcio = nullptr;
    QString m_cel;
    QString m_hiba;
    bool m_jelzett = false;
};
