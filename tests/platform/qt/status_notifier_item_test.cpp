#include "platform/qt/private_bus_test.h"
#include "platform/qt/qt_image_library.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_status_item.h"

#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>

namespace nimbrel {
namespace {

// A panel's StatusNotifierWatcher that records who registers, or refuses everyone.
class FakeWatcher final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    bool m_refuse = false;
    QStringList m_registered;
    int m_refused = 0;

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        if (m_refuse) {
            ++m_refused;
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("no"));
        } else {
            m_registered << service;
        }
    }
};

// Hands the menu's signals to the test.
class SignalReceiver final : public QObject {
    Q_OBJECT
public:
    std::function<void(const QDBusMessage &)> m_received;

public slots:
    void receive(const QDBusMessage &message) { m_received(message); }
};

// The status menu as the program builds it, with the item before its host: the host's calls go
// from a connection of their own, as a panel's do.
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
    }
    void startWatcher()
    {
        m_host.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher, QDBusConnection::ExportAllSlots);
        ASSERT_TRUE(m_host.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }
    QDBusMessage call(const char *path, const char *interface, const char *method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_itemBus.baseService(), QString::fromLatin1(path),
                                                              QString::fromLatin1(interface), QString::fromLatin1(method));
        message.setArguments(arguments);
        return m_host.call(message, QDBus::BlockWithGui);
    }
    QDBusMessage menuCall(const char *method, const QVariantList &arguments)
    {
        return call("/MenuBar", "com.canonical.dbusmenu", method, arguments);
    }
    QVariant itemProperty(const char *name)
    {
        const QDBusMessage reply = call("/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                        {QStringLiteral("org.kde.StatusNotifierItem"), QString::fromLatin1(name)});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    // The menu as the host reads it: "title:enabled" for each entry, "-" for a separator.
    QString layout()
    {
        const QDBusMessage reply = menuCall("GetLayout", {0, -1, QStringList()});
        QStringList entries;
        for (const DBusMenuLayoutItem &entry : qdbus_cast<DBusMenuLayoutItem>(reply.arguments().value(1)).children)
            entries << (entry.properties.value("type") == "separator"
                            ? QStringLiteral("-")
                            : entry.properties.value("label").toString() + ":" + entry.properties.value("enabled").toString());
        return entries.join(' ');
    }

    QDBusConnection m_itemBus{QString()};
    QDBusConnection m_host{QString()};
    FakeWatcher m_watcher;
    QMenu m_menu;
    QtMenu m_menuOutlet{&m_menu};
    QStringList m_triggered;
};

TEST_F(StatusNotifierItemTest, FollowsTheWatcherAsItComesAndGoesAndFallsBackWhenRefused)
{
    QtStatusItem item(m_itemBus);
    EXPECT_TRUE(item.trayIcon() != nullptr && item.notifierItem() == nullptr) << "no watcher at first";
    startWatcher();
    ASSERT_TRUE(waitUntil([&] { return m_watcher.m_registered.size() == 1; }));
    EXPECT_EQ(m_watcher.m_registered.front(), m_itemBus.baseService());
    EXPECT_TRUE(item.trayIcon() == nullptr && item.notifierItem() != nullptr);
    m_host.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    EXPECT_TRUE(waitUntil([&] { return item.trayIcon() != nullptr && item.notifierItem() == nullptr; })) << "gone";
    m_watcher.m_refuse = true;
    m_host.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    ASSERT_TRUE(waitUntil([&] { return m_watcher.m_refused == 1; }));
    EXPECT_TRUE(waitUntil([&] { return item.trayIcon() != nullptr && item.notifierItem() == nullptr; })) << "refused";
}

TEST_F(StatusNotifierItemTest, ShowsTheGlyphAndTheInstalledIconAndOpensTheMenuWhereAsked)
{
    startWatcher();
    QtStatusItem item(m_itemBus);
    item.setMenu(&m_menuOutlet);
    EXPECT_EQ(itemProperty("Status").toString(), "Passive") << "no image yet";
    item.button()->setImage(QtImageLibrary().imageNamed("statusIcon"));
    EXPECT_EQ(itemProperty("Status").toString(), "Active");
    EXPECT_EQ(itemProperty("IconName").toString(), "") << "not installed";
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QDir(data.path()).mkpath("icons/hicolor/scalable/apps");
    QFile(data.filePath("icons/hicolor/scalable/apps/nimbrel.svg")).open(QIODevice::WriteOnly);
    EXPECT_EQ(itemProperty("IconName").toString(), "nimbrel");
    qunsetenv("XDG_DATA_HOME");
    for (const auto &[name, value] : {std::pair{"Category", "ApplicationStatus"}, {"Id", "nimbrel"}, {"Title", "Nimbrel"}})
        EXPECT_EQ(itemProperty(name).toString(), value);
    EXPECT_EQ(itemProperty("ItemIsMenu").toBool(), true);
    EXPECT_EQ(itemProperty("Menu").value<QDBusObjectPath>().path(), "/MenuBar");
    EXPECT_EQ(qdbus_cast<StatusNotifierToolTip>(itemProperty("ToolTip")).title, "Nimbrel");

    // The 22-pixel glyph: transparent corners, a white edge, black lines; ARGB in network order.
    StatusNotifierPixmap glyph;
    for (const StatusNotifierPixmap &pixmap : qdbus_cast<StatusNotifierPixmaps>(itemProperty("IconPixmap")))
        if (pixmap.width == 22)
            glyph = pixmap;
    ASSERT_EQ(glyph.pixels.size(), 22 * 22 * 4);
    const auto pixel = [&](int x, int y) { return glyph.pixels.mid((y * 22 + x) * 4, 4).toHex(); };
    EXPECT_EQ(pixel(0, 0), "00000000");
    EXPECT_EQ(pixel(10, 2), "ff000000") << "the clip's black outline";
    EXPECT_EQ(pixel(10, 9), "ffffffff") << "the paper";

    call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "SecondaryActivate", {100, 50});
    EXPECT_FALSE(m_menu.isVisible());
    call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "ContextMenu", {100, 50});
    EXPECT_TRUE(m_menu.isVisible() && m_menu.pos() == QPoint(100, 50));
    call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", {200, 80});
    EXPECT_EQ(m_menu.pos(), QPoint(100, 50)) << "an open menu stays where it is";
}

