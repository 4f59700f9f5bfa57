#include "core/browserpane.h"

namespace {

bool startsWithScheme(std::u16string_view address, std::u16string_view scheme)
{
    if (address.size() < scheme.size())
        return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        char16_t c = address[i];
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != scheme[i])
            return false;
    }
    return true;
}

} // namespace

bool handedToBrowser(std::u16string_view address)
{
    return startsWithScheme(address, u"http://") || startsWithScheme(address, u"https://");
}

std::uint32_t browserEmulation(int majorVersion)
{
    // Versions 8 and 9 have their forcing values out of the pattern of the
    // later ones; older controls know no such value.
    if (majorVersion >= 11)
        return 11001;
    switch (majorVersion) {
    case 10:
        return 10001;
    case 9:
        return 9999;
    case 8:
        return 8888;
    default:
        return 0;
    }
}
