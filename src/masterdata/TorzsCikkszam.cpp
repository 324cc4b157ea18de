#include "TorzsCikkszam.h"

#include "BlokkSzoveg.h"
#include "DbHiba.h"
#include "Inp.h"
#include "InpStr.h"
#include "KozosDB.h"
#include "Nyomtato.h"
#include "Seged.h"
#include "SegedUI.h"
#include "SzovegNyomtat.h"
#include "TorzsGyujto.h"
#include "TorzsLeirasok.h"
#include "TorzsModell.h"
#include "TorzsSzerkeszt.h"
#include "TorzsTablak.h"
#include "Uzenetek.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

TablaLeiras receptLeiras()
{
    TablaLeiras l;
    l.tabla = QStringLiteral("cikkgyujto");
    l.kulcs = QStringLiteral("gyujto");
    auto o = [](const char* m, const char* c, double a, const QString& kep = {}) {
        OszlopLeiras x;
        x.mezo = QLatin1String(m);
        x.cim = QString::fromUtf8(c);
        x.arany = a;
        x.kep = kep;
        x.jobbra = !kep.isEmpty();
        return x;
    };
    l.oszlopok = {o("gyujto_kod", "kód", 0.25), o("gyujto_nev", "alapanyag", 0.50),
                  o("db", "mennyiség", 0.25, QStringLiteral("### ### ##0.00"))};
    return l;
}

QString receptSql(int cikkazon)
{
    return QStringLiteral("SELECT\n cikkgyujto.cikkazon,\n cikkgyujto.gyujto,\n cikkgyujto.db,\n"
                          " gyujto.gyujto_kod,\n gyujto.gyujto_nev\nFROM cikkgyujto\n"
                          " INNER JOIN gyujto ON (cikkgyujto.gyujto=gyujto.gyujto)\n"
                          "WHERE cikkgyujto.cikkazon=") +
           QString::number(cikkazon) + QStringLiteral("\nORDER BY 4;");
}

} // namespace

std::function<void(QWidget*)>& Tfrm_TorzsCikkszam::importAblak()
{
    static std::function<void(QWidget*)> fv;
    return fv;
}

std::function<void(QWidget*)>& Tfrm_TorzsCikkszam::arlistaNyomtat()
{
    static std::function<void(QWidget*)> fv;
    return fv;
}

