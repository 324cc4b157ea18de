#include "Beallit.h"

#include "AutoMentes.h"
#include "Mappak.h"

#include "Beall.h"
#include "DbHiba.h"
#include "HibaKezeles.h"
#include "JelszoStilus.h"
#include "Seged.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

// The flag columns, their captions and the names of their check boxes
// ("chk_" + column).
struct Jelzo {
    const char* oszlop;
    const char* felirat;
    bool TBeallitSor::*mezo;
};

const Jelzo Jelzok[] = {
    {"kedvnevhez", "Kedvezményt vendéghez köti", &TBeallitSor::kedvnevhez},
    {"vanadossag", "Van hitelkezelés", &TBeallitSor::vanadossag},
    {"pincerkerdez", "Rendelésnél rákérdez a pincérre", &TBeallitSor::pincerkerdez},
    {"pincerpin", "Pincér választásnál PIN kódot használ", &TBeallitSor::pincerpin},
    {"osszeglatszik", "Aktuális összeg látszik a képernyőn", &TBeallitSor::osszeglatszik},
    {"blokknyomtat", "Fogyasztási listát (blokkot) nyomtat", &TBeallitSor::blokknyomtat},
    {"konyhablokknyomtat", "Konyhablokkot nyomtat", &TBeallitSor::konyhablokknyomtat},
    {"elobbnyomkep", "Egyéb nyomtatásoknál előbb nyomtatási kép", &TBeallitSor::elobbnyomkep},
    {"vanvaluta", "Fogyasztási listán valutát is megjelenít (csak végösszeg)",
     &TBeallitSor::vanvaluta},
    {"mutatafa", "ÁFA összesítést megjelenít fogyasztási lista nyomtatásakor",
     &TBeallitSor::mutatafa},
    {"pincernyom", "Pincér megjelenítése fogyasztási listán", &TBeallitSor::pincernyom},
    {"vanfigyelmeztetes", "\"KÉSZPÉNZ ÁTVÉTELÉRE NEM JOGOSÍT\" felirat megjelenítés",
     &TBeallitSor::vanfigyelmeztetes},
    {"keskenyblokk", "Keskeny blokknyomtató (57mm)", &TBeallitSor::keskenyblokk},
#ifdef Q_OS_WIN
    {"csiliviliblokk", "Grafikus nyomtatás (80mm,Windows driver szükséges)",
     &TBeallitSor::csiliviliblokk},
#else
    {"csiliviliblokk", "Grafikus nyomtatás (80mm, CUPS nyomtatómeghajtó szükséges)",
     &TBeallitSor::csiliviliblokk},
#endif
    {"vanszervizjelszo", "Szervízdíj csak jelszóval", &TBeallitSor::vanszervizjelszo},
};

const Jelzo& jelzo(const char* oszlop)
{
    for (const Jelzo& j : Jelzok)
        if (qstrcmp(j.oszlop, oszlop) == 0)
            return j;
    Q_UNREACHABLE();
}

// The three item rows.
struct CikkSor {
    const char* felirat;
    const char* nev;
    QVariant TBeallitSor::*mezo;
    int ures; // the value of "none"
};

const CikkSor CikkSorok[3] = {
    {"Kedvezmény sor cikk", "Kedvsor", &TBeallitSor::kedvsor, 0},
    {"Szervizdíj sor cikk", "Szervsor", &TBeallitSor::szervsor, 0},
    {"Bónusz cikk", "Bonusz", &TBeallitSor::bonuszcikkazon, -1},
};

// A number typed with a decimal point or comma; nothing else converts.
bool szamOlvas(const QString& szoveg, double& ertek)
{
    QString s = szoveg.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    ertek = QLocale::c().toDouble(s, &ok);
    return ok && !s.isEmpty();
}

bool egeszOlvas(const QString& szoveg, int& ertek)
{
    bool ok = false;
    ertek = QLocale::c().toInt(szoveg.trimmed(), &ok);
    return ok;
}

} // namespace

