#include "qt/tmemo.h"

#include "qt/textfile.h"
#include "qt/utf16.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Redrawing stays off while the text is replaced, and comes back on however
// the replacement ends.
class UpdatesOff
{
public:
    explicit UpdatesOff(QWidget *widget) : m_widget(widget) { m_widget->setUpdatesEnabled(false); }
    ~UpdatesOff() { m_widget->setUpdatesEnabled(true); }

private:
    QWidget *m_widget;
};

} // namespace

TMemo::TMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTabChangesFocus(true);
}

QString TMemo::Text() const
{
    QString text = toPlainText();
    return text.replace(QLatin1Char('\n'), kLineBreak);
}

void TMemo::SetText(const QString &text)
{
    checkMemoCapacity(static_cast<std::size_t>(text.size()));
    QString plain = text;
    setPlainText(plain.replace(kLineBreak, QStringLiteral("\n")));
}

void TMemo::Clear()
{
    SetText(QString());
}

void TMemo::Add(const QString &line)
{
    SetText(toQString(appendLine(Text().toStdU16String(), line.toStdU16String())));
}

void TMemo::LoadFromFile(const QString &name)
{
    const QString text = readTextFile(name, kMemoFileLimit);
    if (text == Text())
        return;
    const UpdatesOff updatesOff(this);
    SetText(text);
}
