#include "layoutencoder.h"
#include "stemtablemodel.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Rows are given as the cells that matter here; the rest stay empty.
struct RowCells
{
    QString name = {};
    QString vk1 = {};
    QString vk2 = {};
    QString index = {};
    QString tracks = {};
    QString length = {};
    QString start = {};
    QString safe = {};
    QString printMaster = {};
    QString port = u"O/P#1"_s;
};

class LayoutEncoderTest : public ::testing::Test
{
protected:
    int add(const RowCells &cells)
    {
        const int row = table.appendRow();
        table.setCell(row, StemTableModel::t_name, cells.name);
        table.setCell(row, StemTableModel::t_vk1, cells.vk1);
        table.setCell(row, StemTableModel::t_vk2, cells.vk2);
        table.setCell(row, StemTableModel::t_index, cells.index);
        table.setCell(row, StemTableModel::t_tracks, cells.tracks);
        table.setCell(row, StemTableModel::t_len, cells.length);
        table.setCell(row, StemTableModel::t_start, cells.start);
        table.setCell(row, StemTableModel::t_ssafe, cells.safe);
        table.setCell(row, StemTableModel::t_pmast, cells.printMaster);
        table.setCell(row, StemTableModel::t_port, cells.port);
        return row;
    }

    StemTableModel table;
    LayoutEncoder encoder{table};
};

const QString port2 = u"O/P#2 (I/P)"_s;

TEST_F(LayoutEncoderTest, TrackNumbersCountFromTheStartOnTheirPort)
{
    const int onPort1 = add({.length = u"3"_s, .start = u"5"_s});
    const int onPort2 = add({.length = u"3"_s, .start = u"5"_s, .port = port2});
    const int nine = add({.length = u"9"_s, .start = u"1"_s});
    const int twenty = add({.length = u"20"_s, .start = u"1"_s});
    const int starred = add({.length = u"*12"_s, .start = u"1"_s});
    const int empty = add({.length = u"0"_s, .start = u"1"_s});

    EXPECT_EQ(encoder.tx_stemtracks(onPort1), QByteArray::fromHex("050607"));
    EXPECT_EQ(encoder.tx_stemtracks(onPort2), QByteArray::fromHex("858687"));
    EXPECT_EQ(encoder.tx_stemtracks(nine).size(), 9);
    EXPECT_EQ(encoder.tx_stemtracks(twenty).size(), 16);
    EXPECT_EQ(encoder.getstemlen(starred), 12);
    EXPECT_TRUE(encoder.tx_stemtracks(empty).isEmpty());
}

TEST_F(LayoutEncoderTest, TrackNumbersThatDoNotFitAByteAreSentAsNoTrack)
{
    const int high = add({.length = u"4"_s, .start = u"126"_s, .port = port2});
    const int low = add({.length = u"3"_s, .start = u"-1"_s});
    EXPECT_EQ(encoder.tx_stemtracks(high), QByteArray::fromHex("FEFF0000"));
    EXPECT_EQ(encoder.tx_stemtracks(low), QByteArray::fromHex("000001"));
}

TEST_F(LayoutEncoderTest, SlotMapsPointFromSlotsToRows)
{
    add({.vk1 = u"Stem 1"_s, .vk2 = u"Stem 5"_s});
    add({.vk1 = u"Stem 12"_s});
    add({.vk1 = u"12"_s, .vk2 = u"Stem 5"_s});
    add({.vk1 = u"Stem 2"_s, .vk2 = u"Stem 17"_s});

    EXPECT_EQ(encoder.buildstempoint(StemTableModel::t_vk1, 0),
              QByteArray::fromHex("000104000000000000"));
    EXPECT_EQ(encoder.buildstempoint(StemTableModel::t_vk1, 8),
              QByteArray::fromHex("080000000300000000"))
        << "a bare number is a slot too, and a later row wins";
    EXPECT_EQ(encoder.buildstempoint(StemTableModel::t_vk2, 0),
              QByteArray::fromHex("000000000003000000"));
    EXPECT_EQ(encoder.buildstempoint(StemTableModel::t_vk2, 8),
              QByteArray::fromHex("080000000000000000"));
}

