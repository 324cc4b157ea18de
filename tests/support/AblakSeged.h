#pragma once

// Driving modal windows in widget tests (header-only; the tests that include
// it link Qt Widgets): steps that run on the dialog once
// its own event loop has started (a dialog the steps leave open is cancelled
// after a while, so a failed check cannot hang the test), typing any letter,
// and window pictures for looking at the layout.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

template <class D> void modalban(std::function<void(D*)> lepesek, int probalkozas = 300)
{
    // Waits (up to about 3 s) until a dialog of the class is the active
    // modal window: a window that is still closing may hold that place for
    // a moment.
    QTimer::singleShot(probalkozas == 300 ? 0 : 10, [lepesek, probalkozas] {
        QPointer<QDialog> d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* cel = qobject_cast<D*>(d.data());
        if ((!cel || !cel->isVisible()) && probalkozas > 0) {
            modalban<D>(lepesek, probalkozas - 1);
            return;
        }
        QVERIFY2(cel, "the expected dialog is not the active modal window");
        QTimer::singleShot(5000, [d] {
            if (d && d->isVisible())
                d->reject();
        });
        QApplication::setActiveWindow(d);
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        lepesek(cel);
    });
}

// Types a text character by character (QTest::keyClicks refuses non-ASCII).
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

// Saves a picture of the window as <name>.png in the folder VEXLOF_KEPEK
// (the working folder when unset).
inline void kepMent(QWidget* w, const QString& nev)
{
    QString mappa = qEnvironmentVariable("VEXLOF_KEPEK");
    if (mappa.isEmpty())
        mappa = QDir::currentPath();
    QDir().mkpath(mappa);
    w->grab().save(mappa + QLatin1Char('/') + nev + QStringLiteral(".png"));
}
