#pragma once

#include <QByteArray>

#include <array>

class ConnectIndicator;
class LayoutReplyReceiver;
class MessageSender;
class TrafficMonitor;
class UnitStatusReceiver;

// The protocol state shared with the units: the reply wait counters, the last LED
// state and the images of configuration blocks 0, 2 and 3. Dispatches every message
// a unit sends to the parts of the program it concerns and logs it.
class DeviceProtocol final
{
public:
    static constexpr int imageSize = 65;
    static constexpr int ledCount = 3;

    explicit DeviceProtocol(TrafficMonitor &monitor);

    // Receivers that do not exist yet are left out.
    void setConnectIndicator(ConnectIndicator *indicator) { m_connect = indicator; }
    void setLayoutReplyReceiver(LayoutReplyReceiver *receiver) { m_layoutReplies = receiver; }
    void setUnitStatusReceiver(UnitStatusReceiver *receiver) { m_unitStatus = receiver; }
    void setMessageSender(MessageSender *sender) { m_sender = sender; }

    // Greater than 0 while a reply of the master unit (or the serial line) or of the
    // slave unit is awaited.
    int waitack() const { return m_waitack; }
    void setWaitack(int count) { m_waitack = count; }
    int waitack2() const { return m_waitack2; }
    void setWaitack2(int count) { m_waitack2 = count; }

    bool showcyclic() const { return m_showcyclic; }
    const std::array<quint8, ledCount> &leddata() const { return m_leddata; }
    const std::array<quint8, imageSize> &uconfig() const { return m_uconfig; }
    const std::array<quint8, imageSize> &bconfig() const { return m_bconfig; }
    const std::array<quint8, imageSize> &usbconfig() const { return m_usbconfig; }

    // Writes `value` at `address` of configuration block `block` on the units.
    void wrteemu(quint8 block, quint8 address, quint8 value);
    static QByteArray configurationWrite(quint8 block, quint8 address, quint8 value);

    // One complete message from a unit, checksum included. A message shorter than
    // what its type reads is ignored whole.
    void parsev2(const QByteArray &message);

    // The least number of bytes a received message of this kind must have.
    static qsizetype minimumLength(QByteArrayView message);

private:
    void storeConfiguration(const QByteArray &message);
    bool storeLedState(const QByteArray &message);

    TrafficMonitor &m_monitor;
    ConnectIndicator *m_connect = nullptr;
    LayoutReplyReceiver *m_layoutReplies = nullptr;
    UnitStatusReceiver *m_unitStatus = nullptr;
    MessageSender *m_sender = nullptr;
    int m_waitack = 0;
    int m_waitack2 = 0;
    bool m_showcyclic = true;
    std::array<quint8, ledCount> m_leddata{};
    std::array<quint8, imageSize> m_uconfig{};
    std::array<quint8, imageSize> m_bconfig{};
    std::array<quint8, imageSize> m_usbconfig{};
};
