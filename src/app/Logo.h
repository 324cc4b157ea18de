#pragma once

// The splash window: a borderless, always-on-top picture of 512 × 512 pixels
// in the middle of the desktop. One second after it is shown it fades out
// (opacity down by 10 every 21 ms) and frees itself at 33 or below.

#include <QTimer>
#include <QWidget>

class Tfrm_Logo : public QWidget
{
    Q_OBJECT

public:
    explicit Tfrm_Logo(QWidget* szulo = nullptr);

    int atlatszatlansag() const { return m_alfa; }
    // One step of the fade (the 21-ms timer's tick).
    void halvanyit();

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QPixmap m_kep;
    QTimer m_varakozas;
    QTimer m_halvanyodas;
    int m_alfa = 255;
};

// Shows a new splash window without waiting; it frees itself.
void LogoMutat();
