#include "platform/qt/qt_user_notification_center.h"

#include "platform/qt/fake_notification_server.h"
#include "platform/qt/private_bus_test.h"

#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace nimbrel {
namespace {

// Bus messages from one connection arrive in the order they were sent, so a check that something
// did not happen waits for something sent after it, never for a while. The fixture is the centre's
// delegate and records what reaches it.
class QtUserNotificationCenterTest : public PrivateBusTest, public UserNotificationCenterDelegate {
protected:
    bool userNotificationCenterShouldPresentNotification(UserNotificationCenter &, const UserNotification &) override
    { return m_present; }
    void userNotificationCenterDidActivateNotification(UserNotificationCenter &, const UserNotification &shown) override
    { m_events.push_back("activated " + shown.informativeText.str()); }
    void userNotificationCenterDidPressOtherButton(UserNotificationCenter &, const UserNotification &shown) override
    { m_events.push_back("other button " + shown.informativeText.str()); }

    void startServer(std::optional<QStringList> capabilities)
    {
        QDBusConnection bus = connectToBus();
        m_server = std::make_unique<FakeNotificationServer>(std::move(capabilities));
        ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", m_server.get(),
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    }
    void startCenter()
    {
        m_center = std::make_unique<QtUserNotificationCenter>(connectToBus());
        m_center->setDelegate(this);
    }
    std::shared_ptr<const UserNotification> deliver(std::string text, std::string otherButtonTitle = {})
    {
        const auto notification = std::make_shared<const UserNotification>(
            UserNotification{"Nimbrel!", std::move(text), true, std::move(otherButtonTitle)});
        m_center->deliverNotification(notification);
        return notification;
    }
    // The deadline only ends a failing test.
    static bool waitUntil(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 60000); }

    bool m_present = true;
    std::vector<std::string> m_events;
    std::unique_ptr<QtUserNotificationCenter> m_center;
    std::unique_ptr<FakeNotificationServer> m_server;
};

// Until a server answers, bodies go out at once, escaped; a server that starts later is asked too.
TEST_F(QtUserNotificationCenterTest, MarkupIsEscapedUnlessTheServerSaysItShowsPlainText)
{
    const QStringList escaped{"&lt;b&gt; &amp; \u00e9", "default", "Open"};
    const QStringList plain{"<b> & \u00e9", "default", "Open"};
    const std::tuple<const char *, std::optional<QStringList>, bool, std::string, QStringList> rows[] = {
        // name, capabilities (none: no answer), whether the server starts later, other button, body and actions
        {"markup server", QStringList{"actions", "body-markup"}, false, "Clear formatting",
         escaped + QStringList{"clear-formatting", "Clear formatting"}},
        {"plain server", QStringList{"actions"}, false, "", plain},
        {"server not answering yet", std::nullopt, false, "", escaped},
        {"markup server started later", QStringList{"body-markup"}, true, "", escaped},
        {"plain server started later", QStringList{}, true, "", plain}};
    for (const auto &[name, capabilities, serverStartsLater, otherButtonTitle, expected] : rows) {
        SCOPED_TRACE(name);
        TearDown();
        SetUp();
        if (!serverStartsLater)
            startServer(capabilities);
        startCenter();
        deliver("heard by nobody when the server starts later");
        if (serverStartsLater)
            startServer(capabilities);
        ASSERT_TRUE(waitUntil([&] {
            const std::size_t sent = m_server->m_notifications.size();
            deliver("<b> & \xC3\xA9", otherButtonTitle);
            return waitUntil([&] { return m_server->m_notifications.size() > sent; })
                && m_server->m_notifications.back() == QStringList{"Nimbrel", "nimbrel", "Nimbrel!"} + expected;
        }));
    }
}

// The server's ids tie its events and our removals to our notifications that are still shown.
TEST_F(QtUserNotificationCenterTest, ServerIdsReachOnlyLiveNotificationsAndCloseEachOnce)
{
    startServer(QStringList());
    startCenter();
    m_present = false;
    deliver("declined");
    m_present = true;
    const auto first = deliver("first");
    const auto second = deliver("second", "Clear formatting");
    const auto third = deliver("third");
    m_center->removeDeliveredNotification(first); // before its id is known
    ASSERT_TRUE(waitUntil([&] { return m_server->m_notifications.size() == 3; }));
    EXPECT_EQ(m_server->m_notifications.front().at(3), "first");
    emit m_server->NotificationClosed(3, 2);
    for (const auto &[id, action] : {std::pair{99u, "default"}, {2u, "unknown"}, {3u, "default"}, {1u, "default"},
                                     {2u, "default"}, {2u, "clear-formatting"}})
        emit m_server->ActionInvoked(id, action);
    ASSERT_TRUE(waitUntil([&] { return m_events.size() == 2; }));
    EXPECT_EQ(m_events, (std::vector<std::string>{"activated second", "other button second"}));
    m_center->removeDeliveredNotification(second); // after its id is known
    m_center->removeDeliveredNotification(first);
    m_center->removeDeliveredNotification(third);
    m_center->removeDeliveredNotification(std::make_shared<const UserNotification>());
    m_center->removeDeliveredNotification(deliver("fourth"));
    ASSERT_TRUE(waitUntil([&] { return m_server->m_closed.size() >= 3; }));
    EXPECT_EQ(m_server->m_closed, (std::vector<uint>{1, 2, 4}));
}

TEST_F(QtUserNotificationCenterTest, DeliveryKeepsOnlyTheCappedText)
{
    startServer(QStringList());
    startCenter();
    const std::weak_ptr<const UserNotification> delivered = deliver(std::string(20 << 20, 'x'));
    EXPECT_TRUE(delivered.expired());
    // Its clicks still reach the delegate, with the text shown.
    ASSERT_TRUE(waitUntil([&] { return !m_server->m_notifications.empty(); }));
    emit m_server->ActionInvoked(1, "default");
    ASSERT_TRUE(waitUntil([&] { return !m_events.empty(); }));
    EXPECT_TRUE(m_events.front() == "activated " + std::string(999, 'x') + "\xE2\x80\xA6");
}

} // namespace
} // namespace nimbrel
