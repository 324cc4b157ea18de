#include "FelhasznaloSzerkeszt.h"

#include "Azonositas.h"
#include "Beall.h"
#include "DbHiba.h"
#include "JelszoStilus.h"
#include "Jogok.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

// The check box of a right: "chk" and the column, capitalised.
QString dobozNev(const JogLeiras& j)
{
    const QString o = QLatin1String(j.oszlop);
    return QStringLiteral("chk") + o.left(1).toUpper() + o.mid(1);
}

QLineEdit* mezo(QWidget* szulo, const char* nev, int hossz, bool jelszo)
{
    auto* e = new QLineEdit(szulo);
    e->setObjectName(QLatin1String(nev));
    e->setMaxLength(hossz);
    if (jelszo)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

} // namespace

Tfrm_FelhasznaloSzerkeszt::Tfrm_FelhasznaloSzerkeszt(const TFelhasznaloAdat& adat,
                                                     const QString& eredetiKod, QWidget* szulo)
    : QDialog(szulo), m_adat(adat), m_eredetiKod(eredetiKod)
{
    setObjectName(QStringLiteral("frm_FelhasznaloSzerkeszt"));
    setWindowTitle(QStringLiteral("Felhasználó adatainak szerkesztése"));

    // Widths of the columns of `felhasznalo`.
    m_edtKod = mezo(this, "edtFelhasznalo", 20, false);
    QFont nagy = m_edtKod->font();
    nagy.setPointSize(qMax(Beall.BetuMeret, 9) + 5);
    nagy.setBold(true);
    m_edtKod->setFont(nagy);
    m_edtNev = mezo(this, "edtFelhasznaloNev", 20, false);
    m_edtJelszo = mezo(this, "edtJelszo", JelszoHossz, true);
    m_edtJelszo2 = mezo(this, "edtJelszo2", JelszoHossz, true);
    // Masked with "*"; the style is created after the edits so it outlives them.
    auto* csillag = new JelszoStilus(QLatin1Char('*'), this);
    m_edtJelszo->setStyle(csillag);
    m_edtJelszo2->setStyle(csillag);

    m_edtKod->setText(adat.felhasznalo);
    m_edtNev->setText(adat.felhasznalo_nev);
    // Only a hash is stored: the edits start empty, and left empty they
    // keep the stored password.
    m_edtJelszo->setText(adat.jelszo);
    m_edtJelszo2->setText(adat.jelszo);
    if (!adat.jelszoNull) {
        m_edtJelszo->setPlaceholderText(QStringLiteral("változatlan"));
        m_edtJelszo2->setPlaceholderText(QStringLiteral("változatlan"));
    }

    auto* racs = new QGridLayout;
    int sor = 0;
    auto cimke = [&](const QString& szoveg, QWidget* mezo) {
        auto* l = new QLabel(szoveg, this);
        l->setBuddy(mezo);
        racs->addWidget(l, sor, 0);
        racs->addWidget(mezo, sor, 1);
        ++sor;
    };
    cimke(QStringLiteral("Belépőkód"), m_edtKod);
    cimke(QStringLiteral("Felhasználó"), m_edtNev);

    auto* jogok = new QVBoxLayout;
    jogok->setSpacing(2);
    for (std::size_t i = 0; i < Jogok.size(); ++i) {
        m_jogok[i] = new QCheckBox(QString::fromUtf8(Jogok[i].felirat), this);
        m_jogok[i]->setObjectName(dobozNev(Jogok[i]));
        m_jogok[i]->setChecked(adat.*(Jogok[i].mezo));
        jogok->addWidget(m_jogok[i]);
    }
    racs->addLayout(jogok, sor++, 1);
    cimke(QStringLiteral("Jelszó"), m_edtJelszo);
    cimke(QStringLiteral("Jelszó még egyszer"), m_edtJelszo2);
    racs->setColumnMinimumWidth(1, 240);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(m_btnOK);
    gombok->addWidget(m_btnMegsem);

    auto* fo = new QVBoxLayout(this);
    fo->addLayout(racs);
    fo->addSpacing(6);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* sorrend[] = {m_edtKod,   m_edtNev,    m_jogok[0],   m_jogok[1], m_jogok[2],
                          m_jogok[3], m_jogok[4],  m_jogok[5],   m_jogok[6], m_jogok[7],
                          m_jogok[8], m_edtJelszo, m_edtJelszo2, m_btnOK,    m_btnMegsem};
    for (size_t i = 0; i + 1 < std::size(sorrend); ++i)
        setTabOrder(sorrend[i], sorrend[i + 1]);

    connect(m_btnOK, &QPushButton::clicked, this, &Tfrm_FelhasznaloSzerkeszt::okKattint);
    connect(m_btnMegsem, &QPushButton::clicked, this, &QDialog::reject);

    AblakBeallit(this, false, true);
    m_edtKod->setFocus();
}

void Tfrm_FelhasznaloSzerkeszt::okKattint()
{
    TFelhasznaloAdat a = m_adat;
    a.felhasznalo = m_edtKod->text();
    a.felhasznalo_nev = m_edtNev->text();
    a.jelszo = m_edtJelszo->text();
    for (std::size_t i = 0; i < Jogok.size(); ++i)
        a.*(Jogok[i].mezo) = m_jogok[i]->isChecked();

    const QString hiba = FelhasznaloEllenoriz(a, m_edtJelszo2->text());
    if (!hiba.isEmpty()) {
        HibaUzenet(hiba, this);
        return;
    }
    try {
        FelhasznaloMent(a, m_eredetiKod);
    } catch (const DbHiba& h) {
        // The server's reason (a duplicate or missing code) follows the
        // editor's own message.
        HibaUzenet(QStringLiteral("Hiányos adat megadás") + QLatin1Char('\n') + h.uzenet(), this);
        return;
    }
    if (!a.jelszo.isEmpty())
        a.jelszoNull = false;
    a.jelszo.clear();
    m_adat = a;
    accept();
}
