#include "qt/textfile.h"

#include "core/exception.h"
#include "core/memolines.h"
#include "core/systemtext.h"
#include "core/textdecode.h"
#include "core/unicode.h"
#include "qt/processlocale.h"
#include "qt/utf16.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileDescriptor
{
    int fd;
    ~FileDescriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

QString fullPath(const QString &name)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}

[[noreturn]] void raiseOpenError(const QString &name, int error)
{
    throw EFOpenError(openErrorText(fullPath(name).toStdU16String(), QString::fromLocal8Bit(std::strerror(error)).toStdU16String()));
}

bool searchDirectory(const QString &name)
{
    const QFileInfo info(QDir::current(), name);
    std::unique_ptr<DIR, int (*)(DIR *)> directory(opendir(QFile::encodeName(info.absolutePath()).constData()), closedir);
    if (!directory)
        return false;
    const QByteArray wanted = QFile::encodeName(info.fileName());
    while (const dirent *entry = readdir(directory.get())) {
        if (wanted == entry->d_name)
            return entry->d_type != DT_DIR;
    }
    return false;
}

bool isUtf8Name(const QByteArray &codeset)
{
    const QByteArray lower = codeset.toLower();
    return lower == "utf-8" || lower == "utf8";
}

// iconv from the codeset; a byte it cannot convert becomes U+FFFD and the
// conversion goes on with the next byte. An unknown codeset falls back to
// lenient UTF-8.
std::u16string decodeLegacy(std::string_view bytes, const QByteArray &codeset)
{
    if (codeset.isEmpty() || isUtf8Name(codeset))
        return fromUtf8(bytes);
    const iconv_t converter = iconv_open("UTF-16LE", codeset.constData());
    if (converter == iconv_t(-1))
        return fromUtf8(bytes);

    std::u16string text;
    char16_t output[2048];
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char *out = reinterpret_cast<char *>(output);
        size_t outLeft = sizeof output;
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        text.append(output, (sizeof output - outLeft) / sizeof(char16_t));
        if (result == size_t(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: substitute one byte and resync.
            text += u'\uFFFD';
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return text;
}

} // namespace

bool FileExists(const QString &name)
{
    struct stat status{};
    if (stat(QFile::encodeName(name).constData(), &status) == 0)
        return !S_ISDIR(status.st_mode);
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == EINVAL)
        return false;
    return searchDirectory(name);
}

QByteArray legacyCodeset()
{
    QByteArray locale = processLocale("LC_CTYPE");
    const qsizetype modifier = locale.indexOf('@');
    if (modifier >= 0)
        locale.truncate(modifier);
    const qsizetype dot = locale.indexOf('.');
    return dot >= 0 ? locale.mid(dot + 1) : QByteArray();
}

QString decodeText(const QByteArray &bytes, const QByteArray &codeset)
{
    const MultiByteDecoder decoder{[&codeset](std::string_view text) { return decodeLegacy(text, codeset); },
                                   [](std::string_view text) { return fromUtf8(text); }};
    return toQString(::decodeText(std::string_view(bytes.constData(), bytes.size()), decoder));
}

QString readTextFile(const QString &name, qint64 maxBytes)
{
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const FileDescriptor file{open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0)
        raiseOpenError(name, errno);
    struct stat status{};
    if (fstat(fd, &status) != 0)
        raiseOpenError(name, errno);
    // Only a regular file has a size to read up to: a FIFO, socket or device
    // could block or never end.
    if (!S_ISREG(status.st_mode))
        raiseOpenError(name, S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? ENODEV : ESPIPE);
    if (status.st_size > maxBytes)
        raiseMemoCapacity();

    QByteArray bytes(static_cast<qsizetype>(status.st_size), '\0');
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            raiseOpenError(name, errno);
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return decodeText(bytes, legacyCodeset());
}
