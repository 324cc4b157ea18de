#include "Adatbazisok_Szerkeszt.h"

#include "SegedUI.h"
#include "Uzenetek.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Tfrm_Adatbazis_Szerkeszt::Tfrm_Adatbazis_Szerkeszt(const KapcsolatAdat& adat, QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Adatbazis_Szerkeszt"));
    setWindowTitle(QStringLiteral("Tárhely"));

    auto szerkeszto = [this](const char* nev, const QString& szoveg, int hossz) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nev));
        e->setMaxLength(hossz);
        e->setText(szoveg);
        e->setMinimumWidth(240);
        return e;
    };
    eNev = szerkeszto("eNev", adat.adatbazisnev, 50);
    eKiszolgalo = szerkeszto("eKiszolgalo", adat.kiszolgalo, 50);
    eFelhasznalo = szerkeszto("eFelhasznalo", adat.felhasznalo, 50);
    eJelszo = szerkeszto("eJelszo", adat.jelszo, 50);
    eJelszo->setEchoMode(QLineEdit::Password);
    eAdatbazis = szerkeszto("eAdatbazis", adat.adatbazis, 50);
    ePort = szerkeszto("ePort", QString::number(adat.port), 5);

    btnMutat = new QToolButton(this);
    btnMutat->setObjectName(QStringLiteral("btnMutat"));
    btnMutat->setText(QStringLiteral("Mutat"));
    btnMutat->setToolTip(QStringLiteral("Jelszó mutatása / elrejtése"));
    btnMutat->setCheckable(true);
    btnMutat->setFocusPolicy(Qt::NoFocus);
    connect(btnMutat, &QToolButton::toggled, this, [this](bool lathato) {
        eJelszo->setEchoMode(lathato ? QLineEdit::Normal : QLineEdit::Password);
        btnMutat->setText(lathato ? QStringLiteral("Elrejt") : QStringLiteral("Mutat"));
    });
    auto* jelszoSor = new QHBoxLayout;
    jelszoSor->setContentsMargins(0, 0, 0, 0);
    jelszoSor->addWidget(eJelszo, 1);
    jelszoSor->addWidget(btnMutat);

    auto* urlap = new QFormLayout;
    urlap->addRow(QStringLiteral("Megjelenített név"), eNev);
    urlap->addRow(QStringLiteral("Kiszolgáló"), eKiszolgalo);
    urlap->addRow(QStringLiteral("Felhasználó"), eFelhasznalo);
    urlap->addRow(QStringLiteral("Jelszó"), jelszoSor);
    urlap->addRow(QStringLiteral("Adatbázis / tárhely"), eAdatbazis);
    urlap->addRow(QStringLiteral("Port"), ePort);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    btnOK->setAutoDefault(false);
    btnMegsem->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(btnOK);
    gombok->addWidget(btnMegsem);

    auto* fo = new QVBoxLayout(this);
    fo->addLayout(urlap);
    fo->addSpacing(8);
    fo->addLayout(gombok);

    setTabOrder(eNev, eKiszolgalo);
    setTabOrder(eKiszolgalo, eFelhasznalo);
    setTabOrder(eFelhasznalo, eJelszo);
    setTabOrder(eJelszo, eAdatbazis);
    setTabOrder(eAdatbazis, ePort);
    setTabOrder(ePort, btnOK);
    setTabOrder(btnOK, btnMegsem);

    for (QLineEdit* e : {eNev, eKiszolgalo, eFelhasznalo, eJelszo, eAdatbazis, ePort})
        e->installEventFilter(this);

    AblakBeallit(this, false, true);
    QFont f = font();
    f.setPointSize(9);
    setFont(f);
}

KapcsolatAdat Tfrm_Adatbazis_Szerkeszt::adat() const
{
    KapcsolatAdat a;
    a.adatbazisnev = eNev->text();
    a.kiszolgalo = eKiszolgalo->text();
    a.felhasznalo = eFelhasznalo->text();
    a.jelszo = eJelszo->text();
    a.adatbazis = eAdatbazis->text();
    a.port = ePort->text().trimmed().toInt();
    return a;
}

void Tfrm_Adatbazis_Szerkeszt::accept()
{
    bool szam = false;
    const int port = ePort->text().trimmed().toInt(&szam);
    if (!szam || port <= 0 || port > 65535) {
        HibaUzenet(QStringLiteral(
                       "Hiányos, vagy hibás adatmegadás\r\nA port egész szám legyen (1-65535)."),
                   this);
        ePort->setFocus();
        return;
    }
    // ";" separates the stored fields: such a value would not read back.
    for (QLineEdit* e : {eNev, eKiszolgalo, eFelhasznalo, eJelszo, eAdatbazis})
        if (e->text().contains(QLatin1Char(';'))) {
            HibaUzenet(
                QStringLiteral("Hiányos, vagy hibás adatmegadás\r\nA pontosvessző (;) nem ") +
                    QStringLiteral("használható a tárhely adataiban."),
                this);
            e->setFocus();
            return;
        }
    QDialog::accept();
}

bool Tfrm_Adatbazis_Szerkeszt::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            (k->modifiers() & Qt::ControlModifier)) {
            // Moves on (the edit's value is taken as it stands) and closes with OK.
            focusNextChild();
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

bool AdatbazisSzerkeszt(KapcsolatAdat& adat, QWidget* szulo)
{
    Tfrm_Adatbazis_Szerkeszt d(adat, szulo);
    if (d.exec() != QDialog::Accepted)
        return false;
    adat = d.adat();
    return true;
}
