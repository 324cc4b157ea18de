#include "FokuszSzinezo.h"

#include "SegedUI.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace
{

// The widget painted now; at most one at a time.
QPointer<QWidget> g_szinezett;

const char* const jelzo = "fokuszSzinezve";
const char* const eredetiPaletta = "fokuszEredetiPaletta";
const char* const sajatPaletta = "fokuszSajatPaletta";
const char* const ujPaletta = "fokuszUjPaletta";

} // namespace

FokuszSzinezo::FokuszSzinezo(QObject* szulo) : QObject(szulo) {}

QWidget* FokuszSzinezo::cel(QWidget* w)
{
    if (!w)
        return nullptr;
    QWidget* t = nullptr;
    if (qobject_cast<QLineEdit*>(w)) {
        QWidget* p = w->parentWidget();
        t = qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) ? p : w;
    } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
               qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) {
        t = w;
    }
    // The editors of grid cells keep the grid's look.
    if (t && t->parentWidget() &&
        qobject_cast<QAbstractItemView*>(t->parentWidget()->parentWidget()))
        return nullptr;
    return t;
}

bool FokuszSzinezo::eventFilter(QObject* obj, QEvent* e)
{
    if ((e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut) || !obj->isWidgetType())
        return false;
    QWidget* w = cel(static_cast<QWidget*>(obj));
    if (!w)
        return false;
    if (e->type() == QEvent::FocusIn) {
        if (g_szinezett && g_szinezett != w)
            visszaallit(g_szinezett);
        kiemel(w);
        g_szinezett = w;
    } else {
        // Another window coming to the front or a drop-down list opening do
        // not take the focus from the control.
        const auto ok = static_cast<QFocusEvent*>(e)->reason();
        if (ok != Qt::ActiveWindowFocusReason && ok != Qt::PopupFocusReason) {
            visszaallit(w);
            if (g_szinezett == w)
                g_szinezett = nullptr;
        }
    }
    return false;
}

void FokuszSzinezo::kiemel(QWidget* w)
{
    if (w->property(jelzo).toBool())
        return;
    w->setProperty(eredetiPaletta, QVariant::fromValue(w->palette()));
    w->setProperty(sajatPaletta, w->testAttribute(Qt::WA_SetPalette));
    QPalette p = w->palette();
    p.setColor(QPalette::Base, FokuszSzin());
    // A drop-down list (non-editable combo box) is drawn like a button.
    if (qobject_cast<QComboBox*>(w))
        p.setColor(QPalette::Button, FokuszSzin());
    w->setPalette(p);
    w->setProperty(ujPaletta, QVariant::fromValue(w->palette()));
    w->setProperty(jelzo, true);
}

void FokuszSzinezo::visszaallit(QWidget* w)
{
    if (!w->property(jelzo).toBool())
        return;
    const QPalette eredeti = w->property(eredetiPaletta).value<QPalette>();
    const bool sajat = w->property(sajatPaletta).toBool();
    const QPalette most = w->palette();
    const QPalette sajatunk = w->property(ujPaletta).value<QPalette>();
    const bool valtozatlan = sajatunk == most && sajatunk.resolveMask() == most.resolveMask();
    if (valtozatlan) {
        // Back to the widget's own or the inherited colours.
        w->setPalette(sajat ? eredeti : QPalette());
    } else {
        // The window changed the palette meanwhile: keep that, give back the
        // two colours this filter took.
        QPalette p = w->palette();
        p.setColor(QPalette::Base, eredeti.color(QPalette::Base));
        if (qobject_cast<QComboBox*>(w))
            p.setColor(QPalette::Button, eredeti.color(QPalette::Button));
        w->setPalette(p);
    }
    w->setProperty(jelzo, false);
}
