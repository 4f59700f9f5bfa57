#include "core/exception.h"

#include "tests/core/show.h"

#include <doctest.h>

#include <string>

TEST_CASE("each error class reports its own name, through a copy too")
{
    CHECK(EOleException(u"x", -1).className() == u"EOleException");
    const std::unique_ptr<Exception> copy = EFOpenError(u"x").clone();
    CHECK(copy->className() == u"EFOpenError");
    CHECK(dynamic_cast<EOleSysError *>(EOleException(u"x", 5).clone().get()));
    CHECK(std::string(EFOpenError(u"无法打开").what()) == "无法打开");
}
