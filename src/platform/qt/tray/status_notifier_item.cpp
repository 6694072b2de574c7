#include "platform/qt/tray/status_notifier_item.h"

#include "platform/qt/notification_icon.h"

#include <QCursor>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>

namespace nimbrel {

namespace {

// A panel is given the icon's name only when it is there to be found: some (waybar) would rather
// show a "missing" icon than the pixmap.
QString installedIconName()
{
    return iconInstalled() ? QStringLiteral("nimbrel") : QString();
}

// How far from the pointer a panel's point may be and still be where the user clicked: a panel
// gives the click's point or a corner of its icon, and icons are at most a few dozen pixels.
constexpr int nearPointer = 128;

// Where the menu goes for a panel's point. Some panels (MATE's) send a point relative to their
// applet, which lands in a corner of the screen: a point far from the pointer gives way to the
// pointer. In a Wayland session the pointer is not known (XWayland learns of it only over its
// own windows, not over the panel): the panel's point stands.
QPoint menuPosition(const QPoint &given)
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return given;
    const QPoint pointer = QCursor::pos();
    return (given - pointer).manhattanLength() <= nearPointer ? given : pointer;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    registerStatusNotifierTypes();
    m_bus.registerObject(QString::fromLatin1(objectPath), this,
                         QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                             | QDBusConnection::ExportAllProperties);
    m_menuExporter = std::make_unique<DBusMenuExporter>(m_bus, nullptr);
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

void StatusNotifierItem::registerWithWatcher(std::function<void(const QString &error)> failed)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(watcherService),
                                                       QStringLiteral("/StatusNotifierWatcher"),
                                                       QString::fromLatin1(watcherService),
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    // By the connection's unique name: the item is at the path every watcher assumes.
    call << m_bus.baseService();
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [pending, failed = std::move(failed)] {
        pending->deleteLater();
        if (pending->isError())
            failed(pending->error().message());
    });
}

void StatusNotifierItem::setIcon(const QIcon &icon)
{
    const QString before = status();
    m_pixmaps = statusNotifierPixmaps(icon);
    emit NewIcon();
    emit NewToolTip();
    if (status() != before)
        emit NewStatus(status());
}

void StatusNotifierItem::setMenu(QMenu *menu)
{
    m_menu = menu;
    // One object path per connection: the old export goes before the new one takes its place.
    m_menuExporter.reset();
    m_menuExporter = std::make_unique<DBusMenuExporter>(m_bus, menu);
}

QString StatusNotifierItem::status() const
{
    return m_pixmaps.isEmpty() ? QStringLiteral("Passive") : QStringLiteral("Active");
}

QString StatusNotifierItem::iconName() const
{
    return m_pixmaps.isEmpty() ? QString() : installedIconName();
}

StatusNotifierToolTip StatusNotifierItem::toolTip() const
{
    return StatusNotifierToolTip{iconName(), {}, title(), {}};
}

void StatusNotifierItem::popUpMenu(int x, int y)
{
    if (m_menu == nullptr || m_menu->isVisible())
        return;
    // A native Wayland window has no say in where it goes, and a tiling compositor would stretch
    // the menu over the workspace; one of a fixed size it floats, as it floats dialogs.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        m_menu->setFixedSize(m_menu->sizeHint());
    m_menu->popup(menuPosition(QPoint(x, y)));
}

} // namespace nimbrel
