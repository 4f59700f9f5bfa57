#include "core/errortext.h"
#include "core/exception.h"

#include "tests/core/show.h"

#include <doctest.h>

TEST_CASE("the error box's text ends in a full stop unless it ends in . ! or )")
{
    struct Case
    {
        const char16_t *message;
        const char16_t *shown;
    };
    const Case cases[] = {
        {u"Unspecified error", u"Unspecified error."}, // letter
        {u"code 5", u"code 5."},                       // digit
        {u"Done.", u"Done."},                          // full stop
        {u"Stop!", u"Stop!"},                          // exclamation
        {u"Why?", u"Why?."},                           // question mark
        {u"Reason:", u"Reason:."},                     // colon
        {u"(x)", u"(x)"},                              // closing parenthesis
        {u"x ", u"x "},                                // trailing blank
        {u"错误", u"错误."},                           // Chinese
        {u"", u""},                                    // empty
    };
    for (const Case &c : cases)
        CHECK(errorBoxText(Exception(c.message)) == std::u16string(c.shown));
}

TEST_CASE("the error box shows the innermost error that says something")
{
    const Exception innermost(u"disk gone");
    const Exception middle(u"", innermost);
    CHECK(errorBoxText(Exception(u"outer", middle)) == u"disk gone.");
    CHECK(errorBoxText(Exception(u"outer", Exception(u""))) == u"outer.");
    CHECK(Exception(u"outer", middle).baseException().message() == u"disk gone");
}

TEST_CASE("the fatal report's format and length")
{
    FatalReport report{u"EOleSysError", u"korinview", 0x1A2B, u"No such interface supported"};
    CHECK(fatalText(report) == u"Exception EOleSysError in module korinview at 00001A2B.\r\nNo such interface supported.\r\n");
    report.message = u"Ends here.";
    CHECK(fatalText(report).ends_with(u"\r\nEnds here.\r\n"));
    report.message.clear();
    CHECK(fatalText(report).ends_with(u"00001A2B.\r\n\r\n"));
    report.message = std::u16string(2000, u'x');
    CHECK(fatalText(report).size() == kFatalTextLimit);
}
