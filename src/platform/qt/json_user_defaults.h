#pragma once

#include "platform/user_defaults.h"

#include <QJsonObject>
#include <QString>

#include <sys/types.h>

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace nimbrel {

// Preferences kept as one JSON object in a file, e.g. {"notifyText": 1}. Numbers and strings keep
// their type, JSON true/false read as 1/0, anything else reads as OtherDefaultsValue; keys the
// program does not know are kept untouched. Writes replace the file atomically, or not at all.
//
// Another program may edit, delete or break the file while we run, and what the settings window
// shows must stay true, so the last values read in full stay in force until a good file replaces
// them:
// - The file is re-read when its identity (inode, size, modification time) changed, or when it
//   changed so recently that a further edit could keep the same time stamp.
// - A deleted or unreadable file (no permission, or not a regular file: a FIFO is never opened
//   in a way that blocks) leaves the values as they are. Only a regular file is ever replaced.
// - A file that cannot be parsed may be caught half-written, so it is read once more at the next
//   look; only if it is still bad and unchanged is it set aside, as "<file>.corrupt", then
//   ".corrupt.1" and so on, never replacing an earlier one. One that cannot be set aside (no free
//   name, no permission) stays in place untouched: it is not read again until it changes, and
//   not written over, so the settings stay in memory until it can be set aside.
// - A write goes to a new file beside the old one, renamed over it only once every write and
//   fsync(2) succeeded, so a full disk leaves the old file as it was. A value that could not be
//   written wins over the file until a write succeeds; each change tries again, and standard
//   error says so once until a write succeeds.
class JsonUserDefaults final : public UserDefaults {
public:
    explicit JsonUserDefaults(std::string filePath);

    std::optional<DefaultsValue> objectForKey(std::string_view key) const override;
    void setValueForKey(const DefaultsValue &value, std::string_view key) override;

    // Bigger files are not preferences; they are treated as unparsable, unread.
    static constexpr qint64 maximumFileSize = 4 * 1024 * 1024;

private:
    // Coarser than any file system's time stamps (FAT keeps two seconds).
    static constexpr std::chrono::seconds stampGranularity{2};

    struct FileStamp {
        bool exists = false;
        bool regular = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const FileStamp &other) const;
    };
    enum class Contents { good, unparsable, unreadable };

    FileStamp currentStamp() const;
    void refresh() const;
    Contents load() const;
    // False when the bad file had to stay in place.
    bool setAsideBadFile() const;
    // Says what went wrong on standard error, once until a save succeeds.
    void report(const std::string &problem) const;
    bool save() const;

    QString m_filePath;
    mutable QJsonObject m_values;
    mutable FileStamp m_stamp;
    // m_values are what the file with m_stamp holds, and any change to it will change the stamp.
    mutable bool m_settled = false;
    // The file with m_stamp was found unparsable once.
    mutable bool m_suspect = false;
    mutable bool m_unsaved = false;
    // The bad file that could not be set aside: it is not written over while it is in place.
    mutable std::optional<FileStamp> m_stuckBadFile;
    mutable bool m_reported = false;
};

} // namespace nimbrel
