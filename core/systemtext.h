#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// `text` less its trailing white space (Unicode's, the no-break and
// ideographic spaces included), control characters and full stops, which
// system and control texts end with but an error box adds its own.
std::u16string trimMessage(std::u16string_view text);

// "Cannot open file "<full path>". <the system's reason>", the reason trimmed.
std::u16string openErrorText(std::u16string_view fullPath, std::u16string_view systemMessage);

// The text for a failed call's result code: the system's own text for it,
// trimmed; where the system has none, the usual name of a common result
// ("Unspecified error"), else "OLE error %.8X".
std::u16string resultCodeText(std::int32_t code, std::u16string_view systemMessage = {});

// The embedded web control's own refusals, as the error box shows them.
inline constexpr char16_t kControlActivationText[] = u"OLE control activation failed";
inline constexpr char16_t kControlWindowText[] = u"Could not obtain OLE control window handle";
inline constexpr char16_t kNoInterfaceText[] = u"Interface not supported";
