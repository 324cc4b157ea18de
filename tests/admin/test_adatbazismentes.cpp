// Backup, restore and the full backup against the private server: round
// trips of the whole database in plain and zipped form, the format as the
// program always wrote it, one consistent moment while another workstation
// sells, damaged files and archives that must change nothing, code pages, a
// schema loaded through the restore path, a failing statement inside a data
// restore, and the external dump tool (procedures included).

#include "Ansi.h"
#include "Azonositas.h"
#include "Beall.h"
#include "DbHiba.h"
#include "KozosDB.h"
#include "Mentes.h"
#include "MentesFormatum.h"
#include "RegiAdatok.h"
#include "Seged.h"
#include "SqlSzkript.h"
#include "TeljesMentes.h"
#include "TesztAdatbazis.h"
#include "Tranzakcio.h"
#include "Visszaallitas.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>
#include <zlib.h>

namespace
{

const QString forrasNev = QStringLiteral("teszt_dbmentes");
const QString celNev = QStringLiteral("teszt_dbmentes_cel");
const QString mentoFelhasznalo = QStringLiteral("vexlof_mento");
// Hungarian letters, both quotes, a comment sign, a backslash and spaces.
const QString mentoJelszo = QStringLiteral("Jó'jel\"szó # ű\\ő x");

using Pillanatkep = QMap<QString, QStringList>;

// Every base table's rows as text, sorted: the database's content.
Pillanatkep pillanatkep(QSqlDatabase db)
{
    Pillanatkep ki;
    for (const QString& t : TablaNevek(db)) {
        QSqlQuery q = SqlNyit(QStringLiteral("SELECT * FROM ") + t + QLatin1Char(';'), db);
        QStringList sorok;
        while (q.next()) {
            QStringList mezok;
            for (int i = 0; i < q.record().count(); ++i)
                mezok.append(q.value(i).isNull() ? QStringLiteral("<NULL>")
                                                 : q.value(i).toString());
            sorok.append(mezok.join(QChar(0x1f)));
        }
        sorok.sort();
        ki.insert(t, sorok);
    }
    return ki;
}

void egyezik(const Pillanatkep& a, const Pillanatkep& b)
{
    QCOMPARE(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (it.value() != b.value(it.key()))
            QFAIL(qPrintable(QStringLiteral("A(z) ") + it.key() + QStringLiteral(" tábla eltér")));
}

const char* szamTabla =
    "CREATE TABLE proba_szamok (id INT NOT NULL PRIMARY KEY, d DOUBLE NULL, f FLOAT NULL,"
    " dc DECIMAL(14,3) NULL, b BIGINT NULL, t TINYINT NULL, y YEAR NULL"
    ") ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci";

const char* probaTabla =
    "CREATE TABLE proba_tipusok ("
    " id INT NOT NULL PRIMARY KEY, szoveg VARCHAR(200) NULL, memo TEXT NULL, datum DATE NULL,"
    " ido DATETIME NULL, ora TIME NULL, szam DOUBLE NULL, jel CHAR(1) NULL"
    ") ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci";

// Yes to every question of the restore.
VisszaallitasKerdesek igen()
{
    VisszaallitasKerdesek k;
    k.ellenorizhetetlen = [](const QString&) { return true; };
    k.felulir = [](const QString&, const QString&) { return true; };
    return k;
}

// A backup as the program wrote it before the marks: without the first and
// the closing line.
QByteArray regiFormatum(const QByteArray& mentes)
{
    QByteArray b = mentes;
    if (b.startsWith(MentesFejSor()))
        b.remove(0, MentesFejSor().size());
    const qsizetype zaro = b.lastIndexOf("-- VexloF vege: ");
    if (zaro >= 0)
        b.truncate(zaro);
    return b;
}

void fajlIr(const QString& fajl, const QByteArray& b)
{
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(b), b.size());
}

// The data block of a table as the program wrote it through Qt's driver
// (values as QVariant): the reference of the format.
QString regiErtek(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QChar:
        return SqlIdez(v);
    case QMetaType::QByteArray:
        return SqlIdez(QString::fromUtf8(v.toByteArray()));
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        return d.isValid() ? SqlDatum(d) : QStringLiteral("'0000-00-00'");
    }
    case QMetaType::QDateTime: {
        const QDateTime d = v.toDateTime();
        return d.isValid() ? SqlDatumIdo(d) : QStringLiteral("'0000-00-00 00:00:00'");
    }
    case QMetaType::QTime:
        return QLatin1Char('\'') + v.toTime().toString(QStringLiteral("HH:mm:ss")) +
               QLatin1Char('\'');
    default: {
        QString s = v.toString();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        return s;
    }
    }
}

QString regiInsertSzoveg(const QString& tabla)
{
    QSqlQuery q = SqlNyit(QLatin1String("SELECT * FROM ") + tabla + QLatin1Char(';'));
    const QSqlRecord rec = q.record();
    QStringList oszlopok;
    for (int i = 0; i < rec.count(); ++i)
        oszlopok.append(rec.fieldName(i).toLower());
    const QString fej = QLatin1String("INSERT IGNORE INTO ") + tabla + QLatin1String(" (") +
                        oszlopok.join(QLatin1Char(',')) + QLatin1String(") VALUES");
    QStringList sorok;
    int utasitasban = 0;
    while (q.next()) {
        if (utasitasban == 0)
            sorok.append(fej);
        QStringList ertekek;
        for (int i = 0; i < rec.count(); ++i)
            ertekek.append(regiErtek(q.value(i)));
        sorok.append(QLatin1Char('(') + ertekek.join(QLatin1Char(',')) + QLatin1String("),"));
        if (++utasitasban == 100) {
            sorok.last().chop(1);
            sorok.last().append(QLatin1Char(';'));
            utasitasban = 0;
        }
    }
    if (utasitasban > 0) {
        sorok.last().chop(1);
        sorok.last().append(QLatin1Char(';'));
    }
    return sorok.join(QLatin1String("\r\n"));
}

} // namespace

class TestAdatbazisMentes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void mentesFormatum();
    void oda_vissza_data();
    void oda_vissza();
    void masikAdatbazisba();
    void zipMelletiSqlMarad();
    void csonkaMentesElutasitva_data();
    void csonkaMentesElutasitva();
    void zipHibak();
    void kodlapok_data();
    void kodlapok();
    void hibasUtasitasVisszavon();
    void nezetSorokKimaradnak();
    void semaBetoltesEsBelepes();
    void teljesMentes_data();
    void teljesMentes();
    void teljesMentesHibak();
    void regiAdatok();
    void egyPillanat();
    void serulesek_data();
    void serulesek();
    void serultZipVeletlen();
    void sikertelenMentesNemHagyFajlt();
    void teljesMentesEljarasokkal();

