#include "qt/textheight.h"

#include <QFontMetricsF>

#include <cmath>

int measuredTextHeight(const QFont &font)
{
    // The cell height (ascent plus descent) rounded up, as a text line is laid out.
    return static_cast<int>(std::ceil(QFontMetricsF(font).height()));
}
