#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <span>

// The system's default language as a Windows language identifier, taken
// from the process locale: LC_ALL, else LC_MESSAGES, else LANG.
quint16 SystemDefaultLangID();
quint16 langIdFromLocale(const QByteArray &locale);

// Chinese is chosen for exactly the five published Chinese identifiers.
bool isChineseLangID(quint16 id);

// The description shown when no readme of the language is present.
QStringList builtinLines(bool chinese, const QString &supportEmail);

enum class ToolbarCaption { Install, Downloads, Video, Community };
QString toolbarCaption(ToolbarCaption which, bool chinese);

// The locale everything the user reads follows: the toolkit's and the web
// engine's own texts and the language asked of web sites. The launcher's
// captions are simplified Chinese, so every Chinese identifier maps to it.
QLocale interfaceLocale(bool chinese);

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
