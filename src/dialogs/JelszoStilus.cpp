#include "JelszoStilus.h"

JelszoStilus::JelszoStilus(QChar karakter, QObject* szulo) : m_karakter(karakter)
{
    setParent(szulo);
}

int JelszoStilus::styleHint(StyleHint hint, const QStyleOption* opcio, const QWidget* widget,
                            QStyleHintReturn* visszaad) const
{
    if (hint == SH_LineEdit_PasswordCharacter && !m_karakter.isNull())
        return m_karakter.unicode();
    return QProxyStyle::styleHint(hint, opcio, widget, visszaad);
}
