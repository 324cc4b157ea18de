#include "AkcioTar.h"

#include "DbHiba.h"
#include "HibaKezeles.h"
#include "Uzenetek.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>
#include <exception>

namespace
{

constexpr int K(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    return QKeyCombination(m, k).toCombined();
}

constexpr unsigned NY = JogNyomtathat;
constexpr unsigned RG = JogRendszergazda;
constexpr unsigned TSZ = JogTorzsszerkeszt;
constexpr unsigned ZAR = JogNapzar | JogNyomtathat;
constexpr auto BN = Beallitasfugges::Nincs;

// clang-format off
constexpr AkcioLeiras g_leirasok[] = {
    // parancs, név, felirat, súgó, billentyű, tag10, műszak, mutat, próba, beállítás
    {Parancs::AsztalSzabad, "aAsztalSzabad", "Fizet", "Vendég elmegy (ha van tétel, fizet)", K(Qt::Key_F4), true, false, 0, 0, BN},
    {Parancs::AsztalSzabadHitel, "aAsztalSzabadHitel", "Hitelre", "Vendég elmegy (ha van tétel, fizet) Hitelre", K(Qt::Key_F4, Qt::ShiftModifier), true, false, 0, 0, Beallitasfugges::Adossag},
    {Parancs::RendelUj, "aRendelUj", "Új rendelés", nullptr, K(Qt::Key_Insert), true, true, 0, 0, BN},
    {Parancs::RendelTorol, "aRendelTorol", "Töröl", nullptr, K(Qt::Key_Delete, Qt::ControlModifier), true, true, 0, 0, BN},
    {Parancs::MegEgy, "aMegEgy", "Még egy", nullptr, K(Qt::Key_F12), false, true, 0, 0, BN},
    // The discount setting, not the discount right, decides whether "Kedv%!"
    // is offered; the right is tested when it runs.
    {Parancs::Kedvezmeny, "aKedvezmeny", "Kedv%!", "Százalékos kedvezmény most", K(Qt::Key_F9), true, true, 0, JogKedvezmeny, Beallitasfugges::Kedvsor},
    {Parancs::Kedvezmeny2, "aKedvezmeny2", "Kedv.ebből", "Kedv% ebből", 0, true, true, JogKedvezmeny, JogKedvezmeny, BN},
    {Parancs::Szervizdij, "aSzervizdij", "Szervizdíj!", "Szervizdíj hozzáadás most", K(Qt::Key_F9, Qt::ControlModifier), true, true, 0, 0, Beallitasfugges::Szervsor},
    {Parancs::Bonuszba, "aBonuszba", "Bónuszba", nullptr, 0, true, false, 0, 0, Beallitasfugges::Bonusz},
    {Parancs::Bonuszbol, "aBonuszbol", "Bónuszból", nullptr, 0, true, false, 0, 0, Beallitasfugges::Bonusz},
    {Parancs::AsztalAtul, "aAsztalAtul", "Másik fodrász", "Vendég átül", K(Qt::Key_F6), true, true, 0, 0, BN},
    {Parancs::UjNap, "aUjNap", "Új nap létrehozás", nullptr, K(Qt::Key_F7, Qt::ControlModifier), false, false, 0, 0, BN},
    // Its own routine tests the shift and then the right, with its own message.
    {Parancs::NapLezar, "aNapLezar", "Nap zárása", nullptr, K(Qt::Key_F8, Qt::ControlModifier), true, false, JogNapzar, 0, BN},
    {Parancs::Lenemzart, "aLenemzart", "Le nem zárt műszakok", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::UjElo, "aUjElo", "Új", "Új előjegyzés", 0, false, false, 0, 0, BN},
    {Parancs::TorolElo, "aTorolElo", "Töröl", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Tegnap, "aTegnap", "Tegnap", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Ma, "aMa", "Ma", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Holnap, "aHolnap", "Holnap", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Frissit, "aFrissit", "Frissítés", "Frissítés (hálózatban)", K(Qt::Key_F5), false, false, 0, 0, BN},
    {Parancs::KovAblak, "aKovAblak", "Mozgás a képernyőn", nullptr, K(Qt::Key_F11), false, false, 0, 0, BN},
    {Parancs::BetumeretNovel, "aBetumeretNovel", "Betűméret növelése", nullptr, K(Qt::Key_F10, Qt::ControlModifier), false, false, 0, 0, BN},
    {Parancs::BetuCsokkent, "aBetuCsokkent", "Betűméret csökkentése", nullptr, K(Qt::Key_F10, Qt::ShiftModifier), false, false, 0, 0, BN},
    {Parancs::Ujra, "aUjra", "Utolsó blokk újranyomtatás", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Bejelentkezik, "aBejelentkezik", "Bejelentkezés", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::Bezar, "aBezar", "Bezár", nullptr, 0, false, false, 0, 0, BN},

    {Parancs::Bevet, "aBevet", "Bevételezések", nullptr, K(Qt::Key_F7), false, false, JogBevetelezes, JogBevetelezes | JogSelejtezes | JogKiadas, BN},
    {Parancs::Cassa, "aCassa", "Kassza", nullptr, 0, false, false, JogKasszanez, JogKasszanez, BN},
    {Parancs::TorzsUgyfel, "aTorzsUgyfel", "Ügyfelek (adósságok)", nullptr, 0, false, false, 0, 0, Beallitasfugges::Adossag},
    {Parancs::TorzsAsztal, "aTorzsAsztal", "Fodrászok", "Asztalok", 0, false, false, RG, RG, BN},
    {Parancs::TorzsArlista, "aTorzsArlista", "Árlista", nullptr, 0, false, false, TSZ, TSZ, BN},
    {Parancs::Cikkat, "aCikkat", "Árlista tétel kategóriák", "Kategóriák", 0, false, false, TSZ, TSZ, BN},
    {Parancs::Besorolas, "aBesorolas", "Árlista tétel besorolások", "Besorolások", 0, false, false, TSZ, TSZ, BN},
    {Parancs::TorzsGyujto, "aTorzsGyujto", "Gyűjtők (raktári készletek)", "Gyűjtők", 0, false, false, TSZ, TSZ, BN},
    {Parancs::TorzsMert, "aTorzsMert", "Mértékegységek", nullptr, 0, false, false, TSZ, TSZ, BN},
    {Parancs::TorzsKat, "aTorzsKat", "Gyűjtő tétel kategóriák", "Kategóriák", 0, false, false, TSZ, TSZ, BN},
    {Parancs::TorzsStorno, "aTorzsStorno", "Sztornó okok", nullptr, 0, false, false, TSZ, TSZ, BN},
    {Parancs::KeszletModosit, "aKeszletModosit", "Leltározás, készletek módosítása", "Készletek módosítása", 0, false, false, RG, RG, BN},
    {Parancs::Jutalek, "aJutalek", "Jutalékok beállítása", "Jutalékok", 0, false, false, RG, RG, BN},
    {Parancs::JutalekNyom, "aJutalekNyom", "Jutalék számítás (egy fodrász)", "Jutalék számítás", 0, false, false, RG, RG, BN},
    {Parancs::JutalekNyom2, "aJutalekNyom2", "Jutalék számítás (összesítő)", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::TorzsFelh, "aTorzsFelh", "Felhasználók", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::Naplo, "aNaplo", "Belépési napló", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::RendszerSQL, "aRendszerSQL", "Szabad lekérdezés", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::RegiTorol, "aRegiTorol", "Régi adatok törlése", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::Adatbazis, "aAdatbazis", "Adatbázisok", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::NyomBeall, "aNyomBeall", "Nyomtatók beállítása", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::RendszerBeallit, "aRendszerBeallit", "Beállítások", nullptr, 0, false, false, RG, RG, BN},
    {Parancs::ForgArc, "aForgArc", "Forgalom archívum", nullptr, 0, false, false, NY, NY, BN},

    {Parancs::Sugo, "aSugo", "Súgó", nullptr, K(Qt::Key_F1), false, false, 0, 0, BN},
    {Parancs::Doksi, "aDoksi", "Program dokumentáció", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::SugoUjdonsag, "aSugoUjdonsag", "Újdonságok az Interneten", nullptr, 0, false, false, 0, 0, BN},
    {Parancs::SugoLevel, "aSugoLevel", "Levélküldés Vardelnek", nullptr, 0, false, false, 0, 0, Beallitasfugges::Email},
    {Parancs::SugoHonlap, "aSugoHonlap", "Vardel honlapja", nullptr, 0, false, false, 0, 0, Beallitasfugges::Honlap},
    {Parancs::SugoFontos, "aSugoFontos", "Fontos információk", nullptr, K(Qt::Key_F1, Qt::ControlModifier), false, false, 0, 0, BN},
    {Parancs::SugoNevjegy, "aSugoNevjegy", "Névjegy", nullptr, K(Qt::Key_F1, Qt::AltModifier), false, false, 0, 0, BN},

    {Parancs::NyomKlt, "aNyomKlt", "Pillanatnyi készletek (blokk)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::Minkeszlet, "aMinkeszlet", "Minimumkészlet alatti készletek", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::EgyAsztal, "aEgyAsztal", "Fodrászok forgalma", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgAsztal, "aForgAsztal", "Forgalom fodrászonként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgKatMost, "aForgKatMost", "Pillanatnyi forgalom kategóriánként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomForgMost2, "aNyomForgMost2", "Pillanatnyi forgalom kategóriánként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::BesNyom, "aBesNyom", "Pillanatnyi forgalom besorolásonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::BesNyomR, "aBesNyomR", "Pillanatnyi forgalom besorolásonként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    // Shown to a user who may close the day, but the report wants the
    // printing right.
    {Parancs::SorNegMost, "aSorNegMost", "Sorok negatív mennyiséggel", nullptr, 0, false, false, ZAR, NY, BN},
    {Parancs::SztornoSorMost, "aSztornoSorMost", "Sztornózott sorok", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::EgyAsztal2, "aEgyAsztal2", "Fodrászok forgalma", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgAsztal2, "aForgAsztal2", "Forgalom fodrászonként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomForgCikk, "aNyomForgCikk", "Forgalom cikkenként", "Forgalom cikkenként (blokk)", 0, false, false, NY, NY, BN},
    {Parancs::NyomBesDatum, "aNyomBesDatum", "Forgalom besorolásonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::BesNyomRDatum, "aBesNyomRDatum", "Forgalom besorolásonként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::EgyAsztal3, "aEgyAsztal3", "Fodrászok forgalma", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomForgCikkIdo, "aNyomForgCikkIdo", "Forgalom cikkenként időszakra", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomKatIdoszak, "aNyomKatIdoszak", "Forgalom cikk kategóriánként időszakra", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomBesIdoszak, "aNyomBesIdoszak", "Forgalom besorolásonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::BesNyomRIdoszak, "aBesNyomRIdoszak", "Forgalom besorolásonként (részletes)", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::SorNeg2, "aSorNeg2", "Sorok negatív mennyiséggel", nullptr, 0, false, false, ZAR, NY, BN},
    {Parancs::NyomStorno, "aNyomStorno", "Stornózott sorok", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::Haszon, "aHaszon", "Haszon számítás árrés alapján", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::Karton, "aKarton", "Leltár korrekciós lista", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::KedvOssz1, "aKedvOssz1", "Kedvezmények összesítése most", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::KedvOssz2, "aKedvOssz2", "Kedvezmények összesítése időszakra", "Kedvezmények összesítése dátumra", 0, false, false, NY, NY, BN},
    {Parancs::SzervDij, "aSzervDij", "Szervízdíjak összesítése", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::SzervDij2, "aSzervDij2", "Szervízdíjak összesítése időszakra", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::KedvOssz1a, "aKedvOssz1a", "Kedvezmények összesítése most asztalonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::KedvOssz2a, "aKedvOssz2a", "Kedvezmények összesítése időszakra asztalonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::SzervDijA, "aSzervDijA", "Szervízdíjak összesítése most asztalonként", "Szervízdíjak összesítése asztalonként", 0, false, false, NY, NY, BN},
    {Parancs::SzervDijAI, "aSzervDijAI", "Szervízdíjak összesítése időszakra asztalonként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::NyomBonusz, "aNyomBonusz", "Bónusz", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgBes, "aForgBes", "Forgalom besorolásonként (részletes)", "Forgalom Besorolásonként", 0, false, false, ZAR, ZAR, BN},
    {Parancs::SorNeg, "aSorNeg", "Sorok negatív mennyiséggel", nullptr, 0, false, false, ZAR, ZAR, BN},
    {Parancs::SztornoSorok, "aSztornoSorok", "Sztornózott sorok", nullptr, 0, false, false, ZAR, ZAR, BN},
    {Parancs::KedvOssz, "aKedvOssz", "Kedvezmények összesítése asztalonként", "Kedvezmények összesítése", 0, false, false, ZAR, ZAR, BN},
    {Parancs::Fogyik, "aFogyik", "Alapanyagok számított fogyása", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::Bekerules, "aBekerules", "Bekerülés számítás", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgHet, "aForgHet", "Forgalom megoszlás hét napjaira", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::HitelTorleszt, "aHitelTorleszt", "Hitel törlesztések", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ChMegoszlas, "aChMegoszlas", "Árbevétel megoszlása kategóriánként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgOra, "aForgOra", "Árbevétel megoszlás óránként", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::ForgBong, "aForgBong", "Forgalom böngésző", nullptr, 0, false, false, NY, NY, BN},
    {Parancs::MaiForgBong, "aMaiForgBong", "Mai forgalom böngésző", nullptr, 0, false, false, NY, NY, BN},
};
// clang-format on

static_assert(std::size(g_leirasok) == std::size_t(Parancs::Darab), "one entry per command");

constexpr bool sorrendben()
{
    for (std::size_t i = 0; i < std::size(g_leirasok); ++i)
        if (std::size_t(g_leirasok[i].parancs) != i)
            return false;
    return true;
}

} // namespace

const AkcioLeiras& AkcioTar::leiras(Parancs p)
{
    static_assert(sorrendben(), "the table follows the order of Parancs");
    return g_leirasok[std::size_t(p)];
}

AkcioTar::AkcioTar(QWidget* ablak) : QObject(ablak)
{
    for (const AkcioLeiras& l : g_leirasok) {
        auto* a = new QAction(QString::fromUtf8(l.felirat), ablak);
        a->setObjectName(QLatin1String(l.nev));
        const QString sugo = QString::fromUtf8(l.sugo ? l.sugo : l.felirat);
        a->setToolTip(sugo);
        a->setStatusTip(sugo);
        if (l.billentyu)
            a->setShortcut(QKeySequence(l.billentyu));
        a->setProperty("tag", l.tag10 ? 10 : 0);
        const Parancs p = l.parancs;
        connect(a, &QAction::triggered, this, [this, p] { futtat(p); });
        ablak->addAction(a);
        m_akciok[std::size_t(p)] = a;
    }
    alkalmaz(m_allapot);
}

Parancs AkcioTar::parancsa(const QAction* a) const
{
    for (std::size_t i = 0; i < m_akciok.size(); ++i)
        if (m_akciok[i] == a)
            return Parancs(i);
    return Parancs::Darab;
}

void AkcioTar::kezelo(Parancs p, std::function<void()> fv)
{
    m_kezelok[std::size_t(p)] = std::move(fv);
    alkalmaz(m_allapot);
}

void AkcioTar::muszakOr(std::function<bool()> lezarva, std::function<void()> lezartTalalt)
{
    m_lezarva = std::move(lezarva);
    m_lezartTalalt = std::move(lezartTalalt);
}

unsigned AkcioTar::jogBitek(const TJog& j)
{
    return JogBitek(j);
}

bool AkcioTar::latszik(const AkcioLeiras& l, const AkcioAllapot& a)
{
    if (l.mutatJog && !(jogBitek(a.jog) & l.mutatJog))
        return false;
    switch (l.beallitas) {
    case Beallitasfugges::Nincs:
        return true;
    case Beallitasfugges::Kedvsor:
        return a.kedvsor != 0;
    case Beallitasfugges::Szervsor:
        return a.szervsor != 0;
    case Beallitasfugges::Bonusz:
        return a.bonusz;
    case Beallitasfugges::Adossag:
        return a.adossag;
    case Beallitasfugges::Honlap:
        return a.honlap;
    case Beallitasfugges::Email:
        return a.email;
    }
    return true;
}

void AkcioTar::alkalmaz(const AkcioAllapot& allapot)
{
    m_allapot = allapot;
    for (const AkcioLeiras& l : g_leirasok) {
        QAction* a = m_akciok[std::size_t(l.parancs)];
        if (!a)
            continue;
        const bool lathato = latszik(l, allapot);
        const bool engedett =
            lathato && vanKezelo(l.parancs) && (!l.tag10 || allapot.muszakNyitott);
        a->setVisible(lathato);
        a->setEnabled(engedett);
    }
}

void AkcioTar::muszakAllapot(bool nyitott)
{
    AkcioAllapot a = m_allapot;
    a.muszakNyitott = nyitott;
    alkalmaz(a);
}

void AkcioTar::jogok(const TJog& jog)
{
    AkcioAllapot a = m_allapot;
    a.jog = jog;
    alkalmaz(a);
}

void AkcioTar::futtat(Parancs p)
{
    const AkcioLeiras& l = leiras(p);
    const auto& fv = m_kezelok[std::size_t(p)];
    QAction* a = akcio(p);
    if (!fv || !a || !a->isEnabled())
        return;
    auto* ablak = qobject_cast<QWidget*>(parent());
    // Rights are read at login; the guard tests the current user's record.
    if (l.probaJog && !(jogBitek(Jog) & l.probaJog)) {
        HibaUzenet(QStringLiteral("Nincs jogosultság a művelethez."), ablak);
        return;
    }
    // The window's boundary: any error of a command (the database, a file
    // that cannot be written, a value that does not convert) ends in the
    // error box.
    HibaKezel(ablak, [&] {
        if (l.muszakOr && m_lezarva && m_lezarva()) {
            HibaUzenet(QStringLiteral("Műszak már le lett zárva"), ablak);
            if (m_lezartTalalt)
                m_lezartTalalt();
            return;
        }
        fv();
    });
}
