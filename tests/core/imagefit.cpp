#include "core/imagefit.h"

#include <doctest.h>

// The 8000 x 6000 photograph is shown; a header claiming more than 256 MiB
// decoded, or sizes whose product leaves 32 bits, is refused, as is an empty one.
TEST_CASE("a picture is refused when its header claims too much")
{
    CHECK(pictureSizeAllowed(8000, 6000));
    CHECK(pictureSizeAllowed(8192, 8192));
    CHECK_FALSE(pictureSizeAllowed(8192, 8193));
    CHECK_FALSE(pictureSizeAllowed(65535, 65535));
    CHECK_FALSE(pictureSizeAllowed(2147483647, 2147483647));
    CHECK_FALSE(pictureSizeAllowed(0, 6000));
    CHECK_FALSE(pictureSizeAllowed(8000, -1));
}
