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

// Every other text the user reads, in both interface languages.
enum class UserText {
    // Toolbar captions that follow the language.
    Install,
    Downloads,
    Video,
    Community,
    // A view's notice in place of what it cannot show.
    PictureNotAvailable,
    PageUnreachable,
    PageNoAnswer,
    PageStopped,
    // The page came but the system has nothing to draw it with.
    PageCannotShow,
    // A side picture's menu.
    CopyImage,
    CopyImageAddress,
    OpenImageInBrowser,
    // A page's script dialog caption; "%1" stands for the page's host.
    PageDialogCaption,
};
std::u16string userText(UserText which, bool chinese);

// How a screen reader names a picture shown by a side view, as a browser
// names an image document: the address's file name (else its host) and the
// picture's size, "1.jpg (456×326)".
std::u16string pictureName(const std::u16string &fileName, int width, int height);

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

// What a screen reader is told when something changes away from the focus:
// the interface language switched, a page shown in the main view.
enum class Notice { LanguageSwitched, PageShown };
const char *noticeText(Notice which, bool chinese);
