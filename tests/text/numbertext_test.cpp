#include "numbertext.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Qt::StringLiterals;

TEST(NumberText, TakesTheDecimalNumberAtTheStart)
{
    const struct
    {
        QString text;
        int value;
    } cases[] = {
        {u"0"_s, 0},
        {u"16"_s, 16},
        {u"007"_s, 7},
        {u"-3"_s, -3},
        {u"+5"_s, 5},
        {u"  9 "_s, 9},
        {u"40 tracks"_s, 40},
        {u"12.9"_s, 12},
        {u"Stem 3"_s, 0},
        {QString(), 0},
        {u"-"_s, 0},
        {u"- 4"_s, 0},
        {u"2147483647"_s, INT_MAX},
        {u"2147483648"_s, INT_MAX},
        {u"-2147483648"_s, INT_MIN},
        {u"-99999999999"_s, INT_MIN},
        {u"\u0663"_s, 0},
    };
    for (const auto &testCase : cases)
        EXPECT_EQ(numbertext::numericValue(testCase.text), testCase.value)
            << '"' << testCase.text.toStdString() << '"';
}
