#pragma once

#include <algorithm>
#include <chrono>
#include <deque>

// The rules of a view that mends itself: when it asks again after a failed
// load, how often it may bring back a page whose renderer died, and what it
// does after each event. Every view of both programs follows them.

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

// Nothing of an answer within this long: the request has failed.
inline constexpr std::chrono::milliseconds kAnswerDeadline = std::chrono::seconds(20);

// One view's recovery. The front end sends the requests, shows the notice
// while failing() holds and runs one retry timer; this says when.
class RecoveryState
{
public:
    // A new address, or R: the count of failures starts again; the caller
    // asks at once (a newer request replaces the one under way).
    void restart() { m_failures = 0; }
    // A request went out.
    void asked() { m_phase = Phase::Asking; }
    // The answer came and is shown.
    void answered()
    {
        m_phase = Phase::Shown;
        m_failures = 0;
    }
    // No network, no answer in time or an answer that cannot be shown: the
    // wait before asking again by itself.
    std::chrono::milliseconds failed()
    {
        m_phase = Phase::Failed;
        ++m_failures;
        return retryDelay(m_failures);
    }
    // The request under way ended without an answer of its own: stopped by
    // the user or replaced by a newer one. A failure stays a failure.
    void abandoned()
    {
        if (m_phase == Phase::Asking)
            m_phase = Phase::Idle;
    }
    // The renderer showing the page died at `now`, and any request under
    // way with it: true to ask again at once; false when it died too often,
    // and the view fails and waits for R, a new address or the network,
    // with no retry timer.
    bool rendererEnded(std::chrono::milliseconds now)
    {
        abandoned();
        if (m_restarts.take(now))
            return true;
        m_phase = Phase::Failed;
        ++m_failures;
        return false;
    }
    // Nothing to show and nothing asked for: no load under way, no notice.
    void stopped()
    {
        m_phase = Phase::Idle;
        m_failures = 0;
    }

    // Whether the retry timer may ask now: one request at a time, and a view
    // something covers waits until it is brought forward, which asks anyway.
    bool mayRetry(bool inFront) const { return m_phase != Phase::Asking && inFront; }
    // The desktop says the network is back: ask at once (when mayRetry).
    bool wantsNetwork() const { return m_phase == Phase::Failed; }
    bool failing() const { return m_phase == Phase::Failed; }
    bool asking() const { return m_phase == Phase::Asking; }

private:
    enum class Phase { Idle, Asking, Shown, Failed };

    Phase m_phase = Phase::Idle;
    int m_failures = 0;
    RestartBudget m_restarts{3, std::chrono::minutes(1)};
};
