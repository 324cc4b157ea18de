#include "Idoszak.h"

#include "Intervallum.h"
#include "SegedUI.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace
{

const QString DatumKep = QStringLiteral("yyyy.MM.dd.");

QDateEdit* datumMezo(QWidget* szulo, const char* nev)
{
    auto* e = new QDateEdit(szulo);
    e->setObjectName(QLatin1String(nev));
    e->setCalendarPopup(true);
    e->setDisplayFormat(DatumKep);
    e->setMinimumWidth(120);
    return e;
}

} // namespace

Tfrm_Idoszak::Tfrm_Idoszak(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Idoszak"));
    setWindowTitle(QStringLiteral("Időszak megadása"));

    auto* idoszak = new QGroupBox(QStringLiteral("Időszak"), this);
    m_eAlso = datumMezo(idoszak, "eAlso");
    m_eFelso = datumMezo(idoszak, "eFelso");
    auto* il = new QVBoxLayout(idoszak);
    il->addWidget(m_eAlso);
    il->addWidget(m_eFelso);
    il->addStretch();

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_btnOK);
    gombok->addWidget(m_btnMegsem);

    auto* intervallum = new QGroupBox(QStringLiteral("Intervallum"), this);
    auto* gl = new QVBoxLayout(intervallum);
    const QString feliratok[5] = {
        QStringLiteral("Csak a mai nap"), QStringLiteral("Ez a hét"), QStringLiteral("Ez a hónap"),
        QStringLiteral("Múlt hónap"),     QStringLiteral("Idén"),
    };
    for (int i = 0; i < 5; ++i) {
        m_eloreGombok[i] = new QPushButton(feliratok[i], intervallum);
        gl->addWidget(m_eloreGombok[i]);
        connect(m_eloreGombok[i], &QPushButton::clicked, this, [this, i] { elore(i); });
    }

    auto* bal = new QVBoxLayout;
    bal->addWidget(idoszak);
    bal->addLayout(gombok);
    auto* fo = new QHBoxLayout(this);
    fo->addLayout(bal);
    fo->addWidget(intervallum);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: the two pickers, OK, Mégsem, then the presets.
    setTabOrder(m_eAlso, m_eFelso);
    setTabOrder(m_eFelso, m_btnOK);
    setTabOrder(m_btnOK, m_btnMegsem);
    setTabOrder(m_btnMegsem, m_eloreGombok[0]);
    for (int i = 0; i < 4; ++i)
        setTabOrder(m_eloreGombok[i], m_eloreGombok[i + 1]);

    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    // Ctrl+Enter confirms from any control.
    for (const auto k : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* s = new QShortcut(QKeySequence(Qt::CTRL | k), this);
        connect(s, &QShortcut::activated, this, &QDialog::accept);
    }

    const QDate ma = QDate::currentDate();
    beallit(ma, ma);
    AblakBeallit(this, false, true);
    // Enter in either date confirms the period (Tab moves between them).
    EnterGomb(m_eAlso, m_btnOK);
    EnterGomb(m_eFelso, m_btnOK);
    m_eAlso->setFocus();
}

void Tfrm_Idoszak::beallit(const QDate& tol, const QDate& ig)
{
    m_eAlso->setDate(tol);
    m_eFelso->setDate(ig);
}

QDate Tfrm_Idoszak::tol() const
{
    return m_eAlso->date();
}

QDate Tfrm_Idoszak::ig() const
{
    return m_eFelso->date();
}

void Tfrm_Idoszak::elore(int fajta)
{
    const QDate ma = m_ma.isValid() ? m_ma : QDate::currentDate();
    const Idoszak i = IntervallumSzamit(static_cast<Intervallum>(fajta), ma);
    beallit(i.tol, i.ig);
}

bool IdoszakKer(QDate& tol, QDate& ig, const QString& felirat, QWidget* szulo)
{
    Tfrm_Idoszak d(szulo);
    if (!felirat.isEmpty())
        d.setWindowTitle(felirat);
    d.beallit(tol, ig);
    if (d.exec() != QDialog::Accepted)
        return false;
    tol = d.tol();
    ig = d.ig();
    return true;
}
