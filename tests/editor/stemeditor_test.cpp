#include "editorfixture.h"

using namespace Qt::StringLiterals;

namespace {

using StemEditorTest = EditorFixture;

TEST_F(StemEditorTest, StemTextNeedsACommaOnceItIsLong)
{
    const struct
    {
        QString typed;
        bool accepted;
        QString after;
    } cases[] = {
        {u"Dx"_s, true, u"Dx,Dx"_s},
        {u"Dx,Dia"_s, true, u"Dx,Dia"_s},
        {u"Fx, Effects"_s, true, u"Fx, Effects"_s},
        {u"Effects Stem"_s, false, u"Effects Stem"_s},
        {QString(), true, u","_s},
    };
    for (const auto &testCase : cases) {
        dialogs.messages.clear();
        editor.setStemText(testCase.typed);
        EXPECT_EQ(editor.Checkstemname(), testCase.accepted) << testCase.typed.toStdString();
        EXPECT_EQ(editor.stemText(), testCase.after);
        EXPECT_EQ(dialogs.messages.size(), testCase.accepted ? 0 : 1);
    }
}

TEST_F(StemEditorTest, AddWritesTheWholeStemRow)
{
    addStem(u"Dx, Dialogue Stem"_s, 2);
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.getrow(0),
              u"Dialogue Stem\tDx\tStem 1\tStem 1\t2\tL,C,R,Ls,Rs,LFE\t5.1\t6\t1\t\t\tO/P#1\t"_s);

    addStem(u"Dx,Dia"_s, 1);
    EXPECT_EQ(table.cell(1, StemTableModel::t_name), u"Dx"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_desc), u"Dia"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_start), u"7"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_vk1), u"Stem 2"_s);

    editor.setStemText(u"Long name without comma"_s);
    editor.kadd();
    EXPECT_EQ(table.rowCount(), 2);
}

TEST_F(StemEditorTest, FortyObjectsAddedLastGetTwoContinuationRows)
{
    addStem(u"Mx, Music"_s, 1);
    addObjects(u"Dx, Dialogue"_s, u"O"_s, 40);

    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(column(StemTableModel::t_len), (QStringList{u"2"_s, u"40"_s, u"16"_s, u"8"_s}));
    EXPECT_EQ(column(StemTableModel::t_index), (QStringList{u"1"_s, u"5"_s, u"6"_s, u"6"_s}));
    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"Mx"_s, u"Dx"_s, u"Dx1"_s, u"Dx2"_s}));
    EXPECT_EQ(column(StemTableModel::t_vk1),
              (QStringList{u"Stem 1"_s, u"Stem 2"_s, u"Stem 3"_s, u"Stem 4"_s}));
    EXPECT_EQ(column(StemTableModel::t_vk2), column(StemTableModel::t_vk1));
    EXPECT_EQ(column(StemTableModel::t_start), (QStringList{u"1"_s, u"3"_s, u"19"_s, u"35"_s}));
    EXPECT_EQ(column(StemTableModel::t_format), (QStringList{u"Stereo"_s, u"O"_s, {}, {}}));
    EXPECT_EQ(table.cell(2, StemTableModel::t_desc), u"* Dialogue *"_s);
    EXPECT_EQ(table.cell(2, StemTableModel::t_tracks), QString());
    EXPECT_EQ(table.cell(3, StemTableModel::t_port), u"O/P#1"_s);
}

TEST_F(StemEditorTest, UpdatingAStemInTheMiddleInsertsItsContinuationRows)
{
    addStem(u"Dx, Dialogue"_s, 2);
    addStem(u"Mx, Music"_s, 1);
    editor.selectRow(0);
    editor.setStemText(u"Ob, Objects"_s);
    formats.setOqty(u"40"_s);
    formats.Formatkey(TrackFormats::objectsKey);
    editor.updlist();

    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"Ob"_s, u"Ob1"_s, u"Ob2"_s, u"Mx"_s}));
    EXPECT_EQ(column(StemTableModel::t_vk1), (QStringList{u"Stem 1"_s, {}, {}, u"Stem 2"_s}));
    EXPECT_EQ(column(StemTableModel::t_start), (QStringList{u"1"_s, u"17"_s, u"33"_s, u"41"_s}));

    editor.selectRow(2);
    formats.setOqty(u"10"_s);
    editor.updlist();
    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"Ob"_s, u"Mx"_s}));
    EXPECT_EQ(column(StemTableModel::t_len), (QStringList{u"10"_s, u"2"_s}));
    EXPECT_EQ(column(StemTableModel::t_start), (QStringList{u"1"_s, u"11"_s}));
}

