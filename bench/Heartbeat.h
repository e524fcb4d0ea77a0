#pragma once

#include <QElapsedTimer>
#include <QTimer>

// A timer that should fire every 10 ms on the GUI thread, and the longest it had to wait since
// the last reset: how long the window could not answer.
class Heartbeat
{
public:
    static constexpr int intervalMilliseconds = 10;

    Heartbeat();

    void reset();
    double longestGapMilliseconds() const;

private:
    void beat();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
