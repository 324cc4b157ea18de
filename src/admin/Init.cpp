#include "Init.h"

#include "Beall.h"
#include "DbHiba.h"
#include "HelyiSzerver.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Mappak.h"
#include "ProgramFajlok.h"
#include "SegedUI.h"
#include "Uzenetek.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

Tfrm_Init::Tfrm_Init(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Init"));
    setWindowTitle(QStringLiteral("Adatbázis beállítás"));

    auto szerkeszto = [this](const char* nev, int hossz) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nev));
        e->setMaxLength(hossz);
        e->setMinimumWidth(260);
        return e;
    };
    eKiszolgalo = szerkeszto("eKiszolgalo", 50);
    eFelhasznalo = szerkeszto("eFelhasznalo", 50);
    eJelszo = szerkeszto("eJelszo", 50);
    eJelszo->setEchoMode(QLineEdit::Password);
    eAdatbazis = szerkeszto("eAdatbazis", 50);
    eNev = szerkeszto("eNev", 50);
    ePort = szerkeszto("ePort", 5);
    ePort->setText(QStringLiteral("3306"));

    auto* urlap = new QFormLayout;
    urlap->addRow(QStringLiteral("Kiszolgáló (webszerver) név, vagy IP cím"), eKiszolgalo);
    urlap->addRow(QStringLiteral("Felhasználó"), eFelhasznalo);
    urlap->addRow(QStringLiteral("Jelszó"), eJelszo);
    urlap->addRow(QStringLiteral("Tárhely, vagy adatbázis neve"), eAdatbazis);
    urlap->addRow(QStringLiteral("Adatbázis megjelenített neve"), eNev);
    urlap->addRow(QStringLiteral("Port"), ePort);

    btnTeszt = new QPushButton(QStringLiteral("Kapcsolat tesztelése"), this);
    btnTeszt->setObjectName(QStringLiteral("btnTeszt"));
    btnRendben = new QPushButton(QStringLiteral("Rendben"), this);
    btnRendben->setObjectName(QStringLiteral("btnRendben"));
    btnRendben->setEnabled(false);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    for (QPushButton* b : {btnTeszt, btnRendben, btnMegsem})
        b->setAutoDefault(false);

    auto* gombok = new QHBoxLayout;
    gombok->addWidget(btnTeszt);
    gombok->addStretch(1);
    gombok->addWidget(btnRendben);
    gombok->addWidget(btnMegsem);
    // A salon with one computer needs no server of its own: the program
    // makes one.
    btnHelyi = new QPushButton(QStringLiteral("Helyi adatbázis létrehozása"), this);
    btnHelyi->setObjectName(QStringLiteral("btnHelyi"));
    btnHelyi->setAutoDefault(false);
    auto* helyi = new QGroupBox(QStringLiteral("Egy számítógépes szalon"), this);
    auto* helyiSor = new QVBoxLayout(helyi);
    auto* magyarazat = new QLabel(
        QStringLiteral("A program saját adatbázist hoz létre és indít ezen a számítógépen; "
                       "semmit sem kell beállítani."),
        helyi);
    magyarazat->setWordWrap(true);
    helyiSor->addWidget(magyarazat);
    helyiSor->addWidget(btnHelyi, 0, Qt::AlignLeft);
    auto* tavoli = new QGroupBox(QStringLiteral("Meglévő adatbázis-kiszolgáló"), this);
    tavoli->setLayout(urlap);

    auto* fo = new QVBoxLayout(this);
    fo->addWidget(helyi);
    fo->addWidget(tavoli);
    fo->addSpacing(8);
    fo->addLayout(gombok);

    setTabOrder(eKiszolgalo, eFelhasznalo);
    setTabOrder(eFelhasznalo, eJelszo);
    setTabOrder(eJelszo, eAdatbazis);
    setTabOrder(eAdatbazis, eNev);
    setTabOrder(eNev, ePort);
    setTabOrder(ePort, btnTeszt);
    setTabOrder(btnTeszt, btnRendben);
    setTabOrder(btnRendben, btnMegsem);

    connect(btnTeszt, &QPushButton::clicked, this, [this] { tesztel(); });
    connect(btnHelyi, &QPushButton::clicked, this, [this] { helyiLetrehoz(); });
    connect(btnRendben, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    // A tested connection stays tested only while its values stay the same.
    for (QLineEdit* e : {eKiszolgalo, eFelhasznalo, eJelszo, eAdatbazis, eNev, ePort})
        connect(e, &QLineEdit::textEdited, this, [this] { btnRendben->setEnabled(false); });
    eKiszolgalo->installEventFilter(this);

    AblakBeallit(this, false, true);
}

QString Tfrm_Init::kapcsolatSzoveg() const
{
    if (!m_helyiKapcsolat.isEmpty())
        return m_helyiKapcsolat;
    return eAdatbazis->text() + QLatin1Char(';') + eKiszolgalo->text() + QLatin1Char(';') +
           ePort->text().trimmed() + QLatin1Char(';') + eFelhasznalo->text() + QLatin1Char(';') +
           eJelszo->text() + QLatin1Char(';') + eNev->text();
}

bool Tfrm_Init::tesztel()
{
    btnRendben->setEnabled(false);
    bool szam = false;
    const int port = ePort->text().trimmed().toInt(&szam);
    if (!szam || port <= 0 || port > 65535) {
        HibaUzenet(QStringLiteral("Hiba: a port egész szám legyen (1-65535)."), this);
        ePort->setFocus();
        return false;
    }
    // ";" separates the stored fields: such a value would not read back.
    for (QLineEdit* e : {eKiszolgalo, eFelhasznalo, eJelszo, eAdatbazis, eNev})
        if (e->text().contains(QLatin1Char(';'))) {
            HibaUzenet(
                QStringLiteral("Hiba: a pontosvessző (;) nem használható a kapcsolat adataiban."),
                this);
            e->setFocus();
            return false;
        }
    try {
        KapcsolatTesztel(KapcsolatAdat::szovegbol(kapcsolatSzoveg()));
    } catch (const DbHiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + Forditas(h.uzenet()), this);
        return false;
    }
    btnRendben->setEnabled(true);
    btnRendben->setFocus();
    return true;
}

bool Tfrm_Init::helyiLetrehoz()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const KapcsolatAdat adat = HelyiAdatbazisLetrehoz(IniFajl(), SemaFajl());
        QApplication::restoreOverrideCursor();
        m_helyiKapcsolat = adat.szoveg(false);
    } catch (const Hiba& h) {
        QApplication::restoreOverrideCursor();
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), this);
        return false;
    }
    accept();
    return true;
}

bool Tfrm_Init::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == eKiszolgalo && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            (k->modifiers() & Qt::ControlModifier)) {
            // Closes with OK at once, but only a tested connection.
            if (btnRendben->isEnabled())
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

bool AdatbazisInit(QWidget* szulo)
{
    Tfrm_Init d(szulo);
    if (d.exec() != QDialog::Accepted)
        return false;
    Beall.ConStr = d.kapcsolatSzoveg();
    try {
        ElsoKapcsolatIr(IniFajl(), Beall.ConStr);
    } catch (const std::runtime_error& h) {
        // The tested connection still serves this run.
        HibaUzenet(QStringLiteral("Hiba: a beállítás nem menthető: ") +
                       QString::fromStdString(h.what()),
                   szulo);
    }
    return true;
}
