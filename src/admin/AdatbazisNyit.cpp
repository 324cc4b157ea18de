#include "AdatbazisNyit.h"

#include "DbHiba.h"
#include "KapcsolatTar.h"
#include "KozosDB.h"
#include "Uzenetek.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

// A database drum: the dialog's picture.
QPixmap adatbazisKep()
{
    QPixmap kep(72, 100);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor test(70, 120, 190), fedo(120, 165, 225), vonal(35, 70, 120);
    p.setPen(QPen(vonal, 2));
    const QRectF r(6, 6, 60, 18);
    for (int i = 2; i >= 0; --i) {
        const qreal y = 6 + i * 24;
        QPainterPath henger;
        henger.moveTo(r.left(), y + 9);
        henger.lineTo(r.left(), y + 33);
        henger.arcTo(QRectF(r.left(), y + 24, r.width(), 18), 180, 180);
        henger.lineTo(r.right(), y + 9);
        henger.closeSubpath();
        p.setBrush(test);
        p.drawPath(henger);
    }
    p.setBrush(fedo);
    p.drawEllipse(r);
    return kep;
}

// Test-opens the connection; shows "Hiba: " + the server's message when it
// fails.
bool probaNyitas(const QString& kapcsolat, QWidget* szulo)
{
    try {
        KapcsolatTesztel(KapcsolatAdat::szovegbol(kapcsolat));
        return true;
    } catch (const DbHiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + Forditas(h.uzenet()), szulo);
        return false;
    }
}

} // namespace

Tfrm_AdatbazisNyit::Tfrm_AdatbazisNyit(const QStringList& sorok, const QStringList& kapcsolatok,
                                       const QString& felirat, QWidget* szulo)
    : QDialog(szulo), m_kapcsolatok(kapcsolatok)
{
    setObjectName(QStringLiteral("frm_AdatbazisNyit"));
    setWindowTitle(felirat);

    auto* kep = new QLabel(this);
    kep->setPixmap(adatbazisKep());
    kep->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lbAdatbazis"));
    QFont f = m_lista->font();
    f.setBold(true);
    f.setPixelSize(12);
    m_lista->setFont(f);
    m_lista->addItems(sorok);
    if (m_lista->count() > 0)
        m_lista->setCurrentRow(0);
    m_lista->setMinimumSize(320, 200);
    connect(m_lista, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* gombok = new QDialogButtonBox(this);
    auto* ok = gombok->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* megsem = gombok->addButton(QStringLiteral("Mégsem"), QDialogButtonBox::RejectRole);
    megsem->setObjectName(QStringLiteral("btnMegsem"));
    connect(gombok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* felso = new QHBoxLayout;
    felso->addWidget(kep);
    felso->addWidget(m_lista, 1);
    auto* fo = new QVBoxLayout(this);
    fo->addLayout(felso, 1);
    fo->addWidget(gombok);

    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

int Tfrm_AdatbazisNyit::valasztott() const
{
    return m_lista->currentRow();
}

void Tfrm_AdatbazisNyit::accept()
{
    const int i = valasztott();
    if (i < 0 || i >= m_kapcsolatok.size())
        return;
    if (!probaNyitas(m_kapcsolatok.at(i), this))
        return; // the dialog stays for another choice
    QDialog::accept();
}

int AdatbazisValaszt(const QStringList& sorok, const QStringList& kapcsolatok,
                     const QString& felirat, QWidget* szulo)
{
    if (kapcsolatok.isEmpty())
        return -1;
    // A single entry opens at once; when it fails, the list is shown after
    // the error so that the operator can retry or give up.
    if (kapcsolatok.size() == 1 && probaNyitas(kapcsolatok.first(), szulo))
        return 0;
    Tfrm_AdatbazisNyit d(sorok, kapcsolatok, felirat, szulo);
    if (d.exec() != QDialog::Accepted)
        return -1;
    return d.valasztott();
}
