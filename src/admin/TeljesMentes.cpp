#include "TeljesMentes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

TeljesMentes::TeljesMentes(QObject* szulo) : QObject(szulo) {}

TeljesMentes::~TeljesMentes()
{
    // A backup the operator asked for is not cut off when its window or the
    // program closes: wait for the tool, then remove the option file.
    if (m_folyamat && m_folyamat->state() != QProcess::NotRunning) {
        m_folyamat->disconnect(this);
        m_folyamat->waitForFinished(-1);
    }
    opcioTorol();
}

QString TeljesMentes::alapEszkoz()
{
    for (const QString& nev : {QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")}) {
        const QString ut = QStandardPaths::findExecutable(nev);
        if (!ut.isEmpty())
            return ut;
    }
    return {};
}

QStringList TeljesMentes::argumentumok(const KapcsolatAdat& adat, const QString& opcioFajl,
                                       const QString& celFajl)
{
    // The option file must come first: the client reads it only there.
    return {QStringLiteral("--defaults-extra-file=") + opcioFajl, QStringLiteral("-c"),
            QStringLiteral("-C"), QStringLiteral("--force"),
            // One moment of the database, with the stored procedures that
            // carry the sales and stock logic.
            QStringLiteral("--single-transaction"), QStringLiteral("--routines"),
            QStringLiteral("--databases"), adat.adatbazis,
            QStringLiteral("--port=") + QString::number(adat.port),
            QStringLiteral("--host=") + adat.kiszolgalo,
            QStringLiteral("--user=") + adat.felhasznalo,
            QStringLiteral("--result-file=") + celFajl};
}

QByteArray TeljesMentes::opcioSzoveg(const QString& jelszo)
{
    // Inside double quotes the option parser reads \\, \", \', \n, \r, \t;
    // a "#" there is not a comment.
    QString ertek;
    for (const QChar c : jelszo) {
        switch (c.unicode()) {
        case '\\':
            ertek += QStringLiteral("\\\\");
            break;
        case '"':
            ertek += QStringLiteral("\\\"");
            break;
        case '\'':
            ertek += QStringLiteral("\\'");
            break;
        case '\n':
            ertek += QStringLiteral("\\n");
            break;
        case '\r':
            ertek += QStringLiteral("\\r");
            break;
        case '\t':
            ertek += QStringLiteral("\\t");
            break;
        default:
            ertek += c;
        }
    }
    return QByteArrayLiteral("[client]\npassword=\"") + ertek.toUtf8() + QByteArrayLiteral("\"\n");
}

QString TeljesMentes::opcioFajl() const
{
    return m_opcio ? m_opcio->fileName() : QString();
}

bool TeljesMentes::fut() const
{
    return m_folyamat && m_folyamat->state() != QProcess::NotRunning;
}

void TeljesMentes::opcioTorol()
{
    if (m_opcio) {
        m_opcio->remove();
        delete m_opcio;
        m_opcio = nullptr;
    }
}

bool TeljesMentes::indit(const QString& eszkoz, const KapcsolatAdat& adat, const QString& celFajl,
                         const QString& munkaMappa)
{
    m_hiba.clear();
    m_jelzett = false;
    if (fut()) {
        m_hiba = QStringLiteral("Egy teljes mentés már fut.");
        return false;
    }
    const QFileInfo eszkozInfo(eszkoz);
    if (eszkoz.isEmpty() || !eszkozInfo.isFile() || !eszkozInfo.isExecutable()) {
        m_hiba = QStringLiteral("A mentőprogram nem található: ") + eszkoz;
        return false;
    }
    m_cel = celFajl;
    QDir().mkpath(munkaMappa);

    // Readable by the owner only; created that way by QTemporaryFile.
    opcioTorol();
    m_opcio = new QTemporaryFile(QDir(munkaMappa).filePath(QStringLiteral("mentes-XXXXXX.cnf")));
    m_opcio->setAutoRemove(true);
    if (!m_opcio->open()) {
        m_hiba = QStringLiteral("Az ideiglenes beállítófájl nem hozható létre: ") +
                 m_opcio->errorString();
        opcioTorol();
        return false;
    }
    m_opcio->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray tartalom = opcioSzoveg(adat.jelszo);
    if (m_opcio->write(tartalom) != tartalom.size() || !m_opcio->flush()) {
        m_hiba = QStringLiteral("Az ideiglenes beállítófájl nem írható: ") + m_opcio->errorString();
        opcioTorol();
        return false;
    }
    m_opcio->close();

    delete m_folyamat;
    m_folyamat = new QProcess(this);
    m_folyamat->setProgram(eszkoz);
    m_folyamat->setArguments(argumentumok(adat, m_opcio->fileName(), celFajl));
    m_folyamat->setWorkingDirectory(munkaMappa);
    m_folyamat->setStandardInputFile(QProcess::nullDevice());
    connect(m_folyamat, &QProcess::finished, this, &TeljesMentes::vege);
    connect(m_folyamat, &QProcess::errorOccurred, this, &TeljesMentes::inditasHiba);
    m_folyamat->start();
    if (!m_folyamat->waitForStarted(10000)) {
        if (m_hiba.isEmpty())
            m_hiba = QStringLiteral("A mentőprogram nem indítható: ") + m_folyamat->errorString();
        m_jelzett = true; // reported through the return value
        opcioTorol();
        return false;
    }
    return true;
}

void TeljesMentes::inditasHiba(QProcess::ProcessError hiba)
{
    if (hiba != QProcess::FailedToStart)
        return; // a crash is reported by finished()
    m_hiba = QStringLiteral("A mentőprogram nem indítható: ") + m_folyamat->errorString();
    opcioTorol();
}

void TeljesMentes::vege(int kod, QProcess::ExitStatus allapot)
{
    opcioTorol();
    if (m_jelzett)
        return;
    m_jelzett = true;
    const QString kimenet = QString::fromLocal8Bit(m_folyamat->readAllStandardError()).trimmed();
    const QFileInfo cel(m_cel);
    const bool sikeres =
        allapot == QProcess::NormalExit && kod == 0 && cel.exists() && cel.size() > 0;
    QString uzenet;
    if (sikeres) {
        uzenet = QStringLiteral("A teljes mentés elkészült:\r\n") + QDir::toNativeSeparators(m_cel);
        if (!kimenet.isEmpty())
            uzenet += QStringLiteral("\r\n\r\n") + kimenet.right(2000);
    } else {
        uzenet = QStringLiteral("A teljes mentés nem sikerült");
        if (allapot != QProcess::NormalExit)
            uzenet += QStringLiteral(" (a mentőprogram leállt)");
        else
            uzenet += QStringLiteral(" (kilépési kód: ") + QString::number(kod) + QLatin1Char(')');
        uzenet += QStringLiteral(":\r\n") + QDir::toNativeSeparators(m_cel);
        if (!kimenet.isEmpty())
            uzenet += QStringLiteral("\r\n\r\n") + kimenet.right(2000);
    }
    Q_EMIT kesz(sikeres, uzenet);
}
