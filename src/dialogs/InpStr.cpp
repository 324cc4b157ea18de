#include "InpStr.h"

#include "JelszoStilus.h"
#include "SegedUI.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace
{

// Turns the edit's text to upper case however it arrives (typed, pasted,
// preset).
class NagybetuValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& szoveg, int&) const override
    {
        szoveg = szoveg.toUpper();
        return Acceptable;
    }
};

} // namespace

Tfrm_InpStr::Tfrm_InpStr(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_InpStr"));
    AblakBeallit(this, false, false);

    m_kerdes = new QLabel(this);
    m_kerdes->setObjectName(QStringLiteral("lblKerdes"));
    m_kerdes->setWordWrap(true);
    m_kerdes->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_kerdes->setMinimumWidth(260);

    m_szoveg = new QLineEdit(this);
    m_szoveg->setObjectName(QStringLiteral("edSzoveg"));
    // Created after the edit so that it outlives it.
    m_szoveg->setStyle(new JelszoStilus(QLatin1Char('*'), this));

    m_lathato = new QCheckBox(QStringLiteral("Látszanak a karakterek"), this);
    m_lathato->setObjectName(QStringLiteral("cbLathato"));
    m_lathato->setVisible(false);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));

    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_lathato);
    gombok->addStretch(1);
    gombok->addWidget(m_ok);
    gombok->addWidget(m_megsem);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_kerdes);
    fo->addWidget(m_szoveg);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_lathato, &QCheckBox::toggled, this, [this](bool b) { lathatoValtozott(b); });

    m_szoveg->setFocus();
}

void Tfrm_InpStr::beallit(const QString& felirat, const QString& kerdes, const QString& szoveg)
{
    setWindowTitle(felirat);
    m_kerdes->setText(kerdes);
    m_szoveg->setText(szoveg);
    m_szoveg->selectAll();
}

void Tfrm_InpStr::maxHosszBeallit(int maxHossz)
{
    m_szoveg->setMaxLength(maxHossz > 0 ? maxHossz : 32767);
}

void Tfrm_InpStr::nagybetusBeallit(bool nagybetus)
{
    QValidator* regi = const_cast<QValidator*>(m_szoveg->validator());
    if (nagybetus) {
        if (!regi) {
            m_szoveg->setValidator(new NagybetuValidator(m_szoveg));
            m_szoveg->setText(m_szoveg->text().toUpper());
        }
    } else if (regi) {
        m_szoveg->setValidator(nullptr);
        delete regi;
    }
}

void Tfrm_InpStr::maszkoltBeallit(bool maszkolt)
{
    m_lathato->setVisible(maszkolt);
    m_lathato->setChecked(false);
    m_szoveg->setEchoMode(maszkolt ? QLineEdit::Password : QLineEdit::Normal);
}

QString Tfrm_InpStr::szoveg() const
{
    return m_szoveg->text();
}

void Tfrm_InpStr::lathatoValtozott(bool lathato)
{
    m_szoveg->setEchoMode(lathato ? QLineEdit::Normal : QLineEdit::Password);
    m_szoveg->setFocus();
}

bool InpSzoveg(const QString& felirat, const QString& kerdes, QString& szoveg, int maxHossz,
               bool kisbetuMarad, QWidget* szulo)
{
    Tfrm_InpStr d(szulo);
    d.maxHosszBeallit(maxHossz);
    d.nagybetusBeallit(!kisbetuMarad);
    d.beallit(felirat, kerdes, szoveg);
    if (d.exec() != QDialog::Accepted)
        return false;
    szoveg = d.szoveg();
    return true;
}

bool InpJelszo(const QString& felirat, const QString& kerdes, bool maszkolt, int maxHossz,
               bool kisbetuMarad, QString& szoveg, QWidget* szulo)
{
    Q_UNUSED(kisbetuMarad); // a password is kept as typed
    Tfrm_InpStr d(szulo);
    d.maxHosszBeallit(maxHossz);
    d.maszkoltBeallit(maszkolt);
    d.beallit(felirat, kerdes, szoveg);
    if (d.exec() != QDialog::Accepted)
        return false;
    szoveg = d.szoveg();
    return true;
}
