#include "connectindicator.h"
#include "deviceprotocol.h"
#include "layoutreplyreceiver.h"
#include "messagesender.h"
#include "trafficmonitor.h"
#include "unitstatusreceiver.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Stands in for every part of the program that the dispatcher reaches, and writes
// down what reached it.
class Receivers final : public ConnectIndicator,
                        public LayoutReplyReceiver,
                        public UnitStatusReceiver,
                        public MessageSender
{
public:
    void setlit(bool lit) override { lights += lit ? 1 : 0; }
    void parsevk2(const QByteArray &message) override { layoutReplies.append(message); }
    void Rxack() override { ++acks; }
    void Rxname(const QByteArray &message) override { names.append(message); }
    void showCoreRevision(const QString &caption) override { coreRevision = caption; }
    void v2write(const QByteArray &message) override { sent.append(message); }

    int lights = 0;
    int acks = 0;
    QList<QByteArray> layoutReplies;
    QList<QByteArray> names;
    QString coreRevision;
    QList<QByteArray> sent;
};

class DeviceProtocolTest : public ::testing::Test
{
protected:
    DeviceProtocolTest()
    {
        protocol.setConnectIndicator(&receivers);
        protocol.setLayoutReplyReceiver(&receivers);
        protocol.setUnitStatusReceiver(&receivers);
        protocol.setMessageSender(&receivers);
        monitor.setShowing(true);
    }

    int logged() const { return monitor.lines().rowCount(); }

    TrafficMonitor monitor;
    Receivers receivers;
    DeviceProtocol protocol{monitor};
};

TEST_F(DeviceProtocolTest, EveryReceivedTypeIsHandledAndLoggedAsCatalogued)
{
    enum Receiver { none, ack, name, layout, revision };
    const struct
    {
        const char *hex;
        bool logged;
        Receiver receiver;
    } catalogue[] = {
        {"001111", true, none},
        {"0255AABB", true, none},
        {"100111", true, ack},
        {"13B00341424344", true, name},
        {"11B00102", true, none},
        {"19B2020A0102030405060708FF", true, none},
        {"1BB3000001020AFF0000000000", true, revision},
        {"12B90A01020311", true, none},
        {"12B90B010203", false, none},
        {"1077", true, none},
        {"6F0102", true, none},
        {"D151000000", true, layout},
        {"F000", true, none},
    };
    for (const auto &entry : catalogue) {
        const Receivers before = receivers;
        const int linesBefore = logged();
        protocol.parsev2(QByteArray::fromHex(entry.hex));

        SCOPED_TRACE(entry.hex);
        EXPECT_EQ(receivers.lights, before.lights + 1) << "every message lights Connect";
        EXPECT_EQ(logged(), linesBefore + (entry.logged ? 1 : 0));
        EXPECT_EQ(receivers.acks, before.acks + (entry.receiver == ack ? 1 : 0));
        EXPECT_EQ(receivers.names.size(), before.names.size() + (entry.receiver == name ? 1 : 0));
        EXPECT_EQ(receivers.layoutReplies.size(),
                  before.layoutReplies.size() + (entry.receiver == layout ? 1 : 0));
        EXPECT_EQ(receivers.coreRevision != before.coreRevision, entry.receiver == revision);
    }
    EXPECT_EQ(receivers.names.constFirst(), QByteArray::fromHex("13B00341424344"));
    EXPECT_EQ(receivers.layoutReplies.constFirst(), QByteArray::fromHex("D151000000"));
    EXPECT_EQ(receivers.coreRevision, u"core rev - 01 02 0A FF "_s);
    EXPECT_EQ(monitor.lines().line(0), u"Rx-F0 00 "_s);
}

