#include "testworld.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

void runInEvent(std::function<void()> work)
{
    QTimer::singleShot(0, std::move(work));
    QCoreApplication::processEvents();
}

TEST(GuardedApplication, ReportsOutOfRangeOnceAndGoesOn)
{
    TestWorld world;
    bool ranAfter = false;
    runInEvent([] { throw std::out_of_range("row 7"); });
    runInEvent([&] { ranAfter = true; });

    EXPECT_EQ(world.dialogs.messages,
              QStringList{u"An OutOfBounds Exception error has occurred!"_s});
    EXPECT_TRUE(ranAfter);
}

TEST(GuardedApplication, DropsOtherErrorsSilently)
{
    TestWorld world;
    bool ranAfter = false;
    runInEvent([] { throw std::runtime_error("disk"); });
    runInEvent([] { throw 42; });
    runInEvent([&] { ranAfter = true; });

    EXPECT_TRUE(world.dialogs.messages.isEmpty());
    EXPECT_TRUE(ranAfter);
}

} // namespace
