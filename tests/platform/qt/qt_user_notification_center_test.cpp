#include "platform/qt/bus_receive_limits.h"
#include "platform/qt/notification_body.h"
#include "platform/qt/notification_icon.h"
#include "platform/qt/private_bus_test.h"
#include "platform/qt/qt_user_notification_center.h"
#include "platform/qt/text_capping.h"

#include "support/text_row.h"

#include <QDBusContext>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>
#include <QDBusPendingCall>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace nimbrel {
namespace {

using namespace std::string_literals;

// A notification server for tests: it records what it is asked.
class FakeNotificationServer final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    // None: the question for them is never answered, as by a server still starting up.
    std::optional<QStringList> m_capabilities;
    std::vector<QStringList> m_notifications; // app name, icon, summary and body, then the actions
    std::vector<std::optional<QString>> m_imagePaths; // each notification's "image-path" hint
    std::vector<uint> m_closed;
    // Notify calls held unanswered, as by a server that falls behind; answered by answerHeld.
    bool m_holdAnswers = false;
    std::vector<std::pair<QDBusConnection, QDBusMessage>> m_held;

    void answerHeld()
    {
        for (const auto &[bus, answer] : std::exchange(m_held, {}))
            bus.send(answer);
    }

public slots: // Named as the bus methods are.
    QStringList GetCapabilities()
    {
        setDelayedReply(!m_capabilities);
        return m_capabilities.value_or(QStringList());
    }
    uint Notify(const QString &appName, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int)
    {
        m_notifications.push_back(QStringList{appName, icon, summary, body} + actions);
        const auto imagePath = hints.find("image-path");
        m_imagePaths.push_back(imagePath == hints.end() ? std::nullopt : std::optional(imagePath->toString()));
        if (m_holdAnswers) {
            setDelayedReply(true);
            m_held.emplace_back(connection(), message().createReply(uint(m_notifications.size())));
        }
        return static_cast<uint>(m_notifications.size());
    }
    void CloseNotification(uint id) { m_closed.push_back(id); }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);
};

// The fixture is the centre's delegate and records what reaches it.
class QtUserNotificationCenterTest : public PrivateBusTest, public UserNotificationCenterDelegate {
protected:
    bool userNotificationCenterShouldPresentNotification(UserNotificationCenter &, const UserNotification &) override
    { return m_present; }
    void userNotificationCenterDidActivateNotification(UserNotificationCenter &, const UserNotification &shown) override
    { m_events.push_back("activated " + shown.informativeText.str()); }
    void userNotificationCenterDidPressOtherButton(UserNotificationCenter &, const UserNotification &shown) override
    { m_events.push_back("other button " + shown.informativeText.str()); }

