#include "serialline.h"

#include "unitframe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SerialLine::SerialLine(QObject *parent) : QObject(parent) {}

SerialLine::~SerialLine()
{
    m_notifier.reset();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool SerialLine::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_path = QString::fromLocal8Bit(::ptsname(m_master));
    // Kept open so that the line stays up while no program has it open, and raw so
    // that no byte is translated or echoed.
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_slave, TCSANOW, &settings);

    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SerialLine::readAvailable);
    return true;
}

void SerialLine::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    // Like a real line: what the other end does not take in time is lost.
    const ssize_t written = ::write(m_master, bytes.constData(), std::size_t(bytes.size()));
    Q_UNUSED(written);
}

void SerialLine::readAvailable()
{
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count <= 0)
            break;
        take(QByteArray(buffer, count));
    }
}

void SerialLine::take(const QByteArray &bytes)
{
    m_pending.append(bytes);
    QByteArray dropped;
    while (!m_pending.isEmpty()) {
        const qsizetype length = (quint8(m_pending.at(0)) & 0x0F) + 3;
        if (m_pending.size() < length)
            break;
        const QByteArray candidate = m_pending.left(length);
        if (unitframe::checksumValid(candidate)) {
            m_pending.remove(0, length);
            emit messageReceived(candidate);
        } else {
            dropped.append(m_pending.at(0));
            m_pending.remove(0, 1);
        }
    }
    if (!dropped.isEmpty())
        emit bytesDropped(dropped);
}
