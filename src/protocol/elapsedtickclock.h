#pragma once

#include "tickclock.h"

#include <QElapsedTimer>

// Ticks since the clock was made, from the monotonic clock.
class ElapsedTickClock final : public TickClock
{
public:
    ElapsedTickClock();

    qint64 ticks() const override;

    static qint64 ticksForMilliseconds(qint64 milliseconds);

private:
    QElapsedTimer m_elapsed;
};
