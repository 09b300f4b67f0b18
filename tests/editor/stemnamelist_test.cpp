#include "editorfixture.h"

using namespace Qt::StringLiterals;

namespace {

using StemNameListTest = EditorFixture;

TEST_F(StemNameListTest, StartsWithTheFourBuiltInEntriesAndNoSelection)
{
    EXPECT_EQ(names.entries(), StemNameList::initialEntries());
    EXPECT_EQ(names.sn(), u"cbstemname0"_s);
    EXPECT_EQ(names.selectedIndex(), -1);
}

TEST_F(StemNameListTest, AddStoresTheListJoinedByColons)
{
    editor.setStemText(u"Vx, Voice Over"_s);
    editor.kstemname_add1();
    EXPECT_EQ(
        config.getstring(u"cbstemname0"_s),
        u"Dx, Dialogue Stem:Mx, Music Stem:Fx, Effects Stem:Comp, Composite:Vx, Voice Over"_s);
    EXPECT_EQ(names.selectedIndex(), 4);
    EXPECT_EQ(config.getint(u"cbstemname0lastindex"_s), 4);

    editor.setStemText(u"MX, MUSIC STEM"_s);
    editor.kstemname_add1();
    EXPECT_EQ(names.entries().size(), 5) << "an entry that is already there is not added";
}

TEST_F(StemNameListTest, AddRefusesALongTextWithoutComma)
{
    editor.setStemText(u"Voice Over"_s);
    editor.kstemname_add1();
    EXPECT_EQ(
        dialogs.messages,
        QStringList{u"No Comma in stem name definitions, the format is  VK-X name,description"_s});
    EXPECT_EQ(names.entries(), StemNameList::initialEntries());
}

TEST_F(StemNameListTest, RemovingTheLastEntryStoresAnEmptyList)
{
    for (const QString &entry : StemNameList::initialEntries()) {
        editor.setStemText(entry);
        editor.kstemname_del1();
    }
    EXPECT_EQ(config.getstring(u"cbstemname0"_s), QString());
    EXPECT_TRUE(config.cfound());
    EXPECT_EQ(names.entries().size(), 1) << "the box keeps its entries until a restart";

    StemNameList nextRun{config, u"cbstemname"_s, 0};
    nextRun.open();
    EXPECT_EQ(nextRun.entries(), StemNameList::initialEntries());
}

TEST_F(StemNameListTest, TheListAndItsSelectionComeBack)
{
    editor.setStemText(u"Vx, Voice Over"_s);
    editor.kstemname_add1();
    names.select(2);
    EXPECT_EQ(editor.stemText(), u"Fx, Effects Stem"_s);

    StemNameList nextRun{config, u"cbstemname"_s, 0};
    nextRun.open();
    EXPECT_EQ(nextRun.entries().last(), u"Vx, Voice Over"_s);
    EXPECT_EQ(nextRun.selectedIndex(), 2);
}

} // namespace
