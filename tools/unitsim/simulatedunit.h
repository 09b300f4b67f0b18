#pragma once

#include "unitconfig.h"
#include "unitlayout.h"

#include <QObject>
#include <QRandomGenerator>
#include <QUdpSocket>

class SerialLine;

// One simulated VK unit: answers discovery and addressed commands, answers every
// device message on its link (or serial line) the way the units do, keeps the layout
// written to it and can be told to misbehave.
class SimulatedUnit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimulatedUnit)

public:
    explicit SimulatedUnit(const UnitConfig &config, QObject *parent = nullptr);

    // Binds the link socket; false (and a log line) when that fails.
    bool start();
    // Device messages then come and go over the serial line as well.
    void attachSerial(SerialLine *line);

    const UnitConfig &config() const { return m_config; }
    const UnitLayout &layout() const { return m_layout; }
    QString label() const;
    QString recordedIpAddress() const { return m_recordedIp; }
    int messagesReceived() const { return m_messages; }

    // The "*ZRdev" reply text this unit gives now.
    QByteArray discoveryReply() const;

    // A management datagram heard on the discovery port.
    void handleManagement(const QByteArray &datagram, const QHostAddress &sender);

    // Unsolicited messages, sent to the computer last heard from.
    void sendUnsolicited(const QByteArray &messageWithoutChecksum);
    static QByteArray cyclicMessage();
    static QByteArray statusMessage();
    static QByteArray ledMessage(quint8 first, quint8 second, quint8 third);
    static QByteArray revisionMessage();
    QByteArray nameMessage() const;

signals:
    void logLine(const QString &line);

private:
    enum class Channel { Link, Serial };

    void readLinkDatagrams();
    void handleDeviceMessage(const QByteArray &message, Channel channel);
    QByteArray replyTo(const QByteArray &message) const;
    bool replyDropped();
    void sendReply(const QByteArray &framedReply, Channel channel);
    void transmit(const QByteArray &framedMessage, Channel channel);
    void applyCommand(QByteArrayView command);
    void log(const QString &direction, const QString &peer, const QString &what);

    UnitConfig m_config;
    UnitLayout m_layout;
    QUdpSocket m_link;
    QUdpSocket m_replies;
    SerialLine *m_serial = nullptr;
    QHostAddress m_computer;
    QString m_recordedIp;
    QRandomGenerator m_random;
    int m_messages = 0;
};