TEST_F(StemEditorTest, LongUserListsLoseTheirContinuationRowsToo)
{
    formats.Formatkey(0);
    useChannelList(20);
    editor.setStemText(u"Bg, Backgrounds"_s);
    editor.kadd();
    addStem(u"Mx, Music"_s, 1);
    ASSERT_EQ(column(StemTableModel::t_name), (QStringList{u"Bg"_s, u"Bg1"_s, u"Mx"_s}));

    for (int update = 0; update < 2; ++update) {
        editor.selectRow(1);
        editor.Readstem(0);
        useChannelList(20);
        editor.updlist();
    }
    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"Bg"_s, u"Bg1"_s, u"Mx"_s}));
    EXPECT_EQ(column(StemTableModel::t_len), (QStringList{u"20"_s, u"4"_s, u"2"_s}));

    editor.selectRow(1);
    editor.deletecurrentstem();
    EXPECT_EQ(column(StemTableModel::t_name), QStringList{u"Mx"_s});
}

TEST_F(StemEditorTest, SixteenChannelsFitOneRow)
{
    formats.Formatkey(0);
    useChannelList(16);
    editor.setStemText(u"A, Sixteen"_s);
    editor.kadd();
    EXPECT_EQ(table.rowCount(), 1);

    useChannelList(17);
    editor.setStemText(u"B, Seventeen"_s);
    editor.kadd();
    EXPECT_EQ(column(StemTableModel::t_len), (QStringList{u"16"_s, u"17"_s, u"1"_s}));
    EXPECT_EQ(column(StemTableModel::t_start), (QStringList{u"1"_s, u"17"_s, u"33"_s}));
}

TEST_F(StemEditorTest, ChannelCountFollowsTheCommas)
{
    const struct
    {
        QString list;
        int count;
    } cases[] = {{QString(), 0}, {u"M"_s, 1},    {u"L,R"_s, 2},
                 {u"L,R,"_s, 2}, {u"L,,R"_s, 3}, {u",L"_s, 2}};
    for (const auto &testCase : cases)
        EXPECT_EQ(StemEditor::channelCount(testCase.list), testCase.count)
            << testCase.list.toStdString();
}

TEST_F(StemEditorTest, UpdateAndDeleteNeedASelectedRow)
{
    addStem(u"Dx, Dialogue"_s, 2);
    editor.selection().clearSelection();
    editor.updlist();
    editor.deletecurrentstem();
    EXPECT_EQ(dialogs.messages,
              (QStringList{u"Select Stem to update"_s, u"Select Stem to delete"_s}));
    EXPECT_EQ(table.rowCount(), 1);
}

TEST_F(StemEditorTest, DeleteFromAContinuationRowRemovesTheWholeStem)
{
    addObjects(u"Ob, Objects"_s, u"O"_s, 40);
    addStem(u"Mx, Music"_s, 1);
    editor.selectRow(2);
    editor.deletecurrentstem();
    EXPECT_EQ(column(StemTableModel::t_name), QStringList{u"Mx"_s});
    EXPECT_EQ(table.cell(0, StemTableModel::t_start), u"41"_s) << "delete does not renumber";
}

TEST_F(StemEditorTest, ClearingEmptiesTheTableOrOneRow)
{
    addObjects(u"Ob, Objects"_s, u"O"_s, 20);
    addStem(u"Mx, Music"_s, 1);
    editor.selectRow(1);
    editor.clearSelected();
    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"Ob"_s, u"Mx"_s}));

    editor.setCbop2(true);
    editor.kclear();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_FALSE(editor.cbop2());
}

TEST_F(StemEditorTest, TracksAreNumberedPerPortInTableOrder)
{
    addStem(u"A, One"_s, 1);
    editor.selectPort2(true);
    addStem(u"B, Two"_s, 2);
    EXPECT_TRUE(editor.cbop2());
    editor.selectPort2(false);
    addObjects(u"C, Three"_s, u"O"_s, 40);
    editor.selectPort2(true);
    addStem(u"D, Four"_s, 0);

    EXPECT_EQ(column(StemTableModel::t_port),
              (QStringList{u"O/P#1"_s, u"O/P#2 (I/P)"_s, u"O/P#1"_s, u"O/P#1"_s, u"O/P#1"_s,
                           u"O/P#2 (I/P)"_s}));
    EXPECT_EQ(column(StemTableModel::t_start),
              (QStringList{u"1"_s, u"1"_s, u"3"_s, u"19"_s, u"35"_s, u"7"_s}));
    EXPECT_EQ(config.getstring(u"mcnformat"_s), u"true"_s);
}

