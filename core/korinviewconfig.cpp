#include "core/korinviewconfig.h"

#include "core/unicode.h"

#include "korinview_config.h"

KorinviewConfig KorinviewConfig::fromBuild()
{
    return {
        fromUtf8(KORINVIEW_SITE),
        fromUtf8(KORINVIEW_PRODUCT_SITE),
        fromUtf8(KORINVIEW_SITE_CAPTION),
        fromUtf8(KORINVIEW_PRODUCT_CAPTION),
        fromUtf8(KORINVIEW_SHARE_SITE),
        fromUtf8(KORINVIEW_SHARE_KEY),
        fromUtf8(KORINVIEW_GROUP_SITE),
        fromUtf8(KORINVIEW_GROUP_KEY),
        fromUtf8(KORINVIEW_VIDEO_SITE),
        fromUtf8(KORINVIEW_SUPPORT_EMAIL),
    };
}

std::u16string KorinviewConfig::downloadAddress(const char *path) const
{
    return site + fromUtf8(path);
}

std::u16string KorinviewConfig::sidePictureAddress(int number) const
{
    return site + u"/soft/images/" + fromAscii(std::to_string(number)) + u".jpg";
}

std::u16string KorinviewConfig::shareAddress() const
{
    return shareSite + u"/share/home?uk=" + shareKey;
}

std::u16string KorinviewConfig::groupAddress() const
{
    return groupSite + u"/wpa/qunwpa?idkey=" + groupKey;
}

std::u16string KorinviewConfig::videoAddress() const
{
    return videoSite + u"/search_video/q_Korinplot";
}
