#include "core/recoverypolicy.h"

#include <doctest.h>

using namespace std::chrono_literals;

// 2 s after the first failure, doubling, held at 60 s however long the
// network stays away (no overflow after days of failures).
TEST_CASE("the retry delay doubles to a minute")
{
    CHECK(retryDelay(1) == 2000ms);
    CHECK(retryDelay(2) == 4000ms);
    CHECK(retryDelay(5) == 32000ms);
    CHECK(retryDelay(6) == 60000ms);
    CHECK(retryDelay(7) == 60000ms);
    CHECK(retryDelay(100000) == 60000ms);
}

// Three restarts in any minute: the fourth waits until the first is a
// minute old.
TEST_CASE("restarts are limited per minute")
{
    RestartBudget budget(3, 60s);
    CHECK(budget.take(0ms));
    CHECK(budget.take(10s));
    CHECK(budget.take(20s));
    CHECK(!budget.take(30s));
    CHECK(!budget.take(59999ms));
    CHECK(budget.take(60s));
    CHECK(!budget.take(65s));
    CHECK(budget.take(70s));
}

// A view that keeps failing waits longer each time, one request at a time;
// an answer, R or a new address starts the count again.
TEST_CASE("a failing view asks again later each time, one request at a time")
{
    RecoveryState view;
    view.restart();
    view.asked();
    CHECK(!view.mayRetry(true));
    CHECK(view.failed() == 2000ms);
    CHECK(view.failing());
    CHECK(view.wantsNetwork());
    CHECK(view.mayRetry(true));
    CHECK(!view.mayRetry(false));
    view.asked();
    CHECK(!view.failing());
    CHECK(view.failed() == 4000ms);
    view.asked();
    CHECK(view.failed() == 8000ms);
    view.restart();
    view.asked();
    CHECK(view.failed() == 2000ms);
    view.asked();
    view.answered();
    CHECK(!view.failing());
    CHECK(!view.wantsNetwork());
    view.asked();
    CHECK(view.failed() == 2000ms);
}

// Three renderers a minute are replaced; after that the view fails and
// waits, with no timer, until the network comes back or the user acts.
TEST_CASE("a view whose renderer keeps dying gives up until asked")
{
    RecoveryState view;
    view.asked();
    view.answered();
    // Dying during a load ends that load: the new one may go out.
    view.asked();
    CHECK(view.rendererEnded(0ms));
    CHECK(view.mayRetry(true));
    CHECK(view.rendererEnded(1s));
    CHECK(view.rendererEnded(2s));
    CHECK(!view.rendererEnded(3s));
    CHECK(view.failing());
    CHECK(view.wantsNetwork());
    view.stopped();
    CHECK(!view.failing());
    CHECK(view.mayRetry(true));
}

// A load stopped after the answer was overdue is still a failure, which the
// network's return brings back; one stopped by the user is not.
TEST_CASE("a stopped request")
{
    RecoveryState view;
    view.asked();
    CHECK(view.failed() == 2000ms);
    view.abandoned();
    CHECK(view.wantsNetwork());
    view.asked();
    view.abandoned();
    CHECK(!view.failing());
    CHECK(view.mayRetry(true));
    view.asked();
    CHECK(view.failed() == 4000ms);
}
