#include "trafficmonitor.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TrafficMonitorTest : public ::testing::Test
{
protected:
    QStringList lines() const
    {
        QStringList texts;
        for (int row = 0; row < monitor.lines().rowCount(); ++row)
            texts.append(monitor.lines().line(row));
        return texts;
    }

    TrafficMonitor monitor;
    QAbstractItemModelTester tester{&monitor.lines(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(TrafficMonitorTest, ShowsBytesAsHexNewestFirst)
{
    monitor.Disp_string(QByteArray::fromHex("200121"));
    monitor.Disp_array(QByteArray::fromHex("200121"), u"Rx-"_s);
    monitor.Disp_string(QByteArray());
    EXPECT_EQ(lines(), (QStringList{QString(), u"Rx-20 01 21 "_s, u"20 01 21 "_s}));
    EXPECT_EQ(monitor.lines().data(monitor.lines().index(1, 0)).toString(), u"Rx-20 01 21 "_s);
}

TEST_F(TrafficMonitorTest, AReceivedMessageShowsTheBytesItsCountNibbleNames)
{
    const struct
    {
        QByteArray message;
        QString line;
    } cases[] = {
        {QByteArray::fromHex("00111100"), u"Rx-00 11 11 "_s},
        {QByteArray::fromHex("0011"), u"Rx-00 11 "_s},
        {QByteArray(), u"Rx-"_s},
        {QByteArray::fromHex("1F") + QByteArray(20, char(0xAB)),
         u"Rx-1F "_s + QStringLiteral("AB ").repeated(17)},
    };
    for (const auto &testCase : cases) {
        monitor.Disp_array(testCase.message, u"Rx-"_s);
        EXPECT_EQ(monitor.lines().line(0), testCase.line);
    }
    EXPECT_EQ(monitor.lines().line(0).count(u' '), 18);
}

TEST_F(TrafficMonitorTest, PauseDropsLinesButTheCounterGoesOn)
{
    monitor.setPaused(true);
    monitor.Disp_string(QByteArray::fromHex("C04A0A"));
    monitor.Disp_array(QByteArray::fromHex("100111"), u"Rx-"_s);
    monitor.incnoack();
    monitor.setPaused(false);
    EXPECT_EQ(monitor.lines().rowCount(), 0);
    EXPECT_EQ(monitor.noAckCount(), 1);
}

TEST_F(TrafficMonitorTest, ClearEmptiesTheListAndTheCounter)
{
    QSignalSpy counter(&monitor, &TrafficMonitor::noAckCountChanged);
    monitor.Clearall();
    EXPECT_EQ(counter.count(), 0);

    monitor.Disp_string(QByteArray::fromHex("C04A0A"));
    monitor.incnoack();
    monitor.incnoack();
    monitor.Clearall();
    EXPECT_EQ(monitor.lines().rowCount(), 0);
    EXPECT_EQ(monitor.noAckCount(), 0);
    EXPECT_EQ(counter.count(), 3);
    EXPECT_EQ(counter.last().at(0).toInt(), 0);

    monitor.Disp_string(QByteArray::fromHex("0011"));
    EXPECT_EQ(lines(), QStringList{u"00 11 "_s});
}

TEST_F(TrafficMonitorTest, ALineOutsideTheListThrows)
{
    monitor.Disp_string(QByteArray::fromHex("0011"));
    EXPECT_THROW(monitor.lines().line(1), std::out_of_range);
    EXPECT_THROW(monitor.lines().line(-1), std::out_of_range);
}

} // namespace
