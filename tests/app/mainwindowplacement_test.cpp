#include "mainwindowplacement.h"

#include <gtest/gtest.h>

TEST(MainWindowPlacement, KeepsTheTitleBarBelowTheMenuBarOnOneScreen)
{
    const struct
    {
        QPoint moved;
        int screens;
        int availableTop;
        std::optional<QPoint> kept;
    } cases[] = {
        {{100, 0}, 1, 25, std::nullopt},       {{100, -40}, 1, 25, std::nullopt},
        {{100, 10}, 1, 25, QPoint(100, 25)},   {{100, 25}, 1, 25, QPoint(100, 25)},
        {{-50, 300}, 1, 25, QPoint(-50, 300)}, {{100, 10}, 2, 25, QPoint(100, 10)},
    };
    for (const auto &testCase : cases)
        EXPECT_EQ(MainWindowPlacement::positionAfterMove(testCase.moved, testCase.screens,
                                                         testCase.availableTop),
                  testCase.kept)
            << testCase.moved.x() << ',' << testCase.moved.y() << " on " << testCase.screens;
}
