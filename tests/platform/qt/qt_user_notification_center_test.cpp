#include "platform/qt/qt_user_notification_center.h"

#include "platform/qt/fake_notification_server.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace nimbrel {
namespace {

class RecordingDelegate final : public UserNotificationCenterDelegate {
public:
    bool userNotificationCenterShouldPresentNotification(UserNotificationCenter &, const UserNotification &) override
    {
        return m_present;
    }
    void userNotificationCenterDidActivateNotification(UserNotificationCenter &, const UserNotification &notification) override
    {
        m_events.push_back("activated " + notification.informativeText.str());
    }
    void userNotificationCenterDidPressOtherButton(UserNotificationCenter &, const UserNotification &notification) override
    {
        m_events.push_back("other button " + notification.informativeText.str());
    }

    bool m_present = true;
    std::vector<std::string> m_events;
};

std::shared_ptr<const UserNotification> notificationWithText(std::string text, std::string otherButtonTitle = {})
{
    return std::make_shared<const UserNotification>(UserNotification{"Nimbrel!", std::move(text), true, std::move(otherButtonTitle)});
}

// A private session bus per test, so nothing reaches the desktop's notification server.
class QtUserNotificationCenterTest : public testing::Test {
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        QFile config(m_directory.filePath(QStringLiteral("bus.conf")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                    "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                         .arg(m_directory.path())
                         .toUtf8());
        config.close();
        m_daemon.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                QStringLiteral("--config-file=") + config.fileName()});
        ASSERT_TRUE(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        ++s_connections;
        m_clientName = QStringLiteral("client-%1").arg(s_connections);
        m_serverName = QStringLiteral("server-%1").arg(s_connections);
        ASSERT_TRUE(QDBusConnection::connectToBus(m_address, m_clientName).isConnected());
    }

    void TearDown() override
    {
        m_center.reset();
        m_server.reset();
        QDBusConnection::disconnectFromBus(m_clientName);
        QDBusConnection::disconnectFromBus(m_serverName);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void startServer(QStringList capabilities)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_serverName);
        m_server = std::make_unique<FakeNotificationServer>(bus, std::move(capabilities));
        ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), m_server.get(),
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    }

    void startCenter()
    {
        m_center = std::make_unique<QtUserNotificationCenter>(QDBusConnection(m_clientName));
        m_center->setDelegate(&m_delegate);
    }

    bool waitForNotifications(std::size_t count)
    {
        return QTest::qWaitFor([&] { return m_server->notifications().size() >= count; }, 10000);
    }
    bool waitForClosed(std::size_t count)
    {
        return QTest::qWaitFor([&] { return m_server->closed().size() >= count; }, 10000);
    }
    // Lets queued bus traffic arrive, for checks that something did not happen.
    static void settle() { QTest::qWait(200); }

    static inline int s_connections = 0;
    QTemporaryDir m_directory;
    QProcess m_daemon;
    QString m_address;
    QString m_clientName;
    QString m_serverName;
    RecordingDelegate m_delegate;
    std::unique_ptr<FakeNotificationServer> m_server;
    std::unique_ptr<QtUserNotificationCenter> m_center;
};

TEST_F(QtUserNotificationCenterTest, SendsTitleBodyAndActionsWithMarkupEscapedWhenTheServerReadsMarkup)
{
    const struct {
        const char *name;
        QStringList capabilities;
        QString expectedBody;
    } rows[] = {
        {"markup", {QStringLiteral("actions"), QStringLiteral("body-markup")}, QStringLiteral("&lt;b&gt; &amp; \u00e9")},
        {"plain", {QStringLiteral("actions")}, QStringLiteral("<b> & \u00e9")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        startServer(row.capabilities);
        startCenter();
        m_center->deliverNotification(notificationWithText("<b> & \xC3\xA9", "Clear formatting"));
        ASSERT_TRUE(waitForNotifications(1));
        const auto &sent = m_server->notifications().front();
        EXPECT_EQ(sent.appName, QStringLiteral("Nimbrel"));
        EXPECT_EQ(sent.appIcon, QStringLiteral("nimbrel"));
        EXPECT_EQ(sent.summary, QStringLiteral("Nimbrel!"));
        EXPECT_EQ(sent.body, row.expectedBody);
        EXPECT_EQ(sent.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Open"),
                                             QStringLiteral("clear-formatting"), QStringLiteral("Clear formatting")}));
    }
}

