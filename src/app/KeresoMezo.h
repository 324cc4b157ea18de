#pragma once

// The search box above the service point list: an editable list of the
// service point names. A typed "ö" is entered as the digit zero (it stands
// where other keyboards have zero); Enter reports itself so the window can
// move the focus to the grid.

#include <QComboBox>

class KeresoMezo : public QComboBox
{
    Q_OBJECT

public:
    explicit KeresoMezo(QWidget* szulo = nullptr);

signals:
    void enterLenyomva();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};
