#include "core/caughterror.h"

#include "core/exception.h"

#include <doctest.h>

#include <stdexcept>

namespace {

FatalReport inProgram(const void *)
{
    FatalReport report;
    report.moduleName = u"korinview.exe";
    report.offset = 0x1234;
    return report;
}

template <class Error>
GuardReport guarded(const Error &error)
{
    try {
        throw error;
    } catch (...) {
        return guardReport(std::current_exception(), inProgram, nullptr);
    }
}

} // namespace

// A cancelled action says nothing, a launcher error says its own text, and
// anything else must still reach the user, naming what it was.
TEST_CASE("the event guard sorts what escapes a handler")
{
    CHECK(guarded(EAbort(u"cancelled")).kind == GuardReport::Kind::Silent);

    const GuardReport box = guarded(EFOpenError(u"outer", EInvalidOperation(u"Cannot open")));
    CHECK(box.kind == GuardReport::Kind::ErrorBox);
    CHECK(box.text == u"Cannot open.");

    const GuardReport fatal = guarded(std::runtime_error("bad state"));
    CHECK(fatal.kind == GuardReport::Kind::Fatal);
    CHECK(fatal.text == u"Exception std::runtime_error in module korinview.exe at 00001234.\r\nbad state.\r\n");
    CHECK(guarded(42).text == u"Exception int in module korinview.exe at 00001234.\r\n\r\n");
}
