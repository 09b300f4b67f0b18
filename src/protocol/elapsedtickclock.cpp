#include "elapsedtickclock.h"

ElapsedTickClock::ElapsedTickClock()
{
    m_elapsed.start();
}

qint64 ElapsedTickClock::ticks() const
{
    return ticksForMilliseconds(m_elapsed.elapsed());
}

qint64 ElapsedTickClock::ticksForMilliseconds(qint64 milliseconds)
{
    return milliseconds * ticksPerSecond / 1000;
}
