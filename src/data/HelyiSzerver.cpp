#include "HelyiSzerver.h"

#include "DbHiba.h"
#include "IniAllomany.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Seged.h"
#include "SqlSzkript.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace
{

QString FelhasznaloNev()
{
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    return qEnvironmentVariable("USER", QStringLiteral("root"));
}

QString Program(const QString& nev, const QString& tartalek = {})
{
    const QStringList helyek = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin"),
                                QStringLiteral("/usr/local/bin")};
    for (const QString& n : {nev, tartalek}) {
        if (n.isEmpty())
            continue;
        QString p = QStandardPaths::findExecutable(n);
        if (p.isEmpty())
            p = QStandardPaths::findExecutable(n, helyek);
        if (!p.isEmpty())
            return p;
    }
    throw HelyiSzerverHiba(
        QStringLiteral("A MariaDB kiszolgáló programja (%1) nem található. Telepítse a "
                       "mariadb-server-core csomagot.")
            .arg(nev));
}

// A process that has ended (or is a zombie nobody reaped) counts as gone.
bool ProcesszEl(qint64 pid)
{
    if (pid <= 0)
        return false;
#ifdef Q_OS_UNIX
    if (::kill(pid_t(pid), 0) != 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray s = stat.readAll();
        const int zaro = s.lastIndexOf(')');
        if (zaro > 0 && zaro + 2 < s.size() && s.at(zaro + 2) == 'Z')
            return false;
    }
    return true;
#else
    return false;
#endif
}

bool PortSzabad(int port)
{
    if (port <= 0 || port > 65535)
        return false;
    QTcpServer s;
    const bool ok = s.listen(QHostAddress::LocalHost, quint16(port));
    s.close();
    return ok;
}

int SzabadPort()
{
    // A free port in the upper range, away from the usual service ports.
    for (int i = 0; i < 200; ++i) {
        const int p = 20000 + int(QRandomGenerator::global()->bounded(30000));
        if (PortSzabad(p))
            return p;
    }
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost, 0))
        throw HelyiSzerverHiba(QStringLiteral("Nincs szabad TCP port a helyi adatbázishoz."));
    return s.serverPort();
}

QString FajlVege(const QString& fajl, int sorok = 15)
{
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList s = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
    return s.mid(std::max<qsizetype>(0, s.size() - sorok)).join(QLatin1Char('\n')).trimmed();
}

} // namespace

