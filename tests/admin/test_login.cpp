// The login window against the real schema: the credential check (exact,
// case-sensitive, NULL password), the log row of every attempt, the rights
// read into Jog, cancelling, and the password change.

#include "AblakSeged.h"
#include "Azonositas.h"
#include "Beall.h"
#include "DbHiba.h"
#include "InpStr.h"
#include "KozosDB.h"
#include "Login.h"
#include "Mappak.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SqlSzkript.h"
#include "TesztAdatbazis.h"
#include "Uzenetek.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace
{

const QString AB = QStringLiteral("teszt_login");

QString naploUtolso()
{
    return SqlSzoveg(QStringLiteral("SELECT CONCAT(felhasznalo,'|',sikeres,'|',datum=CURDATE())"
                                    " FROM naplo ORDER BY Az DESC LIMIT 1;"),
                     QString());
}

int naploDb()
{
    return SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplo;"), -1);
}

QString jelszo(const QString& kod)
{
    return SqlSzoveg(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo=") +
                         SqlIdez(kod) + QLatin1Char(';'),
                     QStringLiteral("<NULL>"));
}

bool egyenlo(const TJog& a, const TJog& b)
{
    return a.torzsszerkeszt == b.torzsszerkeszt && a.rendszergazda == b.rendszergazda &&
           a.napzar == b.napzar && a.nyomtathat == b.nyomtathat && a.felhasznalo == b.felhasznalo &&
           a.bevetelezes == b.bevetelezes && a.selejtezes == b.selejtezes && a.kiadas == b.kiadas &&
           a.kasszanez == b.kasszanez && a.kedvezmenytadhat == b.kedvezmenytadhat;
}

// Fills the login window and presses a button.
void kitolt(Tfrm_Login* d, const QString& kod, const QString& jelszo)
{
    d->edtFelhasznalo()->setText(kod);
    d->edtJelszo()->setText(jelszo);
}

// Answers the next password dialog with a text (or cancels it).
void jelszoValasz(const QString& szoveg, bool ok = true, std::function<void()> utana = {})
{
    modalban<Tfrm_InpStr>([szoveg, ok, utana](Tfrm_InpStr* d) {
        if (utana)
            utana();
        gepel(d->szovegSzerkeszto(), szoveg);
        if (ok)
            d->okGomb()->click();
        else
            d->megsemGomb()->click();
    });
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void azonositas_data();
    void azonositas();
    void jogokMezonkent();
    void naploSql();
    void jelszoHash_data();
    void jelszoHash();
    void regiJelszoHashreCserelodik();
    void mentesJelszoNelkul();

    void sikeresBelepes();
    void rosszJelszoNyitvaMarad();
    void masBetumeret();
    void mindenJogNelkul();
    void megsemJogMarad();
    void naploHibaNemLep();
    void ujJelszoElteroMarad();
    void ujJelszoCsere();
    void ujJelszoRosszAzonosito();

private:
    QTemporaryDir m_mappa;
    QList<UzenetAdat> m_uzenetek;
};

void TestLogin::initTestCase()
{
    QVERIFY(m_mappa.isValid());
    QFile ini(m_mappa.filePath(QStringLiteral("VexloF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    MappakBeallit(m_mappa.path());
    AlkalmazasStilus(*qApp);
    try {
        TesztAdatbazis::letrehoz(AB);
    } catch (const DbHiba& h) {
        QFAIL(qPrintable(h.uzenet()));
    }
    // anna: no right at all; bela: no password; csaba: some rights.
    SQL_OK(QStringLiteral(
        "INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo, rendszergazda, "
        "torzsszerkeszt,"
        " napzar, nyomtathat, bevetelezes, kasszanez, csakmainyomtat, selejtezes, kiadas, "
        "kedvezmenytadhat)"
        " VALUES ('anna', 'Kovács Anna', 'Titok1', 'N','N','N','N','N','N','N','N','N','N'),"
        " ('bela', 'Nagy Béla', NULL, 'I','I','I','I','I','I','I','I','I','I'),"
        " ('csaba', 'Szabó Csaba', 'Árvíz', 'N','I','N','I','N','I','N','I','N','I');"));
    UzenetElfogo([this](const UzenetAdat& u) {
        m_uzenetek << u;
        return true;
    });
}

void TestLogin::cleanupTestCase()
{
    UzenetElfogo({});
    Kapcsolat::foBezar();
    TesztAdatbazis::torol(AB);
}

void TestLogin::init()
{
    m_uzenetek.clear();
}

void TestLogin::azonositas_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<bool>("sikeres");
    QTest::newRow("administrator") << "rendszergazda"
                                   << "kobzeti" << true;
    QTest::newRow("code in other letter case") << "Rendszergazda"
                                               << "kobzeti" << false;
    QTest::newRow("password in other letter case") << "rendszergazda"
                                                   << "KOBZETI" << false;
    QTest::newRow("code with trailing space") << "anna "
                                              << "Titok1" << false;
    QTest::newRow("code with accent") << QStringLiteral("ánna") << "Titok1" << false;
    QTest::newRow("password with trailing space") << "anna"
                                                  << "Titok1 " << false;
    QTest::newRow("unknown code") << "zoli"
                                  << "Titok1" << false;
    QTest::newRow("empty code") << ""
                                << "" << false;
    QTest::newRow("NULL password, empty typed") << "bela"
                                                << "" << false;
    QTest::newRow("accented password") << "csaba" << QStringLiteral("Árvíz") << true;
    QTest::newRow("accented password, other accent") << "csaba" << QStringLiteral("Arviz") << false;
}

void TestLogin::azonositas()
{
    QFETCH(QString, kod);
    QFETCH(QString, jelszo);
    QFETCH(bool, sikeres);
    QCOMPARE(Azonosit(kod, jelszo).has_value(), sikeres);
}

void TestLogin::jogokMezonkent()
{
    const auto j = Azonosit(QStringLiteral("csaba"), QStringLiteral("Árvíz"));
    QVERIFY(j);
    QCOMPARE(j->felhasznalo, QStringLiteral("csaba"));
    QVERIFY(!j->rendszergazda);
    QVERIFY(j->torzsszerkeszt);
    QVERIFY(!j->napzar);
    QVERIFY(j->nyomtathat);
    QVERIFY(!j->bevetelezes);
    QVERIFY(j->kasszanez);
    QVERIFY(j->selejtezes); // csakmainyomtat ('N') sits between them in the table
    QVERIFY(!j->kiadas);
    QVERIFY(j->kedvezmenytadhat);

    const auto g = Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
    QVERIFY(g);
    QVERIFY(g->rendszergazda && g->torzsszerkeszt && g->napzar && g->nyomtathat && g->bevetelezes &&
            g->selejtezes && g->kiadas && g->kasszanez && g->kedvezmenytadhat);
}

void TestLogin::naploSql()
{
    QCOMPARE(BelepesNaploSql(QStringLiteral("O'Neil"), true),
             QStringLiteral("INSERT INTO naplo (felhasznalo,datum,ido,sikeres) VALUES ('O''Neil',"
                            "CURDATE(),CURTIME(),'I');"));
    QCOMPARE(BelepesNaploSql(QStringLiteral("x"), false),
             QStringLiteral("INSERT INTO naplo (felhasznalo,datum,ido,sikeres) VALUES ('x',"
                            "CURDATE(),CURTIME(),'N');"));
}

void TestLogin::jelszoHash_data()
{
    QTest::addColumn<QString>("tarolt");
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<bool>("egyezik");
    const QString h = JelszoHash(QStringLiteral("Árvíz-77"));
    QTest::newRow("hash, right") << h << QStringLiteral("Árvíz-77") << true;
    QTest::newRow("hash, other case") << h << QStringLiteral("árvíz-77") << false;
    QTest::newRow("hash, empty") << h << QString() << false;
    QTest::newRow("hash typed as the password") << h << h << false;
    QTest::newRow("plain, right") << QStringLiteral("Titok1") << QStringLiteral("Titok1") << true;
    QTest::newRow("plain, wrong") << QStringLiteral("Titok1") << QStringLiteral("titok1") << false;
    QString csonka = h;
    csonka.chop(2);
    QTest::newRow("hash cut short") << csonka << QStringLiteral("Árvíz-77") << false;
    QTest::newRow("hash without parts") << QStringLiteral("pbkdf2$sha256$") << QString() << false;
    QTest::newRow("damaged count")
        << QString(h).replace(QStringLiteral("$100000$"), QStringLiteral("$x$"))
        << QStringLiteral("Árvíz-77") << false;
}

void TestLogin::jelszoHash()
{
    QFETCH(QString, tarolt);
    QFETCH(QString, jelszo);
    QFETCH(bool, egyezik);
    QCOMPARE(JelszoEgyezik(tarolt, jelszo), egyezik);
}

void TestLogin::regiJelszoHashreCserelodik()
{
    // A plain password of an older database (widened column, same rows)
    // logs in once more and is then stored as a salted hash of the
    // self-describing form; the wrong one is still refused.
    SQL_OK(QStringLiteral(
        "INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo, nyomtathat)"
        " VALUES ('regi', 'Régi Rita', 'Rózsa5', 'I'), ('regi2', 'Régi Rozi', 'Rózsa5', 'N');"));
    QVERIFY(!Azonosit(QStringLiteral("regi"), QStringLiteral("rózsa5")));
    QCOMPARE(jelszo(QStringLiteral("regi")), QStringLiteral("Rózsa5"));
    bool csere = true;
    const auto j = Azonosit(QStringLiteral("regi"), QStringLiteral("Rózsa5"), &csere);
    QVERIFY(j && j->nyomtathat);
    QVERIFY(!csere);
    const QString tarolt = jelszo(QStringLiteral("regi"));
    const QStringList reszek = tarolt.split(QLatin1Char('$'));
    QCOMPARE(reszek.size(), 5);
    QCOMPARE(reszek.mid(0, 2), (QStringList{QStringLiteral("pbkdf2"), QStringLiteral("sha256")}));
    QVERIFY(reszek.at(2).toInt() >= 10000);
    QVERIFY(!tarolt.contains(QStringLiteral("Rózsa5")));
    QVERIFY(Azonosit(QStringLiteral("regi"), QStringLiteral("Rózsa5")));
    QVERIFY(!Azonosit(QStringLiteral("regi"), QStringLiteral("Rozsa5")));
    QCOMPARE(jelszo(QStringLiteral("regi")), tarolt);
    // The same password gets another salt, so another stored value.
    QVERIFY(Azonosit(QStringLiteral("regi2"), QStringLiteral("Rózsa5")));
    QVERIFY(JelszoHashE(jelszo(QStringLiteral("regi2"))));
    QVERIFY(jelszo(QStringLiteral("regi2")) != tarolt);

    // The schema script loaded again over the database keeps the hashes and
    // the column as wide as it is.
    const SqlSzkript sz = SqlSzkript::betolt(TesztAdatbazis::schemaFajl());
    QVERIFY2(sz.ervenyes(), qPrintable(sz.hiba()));
    sz.futtat(Kapcsolat::fo());
    QCOMPARE(jelszo(QStringLiteral("regi")), tarolt);
    QCOMPARE(
        SqlEgesz(QStringLiteral("SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS"
                                " WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME='felhasznalo'"
                                " AND COLUMN_NAME='jelszo';"),
                 -1),
        128);
    SQL_OK(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo IN ('regi','regi2');"));
}

void TestLogin::mentesJelszoNelkul()
{
    // The data backup of the users carries no readable password once they
    // logged in or changed it.
    SQL_OK(QStringLiteral("INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo)"
                          " VALUES ('menti', 'Mentés Mari', 'Levendula3');"));
    QVERIFY(Azonosit(QStringLiteral("menti"), QStringLiteral("Levendula3")));
    const QString mentes = InsertSzoveg(QStringLiteral("felhasznalo"));
    QVERIFY(mentes.contains(QStringLiteral("'menti'")));
    QVERIFY(mentes.contains(QStringLiteral("pbkdf2$sha256$")));
    QVERIFY(!mentes.contains(QStringLiteral("Levendula3")));
    SQL_OK(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo='menti';"));
}

void TestLogin::sikeresBelepes()
{
    // The administrator of a new database logs in with the documented
    // password and must replace it first: cancelling the change leaves the
    // dialog open and the password as it was.
    const int elotte = naploDb();
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        QCOMPARE(d->objectName(), QStringLiteral("frm_Login"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Belépés azonosítás"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->edtFelhasznalo()));
        QCOMPARE(d->edtJelszo()->echoMode(), QLineEdit::Password);
        // Typed with Enter moving on, as an operator does; Enter in the
        // password logs in.
        gepel(d->edtFelhasznalo(), QStringLiteral("rendszergazda"));
        QCOMPARE(d->edtFelhasznalo()->palette().color(QPalette::Base), FokuszSzin());
        QTest::keyClick(d->edtFelhasznalo(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->edtJelszo()));
        gepel(d->edtJelszo(), QStringLiteral("kobzeti"));
        kepMent(d, QStringLiteral("frm_Login"));
        jelszoValasz(QStringLiteral("Uj-titok7"), false);
        QTest::keyClick(d->edtJelszo(), Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Informacio);
        QCOMPARE(jelszo(QStringLiteral("rendszergazda")), QStringLiteral("kobzeti"));
        // The known initial password is no new password.
        jelszoValasz(QStringLiteral("kobzeti"), true,
                     [] { jelszoValasz(QStringLiteral("kobzeti")); });
        QTest::keyClick(d->edtJelszo(), Qt::Key_Return);
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 3);
        QCOMPARE(m_uzenetek[2].tipus, UzenetAdat::Hiba);
        QCOMPARE(jelszo(QStringLiteral("rendszergazda")), QStringLiteral("kobzeti"));
        jelszoValasz(QStringLiteral("Uj-titok7"), true,
                     [] { jelszoValasz(QStringLiteral("Uj-titok7")); });
        QTest::keyClick(d->edtJelszo(), Qt::Key_Return);
    });
    QVERIFY(Belepes(jog));
    QCOMPARE(m_uzenetek.size(), 5);
    QCOMPARE(m_uzenetek[4].szoveg, QStringLiteral("Jelszó változtatás kész."));
    QCOMPARE(jog.felhasznalo, QStringLiteral("rendszergazda"));
    QVERIFY(jog.rendszergazda && jog.kedvezmenytadhat);
    QCOMPARE(naploDb(), elotte + 3);
    QCOMPARE(naploUtolso(), QStringLiteral("rendszergazda|I|1"));
    QVERIFY(SqlEgesz(QStringLiteral("SELECT COUNT(*) FROM naplo WHERE ido IS NULL;"), -1) == 0);
    const QString tarolt = jelszo(QStringLiteral("rendszergazda"));
    QVERIFY(JelszoHashE(tarolt));
    QVERIFY(JelszoEgyezik(tarolt, QStringLiteral("Uj-titok7")));

    // The next login asks nothing.
    m_uzenetek.clear();
    modalban<Tfrm_Login>([](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("rendszergazda"), QStringLiteral("Uj-titok7"));
        QTest::keyClick(d->edtJelszo(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(Belepes(jog));
    QVERIFY(m_uzenetek.isEmpty());
    QVERIFY(Azonosit(QStringLiteral("rendszergazda"), QStringLiteral("kobzeti")) == std::nullopt);
}

void TestLogin::rosszJelszoNyitvaMarad()
{
    const int elotte = naploDb();
    TJog jog;
    modalban<Tfrm_Login>([this, elotte](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("anna"), QStringLiteral("titok1"));
        d->btnOK()->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
        QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Érvénytelen felhasználó, vagy jelszó"));
        QCOMPARE(naploUtolso(), QStringLiteral("anna|N|1"));
        // The typed values stay for another attempt.
        QCOMPARE(d->edtFelhasznalo()->text(), QStringLiteral("anna"));
        QCOMPARE(d->edtJelszo()->text(), QStringLiteral("titok1"));
        d->edtJelszo()->setText(QStringLiteral("Titok1"));
        d->btnOK()->click();
        QCOMPARE(naploDb(), elotte + 2);
    });
    QVERIFY(Belepes(jog));
    QCOMPARE(jog.felhasznalo, QStringLiteral("anna"));
    QCOMPARE(naploUtolso(), QStringLiteral("anna|I|1"));
}

void TestLogin::masBetumeret()
{
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("RENDSZERGAZDA"), QStringLiteral("kobzeti"));
        d->btnOK()->click();
        QCOMPARE(m_uzenetek.size(), 1);
        QVERIFY(d->isVisible());
        d->reject();
    });
    QVERIFY(!Belepes(jog));
    // Logged under the code as typed, not as stored.
    QCOMPARE(naploUtolso(), QStringLiteral("RENDSZERGAZDA|N|1"));
}

void TestLogin::mindenJogNelkul()
{
    TJog jog;
    jog.rendszergazda = true;
    jog.nyomtathat = true;
    jog.felhasznalo = QStringLiteral("rendszergazda");
    modalban<Tfrm_Login>([](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("anna"), QStringLiteral("Titok1"));
        d->btnOK()->click();
    });
    QVERIFY(Belepes(jog));
    TJog vart;
    vart.felhasznalo = QStringLiteral("anna");
    QVERIFY(egyenlo(jog, vart));
}

void TestLogin::megsemJogMarad()
{
    TJog jog;
    jog.torzsszerkeszt = true;
    jog.kasszanez = true;
    jog.felhasznalo = QStringLiteral("csaba");
    const TJog elotte = jog;
    const int naplo = naploDb();
    modalban<Tfrm_Login>([](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("rendszergazda"), QStringLiteral("kobzeti"));
        QTest::keyClick(d->edtJelszo(), Qt::Key_Escape);
    });
    QVERIFY(!Belepes(jog));
    QVERIFY(egyenlo(jog, elotte));
    QCOMPARE(naploDb(), naplo);

    modalban<Tfrm_Login>([](Tfrm_Login* d) { d->btnMegsem()->click(); });
    QVERIFY(!Belepes(jog));
    QVERIFY(egyenlo(jog, elotte));
}

void TestLogin::naploHibaNemLep()
{
    // Without the log table the attempt cannot be recorded: the error is
    // shown and nobody is logged in.
    SQL_OK(QStringLiteral("RENAME TABLE naplo TO naplo_felre;"));
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("anna"), QStringLiteral("Titok1"));
        d->btnOK()->click();
        QVERIFY(d->isVisible());
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
        QVERIFY(m_uzenetek[0].szoveg.startsWith(QStringLiteral("Hiba: ")));
        d->reject();
    });
    const bool belepett = Belepes(jog);
    SQL_OK(QStringLiteral("RENAME TABLE naplo_felre TO naplo;"));
    QVERIFY(!belepett);
    QVERIFY(jog.felhasznalo.isEmpty());
}

