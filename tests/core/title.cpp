#include "core/title.h"

#include "tests/core/show.h"

#include <doctest.h>

namespace {

// The front ends lower with their toolkit; ASCII and Latin-1 letters are
// enough for these paths.
std::u16string lower(std::u16string_view text)
{
    std::u16string lowered(text);
    for (char16_t &c : lowered)
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c = char16_t(c + 32);
    return lowered;
}

} // namespace

TEST_CASE("the title is the program's file name, first letter kept, the rest lowered")
{
    struct Case
    {
        const char16_t *path;
        const char16_t *title;
    };
    const Case cases[] = {
        {u"/opt/KORINVIEW.EXE", u"Korinview"},      // upper case with extension
        {u"/usr/bin/launcher.beta.exe", u"launcher"}, // cut at the first dot
        {u"/X.EXE", u"X"},                          // one letter
        {u"/usr/bin/korinview", u"korinview"},      // installed name
        {u"/home/a.b/Korin", u"Korin"},             // dot in a directory
        {u"/tmp/ÄÖÜ", u"Äöü"},                      // non-ASCII lowered
    };
    for (const Case &c : cases)
        CHECK(titleFromExecutablePath(c.path, u'/', lower) == std::u16string(c.title));
}
