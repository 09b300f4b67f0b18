#include "simulatedunit.h"

#include "serialline.h"
#include "unitframe.h"

#include <QNetworkDatagram>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QByteArray acknowledgement = QByteArray::fromHex("1001");

QString peerText(const QHostAddress &address, quint16 port)
{
    return u"%1:%2"_s.arg(address.toString()).arg(port);
}

} // namespace

SimulatedUnit::SimulatedUnit(const UnitConfig &config, QObject *parent)
    : QObject(parent), m_config(config), m_random(config.faults.seed)
{
    connect(&m_link, &QUdpSocket::readyRead, this, &SimulatedUnit::readLinkDatagrams);
}

QString SimulatedUnit::label() const
{
    return u"%1 %2"_s.arg(m_config.master ? u"M"_s : u"S"_s, m_config.bindAddress.toString());
}

bool SimulatedUnit::start()
{
    // Shared, so that the program's own link socket on this host may use the port too.
    const auto mode = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;
    if (!m_link.bind(m_config.bindAddress, m_config.linkPort, mode)) {
        log(u"error"_s, peerText(m_config.bindAddress, m_config.linkPort),
            u"link port not bound: "_s + m_link.errorString());
        return false;
    }
    if (m_config.bindAddress != QHostAddress(QHostAddress::AnyIPv4))
        m_replies.bind(m_config.bindAddress, 0);
    return true;
}

void SimulatedUnit::attachSerial(SerialLine *line)
{
    m_serial = line;
    connect(line, &SerialLine::messageReceived, this,
            [this](const QByteArray &message) { handleDeviceMessage(message, Channel::Serial); });
    connect(line, &SerialLine::bytesDropped, this, [this](const QByteArray &bytes) {
        log(u"in"_s, u"serial"_s,
            u"dropped bytes that start no message: "_s + unitframe::hex(bytes));
    });
}

QByteArray SimulatedUnit::discoveryReply() const
{
    const QString mac = unitframe::hex(m_config.mac);
    const QString port = QString::number(m_config.linkPort, 16).toUpper();
    return u"*ZRdev,%1,build:%2,%3,%4,mac:%5,%6,1,port:%7"_s
        .arg(m_config.device, m_config.buildDate, m_config.unitName, m_config.formatCode, mac,
             m_config.master ? u"M"_s : u"S"_s, port)
        .toLatin1();
}

void SimulatedUnit::handleManagement(const QByteArray &datagram, const QHostAddress &sender)
{
    if (datagram.startsWith("@ZRdev")) {
        const QByteArray answer = discoveryReply();
        QUdpSocket &socket = m_replies.state() == QAbstractSocket::BoundState ? m_replies : m_link;
        socket.writeDatagram(answer, sender, m_config.replyPort);
        log(u"out"_s, peerText(sender, m_config.replyPort),
            u"discovery reply %1 \"%2\""_s.arg(unitframe::hex(answer),
                                               QString::fromLatin1(answer)));
        return;
    }
    if (!datagram.startsWith("@ZRMac")) {
        log(u"in"_s, sender.toString(), u"ignored: not a discovery or addressed command"_s);
        return;
    }
    if (datagram.size() < 6 + 6 + 2) {
        log(u"in"_s, sender.toString(), u"ignored: addressed command too short"_s);
        return;
    }
    if (datagram.sliced(6, 6) != m_config.mac)
        return;
    applyCommand(QByteArrayView(datagram).sliced(12));
}

void SimulatedUnit::applyCommand(QByteArrayView command)
{
    const quint8 code = quint8(command.at(0));
    const int count = quint8(command.at(1));
    const auto malformed = [&](const QString &why) {
        log(u"in"_s, u"command"_s, u"ignored: %1 (%2)"_s.arg(why, unitframe::hex(command)));
    };
    switch (code) {
    case 0x02:
        if (command.size() < 6 || count != 3 || quint8(command.at(5)) != 0xFF ||
            (quint8(command.at(4)) != 0x00 && quint8(command.at(4)) != 0x02))
            return malformed(u"set role must be 02 03 01 01 00|02 FF"_s);
        m_config.master = quint8(command.at(4)) == 0x00;
        log(u"in"_s, u"command"_s,
            u"role set: now %1"_s.arg(m_config.master ? u"master"_s : u"slave"_s));
        return;
    case 0x01:
        if (command.size() < 7 || count != 4 || quint8(command.at(6)) != 0xFF)
            return malformed(u"set IP address must be 01 04 a b c d FF"_s);
        m_recordedIp = u"%1.%2.%3.%4"_s.arg(quint8(command.at(2)))
                           .arg(quint8(command.at(3)))
                           .arg(quint8(command.at(4)))
                           .arg(quint8(command.at(5)));
        log(u"in"_s, u"command"_s,
            u"IP address set to %1 (recorded only; this host is not changed)"_s.arg(m_recordedIp));
        return;
    case 0x03:
        if (count < 1 || command.size() < 2 + count || command.at(1 + count) != 0)
            return malformed(u"set unit name must be 03 n name 00"_s);
        m_config.unitName = QString::fromLatin1(command.sliced(2, count - 1));
        log(u"in"_s, u"command"_s, u"unit name set to \"%1\""_s.arg(m_config.unitName));
        return;
    default:
        return malformed(u"unknown command"_s);
    }
}