    QDBusConnection startServer(std::optional<QStringList> capabilities)
    {
        QDBusConnection bus = connectToBus();
        m_server = std::make_unique<FakeNotificationServer>();
        m_server->m_capabilities = std::move(capabilities);
        EXPECT_TRUE(bus.registerObject("/org/freedesktop/Notifications", m_server.get(),
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        EXPECT_TRUE(bus.registerService("org.freedesktop.Notifications"));
        return bus;
    }
    std::shared_ptr<const UserNotification> deliver(std::string text, std::string otherButtonTitle = {})
    {
        const auto notification = std::make_shared<const UserNotification>(
            UserNotification{"Nimbrel!", std::move(text), true, std::move(otherButtonTitle)});
        m_center->deliverNotification(notification);
        return notification;
    }
    bool m_present = true;
    std::vector<std::string> m_events;
    std::unique_ptr<QtUserNotificationCenter> m_center;
    std::unique_ptr<FakeNotificationServer> m_server;
};

// Until a server answers, bodies go out at once, escaped; a server that starts later is asked too.
// Daemons find the installed icon by its name. A build run from its source tree has none
// installed: they get the icon drawn into a file of the runtime folder, through the image-path hint.
TEST_F(QtUserNotificationCenterTest, MarkupIsEscapedUnlessTheServerShowsPlainTextAndTheIconIsNamedWhereInstalled)
{
    const QTemporaryDir home;
    const QString installed = home.path() + "/data/icons/hicolor/scalable/apps";
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_DATA_DIRS", (home.path() + "/none").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toUtf8());
    // name, capabilities (none: no answer), whether the server starts after the centre, whether
    // the icon is installed, the body
    const std::tuple<const char *, std::optional<QStringList>, bool, bool, QString> rows[] = {
        {"server not answering yet, icon installed", std::nullopt, false, true, "&lt;b&gt; &amp; \u00e9"},
        {"plain server, run from its source tree", QStringList{"actions"}, false, false, "<b> & \u00e9"},
        {"plain server started later", QStringList{}, true, true, "<b> & \u00e9"}};
    for (const auto &[name, capabilities, serverStartsLater, isInstalled, body] : rows) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(QDir().mkpath(installed) && QDir().mkpath(home.path() + "/runtime"));
        if (isInstalled) {
            ASSERT_TRUE(QFile::copy(":/icons/nimbrel.svg", installed + "/nimbrel.svg"));
        }
        TearDown();
        SetUp();
        if (!serverStartsLater)
            startServer(capabilities);
        m_center = std::make_unique<QtUserNotificationCenter>(connectToBus(), notificationIcon());
        m_center->setDelegate(this);
        deliver("heard by nobody when the server starts later");
        if (serverStartsLater)
            startServer(capabilities);
        ASSERT_TRUE(waitUntil([&] {
            const std::size_t sent = m_server->m_notifications.size();
            deliver("<b> & \xC3\xA9");
            return waitUntil([&] { return m_server->m_notifications.size() > sent; })
                && m_server->m_notifications.back().at(3) == body;
        }));
        EXPECT_EQ(m_server->m_notifications.back().at(1), isInstalled ? "nimbrel" : "");
        const std::optional<QString> imagePath = m_server->m_imagePaths.back();
        EXPECT_EQ(imagePath.has_value(), !isInstalled);
        if (imagePath) {
            const QImage picture(QUrl(*imagePath).toLocalFile(), "PNG");
            EXPECT_GE(picture.width(), 64);
            EXPECT_GT(picture.pixelColor(picture.width() / 2, picture.height() / 2).alpha(), 0);
        }
        QDir(home.path() + "/data").removeRecursively();
    }
    for (const char *variable : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_RUNTIME_DIR"})
        qunsetenv(variable);
}

// The server's ids tie its events and our removals to our notifications that are still shown. A
// delivery keeps only the capped text, which its clicks then reach the delegate with.
TEST_F(QtUserNotificationCenterTest, ServerIdsReachOnlyLiveNotificationsAndCloseEachOnce)
{
    startServer(QStringList());
    m_center = std::make_unique<QtUserNotificationCenter>(connectToBus());
    m_center->setDelegate(this);
    m_present = false;
    deliver("declined");
    m_present = true;
    const auto first = deliver("first");
    const auto second = deliver("second", "Clear formatting");
    const auto third = deliver("third");
    const std::weak_ptr<const UserNotification> longText = deliver(std::string(2000, 'x'));
    EXPECT_TRUE(longText.expired());
    m_center->removeDeliveredNotification(first); // before its id is known
    ASSERT_TRUE(waitUntil([&] { return m_server->m_notifications.size() == 4; }));
    EXPECT_EQ(m_server->m_notifications[1], (QStringList{"Nimbrel", "nimbrel", "Nimbrel!", "second", "default", "Open",
                                                         "clear-formatting", "Clear formatting"}));
    emit m_server->NotificationClosed(3, 2);
    for (const auto &[id, action] : {std::pair{99u, "default"}, {2u, "unknown"}, {3u, "default"}, {1u, "default"},
                                     {2u, "default"}, {2u, "clear-formatting"}, {4u, "default"}})
        emit m_server->ActionInvoked(id, action);
    ASSERT_TRUE(waitUntil([&] { return m_events.size() == 3; }));
    EXPECT_EQ(m_events, (std::vector<std::string>{"activated second", "other button second",
                                                  "activated " + std::string(999, 'x') + "\u2026"}));
    m_center->removeDeliveredNotification(second); // after its id is known
    m_center->removeDeliveredNotification(first);
    m_center->removeDeliveredNotification(third);
    m_center->removeDeliveredNotification(deliver("fifth")); // its id yet to come
    // The program's end waits until the removals have reached the server, and then, with nothing
    // left to wait for, returns at once: a wait for the patience would outlast the test's timeout.
    m_center->finishRemovals(std::chrono::minutes(1));
    EXPECT_EQ(m_server->m_closed, (std::vector<uint>{1, 2, 5}));
    m_center->finishRemovals(std::chrono::hours(1));
}

// A server that falls behind gets one notification at a time. The program removes each before it
// delivers the next, as a burst of copies does: the removed ones are never sent, the one shown while
// they came is closed once its id arrives, and the latest goes out then.
TEST_F(QtUserNotificationCenterTest, ASlowServerIsSentOnlyTheLatestOfABurst)
{
    startServer(QStringList());
    m_server->m_holdAnswers = true;
    QDBusConnection bus = connectToBus();
    m_center = std::make_unique<QtUserNotificationCenter>(bus);
    // Calls on one connection arrive in order: once the server has answered this question, it has
    // every Notify the centre sent before it.
    const auto serverHasAllSent = [&] {
        const QDBusPendingCall question = bus.asyncCall(QDBusMessage::createMethodCall(
            "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.freedesktop.Notifications",
            "GetCapabilities"));
        return waitUntil([&] { return question.isFinished(); });
    };
    auto shown = deliver("copy 1");
    for (int copy = 2; copy <= 50; ++copy) {
        m_center->removeDeliveredNotification(shown);
        shown = deliver("copy " + std::to_string(copy));
    }
    ASSERT_TRUE(serverHasAllSent());
    ASSERT_EQ(m_server->m_notifications.size(), 1U);
    m_server->answerHeld();
    ASSERT_TRUE(waitUntil([&] { return m_server->m_notifications.size() == 2; }));
    EXPECT_EQ(m_server->m_notifications.back().at(3), "copy 50");
    EXPECT_TRUE(waitUntil([&] { return m_server->m_closed == std::vector<uint>{1}; }));
    m_server->answerHeld();
    m_center->removeDeliveredNotification(shown);
    m_center->finishRemovals(std::chrono::minutes(1));
    ASSERT_TRUE(serverHasAllSent());
    EXPECT_EQ(m_server->m_notifications.size(), 2U);
    EXPECT_EQ(m_server->m_closed, (std::vector<uint>{1, 2}));
}

// libdbus stops reading a connection that holds more than 63 MiB of received messages until one
// is freed, from the thread that frees it (see bus_receive_limits.h): the server must still read
// the centre's calls after one of 64 MiB. Each call's own timeout ends it if no answer comes; the
// wait outlasts that.
TEST_F(QtUserNotificationCenterTest, BusConnectionKeepsReadingAfterACallOfMoreThan63MiB)
{
    liftBusReceiveLimits(startServer(QStringList()));
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    call.setArguments({"", 0u, "", "", QString(64 << 20, 'x'), QStringList(), QVariantMap(), -1});
    const QDBusPendingCall huge = connectToBus().asyncCall(call, 300000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return huge.isFinished(); }, 600000) && !huge.isError());
    m_center = std::make_unique<QtUserNotificationCenter>(connectToBus());
    deliver("after the call of 64 MiB");
    EXPECT_TRUE(waitUntil([&] { return m_server->m_notifications.size() == 2; }));
}

