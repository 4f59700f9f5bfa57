#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A Windows language identifier for a POSIX locale name such as
// "zh_CN.UTF-8": the territory's own where known, else the language's
// primary one; US English for anything else.
std::uint16_t langIdFromLocale(std::string_view locale);

// Chinese is chosen for exactly the five published Chinese identifiers.
bool isChineseLangID(std::uint16_t id);

// The description shown when no readme of the language is present.
std::vector<std::u16string> builtinLines(bool chinese, const std::u16string &supportEmail);

enum class ToolbarCaption { Install, Downloads, Video, Community };
std::u16string toolbarCaption(ToolbarCaption which, bool chinese);

// The readme that replaces the built-in lines of a language.
std::u16string readmeName(bool chinese);

// What a screen reader says for a control whose caption (or lack of one)
// says too little, in both interface languages; a description is optional.
struct AccessibleText
{
    const char *control;
    const char *chineseName;
    const char *englishName;
    const char *chineseDescription;
    const char *englishDescription;
};
std::span<const AccessibleText> accessibleTexts();
