#include "Login.h"

#include "Azonositas.h"
#include "DbHiba.h"
#include "HibaKezeles.h"
#include "InpStr.h"
#include "JelszoStilus.h"
#include "Mappak.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace
{

// The window's picture: a key.
QPixmap kulcsKep()
{
    QPixmap p(64, 64);
    p.fill(Qt::transparent);
    QPainter f(&p);
    f.setRenderHint(QPainter::Antialiasing);
    const QColor arany(212, 160, 23);
    f.setPen(QPen(arany.darker(150), 2));
    f.setBrush(arany);
    f.drawEllipse(QRectF(6, 6, 26, 26));
    f.drawRect(QRectF(28, 16, 30, 7));
    f.drawRect(QRectF(44, 23, 5, 10));
    f.drawRect(QRectF(52, 23, 5, 7));
    f.setBrush(Qt::white);
    f.drawEllipse(QRectF(13, 13, 12, 12));
    return p;
}

} // namespace

Tfrm_Login::Tfrm_Login(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Login"));
    setWindowTitle(QStringLiteral("Belépés azonosítás"));

    auto* kep = new QLabel(this);
    kep->setPixmap(kulcsKep());
    kep->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_edtFelhasznalo = new QLineEdit(this);
    m_edtFelhasznalo->setObjectName(QStringLiteral("edtFelhasznalo"));
    // The widest code the tables hold; a longer one could not be logged.
    m_edtFelhasznalo->setMaxLength(20);
    m_edtJelszo = new QLineEdit(this);
    m_edtJelszo->setObjectName(QStringLiteral("edtJelszo"));
    m_edtJelszo->setEchoMode(QLineEdit::Password);
    // Masked with "*"; the style is created after the edit so it outlives it.
    m_edtJelszo->setStyle(new JelszoStilus(QLatin1Char('*'), this));
    auto* lFelh = new QLabel(QStringLiteral("Felhasználó"), this);
    lFelh->setBuddy(m_edtFelhasznalo);
    auto* lJelszo = new QLabel(QStringLiteral("Jelszó"), this);
    lJelszo->setBuddy(m_edtJelszo);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    m_btnUjJelszo = new QPushButton(QStringLiteral("Új jelszó"), this);
    m_btnUjJelszo->setObjectName(QStringLiteral("btnUjJelszo"));

    auto* mezok = new QGridLayout;
    mezok->addWidget(lFelh, 0, 0);
    mezok->addWidget(m_edtFelhasznalo, 0, 1);
    mezok->addWidget(lJelszo, 1, 0);
    mezok->addWidget(m_edtJelszo, 1, 1);
    mezok->setColumnMinimumWidth(1, 180);
    mezok->setRowStretch(2, 1);

    auto* felso = new QHBoxLayout;
    felso->addWidget(kep);
    felso->addSpacing(8);
    felso->addLayout(mezok, 1);

    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_btnUjJelszo);
    gombok->addStretch();
    gombok->addWidget(m_btnOK);
    gombok->addWidget(m_btnMegsem);

    auto* fo = new QVBoxLayout(this);
    fo->addLayout(felso);
    fo->addSpacing(6);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_edtFelhasznalo, m_edtJelszo);
    setTabOrder(m_edtJelszo, m_btnOK);
    setTabOrder(m_btnOK, m_btnMegsem);
    setTabOrder(m_btnMegsem, m_btnUjJelszo);

    connect(m_btnOK, &QPushButton::clicked, this, &Tfrm_Login::okKattint);
    connect(m_btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnUjJelszo, &QPushButton::clicked, this, &Tfrm_Login::ujJelszoKattint);

    AblakBeallit(this, false, true);
    // Enter in the code moves on to the password; Enter there logs in.
    EnterGomb(m_edtJelszo, m_btnOK);
    m_edtFelhasznalo->setFocus();
}

void Tfrm_Login::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Centred on the desktop rather than at a saved place.
    QRect terulet = MunkaTerulet();
    if (terulet.isEmpty() && QGuiApplication::primaryScreen())
        terulet = QGuiApplication::primaryScreen()->availableGeometry();
    if (!terulet.isEmpty()) {
        const QRect keret = frameGeometry();
        move(terulet.center() - QPoint(keret.width() / 2, keret.height() / 2));
    }
}

void Tfrm_Login::okKattint()
{
    const QString kod = m_edtFelhasznalo->text();
    HibaKezel(this, [&] {
        bool csereKell = false;
        const std::optional<TJog> j = Azonosit(kod, m_edtJelszo->text(), &csereKell);
        if (!j)
            HibaUzenet(QStringLiteral("Érvénytelen felhasználó, vagy jelszó"), this);
        // Every attempt is logged; a failing insert stops the login.
        BelepesNaploz(kod, j.has_value());
        if (!j)
            return;
        // The documented password of a new database is replaced at the
        // first login; without a new one the login does not complete.
        if (csereKell) {
            Uzenet(QStringLiteral("A jelszó még a kezdeti, mindenki által ismert jelszó. "
                                  "Belépés előtt adjon meg egy új jelszót."),
                   this);
            if (!ujJelszoBeker(kod))
                return;
        }
        m_jog = *j;
        accept();
    });
}

bool Tfrm_Login::ujJelszoBeker(const QString& kod)
{
    QString uj;
    if (!InpJelszo(QStringLiteral("Jelszó megadása"), QStringLiteral("Add meg az új jelszót"), true,
                   -1, true, uj, this))
        return false;
    QString ismet;
    if (!InpJelszo(QStringLiteral("Megerősítés"), QStringLiteral("Add újra az új jelszót"), true,
                   -1, true, ismet, this))
        return false;
    if (uj != ismet) {
        HibaUzenet(QStringLiteral("A megadott jelszavak nem egyezőek"), this);
        return false;
    }
    // An empty password would be refused by the user editor; the known
    // initial one is no protection.
    if (uj.isEmpty()) {
        HibaUzenet(QStringLiteral("Hiányos adat megadás"), this);
        return false;
    }
    if (uj.size() > JelszoHossz) {
        HibaUzenet(QStringLiteral("A jelszó legfeljebb %1 karakter lehet.").arg(JelszoHossz), this);
        return false;
    }
    if (uj == AlapJelszo) {
        HibaUzenet(QStringLiteral("Az új jelszó nem lehet a kezdeti jelszó."), this);
        return false;
    }
    JelszoCsere(kod, uj);
    Uzenet(QStringLiteral("Jelszó változtatás kész."), this);
    return true;
}

void Tfrm_Login::ujJelszoKattint()
{
    const QString kod = m_edtFelhasznalo->text();
    HibaKezel(this, [&] {
        if (!Azonosit(kod, m_edtJelszo->text())) {
            HibaUzenet(QStringLiteral("Érvénytelen felhasználó, vagy jelszó"), this);
            return;
        }
        ujJelszoBeker(kod);
    });
}

bool Belepes(TJog& jog, QWidget* szulo)
{
    Tfrm_Login d(szulo);
    if (d.exec() != QDialog::Accepted)
        return false;
    jog = d.jog();
    return true;
}
