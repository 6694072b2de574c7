#include "platform/qt/bus_receive_limits.h"

#include "platform/qt/fake_notification_server.h"
#include "platform/qt/private_bus_test.h"

#include <QDBusPendingCall>
#include <QTest>

namespace nimbrel {
namespace {

// The served object lives on the main thread, as all the program's do, so the call is freed there.
// Each call's own timeout ends it if no answer comes; the wait outlasts that.
TEST_F(PrivateBusTest, ConnectionKeepsAnsweringAfterACallOfMoreThan63MiB)
{
    QDBusConnection serving = connectToBus();
    liftBusReceiveLimits(serving);
    FakeNotificationServer server(QStringList{"body-markup"});
    ASSERT_TRUE(serving.registerObject("/org/freedesktop/Notifications", &server, QDBusConnection::ExportAllSlots));
    const QVariantList huge{"", 0u, "", "", QString(64 << 20, 'x'), QStringList(), QVariantMap(), -1};
    for (const auto &[method, arguments] : {std::pair{"Notify", huge}, {"GetCapabilities", QVariantList()}}) {
        QDBusMessage call = QDBusMessage::createMethodCall(serving.baseService(), "/org/freedesktop/Notifications",
                                                           "org.freedesktop.Notifications", method);
        call.setArguments(arguments);
        const QDBusPendingCall pending = connectToBus().asyncCall(call, 300000);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 600000) && !pending.isError()) << method;
    }
}

} // namespace
} // namespace nimbrel
