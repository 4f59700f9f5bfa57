#include "core/systemtext.h"

#include <doctest.h>

// The box adds its own full stop: whatever the system's text ends with
// (a line break, its own stop, a translation's no-break or ideographic
// space) must go, and nothing inside it.
TEST_CASE("the system's reason in a cannot-open text")
{
    CHECK(trimMessage(u"Access is denied.\r\n") == u"Access is denied");
    CHECK(trimMessage(u"Accès refusé\u00A0.\u3000\x7F\x85") == u"Accès refusé");
    CHECK(trimMessage(u"v1.2 not found. \t") == u"v1.2 not found");
    CHECK(trimMessage(u" .\r\n") == u"");
    CHECK(openErrorText(u"/x/readme.txt", u"Permission denied\n")
          == u"Cannot open file \"/x/readme.txt\". Permission denied");

    CHECK(resultCodeText(static_cast<std::int32_t>(0x80004005u)) == u"Unspecified error");
    CHECK(resultCodeText(static_cast<std::int32_t>(0x80004005u), u"The system's own.\r\n") == u"The system's own");
    CHECK(resultCodeText(static_cast<std::int32_t>(0x8000FFFFu)) == u"OLE error 8000FFFF");
}
