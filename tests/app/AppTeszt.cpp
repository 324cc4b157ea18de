#include "AppTeszt.h"

#include "IniAllomany.h"
#include "Main.h"
#include "Mappak.h"
#include "Seged.h"
#include "TesztAdatbazis.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

namespace AppTeszt
{

TJog teljesJog(const QString& kod)
{
    TJog j;
    j.felhasznalo = kod;
    j.torzsszerkeszt = j.rendszergazda = j.napzar = j.nyomtathat = j.bevetelezes = j.selejtezes =
        j.kiadas = j.kasszanez = j.kedvezmenytadhat = true;
    return j;
}

void allapotTorles()
{
    Beall = TBeall();
    Jog = TJog();
    AktNap = QDate();
    AktMuszak = 0;
}

ProgramMappa::ProgramMappa(const QMap<int, QString>& bejegyzesek, bool iniVan)
    : m_dir(std::make_unique<QTemporaryDir>())
{
    // The platform's shared data folder must not be the real one.
    QDir().mkpath(m_dir->path() + QStringLiteral("/kozos"));
    qputenv("XDG_DATA_HOME", (m_dir->path() + QStringLiteral("/kozos")).toLocal8Bit());
    QDir().mkpath(m_dir->path() + QStringLiteral("/program"));
    if (iniVan) {
        IniAllomany ini(this->ini());
        ini.ir(QStringLiteral("Alapertek"), QStringLiteral("BetuMeret"), QStringLiteral("9"));
        for (auto it = bejegyzesek.cbegin(); it != bejegyzesek.cend(); ++it)
            ini.ir(QStringLiteral("Adatbazis"),
                   QStringLiteral("ConStr") + QString::number(it.key()), Kodol(it.value()));
        ini.ment();
    }
    MappakBeallit(mappa());
}

ProgramMappa::~ProgramMappa() = default;

QString ProgramMappa::mappa() const
{
    return m_dir->path() + QStringLiteral("/program");
}

QString ProgramMappa::ini() const
{
    return mappa() + QStringLiteral("/VexloF.ini");
}

QByteArray ProgramMappa::iniTartalom() const
{
    QFile f(ini());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString kapcsolat(const QString& adatbazis, const QString& nev)
{
    KapcsolatAdat a = TesztAdatbazis::root(adatbazis);
    a.adatbazisnev = nev;
    return a.szoveg(false);
}

InditasHorgok horgok(const TJog& jog)
{
    InditasHorgok h;
    h.adatbazisValaszt = [](const QStringList&, const QStringList&, const QString&) { return 0; };
    h.adatbazisInit = [] { return false; };
    h.belepes = [jog](TJog& j) {
        j = jog;
        return true;
    };
    h.inpSzam = [](const QString&, const QString&, double&) { return false; };
    h.muszakValaszt = [](QDate& nap, int& muszak) {
        nap = QDate::currentDate();
        muszak = 1;
        return true;
    };
    h.idoSzinkron = [] {};
    h.logo = [] {};
    return h;
}

Uzenetek::Uzenetek()
{
    UzenetElfogo([this](const UzenetAdat& u) {
        lista << u;
        return valasz;
    });
}

Uzenetek::~Uzenetek()
{
    UzenetElfogo({});
}

QStringList Uzenetek::hibak() const
{
    QStringList l;
    for (const UzenetAdat& u : lista)
        if (u.tipus == UzenetAdat::Hiba)
            l << u.szoveg;
    return l;
}

QStringList Uzenetek::szovegek() const
{
    QStringList l;
    for (const UzenetAdat& u : lista)
        l << u.szoveg;
    return l;
}

namespace
{

int menubenLathato(const QMenu* m, const QString& felirat)
{
    int n = 0;
    for (const QAction* a : m->actions()) {
        if (!a->isVisible())
            continue;
        if (a->menu())
            n += menubenLathato(a->menu(), felirat);
        else if (a->text() == felirat)
            ++n;
    }
    return n;
}

} // namespace

int lathatoHelyek(const Tfrm_Main& ablak, const QString& felirat)
{
    int n = 0;
    for (const QAction* a : ablak.menuBar()->actions())
        if (a->isVisible() && a->menu())
            n += menubenLathato(a->menu(), felirat);
    for (const QMenu* m : ablak.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        n += menubenLathato(m, felirat);
    for (const QToolBar* t : ablak.findChildren<QToolBar*>())
        for (const QAction* a : t->actions())
            if (a->isVisible() && a->text() == felirat)
                ++n;
    return n;
}

} // namespace AppTeszt