QString VeletlenJelszo(int hossz)
{
    static const char jelek[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    QString s;
    for (int i = 0; i < hossz; ++i)
        s += QLatin1Char(jelek[QRandomGenerator::system()->bounded(int(sizeof(jelek) - 1))]);
    return s;
}

HelyiSzerver::HelyiSzerver(const QString& mappa) : m_mappa(QDir::cleanPath(mappa)) {}

QString HelyiSzerver::alapMappa()
{
    return AdatMappa() + QStringLiteral("/mariadb");
}

QString HelyiSzerver::adatMappa() const
{
    return m_mappa + QStringLiteral("/data");
}

QString HelyiSzerver::socket() const
{
    // A unix socket path must stay short; a deep data folder gets one in the
    // temporary folder, remembered beside the server.
    const QString emlek = m_mappa + QStringLiteral("/socket-path");
    QFile f(emlek);
    if (f.open(QIODevice::ReadOnly)) {
        const QString s = QString::fromUtf8(f.readAll()).trimmed();
        if (!s.isEmpty())
            return s;
    }
    QString s = m_mappa + QStringLiteral("/mariadbd.sock");
    if (s.toLocal8Bit().size() > 100) {
        s = QDir::tempPath() + QStringLiteral("/vexlof-") + VeletlenJelszo(10) +
            QStringLiteral(".sock");
        QDir().mkpath(m_mappa);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(s.toUtf8() + '\n');
    }
    return s;
}

QString HelyiSzerver::hibaNaplo() const
{
    return m_mappa + QStringLiteral("/error.log");
}

int HelyiSzerver::port() const
{
    QFile f(m_mappa + QStringLiteral("/port"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return QString::fromUtf8(f.readAll()).trimmed().toInt();
}

bool HelyiSzerver::letezik() const
{
    return QFileInfo::exists(adatMappa() + QStringLiteral("/mysql"));
}

int HelyiSzerver::futoPid() const
{
    QFile f(m_mappa + QStringLiteral("/mariadbd.pid"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const int pid = QString::fromUtf8(f.readAll()).trimmed().toInt();
    if (!ProcesszEl(pid))
        return 0;
#ifdef Q_OS_LINUX
    // A pid file left by a crash may name an unrelated process by now.
    QFile cmd(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (cmd.open(QIODevice::ReadOnly)) {
        const QByteArray c = cmd.readAll();
        if (!c.contains("mariadbd") && !c.contains("mysqld"))
            return 0;
    }
#endif
    return pid;
}

bool HelyiSzerver::fut() const
{
    return futoPid() > 0;
}

void HelyiSzerver::adatMappaLetrehoz()
{
    if (!QDir().mkpath(adatMappa()))
        throw HelyiSzerverHiba(QStringLiteral("A mappa nem hozható létre: ") + adatMappa());
    QFile::setPermissions(m_mappa,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString nev = FelhasznaloNev();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardOutputFile(m_mappa + QStringLiteral("/install.log"));
    // The administrator is the operating-system user, through the socket
    // only: nobody logs in as administrator over the network.
    p.start(Program(QStringLiteral("mariadb-install-db"), QStringLiteral("mysql_install_db")),
            {QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + adatMappa(),
             QStringLiteral("--user=") + nev,
             QStringLiteral("--auth-root-authentication-method=socket"),
             QStringLiteral("--auth-root-socket-user=") + nev, QStringLiteral("--skip-test-db")});
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        const QString naplo = FajlVege(m_mappa + QStringLiteral("/install.log"));
        // A half-made data folder would only confuse the next attempt.
        QDir(adatMappa()).removeRecursively();
        throw HelyiSzerverHiba(QStringLiteral("A helyi adatbázis nem hozható létre.\n") + naplo);
    }
}

int HelyiSzerver::indit(int keresettPort, int varakozasMs)
{
    if (fut()) {
        const int p = port();
        if (p > 0)
            return p;
        leallit(varakozasMs);
    }
    if (!letezik())
        adatMappaLetrehoz();

    int p = keresettPort > 0 ? keresettPort : port();
    if (!PortSzabad(p))
        p = SzabadPort();
    const QString sock = socket();
    QFile::remove(sock);
    QFile::remove(m_mappa + QStringLiteral("/mariadbd.pid"));

    QStringList arg = {QStringLiteral("--no-defaults"),
                       QStringLiteral("--datadir=") + adatMappa(),
                       QStringLiteral("--socket=") + sock,
                       QStringLiteral("--pid-file=") + m_mappa + QStringLiteral("/mariadbd.pid"),
                       QStringLiteral("--port=") + QString::number(p),
                       QStringLiteral("--bind-address=127.0.0.1"),
                       QStringLiteral("--character-set-server=latin2"),
                       QStringLiteral("--collation-server=latin2_hungarian_ci"),
                       QStringLiteral("--skip-log-bin"),
                       QStringLiteral("--log-error=") + hibaNaplo()};
#ifdef Q_OS_UNIX
    // As root the server refuses to start without a user to run as.
    if (geteuid() == 0)
        arg << QStringLiteral("--user=") + FelhasznaloNev();
#endif
    QProcess proc;
    proc.setProgram(Program(QStringLiteral("mariadbd"), QStringLiteral("mysqld")));
    proc.setArguments(arg);
    proc.setStandardInputFile(QProcess::nullDevice());
    proc.setStandardOutputFile(QProcess::nullDevice());
    proc.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    // Detached: the server outlives the program unless it is stopped.
    if (!proc.startDetached(&pid))
        throw HelyiSzerverHiba(QStringLiteral("A helyi adatbázis-kiszolgáló nem indítható: ") +
                               proc.errorString());

    const QString nev = QStringLiteral("vexlof_helyi_var");
    QDeadlineTimer hatarido(varakozasMs);
    while (true) {
        bool kesz = false;
        try {
            adminKapcsolat(nev).close();
            kesz = true;
        } catch (const DbHiba&) {
        }
        Kapcsolat::bezar(nev);
        if (kesz)
            break;
        if (!ProcesszEl(pid) || hatarido.hasExpired()) {
            if (ProcesszEl(pid)) {
#ifdef Q_OS_UNIX
                ::kill(pid_t(pid), SIGKILL);
#endif
            }
            throw HelyiSzerverHiba(QStringLiteral("A helyi adatbázis-kiszolgáló nem indult el.\n") +
                                   FajlVege(hibaNaplo()));
        }
        QThread::msleep(100);
    }
    QFile f(m_mappa + QStringLiteral("/port"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(QByteArray::number(p) + '\n') < 0)
        throw HelyiSzerverHiba(QStringLiteral("A fájl nem írható: ") + f.fileName());
    return p;
}

void HelyiSzerver::leallit(int varakozasMs)
{
    const int pid = futoPid();
    if (pid <= 0)
        return;
    const QString nev = QStringLiteral("vexlof_helyi_leallit");
    try {
        SqlFuttat(QStringLiteral("SHUTDOWN"), adminKapcsolat(nev));
    } catch (const DbHiba&) {
#ifdef Q_OS_UNIX
        ::kill(pid_t(pid), SIGTERM);
#endif
    }
    Kapcsolat::bezar(nev);
    QDeadlineTimer hatarido(varakozasMs);
    while (ProcesszEl(pid)) {
        if (hatarido.hasExpired()) {
#ifdef Q_OS_UNIX
            ::kill(pid_t(pid), SIGKILL);
#endif
            break;
        }
        QThread::msleep(50);
    }
}

QSqlDatabase HelyiSzerver::adminKapcsolat(const QString& nev, const QString& adatbazis) const
{
    if (QSqlDatabase::contains(nev))
        Kapcsolat::bezar(nev);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nev);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(nev);
        throw DbHiba(QStringLiteral("A MySQL adatbázis-meghajtó nem érhető el (QMYSQL)."));
    }
    db.setHostName(QStringLiteral("localhost"));
    db.setUserName(FelhasznaloNev());
    db.setDatabaseName(adatbazis);
    db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socket() +
                         QStringLiteral(";MYSQL_OPT_CONNECT_TIMEOUT=5"));
    if (!db.open()) {
        const DbHiba hiba = DbHiba::driverbol(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nev);
        throw hiba;
    }
    return db;
}

KapcsolatAdat HelyiSzerver::adatbazisLetrehoz(const QString& adatbazis, const QString& felhasznalo,
                                              const QString& semaFajl,
                                              const QString& megjelenitettNev)
{
    const int p = port();
    if (!fut() || p <= 0)
        throw HelyiSzerverHiba(QStringLiteral("A helyi adatbázis-kiszolgáló nem fut."));
    const SqlSzkript sema = SqlSzkript::betolt(semaFajl);
    if (!sema.ervenyes())
        throw HelyiSzerverHiba(QStringLiteral("A séma szkript hibás: ") + semaFajl +
                               QStringLiteral(": ") + sema.hiba());

    KapcsolatAdat adat;
    adat.adatbazis = adatbazis;
    adat.kiszolgalo = QStringLiteral("127.0.0.1");
    adat.port = p;
    adat.felhasznalo = felhasznalo;
    adat.jelszo = VeletlenJelszo();
    adat.adatbazisnev = megjelenitettNev;

    const QString nev = QStringLiteral("vexlof_helyi_letrehoz");
    try {
        {
            QSqlDatabase db = adminKapcsolat(nev);
            const QString azon = QLatin1Char('`') + adatbazis + QLatin1Char('`');
            SqlFuttat(QStringLiteral("CREATE DATABASE IF NOT EXISTS ") + azon +
                          QStringLiteral(" CHARACTER SET latin2 COLLATE latin2_hungarian_ci"),
                      db);
            // A TCP login from 127.0.0.1 is seen as coming from localhost
            // as well: both accounts carry the same password.
            for (const char* gep : {"localhost", "127.0.0.1"}) {
                const QString fh =
                    SqlIdez(felhasznalo) + QLatin1Char('@') + SqlIdez(QString::fromLatin1(gep));
                SqlFuttat(QStringLiteral("CREATE OR REPLACE USER ") + fh +
                              QStringLiteral(" IDENTIFIED BY ") + SqlIdez(adat.jelszo),
                          db);
                SqlFuttat(QStringLiteral("GRANT ALL ON ") + azon + QStringLiteral(".* TO ") + fh,
                          db);
            }
            db.close();
        }
        sema.futtat(adminKapcsolat(nev, adatbazis));
    } catch (...) {
        Kapcsolat::bezar(nev);
        throw;
    }
    Kapcsolat::bezar(nev);
    return adat;
}

// --- The program's use of its local server -----------------------------------------

namespace
{

const QString szakasz = QStringLiteral("HelyiSzerver");

bool HelyiGep(const QString& kiszolgalo)
{
    const QString k = kiszolgalo.trimmed();
    return k == QLatin1String("127.0.0.1") ||
           k.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

// Every connection entry of the INI file on this computer's port `regi`
// moves to `uj`; each keeps its key and its form.
void KapcsolatPortCsere(IniAllomany& ini, int regi, int uj)
{
    const QString adatbazis = QStringLiteral("Adatbazis");
    for (int n = 1; n <= 100; ++n) {
        const QString kulcs = QStringLiteral("ConStr") + QString::number(n);
        const QString ertek = ini.olvas(adatbazis, kulcs);
        if (ertek.isEmpty())
            continue;
        const QString sima = Dekodol(ertek);
        KapcsolatAdat a = KapcsolatAdat::szovegbol(sima);
        if (!HelyiGep(a.kiszolgalo) || a.port != regi)
            continue;
        a.port = uj;
        ini.ir(adatbazis, kulcs, Kodol(a.szoveg(sima.count(QLatin1Char(';')) >= 6)));
    }
}

} // namespace

KapcsolatAdat HelyiAdatbazisLetrehoz(const QString& iniFajl, const QString& semaFajl,
                                     const QString& mappa0)
{
    if (semaFajl.isEmpty() || !QFileInfo::exists(semaFajl))
        throw HelyiSzerverHiba(
            QStringLiteral("Az adatbázis séma szkriptje (vexlof.sql) nem található."));
    const QString mappa = mappa0.isEmpty() ? HelyiSzerver::alapMappa() : mappa0;
    HelyiSzerver szerver(mappa);
    szerver.indit();
    const KapcsolatAdat adat =
        szerver.adatbazisLetrehoz(QStringLiteral("vexlof"), QStringLiteral("vexlof"), semaFajl,
                                  QStringLiteral("Helyi adatbázis"));
    IniAllomany ini(iniFajl);
    ini.ir(szakasz, QStringLiteral("Mappa"), szerver.mappa());
    ini.ir(szakasz, QStringLiteral("Port"), QString::number(adat.port));
    if (!ini.vanKulcs(szakasz, QStringLiteral("Leallit")))
        ini.ir(szakasz, QStringLiteral("Leallit"), QStringLiteral("0"));
    ini.ment();
    return adat;
}

bool HelyiKapcsolat(const QString& iniFajl, const KapcsolatAdat& adat)
{
    const IniAllomany ini(iniFajl);
    if (ini.olvas(szakasz, QStringLiteral("Mappa")).isEmpty())
        return false;
    return HelyiGep(adat.kiszolgalo) &&
           adat.port == ini.olvasEgesz(szakasz, QStringLiteral("Port"), 0);
}

void HelyiSzerverElokeszit(const QString& iniFajl, KapcsolatAdat& adat)
{
    if (!HelyiKapcsolat(iniFajl, adat))
        return;
    const IniAllomany ini(iniFajl);
    HelyiSzerver szerver(ini.olvas(szakasz, QStringLiteral("Mappa")));
    if (!szerver.letezik())
        throw HelyiSzerverHiba(QStringLiteral("A helyi adatbázis mappája hiányzik: ") +
                               szerver.adatMappa());
    const int regi = adat.port;
    const int p = szerver.indit(regi);
    if (p == regi)
        return;
    // The port was taken by another program: the entry follows the server.
    IniAllomany ini2(iniFajl);
    KapcsolatPortCsere(ini2, regi, p);
    ini2.ir(szakasz, QStringLiteral("Port"), QString::number(p));
    ini2.ment();
    adat.port = p;
}

void HelyiSzerverIndulaskor(const QString& iniFajl)
{
    const IniAllomany ini(iniFajl);
    if (ini.olvas(szakasz, QStringLiteral("Mappa")).isEmpty())
        return;
    KapcsolatAdat adat;
    adat.kiszolgalo = QStringLiteral("127.0.0.1");
    adat.port = ini.olvasEgesz(szakasz, QStringLiteral("Port"), 0);
    HelyiSzerverElokeszit(iniFajl, adat);
}

void HelyiSzerverKilepes(const QString& iniFajl)
{
    try {
        const IniAllomany ini(iniFajl);
        const QString mappa = ini.olvas(szakasz, QStringLiteral("Mappa"));
        if (mappa.isEmpty() || !ini.olvasLogikai(szakasz, QStringLiteral("Leallit"), false))
            return;
        HelyiSzerver(mappa).leallit();
    } catch (...) {
        // The program ends anyway; a server left running is started again
        // the next time.
    }
}
