#include "desktop/file_edit_watch.h"

#include <QDir>
#include <QFileInfo>

namespace nimbrel {

FileEditWatch::FileEditWatch(const QString &filePath, std::function<void()> edited)
    : m_filePath(filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    QDir().mkpath(folder);
    m_watcher.addPath(folder);
    watchFile();
    const auto changed = [this, edited = std::move(edited)] {
        // A file renamed over the watched one is a file of its own: it is watched anew.
        watchFile();
        edited();
    };
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, changed);
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, changed);
}

void FileEditWatch::watchFile()
{
    if (!m_watcher.files().contains(m_filePath) && QFileInfo::exists(m_filePath))
        m_watcher.addPath(m_filePath);
}

} // namespace nimbrel
