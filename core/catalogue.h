#pragma once

#include <array>

// One installable edition: the button that offers it, its captions (no
// English caption: the button is never shown in English) and where the
// setup program lies on the maker's site.
struct CatalogueRow
{
    const char *control;
    const char *group;
    const char *chinese;
    const char *english;
    const char *downloadPath;
};

inline constexpr std::array<CatalogueRow, 12> kCatalogue{{
    {"Button8", "Panel5", "安装Korinplot全功能国际版", "Install Korinplot(All function)", "/soft/Korinplot/Korinplot.exe"},
    {"Button23", "Panel5", "安装KorinplotX新英文版", "Install KorinplotX(New English)", "/soft/Korinplot/KorinplotX.exe"},
    {"Button9", "Panel5", "安装Korinplot中文版", nullptr, "/soft/Korinplot/Korinplot_cn.exe"},
    {"Button10", "Panel5", "安装Korinplot精简版", nullptr, "/soft/Korinplot/Korinplot_lite.exe"},
    {"Button21", "Panel12", "安装Korinplot5.20左上原点国际版", "Install Korinplot5.20 TopLeft", "/soft/Korinplot5.20/Korinplot_left.exe"},
    {"Button22", "Panel12", "安装Korinplot5.20右上原点国际版", "Install Korinplot5.20 TopRight", "/soft/Korinplot5.20/Korinplot_right.exe"},
    {"Button11", "Panel7", "安装3.40中文版A型板左上原点标准版A11", nullptr, "/soft/soft340/setupA_left_std.exe"},
    {"Button12", "Panel7", "安装3.40中文版A型板右上原点标准版A21", nullptr, "/soft/soft340/setupA_right_std.exe"},
    {"Button13", "Panel7", "安装3.40中文版A型板左上原点精简版A12", nullptr, "/soft/soft340/setupA_left_lite.exe"},
    {"Button14", "Panel7", "安装3.40中文版A型板右上原点精简版A22", nullptr, "/soft/soft340/setupA_right_lite.exe"},
    {"Button15", "Panel8", "安装3.40中文版B型板左上原点精简版B12", nullptr, "/soft/soft340/setupB_left_lite.exe"},
    {"Button16", "Panel8", "安装3.40中文版B型板右上原点精简版B22", nullptr, "/soft/soft340/setupB_right_lite.exe"},
}};

// The row of an install button; the button must be in the catalogue.
const CatalogueRow &catalogueRow(const char *control);
