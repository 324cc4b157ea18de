#include "Radio.h"

#include "SegedUI.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace
{

const int legtobb = 20;
// The designed geometry: the group, the buttons to its right at its bottom.
const int margo = 8;
const int csoportSzeles = 185;
const int csoportMagas = 161;
const int gombSzeles = 75;
const int gombMagas = 25;
const int gombKoz = 8;
// With three choices or fewer the group needs this much less height.
const int kisCsokkentes = 32;

} // namespace

QStringList RadioValasztekok(const QString& valasztekok)
{
    QStringList darabok =
        valasztekok.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts);
    if (darabok.size() > legtobb)
        darabok = darabok.mid(0, legtobb);
    return darabok;
}

Tfrm_Radio::Tfrm_Radio(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Radio"));
    AblakBeallit(this, false, false);
    m_csoport = new QGroupBox(this);
    m_csoport->setObjectName(QStringLiteral("rgValasztek"));
    new QVBoxLayout(m_csoport);
    m_kizaro = new QButtonGroup(this);
    m_kizaro->setExclusive(true);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    elrendez();
}

void Tfrm_Radio::beallit(const QString& felirat, const QStringList& valasztekok, int elore)
{
    setWindowTitle(felirat);
    m_csoport->setTitle(felirat);
    qDeleteAll(m_gombok);
    m_gombok.clear();
    for (const QString& v : valasztekok) {
        auto* g = new QRadioButton(v, m_csoport);
        m_csoport->layout()->addWidget(g);
        m_kizaro->addButton(g);
        m_gombok << g;
    }
    if (elore >= 0 && elore < m_gombok.size()) {
        m_gombok[elore]->setChecked(true);
        m_gombok[elore]->setFocus();
    } else if (!m_gombok.isEmpty()) {
        m_gombok.first()->setFocus();
    }
    elrendez();
}

void Tfrm_Radio::elrendez()
{
    m_csoport->layout()->activate();
    const QSize kell = m_csoport->sizeHint();
    int magas = csoportMagas;
    if (m_gombok.size() <= 3)
        magas -= kisCsokkentes;
    magas = qMax(magas, kell.height());
    const int szeles = qMax(csoportSzeles, kell.width());
    m_csoport->setGeometry(margo, margo, szeles, magas);

    const int gombBal = margo + szeles + margo;
    const int also = margo + magas;
    m_megsem->setGeometry(gombBal, also - gombMagas, gombSzeles, gombMagas);
    m_ok->setGeometry(gombBal, also - 2 * gombMagas - gombKoz, gombSzeles, gombMagas);
    setFixedSize(gombBal + gombSzeles + margo, also + margo);
}

int Tfrm_Radio::valasztott() const
{
    for (int i = 0; i < m_gombok.size(); ++i)
        if (m_gombok[i]->isChecked())
            return i;
    return -1;
}

QString Tfrm_Radio::valasztottSzoveg() const
{
    const int i = valasztott();
    return i < 0 ? QString() : m_gombok[i]->text();
}

int RadioValasztLista(int elore, const QStringList& valasztekok, const QString& felirat,
                      QWidget* szulo)
{
    Tfrm_Radio d(szulo);
    d.beallit(felirat, valasztekok, elore);
    if (d.exec() != QDialog::Accepted)
        return -1;
    return d.valasztott();
}

int RadioValaszt(int elore, const QString& valasztekok, const QString& felirat, QWidget* szulo)
{
    return RadioValasztLista(elore, RadioValasztekok(valasztekok), felirat, szulo);
}

int RadioValasztSzoveg(int elore, const QString& valasztekok, const QString& felirat,
                       QString& szoveg, QWidget* szulo)
{
    Tfrm_Radio d(szulo);
    d.beallit(felirat, RadioValasztekok(valasztekok), elore);
    if (d.exec() != QDialog::Accepted)
        return -1;
    const int i = d.valasztott();
    if (i >= 0)
        szoveg = d.valasztottSzoveg();
    return i;
}
