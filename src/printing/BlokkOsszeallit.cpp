#include "BlokkOsszeallit.h"

#include "Beall.h"
#include "BlokkLista.h"
#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "Nyomtato.h"
#include "RawNyomtatas.h"
#include "RiportNyomtat.h"
#include "SzovegNyomtat.h"
#include "rpt_NyomBlokk.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>

QString BlokkOsszeallit(int asztal, int ugyfel, int rendeles, bool eroltet, QWidget* szulo)
{
    if (eroltet || !Beall.csiliviliblokk) {
        const BlokkAdat adat = BlokkAdatBetolt(asztal, ugyfel, rendeles);
        if (!Beall.csiliviliblokk || ugyfel != -1) {
            const QStringList sorok =
                BlokkSorok(adat, Beall, Profil1Szeles(), QDateTime::currentDateTime());
            if (!Beall.csiliviliblokk && Beall.blokknyomtat)
                SzovegNyomtatMutat(1, sorok, true, szulo);
            const QString ki = BlokkSzovegbe(sorok);
            if (Beall.csiliviliblokk)
                BlokkRiport(1, asztal, rendeles, szulo);
            return ki;
        }
    }
    if (Beall.csiliviliblokk)
        BlokkRiport(1, asztal, rendeles, szulo);
    return {};
}

namespace
{

bool& folyamatban()
{
    static bool f = false;
    return f;
}

// Clears the mark however the run ends.
struct Folyamat {
    Folyamat() { folyamatban() = true; }
    ~Folyamat() { folyamatban() = false; }
};

QImage logo()
{
    QImage kep;
    for (const char* nev : {"Logo.bmp", "Logo.jpg"}) {
        const QString f = ProgramMappa() + QLatin1Char('/') + QLatin1String(nev);
        QImage k;
        if (QFile::exists(f) && k.load(f))
            kep = k;
    }
    return kep;
}

} // namespace

void BlokkRiport(int n, int asztal, int rendeles, QWidget* szulo)
{
    if (!Beall.blokknyomtat)
        return;
    // Re-entered through the message loop while a receipt is being made:
    // give the first one up to five seconds.
    for (int i = 0; i < 5 && folyamatban(); ++i) {
        QDeadlineTimer mp(1000);
        while (!mp.hasExpired() && folyamatban()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(10);
        }
    }
    Folyamat jel;

    const bool keskeny = Beall.keskenyblokk;
    NyomBlokkAdat a;
    a.tulajdonos = Beall.tulajdonos;
    a.cim = Beall.TulCim;
    a.telefon = Beall.TulTel;
    a.mutatafa = Beall.mutatafa;
    a.vanvaluta = Beall.vanvaluta;
    a.vanfigyelmeztetes = Beall.vanfigyelmeztetes;
    a.szorzo = Beall.Szorzo;
    a.udvozlet = Beall.udvozletszoveg;
    a.udvozlet2 = Beall.udvozletszoveg2;
    a.ido = QDateTime::currentDateTime();
    // The open bill shows the number settling will give it (sp_fizet numbers
    // by the same function).
    a.sorszam = rendeles == -1 ? SqlEgesz(QStringLiteral("SELECT fn_kovrendeles();"), 0) : rendeles;
    if (!keskeny)
        a.logo = logo();
    RiportDef def = keskeny ? TqrNyomBlokk60(a) : TqrNyomBlokk(a);
    def.peldany = keskeny ? 1 : std::max(1, Beall.Peldany);
    const QString sql = NyomBlokkLekerdezes(asztal, rendeles);
    RAdat adat = RAdatBetolt(sql);
    // A bill of a closed day is read from the history.
    if (rendeles != -1 && adat.sorDarab() == 0)
        adat = RAdatBetolt(QString(sql).replace(QStringLiteral("vw_nyomblokk"),
                                                QStringLiteral("vw_nyomblokk_tortenet")));
    const RDokumentum doc = RiportKeszit(def, adat);

    TNyomtato ny;
    NyomtatoBetolt(n, ny);
    if (!RiportNyomtatoVan(ny.nyomtato_nev)) {
        RiportElonezet(doc, szulo);
        return;
    }
    QString hiba;
    if (!RiportNyomtat(doc, ny.nyomtato_nev, &hiba)) {
        HibaMutat(NyomtatasHiba(hiba), szulo);
        RiportElonezet(doc, szulo);
    }
}
