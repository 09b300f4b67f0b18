#include "guardedapplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Every test runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GuardedApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
