#pragma once

#include <string>

// The addresses, keys and captions the launcher is built with. The program
// takes them from the build only; tests hand the window other values.
struct KorinviewConfig
{
    std::u16string site; // maker's web site: downloads and side pictures
    std::u16string productSite;
    std::u16string siteCaption;
    std::u16string productCaption;
    std::u16string shareSite;
    std::u16string shareKey;
    std::u16string groupSite;
    std::u16string groupKey;
    std::u16string videoSite;
    std::u16string supportEmail;

    static KorinviewConfig fromBuild();

    std::u16string downloadAddress(const char *path) const;
    std::u16string sidePictureAddress(int number) const;
    std::u16string shareAddress() const;
    std::u16string groupAddress() const;
    std::u16string videoAddress() const;
};
