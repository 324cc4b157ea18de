#include "Muszak.h"

#include "Beall.h"
#include "Seged.h"
#include "SegedUI.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

Tfrm_Muszak::Tfrm_Muszak(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Muszak"));
    setWindowTitle(QStringLiteral("Dátum, műszak megadása"));

    auto* elozo = new QToolButton(this);
    elozo->setArrowType(Qt::LeftArrow);
    elozo->setToolTip(QStringLiteral("Előző hónap"));
    auto* kovetkezo = new QToolButton(this);
    kovetkezo->setArrowType(Qt::RightArrow);
    kovetkezo->setToolTip(QStringLiteral("Következő hónap"));
    m_honap = new QLabel(this);
    m_honap->setAlignment(Qt::AlignCenter);
    QFont hf = m_honap->font();
    hf.setBold(true);
    m_honap->setFont(hf);

    // The calendar's own navigation would show the locale's lower-case month
    // names; the panel shows its own month line instead.
    m_naptar = new QCalendarWidget(this);
    m_naptar->setLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    m_naptar->setFirstDayOfWeek(Qt::Monday);
    m_naptar->setNavigationBarVisible(false);
    m_naptar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_naptar->setGridVisible(true);

    auto* fej = new QHBoxLayout;
    fej->addWidget(elozo);
    fej->addWidget(m_honap, 1);
    fej->addWidget(kovetkezo);
    auto* datumPanel = new QVBoxLayout;
    datumPanel->addLayout(fej);
    datumPanel->addWidget(m_naptar);

    m_csoport = new QGroupBox(QStringLiteral("műszak"), this);
    m_csoport->setLayout(new QVBoxLayout);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);

    auto* felso = new QHBoxLayout;
    felso->addLayout(datumPanel, 1);
    felso->addWidget(m_csoport);
    auto* fo = new QVBoxLayout(this);
    fo->addLayout(felso);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(elozo, &QToolButton::clicked, this, [this] { m_naptar->showPreviousMonth(); });
    connect(kovetkezo, &QToolButton::clicked, this, [this] { m_naptar->showNextMonth(); });
    connect(m_naptar, &QCalendarWidget::currentPageChanged, this, [this] { honapFrissit(); });
    connect(m_naptar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    // Enter on the calendar chooses the day; the buttons take it elsewhere.
    AblakBeallit(this, false, false);
    honapFrissit();
}

void Tfrm_Muszak::beallit(const QDate& nap, int muszak, int muszakdb)
{
    m_naptar->setSelectedDate(nap);
    m_naptar->setCurrentPage(nap.year(), nap.month());
    qDeleteAll(m_radiok);
    m_radiok.clear();
    for (int n = 1; n <= muszakdb; ++n) {
        auto* r = new QRadioButton(QString::number(n) + QStringLiteral(". műszak"), m_csoport);
        m_csoport->layout()->addWidget(r);
        m_radiok << r;
    }
    if (muszak - 1 >= 0 && muszak - 1 < m_radiok.size())
        m_radiok.at(muszak - 1)->setChecked(true);
    honapFrissit();
}

QDate Tfrm_Muszak::datum() const
{
    return m_naptar->selectedDate();
}

int Tfrm_Muszak::muszak() const
{
    for (int i = 0; i < m_radiok.size(); ++i)
        if (m_radiok.at(i)->isChecked())
            return i + 1;
    return 0;
}

QString Tfrm_Muszak::honapFelirat() const
{
    return m_honap->text();
}

void Tfrm_Muszak::honapFrissit()
{
    m_honap->setText(QString::number(m_naptar->yearShown()) + QStringLiteral(". ") +
                     HonapNev(m_naptar->monthShown()));
}

bool MuszakValaszt(QDate& nap, int& muszak, QWidget* szulo)
{
    Tfrm_Muszak d(szulo);
    d.beallit(nap, muszak, Beall.muszakdb);
    if (d.exec() != QDialog::Accepted)
        return false;
    nap = d.datum();
    muszak = d.muszak();
    return true;
}
