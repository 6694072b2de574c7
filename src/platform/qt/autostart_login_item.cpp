#include "platform/qt/autostart_login_item.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace nimbrel {

namespace {

// A desktop entry is a few hundred bytes; a key past this is not looked for.
constexpr qint64 readLimit = 64 * 1024;

// The start of the file, when it is a regular file that can be read. O_NONBLOCK keeps a FIFO put
// in its place from holding the program up.
std::optional<QByteArray> readRegularFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    QByteArray contents = file.read(readLimit);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
}

// Hidden=true in the entry's main group.
bool hidesItself(const QByteArray &entry)
{
    bool inMainGroup = false;
    for (const QByteArray &line : entry.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('['))
            inMainGroup = line.trimmed() == "[Desktop Entry]";
        else if (inMainGroup && equals > 0 && line.left(equals).trimmed() == "Hidden")
            return line.mid(equals + 1).trimmed() == "true";
    }
    return false;
}

// The program's path as the value of the Exec key: one argument, in double quotes when it holds
// a character the key reserves (each character that needs a backslash inside the quotes is one of
// them), then with % doubled, as it starts a field code, and every backslash doubled, as a string
// value's escapes are undone before the quotes are read. Nothing when an entry cannot hold the
// path: not absolute, a control character, or a name that is not UTF-8.
std::optional<QString> execValue(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    const QString reserved = QStringLiteral(" \"'\\><~|&;$*?#()`");
    const QString escapedInQuotes = QStringLiteral("\"`$\\");
    QString argument;
    bool quoted = false;
    for (const QChar character : path) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f || character == QChar::ReplacementCharacter)
            return std::nullopt;
        quoted = quoted || reserved.contains(character);
        if (escapedInQuotes.contains(character))
            argument += QLatin1Char('\\');
        argument += character;
    }
    if (quoted)
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    return argument.replace(QLatin1Char('%'), QStringLiteral("%%")).replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

} // namespace

AutostartLoginItem::AutostartLoginItem(QString programPath)
    : m_programPath(std::move(programPath))
    , m_entryPath(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                      .filePath(QStringLiteral("autostart/nimbrel.desktop")))
{
}

bool AutostartLoginItem::isEnabled() const
{
    if (const std::optional<QByteArray> entry = readRegularFile(m_entryPath))
        return !hidesItself(*entry);
    return systemEntryStarts();
}

// The entry of the most important system-wide folder that has one, as session managers take it.
bool AutostartLoginItem::systemEntryStarts() const
{
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("autostart/nimbrel.desktop"));
        if (path == m_entryPath)
            continue;
        if (const std::optional<QByteArray> entry = readRegularFile(path))
            return !hidesItself(*entry);
    }
    return false;
}

bool AutostartLoginItem::setEnabled(bool enabled)
{
    if (enabled)
        return writeEntry(false);
    // A file that keeps the program from starting already may be the user's own: it stays.
    if (!isEnabled())
        return true;
    if (systemEntryStarts())
        return writeEntry(true);
    const QByteArray name = QFile::encodeName(m_entryPath);
    if (::unlink(name.constData()) == 0 || errno == ENOENT)
        return true;
    //: %1 is a file, %2 the system's reason
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QCoreApplication::translate("AutostartLoginItem", "cannot remove %1: %2")
                                .arg(m_entryPath, QString::fromLocal8Bit(std::strerror(errno)))));
    return false;
}

bool AutostartLoginItem::writeEntry(bool hidden) const
{
    const auto fail = [this](const QString &problem) {
        //: %1 is a file, %2 why it cannot be written
        std::fprintf(stderr, "nimbrel: %s\n",
                     qPrintable(QCoreApplication::translate("AutostartLoginItem", "cannot write %1: %2")
                                    .arg(m_entryPath, problem)));
        return false;
    };
    const std::optional<QString> exec = execValue(m_programPath);
    if (!exec)
        return fail(QCoreApplication::translate("AutostartLoginItem", "a desktop entry cannot run the program at %1")
                        .arg(m_programPath));
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate("AutostartLoginItem", "cannot make the folder %1").arg(folder));
    const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Nimbrel\nExec=" + exec->toUtf8()
        + "\nIcon=nimbrel\nX-GNOME-Autostart-enabled=true\n" + (hidden ? "Hidden=true\n" : "");
    // A new file beside the entry, renamed into place only once it is complete.
    QSaveFile file(m_entryPath);
    if (file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size() && file.commit())
        return true;
    return fail(file.errorString());
}

} // namespace nimbrel
