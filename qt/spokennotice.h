#pragma once

#include <QWidget>

// A change the user does not see at the focused control (the interface
// language, a page that came), told to assistive technology as a desktop
// notification is: an empty, unpainted widget with the notification role
// whose name is the text, shown once per telling. Screen readers speak a
// notification as it shows; the toolkit forwards no other change (a name or
// description of the focused control) in a form they speak.
class SpokenNotice : public QWidget
{
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget *parent);

    void tell(const QString &text);
};