Tfrm_Beallit::Tfrm_Beallit(const TBeallitSor& sor, CikkValaszto valaszto, QWidget* szulo)
    : QDialog(szulo), m_sor(sor), m_valaszto(std::move(valaszto))
{
    setObjectName(QStringLiteral("frm_Beallit"));
    setWindowTitle(QStringLiteral("Beállítások"));

    m_lapok = new QTabWidget(this);
    m_lapok->setObjectName(QStringLiteral("pgcBeallit"));
    m_lapok->addTab(altalanosLap(), QStringLiteral("Általános"));
    m_lapok->addTab(nyomtatasLap(), QStringLiteral("Nyomtatás"));
    m_lapok->addTab(jelszoLap(), QStringLiteral("Jelszó"));
    m_lapok->addTab(erintoLap(), QStringLiteral("Érintőképernyő"));
    m_lapok->addTab(mentesLap(), QStringLiteral("Mentés"));
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_lapok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    // The two passwords masked with "*"; the style is created after the
    // edits so it outlives them.
    auto* csillag = new JelszoStilus(QLatin1Char('*'), this);
    findChild<QLineEdit*>(QStringLiteral("edtStornojelszo"))->setStyle(csillag);
    findChild<QLineEdit*>(QStringLiteral("edtSzervizjelszo"))->setStyle(csillag);

    // The values in the window: the workstation settings from memory, the
    // rest from the row.
    findChild<QCheckBox*>(QStringLiteral("chkTeljesKep"))->setChecked(Beall.TeljesKep);
    findChild<QCheckBox*>(QStringLiteral("chkIdoSzinkron"))->setChecked(Beall.IdoSzinkron);
    findChild<QCheckBox*>(QStringLiteral("chkSPrint"))->setChecked(Beall.SPrint);
    findChild<QLineEdit*>(QStringLiteral("edtDbFormatum"))->setText(Beall.DbFormatum);
    findChild<QLineEdit*>(QStringLiteral("edtPenzFormatum"))->setText(Beall.PenzFormatum);
    for (const Jelzo& j : Jelzok)
        findChild<QCheckBox*>(QStringLiteral("chk_") + QLatin1String(j.oszlop))
            ->setChecked(m_sor.*(j.mezo));
    auto szoveg = [this](const char* nev, const QString& s) {
        findChild<QLineEdit*>(QLatin1String(nev))->setText(s);
    };
    szoveg("edtAfa1", SzamSzoveg(m_sor.afa1));
    szoveg("edtAfa2", SzamSzoveg(m_sor.afa2));
    szoveg("edtAfa3", SzamSzoveg(m_sor.afa3));
    szoveg("edtMuszakdb", QString::number(m_sor.muszakdb));
    szoveg("edtGombszeles", QString::number(m_sor.gombszeles));
    szoveg("edtUdvozlet1", m_sor.udvozletszoveg);
    szoveg("edtUdvozlet2", m_sor.udvozletszoveg2);
    szoveg("edtStornojelszo", m_sor.stornojelszo);
    szoveg("edtSzervizjelszo", m_sor.szervizjelszo);
    HibaKezel(this, [&] {
        for (int i = 0; i < 3; ++i)
            m_cikkNevek[i]->setText(CikkNevOlvas(m_sor.*(CikkSorok[i].mezo)));
    });

    AblakBeallit(this, false, true);
}

QCheckBox* Tfrm_Beallit::jelolo(QWidget* szulo, const QString& felirat, const char* nev)
{
    auto* c = new QCheckBox(felirat, szulo);
    c->setObjectName(QLatin1String(nev));
    return c;
}

