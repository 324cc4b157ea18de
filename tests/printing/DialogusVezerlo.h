#pragma once

// Drives a chain of modal dialogs in a test: every newly shown modal dialog
// (other than the ones ignored) gets the next step; its title is recorded.

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class DialogusVezerlo : public QObject
{
public:
    using Lepes = std::function<void(QWidget*)>;

    explicit DialogusVezerlo(QList<Lepes> lepesek, QWidget* mellozott = nullptr)
        : m_lepesek(std::move(lepesek)), m_mellozott(mellozott)
    {
        m_ora.setInterval(10);
        connect(&m_ora, &QTimer::timeout, this, [this]() { nez(); });
        m_ora.start();
    }

    // The titles of the dialogs met, in order.
    QStringList cimek;
    // Steps left over when the chain ended.
    int hatralevo() const { return int(m_lepesek.size()); }

private:
    void nez()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == m_mellozott || w == m_utolso.data() || !w->isVisible())
            return;
        m_utolso = w;
        cimek << w->windowTitle();
        if (m_lepesek.isEmpty()) {
            w->close();
            return;
        }
        Lepes l = m_lepesek.takeFirst();
        l(w);
    }

    QList<Lepes> m_lepesek;
    QWidget* m_mellozott;
    QPointer<QWidget> m_utolso;
    QTimer m_ora;
};
