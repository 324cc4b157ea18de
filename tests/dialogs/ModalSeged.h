#pragma once

// Driving modal dialogs in widget tests: the steps run once the dialog's own
// event loop has started; a dialog the steps left open is cancelled after a
// while so that a failing check cannot hang the test.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

template <class D> void modalban(std::function<void(D*)> lepesek)
{
    QTimer::singleShot(0, [lepesek] {
        QPointer<QDialog> d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QTimer::singleShot(5000, [d] {
            if (d && d->isVisible())
                d->reject();
        });
        if (d) {
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
        }
        auto* cel = qobject_cast<D*>(d.data());
        QVERIFY2(cel, "the expected dialog is not the active modal window");
        lepesek(cel);
    });
}

// Types a text character by character; any letter, Hungarian ones included.
inline void gepel(QWidget* w, const QString& szoveg)
{
    for (const QChar c : szoveg)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Shows a window and makes it the active one, so that focus changes arrive.
inline bool aktival(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}
