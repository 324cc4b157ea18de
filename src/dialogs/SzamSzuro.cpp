#include "SzamSzuro.h"

#include <QKeyEvent>

SzamSzuro::SzamSzuro(const QString& engedett, QObject* szulo) : QObject(szulo), m_engedett(engedett)
{
}

bool SzamSzuro::engedett(const QString& szoveg) const
{
    for (const QChar c : szoveg) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            continue;
        // Only ASCII digits: other scripts' digits would not parse.
        const bool szamjegy = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!szamjegy && !m_engedett.contains(c))
            return false;
    }
    return true;
}

bool SzamSzuro::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false;
        return !engedett(k->text());
    }
    return QObject::eventFilter(obj, e);
}
