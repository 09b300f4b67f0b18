#include "layoutfiles.h"
#include "mainwindow.h"
#include "stempanel.h"
#include "stemtablemodel.h"
#include "testworld.h"
#include "wlink.h"
#include "wsetformat.h"
#include "zrcombobox.h"
#include "zrkey.h"
#include "zrlistbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Drives the main window with the mouse and keyboard, as a user would.
class EditorFlowTest : public ::testing::Test
{
protected:
    StemPanel &panel() { return window.panel(); }
    StemTableModel &table() { return window.stemTable(); }

    void typeStemText(const QString &text)
    {
        QLineEdit *field = panel().cbstemname().lineEdit();
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    void replaceText(QLineEdit &field, const QString &text)
    {
        QTest::mouseClick(&field, Qt::LeftButton);
        field.selectAll();
        QTest::keyClicks(&field, text);
    }

    void click(QWidget &widget) { QTest::mouseClick(&widget, Qt::LeftButton); }

    void clickCell(int row, int column)
    {
        ZrListBox &view = window.lbstem();
        const QRect cell = view.visualRect(table().index(row, column));
        ASSERT_TRUE(cell.isValid()) << "row " << row << " column " << column;
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    }

    void addObjectStem(const QString &text, int quantity)
    {
        typeStemText(text);
        replaceText(panel().oqty(), QString::number(quantity));
        click(panel().kadd());
    }

    QStringList column(int column)
    {
        QStringList cells;
        for (int row = 0; row < table().rowCount(); ++row)
            cells.append(table().cell(row, column));
        return cells;
    }

    QStringList rows(MainWindow &source)
    {
        QStringList texts;
        for (int row = 0; row < source.stemTable().rowCount(); ++row)
            texts.append(source.stemTable().getrow(row));
        return texts;
    }

    TestWorld world;
    MainWindow &window = world.start();
};

TEST_F(EditorFlowTest, AddsAFiveOneStem)
{
    typeStemText(u"Dx, Dialogue Stem"_s);
    click(panel().fmt(2));
    EXPECT_TRUE(panel().fmt(2).lit());
    EXPECT_EQ(panel().trkfmt().text(), u"L,C,R,Ls,Rs,LFE"_s);
    click(panel().kadd());

    ASSERT_EQ(table().rowCount(), 1);
    EXPECT_EQ(table().getrow(0),
              u"Dialogue Stem\tDx\tStem 1\tStem 1\t2\tL,C,R,Ls,Rs,LFE\t5.1\t6\t1\t\t\tO/P#1\t"_s);
}

TEST_F(EditorFlowTest, FortyObjectsAtTheEndAndInTheMiddle)
{
    addObjectStem(u"Ob, Objects"_s, 40);
    EXPECT_TRUE(panel().fmt(5).lit()) << "clicking into the quantity chooses objects";
    EXPECT_EQ(column(StemTableModel::t_len), (QStringList{u"40"_s, u"16"_s, u"8"_s}));
    EXPECT_EQ(column(StemTableModel::t_vk1), (QStringList{u"Stem 1"_s, u"Stem 2"_s, u"Stem 3"_s}));

    typeStemText(u"Dx, Dialogue"_s);
    click(panel().fmt(2));
    click(panel().kadd());
    typeStemText(u"Mx, Music"_s);
    click(panel().fmt(1));
    click(panel().kadd());
    ASSERT_EQ(table().rowCount(), 5);

    // Dialogue becomes 40 objects in the middle: its continuation rows go in below it.
    clickCell(3, StemTableModel::t_name);
    replaceText(panel().oqty(), u"40"_s);
    click(panel().kupdate());
    EXPECT_EQ(column(StemTableModel::t_name),
              (QStringList{u"Ob"_s, u"Ob1"_s, u"Ob2"_s, u"Dx"_s, u"Dx1"_s, u"Dx2"_s, u"Mx"_s}));
    EXPECT_EQ(
        column(StemTableModel::t_vk1),
        (QStringList{u"Stem 1"_s, u"Stem 2"_s, u"Stem 3"_s, u"Stem 4"_s, {}, {}, u"Stem 5"_s}));
    EXPECT_EQ(column(StemTableModel::t_start).last(), u"81"_s);

    // Lowering the first stem's quantity removes its continuation rows.
    clickCell(0, StemTableModel::t_name);
    EXPECT_EQ(panel().oqty().text(), u"40"_s);
    replaceText(panel().oqty(), u"10"_s);
    click(panel().kupdate());
    EXPECT_EQ(column(StemTableModel::t_name),
              (QStringList{u"Ob"_s, u"Dx"_s, u"Dx1"_s, u"Dx2"_s, u"Mx"_s}));
    EXPECT_EQ(column(StemTableModel::t_start),
              (QStringList{u"1"_s, u"11"_s, u"27"_s, u"43"_s, u"51"_s}));
}

TEST_F(EditorFlowTest, UpdateIsOffOnAContinuationRowAndDeleteTakesTheWholeStem)
{
    addObjectStem(u"Ob, Objects"_s, 20);
    clickCell(1, StemTableModel::t_desc);
    EXPECT_FALSE(panel().kupdate().isEnabled());
    click(panel().kdelete());
    EXPECT_EQ(table().rowCount(), 0);

    click(panel().kdelete());
    EXPECT_EQ(world.dialogs.messages.last(), u"Select Stem to delete"_s);
}

TEST_F(EditorFlowTest, APortClickMovesTheStemToTheSecondPort)
{
    typeStemText(u"Dx, Dialogue"_s);
    click(panel().fmt(2));
    click(panel().kadd());
    EXPECT_FALSE(panel().rbport(1).isVisible());

    clickCell(0, StemTableModel::t_port);
    EXPECT_EQ(table().cell(0, StemTableModel::t_port), u"O/P#2 (I/P)"_s);
    EXPECT_TRUE(window.cbop2().isChecked());
    EXPECT_TRUE(panel().rbport(1).isVisible());
    EXPECT_TRUE(panel().rbport(1).isChecked());

    click(window.cbop2());
    EXPECT_FALSE(panel().rbport(1).isVisible());
    EXPECT_TRUE(panel().rbport(0).isChecked());
    EXPECT_EQ(table().cell(0, StemTableModel::t_port), u"O/P#2 (I/P)"_s);
    EXPECT_EQ(world.config.getstring(u"mcnformat"_s), u"false"_s);
}

TEST_F(EditorFlowTest, TheLinkDialogGivesARowItsSlot)
{
    for (const QString &stem : {u"Dx, Dialogue"_s, u"Mx, Music"_s}) {
        typeStemText(stem);
        click(panel().fmt(1));
        click(panel().kadd());
    }
    clickCell(1, StemTableModel::t_vk1);
    WLink &dialog = world.application.wlink();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), u"Vk-1 #1 Stem "_s);
    EXPECT_EQ(dialog.plink().itemText(0), u"Stem 2"_s);
    EXPECT_EQ(dialog.plink().itemText(2), u"Stem 3"_s);

    dialog.plink().setCurrentIndex(dialog.plink().findText(u"Stem 9"_s));
    click(*dialog.findChild<QPushButton *>(u"kset"_s));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(table().cell(1, StemTableModel::t_vk1), u"Stem 9"_s);
    EXPECT_EQ(table().cell(1, StemTableModel::t_vk2), u"Stem 9"_s);
}

