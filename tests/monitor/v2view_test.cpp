#include "trafficmonitor.h"
#include "v2view.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(V2View, ShowsTheLogAndItsControls)
{
    TrafficMonitor monitor;
    V2View window(monitor);
    EXPECT_EQ(window.windowTitle(), u"Communications View"_s);
    EXPECT_EQ(window.size(), QSize(544, 371));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window.v2list().uniformItemSizes());
    EXPECT_FALSE(monitor.isShowing());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(monitor.isShowing());
    monitor.Disp_string(QByteArray::fromHex("C04A0A"));
    monitor.Disp_string(QByteArray::fromHex("0011"));
    EXPECT_EQ(window.v2list().model()->index(0, 0).data().toString(), u"00 11 "_s);

    monitor.incnoack();
    EXPECT_EQ(window.lnoack().text(), u"1"_s);

    QTest::mouseClick(&window.pf(), Qt::LeftButton);
    EXPECT_TRUE(monitor.paused());

    QTest::mouseClick(&window.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(monitor.isShowing());
    EXPECT_EQ(monitor.lines().rowCount(), 2) << "closing keeps the lines";

    window.show();
    QTest::mouseClick(&window.clearButton(), Qt::LeftButton);
    EXPECT_EQ(monitor.lines().rowCount(), 0);
    EXPECT_EQ(window.lnoack().text(), u"0"_s);
    EXPECT_TRUE(window.pf().isChecked());
}
