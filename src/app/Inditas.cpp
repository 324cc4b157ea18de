#include "Inditas.h"

#include "AdatbazisNyit.h"
#include "DbHiba.h"
#include "HelyiSzerver.h"
#include "HibaKezeles.h"
#include "IdoSzinkron.h"
#include "Init.h"
#include "Inp.h"
#include "Kapcsolat.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Login.h"
#include "Logo.h"
#include "Main.h"
#include "Mappak.h"
#include "Muszak.h"
#include "Seged.h"
#include "Uzenetek.h"

#include <QGuiApplication>

void InditasHorgok::kitolt(QWidget* szulo)
{
    if (!adatbazisValaszt)
        adatbazisValaszt = [szulo](const QStringList& s, const QStringList& k, const QString& f) {
            return AdatbazisValaszt(s, k, f, szulo);
        };
    if (!adatbazisInit)
        adatbazisInit = [szulo] { return AdatbazisInit(szulo); };
    if (!belepes)
        belepes = [szulo](TJog& j) { return Belepes(j, szulo); };
    if (!inpSzam)
        inpSzam = [szulo](const QString& f, const QString& k, double& sz) {
            return InpSzam(f, k, sz, szulo);
        };
    if (!muszakValaszt)
        muszakValaszt = [szulo](QDate& n, int& m) { return MuszakValaszt(n, m, szulo); };
    if (!idoSzinkron)
        idoSzinkron = [] { IdoSzinkronizal(); };
    if (!logo)
        logo = [] { LogoMutat(); };
}

void KapcsolatSorok(const QString& iniFajl, QStringList& sorok, QStringList& kapcsolatok)
{
    sorok.clear();
    kapcsolatok.clear();
    KapcsolatValasztoSorok(KapcsolatokOlvas(iniFajl), sorok, kapcsolatok);
}

QString VerzioHibaSzoveg(const QString& adatbazisVerzio)
{
    return QStringLiteral("Eltérő verziók, hiba lehetséges, frissítse programját, "
                          "adatbázisát\r\nadatbázis : ") +
           adatbazisVerzio + QStringLiteral("\r\nprogram: ") + ProgramVerzio;
}

Inditas::Inditas(Tfrm_Main& ablak, const InditasHorgok& horgok) : m_ablak(ablak), m_horgok(horgok)
{
}

bool Inditas::IniBetolt()
{
    // The program's own local server runs before its entry is offered and
    // test-opened.
    try {
        HelyiSzerverIndulaskor(IniFajl());
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), &m_ablak);
    }
    QStringList sorok, kapcsolatok;
    KapcsolatSorok(IniFajl(), sorok, kapcsolatok);
    if (sorok.isEmpty()) {
        Beall.ConStr.clear();
    } else {
        const int i = m_horgok.adatbazisValaszt(sorok, kapcsolatok,
                                                QStringLiteral("Vexlo.F adatbázis választás"));
        if (i < 0 || i >= kapcsolatok.size())
            return false;
        Beall.ConStr = kapcsolatok.at(i);
    }
    BeallIniOlvas(Beall);
    return true;
}

bool Inditas::elsoKapcsolat()
{
    if (!Beall.ConStr.isEmpty())
        return true;
    return m_horgok.adatbazisInit();
}

bool Inditas::adatbazisNyit()
{
    KapcsolatAdat adat = KapcsolatAdat::szovegbol(Beall.ConStr);
    Kapcsolat::foBezar();
    // The program's own local server is started before its connection opens.
    try {
        HelyiSzerverElokeszit(IniFajl(), adat);
        Beall.ConStr = adat.szoveg(false);
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Adatbázis megnyitás sikertelen\r\n") + h.uzenet(), &m_ablak);
        return false;
    }
    Beall.AdatbazisNev = adat.adatbazisnev;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vexlo.F: ") + Beall.AdatbazisNev);
    try {
        Kapcsolat::foNyit(adat);
    } catch (const DbHiba&) {
        HibaUzenet(QStringLiteral("Adatbázis megnyitás sikertelen"), &m_ablak);
        return false;
    }
    return true;
}

bool Inditas::verzioEllenoriz()
{
    QString verzio;
    try {
        verzio = SqlSzoveg(QStringLiteral("SELECT MAX(verzio) FROM verzio;"), QString());
    } catch (const DbHiba&) {
        // A database without a readable version is not one this program
        // knows: treated as a version mismatch.
        verzio.clear();
    }
    if (verzio == ProgramVerzio)
        return true;
    HibaUzenet(VerzioHibaSzoveg(verzio), &m_ablak);
    return false;
}

bool Inditas::belepes()
{
    if (!m_horgok.belepes(Jog))
        return false;
    m_ablak.jogokAlkalmaz();
    return true;
}

bool Inditas::beallitasok()
{
    m_ablak.BeallitOlvas();
    if (Beall.vanvaluta) {
        double szorzo = Beall.Szorzo;
        if (m_horgok.inpSzam(QStringLiteral("Euro szorzó megadás"),
                             QStringLiteral("Add meg a mai árfolyamot"), szorzo))
            Beall.Szorzo = szorzo;
    }
    m_ablak.indulasiBeallitasok();

    QDate nap = QDate::currentDate();
    int muszak = 1;
    if (!m_horgok.muszakValaszt(nap, muszak))
        return false;
    m_ablak.NapNyitas(muszak, nap);

    m_ablak.listakNyit();
    m_ablak.tippekBeallit();
    if (Beall.IdoSzinkron)
        m_horgok.idoSzinkron();
    return true;
}

bool Inditas::futtat()
{
    IniProgramMappabanKeres();
    if (!IniBetolt())
        return false;
    if (!elsoKapcsolat())
        return false;
    if (!adatbazisNyit())
        return false;
    if (!verzioEllenoriz())
        return false;
    // The program must not run on with half its start-up done.
    bool ok = false;
    HibaKezel(&m_ablak, [&] {
        if (!belepes())
            return;
        m_ablak.felhasznaloKiir();
        m_ablak.TulajdonosOlvas();
        ok = beallitasok();
    });
    return ok;
}
