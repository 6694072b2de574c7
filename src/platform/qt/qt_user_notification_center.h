#pragma once

#include "platform/qt/notification_icon.h"
#include "platform/user_notification_center.h"

#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>

class QDBusPendingCallWatcher;

namespace nimbrel {

// Desktop notifications through the org.freedesktop.Notifications service on the session bus.
// Every call is asynchronous, so a slow or missing notification server never holds up the
// program: without one, notifications are dropped quietly. The server's id for a notification
// arrives later than the program may want it gone; a removal before the id is known is carried
// out when the id arrives.
// One notification is sent at a time: the next waits for the server's answer, and one removed
// while it waits is never sent. A burst of copies then costs a slow server one call per answer, not
// a queue that outgrows the bus's limit on unanswered calls and loses the closes of earlier ones.
// The centre keeps only a notification's capped text: a clipboard text can be tens of megabytes.
class QtUserNotificationCenter final : public QObject, public UserNotificationCenter {
    Q_OBJECT
public:
    // Asks the server whether it reads markup in bodies, at once and again whenever another
    // server takes the name; until it answers, markup is escaped.
    explicit QtUserNotificationCenter(QDBusConnection bus, NotificationIcon icon = {QStringLiteral("nimbrel"), {}},
                                      QObject *parent = nullptr);
    ~QtUserNotificationCenter() override;

    void setDelegate(UserNotificationCenterDelegate *delegate) override { m_delegate = delegate; }
    void deliverNotification(std::shared_ptr<const UserNotification> notification) override;
    void removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification) override;

    // Runs the event loop, without user input, until the server has answered every removal asked
    // for so far (the ids it had yet to give included), at most patience: for the program's end,
    // which would otherwise cut them short.
    void finishRemovals(std::chrono::milliseconds patience);

signals:
    // A removal's close was answered, or the id it waited for arrived or never will.
    void removalAnswered();

private slots:
    void actionInvoked(uint id, const QString &actionKey);
    void notificationClosed(uint id, uint reason);

private:
    struct Delivery {
        std::uint64_t serial = 0;
        // Identifies the program's notification without keeping its full text alive.
        std::weak_ptr<const UserNotification> original;
        // The same notification with its text capped: what is sent, and what the delegate gets
        // once the program has let go of the original.
        std::shared_ptr<const UserNotification> capped;
        std::optional<uint> id;
        bool removed = false;
        bool sent = false;
    };

    void serverChanged(const QString &newOwner);
    void askCapabilities();
    void capabilitiesArrived(std::uint64_t question, QDBusPendingCallWatcher *watcher);
    bool notifyUnanswered() const;
    void sendNext();
    void send(const Delivery &delivery);
    void idArrived(std::uint64_t serial, QDBusPendingCallWatcher *watcher);
    void settle(std::uint64_t serial, const QDBusPendingReply<uint> &reply);
    void close(uint id);
    bool removalsPending() const;
    std::list<Delivery>::iterator find(std::uint64_t serial);
    std::list<Delivery>::iterator findId(uint id);

    QDBusConnection m_bus;
    NotificationIcon m_icon;
    UserNotificationCenterDelegate *m_delegate = nullptr;
    // Whether the current server reads markup; unknown until it answers.
    std::optional<bool> m_serverReadsMarkup;
    std::uint64_t m_lastCapabilitiesQuestion = 0;
    std::uint64_t m_lastSerial = 0;
    std::list<Delivery> m_delivered;
    int m_closesUnanswered = 0;
};

} // namespace nimbrel
