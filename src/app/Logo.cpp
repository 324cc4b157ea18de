#include "Logo.h"

#include "Kepek.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>

Tfrm_Logo::Tfrm_Logo(QWidget* szulo)
    : QWidget(szulo, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_kep(LogoKep(512))
{
    setObjectName(QStringLiteral("frm_Logo"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(512, 512);
    // Without a compositing window manager the translucent corners would
    // show black: the round picture also cuts the window's shape.
    setMask(QRegion(QRect(17, 17, 478, 478), QRegion::Ellipse));
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    m_varakozas.setSingleShot(true);
    m_varakozas.setInterval(1000);
    m_halvanyodas.setInterval(21);
    connect(&m_varakozas, &QTimer::timeout, this, [this] { m_halvanyodas.start(); });
    connect(&m_halvanyodas, &QTimer::timeout, this, &Tfrm_Logo::halvanyit);
}

void Tfrm_Logo::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    m_varakozas.start();
}

void Tfrm_Logo::halvanyit()
{
    m_alfa -= 10;
    if (m_alfa <= 33) {
        m_halvanyodas.stop();
        close();
        return;
    }
    setWindowOpacity(m_alfa / 255.0);
    update();
}

void Tfrm_Logo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(m_alfa / 255.0);
    p.drawPixmap(0, 0, m_kep);
}

void LogoMutat()
{
    auto* logo = new Tfrm_Logo;
    logo->show();
}
