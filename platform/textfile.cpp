#include "platform/textfile.h"

#include "platform/exception.h"
#include "platform/processlocale.h"

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

// The system's text for an error, less trailing blanks, control characters
// and full stops.
QString systemMessage(int error)
{
    QString text = QString::fromLocal8Bit(std::strerror(error));
    while (!text.isEmpty() && (text.back().isSpace() || text.back().category() == QChar::Other_Control || text.back() == u'.'))
        text.chop(1);
    return text;
}

[[noreturn]] void raiseOpenError(const QString &name, int error)
{
    throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath(name), systemMessage(error)));
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

QString decodeUtf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    QString text;
    text.reserve((bytes.size() - from) / 2);
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<uchar>(bytes[i]);
        const auto second = static_cast<uchar>(bytes[i + 1]);
        text.append(QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first)));
    }
    return text;
}

bool isUtf8Name(const QByteArray &codeset)
{
    const QByteArray lower = codeset.toLower();
    return lower == "utf-8" || lower == "utf8";
}

// iconv from the codeset; a byte it cannot convert becomes U+FFFD and the
// conversion goes on with the next byte. An unknown codeset falls back to
// lenient UTF-8.
QString decodeLegacy(const QByteArray &bytes, const QByteArray &codeset)
{
    if (codeset.isEmpty() || isUtf8Name(codeset))
        return QString::fromUtf8(bytes);
    const iconv_t converter = iconv_open("UTF-16LE", codeset.constData());
    if (converter == iconv_t(-1))
        return QString::fromUtf8(bytes);

    QString text;
    QByteArray output(4096, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char *out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        text += decodeUtf16(output.left(output.size() - static_cast<qsizetype>(outLeft)), 0, false);
        if (result == size_t(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: substitute one byte and resync.
            text += QChar(QChar::ReplacementCharacter);
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

QString normalizeLineBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += QStringLiteral("\r\n");
        } else if (c == u'\n') {
            result += QStringLiteral("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

QString decodeText(const QByteArray &bytes, const QByteArray &codeset)
{
    QString text;
    if (bytes.startsWith("\xFF\xFE"))
        text = decodeUtf16(bytes, 2, false);
    else if (bytes.startsWith("\xFE\xFF"))
        text = decodeUtf16(bytes, 2, true);
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    else
        text = decodeLegacy(bytes, codeset);
    // The memo takes its text as a NUL-terminated string.
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return normalizeLineBreaks(text);
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
        throw EInvalidOperation(QStringLiteral("Text exceeds memo capacity"));

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
