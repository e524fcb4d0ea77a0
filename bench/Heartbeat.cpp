#include "bench/Heartbeat.h"

#include <algorithm>

Heartbeat::Heartbeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
    m_clock.start();
    m_timer.start(intervalMilliseconds);
}

void Heartbeat::reset()
{
    m_last = m_clock.nsecsElapsed();
    m_longest = 0;
}

void Heartbeat::beat()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
}

double Heartbeat::longestGapMilliseconds() const
{
    // A gap still open counts as well: work that has not yet let the timer fire.
    return std::max(m_longest, m_clock.nsecsElapsed() - m_last) / 1e6;
}
