#pragma once

// Turns every mouse-wheel event of the application into a key press: Down
// when the wheel turns towards the user (or not at all), Up when it turns
// away, so a grid moves one row per notch. The key goes to the focused
// control, as the wheel's messages do on the workstations the program was
// made for.

#include <QObject>

class GorgoSzuro : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // The key of a wheel turn (the vertical angle delta).
    static int billentyu(int delta);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
};
