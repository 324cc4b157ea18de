#include "TorzsAsztal.h"

#include "DbHiba.h"
#include "KozosDB.h"
#include "Seged.h"
#include "SegedUI.h"
#include "TorzsLeirasok.h"
#include "TorzsSzerkeszt.h"
#include "Uzenetek.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>

Tfrm_TorzsAsztal::Tfrm_TorzsAsztal(QWidget* szulo)
    : TorzsLista(AsztalLeiras(), QStringLiteral("frm_TorzsAsztal"), QStringLiteral("Fodrászok"),
                 Qt::AlignRight, szulo)
{
    resize(520, 420);
    cimKattintasBeallit(CimKattintas::Rendez);
    szelessegBeallit([](QTableView* g) {
        const int w = g->width() - 121;
        g->setColumnWidth(0, qMax(60, int(qRound(w * 0.67))));
        g->setColumnWidth(1, qMax(40, int(qRound(w * 0.33))));
        g->setColumnWidth(2, 100);
    });
    QAction* a = ujAkcio(QStringLiteral("aElhelyezes"), QStringLiteral("Elhelyezés"),
                         QKeySequence(Qt::Key_F4));
    connect(a, &QAction::triggered, this, [this] { Elhelyezes(this); });
}

int Tfrm_TorzsAsztal::szerkeszto(int kulcs)
{
    TorzsSzerkeszt d(leiras(), QStringLiteral("frm_TorzsAsztal_Szerkeszt"),
                     QStringLiteral("Fodrász adatai"), kulcs, this);
    d.szoveg(QStringLiteral("asztal_nev"), QStringLiteral("Fodrász"));
    d.jelzo(QStringLiteral("mostfizet"), QStringLiteral("Azonnal fizet"));
    d.radio(QStringLiteral("arkat"), QStringLiteral("Árkategóriák"),
            {QStringLiteral("Normál ár"), QStringLiteral("2. ár"), QStringLiteral("3. ár"),
             QStringLiteral("4. ár")},
            {1, 2, 3, 4});
    d.gombok();
    const int k = SzerkesztoFuttat(d);
    // Every classification gets a 0 % commission row for a new point.
    if (kulcs == -1)
        SqlFuttat(JutalekFeltolt);
    return k;
}

bool Tfrm_TorzsAsztal::torolheto(int kulcs)
{
    if (SqlEgesz(QStringLiteral("SELECT DISTINCT asztal FROM rendelma WHERE asztal=") +
                     QString::number(kulcs) + QLatin1Char(';'),
                 -1) == -1)
        return true;
    HibaUzenet(QStringLiteral("Ezen az asztalon van fogyasztás, csak zárás után törölhető."), this);
    return false;
}

int AsztalValaszt(int kezdo, bool valasztas, QWidget* szulo)
{
    Tfrm_TorzsAsztal w(szulo);
    return ListaValaszt(w, kezdo, valasztas);
}

// --- Placement -------------------------------------------------------------------

Tfrm_Elhelyez::Tfrm_Elhelyez(QWidget* szulo) : QDialog(szulo)
{
    setObjectName(QStringLiteral("frm_Elhelyez"));
    setWindowTitle(QStringLiteral("Elhelyezés"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(900, 600);
    const QFont betu(QStringLiteral("Arial"), 11, QFont::Bold);
    QSqlQuery q =
        SqlNyit(QStringLiteral("SELECT asztal,asztal_nev,l,t,w,h FROM asztal ORDER BY asztal;"));
    while (q.next()) {
        const int n = q.value(0).toInt();
        auto* p = new QLabel(q.value(1).toString(), this);
        p->setObjectName(QStringLiteral("p") + QString::number(n));
        p->setFont(betu);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Raised);
        p->setAutoFillBackground(true);
        p->setGeometry(q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt(),
                       q.value(5).toInt());
        auto* f = new QLabel(QStringLiteral("X"), p);
        f->setObjectName(QStringLiteral("pa") + QString::number(n));
        f->setFont(betu);
        f->setAlignment(Qt::AlignCenter);
        f->setGeometry(p->width() - 10, p->height() - 10, 10, 10);
        f->setCursor(Qt::SizeFDiagCursor);
        p->installEventFilter(this);
        f->installEventFilter(this);
        m_panelek.insert(n, p);
        m_fogantyuk.insert(n, f);
    }
    AblakBeallit(this, true, false);
}

QLabel* Tfrm_Elhelyez::panel(int asztal) const
{
    return m_panelek.value(asztal);
}

QLabel* Tfrm_Elhelyez::fogantyu(int asztal) const
{
    return m_fogantyuk.value(asztal);
}

bool Tfrm_Elhelyez::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QLabel*>(o);
    if (!w)
        return QDialog::eventFilter(o, e);
    const bool fogo = w->objectName().startsWith(QLatin1String("pa"));
    auto* panel = fogo ? qobject_cast<QLabel*>(w->parentWidget()) : w;
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        panel->raise();
        w->raise();
        if (m->button() == Qt::LeftButton) {
            m_huz = true;
            m_kezdoKurzor = m->globalPosition().toPoint();
            m_kezdoHely = w->pos();
        }
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_huz)
            return true;
        const QPoint d = static_cast<QMouseEvent*>(e)->globalPosition().toPoint() - m_kezdoKurzor;
        w->move(m_kezdoHely + d);
        if (fogo)
            panel->resize(w->x() + w->width(), w->y() + w->height());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!m_huz)
            return true;
        m_huz = false;
        if (fogo) {
            panel->resize(RacsraIgazit(panel->width()), RacsraIgazit(panel->height()));
            w->move(panel->width() - 10, panel->height() - 10);
        } else {
            panel->move(RacsraIgazit(panel->x()), RacsraIgazit(panel->y()));
        }
        return true;
    }
    default:
        return QDialog::eventFilter(o, e);
    }
}

void Tfrm_Elhelyez::ment()
{
    for (auto i = m_panelek.cbegin(); i != m_panelek.cend(); ++i) {
        const QRect r = i.value()->geometry();
        SqlFuttat(QStringLiteral("UPDATE asztal SET l=%1,t=%2,w=%3,h=%4 WHERE asztal=%5;")
                      .arg(r.x())
                      .arg(r.y())
                      .arg(r.width())
                      .arg(r.height())
                      .arg(i.key()));
    }
}

void Tfrm_Elhelyez::done(int r)
{
    // Positions are saved however the window closes; there is no cancel.
    if (!m_mentve) {
        m_mentve = true;
        try {
            ment();
        } catch (const Hiba& h) {
            HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), this);
        }
    }
    QDialog::done(r);
}

void Elhelyezes(QWidget* szulo)
{
    try {
        Tfrm_Elhelyez w(szulo);
        w.exec();
    } catch (const Hiba& h) {
        HibaUzenet(QStringLiteral("Hiba: ") + h.uzenet(), szulo);
    }
}