TEST_F(StatusNotifierItemTest, ExportsTheMenuAndTakesClicksOnlyOnEnabledEntries)
{
    DBusMenuExporter exporter(m_itemBus, &m_menu);
    EXPECT_EQ(layout(), "Text actions…:false Clear clipboard:true Settings…:true - Quit:true");
    EXPECT_EQ(qdbus_cast<QList<DBusMenuItemProperties>>(menuCall("GetGroupProperties", {QVariant::fromValue(QList<int>()), QStringList()}).arguments().value(0)).size(), 5) << "none named: all";
    EXPECT_EQ(qdbus_cast<QList<int>>(menuCall("AboutToShowGroup", {QVariant::fromValue(QList<int>{1, 77})}).arguments().value(1)), QList<int>{77});
    QList<QVariantMap> updates;
    uint revision = 0;
    SignalReceiver receiver;
    receiver.m_received = [&](const QDBusMessage &message) {
        if (message.member() == "LayoutUpdated")
            revision = message.arguments().value(0).toUInt();
        else
            for (const auto &entry : qdbus_cast<QList<DBusMenuItemProperties>>(message.arguments().value(0)))
                updates << entry.properties;
    };
    for (const char *signal : {"LayoutUpdated", "ItemsPropertiesUpdated"})
        m_host.connect(m_itemBus.baseService(), "/MenuBar", "com.canonical.dbusmenu", signal, &receiver,
                       SLOT(receive(QDBusMessage)));
    m_menu.actions().front()->setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return !updates.isEmpty(); }));
    EXPECT_EQ(updates.front().value("label"), "Text actions…");
    EXPECT_EQ(updates.front().value("enabled"), true);
    m_menu.addAction(QStringLiteral("Extra"));
    EXPECT_TRUE(waitUntil([&] { return revision > 1; }));

    // id | event | what is triggered (a disabled entry and other events trigger nothing)
    m_menu.actions().at(1)->setEnabled(false);
    const QVariant data = QVariant::fromValue(QDBusVariant(0));
    for (const auto &[id, event, triggered] : {std::tuple{2, "clicked", ""}, {3, "hovered", ""}, {3, "clicked", "Settings…"}}) {
        m_triggered.clear();
        EXPECT_EQ(menuCall("Event", {id, QString::fromLatin1(event), data, 0u}).type(), QDBusMessage::ReplyMessage);
        EXPECT_EQ(m_triggered.join(','), triggered) << id << event;
    }
    m_triggered.clear();
    // Unknown ids are refused; a group's clicks after the first do nothing.
    for (const auto &[method, arguments] : {std::pair<const char *, QVariantList>{"Event", {99, "clicked", data, 0u}},
                                            {"GetProperty", {99, "label"}}, {"GetProperty", {3, "no such"}},
                                            {"AboutToShow", {-1}}, {"GetLayout", {42, -1, QStringList()}}})
        EXPECT_EQ(menuCall(method, arguments).errorName(), "org.freedesktop.DBus.Error.InvalidArgs") << method;
    QList<DBusMenuEvent> events;
    for (const int id : {5, 99, 3, 5})
        events << DBusMenuEvent{id, QStringLiteral("clicked"), QDBusVariant(0), 0};
    const QDBusMessage reply = menuCall("EventGroup", {QVariant::fromValue(events)});
    EXPECT_EQ(qdbus_cast<QList<int>>(reply.arguments().value(0)), QList<int>{99});
    EXPECT_EQ(m_triggered.join(','), "Quit");
}

} // namespace
} // namespace nimbrel

#include "status_notifier_item_test.moc"
