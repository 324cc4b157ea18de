#pragma once

// The start-up choice of the database: a list of the known connections; the
// chosen one is test-opened before the dialog closes.

#include <QDialog>
#include <QStringList>

class QListWidget;

class Tfrm_AdatbazisNyit : public QDialog
{
    Q_OBJECT

public:
    Tfrm_AdatbazisNyit(const QStringList& sorok, const QStringList& kapcsolatok,
                       const QString& felirat, QWidget* szulo = nullptr);

    int valasztott() const;
    QListWidget* lista() const { return m_lista; }

    void accept() override;

private:
    QStringList m_kapcsolatok;
    QListWidget* m_lista = nullptr;
};

// Shows the lines (one per connection string of kapcsolatok) and returns the
// index of the chosen one after its connection was test-opened, or -1 when
// cancelled. A single entry is test-opened without showing the list.
int AdatbazisValaszt(const QStringList& sorok, const QStringList& kapcsolatok,
                     const QString& felirat, QWidget* szulo = nullptr);
