#pragma once

#include "tickclock.h"

// A tick clock that moves only when the test says so.
class ManualTickClock final : public TickClock
{
public:
    qint64 ticks() const override { return m_ticks; }
    void advance(qint64 ticks) { m_ticks += ticks; }

private:
    qint64 m_ticks = 0;
};
