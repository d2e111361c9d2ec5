#pragma once

#include <chrono>

// How far a picture moved by timer ticks has glided between two ticks: from
// the last tick's place towards the next tick's at the ticks' own pace,
// never beyond it, so that a late tick makes it wait rather than jump back.
class TickGlide
{
public:
    using Clock = std::chrono::steady_clock;

    explicit TickGlide(std::chrono::milliseconds interval)
        : m_interval(interval)
    {
    }

    void ticked(Clock::time_point at) { m_lastTick = at; }

    // The share of the way to the next tick's place, 0 to 1.
    double progress(Clock::time_point now) const
    {
        const std::chrono::duration<double> since = now - m_lastTick;
        const double share = since / std::chrono::duration<double>(m_interval);
        return share < 0 ? 0 : share > 1 ? 1 : share;
    }

private:
    std::chrono::milliseconds m_interval;
    Clock::time_point m_lastTick;
};
