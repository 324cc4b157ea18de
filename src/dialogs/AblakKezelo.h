#pragma once

// The helper object behind AblakBeallit: a child of the window that restores
// and saves its geometry and moves the focus on Enter.

#include <QObject>
#include <QPointer>

class QWidget;

class AblakKezelo : public QObject
{
    Q_OBJECT
public:
    AblakKezelo(QWidget* ablak, bool meretezheto, bool enterLep);

    bool meretezheto() const { return m_meretezheto; }
    bool enterLep() const { return m_enterLep; }

    // The helper of a window, nullptr when AblakBeallit was not called.
    static AblakKezelo* kezelo(const QWidget* ablak);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void megjelent();
    void elrejtve();
    bool enterLepes(QWidget* w);

    QPointer<QWidget> m_ablak;
    bool m_meretezheto;
    bool m_enterLep;
    bool m_helyreallitva = false;
    bool m_lathato = false;
};