private:
    KapcsolatAdat forras() const { return TesztAdatbazis::root(forrasNev); }
    // Changes data everywhere so that a restore has something to undo.
    void elront();

    // Nothing half-written or unpacked is left beside the files.
    void nincsMaradek();

    QTemporaryDir m_dir;
    Pillanatkep m_eredeti;
    QByteArray m_mentes; // the plain backup's bytes
};

void TestAdatbazisMentes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    try {
        TesztAdatbazis::letrehoz(forrasNev, true);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    SQL_OK(QString::fromLatin1(probaTabla));
    const QStringList szovegek{QStringLiteral("Árvíztűrő tükörfúrógép ŐŰőű"),
                               QStringLiteral("O'Neil ''két'' \"idéz\""),
                               QStringLiteral("C:\\Temp\\új\\"),
                               QStringLiteral("első\r\nmásodik\nharmadik\r"),
                               QStringLiteral("x\\'y; -- nem megjegyzés # sem /* ez */"),
                               QString(),
                               QStringLiteral(""),
                               QStringLiteral("pont;vessző, és\ttab")};
    for (int i = 1; i <= 250; ++i) {
        const QString sz = szovegek.at(i % szovegek.size());
        const QString szovegSql = (i % szovegek.size() == 5) ? QStringLiteral("NULL") : SqlIdez(sz);
        const QString datum =
            i % 7 == 0 ? QStringLiteral("NULL") : SqlDatum(QDate(2023, 12, 30).addDays(i));
        const QString ido =
            i % 9 == 0
                ? QStringLiteral("NULL")
                : SqlDatumIdo(QDateTime(QDate(2024, 2, 29), QTime(0, 0, 1)).addSecs(i * 3671));
        const QString ora =
            i % 11 == 0 ? QStringLiteral("NULL")
                        : QStringLiteral("'") +
                              QTime(0, 0).addSecs(i * 347).toString(QStringLiteral("HH:mm:ss")) +
                              QLatin1Char('\'');
        const QString szam = i % 13 == 0 ? QStringLiteral("NULL") : SzamSql(i * 1.25 - 100.1);
        SQL_OK(QStringLiteral("INSERT INTO proba_tipusok VALUES (") + QString::number(i) +
               QLatin1Char(',') + szovegSql + QLatin1Char(',') +
               SqlIdez(sz + QStringLiteral("\r\n") + sz) + QLatin1Char(',') + datum +
               QLatin1Char(',') + ido + QLatin1Char(',') + ora + QLatin1Char(',') + szam +
               QStringLiteral(",'") + (i % 2 ? QStringLiteral("I") : QStringLiteral("N")) +
               QStringLiteral("');"));
    }
    SQL_OK(QStringLiteral(
               "INSERT INTO ugyfel (ugyfel, ugyfel_nev, megjegyzes) VALUES (9001, 'Őri Űrsula', ") +
           SqlIdez(QStringLiteral("Kedveli a 'különleges' kezelést\r\nC:\\x")) +
           QStringLiteral(");"));
    SQL_OK(
        QStringLiteral("CREATE OR REPLACE VIEW vw_proba AS SELECT id, szoveg FROM proba_tipusok;"));
    // Number columns whose text the driver reads and writes anew.
    SQL_OK(QString::fromLatin1(szamTabla));
    SQL_OK(QStringLiteral(
        "INSERT INTO proba_szamok VALUES (1, 1e20, 0.1, 12.5, 9007199254740993, -5, 2024),"
        " (2, 0.00001, 1.25, -0.001, -1, 127, NULL), (3, 100000000, 3e10, 123456789.125, 0, 0,"
        " 1999), (4, -0.0, NULL, NULL, NULL, NULL, NULL), (5, 123456789.123456789,"
        " 1e-7, 0, 42, 1, 2000), (6, 1500, 2, 1500, 1500, 15, 2015);"));
    m_eredeti = pillanatkep(Kapcsolat::fo());
    QCOMPARE(m_eredeti.value(QStringLiteral("proba_tipusok")).size(), 250);
    QVERIFY(!m_eredeti.contains(QStringLiteral("vw_proba")));

    // The user with a password for the full backup.
    try {
        QSqlDatabase r = Kapcsolat::nyit(TesztAdatbazis::root(), QStringLiteral("teszt_root_m"));
        for (const QString& gep : {QStringLiteral("localhost"), QStringLiteral("127.0.0.1")}) {
            const QString u = SqlIdez(mentoFelhasznalo) + QStringLiteral("@") + SqlIdez(gep);
            SqlFuttat(QStringLiteral("DROP USER IF EXISTS ") + u, r);
            SqlFuttat(QStringLiteral("CREATE USER ") + u + QStringLiteral(" IDENTIFIED BY ") +
                          SqlIdez(mentoJelszo),
                      r);
            SqlFuttat(QStringLiteral("GRANT ALL PRIVILEGES ON ") + forrasNev +
                          QStringLiteral(".* TO ") + u,
                      r);
            // The full backup takes the stored procedures along, whose text
            // only their definer or a reader of mysql.proc may see.
            SqlFuttat(QStringLiteral("GRANT SELECT ON mysql.proc TO ") + u, r);
        }
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    Kapcsolat::bezar(QStringLiteral("teszt_root_m"));
}

void TestAdatbazisMentes::cleanupTestCase()
{
    Kapcsolat::foBezar();
    try {
        QSqlDatabase r = Kapcsolat::nyit(TesztAdatbazis::root(), QStringLiteral("teszt_root_m"));
        for (const QString& gep : {QStringLiteral("localhost"), QStringLiteral("127.0.0.1")})
            SqlFuttat(QStringLiteral("DROP USER IF EXISTS ") + SqlIdez(mentoFelhasznalo) +
                          QStringLiteral("@") + SqlIdez(gep),
                      r);
    } catch (const DbHiba&) {
    }
    Kapcsolat::bezar(QStringLiteral("teszt_root_m"));
    TesztAdatbazis::torol(forrasNev);
    TesztAdatbazis::torol(celNev);
}

void TestAdatbazisMentes::nincsMaradek()
{
    const QStringList maradek = QDir(m_dir.path())
                                    .entryList({QStringLiteral("*.part"), QStringLiteral("Temp")},
                                               QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY2(maradek.isEmpty(), qPrintable(maradek.join(QLatin1Char(' '))));
}

void TestAdatbazisMentes::elront()
{
    SQL_OK(QStringLiteral("DELETE FROM proba_tipusok WHERE id > 120;"));
    SQL_OK(QStringLiteral(
        "UPDATE proba_tipusok SET szoveg = 'elrontva', datum = NULL WHERE id < 10;"));
    SQL_OK(QStringLiteral("INSERT INTO proba_tipusok (id, szoveg) VALUES (1000, 'új sor');"));
    SQL_OK(QStringLiteral("DELETE FROM ugyfel;"));
    SQL_OK(QStringLiteral("UPDATE cikkszam SET cikkszam_nev = CONCAT(cikkszam_nev, '!');"));
}

void TestAdatbazisMentes::mentesFormatum()
{
    const QString fajl = m_dir.filePath(QStringLiteral("formatum.sql"));
    QList<int> haladas;
    BiztonsagiMentes(forras(), fajl, [&](int k, int) { haladas.append(k); });
    QVERIFY(!haladas.isEmpty());
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    m_mentes = f.readAll();
    // Windows-1250 bytes and CR LF line ends.
    QVERIFY(m_mentes.contains(AnsiBajtok(QStringLiteral("Árvíztűrő tükörfúrógép ŐŰőű"))));
    QVERIFY(!m_mentes.contains(QStringLiteral("Árvíztűrő").toUtf8()));
    QVERIFY(m_mentes.contains("TRUNCATE proba_tipusok;\r\nINSERT IGNORE INTO proba_tipusok "
                              "(id,szoveg,memo,datum,ido,ora,szam,jel) VALUES\r\n"));
    QVERIFY(!m_mentes.contains("vw_proba"));
    // 250 rows: statements of 100, 100 and 50 rows.
    const QString szoveg = FajlSzoveg(m_mentes);
    const SqlSzkript sz = SqlSzkript::elemez(szoveg);
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
    QList<int> sorok;
    for (const auto& u : sz.utasitasok())
        if (u.szoveg.startsWith(QStringLiteral("INSERT IGNORE INTO proba_tipusok ")))
            sorok.append(int(u.szoveg.count(QStringLiteral("\r\n("))));
    QCOMPARE(sorok, (QList<int>{100, 100, 50}));
    const MentesAdatok a = MentesEllenoriz(fajl);
    QVERIFY(a.sajat && a.lezart && a.adat && !a.utf8);
    QCOMPARE(a.utasitasok, qint64(sz.utasitasok().size()));
    // The marks: our first line, and the closing line with the statement
    // count and the CRC-32 of everything before it.
    QVERIFY(m_mentes.startsWith(MentesFejSor()));
    const qsizetype zaro = m_mentes.lastIndexOf("-- VexloF vege: ");
    QVERIFY(zaro > 0);
    QCOMPARE(m_mentes.mid(zaro),
             MentesZaroSor(a.utasitasok,
                           quint32(crc32(0, reinterpret_cast<const Bytef*>(m_mentes.constData()),
                                         uInt(zaro)))));
    // Between the marks the bytes are what the program always wrote: the
    // driver's text of every value (the earlier writer, kept here).
    QByteArray regi;
    for (const QString& t : TablaNevek(Kapcsolat::fo())) {
        regi.append(AnsiBajtok(QLatin1String("TRUNCATE ") + t + QLatin1String(";\r\n")));
        regi.append(AnsiBajtok(regiInsertSzoveg(t)));
        regi.append("\r\n");
    }
    const QByteArray torzs = m_mentes.mid(MentesFejSor().size(), zaro - MentesFejSor().size());
    if (torzs != regi) {
        qsizetype i = 0;
        while (i < qMin(torzs.size(), regi.size()) && torzs.at(i) == regi.at(i))
            ++i;
        QFAIL(qPrintable(QStringLiteral("differs at ") + QString::number(i) + QStringLiteral(": ") +
                         AnsiSzoveg(torzs.mid(qMax<qsizetype>(0, i - 80), 160)) +
                         QStringLiteral("\n---\n") +
                         AnsiSzoveg(regi.mid(qMax<qsizetype>(0, i - 80), 160))));
    }
}

void TestAdatbazisMentes::oda_vissza_data()
{
    QTest::addColumn<QString>("nev");
    QTest::newRow("plain") << QStringLiteral("oda_sima.sql");
    QTest::newRow("zipped") << QStringLiteral("oda_tomoritett.zip");
    QTest::newRow("zipped, upper-case extension") << QStringLiteral("ODA2.ZIP");
}

void TestAdatbazisMentes::oda_vissza()
{
    QFETCH(QString, nev);
    const QString fajl = m_dir.filePath(nev);
    BiztonsagiMentes(forras(), fajl);
    QVERIFY(QFile::exists(fajl));
    if (nev.endsWith(QStringLiteral("zip"), Qt::CaseInsensitive)) {
        QuaZip z(fajl);
        QVERIFY(z.open(QuaZip::mdUnzip));
        QCOMPARE(z.getFileNameList(), QStringList{ZipTagNev(fajl)});
        // The script was prepared in the temporary folder and removed.
        QVERIFY(!QFile::exists(m_dir.filePath(ZipTagNev(fajl))));
    }
    elront();
    QVERIFY(pillanatkep(Kapcsolat::fo()) != m_eredeti);
    int utolso = 0, osszes = 0;
    Visszaallitas(forras(), fajl, igen(), [&](int k, int o) {
        utolso = k;
        osszes = o;
    });
    QVERIFY(osszes > 0);
    QCOMPARE(utolso, osszes);
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
    nincsMaradek();
}

void TestAdatbazisMentes::masikAdatbazisba()
{
    // A new database created with the schema through the restore path, then
    // filled from the backup: table by table the same content.
    const KapcsolatAdat cel = TesztAdatbazis::uresLetrehoz(celNev);
    Visszaallitas(cel, TesztAdatbazis::schemaFajl(), igen());
    {
        QSqlDatabase db = Kapcsolat::nyit(cel, QStringLiteral("cel"));
        SqlFuttat(QString::fromLatin1(probaTabla), db);
        SqlFuttat(QString::fromLatin1(szamTabla), db);
    }
    Kapcsolat::bezar(QStringLiteral("cel"));
    const QString fajl = m_dir.filePath(QStringLiteral("masik.zip"));
    BiztonsagiMentes(forras(), fajl);
    Visszaallitas(cel, fajl, igen());
    Pillanatkep p;
    {
        QSqlDatabase db = Kapcsolat::nyit(cel, QStringLiteral("cel"));
        p = pillanatkep(db);
    }
    Kapcsolat::bezar(QStringLiteral("cel"));
    egyezik(p, m_eredeti);
}

void TestAdatbazisMentes::zipMelletiSqlMarad()
{
    // A ".sql" file of the archive's name beside it is not the backup's to
    // overwrite or delete.
    const QString fajl = m_dir.filePath(QStringLiteral("szomszed.zip"));
    const QString szomszed = m_dir.filePath(QStringLiteral("szomszed.sql"));
    {
        QFile f(szomszed);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("-- a kezelő saját fájlja\n");
    }
    BiztonsagiMentes(forras(), fajl);
    QFile f(szomszed);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("-- a kezelő saját fájlja\n"));
}

void TestAdatbazisMentes::csonkaMentesElutasitva_data()
{
    QTest::addColumn<QByteArray>("vag"); // where the file is cut
    QTest::newRow("inside a quoted text") << AnsiBajtok(QStringLiteral("'Árvíztűrő tükör"));
    QTest::newRow("after a row line, statement open") << QByteArray("),\r\n(");
    QTest::newRow("inside a value list") << QByteArray("'O''Neil ''''k");
    QTest::newRow("inside the column list") << QByteArray("(id,szoveg,me");
}

void TestAdatbazisMentes::csonkaMentesElutasitva()
{
    QFETCH(QByteArray, vag);
    QVERIFY(!m_mentes.isEmpty());
    // Cut in the middle of the backup, inside proba_tipusok's second block.
    const qsizetype blokk = m_mentes.indexOf("INSERT IGNORE INTO proba_tipusok");
    QVERIFY(blokk > 0);
    qsizetype hol =
        m_mentes.indexOf(vag, m_mentes.indexOf("INSERT IGNORE INTO proba_tipusok", blokk + 10));
    QVERIFY(hol > 0);
    hol += vag.size() - 1;
    for (const QString& nev : {QStringLiteral("csonka.sql"), QStringLiteral("csonka.zip")}) {
        const QString fajl = m_dir.filePath(nev);
        if (nev.endsWith(QStringLiteral(".zip"))) {
            const QString sql = m_dir.filePath(QStringLiteral("forras_csonka.sql"));
            QFile f(sql);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(m_mentes.left(hol));
            f.close();
            ZipKeszit(fajl, sql, ZipTagNev(fajl));
        } else {
            QFile f(fajl);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(m_mentes.left(hol));
        }
        elront();
        const Pillanatkep elotte = pillanatkep(Kapcsolat::fo());
        try {
            Visszaallitas(forras(), fajl, igen());
            QFAIL("a damaged backup was loaded");
        } catch (const Hiba& h) {
            QVERIFY2(h.uzenet().contains(QStringLiteral("hiányos vagy sérült")),
                     qPrintable(h.uzenet()));
            QVERIFY(h.uzenet().contains(QStringLiteral("változatlan")));
        }
        egyezik(pillanatkep(Kapcsolat::fo()), elotte);
        Visszaallitas(forras(), m_dir.filePath(QStringLiteral("formatum.sql")), igen());
    }
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

void TestAdatbazisMentes::zipHibak()
{
    const QString sql = m_dir.filePath(QStringLiteral("formatum.sql"));
    elront();
    const Pillanatkep elotte = pillanatkep(Kapcsolat::fo());
    auto elutasit = [&](const QString& fajl, const QString& resz) {
        try {
            Visszaallitas(forras(), fajl, igen());
            QFAIL(qPrintable(fajl + QStringLiteral(" was loaded")));
        } catch (const Hiba& h) {
            QVERIFY2(h.uzenet().contains(resz), qPrintable(h.uzenet()));
        }
        nincsMaradek();
    };

    // The member does not carry the archive's base name.
    const QString masNev = m_dir.filePath(QStringLiteral("masnev.zip"));
    ZipKeszit(masNev, sql, QStringLiteral("formatum.sql"));
    elutasit(masNev, QStringLiteral("nincs meg a várt fájl: masnev.sql"));

    // A stored (uncompressed) member with one byte changed: checksum error.
    const QString tarolt = m_dir.filePath(QStringLiteral("tarolt.zip"));
    {
        QuaZip z(tarolt);
        QVERIFY(z.open(QuaZip::mdCreate));
        QuaZipFile ki(&z);
        QVERIFY(ki.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("tarolt.sql")), nullptr,
                        0, 0, 0));
        ki.write(m_mentes);
        ki.close();
        z.close();
    }
    QByteArray bajtok;
    {
        QFile f(tarolt);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bajtok = f.readAll();
    }
    const qsizetype hol = bajtok.indexOf("TRUNCATE proba_tipusok");
    QVERIFY(hol > 0);
    bajtok[hol] = 'X';
    {
        QFile f(tarolt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bajtok);
    }
    elutasit(tarolt, QStringLiteral("ellenőrzőösszeg"));

    // A compressed member whose data is damaged.
    const QString serult = m_dir.filePath(QStringLiteral("serult.zip"));
    ZipKeszit(serult, sql, ZipTagNev(serult));
    {
        QFile f(serult);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray b = f.readAll();
        for (qsizetype i = 200; i < 260; ++i)
            b[i] = char(b.at(i) ^ 0x5A);
        f.seek(0);
        f.write(b);
    }
    elutasit(serult, QStringLiteral("változatlan"));

    // Not an archive at all.
    const QString nemZip = m_dir.filePath(QStringLiteral("nemzip.zip"));
    QFile::copy(sql, nemZip);
    elutasit(nemZip, QStringLiteral("zip"));

    egyezik(pillanatkep(Kapcsolat::fo()), elotte);
}

