#include "platform/qt/fake_notification_server.h"

namespace nimbrel {

uint FakeNotificationServer::Notify(const QString &appName, [[maybe_unused]] uint replacesId, const QString &appIcon,
                                    const QString &summary, const QString &body, const QStringList &actions,
                                    [[maybe_unused]] const QVariantMap &hints, [[maybe_unused]] int timeout)
{
    m_notifications.push_back({appName, appIcon, summary, body, actions});
    const uint id = static_cast<uint>(m_notifications.size());
    if (m_holdingReplies) {
        setDelayedReply(true);
        m_heldCalls.emplace_back(message(), id);
    }
    return id;
}

void FakeNotificationServer::releaseReplies()
{
    for (const auto &[call, id] : m_heldCalls)
        m_bus.send(call.createReply(id));
    m_heldCalls.clear();
}

} // namespace nimbrel
