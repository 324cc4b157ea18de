#include "RiportRajz.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace
{

QRectF eszkozTeglalap(const QRect& r, double pont)
{
    return QRectF(r.x() * pont, r.y() * pont, r.width() * pont, r.height() * pont);
}

QPageSize lapMeret(const RLap& lap)
{
    return QPageSize(QSizeF(lap.szeles / 10.0, lap.magas / 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

} // namespace

void RiportLapRajzol(QPainter& p, const RDokumentum& doc, int lap, double pont)
{
    if (lap < 0 || lap >= doc.lapok.size())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBackgroundMode(Qt::TransparentMode);
    QString csalad;
    double meret = -1;
    bool felkover = false, dolt = false;
    for (const RTetel& t : doc.lapok.at(lap).tetelek) {
        const QRectF r = eszkozTeglalap(t.hely, pont);
        switch (t.tipus) {
        case RTetel::Szoveg: {
            if (t.betu.csalad != csalad || t.betu.meret != meret || t.betu.felkover != felkover ||
                t.betu.dolt != dolt) {
                csalad = t.betu.csalad;
                meret = t.betu.meret;
                felkover = t.betu.felkover;
                dolt = t.betu.dolt;
                QFont f(csalad);
                f.setPointSizeF(meret);
                f.setBold(felkover);
                f.setItalic(dolt);
                p.setFont(f);
            }
            p.setPen(Qt::black);
            p.drawText(r, int(t.igazit) | Qt::TextSingleLine, t.szoveg);
            break;
        }
        case RTetel::Keret:
            p.setPen(QPen(Qt::black, std::max(1.0, t.vastag * pont)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
            break;
        case RTetel::Vonal:
            p.setPen(QPen(Qt::black, std::max(1.0, t.vastag * pont)));
            p.drawLine(r.topLeft(), r.topRight());
            break;
        case RTetel::Kep:
            if (t.kep >= 0 && t.kep < doc.kepek.size()) {
                const QImage& k = doc.kepek.at(t.kep);
                // Scaled into the frame keeping its proportions, centred.
                QSizeF m = QSizeF(k.size()).scaled(r.size(), Qt::KeepAspectRatio);
                const QRectF cel(r.x() + (r.width() - m.width()) / 2,
                                 r.y() + (r.height() - m.height()) / 2, m.width(), m.height());
                p.drawImage(cel, k);
            }
            break;
        }
    }
    p.restore();
}

bool RiportEszkozreRajzol(QPagedPaintDevice& eszkoz, const RDokumentum& doc)
{
    if (doc.lapok.isEmpty())
        return false;
    eszkoz.setPageLayout(
        QPageLayout(lapMeret(doc.lapok.first()), QPageLayout::Portrait, QMarginsF()));
    QPainter p;
    if (!p.begin(&eszkoz))
        return false;
    for (int l = 0; l < doc.lapok.size(); ++l) {
        if (l > 0) {
            eszkoz.setPageSize(lapMeret(doc.lapok.at(l)));
            if (!eszkoz.newPage()) {
                p.end();
                return false;
            }
        }
        const double pont = eszkoz.logicalDpiX() / 254.0;
        RiportLapRajzol(p, doc, l, pont);
    }
    return p.end();
}

bool RiportPdf(const RDokumentum& doc, const QString& fajl, QString* hiba)
{
    {
        QFile f(fajl);
        if (!f.open(QIODevice::WriteOnly)) {
            if (hiba)
                *hiba = QStringLiteral("A fájl nem írható: ") + fajl + QStringLiteral(" (") +
                        f.errorString() + QLatin1Char(')');
            return false;
        }
    }
    QPdfWriter w(fajl);
    w.setTitle(doc.cim);
    w.setCreator(QStringLiteral("Vexlo.F"));
    w.setResolution(300);
    if (!RiportEszkozreRajzol(w, doc)) {
        if (hiba)
            *hiba = QStringLiteral("A PDF nem készült el: ") + fajl;
        return false;
    }
    return true;
}

QImage RiportLapKep(const RDokumentum& doc, int lap, int dpi)
{
    if (lap < 0 || lap >= doc.lapok.size())
        return {};
    const RLap& l = doc.lapok.at(lap);
    const double pont = dpi / 254.0;
    QImage k(qRound(l.szeles * pont), qRound(l.magas * pont), QImage::Format_RGB32);
    k.fill(Qt::white);
    k.setDotsPerMeterX(qRound(dpi / 0.0254));
    k.setDotsPerMeterY(qRound(dpi / 0.0254));
    QPainter p(&k);
    RiportLapRajzol(p, doc, lap, pont);
    return k;
}
