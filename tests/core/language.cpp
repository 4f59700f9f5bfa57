#include "core/language.h"

#include <doctest.h>

TEST_CASE("a locale's language identifier and whether it is Chinese")
{
    struct Case
    {
        const char *locale;
        int id;
        bool chinese;
    };
    const Case cases[] = {
        {"zh_TW.UTF-8", 0x0404, true},     // Taiwan
        {"zh_CN", 0x0804, true},           // mainland
        {"zh_HK.Big5-HKSCS", 0x0C04, true}, // Hong Kong
        {"zh_SG.GBK", 0x1004, true},       // Singapore
        {"zh_MO@modifier", 0x1404, true},  // Macao
        {"zh", 0x0004, false},             // bare Chinese
        {"zh_XX.UTF-8", 0x0004, false},    // other Chinese territory
        {"en_US.UTF-8", 0x0409, false},    // US English
        {"de_LI", 0x0407, false},          // German, unknown territory
        {"C", 0x0409, false},
        {"POSIX", 0x0409, false},
        {"", 0x0409, false},
        {"xx_YY", 0x0409, false},          // unknown
    };
    for (const Case &c : cases) {
        CAPTURE(c.locale);
        CHECK(int(langIdFromLocale(c.locale)) == c.id);
        CHECK(isChineseLangID(std::uint16_t(c.id)) == c.chinese);
    }
}

TEST_CASE("other Chinese identifiers are English")
{
    CHECK(!isChineseLangID(0x7C04));
    CHECK(!isChineseLangID(2308));
    CHECK(isChineseLangID(2052));
}
