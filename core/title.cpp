#include "core/title.h"

std::u16string titleFromExecutablePath(std::u16string_view path, char16_t separator, LowerCase lowerCase)
{
    std::u16string_view name = path.substr(0, 256);
    if (const auto last = name.rfind(separator); last != std::u16string_view::npos)
        name.remove_prefix(last + 1);
    name = name.substr(0, name.find(u'.'));
    if (name.size() <= 1)
        return std::u16string(name);
    return name.front() + lowerCase(name.substr(1));
}
