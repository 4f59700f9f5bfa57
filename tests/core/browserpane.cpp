#include "core/browserpane.h"

#include <doctest.h>

// Only web addresses reach the desktop's browser: a page's file:, javascript:
// or a registered program's scheme would run something on the user's machine.
TEST_CASE("only http and https addresses are handed on")
{
    CHECK(handedToBrowser(u"http://example.com/"));
    CHECK(handedToBrowser(u"HTTPS://example.com/file.exe"));
    CHECK(!handedToBrowser(u"https:"));
    CHECK(!handedToBrowser(u"file:///C:/Windows/notepad.exe"));
    CHECK(!handedToBrowser(u"javascript:alert(1)"));
    CHECK(!handedToBrowser(u"ms-settings:"));
    CHECK(!handedToBrowser(u" http://example.com/"));
    CHECK(!handedToBrowser(u""));
}

// The forcing value of each version, the newest for any later one, none
// before the first that had the setting.
TEST_CASE("the control draws in its newest document mode")
{
    CHECK(browserEmulation(11) == 11001);
    CHECK(browserEmulation(12) == 11001);
    CHECK(browserEmulation(10) == 10001);
    CHECK(browserEmulation(9) == 9999);
    CHECK(browserEmulation(8) == 8888);
    CHECK(browserEmulation(7) == 0);
    CHECK(browserEmulation(0) == 0);
}