QLineEdit* Tfrm_Beallit::szerkeszto(QWidget* szulo, const char* nev, int hossz, bool jelszo)
{
    auto* e = new QLineEdit(szulo);
    e->setObjectName(QLatin1String(nev));
    if (hossz > 0)
        e->setMaxLength(hossz);
    if (jelszo)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

void Tfrm_Beallit::gombSor(QWidget* lap, QBoxLayout* elrendezes)
{
    const int i = m_lapok->count();
    auto* ok = new QPushButton(QStringLiteral("OK"), lap);
    ok->setObjectName(QStringLiteral("btnOK_%1").arg(i));
    auto* megsem = new QPushButton(QStringLiteral("Mégsem"), lap);
    megsem->setObjectName(QStringLiteral("btnMegsem_%1").arg(i));
    connect(ok, &QPushButton::clicked, this, &Tfrm_Beallit::okKattint);
    connect(megsem, &QPushButton::clicked, this, &QDialog::reject);
    auto* sor = new QHBoxLayout;
    sor->addStretch();
    sor->addWidget(ok);
    sor->addWidget(megsem);
    elrendezes->addStretch();
    elrendezes->addLayout(sor);
}

QWidget* Tfrm_Beallit::altalanosLap()
{
    auto* lap = new QWidget(this);
    auto c = [&](const char* oszlop) {
        const Jelzo& j = jelzo(oszlop);
        return jelolo(lap, QString::fromUtf8(j.felirat),
                      (QByteArray("chk_") + j.oszlop).constData());
    };

    // Left: screen, VAT rates, shifts, number formats.
    auto* bal = new QVBoxLayout;
    bal->addWidget(jelolo(lap, QStringLiteral("Megnyitáskor teljes képernyő"), "chkTeljesKep"));
    auto* szamok = new QGridLayout;
    const std::pair<const char*, const char*> szamMezok[] = {
        {"ÁFA 1. kulcs", "edtAfa1"},
        {"ÁFA 2. kulcs", "edtAfa2"},
        {"ÁFA 3. kulcs", "edtAfa3"},
        {"Műszakszám", "edtMuszakdb"},
    };
    int s = 0;
    for (const auto& [felirat, nev] : szamMezok) {
        QLineEdit* e = szerkeszto(lap, nev);
        e->setMaximumWidth(90);
        e->setAlignment(Qt::AlignRight);
        auto* l = new QLabel(QString::fromUtf8(felirat), lap);
        l->setBuddy(e);
        szamok->addWidget(l, s, 0);
        szamok->addWidget(e, s, 1);
        ++s;
    }
    szamok->setColumnStretch(2, 1);
    bal->addLayout(szamok);

    auto* formatum = new QGroupBox(QStringLiteral("Szám formátum"), lap);
    auto* fl = new QGridLayout(formatum);
    QLineEdit* db = szerkeszto(formatum, "edtDbFormatum", 40);
    QLineEdit* penz = szerkeszto(formatum, "edtPenzFormatum", 40);
    auto* ldb = new QLabel(QStringLiteral("Mennyiség formátum"), formatum);
    ldb->setBuddy(db);
    auto* lpenz = new QLabel(QStringLiteral("Pénz formátum"), formatum);
    lpenz->setBuddy(penz);
    fl->addWidget(ldb, 0, 0);
    fl->addWidget(db, 0, 1);
    fl->addWidget(lpenz, 1, 0);
    fl->addWidget(penz, 1, 1);
    bal->addWidget(formatum);
    bal->addStretch();

    // Right: the three items and the switches.
    auto* jobb = new QVBoxLayout;
    auto* cikkek = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const CikkSor& cs = CikkSorok[i];
        m_cikkNevek[i] = szerkeszto(lap, (QByteArray("edt") + cs.nev).constData());
        m_cikkNevek[i]->setReadOnly(true);
        m_cikkNevek[i]->setFocusPolicy(Qt::NoFocus);
        m_cikkNevek[i]->setMinimumWidth(200);
        auto* valaszt = new QToolButton(lap);
        valaszt->setObjectName(QStringLiteral("btn%1Valaszt").arg(QLatin1String(cs.nev)));
        valaszt->setText(QStringLiteral("…"));
        valaszt->setToolTip(QStringLiteral("Választás az árlistából"));
        valaszt->setEnabled(bool(m_valaszto));
        auto* torol = new QToolButton(lap);
        torol->setObjectName(QStringLiteral("btn%1Torol").arg(QLatin1String(cs.nev)));
        torol->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
        torol->setToolTip(QStringLiteral("Nincs kedvezmény adás lehetőség"));
        connect(valaszt, &QToolButton::clicked, this, [this, i] { cikkValaszt(i); });
        connect(torol, &QToolButton::clicked, this, [this, i] { cikkTorol(i); });
        auto* l = new QLabel(QString::fromUtf8(cs.felirat), lap);
        cikkek->addWidget(l, 2 * i, 0, 1, 3);
        cikkek->addWidget(m_cikkNevek[i], 2 * i + 1, 0);
        cikkek->addWidget(valaszt, 2 * i + 1, 1);
        cikkek->addWidget(torol, 2 * i + 1, 2);
    }
    jobb->addLayout(cikkek);
    jobb->addSpacing(6);
    for (const char* o : {"kedvnevhez", "vanadossag", "pincerkerdez", "pincerpin"})
        jobb->addWidget(c(o));
    jobb->addWidget(
        jelolo(lap, QStringLiteral("Idő szinkronizálás szerver időre"), "chkIdoSzinkron"));
    jobb->addWidget(c("osszeglatszik"));

    auto* ket = new QHBoxLayout;
    ket->addLayout(bal);
    ket->addSpacing(16);
    ket->addLayout(jobb);
    auto* fo = new QVBoxLayout(lap);
    fo->addLayout(ket);
    gombSor(lap, fo);
    return lap;
}

