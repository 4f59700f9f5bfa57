#include "qt/commandline.h"

#include "korinview_config.h"

#include <cstring>

namespace {

constexpr const char *kUsage = R"(Usage: korinview [--help | --version]

Korinview shows the Korinware laser-engraving programs in one window. Each
install button opens that edition's download in the default web browser; the
toolbar leads to the maker's web sites, downloads, video tutorials and user
community.

The interface is Chinese when the locale is zh_CN, zh_TW, zh_HK, zh_SG or
zh_MO, English otherwise. The locale is taken from LC_ALL, else LC_MESSAGES,
else LANG.

readme.txt (Chinese) or readme_en.txt (English) in the current directory,
when present, replaces the built-in description. A byte-order mark selects
UTF-8 or UTF-16; without one the locale's codeset applies.

  --help     show this text and exit
  --version  show the version and exit
)";

} // namespace

std::optional<std::string> commandLineReply(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            return kUsage;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::string("korinview ") + KORINVIEW_VERSION + "\n";
    }
    return std::nullopt;
}
