#include "platform/qt/private_bus_test.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/qt_image_library.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_status_item.h"
#include "platform/qt/rate_limited_log.h"

#include <QCursor>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace nimbrel {
namespace {

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

// A panel's StatusNotifierWatcher that records who registers, or refuses everyone.
class FakeWatcher final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    bool m_refuse = false;
    QStringList m_calls;

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        m_calls << service;
        if (m_refuse)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("no"));
    }
};

// The status menu as the program builds it. The host's calls come from a connection of their
// own, as a panel's do.
class StatusNotifierItemTest : public PrivateBusTest {
protected:
    void SetUp() override
    {
        PrivateBusTest::SetUp();
        m_itemBus = connectToBus();
        m_host = connectToBus();
        for (const char *title : {"Text actions…", "Clear clipboard", "Settings…", "", "Quit"}) {
            QAction *action = *title != '\0' ? m_menu.addAction(QString::fromUtf8(title)) : m_menu.addSeparator();
            QObject::connect(action, &QAction::triggered, [this, action] { m_triggered << action->text(); });
        }
        m_menu.actions().front()->setEnabled(false);
        m_host.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher, QDBusConnection::ExportAllSlots);
    }
    QDBusMessage call(const char *path, const char *interface, const char *method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_itemBus.baseService(), path, interface, method);
        message.setArguments(arguments);
        return m_host.call(message, QDBus::BlockWithGui);
    }
    QDBusMessage menuCall(const char *method, const QVariantList &arguments)
    { return call("/MenuBar", "com.canonical.dbusmenu", method, arguments); }
    QVariant itemProperty(const char *name)
    {
        const QDBusMessage reply = call("/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                        {QStringLiteral("org.kde.StatusNotifierItem"), QString::fromLatin1(name)});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QDBusConnection m_itemBus{QString()};
    QDBusConnection m_host{QString()};
    FakeWatcher m_watcher;
    QMenu m_menu;
    QtMenu m_menuOutlet{&m_menu};
    QStringList m_triggered;
};

// The item starts as a tray icon, becomes a StatusNotifierItem while a watcher is there, and falls
// back to the tray icon, image and menu included, once the watcher goes or refuses it.
TEST_F(StatusNotifierItemTest, FollowsTheWatcherShowsTheGlyphAndTheInstalledIconAndOpensTheMenuWhereAsked)
{
    QtStatusItem item(m_itemBus);
    item.setMenu(&m_menuOutlet);
    ASSERT_TRUE(item.trayIcon() != nullptr && item.notifierItem() == nullptr) << "no watcher at first";
    EXPECT_TRUE(!item.trayIcon()->isVisible() && item.trayIcon()->contextMenu() == &m_menu) << "no image yet";
    m_host.registerService(watcherName);
    ASSERT_TRUE(waitUntil([&] { return m_watcher.m_calls == QStringList{m_itemBus.baseService()}; }));
    EXPECT_TRUE(item.trayIcon() == nullptr && item.notifierItem() != nullptr);
    EXPECT_EQ(itemProperty("Status").toString(), "Passive") << "no image yet";
    // Panels show the icon once told its status changed.
    QSignalSpy newStatus(item.notifierItem(), &StatusNotifierItem::NewStatus);
    item.button()->setImage(QtImageLibrary().imageNamed("statusIcon"));
    const qsizetype toldOnChange = newStatus.size();
    item.button()->setImage(QtImageLibrary().imageNamed("statusIcon"));
    EXPECT_TRUE(toldOnChange == 1 && newStatus == QList<QVariantList>{{"Active"}}) << "once, when it changes";
    for (const auto &[name, value] : {std::pair{"Status", "Active"}, {"Category", "ApplicationStatus"}, {"Id", "nimbrel"},
                                      {"Title", "Nimbrel"}, {"IconName", ""}, {"ItemIsMenu", "true"}})
        EXPECT_EQ(itemProperty(name).toString(), value) << name;
    EXPECT_EQ(itemProperty("Menu").value<QDBusObjectPath>().path(), "/MenuBar");
    EXPECT_EQ(qdbus_cast<StatusNotifierToolTip>(itemProperty("ToolTip")).title, "Nimbrel");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QDir(data.path()).mkpath("icons/hicolor/scalable/apps");
    QFile(data.filePath("icons/hicolor/scalable/apps/nimbrel.svg")).open(QIODevice::WriteOnly);
    EXPECT_EQ(itemProperty("IconName").toString(), "nimbrel") << "installed";
    qunsetenv("XDG_DATA_HOME");

    // The 22-pixel glyph: transparent corners, black lines on white paper; ARGB in network order.
    QByteArray glyph;
    for (const StatusNotifierPixmap &pixmap : qdbus_cast<StatusNotifierPixmaps>(itemProperty("IconPixmap")))
        glyph = pixmap.width == 22 && pixmap.height == 22 ? pixmap.pixels : glyph;
    ASSERT_EQ(glyph.size(), 22 * 22 * 4);
    for (const auto &[x, y, argb] : {std::tuple{0, 0, "00000000"}, {10, 2, "ff000000"}, {10, 9, "ffffffff"}})
        EXPECT_EQ(glyph.mid((y * 22 + x) * 4, 4).toHex(), argb) << x << "," << y;

    QCursor::setPos(110, 60);
    for (const auto &[method, x, y, shownAt] : {std::tuple{"SecondaryActivate", 100, 50, QPoint()},
                                                {"ContextMenu", 100, 50, QPoint(100, 50)},
                                                {"Activate", 200, 80, QPoint(100, 50)}}) // an open menu stays put
    {
        call("/StatusNotifierItem", "org.kde.StatusNotifierItem", method, {x, y});
        EXPECT_EQ(m_menu.isVisible() ? m_menu.pos() : QPoint(), shownAt) << method;
    }
    // MATE's applet sends a point relative to itself, far from the click on a panel at the top
    // right: the menu goes to the pointer, not to the screen's corner.
    m_menu.hide();
    qunsetenv("WAYLAND_DISPLAY"); // an X11 session, where the pointer is known
    QCursor::setPos(500, 10);
    call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", {0, 27});
    EXPECT_EQ(m_menu.pos(), QPoint(500, 10));

    m_host.unregisterService(watcherName);
    EXPECT_TRUE(waitUntil([&] { return item.trayIcon() != nullptr && item.notifierItem() == nullptr; })) << "gone";
    EXPECT_TRUE(item.trayIcon()->isVisible() && item.trayIcon()->contextMenu() == &m_menu);
    m_watcher.m_refuse = true;
    m_host.registerService(watcherName);
    ASSERT_TRUE(waitUntil([&] { return m_watcher.m_calls.size() == 2; }));
    EXPECT_TRUE(waitUntil([&] { return item.trayIcon() != nullptr && item.notifierItem() == nullptr; })) << "refused";
}

TEST_F(StatusNotifierItemTest, ExportsTheMenuAndTakesClicksOnlyOnEnabledEntries)
{
    // The layout itself is what the panel rows of tests/e2e/tray.sh read.
    DBusMenuExporter exporter(m_itemBus, &m_menu);
    const auto groupReply = menuCall("GetGroupProperties", {QVariant::fromValue(QList<int>()), QStringList{"label"}});
    const auto group = qdbus_cast<QList<DBusMenuItemProperties>>(groupReply.arguments().value(0));
    EXPECT_TRUE(group.size() == 5 && group[0].properties.keys() == QStringList{"label"}) << "no ids named: all";
    // Any program on the bus may ask for one entry 30,000 times, with 30,000 names no entry has:
    // the answer names it once, and comes well within the call's 25 s (ids times names would not).
    QList<int> ids(30000, 3);
    QStringList names{QStringLiteral("enabled")};
    for (int index = 0; index < 30000; ++index)
        names << QString::number(index);
    const auto hostileReply = menuCall("GetGroupProperties", {QVariant::fromValue(ids + QList<int>{99}), names});
    const auto hostile = qdbus_cast<QList<DBusMenuItemProperties>>(hostileReply.arguments().value(0));
    EXPECT_TRUE(hostile.size() == 1 && hostile[0].id == 3 && hostile[0].properties.keys() == QStringList{"enabled"})
        << hostileReply.errorMessage().toStdString();
    const auto aboutToShow = menuCall("AboutToShowGroup", {QVariant::fromValue(QList<int>{1, 77})});
    EXPECT_EQ(qdbus_cast<QList<int>>(aboutToShow.arguments().value(1)), QList<int>{77});
    QSignalSpy propertiesUpdated(&exporter, &DBusMenuExporter::ItemsPropertiesUpdated);
    QSignalSpy layoutUpdated(&exporter, &DBusMenuExporter::LayoutUpdated);
    m_menu.actions().front()->setEnabled(true);
    m_menu.addAction(QStringLiteral("Extra"));
    const auto updated = propertiesUpdated.value(0).value(0).value<QList<DBusMenuItemProperties>>();
    EXPECT_TRUE(updated.size() == 1 && updated[0].id == 1 && updated[0].properties["enabled"] == true);
    EXPECT_EQ(layoutUpdated.value(0).value(0).toUInt(), 2u) << "the next revision";
    const auto grown = menuCall("GetGroupProperties", {QVariant::fromValue(QList<int>()), QStringList{"label"}});
    const auto grownItems = qdbus_cast<QList<DBusMenuItemProperties>>(grown.arguments().value(0));
    EXPECT_EQ(grownItems.value(5).properties["label"], "Extra") << "an added entry has an id of its own";

    // id | event | what it triggers: nothing on a disabled entry, nor for other events.
    m_menu.actions().at(1)->setEnabled(false);
    const QVariant data = QVariant::fromValue(QDBusVariant(0));
    for (const auto &[id, event, triggered] : {std::tuple{2, "clicked", ""}, {3, "hovered", ""}, {3, "clicked", "Settings…"}}) {
        m_triggered.clear();
        EXPECT_EQ(menuCall("Event", {id, event, data, 0u}).type(), QDBusMessage::ReplyMessage);
        EXPECT_EQ(m_triggered.join(','), triggered) << id << event;
    }
    m_triggered.clear();
    for (const auto &[method, arguments] : {std::pair<const char *, QVariantList>{"Event", {99, "clicked", data, 0u}},
                                            {"GetProperty", {99, "label"}}, {"GetProperty", {3, "no such"}},
                                            {"AboutToShow", {-1}}, {"GetLayout", {42, -1, QStringList()}}})
        EXPECT_EQ(menuCall(method, arguments).errorName(), "org.freedesktop.DBus.Error.InvalidArgs") << method;
    // A group's clicks after the first do nothing; unknown ids come back.
    QList<DBusMenuEvent> events;
    for (const int id : {5, 99, 3, 5})
        events << DBusMenuEvent{id, QStringLiteral("clicked"), QDBusVariant(0), 0};
    const QDBusMessage reply = menuCall("EventGroup", {QVariant::fromValue(events)});
    EXPECT_EQ(qdbus_cast<QList<int>>(reply.arguments().value(0)), QList<int>{99});
    EXPECT_EQ(m_triggered.join(','), "Quit");
}

// A watcher that comes and goes 10,000 times costs five lines a minute, and the log ends on the
// state as it is, with the changes that went untold.
TEST(RateLimitedLog, SaysAFewLinesAWindowAndTheLastHeldBackWhenItEnds)
{
    auto now = std::chrono::steady_clock::time_point{};
    std::vector<std::string> said;
    RateLimitedLog log(5, std::chrono::minutes(1), [&said](const std::string &line) { said.push_back(line); },
                       [&now] { return now; });
    for (int change = 1; change <= 10000; ++change)
        log.say(change % 2 ? "gone" : "back " + std::to_string(change));
    log.flush();
    EXPECT_EQ(said, (std::vector<std::string>{"gone", "back 2", "gone", "back 4", "gone"})) << "within the window";
    now += std::chrono::minutes(1);
    log.flush();
    log.say("gone");
    EXPECT_EQ(std::vector<std::string>(said.begin() + 5, said.end()),
              (std::vector<std::string>{"back 10000 (after 9994 changes not told)", "gone"}));
}

// The status item's icons go by plain names only, so that no name reaches outside the icons
// compiled into the program.
TEST(QtImageLibrary, FindsOnlyImagesCompiledIntoTheProgramByPlainName)
{
    for (const auto &[name, found] : {std::pair<std::string, bool>{"statusIcon", true}, {"nimbrel", true},
                                      {"../icons/statusIcon", false}, {std::string("statusIcon\0x", 12), false}}) {
        const auto image = QtImageLibrary().imageNamed(name);
        EXPECT_EQ(image != nullptr, found) << name;
        EXPECT_TRUE(!image || !dynamic_cast<QtImage &>(*image).icon().pixmap(22, 22).isNull()) << name;
    }
}

} // namespace
} // namespace nimbrel

#include "status_notifier_item_test.moc"
