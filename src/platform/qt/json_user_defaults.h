#pragma once

#include "platform/user_defaults.h"

#include <QJsonObject>
#include <QString>

#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace nimbrel {

// Preferences kept as one JSON object in a file, e.g. {"notifyText": 1}. Numbers and strings keep
// their type, JSON true/false read as 1/0, anything else reads as OtherDefaultsValue; keys the
// program does not know are kept untouched. The file is re-read only when its identity (inode,
// size, modification time) changed since the last look, so edits by another program are seen at
// the next read. Writes replace the file atomically. A file that cannot be parsed is moved aside
// to "<file>.corrupt"; a file that cannot be written leaves the values in memory, which then win
// over the file until a write succeeds.
class JsonUserDefaults final : public UserDefaults {
public:
    explicit JsonUserDefaults(std::string filePath);

    std::optional<DefaultsValue> objectForKey(std::string_view key) const override;
    void setValueForKey(const DefaultsValue &value, std::string_view key) override;

    // Bigger files are not preferences; they are moved aside unread.
    static constexpr qint64 maximumFileSize = 4 * 1024 * 1024;

private:
    struct FileStamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const FileStamp &other) const;
    };

    FileStamp currentStamp() const;
    void refresh() const;
    void load() const;
    void setAsideCorruptFile() const;
    bool save();

    QString m_filePath;
    mutable QJsonObject m_values;
    mutable FileStamp m_stamp;
    mutable bool m_loaded = false;
    bool m_unsaved = false;
};

} // namespace nimbrel
