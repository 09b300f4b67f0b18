#pragma once

#include "trafficlogmodel.h"

#include <QObject>

// What the traffic monitor does, apart from its window: the log of device messages,
// "Pause", and the count of replies that never came. Callers log only while the
// window shows, which the window reports through setShowing().
class TrafficMonitor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrafficMonitor)

public:
    explicit TrafficMonitor(QObject *parent = nullptr);

    TrafficLogModel &lines() { return m_lines; }
    const TrafficLogModel &lines() const { return m_lines; }

    bool isShowing() const { return m_showing; }
    void setShowing(bool showing) { m_showing = showing; }

    bool paused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }

    int noAckCount() const { return m_noAck; }

    // An outgoing message or datagram: every byte, no prefix.
    void Disp_string(QByteArrayView bytes);
    // A received device message: the bytes its count nibble says it has, after the
    // prefix; a short message shows what it has.
    void Disp_array(QByteArrayView message, const QString &prefix);
    void Clearall();
    void incnoack();

signals:
    void noAckCountChanged(int count);

private:
    TrafficLogModel m_lines;
    bool m_showing = false;
    bool m_paused = false;
    int m_noAck = 0;
};
