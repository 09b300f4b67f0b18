#include "zrsr.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

using Splitter = QString (*)(QString &);

// Every field the splitter returns, until the text is used up.
QStringList allFields(Splitter split, QString text)
{
    QStringList fields;
    do {
        fields.append(split(text));
    } while (!text.isEmpty());
    return fields;
}

TEST(Zrsr, SplittersReturnTrimmedFieldsAndAnUntrimmedLastField)
{
    const struct
    {
        Splitter split;
        QString text;
        QStringList fields;
    } cases[] = {
        {zrsr::splitcomma, u"a,b,c"_s, {u"a"_s, u"b"_s, u"c"_s}},
        {zrsr::splitcomma, u" a , b "_s, {u"a"_s, u" b "_s}},
        {zrsr::splitcomma, u"a,"_s, {u"a"_s}},
        {zrsr::splitcomma, u",a"_s, {QString(), u"a"_s}},
        {zrsr::splitcomma, QString(), {QString()}},
        {zrsr::splitcolon,
         u"Dx, Dialogue Stem:Mx, Music Stem"_s,
         {u"Dx, Dialogue Stem"_s, u"Mx, Music Stem"_s}},
        {zrsr::splitdot, u"127.0.10.20"_s, {u"127"_s, u"0"_s, u"10"_s, u"20"_s}},
        {zrsr::splitstop, u"VK-2_layout.zrt"_s, {u"VK-2_layout"_s, u"zrt"_s}},
        {zrsr::splittab, u"a\t\tc\t"_s, {u"a"_s, QString(), u"c"_s}},
        {zrsr::splittab, u" a \t b "_s, {u"a"_s, u" b "_s}},
    };
    for (const auto &testCase : cases)
        EXPECT_EQ(allFields(testCase.split, testCase.text), testCase.fields)
            << testCase.text.toStdString();
}

TEST(Zrsr, SplitLeavesTheRestUntouched)
{
    QString text = u" a , b "_s;
    EXPECT_EQ(zrsr::splitcomma(text), u"a"_s);
    EXPECT_EQ(text, u" b "_s);
    EXPECT_EQ(zrsr::splitcomma(text), u" b "_s);
    EXPECT_EQ(text, QString());
}

TEST(Zrsr, SplittabTakesARowOfTwelveCellsApart)
{
    const QStringList cells{
        u"Dialogue Stem"_s, u"Dx"_s, u"Stem 1"_s, u"Stem 1"_s, u"2"_s,    u"L,C,R,Ls,Rs,LFE"_s,
        u"5.1"_s,           u"6"_s,  u"1"_s,      QString(),   QString(), u"O/P#1"_s};
    QString row = cells.join(u'\t');
    QStringList fields;
    for (int cell = 0; cell < 12; ++cell)
        fields.append(zrsr::splittab(row));
    EXPECT_EQ(fields, cells);
    EXPECT_TRUE(row.isEmpty());
}

TEST(Zrsr, SplitspaceDropsTheFirstWord)
{
    const struct
    {
        QString text;
        QString word;
        QString rest;
    } cases[] = {
        {u"#1 12"_s, u"#1"_s, u"12"_s},     {u"a  b "_s, u"a"_s, u"b"_s},
        {u"12"_s, QString(), u"12"_s},      {u" 7"_s, QString(), u"7"_s},
        {u"Stem 16"_s, u"Stem"_s, u"16"_s}, {QString(), QString(), QString()},
    };
    for (const auto &testCase : cases) {
        QString text = testCase.text;
        EXPECT_EQ(zrsr::splitspace(text), testCase.word) << testCase.text.toStdString();
        EXPECT_EQ(text, testCase.rest) << testCase.text.toStdString();
    }
}

TEST(Zrsr, Byte2hexIsAlwaysTwoUpperCaseDigits)
{
    EXPECT_EQ(zrsr::byte2hex(0), u"00"_s);
    EXPECT_EQ(zrsr::byte2hex(10), u"0A"_s);
    EXPECT_EQ(zrsr::byte2hex(171), u"AB"_s);
    EXPECT_EQ(zrsr::byte2hex(255), u"FF"_s);
    for (int value = 0; value < 256; ++value)
        EXPECT_EQ(zrsr::byte2hex(quint8(value)).size(), 2);
}

TEST(Zrsr, SetbitSetsOnlyBitsZeroToSeven)
{
    const struct
    {
        quint8 before;
        int bit;
        quint8 after;
    } cases[] = {
        {0x01, 3, 0x09}, {0x00, 0, 0x01},  {0x00, 7, 0x80},  {0x80, 7, 0x80},
        {0x01, 8, 0x01}, {0x01, -1, 0x01}, {0x55, 32, 0x55},
    };
    for (const auto &testCase : cases) {
        quint8 value = testCase.before;
        zrsr::setbit(value, testCase.bit);
        EXPECT_EQ(value, testCase.after) << "bit " << testCase.bit;
    }
}

} // namespace
