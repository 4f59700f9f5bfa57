#pragma once

// How doctest prints core's values when a comparison fails.

#include "core/docking.h"
#include "core/placement.h"
#include "core/unicode.h"

#include <doctest.h>

#include <string>

namespace doctest {

template <> struct StringMaker<std::u16string>
{
    static String convert(const std::u16string &text) { return ('"' + toUtf8(text) + '"').c_str(); }
};

template <> struct StringMaker<DockRect>
{
    static String convert(const DockRect &r)
    {
        return ("{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + ", " +
                std::to_string(r.height) + "}")
            .c_str();
    }
};

template <> struct StringMaker<DockPoint>
{
    static String convert(const DockPoint &p)
    {
        return ("(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")").c_str();
    }
};

} // namespace doctest