TEST_F(DeviceProtocolTest, LedStateIsLoggedOnlyWhenItChanges)
{
    const struct
    {
        const char *hex;
        bool logged;
    } reports[] = {
        {"13B90A000000", false}, {"13B90A010000", true},  {"13B90A010000", false},
        {"13B90A010001", true},  {"13B90B999999", false}, {"13B90A010001", false},
    };
    for (const auto &report : reports) {
        const int before = logged();
        protocol.parsev2(QByteArray::fromHex(report.hex));
        EXPECT_EQ(logged(), before + (report.logged ? 1 : 0)) << report.hex;
    }
    EXPECT_EQ(protocol.leddata(), (std::array<quint8, 3>{0x01, 0x00, 0x01}));
}

TEST_F(DeviceProtocolTest, ConfigurationReportsFillTheirImage)
{
    protocol.parsev2(QByteArray::fromHex("1BB200100102030405060708"));
    protocol.parsev2(QByteArray::fromHex("1BB202000A0B0C0D0E0F1011"));
    protocol.parsev2(QByteArray::fromHex("1BB2033C2122232425262728"));
    protocol.parsev2(QByteArray::fromHex("1BB201005555555555555555"));
    protocol.parsev2(QByteArray::fromHex("1BB205005555555555555555"));

    EXPECT_EQ(protocol.uconfig()[0x10], 0x01);
    EXPECT_EQ(protocol.uconfig()[0x17], 0x08);
    EXPECT_EQ(protocol.bconfig()[0], 0x0A);
    EXPECT_EQ(protocol.bconfig()[7], 0x11);
    // Start 60: entries 60 to 64 are stored, the three bytes beyond the image are not.
    EXPECT_EQ(protocol.usbconfig()[60], 0x21);
    EXPECT_EQ(protocol.usbconfig()[64], 0x25);
    for (const auto *image : {&protocol.uconfig(), &protocol.bconfig(), &protocol.usbconfig()})
        EXPECT_EQ(std::count(image->begin(), image->end(), quint8(0x55)), 0);
    EXPECT_EQ(logged(), 5);
}

TEST_F(DeviceProtocolTest, AMessageTooShortForItsTypeIsIgnoredWhole)
{
    const char *shortMessages[] = {"",           "10",   "11B0",      "1BB3000001020AFF00",
                                   "1BB2020001", "12B9", "12B90A0102"};
    for (const char *hex : shortMessages)
        protocol.parsev2(QByteArray::fromHex(hex));
    EXPECT_EQ(receivers.lights, 0);
    EXPECT_EQ(logged(), 0);
    EXPECT_TRUE(receivers.coreRevision.isEmpty());
    EXPECT_EQ(protocol.bconfig()[0], 0);
}

TEST_F(DeviceProtocolTest, NothingIsLoggedWhileTheMonitorIsHidden)
{
    monitor.setShowing(false);
    protocol.parsev2(QByteArray::fromHex("100111"));
    EXPECT_EQ(logged(), 0);
    EXPECT_EQ(receivers.acks, 1);
}

TEST_F(DeviceProtocolTest, MissingReceiversAreSkipped)
{
    DeviceProtocol alone(monitor);
    for (const char *hex : {"100111", "13B00341", "1BB3000001020AFF0000000000", "D15100"})
        alone.parsev2(QByteArray::fromHex(hex));
    alone.wrteemu(2, 24, 0);
    EXPECT_EQ(logged(), 4);
}

TEST_F(DeviceProtocolTest, WrteemuSendsAFramedConfigurationWrite)
{
    protocol.wrteemu(2, 24, 0);
    protocol.wrteemu(2, 25, 3);
    EXPECT_EQ(receivers.sent, (QList<QByteArray>{QByteArray::fromHex("03B1021800CE"),
                                                 QByteArray::fromHex("03B1021903D2")}));
}

TEST_F(DeviceProtocolTest, WaitCountersStartAtZero)
{
    EXPECT_EQ(protocol.waitack(), 0);
    EXPECT_EQ(protocol.waitack2(), 0);
    protocol.setWaitack(10);
    protocol.setWaitack2(10);
    EXPECT_EQ(protocol.waitack() + protocol.waitack2(), 20);
    EXPECT_TRUE(protocol.showcyclic());
}

} // namespace
