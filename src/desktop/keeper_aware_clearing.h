#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace nimbrel {

class QtPasteboard;

// Clearing the clipboard where other clipboard keepers run. Some put their last entry back as soon
// as the clipboard empties (Klipper as it comes; xfce4-clipman and parcellite as set up), and none
// offers to forget that entry alone: Klipper's clearClipboardContents puts it back too, and only
// clearing its whole history would keep the clipboard empty. So the clipboard is cleared and then
// watched for a moment, and contents put back are told rather than an empty clipboard that is not.
class KeeperAwareClearing final : public QObject {
public:
    // putBackBy: nullopt when the clipboard stayed empty; otherwise the name of the program that put
    // contents back, empty where it is not known.
    using Done = std::function<void(const std::optional<QString> &putBackBy)>;

    // clear: the program's own clearing of the clipboard.
    KeeperAwareClearing(QtPasteboard &pasteboard, std::function<void()> clear);

    void clear(const Done &done);

private:
    QtPasteboard &m_pasteboard;
    std::function<void()> m_clear;
};

// What to say of contents put back, in the user's language: by whom, where putBackBy names the program.
QString contentsPutBackMessage(const QString &putBackBy);

} // namespace nimbrel
