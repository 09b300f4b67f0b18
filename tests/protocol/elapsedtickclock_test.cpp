#include "elapsedtickclock.h"

#include <gtest/gtest.h>

TEST(ElapsedTickClock, CountsSixtyTicksASecond)
{
    const struct
    {
        qint64 milliseconds;
        qint64 ticks;
    } cases[] = {{0, 0}, {16, 0}, {17, 1}, {50, 3}, {1000, 60}, {5000, 300}, {5001, 300}};
    for (const auto &testCase : cases)
        EXPECT_EQ(ElapsedTickClock::ticksForMilliseconds(testCase.milliseconds), testCase.ticks)
            << testCase.milliseconds << " ms";
}
