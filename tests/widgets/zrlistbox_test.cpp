#include "zrlistbox.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ZrListBox, ParsesWidthLists)
{
    EXPECT_EQ(ZrListBox::parseColumnWidths(u"130,60,70,0,0,0,*"_s, 12),
              (QList<int>{130, 60, 70, 0, 0, 0, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(ZrListBox::parseColumnWidths(u"10,x,*,20"_s, 3), (QList<int>{10, -1, -1}));
    EXPECT_EQ(ZrListBox::parseColumnWidths(QString(), 2), (QList<int>{-1, -1}));
}

TEST(ZrListBox, HidesZeroWidthColumnsAndSharesTheRest)
{
    QStandardItemModel model(3, 8);
    ZrListBox box;
    box.setModel(&model);
    box.resize(600, 200);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    box.setColumnWidths(u"100,0,50,*"_s);
    EXPECT_EQ(box.columnWidth(0), 100);
    EXPECT_TRUE(box.isColumnHidden(1));
    EXPECT_EQ(box.columnWidth(2), 50);
    const int shared = (box.viewport()->width() - 150) / 5;
    for (int column = 3; column < 8; ++column)
        EXPECT_EQ(box.columnWidth(column), shared) << column;

    box.setColumnWidths(u"100,40,50,*"_s);
    EXPECT_FALSE(box.isColumnHidden(1));
    EXPECT_EQ(box.columnWidth(1), 40);
}

TEST(ZrListBox, SelectsOneWholeRowAndIgnoresHeadingClicks)
{
    QStandardItemModel model(3, 2);
    for (int row = 0; row < 3; ++row)
        model.setItem(row, 0, new QStandardItem(QString::number(2 - row)));
    ZrListBox box;
    box.setModel(&model);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    EXPECT_EQ(box.selectedRow(), -1);
    box.selectRow(1);
    box.selectRow(2);
    EXPECT_EQ(box.selectedRow(), 2);
    EXPECT_EQ(box.selectionModel()->selectedIndexes().size(), 2);

    QHeaderView *header = box.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    EXPECT_EQ(model.item(0, 0)->text(), u"2"_s);
    EXPECT_EQ(box.selectedRow(), 2);
}
