#include "KeresoMezo.h"

#include "RacsSzabalyok.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

KeresoMezo::KeresoMezo(QWidget* szulo) : QComboBox(szulo)
{
    setObjectName(QStringLiteral("Kereso"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
}

bool KeresoMezo::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == lineEdit() && e->type() == QEvent::ShortcutOverride) {
        // The line edit would keep keys like Ctrl+Del for itself; the
        // window's commands come first.
        const QKeySequence k(static_cast<QKeyEvent*>(e)->keyCombination());
        for (const QAction* a : window()->actions()) {
            if (a->isEnabled() && !a->shortcut().isEmpty() &&
                a->shortcut().matches(k) == QKeySequence::ExactMatch) {
                e->ignore();
                return true;
            }
        }
    }
    if (obj == lineEdit() && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            emit enterLenyomva();
            return true;
        }
        const QString csere = KeresoBetu(k->text());
        if (!k->text().isEmpty() && csere != k->text()) {
            lineEdit()->insert(csere);
            return true;
        }
    }
    return QComboBox::eventFilter(obj, e);
}

void KeresoMezo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterLenyomva();
        return;
    }
    QComboBox::keyPressEvent(e);
}