void SimulatedUnit::readLinkDatagrams()
{
    while (m_link.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_link.receiveDatagram();
        const QByteArray data = datagram.data();
        log(u"in"_s, peerText(datagram.senderAddress(), quint16(datagram.senderPort())),
            u"link "_s + unitframe::hex(data));
        if (data.size() < 2 || data.left(2).toUpper() != "V2") {
            log(u"in"_s, datagram.senderAddress().toString(), u"ignored: no V2 prefix"_s);
            continue;
        }
        m_computer = datagram.senderAddress();
        handleDeviceMessage(data.sliced(2), Channel::Link);
    }
}

void SimulatedUnit::handleDeviceMessage(const QByteArray &message, Channel channel)
{
    if (!unitframe::checksumValid(message)) {
        log(u"in"_s, channel == Channel::Link ? m_computer.toString() : u"serial"_s,
            u"wrong checksum, not answered: "_s + unitframe::hex(message));
        return;
    }
    ++m_messages;
    const QByteArray content = message.chopped(1);
    m_layout.record(content);
    if (replyDropped())
        return;
    sendReply(unitframe::framed(replyTo(content)), channel);
}

QByteArray SimulatedUnit::replyTo(const QByteArray &message) const
{
    return m_layout.reply(message).value_or(acknowledgement);
}

bool SimulatedUnit::replyDropped()
{
    const FaultConfig &faults = m_config.faults;
    QString reason;
    if (faults.silentAfter > 0 && m_messages > faults.silentAfter)
        reason = u"silent after %1 messages"_s.arg(faults.silentAfter);
    else if (faults.dropNth == m_messages)
        reason = u"reply to message %1 dropped"_s.arg(m_messages);
    else if (faults.dropFraction > 0 && m_random.generateDouble() < faults.dropFraction)
        reason = u"reply to message %1 dropped at random"_s.arg(m_messages);
    if (reason.isEmpty())
        return false;
    log(u"fault"_s, QString(), reason);
    return true;
}

void SimulatedUnit::sendReply(const QByteArray &framedReply, Channel channel)
{
    const int copies = m_config.faults.duplicate ? 2 : 1;
    for (int copy = 0; copy < copies; ++copy) {
        if (m_config.faults.delayMs > 0)
            QTimer::singleShot(m_config.faults.delayMs, this,
                               [this, framedReply, channel] { transmit(framedReply, channel); });
        else
            transmit(framedReply, channel);
    }
}

void SimulatedUnit::transmit(const QByteArray &framedMessage, Channel channel)
{
    if (channel == Channel::Serial) {
        if (m_serial) {
            m_serial->write(framedMessage);
            log(u"out"_s, u"serial"_s, unitframe::hex(framedMessage));
        }
        return;
    }
    if (m_computer.isNull())
        return;
    const QByteArray datagram = "V2" + framedMessage;
    m_link.writeDatagram(datagram, m_computer, m_config.linkPort);
    log(u"out"_s, peerText(m_computer, m_config.linkPort), u"link "_s + unitframe::hex(datagram));
}

void SimulatedUnit::sendUnsolicited(const QByteArray &messageWithoutChecksum)
{
    const QByteArray framedMessage = unitframe::framed(messageWithoutChecksum);
    if (m_serial)
        transmit(framedMessage, Channel::Serial);
    if (!m_computer.isNull())
        transmit(framedMessage, Channel::Link);
    else if (!m_serial)
        log(u"out"_s, QString(), u"not sent: no computer has talked to this unit yet"_s);
}

QByteArray SimulatedUnit::cyclicMessage()
{
    return QByteArray::fromHex("0011");
}

QByteArray SimulatedUnit::statusMessage()
{
    return QByteArray::fromHex("620000");
}

QByteArray SimulatedUnit::ledMessage(quint8 first, quint8 second, quint8 third)
{
    return QByteArray::fromHex("14B90A") + char(first) + char(second) + char(third);
}

QByteArray SimulatedUnit::revisionMessage()
{
    return QByteArray::fromHex("1AB30102010203040A0B0C0D");
}

QByteArray SimulatedUnit::nameMessage() const
{
    const QByteArray name = m_config.unitName.toLatin1().left(12);
    QByteArray message;
    message.append(char(0x10 | (name.size() + 1)));
    message.append(char(0xB0));
    message.append(char(0x03));
    message.append(name);
    return message;
}

void SimulatedUnit::log(const QString &direction, const QString &peer, const QString &what)
{
    emit logLine(u"[%1] %2 %3 %4"_s.arg(label(), direction.leftJustified(5), peer, what));
}
