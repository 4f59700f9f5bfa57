#pragma once

#include <QString>

// The addresses, keys and captions the launcher is built with. The program
// takes them from the build only; tests hand the window other values.
struct KorinviewConfig
{
    QString site;           // maker's web site: downloads and side pictures
    QString productSite;
    QString siteCaption;
    QString productCaption;
    QString shareSite;
    QString shareKey;
    QString groupSite;
    QString groupKey;
    QString videoSite;
    QString supportEmail;

    static KorinviewConfig fromBuild();

    QString downloadAddress(const char *path) const;
    QString sidePictureAddress(int number) const;
    QString shareAddress() const;
    QString groupAddress() const;
    QString videoAddress() const;
};
