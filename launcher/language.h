#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringList>

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
