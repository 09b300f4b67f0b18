#include "serialline.h"
#include "simulatedunit.h"
#include "simulatorhost.h"
#include "unitframe.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QHostAddress computer(u"127.0.0.1"_s);
const QHostAddress unitAddress(u"127.0.0.2"_s);
const QByteArray unitMac = QByteArray::fromHex("0050C2B4A001");

// Plays the computer on loopback: a management socket and a link socket of its own,
// and a simulated unit on 127.0.0.2 that answers them.
class UnitSimTest : public ::testing::Test
{
protected:
    UnitSimTest()
    {
        EXPECT_TRUE(management.bind(computer, 0));
        EXPECT_TRUE(link.bind(computer, 0));
        QUdpSocket probe;
        EXPECT_TRUE(probe.bind(QHostAddress::AnyIPv4, 0));
        config.discoveryPort = probe.localPort();
        probe.close();
        config.bindAddress = unitAddress;
        config.replyPort = management.localPort();
        config.linkPort = link.localPort();
        config.mac = unitMac;
        config.unitName = u"Stage1"_s;
    }

    void startUnit()
    {
        host = std::make_unique<SimulatorHost>(config.discoveryPort);
        ASSERT_TRUE(host->start());
        unit = std::make_unique<SimulatedUnit>(config);
        QObject::connect(unit.get(), &SimulatedUnit::logLine,
                         [this](const QString &line) { log.append(line); });
        ASSERT_TRUE(unit->start());
        host->addUnit(unit.get());
    }

    static std::optional<QNetworkDatagram> await(QUdpSocket &socket, int milliseconds = 2000)
    {
        if (!socket.hasPendingDatagrams() &&
            !QTest::qWaitFor([&] { return socket.hasPendingDatagrams(); }, milliseconds))
            return std::nullopt;
        return socket.receiveDatagram();
    }

    void sendManagement(const QByteArray &datagram)
    {
        management.writeDatagram(datagram, unitAddress, config.discoveryPort);
    }

    QString discover()
    {
        sendManagement("@ZRdev");
        const auto reply = await(management);
        return reply ? QString::fromLatin1(reply->data()) : QString();
    }

    void sendMessage(const QByteArray &messageWithoutChecksum, const QByteArray &prefix = "V2")
    {
        link.writeDatagram(prefix + unitframe::framed(messageWithoutChecksum), unitAddress,
                           config.linkPort);
    }

    // The device message of the next link reply, or empty when none comes.
    QByteArray nextReply(int milliseconds = 2000)
    {
        const auto reply = await(link, milliseconds);
        if (!reply)
            return {};
        EXPECT_EQ(reply->senderAddress(), unitAddress);
        EXPECT_TRUE(reply->data().startsWith("V2"));
        return reply->data().mid(2);
    }

    QByteArray exchange(const QByteArray &hex)
    {
        sendMessage(QByteArray::fromHex(hex));
        return nextReply();
    }

    QUdpSocket management;
    QUdpSocket link;
    UnitConfig config;
    std::unique_ptr<SimulatorHost> host;
    std::unique_ptr<SimulatedUnit> unit;
    QStringList log;
};

const QByteArray ack = QByteArray::fromHex("100111");

TEST_F(UnitSimTest, AnswersDiscoveryWithItsNineFieldsFromItsOwnAddress)
{
    config.linkPort = link.localPort();
    startUnit();
    sendManagement("@ZRdev");
    const auto reply = await(management);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->senderAddress(), unitAddress);
    const QStringList fields = QString::fromLatin1(reply->data()).split(u',');
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields.at(0), u"*ZRdev"_s);
    EXPECT_EQ(fields.at(1), u"VK-2"_s);
    EXPECT_EQ(fields.at(2), u"build:2026-12-01"_s);
    EXPECT_EQ(fields.at(3), u"Stage1"_s);
    EXPECT_EQ(fields.at(4), u"1"_s);
    EXPECT_EQ(fields.at(5), u"mac:00 50 C2 B4 A0 01"_s);
    EXPECT_EQ(fields.at(6), u"M"_s);
    EXPECT_EQ(fields.at(7), u"1"_s);
    EXPECT_EQ(fields.at(8), u"port:"_s + QString::number(config.linkPort, 16).toUpper());
}