void TestLogin::ujJelszoElteroMarad()
{
    const int naplo = naploDb();
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("anna"), QStringLiteral("Titok1"));
        jelszoValasz(QStringLiteral("uj1"), true, [] {
            auto* p = qobject_cast<Tfrm_InpStr*>(QApplication::activeModalWidget());
            QCOMPARE(p->windowTitle(), QStringLiteral("Jelszó megadása"));
            QCOMPARE(p->kerdesCimke()->text(), QStringLiteral("Add meg az új jelszót"));
            QCOMPARE(p->szovegSzerkeszto()->echoMode(), QLineEdit::Password);
            // The second question is asked once this one is answered.
            jelszoValasz(QStringLiteral("uj2"), true, [] {
                auto* m = qobject_cast<Tfrm_InpStr*>(QApplication::activeModalWidget());
                QCOMPARE(m->windowTitle(), QStringLiteral("Megerősítés"));
                QCOMPARE(m->kerdesCimke()->text(), QStringLiteral("Add újra az új jelszót"));
            });
        });
        d->btnUjJelszo()->click();
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("A megadott jelszavak nem egyezőek"));
        QVERIFY(d->isVisible());

        // Cancelling the second question changes nothing either.
        jelszoValasz(QStringLiteral("uj1"), true,
                     [] { jelszoValasz(QStringLiteral("uj1"), false); });
        d->btnUjJelszo()->click();
        QCOMPARE(m_uzenetek.size(), 1);
        d->reject();
    });
    QVERIFY(!Belepes(jog));
    QVERIFY(JelszoEgyezik(jelszo(QStringLiteral("anna")), QStringLiteral("Titok1")));
    QCOMPARE(naploDb(), naplo);
}

