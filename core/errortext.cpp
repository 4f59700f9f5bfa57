#include "core/errortext.h"

#include "core/exception.h"
#include "core/unicode.h"

std::u16string withFullStop(const std::u16string &text)
{
    if (!text.empty() && text.back() > u'.')
        return text + u'.';
    return text;
}

std::u16string errorBoxText(const Exception &error)
{
    std::u16string text = error.message();
    for (const Exception *inner = error.innerException(); inner; inner = inner->innerException()) {
        if (!inner->message().empty())
            text = inner->message();
    }
    return withFullStop(text);
}

std::u16string fatalText(const FatalReport &report)
{
    const bool needsStop = !report.message.empty() && report.message.back() != u'.';
    std::u16string text = u"Exception " + report.className + u" in module " + report.moduleName + u" at "
                          + hexDigits(report.offset, 8) + u".\r\n" + report.message + (needsStop ? u"." : u"")
                          + u"\r\n";
    return text.substr(0, kFatalTextLimit);
}
