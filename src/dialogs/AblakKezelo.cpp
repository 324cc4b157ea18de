#include "AblakKezelo.h"

#include "Mappak.h"
#include "SegedUI.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <stdexcept>

AblakKezelo::AblakKezelo(QWidget* ablak, bool meretezheto, bool enterLep)
    : QObject(ablak), m_ablak(ablak), m_meretezheto(meretezheto), m_enterLep(enterLep)
{
    setObjectName(QStringLiteral("AblakKezelo"));
    // Key presses reach the focused control, not the window: Enter needs an
    // application filter. It sees the window's own events as well.
    if (enterLep)
        qApp->installEventFilter(this);
    else
        ablak->installEventFilter(this);
    if (ablak->isVisible())
        megjelent();
}

AblakKezelo* AblakKezelo::kezelo(const QWidget* ablak)
{
    return ablak ? ablak->findChild<AblakKezelo*>(QStringLiteral("AblakKezelo"),
                                                  Qt::FindDirectChildrenOnly)
                 : nullptr;
}

bool AblakKezelo::eventFilter(QObject* obj, QEvent* e)
{
    if (!m_ablak)
        return false;
    switch (e->type()) {
    case QEvent::Show:
        // A re-show (after hide) restores nothing; minimising and restoring
        // (spontaneous events) neither restore nor save.
        if (obj == m_ablak && !e->spontaneous())
            megjelent();
        break;
    case QEvent::Hide:
        if (obj == m_ablak && !e->spontaneous())
            elrejtve();
        break;
    case QEvent::KeyPress:
        if (m_enterLep && obj->isWidgetType()) {
            auto* k = static_cast<QKeyEvent*>(e);
            const auto mod = k->modifiers() & ~Qt::KeypadModifier;
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && mod == Qt::NoModifier)
                return enterLepes(static_cast<QWidget*>(obj));
        }
        break;
    default:
        break;
    }
    return false;
}

void AblakKezelo::megjelent()
{
    m_lathato = true;
    if (m_helyreallitva)
        return;
    m_helyreallitva = true;
    FormForditas(m_ablak);

    const QString szakasz = m_ablak->objectName();
    if (szakasz.isEmpty() || IniFajl().isEmpty())
        return;
    try {
        // Left/Top are the outer corner, Width/Height the inner size. The
        // frame (known here on most platforms, later on some) counts when the
        // window is fitted into the work area.
        const QSize keret = m_ablak->frameGeometry().size() - m_ablak->size();
        const QRect m = MunkaTerulet();
        QRect r;
        if (m_meretezheto) {
            int bal = 0, fent = 0;
            int szeles = m_ablak->width(), magas = m_ablak->height();
            MeretOlvas(szakasz, bal, fent, szeles, magas);
            r = QRect(bal, fent, szeles, magas);
        } else {
            int bal = 10, fent = 10;
            HelyOlvas(szakasz, bal, fent);
            r = QRect(QPoint(bal, fent), m_ablak->size());
        }
        // A window saved on a larger desktop must not open out of sight.
        r = MeretIllesztes(QRect(r.topLeft(), r.size() + keret), m.right() + 1, m.bottom() + 1);
        if (m_meretezheto)
            m_ablak->resize(r.size() - keret);
        m_ablak->move(r.topLeft());
    } catch (const std::exception&) {
        // An unreadable INI file leaves the window where Qt put it.
    }
}

void AblakKezelo::elrejtve()
{
    if (!m_lathato)
        return;
    m_lathato = false;
    const QString szakasz = m_ablak->objectName();
    if (szakasz.isEmpty() || IniFajl().isEmpty())
        return;
    try {
        if (m_meretezheto) {
            // The outer corner and the inner size; a maximised window keeps
            // its normal geometry.
            QRect g(m_ablak->pos(), m_ablak->size());
            if (m_ablak->isMaximized() || m_ablak->isMinimized()) {
                const QPoint keret =
                    m_ablak->geometry().topLeft() - m_ablak->frameGeometry().topLeft();
                const QRect n = m_ablak->normalGeometry();
                g = QRect(n.topLeft() - keret, n.size());
            }
            MeretIr(szakasz, g.x(), g.y(), g.width(), g.height());
        } else {
            HelyIr(szakasz, m_ablak->x(), m_ablak->y());
        }
    } catch (const std::exception&) {
        // A read-only INI file costs the saved position, not the window.
    }
}

bool AblakKezelo::enterLepes(QWidget* w)
{
    if (w->window() != m_ablak || !w->isEnabled())
        return false;
    // Enter on a focused push button presses it, as on the Windows
    // workstations, even when the button does not take the default role.
    if (auto* gomb = qobject_cast<QPushButton*>(w)) {
        gomb->click();
        return true;
    }
    // A field whose Enter confirms the form (EnterGomb).
    for (QWidget* p = w; p && p != m_ablak; p = p->parentWidget()) {
        const QVariant v = p->property("enterGomb");
        if (auto* gomb = qobject_cast<QAbstractButton*>(v.value<QObject*>())) {
            if (gomb->isEnabled() && gomb->isVisible())
                gomb->click();
            return true;
        }
    }
    const bool lep = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                     qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                     qobject_cast<QAbstractSpinBox*>(w);
    if (!lep)
        return false;
    // Enter in a grid's cell editor commits the cell, as the grid wants.
    for (QWidget* p = w->parentWidget(); p && p != m_ablak; p = p->parentWidget())
        if (qobject_cast<QAbstractItemView*>(p))
            return false;
    // The same as Tab pressed on the window (Qt's focus chain with its focus
    // proxies and radio groups); sent to the window, not the control, which
    // may use Tab itself (the sections of a date edit).
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(m_ablak, &tab);
    return true;
}
