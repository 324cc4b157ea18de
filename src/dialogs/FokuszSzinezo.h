#pragma once

// The application event filter behind AlkalmazasStilus: paints the focused
// edit, combo box, spin box or text edit FokuszSzin and gives it back its own
// colour when the focus leaves it.

#include <QObject>

class QWidget;

class FokuszSzinezo : public QObject
{
    Q_OBJECT
public:
    explicit FokuszSzinezo(QObject* szulo = nullptr);

    // The widget whose colour a focus change of w concerns (the combo box or
    // spin box of an inner line edit), nullptr when none of the painted kinds.
    static QWidget* cel(QWidget* w);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    static void kiemel(QWidget* w);
    static void visszaallit(QWidget* w);
};