void TestAdatbazisMentes::kodlapok_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<bool>("zip");
    QTest::newRow("Windows-1250") << false << false;
    QTest::newRow("UTF-8") << true << false;
    QTest::newRow("Windows-1250 in a zip") << false << true;
    QTest::newRow("UTF-8 in a zip") << true << true;
}

void TestAdatbazisMentes::kodlapok()
{
    QFETCH(bool, utf8);
    QFETCH(bool, zip);
    const QString szoveg =
        QStringLiteral("TRUNCATE proba_tipusok;\r\n"
                       "INSERT IGNORE INTO proba_tipusok (id,szoveg,memo) VALUES\r\n"
                       "(1,'Árvíztűrő tükörfúrógép','ŐŰőű áéíóöúü'),\r\n"
                       "(2,'Ökör és Ügyfél','Őz\\r\\nŰr');\r\n");
    const QByteArray bajtok = utf8 ? szoveg.toUtf8() : AnsiBajtok(szoveg);
    const QString sql = m_dir.filePath(QStringLiteral("kodlap.sql"));
    {
        QFile f(sql);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bajtok);
    }
    QString fajl = sql;
    if (zip) {
        fajl = m_dir.filePath(QStringLiteral("kodlap.zip"));
        ZipKeszit(fajl, sql, ZipTagNev(fajl));
    }
    Visszaallitas(forras(), fajl, igen());
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT szoveg FROM proba_tipusok WHERE id=1;"), QString()),
             QStringLiteral("Árvíztűrő tükörfúrógép"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT memo FROM proba_tipusok WHERE id=1;"), QString()),
             QStringLiteral("ŐŰőű áéíóöúü"));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT memo FROM proba_tipusok WHERE id=2;"), QString()),
             QStringLiteral("Őz\r\nŰr"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM proba_tipusok;"), -1), 2);
    Visszaallitas(forras(), m_dir.filePath(QStringLiteral("formatum.sql")), igen());
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

void TestAdatbazisMentes::hibasUtasitasVisszavon()
{
    // A data script whose later statement the server refuses: the tables
    // emptied and filled before it come back as they were.
    const QString fajl = m_dir.filePath(QStringLiteral("hibas.sql"));
    {
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(AnsiBajtok(QStringLiteral(
            "TRUNCATE proba_tipusok;\r\n"
            "INSERT IGNORE INTO proba_tipusok (id,szoveg) VALUES\r\n(1,'egy');\r\n"
            "TRUNCATE ugyfel;\r\n"
            "INSERT IGNORE INTO ugyfel (ugyfel,nincs_ilyen) VALUES\r\n(1,'x');\r\n")));
    }
    QVERIFY(MentesElemez(fajl).adat);
    try {
        Visszaallitas(forras(), fajl, igen());
        QFAIL("the refused statement was not reported");
    } catch (const DbHiba& h) {
        QVERIFY2(h.uzenet().contains(QStringLiteral("nincs_ilyen")), qPrintable(h.uzenet()));
        QVERIFY(h.uzenet().contains(QStringLiteral("5. sor")));
        QVERIFY(h.uzenet().contains(QStringLiteral("visszavonva")));
        QCOMPARE(h.kod(), 1054);
    }
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

void TestAdatbazisMentes::nezetSorokKimaradnak()
{
    // Older backups listed views with the tables; their lines are skipped.
    const QString fajl = m_dir.filePath(QStringLiteral("nezettel.sql"));
    QByteArray b = regiFormatum(m_mentes);
    b.append("TRUNCATE vw_proba;\r\nINSERT IGNORE INTO vw_proba (id,szoveg) "
             "VALUES\r\n(5000,'nézet');\r\n");
    {
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    elront();
    Visszaallitas(forras(), fajl, igen());
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

void TestAdatbazisMentes::semaBetoltesEsBelepes()
{
    // The schema script (tables, views, procedures in DELIMITER blocks) is
    // not a data script and runs statement by statement.
    QVERIFY(!MentesElemez(TesztAdatbazis::schemaFajl()).adat);
    const KapcsolatAdat cel = TesztAdatbazis::uresLetrehoz(celNev);
    Visszaallitas(cel, TesztAdatbazis::schemaFajl(), igen());
    const KapcsolatAdat fo = TesztAdatbazis::root(forrasNev);
    Kapcsolat::foNyit(cel);
    const auto jog = Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
    const QString verzio = SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString());
    Kapcsolat::foNyit(fo);
    QVERIFY(jog.has_value());
    QVERIFY(jog->rendszergazda);
    QCOMPARE(verzio, ProgramVerzio);
}

void TestAdatbazisMentes::teljesMentes_data()
{
    QTest::addColumn<bool>("jelszoval");
    QTest::newRow("root without password") << false;
    QTest::newRow("user with a password") << true;
}

void TestAdatbazisMentes::teljesMentes()
{
    QFETCH(bool, jelszoval);
    const QString eszkoz = TeljesMentes::alapEszkoz();
    if (eszkoz.isEmpty())
        QSKIP("no mariadb-dump or mysqldump on the PATH");
    KapcsolatAdat a = forras();
    if (jelszoval) {
        a.felhasznalo = mentoFelhasznalo;
        a.jelszo = mentoJelszo;
        // The same password opens the program's own connection.
        Kapcsolat::nyit(a, QStringLiteral("mento_proba"));
        Kapcsolat::bezar(QStringLiteral("mento_proba"));
    }
    QTemporaryDir munka;
    QTemporaryDir celMappa;
    const QString cel = celMappa.filePath(QStringLiteral("teljes mentés.sql"));

    TeljesMentes m;
    QSignalSpy kesz(&m, &TeljesMentes::kesz);
    QVERIFY2(m.indit(eszkoz, a, cel, munka.path()), qPrintable(m.hiba()));
    const QString opcio = m.opcioFajl();
    QVERIFY(!opcio.isEmpty());
    if (QFile::exists(opcio)) {
        const auto idegen = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther |
                            QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(opcio) & idegen, QFileDevice::Permissions());
    }
    const QStringList args = m.folyamat()->arguments();
    QVERIFY(args.first().startsWith(QStringLiteral("--defaults-extra-file=")));
    QVERIFY(args.contains(QStringLiteral("--result-file=") + cel));
    if (jelszoval) {
        QVERIFY(!args.join(QLatin1Char(' ')).contains(mentoJelszo));
        QFile cmd(QStringLiteral("/proc/") + QString::number(m.folyamat()->processId()) +
                  QStringLiteral("/cmdline"));
        if (cmd.open(QIODevice::ReadOnly))
            QVERIFY(!cmd.readAll().contains(mentoJelszo.toUtf8()));
    }
    QVERIFY(kesz.wait(120000));
    const bool sikeres = kesz.first().at(0).toBool();
    QVERIFY2(sikeres, qPrintable(kesz.first().at(1).toString()));
    QVERIFY(kesz.first().at(1).toString().contains(QStringLiteral("elkészült")));

    // The option file is gone, and no file left in the working folder holds
    // the password.
    QVERIFY(!QFile::exists(opcio));
    QVERIFY(m.opcioFajl().isEmpty());
    if (jelszoval) {
        QDirIterator it(munka.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray b = f.readAll();
            QVERIFY2(!b.contains(mentoJelszo.toUtf8()) && !b.contains(AnsiBajtok(mentoJelszo)),
                     qPrintable(f.fileName()));
        }
    }
    // The dump itself: the database with its data.
    QFile f(cel);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray dump = f.readAll();
    QVERIFY(dump.contains("CREATE DATABASE"));
    QVERIFY(dump.contains(forrasNev.toUtf8()));
    QVERIFY(dump.contains("proba_tipusok"));
    QVERIFY(dump.contains(QStringLiteral("Árvíztűrő tükörfúrógép").toUtf8()));
    QVERIFY(!dump.contains(mentoJelszo.toUtf8()));
    // Our batch reader can read it back.
    const SqlSzkript sz = SqlSzkript::elemez(FajlSzoveg(dump));
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
}

void TestAdatbazisMentes::teljesMentesHibak()
{
    const QString eszkoz = TeljesMentes::alapEszkoz();
    if (eszkoz.isEmpty())
        QSKIP("no mariadb-dump or mysqldump on the PATH");
    QTemporaryDir munka;
    {
        // A wrong password: the tool's refusal is reported, the option file removed.
        KapcsolatAdat a = forras();
        a.felhasznalo = mentoFelhasznalo;
        a.jelszo = QStringLiteral("rossz jelszó");
        TeljesMentes m;
        QSignalSpy kesz(&m, &TeljesMentes::kesz);
        QVERIFY(m.indit(eszkoz, a, munka.filePath(QStringLiteral("rossz.sql")), munka.path()));
        const QString opcio = m.opcioFajl();
        QVERIFY(kesz.wait(60000));
        QCOMPARE(kesz.first().at(0).toBool(), false);
        QVERIFY2(kesz.first().at(1).toString().contains(QStringLiteral("Access denied")),
                 qPrintable(kesz.first().at(1).toString()));
        QVERIFY(!QFile::exists(opcio));
    }
    {
        // A tool that is not there: nothing is written.
        munka.remove();
        QVERIFY(QDir().mkpath(munka.path()));
        TeljesMentes m;
        QVERIFY(!m.indit(munka.filePath(QStringLiteral("nincs-ilyen-dump")), forras(),
                         munka.filePath(QStringLiteral("x.sql")), munka.path()));
        QVERIFY(m.hiba().contains(QStringLiteral("nem található")));
        QVERIFY(QDir(munka.path()).entryList(QDir::Files).isEmpty());
    }
}

void TestAdatbazisMentes::regiAdatok()
{
    Jog.felhasznalo = QStringLiteral("rendszergazda");
    QCOMPARE(RegiAdatokAlapDatum(QDate(2024, 5, 31)), QDate(2024, 2, 29));
    QCOMPARE(RegiAdatokUtasitas(QDate(2024, 2, 29)),
             QStringLiteral("CALL sp_torol('2024-02-29');"));
    SQL_OK(QStringLiteral(
        "INSERT INTO naplo (datum, felhasznalo, sikeres) VALUES ('2001-01-01', 'regi', 'I'), "
        "('2001-01-03', 'ujabb', 'I');"));
    RegiAdatokTorol(QDate(2001, 1, 2));
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT mit FROM naplozas ORDER BY naplozas DESC LIMIT 1;"),
                       QString()),
             QStringLiteral("Régi adatok törlése: '2001-01-02'"));
    QCOMPARE(SqlSzoveg(
                 QStringLiteral("SELECT felhasznalo FROM naplozas ORDER BY naplozas DESC LIMIT 1;"),
                 QString()),
             QStringLiteral("rendszergazda"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplo WHERE felhasznalo='regi';"), -1),
             0);
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplo WHERE felhasznalo='ujabb';"), -1),
             1);
}

