#pragma once

// The result log "Napló": a fixed-pitch read-only text and a "Bezár" button
// (Enter and Esc both close it), centred on the desktop.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class Tfrm_Eredmeny : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Eredmeny(QWidget* szulo = nullptr);

    void sorokBeallit(const QStringList& sorok);
    void sorHozzaad(const QString& sor);

    QPlainTextEdit* memo() const { return m_memo; }
    QPushButton* bezarGomb() const { return m_bezar; }

protected:
    // Centred on the desktop each time it is shown.
    void showEvent(QShowEvent* e) override;

private:
    QPlainTextEdit* m_memo;
    QPushButton* m_bezar;
};

// Shows the lines modally.
void EredmenyMutat(const QStringList& sorok, QWidget* szulo = nullptr);
