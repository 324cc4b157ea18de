#include "KeresoMezo.h"

#include "RacsSzabalyok.h"

#include <QKeyEvent>
#include <QLineEdit>

KeresoMezo::KeresoMezo(QWidget* szulo)
    : QComboBox(szulo)
{
    setObjectName(QStringLiteral("Kereso"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
}

bool KeresoMezo::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == lineEdit() && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            emit enterLenyomva();
            return true;
        }
        const QString csere = KeresoBetu(k->text());
        if (!k->text().isEmpty() && csere != k->text()) {
            lineEdit()->insert(csere);
            return true;
        }
    }
    return QComboBox::eventFilter(obj, e);
}

void KeresoMezo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterLenyomva();
        return;
    }
    QComboBox::keyPressEvent(e);
}
