#pragma once

#include <QList>
#include <QObject>
#include <QUdpSocket>

class SimulatedUnit;

// Listens for management datagrams on the discovery port for every simulated unit
// of this process. Bound to all addresses and shared, so that broadcasts reach it
// whatever address the units use, and other simulators on this host hear them too.
class SimulatorHost final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimulatorHost)

public:
    explicit SimulatorHost(quint16 discoveryPort, QObject *parent = nullptr);

    bool start();
    QString errorString() const { return m_socket.errorString(); }
    void addUnit(SimulatedUnit *unit) { m_units.append(unit); }

signals:
    void logLine(const QString &line);

private:
    void readDatagrams();

    quint16 m_discoveryPort;
    QUdpSocket m_socket;
    QList<SimulatedUnit *> m_units;
};
