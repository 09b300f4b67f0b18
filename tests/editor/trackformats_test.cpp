#include "editorfixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

using TrackFormatsTest = EditorFixture;

TEST_F(TrackFormatsTest, FirstRunShowsTheBuiltInFormats)
{
    QStringList captions;
    for (int key = 0; key < TrackFormats::keyCount; ++key)
        captions.append(formats.caption(key));
    EXPECT_EQ(captions,
              (QStringList{u"Mono"_s, u"Stereo"_s, u"5.1"_s, u"7.1"_s, u"9.1"_s, u"Obj"_s}));
    EXPECT_EQ(formats.litKey(), -1);
    EXPECT_EQ(formats.pfix(), u"O"_s);
    EXPECT_EQ(formats.oqty(), u"10"_s);
    EXPECT_EQ(formats.formatname(), u"format2"_s);

    const QStringList lists{u"M"_s, u"L,R"_s, u"L,C,R,Ls,Rs,LFE"_s, u"L,R,C,LFE,Ls,Rs,Lb,Rb"_s,
                            u"L,R,C,LFE,Ls,Rs,Lb,Rb,Lt,Rt"_s};
    for (int key = 0; key < TrackFormats::namedKeyCount; ++key) {
        formats.Formatkey(key);
        EXPECT_EQ(formats.trkfmt(), lists.at(key));
        EXPECT_EQ(config.getstring(u"format"_s + QString::number(key)), lists.at(key));
        EXPECT_EQ(formats.litKey(), key);
        EXPECT_EQ(formats.sformat(), formats.caption(key));
        EXPECT_EQ(config.getint(u"fmtindex"_s), key);
    }
}

TEST_F(TrackFormatsTest, ObjectsAreNumberedFromPrefixAndQuantity)
{
    formats.setPfix(u"Ch"_s);
    formats.setOqty(u"3"_s);
    formats.Formatkey(TrackFormats::objectsKey);
    EXPECT_EQ(formats.trkfmt(), u"Ch1,Ch2,Ch3"_s);
    EXPECT_EQ(formats.sformat(), u"Obj"_s);
    EXPECT_EQ(config.getstring(u"format5"_s), u"Ch1,Ch2,Ch3"_s);
    EXPECT_EQ(config.getstring(u"oprefix"_s), u"Ch"_s);

    formats.setOqty(u"1"_s);
    EXPECT_EQ(formats.trkfmt(), u"Ch1,Ch2,Ch3"_s) << "fewer than two objects change nothing";
    EXPECT_EQ(config.getstring(u"oqty"_s), u"1"_s);
    formats.setOqty(u"12"_s);
    EXPECT_EQ(formats.trkfmt(), u"Ch1,Ch2,Ch3,Ch4,Ch5,Ch6,Ch7,Ch8,Ch9,Ch10,Ch11,Ch12"_s);

    formats.setPfix(u"Fx"_s);
    EXPECT_TRUE(formats.trkfmt().startsWith(u"Fx1,Fx2,"_s));
}

TEST_F(TrackFormatsTest, QuantityOnlyCountsOnceObjectsAreChosen)
{
    formats.Formatkey(1);
    formats.setOqty(u"4"_s);
    EXPECT_EQ(formats.trkfmt(), u"L,R"_s);
    formats.objectFieldFocused();
    EXPECT_EQ(formats.trkfmt(), u"O1,O2,O3,O4"_s);
    EXPECT_EQ(formats.litKey(), TrackFormats::objectsKey);
}

TEST_F(TrackFormatsTest, PlusAndMinusStayBetweenTwoAnd128)
{
    const struct
    {
        QString before;
        int step;
        QString after;
        int litKey;
    } cases[] = {
        {u"10"_s, 1, u"11"_s, TrackFormats::objectsKey},
        {u"128"_s, 1, u"128"_s, TrackFormats::objectsKey},
        {u"2"_s, -1, u"2"_s, TrackFormats::objectsKey},
        {u"500"_s, -1, u"128"_s, TrackFormats::objectsKey},
        // Too few objects to choose them: the quantity still moves into range.
        {u"x"_s, -1, u"2"_s, 0},
    };
    for (const auto &testCase : cases) {
        formats.Formatkey(0);
        formats.setOqty(testCase.before);
        formats.stepObjectQuantity(testCase.step);
        EXPECT_EQ(formats.oqty(), testCase.after) << testCase.before.toStdString();
        EXPECT_EQ(formats.litKey(), testCase.litKey) << testCase.before.toStdString();
        if (testCase.litKey == TrackFormats::objectsKey) {
            EXPECT_EQ(StemEditor::channelCount(formats.trkfmt()), testCase.after.toInt());
        }
    }
}

