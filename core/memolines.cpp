#include "core/memolines.h"

#include "core/exception.h"

void raiseMemoCapacity()
{
    throw EInvalidOperation(kMemoCapacityText);
}

void checkMemoCapacity(std::size_t length)
{
    if (length > kMemoCapacity)
        raiseMemoCapacity();
}

std::u16string appendLine(std::u16string_view text, std::u16string_view line)
{
    std::u16string result(text);
    if (text.empty() || text.ends_with(u"\r\n")) {
        result += line;
        result += u"\r\n";
    } else {
        result += u"\r\n";
        result += line;
    }
    return result;
}
