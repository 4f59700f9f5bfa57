#include "qt/moduleaddress.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

QString executablePath()
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

FatalReport locateAddress(const void *address)
{
    FatalReport report;
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname) {
        report.moduleName = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName().toStdU16String();
        report.offset = reinterpret_cast<quintptr>(address) - reinterpret_cast<quintptr>(info.dli_fbase);
    } else {
        report.moduleName = QFileInfo(executablePath()).fileName().toStdU16String();
        report.offset = reinterpret_cast<quintptr>(address) - 4096;
    }
    return report;
}
