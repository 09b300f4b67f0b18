#include "simulatorhost.h"

#include "simulatedunit.h"
#include "unitframe.h"

#include <QNetworkDatagram>

using namespace Qt::StringLiterals;

SimulatorHost::SimulatorHost(quint16 discoveryPort, QObject *parent)
    : QObject(parent), m_discoveryPort(discoveryPort)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &SimulatorHost::readDatagrams);
}

bool SimulatorHost::start()
{
    return m_socket.bind(QHostAddress::AnyIPv4, m_discoveryPort,
                         QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
}

void SimulatorHost::readDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        emit logLine(u"[host] in    %1:%2 management %3 \"%4\""_s.arg(
            datagram.senderAddress().toString(), QString::number(datagram.senderPort()),
            unitframe::hex(datagram.data()), QString::fromLatin1(datagram.data()).left(6)));
        for (SimulatedUnit *unit : std::as_const(m_units))
            unit->handleManagement(datagram.data(), datagram.senderAddress());
    }
}
