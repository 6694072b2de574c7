#pragma once

#include "platform/user_notification_center.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

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
class QtUserNotificationCenter final : public QObject, public UserNotificationCenter {
    Q_OBJECT
public:
    // Asks the server for its capabilities at once; notifications wait for the answer, since it
    // decides whether their text needs markup escaping.
    explicit QtUserNotificationCenter(QDBusConnection bus, QString appIcon = QStringLiteral("nimbrel"),
                                      QObject *parent = nullptr);
    ~QtUserNotificationCenter() override;

    void setDelegate(UserNotificationCenterDelegate *delegate) override { m_delegate = delegate; }
    void deliverNotification(std::shared_ptr<const UserNotification> notification) override;
    void removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification) override;

private slots:
    void actionInvoked(uint id, const QString &actionKey);
    void notificationClosed(uint id, uint reason);

private:
    struct Delivery {
        std::uint64_t serial = 0;
        std::shared_ptr<const UserNotification> notification;
        std::optional<uint> id;
        bool sent = false;
        bool removed = false;
    };

    void capabilitiesArrived(QDBusPendingCallWatcher *watcher);
    void send(Delivery &delivery);
    void idArrived(std::uint64_t serial, QDBusPendingCallWatcher *watcher);
    void close(uint id);
    std::list<Delivery>::iterator find(std::uint64_t serial);
    std::list<Delivery>::iterator findId(uint id);

    QDBusConnection m_bus;
    QString m_appIcon;
    UserNotificationCenterDelegate *m_delegate = nullptr;
    bool m_capabilitiesKnown = false;
    bool m_escapeMarkup = false;
    std::uint64_t m_lastSerial = 0;
    std::list<Delivery> m_delivered;
};

} // namespace nimbrel
