#include "Kepek.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace
{

QPixmap ures(int meret)
{
    QPixmap p(meret, meret);
    p.fill(Qt::transparent);
    return p;
}

void korong(QPainter& p, const QRectF& r, const QColor& szin)
{
    QRadialGradient g(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() * 0.7);
    g.setColorAt(0, szin.lighter(150));
    g.setColorAt(1, szin.darker(120));
    p.setBrush(g);
    p.setPen(QPen(szin.darker(160), r.width() / 24));
    p.drawEllipse(r);
}

} // namespace

QPixmap NyitottKep(int meret)
{
    QPixmap kep = ures(meret);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = meret;
    korong(p, QRectF(m * 0.06, m * 0.06, m * 0.88, m * 0.88), QColor(40, 170, 60));
    QPen toll(Qt::white, m * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(toll);
    p.setBrush(Qt::NoBrush);
    QPainterPath pipa;
    pipa.moveTo(m * 0.28, m * 0.52);
    pipa.lineTo(m * 0.44, m * 0.68);
    pipa.lineTo(m * 0.73, m * 0.34);
    p.drawPath(pipa);
    return kep;
}

QPixmap LezartKep(int meret)
{
    QPixmap kep = ures(meret);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = meret;
    korong(p, QRectF(m * 0.06, m * 0.06, m * 0.88, m * 0.88), QColor(200, 40, 40));
    // A padlock.
    p.setPen(QPen(Qt::white, m * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(m * 0.35, m * 0.22, m * 0.30, m * 0.34), 0, 180 * 16);
    p.drawLine(QPointF(m * 0.35, m * 0.39), QPointF(m * 0.35, m * 0.46));
    p.drawLine(QPointF(m * 0.65, m * 0.39), QPointF(m * 0.65, m * 0.46));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(m * 0.27, m * 0.45, m * 0.46, m * 0.32), m * 0.05, m * 0.05);
    return kep;
}

QPixmap PenztarKep(int meret)
{
    QPixmap kep = ures(meret);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = meret;
    // A cash register: body, display and keys.
    p.setPen(QPen(QColor(60, 60, 60), m / 64));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(QRectF(m * 0.12, m * 0.40, m * 0.76, m * 0.45), m * 0.05, m * 0.05);
    p.setBrush(QColor(40, 60, 90));
    p.drawRect(QRectF(m * 0.30, m * 0.15, m * 0.40, m * 0.20));
    p.setPen(QColor(120, 255, 120));
    QFont f = p.font();
    f.setPixelSize(int(m * 0.12));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(m * 0.30, m * 0.15, m * 0.40, m * 0.20), Qt::AlignCenter,
               QStringLiteral("ÁFA"));
    p.setPen(QPen(QColor(60, 60, 60), m / 128));
    p.setBrush(QColor(250, 250, 250));
    for (int s = 0; s < 3; ++s)
        for (int o = 0; o < 4; ++o)
            p.drawRect(QRectF(m * (0.20 + o * 0.15), m * (0.47 + s * 0.12), m * 0.11, m * 0.08));
    return kep;
}

QPixmap LogoKep(int meret)
{
    QPixmap kep = ures(meret);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = meret;
    const QRectF kor(m * 0.04, m * 0.04, m * 0.92, m * 0.92);
    QLinearGradient g(kor.topLeft(), kor.bottomRight());
    g.setColorAt(0, QColor(0, 128, 192));
    g.setColorAt(1, QColor(20, 50, 110));
    p.setBrush(g);
    p.setPen(QPen(QColor(255, 255, 255, 200), m * 0.015));
    p.drawEllipse(kor);

    // A pair of scissors: two rings and two crossing blades.
    p.setPen(QPen(Qt::white, m * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(m * 0.27, m * 0.52, m * 0.14, m * 0.14));
    p.drawEllipse(QRectF(m * 0.59, m * 0.52, m * 0.14, m * 0.14));
    p.setBrush(Qt::white);
    QPainterPath penge1;
    penge1.moveTo(m * 0.37, m * 0.54);
    penge1.lineTo(m * 0.66, m * 0.18);
    penge1.lineTo(m * 0.68, m * 0.21);
    penge1.lineTo(m * 0.42, m * 0.57);
    penge1.closeSubpath();
    QPainterPath penge2;
    penge2.moveTo(m * 0.63, m * 0.54);
    penge2.lineTo(m * 0.34, m * 0.18);
    penge2.lineTo(m * 0.32, m * 0.21);
    penge2.lineTo(m * 0.58, m * 0.57);
    penge2.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(penge1);
    p.drawPath(penge2);
    p.drawEllipse(QPointF(m * 0.5, m * 0.42), m * 0.02, m * 0.02);

    QFont f(QStringLiteral("Segoe UI"));
    f.setPixelSize(int(m * 0.13));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, m * 0.66, m, m * 0.15), Qt::AlignCenter, QStringLiteral("Vexlo.F"));
    f.setPixelSize(int(m * 0.034));
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(0, m * 0.79, m, m * 0.05), Qt::AlignCenter,
               QStringLiteral("fodrász- és kozmetikai szalon"));
    return kep;
}
