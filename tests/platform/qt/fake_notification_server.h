#pragma once

#include <QDBusContext>
#include <QObject>
#include <QStringList>

#include <optional>
#include <vector>

namespace nimbrel {

// A notification server for tests: it records what it is asked, and without capabilities it never
// answers the question for them, as a server still starting up.
class FakeNotificationServer final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit FakeNotificationServer(std::optional<QStringList> capabilities) : m_capabilities(std::move(capabilities)) {}

    std::vector<QStringList> m_notifications; // app name, icon, summary and body, then the actions
    std::vector<uint> m_closed;

public slots: // Named as the bus methods are.
    QStringList GetCapabilities()
    {
        setDelayedReply(!m_capabilities);
        return m_capabilities.value_or(QStringList());
    }
    uint Notify(const QString &appName, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        m_notifications.push_back(QStringList{appName, icon, summary, body} + actions);
        return static_cast<uint>(m_notifications.size());
    }
    void CloseNotification(uint id) { m_closed.push_back(id); }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    std::optional<QStringList> m_capabilities;
};

} // namespace nimbrel
