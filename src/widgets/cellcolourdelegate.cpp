#include "cellcolourdelegate.h"

void CellColourDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(Qt::BackgroundRole).isValid())
        option->state &= ~QStyle::State_Selected;
}