TEST_F(UnitSimTest, AddressedCommandsChangeOnlyTheUnitNamed)
{
    startUnit();
    const QByteArray addressed = "@ZRMac" + unitMac;
    // Another unit's MAC: not for this unit, and nothing to log.
    sendManagement("@ZRMac" + QByteArray::fromHex("0050C2B4A0FF") +
                   QByteArray::fromHex("0203010100FF"));
    sendManagement(addressed + QByteArray::fromHex("0203010102FF"));
    sendManagement(addressed + QByteArray::fromHex("01047F000514FF"));
    sendManagement(addressed +
                   "\x03\x06"
                   "Dub A" +
                   QByteArray(1, '\0'));
    sendManagement(addressed + QByteArray::fromHex("0203010107FF"));
    sendManagement(addressed + QByteArray::fromHex("7701"));
    // Datagrams are taken in order: once the last one is logged, all have been seen.
    EXPECT_TRUE(QTest::qWaitFor([this] { return log.filter(u"unknown command"_s).size() == 1; }));

    EXPECT_FALSE(unit->config().master);
    EXPECT_EQ(unit->recordedIpAddress(), u"127.0.5.20"_s);
    EXPECT_EQ(unit->config().unitName, u"Dub A"_s);
    const QString reply = discover();
    EXPECT_TRUE(reply.contains(u",Dub A,"_s)) << reply.toStdString();
    EXPECT_TRUE(reply.contains(u",S,1,"_s)) << reply.toStdString();
    EXPECT_EQ(log.filter(u"ignored"_s).size(), 2) << log.join(u'\n').toStdString();
}

TEST_F(UnitSimTest, AnswersEveryMessageOnceAndIgnoresBadChecksums)
{
    startUnit();
    EXPECT_EQ(exchange("C04A"), QByteArray::fromHex("D14A011C"));
    EXPECT_EQ(exchange("0011"), ack);
    EXPECT_EQ(exchange("03B1021800"), ack);
    sendMessage(QByteArray::fromHex("C04A"), "v2");
    EXPECT_EQ(nextReply(), QByteArray::fromHex("D14A011C"));

    link.writeDatagram("V2" + QByteArray::fromHex("C04A0B"), unitAddress, config.linkPort);
    link.writeDatagram("X2" + QByteArray::fromHex("C04A0A"), unitAddress, config.linkPort);
    EXPECT_TRUE(nextReply(300).isEmpty());
    EXPECT_EQ(log.filter(u"wrong checksum"_s).size(), 1);
    EXPECT_EQ(unit->messagesReceived(), 4);
}

