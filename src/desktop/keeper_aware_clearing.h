#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace nimbrel {

class QtPasteboard;

// Clearing the clipboard where other clipboard keepers run. Some put their last entry back as soon
// as the clipboard empties (Klipper as it comes; xfce4-clipman and parcellite as set up). Klipper
// offers a way to clear its current entry on the session bus: it is asked first, then the
// clipboard is cleared, and then watched for a moment, so that contents put back are told rather
// than an empty clipboard that is not.
class KeeperAwareClearing final : public QObject {
public:
    // putBackBy: nullopt when the clipboard stayed empty; otherwise the name of the program that put
    // contents back, empty where it is not known.
    using Done = std::function<void(const std::optional<QString> &putBackBy)>;

    // clear: the program's own clearing of the clipboard.
    KeeperAwareClearing(QDBusConnection bus, QtPasteboard &pasteboard, std::function<void()> clear);

    void clear(Done done);

private:
    void clearAndWatch(const Done &done);

    QDBusConnection m_bus;
    QtPasteboard &m_pasteboard;
    std::function<void()> m_clear;
};

} // namespace nimbrel
