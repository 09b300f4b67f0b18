#include "zrlistbox.h"

#include "cellcolourdelegate.h"

#include <QHeaderView>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

ZrListBox::ZrListBox(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new CellColourDelegate(this));
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // A click on a heading neither sorts nor selects: the row order is the layout.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
}

QList<int> ZrListBox::parseColumnWidths(const QString &widthList, int columnCount)
{
    QList<int> widths(columnCount, -1);
    const QStringList items = widthList.split(u',');
    for (qsizetype column = 0; column < std::min<qsizetype>(items.size(), columnCount); ++column) {
        bool isNumber = false;
        const int width = items.at(column).trimmed().toInt(&isNumber);
        if (isNumber && width >= 0)
            widths[column] = width;
    }
    return widths;
}

void ZrListBox::setColumnWidths(const QString &widthList)
{
    m_widthList = widthList;
    applyColumnWidths();
}

void ZrListBox::applyColumnWidths()
{
    if (!model())
        return;
    const QList<int> widths = parseColumnWidths(m_widthList, model()->columnCount());
    int fixedWidth = 0;
    int sharedColumns = 0;
    for (int width : widths) {
        if (width < 0)
            ++sharedColumns;
        else
            fixedWidth += width;
    }
    const int sharedWidth =
        sharedColumns > 0 ? std::max(30, (viewport()->width() - fixedWidth) / sharedColumns) : 0;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        const int width = widths.at(column);
        setColumnHidden(int(column), width == 0);
        if (width != 0)
            setColumnWidth(int(column), width < 0 ? sharedWidth : width);
    }
}

int ZrListBox::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ZrListBox::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyColumnWidths();
}

void ZrListBox::keyPressEvent(QKeyEvent *event)
{
    const bool choose = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if (choose && currentIndex().isValid() && !event->isAutoRepeat()) {
        emit cellKeyPressed(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
