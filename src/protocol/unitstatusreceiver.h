#pragma once

#include <QByteArray>
#include <QString>

// The communications window's part in the units' status replies.
class UnitStatusReceiver
{
public:
    virtual ~UnitStatusReceiver() = default;
    // An acknowledgement arrived.
    virtual void Rxack() = 0;
    // A unit name reply (status sub-code 3), the whole message.
    virtual void Rxname(const QByteArray &message) = 0;
    // The text for the core revision label.
    virtual void showCoreRevision(const QString &caption) = 0;
};