void TestAdatbazisMentes::egyPillanat()
{
    // Another workstation closes the day while the backup runs: the lines
    // move from rendelma to rendeles between the two tables' reads. The
    // backup holds every line exactly once.
    const int darab = 300;
    SQL_OK(QStringLiteral("DELETE FROM rendeles;"));
    SQL_OK(QStringLiteral("DELETE FROM rendelma;"));
    for (int i = 1; i <= darab; ++i)
        SQL_OK(
            QStringLiteral("INSERT INTO rendelma (rendelesazon, datum, asztal, cikkazon, db, ar) "
                           "VALUES (%1, '2026-12-11', 1, 1, 1, 100);")
                .arg(i));
    const QStringList tablak = TablaNevek(Kapcsolat::fo());
    const int elso = int(qMin(tablak.indexOf(QStringLiteral("rendeles")),
                              tablak.indexOf(QStringLiteral("rendelma"))));
    const int masodik = int(qMax(tablak.indexOf(QStringLiteral("rendeles")),
                                 tablak.indexOf(QStringLiteral("rendelma"))));
    QVERIFY(elso >= 0 && elso < masodik);

    const QString fajl = m_dir.filePath(QStringLiteral("pillanat.sql"));
    {
        QSqlDatabase masik = Kapcsolat::nyit(forras(), QStringLiteral("masik_munkaallomas"));
        bool athelyezve = false;
        BiztonsagiMentes(forras(), fajl, [&](int i, int) {
            if (i != masodik || athelyezve)
                return;
            athelyezve = true;
            Tranzakcio t(masik);
            SqlFuttat(QStringLiteral("INSERT INTO rendeles SELECT * FROM rendelma;"), masik);
            SqlFuttat(QStringLiteral("DELETE FROM rendelma;"), masik);
        });
        QVERIFY(athelyezve);
    }
    Kapcsolat::bezar(QStringLiteral("masik_munkaallomas"));
    QCOMPARE(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM rendeles;"), -1), darab);

    QFile f(fajl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const SqlSzkript sz = SqlSzkript::elemez(FajlSzoveg(f.readAll()));
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
    QMap<int, int> hanyszor;
    for (const auto& u : sz.utasitasok()) {
        if (!u.szoveg.startsWith(QStringLiteral("INSERT IGNORE INTO rendel")))
            continue;
        const QStringList sorok = u.szoveg.split(QStringLiteral("\r\n"));
        for (int k = 1; k < sorok.size(); ++k)
            ++hanyszor[sorok.at(k).mid(1).section(QLatin1Char(','), 0, 0).toInt()];
    }
    QCOMPARE(hanyszor.size(), darab);
    for (auto it = hanyszor.cbegin(); it != hanyszor.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(QString::number(it.key())));
    Visszaallitas(forras(), m_dir.filePath(QStringLiteral("formatum.sql")), igen());
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

namespace
{

enum class Serules {
    BajtCsere,
    SorTorles,
    TruncateTorles,
    VagasHataron,
    VagasKozepen,
    ElirtInsert,
    RosszDatum
};
enum class Vart { Elutasit, Visszavon, Kerdez };

// The damage on the bytes of a backup (ours or one without the marks).
QByteArray ront(QByteArray b, Serules s)
{
    const qsizetype blokk = b.indexOf("INSERT IGNORE INTO proba_tipusok");
    const qsizetype sor = b.indexOf("\r\n(", blokk) + 2; // the first row line
    switch (s) {
    case Serules::BajtCsere: {
        // Inside a text value: the file still reads as valid SQL.
        const qsizetype i = b.indexOf(AnsiBajtok(QStringLiteral("tükörfúrógép")), blokk);
        b[i + 1] = char(b.at(i + 1) ^ 0x01);
        break;
    }
    case Serules::SorTorles: {
        const qsizetype masodik = b.indexOf("\r\n", sor) + 2;
        b.remove(masodik, b.indexOf("\r\n", masodik) + 2 - masodik);
        break;
    }
    case Serules::TruncateTorles: {
        const QByteArray t = "TRUNCATE proba_tipusok;\r\n";
        b.remove(b.indexOf(t), t.size());
        break;
    }
    case Serules::VagasHataron:
        b.truncate(b.indexOf(";\r\n", blokk) + 3);
        break;
    case Serules::VagasKozepen:
        b.truncate(sor + 10);
        break;
    case Serules::ElirtInsert:
        b.replace(blokk, 6, "INSRET");
        break;
    case Serules::RosszDatum: {
        const qsizetype i = b.indexOf("'2024-", sor);
        b.replace(i + 6, 5, "13-45");
        break;
    }
    }
    return b;
}

} // namespace

void TestAdatbazisMentes::serulesek_data()
{
    QTest::addColumn<int>("serules");
    QTest::addColumn<bool>("sajat"); // a backup with the marks, or one without
    QTest::addColumn<int>("vart");
    const auto sor = [](const char* nev, Serules s, bool sajat, Vart v) {
        QTest::newRow(nev) << int(s) << sajat << int(v);
    };
    // Ours: the closing line finds every kind of damage before anything runs.
    sor("ours, byte flipped", Serules::BajtCsere, true, Vart::Elutasit);
    sor("ours, row line deleted", Serules::SorTorles, true, Vart::Elutasit);
    sor("ours, TRUNCATE line deleted", Serules::TruncateTorles, true, Vart::Elutasit);
    sor("ours, cut at a statement boundary", Serules::VagasHataron, true, Vart::Elutasit);
    sor("ours, cut mid-statement", Serules::VagasKozepen, true, Vart::Elutasit);
    sor("ours, misspelt INSERT", Serules::ElirtInsert, true, Vart::Elutasit);
    sor("ours, damaged date", Serules::RosszDatum, true, Vart::Elutasit);
    // Without the marks: what parsing finds is refused, a warning of the
    // server rolls back, and what nothing can find is only loaded after the
    // operator was told (here: no).
    sor("old, byte flipped", Serules::BajtCsere, false, Vart::Kerdez);
    sor("old, row line deleted", Serules::SorTorles, false, Vart::Kerdez);
    sor("old, TRUNCATE line deleted", Serules::TruncateTorles, false, Vart::Visszavon);
    sor("old, cut at a statement boundary", Serules::VagasHataron, false, Vart::Kerdez);
    sor("old, cut mid-statement", Serules::VagasKozepen, false, Vart::Elutasit);
    sor("old, misspelt INSERT", Serules::ElirtInsert, false, Vart::Elutasit);
    sor("old, damaged date", Serules::RosszDatum, false, Vart::Visszavon);
}

void TestAdatbazisMentes::serulesek()
{
    QFETCH(int, serules);
    QFETCH(bool, sajat);
    QFETCH(int, vart);
    QVERIFY(!m_mentes.isEmpty());
    const QByteArray ep = sajat ? m_mentes : regiFormatum(m_mentes);
    const QString fajl = m_dir.filePath(QStringLiteral("serult.sql"));
    fajlIr(fajl, ront(ep, Serules(serules)));
    // The intact file of the same kind loads (without the marks only after
    // the question).
    const QString ep_fajl = m_dir.filePath(QStringLiteral("ep.sql"));
    fajlIr(ep_fajl, ep);
    QVERIFY(MentesElemez(ep_fajl).lezart == sajat);

    elront();
    const Pillanatkep elotte = pillanatkep(Kapcsolat::fo());
    QStringList kerdesek;
    VisszaallitasKerdesek k;
    k.ellenorizhetetlen = [&](const QString& szoveg) {
        kerdesek.append(szoveg);
        return Vart(vart) == Vart::Visszavon;
    };
    k.felulir = [&](const QString&, const QString&) {
        kerdesek.append(QStringLiteral("felülírás"));
        return true;
    };
    switch (Vart(vart)) {
    case Vart::Elutasit:
        QVERIFY_THROWS_EXCEPTION(MentesHiba, Visszaallitas(forras(), fajl, k));
        QVERIFY2(kerdesek.isEmpty(), qPrintable(kerdesek.join(QLatin1Char('|'))));
        break;
    case Vart::Visszavon:
        try {
            Visszaallitas(forras(), fajl, k);
            QFAIL("the damaged backup was loaded");
        } catch (const DbHiba& h) {
            QVERIFY2(h.uzenet().contains(QStringLiteral("visszavonva")), qPrintable(h.uzenet()));
        }
        QCOMPARE(kerdesek.size(), 2);
        break;
    case Vart::Kerdez:
        QVERIFY(!Visszaallitas(forras(), fajl, k));
        QCOMPARE(kerdesek.size(), 1);
        QVERIFY2(kerdesek.first().contains(QStringLiteral("nem ellenőrizhető")),
                 qPrintable(kerdesek.first()));
        break;
    }
    egyezik(pillanatkep(Kapcsolat::fo()), elotte);
    Visszaallitas(forras(), ep_fajl, igen());
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

void TestAdatbazisMentes::serultZipVeletlen()
{
    // Random bytes flipped in many copies of an archive: each is refused
    // promptly (a damaged stream must not spin), nothing is unpacked, the
    // database is untouched. A flip outside the data may hit a byte no
    // reader uses (a date, an attribute); such a copy passes the check and
    // is then let go at the last question.
    const QString sql = m_dir.filePath(QStringLiteral("formatum.sql"));
    const QString ep = m_dir.filePath(QStringLiteral("veletlen.zip"));
    ZipKeszit(ep, sql, ZipTagNev(ep));
    QByteArray bajtok;
    {
        QFile f(ep);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bajtok = f.readAll();
    }
    // The compressed data follows the local header and its name and extra
    // field.
    const auto le16 = [&](int i) {
        return int(quint8(bajtok.at(i))) | (int(quint8(bajtok.at(i + 1))) << 8);
    };
    const int adatEleje = 30 + le16(26) + le16(28);
    QuaZip z(ep);
    QVERIFY(z.open(QuaZip::mdUnzip));
    QVERIFY(z.goToFirstFile());
    QuaZipFileInfo64 info;
    QVERIFY(z.getCurrentFileInfo(&info));
    z.close();
    const int adatVege = adatEleje + int(info.compressedSize);
    QVERIFY(adatVege < bajtok.size());

    elront();
    const Pillanatkep elotte = pillanatkep(Kapcsolat::fo());
    QRandomGenerator veletlen(20261211);
    int elutasitva = 0;
    for (int n = 0; n < 120; ++n) {
        const bool adatban = n % 4 != 3;
        QByteArray b = bajtok;
        const int hany = 1 + int(veletlen.bounded(3));
        for (int k = 0; k < hany; ++k) {
            const int hol = adatban ? adatEleje + int(veletlen.bounded(adatVege - adatEleje))
                                    : int(veletlen.bounded(int(b.size())));
            b[hol] = char(b.at(hol) ^ (1 + int(veletlen.bounded(255))));
        }
        const QString fajl = m_dir.filePath(QStringLiteral("veletlen%1.zip").arg(n));
        fajlIr(fajl, b);
        VisszaallitasKerdesek nem;
        nem.felulir = [](const QString&, const QString&) { return false; };
        try {
            QVERIFY(!Visszaallitas(forras(), fajl, nem));
            QVERIFY2(!adatban, qPrintable(fajl));
        } catch (const Hiba&) {
            ++elutasitva;
        }
        QFile::remove(fajl);
        nincsMaradek();
    }
    QVERIFY(elutasitva >= 90);
    egyezik(pillanatkep(Kapcsolat::fo()), elotte);
    Visszaallitas(forras(), sql, igen());
}

void TestAdatbazisMentes::sikertelenMentesNemHagyFajlt()
{
    // A backup that fails leaves nothing: no half file, no temporary one,
    // and an earlier file of the same name as it was.
    for (const QString& nev : {QStringLiteral("felbe.sql"), QStringLiteral("felbe.zip")}) {
        const QString fajl = m_dir.filePath(nev);
        // The server refuses: no such database.
        KapcsolatAdat rossz = forras();
        rossz.adatbazis = QStringLiteral("nincs_ilyen_adatbazis");
        QVERIFY_THROWS_EXCEPTION(DbHiba, BiztonsagiMentes(rossz, fajl));
        QVERIFY(!QFile::exists(fajl));
        nincsMaradek();
        // Broken off half way (here by the progress callback).
        const auto felbe = [](int i, int) {
            if (i == 3)
                throw Hiba(QStringLiteral("megszakítva"));
        };
        QVERIFY_THROWS_EXCEPTION(Hiba, BiztonsagiMentes(forras(), fajl, felbe));
        QVERIFY(!QFile::exists(fajl));
        nincsMaradek();
        // Over an earlier file: it stays as it was.
        fajlIr(fajl, "korabbi");
        QVERIFY_THROWS_EXCEPTION(Hiba, BiztonsagiMentes(forras(), fajl, felbe));
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("korabbi"));
        f.close();
        QFile::remove(fajl);
        nincsMaradek();
    }
    // A folder that does not exist: a clear error, nothing created.
    const QString nincs = m_dir.filePath(QStringLiteral("Documents/x.zip"));
    try {
        BiztonsagiMentes(forras(), nincs);
        QFAIL("a backup into a missing folder succeeded");
    } catch (const Hiba& h) {
        QVERIFY2(h.uzenet().contains(QStringLiteral("nem létezik")), qPrintable(h.uzenet()));
    }
    QVERIFY(!QDir(m_dir.filePath(QStringLiteral("Documents"))).exists());
}

void TestAdatbazisMentes::teljesMentesEljarasokkal()
{
    // The full dump reloaded with the mariadb client into an empty database
    // brings the business logic back: a bill is settled through the
    // procedures and the administrator logs in.
    const QString eszkoz = TeljesMentes::alapEszkoz();
    const QString kliens = QStandardPaths::findExecutable(QStringLiteral("mariadb"));
    if (eszkoz.isEmpty() || kliens.isEmpty())
        QSKIP("no mariadb-dump or mariadb client on the PATH");
    QTemporaryDir munka;
    const QString cel = munka.filePath(QStringLiteral("teljes.sql"));
    {
        TeljesMentes m;
        QSignalSpy kesz(&m, &TeljesMentes::kesz);
        QVERIFY2(m.indit(eszkoz, forras(), cel, munka.path()), qPrintable(m.hiba()));
        QVERIFY(m.folyamat()->arguments().contains(QStringLiteral("--routines")));
        QVERIFY(m.folyamat()->arguments().contains(QStringLiteral("--single-transaction")));
        QVERIFY(kesz.wait(120000));
        QVERIFY2(kesz.first().at(0).toBool(), qPrintable(kesz.first().at(1).toString()));
    }

    // The dump names its database: it is reloaded after the database is gone.
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(forrasNev);
    QProcess p;
    p.setStandardInputFile(cel);
    p.start(kliens, {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                     QStringLiteral("-P") + QString::number(TesztAdatbazis::port()),
                     QStringLiteral("-uroot")});
    QVERIFY(p.waitForFinished(120000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    Kapcsolat::foNyit(forras());

    SQL_OK(QStringLiteral("INSERT IGNORE INTO naplezar (nap, muszak, lezarva) VALUES "
                          "(CURDATE(), 1, 'N');"));
    const int asztal = SqlEgesz(QStringLiteral("SELECT MIN(asztal) FROM asztal;"), 0);
    const int cikk = SqlEgesz(QStringLiteral("SELECT MIN(cikkazon) FROM cikkszam;"), 0);
    QVERIFY(asztal > 0 && cikk > 0);
    SQL_OK(QStringLiteral("CALL sp_rendelsor(%1, 0, %2, 1500, 2, 'teszt');").arg(asztal).arg(cikk));
    QSqlQuery q = SqlNyit(QStringLiteral("CALL sp_fizet(%1, 'N');").arg(asztal));
    QVERIFY(q.next());
    const int szamla = q.value(0).toInt();
    QVERIFY(szamla > 0);
    QVERIFY(q.value(1).toDouble() >= 3000.0);
    q = QSqlQuery();
    QCOMPARE(SqlSzoveg(QStringLiteral("SELECT CONCAT(fizetve, rendeles) FROM rendelma "
                                      "WHERE megjegyzes = 'teszt';"),
                       QString()),
             QStringLiteral("I") + QString::number(szamla));
    const auto jog = Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
    QVERIFY(jog.has_value());
    Visszaallitas(forras(), m_dir.filePath(QStringLiteral("formatum.sql")), igen());
    egyezik(pillanatkep(Kapcsolat::fo()), m_eredeti);
}

QTEST_GUILESS_MAIN(TestAdatbazisMentes)
#include "test_adatbazismentes.moc"