// What a notification shows: its text capped, and its body as the server takes it.
TEST(NotificationText, IsCutAtACodePointWithAnEllipsisThenHasItsMarkupEscapedWhenAsked)
{
    const std::string mixedWidths = "a\u00E9\u20AC\U0001F600"; // 1 to 4 bytes
    const std::tuple<const char *, std::string, std::size_t, std::string> rows[] = { // name, text, cap, capped
        {"exactly the cap", "abc", 3, "abc"},
        {"one over", "abcd", 3, "ab\u2026"},
        {"multi-byte kept whole", repeated(mixedWidths, 2), 6, mixedWidths + "a\u2026"},
        {"invalid bytes replaced before counting", "a\xFF\xFE" "b", 3, "a\uFFFD\u2026"},
        {"truncated sequence at the end", "ab\xE2\x82", 5, "ab\uFFFD"},
        {"truncated sequence at the cut", std::string(998, 'x') + "\xE2\x82" + std::string(5000, 'y'), 1000,
         std::string(998, 'x') + "\uFFFD\u2026"},
        {"long", repeated(mixedWidths, 2000), 1000, repeated(mixedWidths, 249) + "a\u00E9\u20AC\u2026"},
    };
    for (const auto &[name, text, cap, expected] : rows)
        EXPECT_EQ(cappedText(text, cap), expected) << name;
    const std::tuple<const char *, std::string, bool, std::string> bodies[] = { // name, text, escape markup, body
        {"markup escaped", "<b> & \"'\n&amp;", true, "&lt;b&gt; &amp; &quot;&apos;\n&amp;amp;"},
        {"NUL replaced", "a\0b"s, false, "a\uFFFDb"},
        // Shown raw, "invoice\u202Egpj.exe" would read "invoiceexe.jpg"; line breaks stay.
        {"direction overrides replaced", "invoice\u202Egpj.exe\n\u202Aa\u202Bb\u202Cc\u202Dd", false,
         "invoice\uFFFDgpj.exe\n\uFFFDa\uFFFDb\uFFFDc\uFFFDd"},
        {"direction isolates replaced when escaping", "\u2066<\u2067\u2068\u2069\u2065\u206A\u2029\u202F", true,
         "\uFFFD&lt;\uFFFD\uFFFD\uFFFD\u2065\u206A\u2029\u202F"},
        // The cap counts the characters shown, so it comes before the escaping.
        {"capped before escaping", std::string(1001, '&'), true, repeated("&amp;", 999) + "\u2026"},
    };
    for (const auto &[name, text, escapeMarkup, expected] : bodies)
        EXPECT_EQ(notificationBody(text, escapeMarkup), expected) << name;
}

} // namespace
} // namespace nimbrel

#include "qt_user_notification_center_test.moc"
