#pragma once

// A proxy style that sets the character a password edit shows for every
// typed character.

#include <QProxyStyle>

class JelszoStilus : public QProxyStyle
{
    Q_OBJECT
public:
    explicit JelszoStilus(QChar karakter, QObject* szulo = nullptr);

    int styleHint(StyleHint hint, const QStyleOption* opcio = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* visszaad = nullptr) const override;

private:
    QChar m_karakter;
};
