#include "GorgoSzuro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

int GorgoSzuro::billentyu(int delta)
{
    return delta > 0 ? Qt::Key_Up : Qt::Key_Down;
}

bool GorgoSzuro::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() != QEvent::Wheel)
        return QObject::eventFilter(obj, e);
    auto* w = static_cast<QWheelEvent*>(e);
    QObject* cel = QApplication::focusWidget();
    if (!cel)
        cel = obj;
    const int kulcs = billentyu(w->angleDelta().y());
    QKeyEvent le(QEvent::KeyPress, kulcs, Qt::NoModifier);
    QKeyEvent fel(QEvent::KeyRelease, kulcs, Qt::NoModifier);
    QCoreApplication::sendEvent(cel, &le);
    QCoreApplication::sendEvent(cel, &fel);
    return true;
}