Tfrm_TorzsCikkszam::Tfrm_TorzsCikkszam(QWidget* szulo)
    : TorzsLista(CikkszamLeiras(), QStringLiteral("frm_TorzsCikkszam"), QStringLiteral("Árlista"),
                 Qt::AlignCenter, szulo),
      m_receptLeiras(receptLeiras())
{
    resize(980, 620);
    cimKattintasBeallit(CimKattintas::Rendez);
    modell()->sorSzin = [](const TorzsModell& m, int sor) {
        return m.ertek(sor, QStringLiteral("vankedv")).toString() == QLatin1String("N")
                   ? QColor(255, 221, 221)
                   : QColor();
    };

    QAction* aKisAdag =
        ujAkcio(QStringLiteral("aKisAdag"), QStringLiteral("Másolat a jelenlegiből"),
                QKeySequence(Qt::Key_F7), QStringLiteral("Új sor jelenlegiből (kis adag)"), false);
    QAction* aImport = ujAkcio(QStringLiteral("aImport"), QStringLiteral("Import"),
                               QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction* aNyomtat = ujAkcio(QStringLiteral("aNyomtat"), QStringLiteral("Nyomtat"),
                                QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* aBekerules = ujAkcio(QStringLiteral("aBekerules"), QStringLiteral("Bekerülés"),
                                  QKeySequence(Qt::Key_F6), QStringLiteral("Bekerülés számítás"));
    QAction* aUj2 = ujAkcio(QStringLiteral("aUj2"), QStringLiteral("Új alapanyag"),
                            QKeySequence(Qt::CTRL | Qt::Key_Insert), {}, false);
    QAction* aTorol2 = ujAkcio(QStringLiteral("aTorol2"), QStringLiteral("Töröl"),
                               QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Delete), {}, false);
    aImport->setEnabled(bool(importAblak()));
    aNyomtat->setEnabled(bool(arlistaNyomtat()));

    // "Új sor" drops down "Új sor" and "Másolat a jelenlegiből".
    auto* ujMenu = new QMenu(this);
    ujMenu->addAction(akcio(QStringLiteral("aUj")));
    ujMenu->addAction(aKisAdag);
    if (auto* b = qobject_cast<QToolButton*>(
            eszkoztar()->widgetForAction(akcio(QStringLiteral("aUj"))))) {
        b->setMenu(ujMenu);
        b->setPopupMode(QToolButton::MenuButtonPopup);
    }

    // The recipe pane.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlRecept"));
    auto* pv = new QVBoxLayout(panel);
    pv->setContentsMargins(0, 0, 0, 0);
    pv->setSpacing(0);
    auto* cim = new QLabel(QStringLiteral("Receptúra"), panel);
    cim->setFont(PixelBetu(QStringLiteral("Arial"), 12, true));
    auto* tb = new QToolBar(panel);
    tb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tb->addAction(aUj2);
    tb->addAction(aTorol2);
    auto* fejSor = new QHBoxLayout;
    fejSor->setContentsMargins(4, 0, 0, 0);
    fejSor->addWidget(cim);
    fejSor->addWidget(tb);
    fejSor->addStretch(1);
    pv->addLayout(fejSor);
    auto* also = new QHBoxLayout;
    m_receptModell = new TorzsModell(&m_receptLeiras, this);
    m_receptGrid = new QTableView(panel);
    m_receptGrid->setObjectName(QStringLiteral("grdRecept"));
    m_receptGrid->setModel(m_receptModell);
    ListaRacsBeallit(m_receptGrid);
    gepelesForras(m_receptGrid);
    aranyosRacs(m_receptGrid, &m_receptLeiras);
    also->addWidget(m_receptGrid, 1);
    auto* doboz = new QWidget(panel);
    auto* dv = new QVBoxLayout(doboz);
    const QFont vastag = PixelBetu(QStringLiteral("Arial"), 15, true);
    m_tetelek = new QLabel(doboz);
    m_tetelek->setObjectName(QStringLiteral("lblTetelek"));
    m_receptAr = new QLabel(doboz);
    m_receptAr->setObjectName(QStringLiteral("lblBekerules"));
    for (QLabel* l : {m_tetelek, m_receptAr}) {
        l->setFont(vastag);
        l->setAlignment(Qt::AlignRight);
    }
    dv->addWidget(new QLabel(QStringLiteral("tételek száma"), doboz));
    dv->addWidget(m_tetelek);
    dv->addWidget(new QLabel(QStringLiteral("számított bekerülés"), doboz));
    dv->addWidget(m_receptAr);
    dv->addStretch(1);
    doboz->setFixedWidth(170);
    also->addWidget(doboz);
    pv->addLayout(also, 1);
    alsoPanel(panel);

    connect(aKisAdag, &QAction::triggered, this, &Tfrm_TorzsCikkszam::masol);
    connect(aImport, &QAction::triggered, this, [this] {
        if (importAblak()) {
            importAblak()(this);
            try {
                frissit();
            } catch (const std::exception& e) {
                hibaMutat(e);
            }
        }
    });
    connect(aNyomtat, &QAction::triggered, this, [this] {
        if (arlistaNyomtat())
            arlistaNyomtat()(this);
    });
    connect(aBekerules, &QAction::triggered, this, &Tfrm_TorzsCikkszam::bekerules);
    connect(aUj2, &QAction::triggered, this, &Tfrm_TorzsCikkszam::receptUj);
    connect(aTorol2, &QAction::triggered, this, &Tfrm_TorzsCikkszam::receptTorol);
}

QString Tfrm_TorzsCikkszam::receptTetelek() const
{
    return m_tetelek->text();
}

QString Tfrm_TorzsCikkszam::receptBekerules() const
{
    return m_receptAr->text();
}

void Tfrm_TorzsCikkszam::aktualisValtozott()
{
    const int k = aktualisKulcs();
    try {
        m_receptModell->nyit(receptSql(k));
        if (m_receptModell->rowCount() > 0)
            m_receptGrid->setCurrentIndex(m_receptModell->index(0, 0));
        QSqlQuery q =
            SqlNyit(QStringLiteral("SELECT\n COUNT(cikkgyujto.gyujto) AS tetel,\n"
                                   " SUM(cikkgyujto.db*gyujto.ar) AS ar\nFROM cikkgyujto\n"
                                   " INNER JOIN gyujto ON (cikkgyujto.gyujto=gyujto.gyujto)\n"
                                   "WHERE cikkgyujto.cikkazon=") +
                    QString::number(k) + QLatin1Char(';'));
        const QString kep = QStringLiteral("### ### ##0");
        if (q.next()) {
            m_tetelek->setText(SzamFormat(q.value(0).toDouble(), kep));
            m_receptAr->setText(SzamFormat(q.value(1).toDouble(), kep));
        }
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

void Tfrm_TorzsCikkszam::receptUj()
{
    const int k = aktualisKulcs();
    if (k == -1)
        return;
    const int gy = GyujtoValaszt(-1, true, this);
    if (gy == -1)
        return;
    double db = 0;
    if (!InpSzam(QStringLiteral("Mennyiség megadás"), QStringLiteral("Add meg a mennyiséget"), db,
                 this))
        return;
    try {
        ReceptSorUj(k, gy, db);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
    aktualisValtozott();
}

void Tfrm_TorzsCikkszam::receptTorol()
{
    const QModelIndex i = m_receptGrid->currentIndex();
    if (!i.isValid())
        return;
    if (Megerosites(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés"),
                    this)) {
        try {
            ReceptSorTorol(aktualisKulcs(), m_receptModell->kulcs(i.row()));
        } catch (const std::exception& e) {
            hibaMutat(e);
        }
    }
    aktualisValtozott();
}

void Tfrm_TorzsCikkszam::masol()
{
    const int k = aktualisKulcs();
    if (k == -1)
        return;
    if (!jogProba(QStringLiteral("Nincs jogosultság a művelethez.")))
        return;
    QString kod = aktualis(QStringLiteral("cikkszam")).toString();
    if (!InpSzoveg(QStringLiteral("Új cikkszám"), QStringLiteral("Add meg az új cikkszámot!"), kod,
                   15, true, this))
        return;
    try {
        const int uj = CikkMasol(k, kod);
        frissit(uj);
        const int mentett = CikkszamSzerkeszt(uj, this);
        if (mentett != -1)
            frissit(mentett);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
    Figyelmeztetes(QStringLiteral("Állítsa be a gyűjtők mennyiségeit!"), this);
}

QStringList BekerulesLista(bool sprint)
{
    QStringList l;
    FejlecHozzaad(l, QStringLiteral("Bekerülés számítás"));
    if (!sprint)
        l << QStringLiteral("kód   név               bekerülés eladás");
    const QString kep = QStringLiteral("######0.0");
    for (const BekerulesSor& s : BekerulesAdatok()) {
        const QString b = SzamFormat(s.bekerules, kep), e = SzamFormat(s.eladas, kep);
        if (sprint)
            l << BalraIgazit(s.nev, 24) << JobbraIgazit(b, 17) + JobbraIgazit(e, 7);
        else
            l << BalraIgazit(s.kod, 5) + QLatin1Char(' ') + BalraIgazit(s.nev, 20) +
                     JobbraIgazit(b, 7) + JobbraIgazit(e, 7);
    }
    LablecHozzaad(l);
    return l;
}

void Tfrm_TorzsCikkszam::bekerules()
{
    try {
        SzovegNyomtat(1, BekerulesLista(Beall.SPrint), false, this);
    } catch (const std::exception& e) {
        hibaMutat(e);
    }
}

int Tfrm_TorzsCikkszam::szerkeszto(int kulcs)
{
    return CikkszamSzerkeszt(kulcs, this);
}

int ArlistaValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    Tfrm_TorzsCikkszam w(szulo);
    return ListaValaszt(w, kezdo, valasztas);
}

int CikkszamSzerkeszt(int cikkazon, QWidget* szulo)
{
    TorzsSzerkeszt d(CikkszamLeiras(), QStringLiteral("frm_TorzsCikkszam_Szerkeszt"),
                     QStringLiteral("Árlista tétel"), cikkazon, szulo);
    d.szoveg(QStringLiteral("cikkszam"), QStringLiteral("cikkszám, vagy vonalkód"), true);
    d.szoveg(QStringLiteral("cikkszam_nev"), QStringLiteral("megnevezés"));
    d.valaszto(
        QStringLiteral("mert"), QStringLiteral("mértékegység"),
        [&d](int k) {
            QString n;
            return MertValasztNev(k, true, n, &d);
        },
        [](int k) { return MertNev(k); });
    d.combo(QStringLiteral("pgepgyujto"), QStringLiteral("p.gép gyűjtő"),
            QStringLiteral("SELECT DISTINCT pgepgyujto FROM cikkszam ORDER BY 1;"));
    d.szam(QStringLiteral("afakulcs"), QStringLiteral("áfakulcs %"));
    // The standard colours, stored as the colour's red + green*256 + blue*65536.
    const QList<std::pair<const char*, QColor>> szinek = {{"Fekete", Qt::black},
                                                          {"Gesztenyebarna", QColor(128, 0, 0)},
                                                          {"Zöld", QColor(0, 128, 0)},
                                                          {"Olíva", QColor(128, 128, 0)},
                                                          {"Sötétkék", QColor(0, 0, 128)},
                                                          {"Lila", QColor(128, 0, 128)},
                                                          {"Pávakék", QColor(0, 128, 128)},
                                                          {"Szürke", QColor(128, 128, 128)},
                                                          {"Ezüst", QColor(192, 192, 192)},
                                                          {"Piros", QColor(255, 0, 0)},
                                                          {"Világoszöld", QColor(0, 255, 0)},
                                                          {"Sárga", QColor(255, 255, 0)},
                                                          {"Kék", QColor(0, 0, 255)},
                                                          {"Bíbor", QColor(255, 0, 255)},
                                                          {"Ciánkék", QColor(0, 255, 255)},
                                                          {"Fehér", Qt::white}};
    QStringList szinNevek;
    QVariantList szinErtekek;
    for (const auto& [nev, c] : szinek) {
        szinNevek << QString::fromUtf8(nev);
        szinErtekek << (c.red() + c.green() * 256 + c.blue() * 65536);
    }
    QComboBox* szin =
        d.lista(QStringLiteral("szin"), QStringLiteral("Betűszín (Touch)"), szinNevek, szinErtekek);
    for (int i = 0; i < szinek.size(); ++i) {
        QPixmap p(14, 14);
        p.fill(szinek[i].second);
        szin->setItemIcon(i, QIcon(p));
    }
    d.valaszto(
        QStringLiteral("cikkat"), QStringLiteral("kategória"),
        [&d](int k) {
            QString n;
            return CikkatValasztNev(k, true, n, &d);
        },
        [](int k) { return CikkatNev(k); });
    d.valaszto(
        QStringLiteral("besorolas"), QStringLiteral("besorolás"),
        [&d](int k) {
            QString n;
            return BesorolasValasztNev(k, true, n, &d);
        },
        [](int k) { return BesorolasNev(k); });
    d.szam(QStringLiteral("ar"), QStringLiteral("ár"));
    d.szam(QStringLiteral("ar2"), QStringLiteral("ár 2."));
    d.szam(QStringLiteral("ar3"), QStringLiteral("ár 3."));
    d.szam(QStringLiteral("ar4"), QStringLiteral("ár 4."));
    d.szam(QStringLiteral("bekerules"), QStringLiteral("Bekerülés"));
    d.ujOszlop();
    d.jelzo(QStringLiteral("vankedv"), QStringLiteral("Kedvezmény adható ebből?"));
    d.jelzo(QStringLiteral("kellar"), QStringLiteral("Árra rákérdez?"));
    d.jelzo(QStringLiteral("vanszerviz"), QStringLiteral("Szervízdíj számítható rá?"));
    d.jelzo(QStringLiteral("aktiv"), QStringLiteral("Rendelhető?"));
    d.jelzo(QStringLiteral("gyorsanfogy"), QStringLiteral("Gyorsan fogyó?"));
    d.jelzo(QStringLiteral("ezetel"), QStringLiteral("Ez szolgáltatás?"));
    // Each ticket slot stores the chosen profile's number ("0": none).
    QStringList nyomtatok{QStringLiteral("Nincs nyomtatás")};
    QVariantList szamok{QStringLiteral("0")};
    for (int n = 1; n <= 4; ++n) {
        TNyomtato ny;
        if (NyomtatoBetolt(n, ny)) {
            nyomtatok << ny.nyomtato_nev;
            szamok << QString::number(n);
        }
    }
    for (int i = 1; i <= 3; ++i)
        d.radio(QStringLiteral("port") + QString::number(i), QStringLiteral("Nyomtatás %1.").arg(i),
                nyomtatok, szamok);
    d.jelzo(QStringLiteral("borravalo"), QStringLiteral("Ez borravaló?"));
    d.kotelezo(QStringLiteral("cikkszam"), QStringLiteral("Termék kódjának megadása kötelező."));
    d.kotelezo(QStringLiteral("cikkszam_nev"), QStringLiteral("Termék nevének megadása kötelező."));
    d.gombok();
    return SzerkesztoFuttat(d);
}
