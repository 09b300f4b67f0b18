#pragma once

#include <QtGlobal>

// The platform's tick clock: 60 ticks a second. Reply timeouts are counted in ticks.
class TickClock
{
public:
    static constexpr int ticksPerSecond = 60;

    virtual ~TickClock() = default;
    virtual qint64 ticks() const = 0;
};
