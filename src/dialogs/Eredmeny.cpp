#include "Eredmeny.h"

#include "Beall.h"
#include "SegedUI.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

Tfrm_Eredmeny::Tfrm_Eredmeny(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Eredmeny"));
    setWindowTitle(QStringLiteral("Napló"));
    if (Beall.BetuMeret > 0) {
        QFont f = font();
        f.setPointSize(Beall.BetuMeret);
        setFont(f);
    }

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fix(QStringLiteral("Courier New"));
    fix.setStyleHint(QFont::TypeWriter);
    fix.setFixedPitch(true);
    fix.setPixelSize(12);
    m_memo->setFont(fix);

    m_bezar = new QPushButton(QStringLiteral("Bezár"), this);
    m_bezar->setObjectName(QStringLiteral("btnBezar"));
    // Default and cancel at once: Enter clicks it, Esc closes the dialog.
    m_bezar->setDefault(true);
    connect(m_bezar, &QPushButton::clicked, this, &QDialog::accept);

    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(m_bezar);
    gombok->addStretch(1);
    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_memo, 1);
    fo->addLayout(gombok);

    resize(560, 420);
    FormForditas(this);
    m_bezar->setFocus();
}

void Tfrm_Eredmeny::sorokBeallit(const QStringList& sorok)
{
    m_memo->setPlainText(sorok.join(QLatin1Char('\n')));
}

void Tfrm_Eredmeny::sorHozzaad(const QString& sor)
{
    m_memo->appendPlainText(sor);
}

void Tfrm_Eredmeny::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    QScreen* kepernyo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!kepernyo)
        return;
    QRect r = frameGeometry();
    r.moveCenter(kepernyo->availableGeometry().center());
    move(r.topLeft());
}

void EredmenyMutat(const QStringList& sorok, QWidget* szulo)
{
    Tfrm_Eredmeny d(szulo);
    d.sorokBeallit(sorok);
    d.exec();
}