void TestLogin::ujJelszoCsere()
{
    const int naplo = naploDb();
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("csaba"), QStringLiteral("Árvíz"));
        jelszoValasz(QStringLiteral("Tükör9"), true,
                     [] { jelszoValasz(QStringLiteral("Tükör9")); });
        d->btnUjJelszo()->click();
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Informacio);
        QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Jelszó változtatás kész."));
        QVERIFY(d->isVisible());
        QVERIFY(JelszoHashE(jelszo(QStringLiteral("csaba"))));
        QVERIFY(JelszoEgyezik(jelszo(QStringLiteral("csaba")), QStringLiteral("Tükör9")));

        // The edit still holds the old password, which no longer matches.
        d->btnOK()->click();
        QCOMPARE(m_uzenetek.size(), 2);
        QCOMPARE(m_uzenetek[1].szoveg, QStringLiteral("Érvénytelen felhasználó, vagy jelszó"));
        d->edtJelszo()->setText(QStringLiteral("Tükör9"));
        d->btnOK()->click();
    });
    QVERIFY(Belepes(jog));
    QCOMPARE(jog.felhasznalo, QStringLiteral("csaba"));
    // Two log rows: the failed and the successful OK; none for the change.
    QCOMPARE(naploDb(), naplo + 2);

    // Too long, or empty: refused with a message.
    const QString hosszu(JelszoHossz + 1, QLatin1Char('x'));
    modalban<Tfrm_Login>([this, hosszu](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("csaba"), QStringLiteral("Tükör9"));
        jelszoValasz(hosszu, true, [hosszu] { jelszoValasz(hosszu); });
        d->btnUjJelszo()->click();
        jelszoValasz(QString(), true, [] { jelszoValasz(QString()); });
        d->btnUjJelszo()->click();
        d->reject();
    });
    m_uzenetek.clear();
    QVERIFY(!Belepes(jog));
    QCOMPARE(m_uzenetek.size(), 2);
    QCOMPARE(m_uzenetek[0].tipus, UzenetAdat::Hiba);
    QCOMPARE(m_uzenetek[1].tipus, UzenetAdat::Hiba);
    QVERIFY(JelszoEgyezik(jelszo(QStringLiteral("csaba")), QStringLiteral("Tükör9")));
}

void TestLogin::ujJelszoRosszAzonosito()
{
    TJog jog;
    modalban<Tfrm_Login>([this](Tfrm_Login* d) {
        kitolt(d, QStringLiteral("bela"), QString());
        d->btnUjJelszo()->click();
        // No password dialog: the check failed first.
        QCOMPARE(m_uzenetek.size(), 1);
        QCOMPARE(m_uzenetek[0].szoveg, QStringLiteral("Érvénytelen felhasználó, vagy jelszó"));
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(d));
        d->reject();
    });
    QVERIFY(!Belepes(jog));
    QCOMPARE(jelszo(QStringLiteral("bela")), QStringLiteral("<NULL>"));
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
