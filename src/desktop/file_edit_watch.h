#pragma once

#include <QFileSystemWatcher>
#include <QString>

#include <functional>

namespace nimbrel {

// Calls back whenever a file is written, created, removed or replaced (as editors save it: a new
// file renamed over the old one), and at other changes of its folder. The folder is made when
// missing, so that the file's creation is seen too.
class FileEditWatch final {
public:
    FileEditWatch(const QString &filePath, std::function<void()> edited);

private:
    void watchFile();

    QString m_filePath;
    QFileSystemWatcher m_watcher;
};

} // namespace nimbrel