TEST_F(EditorFlowTest, SafeAndPrintMasterClicksMarkTheRow)
{
    typeStemText(u"Dx, Dialogue"_s);
    click(panel().fmt(0));
    click(panel().kadd());
    clickCell(0, StemTableModel::t_ssafe);
    clickCell(0, StemTableModel::t_pmast);
    EXPECT_EQ(table().cell(0, StemTableModel::t_ssafe), u"S.Safe"_s);
    EXPECT_EQ(table().cell(0, StemTableModel::t_pmast), u"PM"_s);
}

TEST_F(EditorFlowTest, CellsCanBeMarkedFromTheKeyboard)
{
    typeStemText(u"Dx, Dialogue"_s);
    click(panel().fmt(0));
    click(panel().kadd());
    ZrListBox &view = window.lbstem();
    view.setFocus();
    view.setCurrentIndex(table().index(0, StemTableModel::t_ssafe));
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(table().cell(0, StemTableModel::t_ssafe), u"S.Safe"_s);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(table().cell(0, StemTableModel::t_ssafe), QString());
}

TEST_F(EditorFlowTest, ARightClickRenamesAFormat)
{
    click(panel().fmt(1));
    QTest::mouseClick(&panel().fmt(2), Qt::RightButton);
    WSetFormat &dialog = world.application.wsetformat();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.a(), 2);
    EXPECT_EQ(dialog.tname().text(), u"5.1"_s);
    EXPECT_EQ(dialog.tformat().text(), u"L,R"_s);
    EXPECT_TRUE(panel().fmt(2).lit()) << "the click also chose the key";

    replaceText(dialog.tname(), u"LCR"_s);
    replaceText(dialog.tformat(), u"L,C,R"_s);
    click(*dialog.findChild<QPushButton *>(u"kset"_s));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(panel().fmt(2).caption(), u"LCR"_s);
    EXPECT_EQ(panel().trkfmt().text(), u"L,C,R"_s);
}

