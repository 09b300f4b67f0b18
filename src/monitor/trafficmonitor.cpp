#include "trafficmonitor.h"

TrafficMonitor::TrafficMonitor(QObject *parent) : QObject(parent) {}

void TrafficMonitor::Disp_string(QByteArrayView bytes)
{
    if (!m_paused)
        m_lines.addLine(bytes);
}

void TrafficMonitor::Disp_array(QByteArrayView message, const QString &prefix)
{
    if (m_paused)
        return;
    qsizetype shown = 0;
    if (!message.isEmpty())
        shown = std::min<qsizetype>(message.size(), (quint8(message.at(0)) & 0x0F) + 3);
    m_lines.addLine(message.first(shown), prefix);
}

void TrafficMonitor::Clearall()
{
    m_lines.clear();
    if (m_noAck != 0) {
        m_noAck = 0;
        emit noAckCountChanged(m_noAck);
    }
}

void TrafficMonitor::incnoack()
{
    ++m_noAck;
    emit noAckCountChanged(m_noAck);
}
