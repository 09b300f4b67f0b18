#pragma once

#include <QByteArray>

// Takes the units' group-D layout replies into the stem table.
class LayoutReplyReceiver
{
public:
    virtual ~LayoutReplyReceiver() = default;
    virtual void parsevk2(const QByteArray &message) = 0;
};
