#include "NyomtatKep.h"

#include "Beall.h"
#include "KozosDB.h"
#include "NyomBeall.h"
#include "SegedUI.h"

#include <Qsci/qsciscintilla.h>

#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A small receipt printer with a paper strip, drawn rather than shipped.
QPixmap nyomtatoKep()
{
    QPixmap kep(48, 48);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 4, 20, 22));
    for (int y = 9; y <= 19; y += 5)
        p.drawLine(QPointF(17, y), QPointF(31, y));
    p.setBrush(QColor(90, 110, 140));
    p.drawRoundedRect(QRectF(5, 22, 38, 18), 3, 3);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(12, 26, 24, 3));
    p.setBrush(QColor(120, 220, 120));
    p.drawEllipse(QRectF(35, 33, 4, 4));
    return kep;
}

// "Courier New" where it exists, otherwise the fixed-pitch family the system
// chooses for it: the text area needs a real family name.
QFont szovegBetu()
{
    QFont f(QStringLiteral("Courier New"), 10);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    QFont valodi(QFontInfo(f).family(), 10);
    valodi.setFixedPitch(true);
    return valodi;
}

} // namespace

Tfrm_NyomtatKep::Tfrm_NyomtatKep(QWidget* szulo)
    : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_NyomtatKep"));
    setWindowTitle(Forditas(QStringLiteral("Blokknyomtatás")));
    setSizeGripEnabled(true);
    resize(640, 560);

    m_szoveg = new QsciScintilla(this);
    m_szoveg->setObjectName(QStringLiteral("SynEdit1"));
    m_szoveg->setUtf8(true);
    const QFont betu = szovegBetu();
    m_szoveg->setFont(betu);
    m_szoveg->setMarginsFont(betu);
    m_szoveg->setMarginType(0, QsciScintilla::NumberMargin);
    m_szoveg->setMarginLineNumbers(0, true);
    m_szoveg->setMarginWidth(0, QStringLiteral("00000"));
    m_szoveg->setMarginWidth(1, 0);
    m_szoveg->setWrapMode(QsciScintilla::WrapNone);
    m_szoveg->setEdgeMode(QsciScintilla::EdgeNone);
    m_szoveg->setEdgeColor(QColor(192, 192, 192));
    m_szoveg->setCaretLineVisible(false);
    m_szoveg->setCaretWidth(0);
    // The horizontal scroll range follows the longest line.
    m_szoveg->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    m_szoveg->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    m_szoveg->setReadOnly(true);

    m_kep = new QLabel(this);
    m_kep->setPixmap(nyomtatoKep());

    m_csoport = new QGroupBox(Forditas(QStringLiteral("Nyomtató")), this);
    auto* racs = new QGridLayout(m_csoport);
    for (int i = 0; i < 4; ++i) {
        auto* g = new QRadioButton(Forditas(QStringLiteral("%1. nyomtató").arg(i + 1)), m_csoport);
        // Two columns, filled column by column.
        racs->addWidget(g, i % 2, i / 2);
        m_gombok << g;
    }

    m_nyomtat = new QPushButton(Forditas(QStringLiteral("Nyomtat")), this);
    m_bezar = new QPushButton(Forditas(QStringLiteral("Bezár")), this);
    m_nyomtat->setAutoDefault(false);
    m_bezar->setAutoDefault(false);
    connect(m_nyomtat, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_bezar, &QPushButton::clicked, this, &QDialog::reject);

    // Without a profile the document can only be looked at: the reason and
    // the way to a printer are shown instead of "Nyomtat".
    m_hiany = new QLabel(this);
    m_hiany->setObjectName(QStringLiteral("lblNincsNyomtato"));
    m_hiany->setWordWrap(true);
    m_beallit = new QPushButton(Forditas(QStringLiteral("Nyomtatók beállítása")), this);
    m_beallit->setObjectName(QStringLiteral("btnNyomtatoBeallitas"));
    m_beallit->setAutoDefault(false);
    connect(m_beallit, &QPushButton::clicked, this, [this] {
        NyomtatoBeallitas(this);
        profilBeallit(m_profil);
    });
    m_hiany->hide();
    m_beallit->hide();

    auto* panel = new QHBoxLayout;
    panel->addWidget(m_kep);
    panel->addWidget(m_csoport, 1);
    auto* gombok = new QVBoxLayout;
    gombok->addWidget(m_nyomtat);
    gombok->addWidget(m_beallit);
    gombok->addWidget(m_bezar);
    gombok->addStretch();
    panel->addLayout(gombok);

    auto* fo = new QVBoxLayout(this);
    fo->addWidget(m_szoveg, 1);
    fo->addWidget(m_hiany);
    fo->addLayout(panel);

    AblakBeallit(this, true, false);
    // The window font follows "BetuMeret"; the document keeps its own.
    m_szoveg->setFont(betu);
    m_szoveg->setMarginsFont(betu);
}

void Tfrm_NyomtatKep::sorokBeallit(const QStringList& sorok)
{
    m_szoveg->setReadOnly(false);
    m_szoveg->setText(sorok.join(QLatin1Char('\n')));
    m_szoveg->setReadOnly(true);
}

QString Tfrm_NyomtatKep::szoveg() const
{
    return m_szoveg->text();
}

void Tfrm_NyomtatKep::margoBeallit(int szeles)
{
    m_margo = szeles;
    if (szeles > 0) {
        m_szoveg->setEdgeColumn(szeles);
        m_szoveg->setEdgeMode(QsciScintilla::EdgeLine);
    } else {
        m_szoveg->setEdgeMode(QsciScintilla::EdgeNone);
    }
}

int Tfrm_NyomtatKep::margo() const
{
    return m_margo;
}

void Tfrm_NyomtatKep::nyomtatoBeallit(int index)
{
    for (int i = 0; i < m_gombok.size(); ++i) {
        m_gombok[i]->setAutoExclusive(false);
        m_gombok[i]->setChecked(i == index);
        m_gombok[i]->setAutoExclusive(true);
    }
}

int Tfrm_NyomtatKep::nyomtatoIndex() const
{
    for (int i = 0; i < m_gombok.size(); ++i)
        if (m_gombok.at(i)->isChecked())
            return i;
    return -1;
}

void Tfrm_NyomtatKep::nyomtatLathato(bool lathato)
{
    m_nyomtat->setVisible(lathato);
    m_nyomtat->setEnabled(lathato);
    m_hiany->setText(
        Forditas(
            QStringLiteral("Nyomtatás nem lehetséges: nincs beállítva nyomtató (%1. nyomtató)."))
            .arg(m_profil) +
        QLatin1Char(' ') +
        Forditas(
            QStringLiteral("Nyomtatót a Rendszer menü \u201eNyomtatók beállítása\u201d pontjában "
                           "lehet felvenni (rendszergazdai joggal).")));
    m_hiany->setVisible(!lathato);
    m_beallit->setVisible(!lathato);
    // The set-up is an administrator's task, as in the main menu.
    m_beallit->setEnabled(Jog.rendszergazda);
}

bool Tfrm_NyomtatKep::profilBeallit(int n)
{
    m_profil = n;
    const bool van = NyomtatoBetolt(n, ny);
    if (van)
        margoBeallit(ny.szeles);
    nyomtatLathato(van);
    return van;
}
