#include "Combo.h"

#include "SegedUI.h"

#include <QCollator>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

Tfrm_Combo::Tfrm_Combo(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Combo"));
    AblakBeallit(this, false, false);

    m_felirat = new QLabel(this);
    m_felirat->setObjectName(QStringLiteral("lblFelirat"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("cbValasztek"));
    m_combo->setEditable(true);
    // Typed text is the answer, not a new choice.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(260);
    m_felirat->setBuddy(m_combo);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));

    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_felirat);
    fo->addWidget(m_combo);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    m_combo->setFocus();
}

void Tfrm_Combo::beallit(const QString& felirat, const QStringList& valasztekok)
{
    setWindowTitle(felirat);
    m_felirat->setText(felirat);
    QStringList rendezett = valasztekok;
    QCollator c{QLocale(QLocale::Hungarian, QLocale::Hungary)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rendezett.begin(), rendezett.end(),
                     [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    m_combo->clear();
    m_combo->addItems(rendezett);
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString());
}

QString Tfrm_Combo::szoveg() const
{
    return m_combo->currentText();
}

QString InpCombo(const QString& felirat, const QStringList& valasztekok, QWidget* szulo)
{
    Tfrm_Combo d(szulo);
    d.beallit(felirat, valasztekok);
    if (d.exec() != QDialog::Accepted)
        return QString();
    return d.szoveg();
}