QWidget* Tfrm_Beallit::nyomtatasLap()
{
    auto* lap = new QWidget(this);
    auto c = [&](QWidget* szulo, const char* oszlop) {
        const Jelzo& j = jelzo(oszlop);
        return jelolo(szulo, QString::fromUtf8(j.felirat),
                      (QByteArray("chk_") + j.oszlop).constData());
    };
    auto* fo = new QVBoxLayout(lap);

    auto* udv = new QGroupBox(QStringLiteral("Üdvözlet szöveg"), lap);
    auto* ul = new QVBoxLayout(udv);
    auto* ulc =
        new QLabel(QStringLiteral("Üdvözlet szövege a fogyasztási listán (max 42 betű)"), udv);
    QLineEdit* u1 = szerkeszto(udv, "edtUdvozlet1", UdvozletHossz);
    QLineEdit* u2 = szerkeszto(udv, "edtUdvozlet2", UdvozletHossz);
    ulc->setBuddy(u1);
    ul->addWidget(ulc);
    ul->addWidget(u1);
    ul->addWidget(u2);
    fo->addWidget(udv);

    auto csoport = [&](const QString& cim, std::initializer_list<const char*> oszlopok) {
        auto* g = new QGroupBox(cim, lap);
        auto* gl = new QVBoxLayout(g);
        for (const char* o : oszlopok)
            gl->addWidget(c(g, o));
        fo->addWidget(g);
        return gl;
    };
    csoport(QStringLiteral("Blokk nyomtatása"),
            {"blokknyomtat", "konyhablokknyomtat", "elobbnyomkep"});
    csoport(QStringLiteral("Megjelenő adatok"),
            {"vanvaluta", "mutatafa", "pincernyom", "vanfigyelmeztetes"});
    QVBoxLayout* ny =
        csoport(QStringLiteral("Nyomtató paraméterek"), {"keskenyblokk", "csiliviliblokk"});
    ny->insertWidget(0, jelolo(ny->parentWidget(),
                               QStringLiteral("Custom SPrint nyomtató használata"), "chkSPrint"));
    gombSor(lap, fo);
    return lap;
}

QWidget* Tfrm_Beallit::jelszoLap()
{
    auto* lap = new QWidget(this);
    auto* fo = new QVBoxLayout(lap);

    auto* storno = new QGroupBox(QStringLiteral("Sztornózás jelszava"), lap);
    auto* sl = new QGridLayout(storno);
    QLineEdit* se = szerkeszto(storno, "edtStornojelszo", BeallitJelszoHossz, true);
    auto* slc = new QLabel(QStringLiteral("sztornó jelszava"), storno);
    slc->setBuddy(se);
    sl->addWidget(slc, 0, 0);
    sl->addWidget(se, 0, 1);
    fo->addWidget(storno);

    auto* szerviz = new QGroupBox(QStringLiteral("Szervízdíj jelszava"), lap);
    auto* zl = new QGridLayout(szerviz);
    const Jelzo& j = jelzo("vanszervizjelszo");
    zl->addWidget(jelolo(szerviz, QString::fromUtf8(j.felirat), "chk_vanszervizjelszo"), 0, 0, 1,
                  2);
    QLineEdit* ze = szerkeszto(szerviz, "edtSzervizjelszo", BeallitJelszoHossz, true);
    auto* zlc = new QLabel(QStringLiteral("szervízdíj jelszava"), szerviz);
    zlc->setBuddy(ze);
    zl->addWidget(zlc, 1, 0);
    zl->addWidget(ze, 1, 1);
    fo->addWidget(szerviz);
    gombSor(lap, fo);
    return lap;
}

