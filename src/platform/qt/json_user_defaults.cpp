#include "platform/qt/json_user_defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace nimbrel {

namespace {

// More bad files than this beside the preferences means something is badly wrong; give up.
constexpr int maximumSetAsideFiles = 10000;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<DefaultsValue> toDefaultsValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Undefined: return std::nullopt;
    case QJsonValue::Double: return DefaultsValue(value.toDouble());
    case QJsonValue::Bool: return DefaultsValue(value.toBool() ? 1.0 : 0.0);
    case QJsonValue::String: return DefaultsValue(value.toString().toStdString());
    default: return DefaultsValue(OtherDefaultsValue{});
    }
}

QJsonValue toJsonValue(const DefaultsValue &value)
{
    if (const auto *number = std::get_if<double>(&value))
        return QJsonValue(*number);
    if (const auto *text = std::get_if<std::string>(&value))
        return QJsonValue(toQString(*text));
    return QJsonValue(QJsonValue::Null);
}

std::chrono::nanoseconds sinceEpoch(const timespec &time)
{
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

// The path may have become a FIFO since it was looked at: O_NONBLOCK keeps open(2) from waiting
// for a writer, and only a regular file is read. Nothing when it cannot be read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maximumSize)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // Sized by the file, not by the bound: reserving the bound on every read is costly.
    QByteArray contents = file.read(qMin<qint64>(status.st_size, maximumSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
}

// rename(2) would replace an earlier bad file; RENAME_NOREPLACE fails instead, and where the file
// system does not offer it (NFS), link(2) does the same.
bool moveWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

// Every byte, or false with errno set.
bool writeAll(int descriptor, const QByteArray &contents)
{
    const char *data = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The file a write to this path lands in: a symbolic link's target (a dotfile manager's link
// stays a link), the path itself otherwise.
QString writtenPath(const QString &path)
{
    QFileInfo file(path);
    for (int hops = 0; file.isSymLink() && hops < 40; ++hops)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

// Replaces the file at path by the contents, or leaves it as it was: the contents go to a new
// file beside it, which is renamed over it only once every write, fsync(2) and close(2)
// succeeded (a full disk may show at any of them). A new file gets the mode open(2) gives it
// under the umask, a replacement the mode of the file it replaces. What went wrong, if anything.
std::optional<std::string> replaceFile(const QString &path, const QByteArray &contents)
{
    const QString target = writtenPath(path);
    const QByteArray targetName = QFile::encodeName(target);
    // what names the file as %1 and the system's reason as %2.
    const auto failure = [&](const char *what, int error) {
        return QCoreApplication::translate("JsonUserDefaults", what)
            .arg(QString::fromLocal8Bit(targetName), QString::fromLocal8Bit(std::strerror(error)))
            .toStdString();
    };
    QDir().mkpath(QFileInfo(target).absolutePath());
    QByteArray temporaryName;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporaryName = targetName + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        descriptor = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0)
        return failure(QT_TRANSLATE_NOOP("JsonUserDefaults", "cannot create a file beside %1: %2"), errno);
    struct stat existing {};
    int error = 0;
    if (::stat(targetName.constData(), &existing) == 0 && ::fchmod(descriptor, existing.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && (!writeAll(descriptor, contents) || ::fsync(descriptor) != 0))
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporaryName.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporaryName.constData());
        return failure(QT_TRANSLATE_NOOP("JsonUserDefaults", "cannot write %1: %2"), error);
    }
    // The new name outlasts a crash too; a folder that cannot be synced changes nothing above.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

} // namespace

bool JsonUserDefaults::FileStamp::operator==(const FileStamp &other) const
{
    return exists == other.exists && regular == other.regular && device == other.device && inode == other.inode
        && size == other.size && modified.tv_sec == other.modified.tv_sec
        && modified.tv_nsec == other.modified.tv_nsec;
}

JsonUserDefaults::JsonUserDefaults(std::string filePath)
    : m_filePath(QString::fromStdString(filePath))
{
}

std::optional<DefaultsValue> JsonUserDefaults::objectForKey(std::string_view key) const
{
    refresh();
    return toDefaultsValue(m_values.value(toQString(key)));
}

void JsonUserDefaults::setValueForKey(const DefaultsValue &value, std::string_view key)
{
    refresh();
    // The write replaces the file, so a suspect one is judged now rather than at a later look.
    if (m_suspect)
        refresh();
    m_values.insert(toQString(key), toJsonValue(value));
    m_unsaved = !save();
}

JsonUserDefaults::FileStamp JsonUserDefaults::currentStamp() const
{
    struct stat status {};
    if (::stat(QFile::encodeName(m_filePath).constData(), &status) != 0)
        return {};
    return {true, S_ISREG(status.st_mode), status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

void JsonUserDefaults::refresh() const
{
    // Values that could not be written are newer than anything on disk.
    if (m_unsaved)
        return;
    // Taken before the stat: an edit after this moment gets a later time stamp.
    timespec lookedAt{};
    ::clock_gettime(CLOCK_REALTIME, &lookedAt);
    const FileStamp stamp = currentStamp();
    if (m_settled && stamp == m_stamp)
        return;
    const bool suspectedBefore = m_suspect && stamp == m_stamp;
    m_stamp = stamp;
    m_suspect = false;
    // A deleted file leaves the values as they are; a new one changes the stamp.
    m_settled = !stamp.exists;
    if (!stamp.exists)
        return;
    switch (load()) {
    case Contents::good:
        m_settled = sinceEpoch(lookedAt) - sinceEpoch(stamp.modified) >= stampGranularity;
        break;
    case Contents::unreadable:
        break;
    case Contents::unparsable:
        if (!suspectedBefore) {
            m_suspect = true;
            break;
        }
        setAsideBadFile();
        // The settings window shows the last good values; the file says so again.
        if (!m_stamp.exists && !m_values.isEmpty())
            m_unsaved = !save();
        break;
    }
}

JsonUserDefaults::Contents JsonUserDefaults::load() const
{
    if (!m_stamp.regular)
        return Contents::unreadable;
    if (m_stamp.size > maximumFileSize)
        return Contents::unparsable;
    const std::optional<QByteArray> contents = readRegularFile(m_filePath, maximumFileSize);
    if (!contents)
        return Contents::unreadable;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*contents, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Contents::unparsable;
    m_values = document.object();
    return Contents::good;
}

bool JsonUserDefaults::setAsideBadFile() const
{
    m_suspect = false;
    const QByteArray from = QFile::encodeName(m_filePath);
    bool moved = false;
    int error = EEXIST;
    for (int number = 0; number < maximumSetAsideFiles && error == EEXIST; ++number) {
        QString to = m_filePath + QStringLiteral(".corrupt");
        if (number > 0)
            to += QLatin1Char('.') + QString::number(number);
        moved = moveWithoutReplacing(from, QFile::encodeName(to));
        error = moved ? 0 : errno;
    }
    m_stamp = currentStamp();
    if (moved || !m_stamp.exists) {
        m_stuckBadFile.reset();
        m_settled = !m_stamp.exists;
        return true;
    }
    // Left in place, and read again only once it changes; save() will not write over it.
    m_stuckBadFile = m_stamp;
    m_settled = true;
    const QString file = QString::fromLocal8Bit(from);
    report((error == EEXIST ? QCoreApplication::translate("JsonUserDefaults",
                                                          "cannot set aside the unreadable %1: %2 earlier ones are in the way")
                                  .arg(file)
                                  .arg(maximumSetAsideFiles)
                            : QCoreApplication::translate("JsonUserDefaults", "cannot set aside the unreadable %1: %2")
                                  .arg(file, QString::fromLocal8Bit(std::strerror(error))))
               .toStdString());
    return false;
}

void JsonUserDefaults::report(const std::string &problem) const
{
    if (m_reported)
        return;
    m_reported = true;
    //: %1 says what went wrong
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QCoreApplication::translate("JsonUserDefaults",
                                                        "%1; the settings are kept until a later change can be saved")
                                .arg(QString::fromStdString(problem))));
}

bool JsonUserDefaults::save() const
{
    // A bad file still in place would be replaced unseen.
    if ((m_suspect || (m_stuckBadFile && currentStamp() == *m_stuckBadFile)) && !setAsideBadFile())
        return false;
    // Only a regular file is ever replaced: a FIFO, device or folder someone put there stays.
    const FileStamp before = currentStamp();
    if (before.exists && !before.regular) {
        report(QCoreApplication::translate("JsonUserDefaults", "%1 is not a regular file").arg(m_filePath).toStdString());
        return false;
    }
    if (const auto problem = replaceFile(m_filePath, QJsonDocument(m_values).toJson(QJsonDocument::Indented))) {
        report(*problem);
        return false;
    }
    m_reported = false;
    // Read once more at the next look: an edit within the time stamp's granularity keeps it.
    m_stamp = currentStamp();
    m_settled = false;
    return true;
}

} // namespace nimbrel
