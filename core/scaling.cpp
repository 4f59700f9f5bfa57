#include "core/scaling.h"

#include <cstdint>
#include <cstdlib>

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t divisor = c;
    std::int64_t quotient = product / divisor;
    const std::int64_t remainder = product % divisor;
    // Round half away from zero: compare twice the remainder with the divisor.
    if (2 * std::llabs(remainder) >= std::llabs(divisor))
        quotient += ((product < 0) != (divisor < 0)) ? -1 : 1;
    return static_cast<int>(quotient);
}

int scaledFontHeight(int pixelsPerInch)
{
    return mulDiv(kDesignFontHeight, pixelsPerInch, kDesignPixelsPerInch);
}

DockRect scaleBounds(const DockRect &bounds, int n, int t)
{
    DockRect scaled;
    scaled.left = mulDiv(bounds.left, n, t);
    scaled.top = mulDiv(bounds.top, n, t);
    scaled.width = mulDiv(bounds.left + bounds.width, n, t) - scaled.left;
    scaled.height = mulDiv(bounds.top + bounds.height, n, t) - scaled.top;
    return scaled;
}

int scaleLength(int length, int n, int t)
{
    return mulDiv(length, n, t);
}