TEST_F(TrackFormatsTest, ContextualClickOffersTheListShowingBeforeTheClick)
{
    QSignalSpy requested(&formats, &TrackFormats::setFormatRequested);
    formats.Formatkey(1);
    formats.fmt_mousedown1(2, true);
    formats.fmt_mousedown1(2, false);
    formats.fmt_mousedown1(TrackFormats::objectsKey, true);

    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.at(0).at(0).toInt(), 2);
    EXPECT_EQ(requested.at(0).at(1).toString(), u"5.1"_s);
    EXPECT_EQ(requested.at(0).at(2).toString(), u"L,R"_s);

    formats.updateformat(2, u"5.1"_s, u"L,R"_s);
    EXPECT_EQ(config.getstring(u"format2"_s), u"L,R"_s);
    formats.Formatkey(2);
    EXPECT_EQ(formats.trkfmt(), u"L,R"_s);
}

TEST_F(TrackFormatsTest, RenamingKeepsTheCurrentNameUntilAKeyIsChosen)
{
    formats.Formatkey(3);
    formats.updateformat(3, u"Atmos Bed"_s, u"L,R,C"_s);
    EXPECT_EQ(formats.caption(3), u"Atmos Bed"_s);
    EXPECT_EQ(config.getstring(u"fmt3"_s), u"Atmos Bed"_s);
    EXPECT_EQ(formats.sformat(), u"7.1"_s);
    EXPECT_EQ(formats.fmtindex(), 3);

    editor.setStemText(u"Bed, Atmos"_s);
    editor.kadd();
    EXPECT_EQ(table.cell(0, StemTableModel::t_format), u"7.1"_s);

    formats.Formatkey(3);
    EXPECT_EQ(formats.sformat(), u"Atmos Bed"_s);
}

TEST_F(TrackFormatsTest, AnEditedListBelongsToTheCurrentFormat)
{
    formats.Formatkey(1);
    formats.setTrkfmt(u"Lt,Rt"_s);
    formats.trkfmtLostFocus();
    EXPECT_EQ(config.getstring(u"format1"_s), u"Lt,Rt"_s);

    formats.setTrkfmt(QString());
    formats.trkfmtLostFocus();
    EXPECT_EQ(config.getstring(u"format1"_s), u"Lt,Rt"_s);
    formats.Formatkey(0);
    formats.Formatkey(1);
    EXPECT_EQ(formats.trkfmt(), u"Lt,Rt"_s);
}

TEST_F(TrackFormatsTest, AStoredIndexOutsideTheKeysLightsNone)
{
    for (int index : {-1, 6}) {
        formats.Settrkfmt(index);
        EXPECT_EQ(formats.litKey(), -1);
        EXPECT_EQ(formats.trkfmt(), QString());
    }
}

TEST_F(TrackFormatsTest, NamesListsAndObjectsComeBackNextTime)
{
    formats.updateformat(0, u"Dial"_s, u"D"_s);
    formats.setPfix(u"Ob"_s);
    formats.setOqty(u"24"_s);
    formats.Formatkey(TrackFormats::objectsKey);

    ConfigStore nextRun{folder.path()};
    ASSERT_EQ(nextRun.initconfig(u"vk-2"_s), ConfigStore::LoadResult::Loaded);
    TrackFormats restored{nextRun};
    restored.fmt_open1();
    restored.openObjectFields();
    restored.Settrkfmt(nextRun.getint(u"fmtindex"_s));

    EXPECT_EQ(restored.caption(0), u"Dial"_s);
    EXPECT_EQ(restored.pfix(), u"Ob"_s);
    EXPECT_EQ(restored.oqty(), u"24"_s);
    EXPECT_EQ(restored.litKey(), TrackFormats::objectsKey);
    EXPECT_EQ(StemEditor::channelCount(restored.trkfmt()), 24);
    restored.Formatkey(0);
    EXPECT_EQ(restored.trkfmt(), u"D"_s);
}

} // namespace