TEST_F(UnitSimTest, KeepsTheLayoutWrittenAndReadsItBack)
{
    startUnit();
    // Two stems: Dx on tracks 1-3 of port 1 (safe), Mx on track 1 of port 2 (129).
    const QStringList write{
        u"C04A"_s,
        u"03B1021800"_s,
        u"C040"_s,
        u"C943000102030000000000"_s,
        u"C943108100000000000000"_s,
        u"C947000102000000000000"_s,
        u"C948000201000000000000"_s,
        u"C941004478202020202020"_s,
        u"C941014478202020202020"_s,
        u"C941024478202020202020"_s,
        u"C941804D78202020202020"_s,
        u"C942004C20202020202020"_s,
        u"C942014320202020202020"_s,
        u"C942025220202020202020"_s,
        u"C942804D4F4E4F20202020"_s,
        u"C944000700000000000000"_s,
        u"C949000000000000000000"_s,
        u"03B1021801"_s,
        u"C046"_s,
    };
    for (const QString &message : write)
        ASSERT_FALSE(exchange(message.toLatin1()).isEmpty()) << message.toStdString();

    const UnitLayout &layout = unit->layout();
    EXPECT_EQ(layout.trackNumbers(0)[2], 3);
    EXPECT_EQ(layout.trackNumbers(1)[0], 0x81);
    EXPECT_EQ(layout.slotMap(0)[0], 1);
    EXPECT_EQ(layout.slotMap(1)[0], 2);
    EXPECT_EQ(layout.stemName(0x80), QByteArray("Mx      "));
    EXPECT_EQ(layout.trackName(2), QByteArray("R       "));
    EXPECT_EQ(layout.safeBits()[0], 0x07);
    EXPECT_EQ(layout.configuration(2, 24), std::optional<quint8>(1));

    EXPECT_EQ(exchange("C15100"), unitframe::framed(QByteArray::fromHex("D95100") + "Dx      "));
    EXPECT_EQ(exchange("C15110"), unitframe::framed(QByteArray::fromHex("D95110") + "Mx      "));
    EXPECT_EQ(exchange("C15120"), ack) << "no third row";
    EXPECT_EQ(exchange("C053"), unitframe::framed(QByteArray::fromHex("D2530100")));
    EXPECT_EQ(exchange("C054"), unitframe::framed(QByteArray::fromHex("D2540000")));
    EXPECT_EQ(exchange("C15202"), unitframe::framed(QByteArray::fromHex("DA520002") + "R       "));
    EXPECT_EQ(exchange("C15280"), unitframe::framed(QByteArray::fromHex("DA521080") + "MONO    "));
    EXPECT_EQ(exchange("C15203"), ack) << "no fourth track on port 1";

    const QStringList summary = layout.summary();
    EXPECT_TRUE(summary.first().contains(u"\"Dx\": tracks 1,2,3 (L,C,R), safe"_s))
        << summary.join(u'\n').toStdString();

    exchange("C040");
    EXPECT_EQ(unit->layout().summary().first(), u"no layout held"_s);
}

TEST_F(UnitSimTest, DropsTheReplyToTheNthMessageAndFallsSilent)
{
    config.faults.dropNth = 2;
    config.faults.silentAfter = 3;
    startUnit();
    EXPECT_EQ(exchange("0011"), ack);
    sendMessage(QByteArray::fromHex("0011"));
    EXPECT_TRUE(nextReply(300).isEmpty());
    EXPECT_EQ(exchange("0011"), ack);
    sendMessage(QByteArray::fromHex("0011"));
    EXPECT_TRUE(nextReply(300).isEmpty());
    EXPECT_EQ(log.filter(u"fault"_s).size(), 2);
}

TEST_F(UnitSimTest, RandomDropsRepeatWithTheSameSeed)
{
    config.faults.dropFraction = 0.5;
    config.faults.seed = 42;
    // Which replies a run drops, read from the unit's own log once it has seen them all.
    const auto droppedReplies = [this] {
        log.clear();
        startUnit();
        for (int message = 0; message < 20; ++message)
            sendMessage(QByteArray::fromHex("0011"));
        EXPECT_TRUE(QTest::qWaitFor([this] { return unit->messagesReceived() == 20; }));
        const QStringList dropped = log.filter(u"dropped at random"_s);
        host.reset();
        unit.reset();
        return dropped;
    };
    const QStringList first = droppedReplies();
    const QStringList second = droppedReplies();
    EXPECT_EQ(first, second);
    EXPECT_GT(first.size(), 0);
    EXPECT_LT(first.size(), 20);

    config.faults.seed = 43;
    EXPECT_NE(droppedReplies(), first) << "another seed drops other replies";
}

TEST_F(UnitSimTest, DuplicatesAndDelaysReplies)
{
    config.faults.duplicate = true;
    config.faults.delayMs = 150;
    startUnit();
    QElapsedTimer timer;
    timer.start();
    sendMessage(QByteArray::fromHex("C04A"));
    EXPECT_EQ(nextReply(), QByteArray::fromHex("D14A011C"));
    EXPECT_GE(timer.elapsed(), 140);
    EXPECT_EQ(nextReply(), QByteArray::fromHex("D14A011C"));
    EXPECT_TRUE(nextReply(300).isEmpty());
}

