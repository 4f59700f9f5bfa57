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
