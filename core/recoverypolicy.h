#pragma once

#include <algorithm>
#include <chrono>
#include <deque>

// The arithmetic of a web view that mends itself: when it asks again after a
// failed load, and how often it may bring back a page whose renderer died.

// The wait before asking again after the given number of failures in a row
// (at least one): 2 s, doubling each time, never more than 60 s.
constexpr std::chrono::milliseconds retryDelay(int failures)
{
    using namespace std::chrono_literals;
    constexpr std::chrono::milliseconds longest = 60s;
    std::chrono::milliseconds delay = 2s;
    for (int i = 1; i < failures && delay < longest; ++i)
        delay *= 2;
    return std::min(delay, longest);
}

// Allows at most `limit` restarts within any stretch of `window`.
class RestartBudget
{
public:
    RestartBudget(int limit, std::chrono::milliseconds window) : m_limit(limit), m_window(window) {}

    // Takes one restart at the given time (any steadily rising clock) if the
    // budget allows it.
    bool take(std::chrono::milliseconds now)
    {
        while (!m_taken.empty() && now - m_taken.front() >= m_window)
            m_taken.pop_front();
        if (static_cast<int>(m_taken.size()) >= m_limit)
            return false;
        m_taken.push_back(now);
        return true;
    }

private:
    int m_limit;
    std::chrono::milliseconds m_window;
    std::deque<std::chrono::milliseconds> m_taken;
};
