#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// The unit's end of a serial line, made as a pseudo-terminal: the computer opens the
// printed path as its serial port. Cuts the byte stream into device messages by
// their count nibble and checksum, sliding on one byte past anything that is not one.
class SerialLine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SerialLine)

public:
    explicit SerialLine(QObject *parent = nullptr);
    ~SerialLine() override;

    // Creates the pseudo-terminal; false with errorString() set when that fails.
    bool open();
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    void write(const QByteArray &bytes);
    // Feeds received bytes through the message cutter (what the terminal delivers).
    void take(const QByteArray &bytes);

signals:
    void messageReceived(const QByteArray &message);
    void bytesDropped(const QByteArray &bytes);

private:
    void readAvailable();

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QString m_error;
    QByteArray m_pending;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