TEST_F(QtUserNotificationCenterTest, NoOtherButtonWithoutItsTitle)
{
    startServer({});
    startCenter();
    m_center->deliverNotification(notificationWithText("files"));
    ASSERT_TRUE(waitForNotifications(1));
    EXPECT_EQ(m_server->notifications().front().actions, (QStringList{QStringLiteral("default"), QStringLiteral("Open")}));
}

TEST_F(QtUserNotificationCenterTest, DelegateCanDeclineANotification)
{
    startServer({});
    startCenter();
    m_delegate.m_present = false;
    m_center->deliverNotification(notificationWithText("declined"));
    m_delegate.m_present = true;
    m_center->deliverNotification(notificationWithText("shown"));
    ASSERT_TRUE(waitForNotifications(1));
    settle();
    ASSERT_EQ(m_server->notifications().size(), 1u);
    EXPECT_EQ(m_server->notifications().front().body, QStringLiteral("shown"));
}

TEST_F(QtUserNotificationCenterTest, RemovalClosesTheNotificationByItsId)
{
    startServer({});
    startCenter();
    const auto first = notificationWithText("first");
    m_center->deliverNotification(first);
    ASSERT_TRUE(waitForNotifications(1));
    settle();
    m_center->removeDeliveredNotification(first);
    ASSERT_TRUE(waitForClosed(1));
    EXPECT_EQ(m_server->closed(), std::vector<uint>{1});

    // Removing it again, or one never delivered, asks the server nothing.
    m_center->removeDeliveredNotification(first);
    m_center->removeDeliveredNotification(notificationWithText("never delivered"));
    settle();
    EXPECT_EQ(m_server->closed().size(), 1u);
}

TEST_F(QtUserNotificationCenterTest, RemovalBeforeTheIdArrivesClosesItWhenItDoes)
{
    startServer({});
    m_server->setHoldingReplies(true);
    startCenter();
    const auto first = notificationWithText("first");
    const auto second = notificationWithText("second");
    m_center->deliverNotification(first);
    ASSERT_TRUE(waitForNotifications(1));
    m_center->removeDeliveredNotification(first);
    m_center->deliverNotification(second);
    ASSERT_TRUE(waitForNotifications(2));
    settle();
    EXPECT_TRUE(m_server->closed().empty());

    m_server->releaseReplies();
    ASSERT_TRUE(waitForClosed(1));
    settle();
    EXPECT_EQ(m_server->closed(), std::vector<uint>{1});
}

TEST_F(QtUserNotificationCenterTest, ServerActionsReachTheDelegateForOurNotificationsOnly)
{
    startServer({});
    startCenter();
    m_center->deliverNotification(notificationWithText("first"));
    m_center->deliverNotification(notificationWithText("second", "Clear formatting"));
    ASSERT_TRUE(waitForNotifications(2));
    settle();

    emit m_server->ActionInvoked(1, QStringLiteral("default"));
    emit m_server->ActionInvoked(2, QStringLiteral("clear-formatting"));
    emit m_server->ActionInvoked(2, QStringLiteral("unknown-action"));
    emit m_server->ActionInvoked(99, QStringLiteral("default"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_delegate.m_events.size() >= 2; }, 10000));
    settle();
    EXPECT_EQ(m_delegate.m_events, (std::vector<std::string>{"activated first", "other button second"}));
}

TEST_F(QtUserNotificationCenterTest, NotificationClosedByTheServerIsForgotten)
{
    startServer({});
    startCenter();
    const auto first = notificationWithText("first");
    m_center->deliverNotification(first);
    ASSERT_TRUE(waitForNotifications(1));
    settle();
    emit m_server->NotificationClosed(1, 2);
    settle();

    m_center->removeDeliveredNotification(first);
    emit m_server->ActionInvoked(1, QStringLiteral("default"));
    settle();
    EXPECT_TRUE(m_server->closed().empty());
    EXPECT_TRUE(m_delegate.m_events.empty());
}

TEST_F(QtUserNotificationCenterTest, WithoutAServerNotificationsAreDroppedQuietly)
{
    startCenter();
    const auto notification = notificationWithText("nobody listens");
    m_center->deliverNotification(notification);
    settle();
    m_center->removeDeliveredNotification(notification);
    m_center->deliverNotification(notificationWithText("again"));
    settle();

    // A server that starts later gets the next notification.
    startServer({});
    m_center->deliverNotification(notificationWithText("late"));
    ASSERT_TRUE(waitForNotifications(1));
    EXPECT_EQ(m_server->notifications().back().body, QStringLiteral("late"));
}

} // namespace
} // namespace nimbrel
