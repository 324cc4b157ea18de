#include "TorzsTablak.h"

#include "KozosDB.h"
#include "TorzsLeirasok.h"
#include "TorzsSzerkeszt.h"

#include <QTableView>

namespace
{

// The one-column lists give their column the grid width minus `levon`;
// the others keep their fixed widths.
std::function<void(QTableView*)> elsoOszlop(int levon)
{
    return [levon](QTableView* g) {
        g->setColumnWidth(0, qMax(60, g->width() - levon));
        for (int i = 1; i < g->model()->columnCount(); ++i)
            g->setColumnWidth(i, 77);
    };
}

template <class W> int valaszt(int kezdo, bool valasztas, QWidget* szulo, QString* nev = nullptr)
{
    W w(szulo);
    const int k = ListaValaszt(w, kezdo, valasztas);
    if (nev && k != -1)
        *nev = w.aktualis(w.leiras().nevMezo).toString();
    return k;
}

} // namespace

// --- Units -------------------------------------------------------------------

Tfrm_TorzsMe::Tfrm_TorzsMe(QWidget* szulo)
    : TorzsLista(MertLeiras(), QStringLiteral("frm_TorzsMe"), QStringLiteral("Mértékegységek"),
                 Qt::AlignRight, szulo)
{
    resize(360, 420);
    szelessegBeallit(elsoOszlop(40));
    cimKattintasBeallit(CimKattintas::KeresoFokusz);
}

int Tfrm_TorzsMe::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsMe_Szerkeszt"),
                     QStringLiteral("Mértékegységek"), kulcs, this);
    d.szoveg(QStringLiteral("mert_nev"), QStringLiteral("Mértékegység"));
    d.gombok();
    return SzerkesztoFuttat(d);
}

// --- Void reasons ------------------------------------------------------------

Tfrm_TorzsStorno::Tfrm_TorzsStorno(QWidget* szulo)
    : TorzsLista(StornoLeiras(), QStringLiteral("frm_TorzsStorno"), QStringLiteral("Sztornó okok"),
                 Qt::AlignRight, szulo)
{
    resize(360, 420);
    szelessegBeallit(elsoOszlop(40));
    cimKattintasBeallit(CimKattintas::Semmi);
    keresoNelkul();
}

int Tfrm_TorzsStorno::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsStorno_Szerkeszt"),
                     QStringLiteral("Sztornó okok"), kulcs, this);
    d.szam(QStringLiteral("storno"), QStringLiteral("azonosító"), true);
    d.szoveg(QStringLiteral("storno_nev"), QStringLiteral("sztornó ok"));
    d.gombok();
    return SzerkesztoFuttat(d);
}

// --- Stock holder categories -------------------------------------------------

Tfrm_TorzsKategoria::Tfrm_TorzsKategoria(QWidget* szulo)
    : TorzsLista(KategoriaLeiras(), QStringLiteral("frm_TorzsKategoria"),
                 QStringLiteral("Kategóriák"), Qt::AlignRight, szulo)
{
    resize(360, 420);
    szelessegBeallit(elsoOszlop(40));
    cimKattintasBeallit(CimKattintas::KeresoFokusz);
}

int Tfrm_TorzsKategoria::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsKategoria_Szerkeszt"),
                     QStringLiteral("Kategória"), kulcs, this);
    d.szoveg(QStringLiteral("kategoria_nev"), QStringLiteral("kategória"));
    d.gombok();
    return SzerkesztoFuttat(d);
}

// --- Item categories ---------------------------------------------------------

Tfrm_TorzsCikkat::Tfrm_TorzsCikkat(QWidget* szulo)
    : TorzsLista(CikkatLeiras(), QStringLiteral("frm_TorzsCikkat"),
                 QStringLiteral("Rendelhető tétel kategóriák"), Qt::AlignRight, szulo)
{
    resize(560, 420);
    szelessegBeallit(elsoOszlop(271));
    cimKattintasBeallit(CimKattintas::Rendez);
    jelzoBeallit(28);
}

int Tfrm_TorzsCikkat::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsCikkat_Szerkeszt"),
                     QStringLiteral("Kategória"), kulcs, this);
    d.szoveg(QStringLiteral("cikkat_nev"), QStringLiteral("kategória"));
    d.jelzo(QStringLiteral("vankedvdb"), QStringLiteral("Kedvezmény engedélyezett?"));
    d.szam(QStringLiteral("kedvdb"), QStringLiteral("mennyiségtől"), true);
    d.szam(QStringLiteral("kedvszaz"), QStringLiteral("százalék"), true);
    d.gombok();
    return SzerkesztoFuttat(d);
}

// --- Classifications ---------------------------------------------------------

Tfrm_TorzsBesorolas::Tfrm_TorzsBesorolas(QWidget* szulo)
    : TorzsLista(BesorolasLeiras(), QStringLiteral("frm_TorzsBesorolas"),
                 QStringLiteral("Besorolások"), Qt::AlignRight, szulo)
{
    resize(360, 420);
    szelessegBeallit(elsoOszlop(44));
    cimKattintasBeallit(CimKattintas::Rendez);
}

int Tfrm_TorzsBesorolas::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsBesorolas_Szerkeszt"),
                     QStringLiteral("Besorolás"), kulcs, this);
    d.szoveg(QStringLiteral("besorolas_nev"), QStringLiteral("besorolás"));
    d.gombok();
    const int k = SzerkesztoFuttat(d);
    // Harmless when the dialog was cancelled.
    if (kulcs == -1)
        SqlFuttat(JutalekFeltolt);
    return k;
}

int MertValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsMe>(kezdo, valasztas, szulo);
}

int MertValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsMe>(kezdo, valasztas, szulo, &nev);
}

int StornoValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsStorno>(kezdo, valasztas, szulo);
}

int KategoriaValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsKategoria>(kezdo, valasztas, szulo);
}

int CikkatValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsCikkat>(kezdo, valasztas, szulo);
}

int CikkatValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsCikkat>(kezdo, valasztas, szulo, &nev);
}

int BesorolasValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsBesorolas>(kezdo, valasztas, szulo);
}

int BesorolasValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo)
{
    return valaszt<Tfrm_TorzsBesorolas>(kezdo, valasztas, szulo, &nev);
}