TEST_F(LayoutEncoderTest, SafeAndPrintMasterBitmapsMarkEveryTrackOfTheRow)
{
    add({.length = u"4"_s, .start = u"7"_s, .safe = u"S.Safe"_s});
    add({.length = u"*12"_s, .start = u"20"_s, .safe = u"S.Safe"_s});
    add({.length = u"2"_s, .start = u"1"_s, .safe = u"  "_s});
    add({.length = u"3"_s, .start = u"9"_s, .printMaster = u"PM"_s, .port = port2});
    add({.length = u"20"_s, .start = u"121"_s, .printMaster = u"PM"_s});

    EXPECT_EQ(encoder.ss_pm(StemTableModel::t_ssafe, 0), QByteArray::fromHex("C003000000000000"));
    EXPECT_EQ(encoder.ss_pm(StemTableModel::t_ssafe, 8), QByteArray(8, char(0)));
    EXPECT_EQ(encoder.ss_pm(StemTableModel::t_pmast, 8), QByteArray::fromHex("00000000000000FF"))
        << "port 1 tracks above 128 are left out";
    EXPECT_EQ(encoder.ss_pm(StemTableModel::t_pmast, 16), QByteArray::fromHex("0007000000000000"));
    EXPECT_THROW(encoder.ss_pm(StemTableModel::t_pmast, 17), std::out_of_range);
}

TEST_F(LayoutEncoderTest, PortTwoMarksStopAtTrack64)
{
    add({.length = u"16"_s, .start = u"57"_s, .safe = u"S.Safe"_s, .port = port2});
    add({.length = u"99999999"_s, .start = u"1"_s, .printMaster = u"PM"_s});
    EXPECT_EQ(encoder.trackBitmap(StemTableModel::t_ssafe),
              QByteArray(23, char(0)) + QByteArray::fromHex("FF"));
    EXPECT_EQ(encoder.trackBitmap(StemTableModel::t_pmast),
              QByteArray(16, char(0xFF)) + QByteArray(8, char(0)));
}

TEST_F(LayoutEncoderTest, LinksPointToTheRowThatContinuesAStem)
{
    for (int row = 0; row < 16; ++row)
        add({.index = u"0"_s});
    for (int row : {1, 7, 8, 9})
        table.setCell(row, StemTableModel::t_index, u"6"_s);

    EXPECT_EQ(encoder.buildlinks(0), QByteArray::fromHex("0200000000000800"));
    EXPECT_EQ(encoder.buildlinks(8), QByteArray::fromHex("0A00000000000000"))
        << "row 8 opens a group and has no byte";
    EXPECT_EQ(encoder.buildlinks(16), QByteArray(8, char(0)));
}

TEST_F(LayoutEncoderTest, NameListsFollowThePortInTableOrder)
{
    add({.name = u"Dx"_s, .tracks = u"L,C,R"_s, .length = u"3"_s});
    add({.name = u"Mx"_s, .tracks = u"L,,R"_s, .length = u"3"_s, .port = port2});
    add({.name = u"Ob"_s, .tracks = u""_s, .length = u"20"_s});
    add({.name = u"Ob1"_s, .length = u"4"_s});
    add({.name = u"St"_s, .tracks = u"*L"_s, .length = u"*12"_s});

    QStringList port1Stems{u"Dx"_s, u"Dx"_s, u"Dx"_s};
    for (int track = 0; track < 16; ++track)
        port1Stems.append(u"Ob"_s);
    port1Stems += QStringList{u"Ob1"_s, u"Ob1"_s, u"Ob1"_s, u"Ob1"_s};
    EXPECT_EQ(encoder.buildstemarray(u"O/P#1"_s), port1Stems);
    EXPECT_EQ(encoder.buildtrackarray(u"O/P#1"_s), (QStringList{u"L"_s, u"C"_s, u"R"_s, u"*L"_s}));
    EXPECT_EQ(encoder.buildtrackarray(port2), (QStringList{u"L"_s, QString(), u"R"_s}));
    EXPECT_EQ(encoder.buildstemarray(port2), (QStringList{u"Mx"_s, u"Mx"_s, u"Mx"_s}));
    EXPECT_TRUE(encoder.buildstemarray(u"o/p#1"_s).isEmpty()) << "ports compare exactly";
}

TEST_F(LayoutEncoderTest, NamesAreBlankFilled)
{
    EXPECT_EQ(LayoutEncoder::stemNameBytes(u"Dx"_s), QByteArray("Dx      "));
    EXPECT_EQ(LayoutEncoder::stemNameBytes(u"Dialogue Stem"_s), QByteArray("Dialogue"));
    EXPECT_EQ(LayoutEncoder::trackNameBytes(u"L"_s), QByteArray("L       "));
    EXPECT_EQ(LayoutEncoder::trackNameBytes(u"Left Surround"_s), QByteArray("Left Surround"));
    EXPECT_EQ(LayoutEncoder::stemNameBytes(u"Bühne"_s), QByteArray("B\xFChne   "));
}

} // namespace
