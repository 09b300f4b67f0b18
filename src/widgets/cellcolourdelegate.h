#pragma once

#include <QStyledItemDelegate>

// Paints a cell that has its own background colour in that colour even while its row
// is selected, so marks such as safe and print master stay visible.
class CellColourDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellColourDelegate)

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
