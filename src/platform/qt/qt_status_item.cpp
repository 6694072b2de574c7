#include "platform/qt/qt_status_item.h"

#include "platform/qt/qt_menu.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMenu>

namespace nimbrel {

QtStatusItem::QtStatusItem(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    // Watched before it is looked for, so that no coming or going is missed in between.
    const QString watcher = QString::fromLatin1(StatusNotifierItem::watcherService);
    m_watcherPresence.setConnection(m_bus);
    m_watcherPresence.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    m_watcherPresence.addWatchedService(watcher);
    QObject::connect(&m_watcherPresence, &QDBusServiceWatcher::serviceOwnerChanged, &m_watcherPresence,
                     [this](const QString &, const QString &, const QString &newOwner) {
                         if (newOwner.isEmpty())
                             useTrayIcon(QCoreApplication::translate(
                                 "QtStatusItem", "the StatusNotifierWatcher left the session bus"));
                         else
                             useNotifierItem();
                     });
    if (m_bus.isConnected() && m_bus.interface()->isServiceRegistered(watcher))
        useNotifierItem();
    else
        useTrayIcon(QCoreApplication::translate("QtStatusItem", "no StatusNotifierWatcher on the session bus"));
}

QtStatusItem::~QtStatusItem() = default;

void QtStatusItem::setMenu(Menu *menu)
{
    const auto *qtMenu = dynamic_cast<const QtMenu *>(menu);
    m_menu = qtMenu != nullptr ? qtMenu->menu() : nullptr;
    if (m_notifierItem)
        m_notifierItem->setMenu(m_menu);
    if (m_trayIcon)
        m_trayIcon->setContextMenu(m_menu);
}

void QtStatusItem::useNotifierItem()
{
    if (!m_notifierItem)
        m_log.say("nimbrel: "
                  + QCoreApplication::translate("QtStatusItem", "the tray icon is a StatusNotifierItem").toStdString());
    m_waitingForPanel = false;
    m_trayIcon.reset();
    // A new watcher knows nothing of the old one's items: the item registers anew.
    m_notifierItem.reset();
    m_notifierItem = std::make_unique<StatusNotifierItem>(m_bus);
    m_notifierItem->setMenu(m_menu);
    m_notifierItem->setIcon(m_button.icon());
    m_notifierItem->registerWithWatcher([this](const QString &error) {
        // Not from within the item's own answer, which the switch ends.
        QMetaObject::invokeMethod(
            &m_watcherPresence,
            [this, error] {
                useTrayIcon(
                    QCoreApplication::translate("QtStatusItem", "the StatusNotifierWatcher refused the item: %1").arg(error));
            },
            Qt::QueuedConnection);
    });
}

void QtStatusItem::useTrayIcon(const QString &reason)
{
    // A native Wayland window has no X11 system tray to go to (Qt would only warn): the entry
    // waits for a panel's StatusNotifierWatcher.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (!m_waitingForPanel)
            m_log.say("nimbrel: "
                      + QCoreApplication::translate("QtStatusItem", "no tray yet (%1); the icon appears when a panel starts")
                            .arg(reason)
                            .toStdString());
        m_notifierItem.reset();
        m_waitingForPanel = true;
        return;
    }
    if (!m_trayIcon)
        m_log.say("nimbrel: "
                  + QCoreApplication::translate("QtStatusItem", "the tray icon goes to the X11 system tray (%1)")
                        .arg(reason)
                        .toStdString());
    m_notifierItem.reset();
    if (m_trayIcon)
        return;
    m_trayIcon = std::make_unique<QSystemTrayIcon>();
    m_trayIcon->setToolTip(QGuiApplication::applicationDisplayName());
    m_trayIcon->setContextMenu(m_menu);
    QObject::connect(m_trayIcon.get(), &QSystemTrayIcon::activated, m_trayIcon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) { popUpTrayMenu(reason); });
    showIcon();
}

void QtStatusItem::showIcon()
{
    const QIcon icon = m_button.icon();
    if (m_notifierItem)
        m_notifierItem->setIcon(icon);
    if (!m_trayIcon)
        return;
    m_trayIcon->setIcon(icon);
    m_trayIcon->setVisible(!icon.isNull());
}

void QtStatusItem::popUpTrayMenu(QSystemTrayIcon::ActivationReason reason)
{
    // The right click's context menu is Qt's to open. Qt reports a click that follows the last
    // one within the double-click interval (say, right after the menu closed) only as a double
    // click; a quick user still wants the menu.
    const bool wanted = reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick;
    if (wanted && m_menu != nullptr && !m_menu->isVisible())
        m_menu->popup(QCursor::pos());
}

} // namespace nimbrel
