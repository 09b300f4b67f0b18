#pragma once

#include <QByteArray>

// The single path by which device messages leave the program: the serial port when
// one is open, otherwise link datagrams to the selected units.
class MessageSender
{
public:
    virtual ~MessageSender() = default;
    virtual void v2write(const QByteArray &message) = 0;
};
