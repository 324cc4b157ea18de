#include "TorzsGyujto.h"

#include "BlokkSzoveg.h"
#include "HibaKezeles.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SzovegNyomtat.h"
#include "TorzsLeirasok.h"
#include "TorzsModell.h"
#include "TorzsSzerkeszt.h"
#include "TorzsTablak.h"

#include <QAction>
#include <QLineEdit>

QColor GyujtoSzin(const QString& kelldb, double db, double minkeszlet)
{
    if (!IgenE(kelldb))
        return QColor(196, 224, 255);
    QColor c;
    if (db < minkeszlet)
        c = QColor(193, 255, 224);
    if (db < 0)
        c = QColor(255, 221, 221);
    return c;
}

std::function<void(QWidget*)>& Tfrm_TorzsGyujto::leltarAblak()
{
    static std::function<void(QWidget*)> fv;
    return fv;
}

Tfrm_TorzsGyujto::Tfrm_TorzsGyujto(QWidget* szulo)
    : TorzsLista(GyujtoLeiras(), QStringLiteral("frm_TorzsGyujto"),
                 QStringLiteral("Alapanyagok - Raktári készletek"), Qt::AlignRight, szulo)
{
    resize(900, 500);
    cimKattintasBeallit(CimKattintas::Rendez);
    jelzoBeallit(19);
    osszesitoSzeles(250);
    akcio(QStringLiteral("aTorol"))->setText(QStringLiteral("Töröl"));
    akcio(QStringLiteral("aTorol"))->setToolTip(QStringLiteral("Sor törlése"));
    modell()->sorSzin = [](const TorzsModell& m, int sor) {
        return GyujtoSzin(m.ertek(sor, QStringLiteral("kelldb")).toString(),
                          m.ertek(sor, QStringLiteral("db")).toDouble(),
                          m.ertek(sor, QStringLiteral("minkeszlet")).toDouble());
    };
    QAction* aNyomtat = ujAkcio(QStringLiteral("aNyomtat"), QStringLiteral("Nyomtat"),
                                QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(aNyomtat, &QAction::triggered, this, [this] { KeszletLista(this); });
    QAction* aLeltar = ujAkcio(QStringLiteral("aKeszletModosit"), QStringLiteral("Leltár"), {},
                               QStringLiteral("Készletek közvetlen módosítása"));
    aLeltar->setEnabled(bool(leltarAblak()));
    connect(aLeltar, &QAction::triggered, this, [this] {
        if (!JogVan(JogFajta::Rendszergazda, Jog)) {
            jogProba(QStringLiteral("Nincs jogosultság a művelethez."));
            return;
        }
        if (!leltarAblak())
            return;
        leltarAblak()(this);
        try {
            frissit();
        } catch (const std::exception& e) {
            hibaMutat(e);
        }
    });
    QAction* aKeres = ujAkcio(QStringLiteral("aKeres"), QStringLiteral("Kereső"),
                              QKeySequence(Qt::CTRL | Qt::Key_F), {}, false);
    connect(aKeres, &QAction::triggered, this, [this] { kereso()->setFocus(); });
}

void Tfrm_TorzsGyujto::frissult()
{
    osszesitoBeallit(GyujtoOsszesito());
}

int Tfrm_TorzsGyujto::szerkeszto(int kulcs)
{
    return GyujtoSzerkeszt(kulcs, this);
}

int GyujtoSzerkeszt(int gyujto, QWidget* szulo)
{
    TorzsSzerkeszt d(GyujtoLeiras(), QStringLiteral("frm_TorzsGyujto_Szerkeszt"),
                     QStringLiteral("Alapanyag szerkesztés"), gyujto, szulo);
    auto nev = [](const char* tabla) {
        return [tabla](int k) {
            const QString t = QLatin1String(tabla);
            return SqlSzoveg(QStringLiteral("SELECT ") + t + QStringLiteral("_nev FROM ") + t +
                                 QStringLiteral(" WHERE ") + t + QLatin1Char('=') +
                                 QString::number(k) + QLatin1Char(';'),
                             QStringLiteral("<nincs megadva>"));
        };
    };
    d.szoveg(QStringLiteral("gyujto_kod"), QStringLiteral("cikkszám, vagy vonalkód"), true);
    d.szoveg(QStringLiteral("gyujto_nev"), QStringLiteral("megnevezés"));
    d.valaszto(
        QStringLiteral("kategoria"), QStringLiteral("kategória"),
        [&d](int k) { return KategoriaValaszt(k, true, &d); }, nev("kategoria"));
    d.valaszto(
        QStringLiteral("mert"), QStringLiteral("mértékegység"),
        [&d](int k) {
            QString n;
            return MertValasztNev(k, true, n, &d);
        },
        nev("mert"));
    d.szam(QStringLiteral("minkeszlet"), QStringLiteral("minimum készlet"));
    d.szam(QStringLiteral("afakulcs"), QStringLiteral("áfakulcs"));
    d.szam(QStringLiteral("ar"), QStringLiteral("besz.ár"));
    d.jelzo(QStringLiteral("kelldb"), QStringLiteral("Készlet követés"));
    d.szam(QStringLiteral("db"), QStringLiteral("jelenlegi készlet"), false, true);
    d.kotelezo(QStringLiteral("gyujto_kod"), QStringLiteral("Gyűjtő kódjának megadása kötelező."));
    d.kotelezo(QStringLiteral("gyujto_nev"), QStringLiteral("Gyűjtő nevének megadása kötelező."));
    d.gombok();
    return SzerkesztoFuttat(d);
}

QStringList KeszletListaSorok(bool sprint)
{
    QStringList l;
    FejlecHozzaad(l, QStringLiteral("Pillanatnyi készletek"));
    if (!sprint)
        l << QStringLiteral("kód  név                    db   érték");
    QSqlQuery q = SqlNyit(QStringLiteral(
        "SELECT\n gyujto.*,\n kategoria.kategoria_nev,\n gyujto.ar*gyujto.db AS ertek\n"
        "FROM gyujto\n LEFT OUTER JOIN kategoria ON (gyujto.kategoria=kategoria.kategoria)\n"
        "WHERE gyujto.torolve='N'\nORDER BY kategoria.kategoria_nev,gyujto.gyujto_kod;"));
    double ossz = 0;
    while (q.next()) {
        const double db = q.value(QStringLiteral("db")).toDouble();
        const double ertek = q.value(QStringLiteral("ertek")).toDouble();
        ossz += ertek;
        const QString dbSz = SzamFormat(db, QStringLiteral("######0.00"));
        const QString ertekSz = SzamFormat(ertek, QStringLiteral("######0.0"));
        if (sprint)
            l << BalraIgazit(q.value(QStringLiteral("gyujto_nev")), 24)
              << JobbraIgazit(dbSz, 17) + JobbraIgazit(ertekSz, 7);
        else
            l << BalraIgazit(q.value(QStringLiteral("gyujto_kod")), 5) +
                     BalraIgazit(q.value(QStringLiteral("gyujto_nev")), 21) +
                     JobbraIgazit(dbSz, 7) + JobbraIgazit(ertekSz, 8);
    }
    l << QString() << QStringLiteral("Össz érték: ") + JobbraIgazit(SzamSzoveg(ossz), 26);
    LablecHozzaad(l);
    return l;
}

std::function<void(QWidget*)>& KeszletRiport()
{
    static std::function<void(QWidget*)> fv;
    return fv;
}

void KeszletLista(QWidget* szulo)
{
    if (Beall.csiliviliblokk && KeszletRiport()) {
        KeszletRiport()(szulo);
        return;
    }
    HibaKezel(szulo, [&] { SzovegNyomtat(1, KeszletListaSorok(Beall.SPrint), false, szulo); });
}

int GyujtoValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    Tfrm_TorzsGyujto w(szulo);
    return ListaValaszt(w, kezdo, valasztas);
}

int GyujtoValasztAr(int kezdo, bool valasztas, double& ar, QWidget* szulo)
{
    Tfrm_TorzsGyujto w(szulo);
    const int k = ListaValaszt(w, kezdo, valasztas);
    if (k != -1)
        ar = w.aktualis(QStringLiteral("ar")).toDouble();
    return k;
}
