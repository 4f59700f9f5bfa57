#include "launcher/korinviewconfig.h"

#include "korinview_config.h"

KorinviewConfig KorinviewConfig::fromBuild()
{
    return {
        QStringLiteral(KORINVIEW_SITE),
        QStringLiteral(KORINVIEW_PRODUCT_SITE),
        QStringLiteral(KORINVIEW_SITE_CAPTION),
        QStringLiteral(KORINVIEW_PRODUCT_CAPTION),
        QStringLiteral(KORINVIEW_SHARE_SITE),
        QStringLiteral(KORINVIEW_SHARE_KEY),
        QStringLiteral(KORINVIEW_GROUP_SITE),
        QStringLiteral(KORINVIEW_GROUP_KEY),
        QStringLiteral(KORINVIEW_VIDEO_SITE),
        QStringLiteral(KORINVIEW_SUPPORT_EMAIL),
    };
}

QString KorinviewConfig::downloadAddress(const char *path) const
{
    return site + QString::fromUtf8(path);
}

QString KorinviewConfig::sidePictureAddress(int number) const
{
    return site + QStringLiteral("/soft/images/%1.jpg").arg(number);
}

QString KorinviewConfig::shareAddress() const
{
    return shareSite + QStringLiteral("/share/home?uk=") + shareKey;
}

QString KorinviewConfig::groupAddress() const
{
    return groupSite + QStringLiteral("/wpa/qunwpa?idkey=") + groupKey;
}

QString KorinviewConfig::videoAddress() const
{
    return videoSite + QStringLiteral("/search_video/q_Korinplot");
}
