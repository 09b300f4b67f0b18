#include "stemtablemodel.h"

#include <QAbstractItemModelTester>
#include <QFont>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

class StemTableModelTest : public ::testing::Test
{
protected:
    QStringList cells(int row) const
    {
        QStringList result;
        for (int column = 0; column <= StemTableModel::hiddenColumn; ++column)
            result.append(model.cell(row, column));
        return result;
    }

    StemTableModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

const QString exampleRow =
    u"Dialogue Stem\tDx\tStem 1\tStem 1\t2\tL,C,R,Ls,Rs,LFE\t5.1\t6\t1\t\t\tO/P#1\t"_s;

TEST_F(StemTableModelTest, HasTwelveHeadedColumns)
{
    const QStringList expected{u"Description"_s, u"Name"_s,   u"VK #1"_s,   u"VK #2"_s,
                               u"Index"_s,       u"tracks"_s, u"Fmt/Obj"_s, u"Len"_s,
                               u"Start Track"_s, u"S.Safe"_s, u"P.Mast"_s,  u"Port"_s};
    ASSERT_EQ(model.columnCount(), 12);
    for (int column = 0; column < 12; ++column)
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), expected.at(column));
    EXPECT_EQ(StemTableModel::t_port, 11);
    EXPECT_EQ(StemTableModel::t_start, 8);
}

TEST_F(StemTableModelTest, RowTextRoundTripsEveryCell)
{
    model.Rowadd(exampleRow);
    EXPECT_EQ(cells(0), (QStringList{u"Dialogue Stem"_s, u"Dx"_s, u"Stem 1"_s, u"Stem 1"_s, u"2"_s,
                                     u"L,C,R,Ls,Rs,LFE"_s, u"5.1"_s, u"6"_s, u"1"_s, QString(),
                                     QString(), u"O/P#1"_s, QString()}));
    EXPECT_EQ(model.getrow(0), exampleRow);

    model.appendRow();
    EXPECT_EQ(model.getrow(1), QString(12, u'\t'));
}

TEST_F(StemTableModelTest, RowaddFillsFieldByField)
{
    const struct
    {
        QString text;
        QStringList firstCells;
    } cases[] = {
        {u" Dx \t Name "_s, {u"Dx"_s, u" Name "_s, QString()}},
        {u"a\t"_s, {u"a"_s, QString(), QString()}},
        {u"\t\tc"_s, {QString(), QString(), u"c"_s}},
        {QString(), {QString(), QString(), QString()}},
    };
    for (const auto &testCase : cases) {
        model.removeAllRows();
        model.Rowadd(testCase.text);
        EXPECT_EQ(cells(0).mid(0, 3), testCase.firstCells) << testCase.text.toStdString();
        EXPECT_EQ(cells(0).mid(3).join(QString()), QString());
    }
}

TEST_F(StemTableModelTest, AThirteenthFieldIsKeptInTheHiddenCell)
{
    QString text = exampleRow + u"extra\tdropped"_s;
    model.Rowadd(text);
    EXPECT_EQ(model.cell(0, StemTableModel::hiddenColumn), u"extra"_s);
    EXPECT_EQ(model.getrow(0), exampleRow + u"extra"_s);
    EXPECT_FALSE(model.index(0, StemTableModel::hiddenColumn).isValid());
}

TEST_F(StemTableModelTest, RowsInsertAndRemoveInPlace)
{
    for (const QString &name : {u"A"_s, u"C"_s})
        model.setCell(model.appendRow(), StemTableModel::t_name, name);
    model.insertRowAt(1);
    model.setCell(1, StemTableModel::t_name, u"B"_s);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cell(1, StemTableModel::t_name), u"B"_s);
    EXPECT_EQ(model.cell(2, StemTableModel::t_name), u"C"_s);

    model.removeRowAt(0);
    EXPECT_EQ(model.cell(0, StemTableModel::t_name), u"B"_s);
    model.removeAllRows();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(StemTableModelTest, OutOfRangeAccessThrows)
{
    model.appendRow();
    EXPECT_THROW(model.cell(1, 0), std::out_of_range);
    EXPECT_THROW(model.cell(-1, 0), std::out_of_range);
    EXPECT_THROW(model.cell(0, 13), std::out_of_range);
    EXPECT_THROW(model.setCell(0, -1, u"x"_s), std::out_of_range);
    EXPECT_THROW(model.setCellBold(0, StemTableModel::hiddenColumn, true), std::out_of_range);
    EXPECT_THROW(model.removeRowAt(1), std::out_of_range);
    EXPECT_THROW(model.insertRowAt(2), std::out_of_range);
    EXPECT_THROW(model.getrow(3), std::out_of_range);
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(StemTableModelTest, MarkedSafeAndPrintMasterCellsAreColoured)
{
    const int row = model.appendRow();
    const auto background = [&](int column) {
        return model.data(model.index(row, column), Qt::BackgroundRole);
    };
    const auto foreground = [&](int column) {
        return model.data(model.index(row, column), Qt::ForegroundRole);
    };

    EXPECT_FALSE(background(StemTableModel::t_ssafe).isValid()) << "empty cells stay white";
    EXPECT_FALSE(background(StemTableModel::t_pmast).isValid());

    model.setCell(row, StemTableModel::t_ssafe, u"S.Safe"_s);
    model.setCell(row, StemTableModel::t_pmast, u"PM"_s);
    model.setCell(row, StemTableModel::t_name, u"Dx"_s);
    EXPECT_EQ(background(StemTableModel::t_ssafe).value<QColor>(), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(foreground(StemTableModel::t_ssafe).value<QColor>(), QColor(0x00, 0x00, 0x00));
    EXPECT_EQ(background(StemTableModel::t_pmast).value<QColor>(), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(foreground(StemTableModel::t_pmast).value<QColor>(), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_FALSE(background(StemTableModel::t_name).isValid());

    EXPECT_FALSE(model.data(model.index(row, StemTableModel::t_ssafe), Qt::FontRole).isValid());
    model.setCellBold(row, StemTableModel::t_ssafe, true);
    EXPECT_TRUE(
        model.data(model.index(row, StemTableModel::t_ssafe), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(model.getrow(row).count(u"S.Safe"_s), 1) << "bold is not part of the row text";
}

TEST_F(StemTableModelTest, WidthListFollowsShowAllThenTwoUnits)
{
    EXPECT_EQ(StemTableModel::columnWidths(true, false), u"130,60,70,70,70,70,*"_s);
    EXPECT_EQ(StemTableModel::columnWidths(true, true), u"130,60,70,70,70,70,*"_s);
    EXPECT_EQ(StemTableModel::columnWidths(false, true), u"130,60,70,70,0,0,*"_s);
    EXPECT_EQ(StemTableModel::columnWidths(false, false), u"130,60,70,0,0,0,*"_s);
}

} // namespace
