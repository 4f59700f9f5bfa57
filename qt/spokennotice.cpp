#include "qt/spokennotice.h"

SpokenNotice::SpokenNotice(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNotice::tell(const QString &text)
{
    // Hidden first, so the same text told twice is heard twice.
    hide();
    setAccessibleName(text);
    show();
}