TEST_F(UnitSimTest, SendsUnsolicitedMessagesToTheComputerLastHeard)
{
    startUnit();
    unit->sendUnsolicited(SimulatedUnit::cyclicMessage());
    EXPECT_TRUE(nextReply(200).isEmpty()) << "no computer known yet";
    exchange("0011");
    unit->sendUnsolicited(SimulatedUnit::ledMessage(1, 2, 3));
    EXPECT_EQ(nextReply(), unitframe::framed(QByteArray::fromHex("14B90A010203")));
    unit->sendUnsolicited(SimulatedUnit::revisionMessage());
    EXPECT_EQ(nextReply().size(), 13);
    unit->sendUnsolicited(unit->nameMessage());
    const QByteArray name = nextReply();
    EXPECT_EQ(name.mid(1, 2), QByteArray::fromHex("B003"));
    EXPECT_EQ(name.mid(3, 6), QByteArray("Stage1"));
    EXPECT_EQ(quint8(name.at(0)) & 0x0F, 7);
}

TEST_F(UnitSimTest, TwoUnitsInOneProcessBothAnswerDiscovery)
{
    startUnit();
    UnitConfig slaveConfig = config;
    slaveConfig.bindAddress = QHostAddress(u"127.0.0.3"_s);
    slaveConfig.master = false;
    slaveConfig.mac = QByteArray::fromHex("0050C2B4A002");
    SimulatedUnit slave(slaveConfig);
    ASSERT_TRUE(slave.start());
    host->addUnit(&slave);

    sendManagement("@ZRdev");
    const auto first = await(management);
    const auto second = await(management);
    ASSERT_TRUE(first && second);
    QStringList roles{QString::fromLatin1(first->data()).section(u',', 6, 6),
                      QString::fromLatin1(second->data()).section(u',', 6, 6)};
    roles.sort();
    EXPECT_EQ(roles, (QStringList{u"M"_s, u"S"_s}));
    EXPECT_NE(first->senderAddress(), second->senderAddress());

    link.writeDatagram("V2" + unitframe::framed(QByteArray::fromHex("C04A")),
                       slaveConfig.bindAddress, slaveConfig.linkPort);
    const auto reply = await(link);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->senderAddress(), slaveConfig.bindAddress);
}

TEST(SerialLine, CutsTheStreamIntoCheckedMessages)
{
    SerialLine line;
    QSignalSpy messages(&line, &SerialLine::messageReceived);
    QSignalSpy dropped(&line, &SerialLine::bytesDropped);

    line.take(QByteArray::fromHex("C04A"));
    EXPECT_EQ(messages.count(), 0) << "the message is not complete yet";
    line.take(QByteArray::fromHex("0A001111"));
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.at(0).at(0).toByteArray(), QByteArray::fromHex("C04A0A"));
    EXPECT_EQ(messages.at(1).at(0).toByteArray(), QByteArray::fromHex("001111"));
    EXPECT_EQ(dropped.count(), 0);

    // A stray byte whose candidate fails its checksum is dropped, then the line resyncs.
    line.take(QByteArray::fromHex("20C04A0A"));
    ASSERT_EQ(messages.count(), 3);
    EXPECT_EQ(messages.at(2).at(0).toByteArray(), QByteArray::fromHex("C04A0A"));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toByteArray(), QByteArray::fromHex("20"));
}

TEST(SerialLine, AUnitAnswersOverAPseudoTerminal)
{
    SerialLine line;
    ASSERT_TRUE(line.open()) << line.errorString().toStdString();
    UnitConfig config;
    config.bindAddress = QHostAddress(u"127.0.0.2"_s);
    SimulatedUnit unit(config);
    unit.attachSerial(&line);

    const int computerEnd = ::open(line.path().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(computerEnd, 0);
    const QByteArray test = QByteArray::fromHex("C04A0A");
    ASSERT_EQ(::write(computerEnd, test.constData(), std::size_t(test.size())), 3);

    QByteArray received;
    ::fcntl(computerEnd, F_SETFL, O_NONBLOCK);
    const bool answered = QTest::qWaitFor(
        [&] {
            char buffer[64];
            const ssize_t count = ::read(computerEnd, buffer, sizeof buffer);
            if (count > 0)
                received.append(buffer, count);
            return received.size() >= 4;
        },
        2000);
    ::close(computerEnd);
    EXPECT_TRUE(answered);
    EXPECT_EQ(received, QByteArray::fromHex("D14A011C"));
}

} // namespace
