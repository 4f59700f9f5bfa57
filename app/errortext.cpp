#include "app/errortext.h"

#include "app/title.h"
#include "platform/exception.h"

#include <QFileInfo>

#include <dlfcn.h>

QString withFullStop(const QString &text)
{
    if (!text.isEmpty() && text.back().unicode() > u'.')
        return text + QLatin1Char('.');
    return text;
}

QString errorBoxText(const Exception &error)
{
    QString text = error.message();
    for (const Exception *inner = error.innerException(); inner; inner = inner->innerException()) {
        if (!inner->message().isEmpty())
            text = inner->message();
    }
    return withFullStop(text);
}

QString fatalText(const FatalReport &report)
{
    const bool needsStop = !report.message.isEmpty() && !report.message.endsWith(QLatin1Char('.'));
    const QString text = QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n")
                             .arg(report.className, report.moduleName,
                                  QStringLiteral("%1").arg(report.offset, 8, 16, QLatin1Char('0')).toUpper(),
                                  report.message, needsStop ? QStringLiteral(".") : QString());
    return text.left(kFatalTextLimit);
}

FatalReport locateAddress(const void *address)
{
    FatalReport report;
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname) {
        report.moduleName = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
        report.offset = reinterpret_cast<quintptr>(address) - reinterpret_cast<quintptr>(info.dli_fbase);
    } else {
        report.moduleName = QFileInfo(executablePath()).fileName();
        report.offset = reinterpret_cast<quintptr>(address) - 4096;
    }
    return report;
}