QWidget* Tfrm_Beallit::erintoLap()
{
    auto* lap = new QWidget(this);
    auto* fo = new QVBoxLayout(lap);
    auto* sor = new QHBoxLayout;
    QLineEdit* e = szerkeszto(lap, "edtGombszeles");
    e->setMaximumWidth(90);
    e->setAlignment(Qt::AlignRight);
    auto* l = new QLabel(QStringLiteral("Gombok szélessége választó képernyőkön"), lap);
    l->setBuddy(e);
    sor->addWidget(l);
    sor->addWidget(e);
    sor->addStretch();
    fo->addLayout(sor);
    gombSor(lap, fo);
    return lap;
}

void Tfrm_Beallit::cikkValaszt(int sor)
{
    if (!m_valaszto)
        return;
    QVariant& ertek = m_sor.*(CikkSorok[sor].mezo);
    const int uj = m_valaszto(ertek.isNull() ? 0 : ertek.toInt());
    if (uj == -1)
        return;
    ertek = uj;
    if (!HibaKezel(this, [&] { m_cikkNevek[sor]->setText(CikkNevOlvas(uj)); }))
        m_cikkNevek[sor]->clear();
}

void Tfrm_Beallit::cikkTorol(int sor)
{
    m_sor.*(CikkSorok[sor].mezo) = CikkSorok[sor].ures;
    m_cikkNevek[sor]->clear();
}

QString Tfrm_Beallit::cikkNev(int sor) const
{
    return m_cikkNevek[sor]->text();
}

bool Tfrm_Beallit::kiolvas(TBeallitSor& s)
{
    for (const Jelzo& j : Jelzok)
        s.*(j.mezo) =
            findChild<QCheckBox*>(QStringLiteral("chk_") + QLatin1String(j.oszlop))->isChecked();
    auto szoveg = [this](const char* nev) {
        return findChild<QLineEdit*>(QLatin1String(nev))->text();
    };
    s.udvozletszoveg = szoveg("edtUdvozlet1");
    s.udvozletszoveg2 = szoveg("edtUdvozlet2");
    s.stornojelszo = szoveg("edtStornojelszo");
    s.szervizjelszo = szoveg("edtSzervizjelszo");

    auto hibas = [this](const char* nev, const QString& miert) {
        QLineEdit* e = findChild<QLineEdit*>(QLatin1String(nev));
        HibaUzenet(miert, this);
        for (QWidget* w = e->parentWidget(); w; w = w->parentWidget())
            if (m_lapok->indexOf(w) >= 0)
                m_lapok->setCurrentWidget(w);
        e->setFocus();
        e->selectAll();
        return false;
    };
    const std::pair<const char*, double TBeallitSor::*> afak[] = {{"edtAfa1", &TBeallitSor::afa1},
                                                                  {"edtAfa2", &TBeallitSor::afa2},
                                                                  {"edtAfa3", &TBeallitSor::afa3}};
    for (const auto& [nev, mezo] : afak)
        if (!szamOlvas(szoveg(nev), s.*mezo))
            return hibas(nev, QStringLiteral("'%1' nem érvényes szám.").arg(szoveg(nev)));
    if (!egeszOlvas(szoveg("edtMuszakdb"), s.muszakdb))
        return hibas("edtMuszakdb",
                     QStringLiteral("'%1' nem érvényes egész szám.").arg(szoveg("edtMuszakdb")));
    // With no shift at all no business day could be opened.
    if (s.muszakdb < 1)
        return hibas("edtMuszakdb", QStringLiteral("A műszakszám legalább 1."));
    if (!egeszOlvas(szoveg("edtGombszeles"), s.gombszeles))
        return hibas("edtGombszeles",
                     QStringLiteral("'%1' nem érvényes egész szám.").arg(szoveg("edtGombszeles")));
    return true;
}

