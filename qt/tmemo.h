#pragma once

#include "core/memolines.h"

#include <QPlainTextEdit>

// The description box. Its text, as the launcher sees it, separates lines
// with CR LF; a text ending in a line break shows an empty last line.
class TMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr qsizetype kMemoCapacity = ::kMemoCapacity;
    static constexpr qint64 kMemoFileLimit = ::kMemoFileLimit;

    explicit TMemo(QWidget *parent = nullptr);

    QString Text() const;
    // Replaces the whole text; raises EInvalidOperation over the capacity.
    void SetText(const QString &text);
    void Clear();
    // Appends a line; after a text without a final line break the line
    // starts a new one and itself gets no break.
    void Add(const QString &line);
    // Replaces the whole text with a readme's; an unchanged text is not sent.
    void LoadFromFile(const QString &name);
};