TEST_F(StemEditorTest, ALenAbove16CountsSixteen)
{
    table.Rowadd(u"Big\tBg\t\t\t0\t\tMono\t20\t\t\t\tO/P#1\t"_s);
    table.Rowadd(u"* Big *\tBg1\t\t\t6\t\t\t4\t\t\t\tO/P#1\t"_s);
    table.Rowadd(u"Odd\tOd\t\t\t0\t\tMono\t99\t\t\t\to/p#1\t"_s);
    table.Rowadd(u"Next\tNx\t\t\t0\t\tMono\t1\t\t\t\tO/P#1\t"_s);
    editor.numbertracks(StemEditor::port1());
    EXPECT_EQ(column(StemTableModel::t_start), (QStringList{u"1"_s, u"17"_s, u"21"_s, u"37"_s}));
}

TEST_F(StemEditorTest, PortClickMovesTheStemAndTurnsOnTwoProtools)
{
    addStem(u"Dx, Dialogue"_s, 2);
    addStem(u"Mx, Music"_s, 1);

    editor.lbstem_CellClick(1, StemTableModel::t_port);
    EXPECT_EQ(table.cell(1, StemTableModel::t_port), u"O/P#2 (I/P)"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_start), u"1"_s);
    EXPECT_TRUE(editor.cbop2());
    EXPECT_TRUE(editor.port2Selected());

    editor.lbstem_CellClick(1, StemTableModel::t_port);
    EXPECT_EQ(table.cell(1, StemTableModel::t_port), u"O/P#1"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_start), u"7"_s);
    EXPECT_TRUE(editor.cbop2()) << "Two Protools stays on";
    EXPECT_EQ(table.rowCount(), 2);
}

TEST_F(StemEditorTest, PortClickOnAContinuationRowIsRefused)
{
    addObjects(u"Ob, Objects"_s, u"O"_s, 20);
    const QString before = table.getrow(1);
    editor.lbstem_CellClick(1, StemTableModel::t_port);
    EXPECT_EQ(dialogs.messages, QStringList{u"Must be start of stem"_s});
    EXPECT_EQ(table.getrow(1), before);
    EXPECT_EQ(editor.selectedRow(), 1);
    EXPECT_FALSE(editor.cbop2());
}

TEST_F(StemEditorTest, SafeAndPrintMasterClicksToggleAndStayBold)
{
    addObjects(u"Ob, Objects"_s, u"O"_s, 20);
    editor.lbstem_CellClick(0, StemTableModel::t_ssafe);
    editor.lbstem_CellClick(1, StemTableModel::t_pmast);
    EXPECT_EQ(table.cell(0, StemTableModel::t_ssafe), u"S.Safe"_s);
    EXPECT_EQ(table.cell(1, StemTableModel::t_ssafe), QString()) << "marks are per row";
    EXPECT_EQ(table.cell(1, StemTableModel::t_pmast), u"PM"_s);

    editor.lbstem_CellClick(0, StemTableModel::t_ssafe);
    EXPECT_EQ(table.cell(0, StemTableModel::t_ssafe), QString());
    EXPECT_TRUE(table.cellBold(0, StemTableModel::t_ssafe));
}

TEST_F(StemEditorTest, ClickOnAContinuationRowDisablesUpdate)
{
    addObjects(u"Ob, Objects"_s, u"O"_s, 20);
    editor.lbstem_CellClick(1, StemTableModel::t_desc);
    EXPECT_FALSE(editor.updateEnabled());
    editor.lbstem_CellClick(0, StemTableModel::t_len);
    EXPECT_TRUE(editor.updateEnabled());
}

TEST_F(StemEditorTest, ReadingARowFillsThePanel)
{
    addObjects(u"Ob, Objects"_s, u"Ch"_s, 24);
    addStem(u"Dx, Dialogue"_s, 2);
    formats.setOqty(u"3"_s);

    editor.lbstem_CellClick(0, StemTableModel::t_name);
    EXPECT_EQ(editor.stemText(), u"Ob,Objects"_s);
    EXPECT_EQ(formats.litKey(), TrackFormats::objectsKey);
    EXPECT_EQ(formats.pfix(), u"Ch"_s);
    EXPECT_EQ(formats.oqty(), u"24"_s);
    EXPECT_EQ(StemEditor::channelCount(formats.trkfmt()), 24);

    editor.lbstem_CellClick(2, StemTableModel::t_name);
    EXPECT_EQ(formats.litKey(), 2);
    EXPECT_EQ(formats.sformat(), u"5.1"_s);
    EXPECT_EQ(formats.trkfmt(), u"L,C,R,Ls,Rs,LFE"_s);
}

TEST_F(StemEditorTest, TabsAndLineEndsNeverReachACell)
{
    formats.Formatkey(1);
    formats.setTrkfmt(u"L\t,R\n"_s);
    editor.setStemText(u"Dx\t, Dia\r\nlogue"_s);
    editor.kadd();
    EXPECT_EQ(table.cell(0, StemTableModel::t_name), u"Dx"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_desc), u"Dia  logue"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_tracks), u"L ,R "_s);
    EXPECT_EQ(table.getrow(0).count(u'\t'), 12);
}

} // namespace
