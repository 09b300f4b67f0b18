#include "deviceprotocol.h"

#include "connectindicator.h"
#include "layoutreplyreceiver.h"
#include "messagesender.h"
#include "trafficmonitor.h"
#include "unitstatusreceiver.h"
#include "v2sr.h"
#include "zrsr.h"

using namespace Qt::StringLiterals;

namespace {

enum Group : int { poll = 0x0, status = 0x1, cyclicStatus = 0x6, layoutReply = 0xD };

enum Command : quint8 {
    cyclic = 0x11,
    acknowledgement = 0x01,
    statusReply = 0xB0,
    configurationReport = 0xB2,
    revisions = 0xB3,
    ledState = 0xB9,
};

constexpr quint8 nameReply = 0x03;
constexpr quint8 ledSubCode = 0x0A;

quint8 byteAt(const QByteArray &message, qsizetype position)
{
    return quint8(message.at(position));
}

} // namespace

DeviceProtocol::DeviceProtocol(TrafficMonitor &monitor) : m_monitor(monitor) {}

QByteArray DeviceProtocol::configurationWrite(quint8 block, quint8 address, quint8 value)
{
    QByteArray message;
    message.append(char(0x03));
    message.append(char(0xB1));
    message.append(char(block));
    message.append(char(address));
    message.append(char(value));
    v2sr::appendsum(message);
    return message;
}

void DeviceProtocol::wrteemu(quint8 block, quint8 address, quint8 value)
{
    if (m_sender)
        m_sender->v2write(configurationWrite(block, address, value));
}

qsizetype DeviceProtocol::minimumLength(QByteArrayView message)
{
    if (message.size() < 2)
        return 2;
    if (quint8(message.at(0)) >> 4 != status)
        return 2;
    switch (quint8(message.at(1))) {
    case statusReply:
        return 3;
    case configurationReport:
    case revisions:
        return 12;
    case ledState:
        return message.size() >= 3 && quint8(message.at(2)) == ledSubCode ? 6 : 3;
    default:
        return 2;
    }
}

void DeviceProtocol::parsev2(const QByteArray &message)
{
    if (message.size() < minimumLength(message))
        return;
    if (m_connect)
        m_connect->setlit(true);

    const int group = byteAt(message, 0) >> 4;
    const quint8 command = byteAt(message, 1);
    bool log = true;
    switch (group) {
    case poll:
        if (command == cyclic)
            log = m_showcyclic;
        break;
    case status:
        switch (command) {
        case acknowledgement:
            if (m_unitStatus)
                m_unitStatus->Rxack();
            log = m_showcyclic;
            break;
        case statusReply:
            if (byteAt(message, 2) == nameReply && m_unitStatus)
                m_unitStatus->Rxname(message);
            break;
        case configurationReport:
            storeConfiguration(message);
            break;
        case revisions:
            if (m_unitStatus) {
                QString caption = u"core rev - "_s;
                for (qsizetype position = 4; position <= 7; ++position)
                    caption += zrsr::byte2hex(byteAt(message, position)) + u' ';
                m_unitStatus->showCoreRevision(caption);
            }
            break;
        case ledState:
            log = byteAt(message, 2) == ledSubCode && storeLedState(message);
            break;
        default:
            break;
        }
        break;
    case cyclicStatus:
        log = m_showcyclic;
        break;
    case layoutReply:
        if (m_layoutReplies)
            m_layoutReplies->parsevk2(message);
        break;
    default:
        break;
    }

    if (log && m_monitor.isShowing())
        m_monitor.Disp_array(message, u"Rx-"_s);
}

void DeviceProtocol::storeConfiguration(const QByteArray &message)
{
    std::array<quint8, imageSize> *image = nullptr;
    switch (byteAt(message, 2)) {
    case 0:
        image = &m_uconfig;
        break;
    case 2:
        image = &m_bconfig;
        break;
    case 3:
        image = &m_usbconfig;
        break;
    default:
        return;
    }
    // Bytes that would land beyond the image's last entry are dropped.
    const int start = byteAt(message, 3);
    for (int offset = 0; offset < 8 && start + offset < imageSize; ++offset)
        (*image)[std::size_t(start + offset)] = byteAt(message, 4 + offset);
}

bool DeviceProtocol::storeLedState(const QByteArray &message)
{
    bool changed = false;
    for (std::size_t led = 0; led < m_leddata.size(); ++led) {
        const quint8 state = byteAt(message, qsizetype(3 + led));
        if (state != m_leddata[led]) {
            m_leddata[led] = state;
            changed = true;
        }
    }
    return changed;
}
