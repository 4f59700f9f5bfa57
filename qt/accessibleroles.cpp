#include "qt/accessibleroles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("TKorinplot"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("TPanel") || className == QLatin1String("TWebBrowser"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("TImage"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("SpokenNotice"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    // Only asked while a tool listens; installing costs nothing otherwise.
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    (void)installed;
}
