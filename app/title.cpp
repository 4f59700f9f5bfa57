#include "app/title.h"

#include <QFile>

QString titleFromExecutablePath(const QString &path)
{
    QString name = path.left(256);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString executablePath()
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}
