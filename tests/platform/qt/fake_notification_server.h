#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <utility>
#include <vector>

namespace nimbrel {

// A notification server for tests: records what it is asked, and can hold back the ids it
// hands out, as a slow server does.
class FakeNotificationServer final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
    };

    FakeNotificationServer(QDBusConnection bus, QStringList capabilities)
        : m_bus(std::move(bus))
        , m_capabilities(std::move(capabilities))
    {
    }

    void setHoldingReplies(bool holding) { m_holdingReplies = holding; }
    // Answers the held Notify calls with their ids.
    void releaseReplies();

    const std::vector<Notification> &notifications() const { return m_notifications; }
    const std::vector<uint> &closed() const { return m_closed; }

public slots: // Named as the bus methods are.
    QStringList GetCapabilities() const { return m_capabilities; }
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout);
    void CloseNotification(uint id) { m_closed.push_back(id); }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    QStringList m_capabilities;
    bool m_holdingReplies = false;
    std::vector<std::pair<QDBusMessage, uint>> m_heldCalls;
    std::vector<Notification> m_notifications;
    std::vector<uint> m_closed;
};

} // namespace nimbrel
