#pragma once

// A key filter for number edits: typed characters other than the allowed
// ones are dropped. Control keys (backspace, Enter, Esc, Tab, arrows, Delete,
// clipboard shortcuts) pass.

#include <QObject>
#include <QString>

class SzamSzuro : public QObject
{
    Q_OBJECT
public:
    explicit SzamSzuro(const QString& engedett, QObject* szulo = nullptr);

    bool engedett(const QString& szoveg) const;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QString m_engedett;
};