TEST_F(EditorFlowTest, StemNamesAreKeptInTheList)
{
    typeStemText(u"Vx, Voice Over"_s);
    click(panel().kstemnameAdd());
    ZrComboBox &box = panel().cbstemname();
    EXPECT_EQ(box.count(), 5);
    EXPECT_EQ(box.itemText(4), u"Vx, Voice Over"_s);

    box.setCurrentIndex(1);
    EXPECT_EQ(box.currentText(), u"Mx, Music Stem"_s);
    click(panel().kstemnameDel());
    EXPECT_EQ(box.count(), 4);
    EXPECT_EQ(box.findText(u"Mx, Music Stem"_s), -1);
}

TEST_F(EditorFlowTest, ASavedLayoutLoadsIntoAFreshWindowCellForCell)
{
    typeStemText(u"Dx, Dialogue"_s);
    click(panel().fmt(2));
    click(panel().kadd());
    addObjectStem(u"Ob, Objects"_s, 36);
    clickCell(1, StemTableModel::t_port);
    clickCell(2, StemTableModel::t_ssafe);
    const QString path = QDir(world.documents.path()).filePath(u"session"_s);
    world.dialogs.fileAnswers.append(path);
    click(window.ksave());

    TestWorld fresh;
    MainWindow &other = fresh.start();
    fresh.dialogs.fileAnswers.append(path + u".zrt"_s);
    QTest::mouseClick(&other.kload(), Qt::LeftButton);

    EXPECT_EQ(rows(other), rows(window));
    EXPECT_EQ(other.stemTable().rowCount(), 4);
    EXPECT_TRUE(other.cbop2().isChecked());
    EXPECT_EQ(other.windowTitle(), u"ZUVudo  session.zrt"_s);
}

TEST_F(EditorFlowTest, FormatsNamesAndTheLastChoiceComeBackAtTheNextStart)
{
    click(panel().fmt(1));
    QTest::mouseClick(&panel().fmt(3), Qt::RightButton);
    WSetFormat &dialog = world.application.wsetformat();
    replaceText(dialog.tname(), u"Quad"_s);
    replaceText(dialog.tformat(), u"L,R,Ls,Rs"_s);
    click(*dialog.findChild<QPushButton *>(u"kset"_s));
    replaceText(panel().pfix(), u"Ch"_s);
    replaceText(panel().oqty(), u"12"_s);
    typeStemText(u"Vx, Voice"_s);
    click(panel().kstemnameAdd());

    TestWorld next(world.settingsFolder);
    MainWindow &restarted = next.start();
    StemPanel &restored = restarted.panel();
    EXPECT_TRUE(next.dialogs.messages.isEmpty());
    EXPECT_EQ(restored.fmt(3).caption(), u"Quad"_s);
    EXPECT_EQ(restored.pfix().text(), u"Ch"_s);
    EXPECT_EQ(restored.oqty().text(), u"12"_s);
    EXPECT_TRUE(restored.fmt(5).lit());
    EXPECT_TRUE(restored.trkfmt().text().endsWith(u"Ch12"_s));
    EXPECT_EQ(restored.cbstemname().itemText(4), u"Vx, Voice"_s);
    EXPECT_EQ(restored.cbstemname().currentIndex(), 4);
    QTest::mouseClick(&restored.fmt(3), Qt::LeftButton);
    EXPECT_EQ(restored.trkfmt().text(), u"L,R,Ls,Rs"_s);
}

} // namespace
