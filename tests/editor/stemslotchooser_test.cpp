#include "editorfixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

class StemSlotChooserTest : public EditorFixture
{
protected:
    StemSlotChooserTest()
    {
        for (const QString &stem : {u"Dx, Dialogue"_s, u"Mx, Music"_s, u"Fx, Effects"_s})
            addStem(stem, 1);
    }

    static QStringList slotsFrom(int first, int last)
    {
        QStringList result;
        for (int slot = first; slot <= last; ++slot)
            result.append(u"Stem "_s + QString::number(slot));
        return result;
    }
};

TEST_F(StemSlotChooserTest, OffersTheCurrentValueABlankAndTheFreeSlots)
{
    QSignalSpy popup(&chooser, &StemSlotChooser::popupRequested);
    editor.lbstem_CellClick(1, StemTableModel::t_vk1);

    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toString(), u"Vk-1 #1 Stem "_s);
    EXPECT_EQ(chooser.entries(), QStringList({u"Stem 2"_s, QString()}) + slotsFrom(4, 16));
    EXPECT_EQ(chooser.selectedEntry(), 0);

    editor.lbstem_CellClick(1, StemTableModel::t_vk2);
    EXPECT_EQ(chooser.title(), u"Vk-1 #2 Stem "_s);
    EXPECT_EQ(chooser.row(), 1);
    EXPECT_EQ(chooser.column(), int(StemTableModel::t_vk2));
}

TEST_F(StemSlotChooserTest, UnitOnesChoiceGoesToBothUnits)
{
    QSignalSpy closed(&chooser, &StemSlotChooser::closeRequested);
    chooser.Settype(table.cell(0, StemTableModel::t_vk1), StemTableModel::t_vk1, 0);
    chooser.choose(1);
    chooser.kset();
    EXPECT_EQ(table.cell(0, StemTableModel::t_vk1), QString());
    EXPECT_EQ(table.cell(0, StemTableModel::t_vk2), QString());
    EXPECT_EQ(closed.count(), 1);

    chooser.Settype(table.cell(2, StemTableModel::t_vk2), StemTableModel::t_vk2, 2);
    chooser.choose(chooser.entries().indexOf(u"Stem 5"_s));
    chooser.kset();
    EXPECT_EQ(table.cell(2, StemTableModel::t_vk2), u"Stem 5"_s);
    EXPECT_EQ(table.cell(2, StemTableModel::t_vk1), u"Stem 3"_s);
}

TEST_F(StemSlotChooserTest, AbortChangesNothing)
{
    chooser.Settype(table.cell(0, StemTableModel::t_vk1), StemTableModel::t_vk1, 0);
    chooser.choose(5);
    chooser.kabort();
    EXPECT_EQ(table.cell(0, StemTableModel::t_vk1), u"Stem 1"_s);
}

TEST_F(StemSlotChooserTest, WithEverySlotTakenOnlyTheCurrentAndBlankRemain)
{
    for (int stem = 4; stem <= 16; ++stem)
        addStem(u"S"_s + QString::number(stem), 0);
    table.setCell(15, StemTableModel::t_vk1, u" Stem 16 "_s);
    chooser.Settype(table.cell(3, StemTableModel::t_vk1), StemTableModel::t_vk1, 3);
    EXPECT_EQ(chooser.entries(), (QStringList{u"Stem 4"_s, QString()}));
}

TEST_F(StemSlotChooserTest, ARowThatWentAwayIsNotWritten)
{
    chooser.Settype(table.cell(2, StemTableModel::t_vk1), StemTableModel::t_vk1, 2);
    chooser.choose(2);
    table.removeRowAt(2);
    chooser.kset();
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(column(StemTableModel::t_vk1), (QStringList{u"Stem 1"_s, u"Stem 2"_s}));
}

} // namespace
