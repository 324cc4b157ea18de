#pragma once

// Paints the background of the highlighted column of a list grid (the
// column a list is sorted by) in KiemeloSzin; selected rows keep the
// selection colour. The column comes from the view's dynamic property
// "kiemeltOszlop" (set by OszlopKiemel).

#include <QStyledItemDelegate>

class KiemeltOszlopDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit KiemeltOszlopDelegate(QObject* szulo = nullptr);

    // The highlighted column of a view, -1 when none.
    static int kiemeltOszlop(const QWidget* nezet);

protected:
    void initStyleOption(QStyleOptionViewItem* opcio, const QModelIndex& index) const override;
};