QWidget* Tfrm_Beallit::mentesLap()
{
    auto* lap = new QWidget(this);
    auto* fo = new QVBoxLayout(lap);
    auto* csoport = new QGroupBox(QStringLiteral("Automatikus biztonsági mentés"), lap);
    auto* g = new QGridLayout(csoport);
    auto* magyarazat = new QLabel(
        QStringLiteral("Napzáráskor (és kilépéskor, ha aznap volt forgalom) a program "
                       "biztonsági mentést készít ebbe a mappába, és ellenőrzi. Üres mappa: "
                       "nincs automatikus mentés."),
        csoport);
    magyarazat->setWordWrap(true);
    g->addWidget(magyarazat, 0, 0, 1, 3);
    QLineEdit* mappa = szerkeszto(csoport, "edtMentesMappa");
    mappa->setMinimumWidth(300);
    auto* ml = new QLabel(QStringLiteral("Mentések mappája"), csoport);
    ml->setBuddy(mappa);
    auto* tallo = new QPushButton(QStringLiteral("Tallózás..."), csoport);
    tallo->setObjectName(QStringLiteral("btnMentesMappa"));
    tallo->setAutoDefault(false);
    connect(tallo, &QPushButton::clicked, this, [this, mappa] {
        const QString m = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Mentések mappája"), mappa->text());
        if (!m.isEmpty())
            mappa->setText(QDir::toNativeSeparators(m));
    });
    g->addWidget(ml, 1, 0);
    g->addWidget(mappa, 1, 1);
    g->addWidget(tallo, 1, 2);
    auto* darab = new QSpinBox(csoport);
    darab->setObjectName(QStringLiteral("spnMentesDarab"));
    darab->setRange(1, 999);
    auto* dl = new QLabel(QStringLiteral("Megőrzött mentések száma"), csoport);
    dl->setBuddy(darab);
    g->addWidget(dl, 2, 0);
    g->addWidget(darab, 2, 1, Qt::AlignLeft);
    fo->addWidget(csoport);
    fo->addStretch();
    gombSor(lap, fo);

    const AutoMentesBeallitas b = AutoMentesBeallitas::olvas(IniFajl());
    mappa->setText(b.mappa);
    darab->setValue(b.darab);
    return lap;
}

void Tfrm_Beallit::okKattint()
{
    TBeallitSor s = m_sor;
    if (!kiolvas(s))
        return;
    AutoMentesBeallitas mentes;
    mentes.mappa = findChild<QLineEdit*>(QStringLiteral("edtMentesMappa"))->text().trimmed();
    mentes.darab = findChild<QSpinBox*>(QStringLiteral("spnMentesDarab"))->value();
    if (!HibaKezel(this, [&] { mentes.ir(IniFajl()); }))
        return;
    // On an error nothing is saved; the window stays open with the values
    // typed.
    if (!HibaKezel(this, [&] { BeallitSorMent(s); }))
        return;
    s.van = true;
    m_sor = s;
    Beall.TeljesKep = findChild<QCheckBox*>(QStringLiteral("chkTeljesKep"))->isChecked();
    Beall.IdoSzinkron = findChild<QCheckBox*>(QStringLiteral("chkIdoSzinkron"))->isChecked();
    Beall.SPrint = findChild<QCheckBox*>(QStringLiteral("chkSPrint"))->isChecked();
    Beall.DbFormatum = findChild<QLineEdit*>(QStringLiteral("edtDbFormatum"))->text();
    Beall.PenzFormatum = findChild<QLineEdit*>(QStringLiteral("edtPenzFormatum"))->text();
    accept();
}

void Beallitasok(QWidget* szulo, CikkValaszto cikkValaszto)
{
    TBeallitSor sor;
    if (!HibaKezel(szulo, [&] { sor = BeallitSorOlvas(); }))
        return;
    Tfrm_Beallit d(sor, std::move(cikkValaszto), szulo);
    d.exec();
}
