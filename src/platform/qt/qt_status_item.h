#pragma once

#include "platform/qt/qt_status_bar_button.h"
#include "platform/qt/rate_limited_log.h"
#include "platform/qt/tray/status_notifier_item.h"
#include "platform/status_item.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace nimbrel {

// The program's entry in the panel's tray: a StatusNotifierItem while a StatusNotifierWatcher is
// on the session bus, and Qt's system tray icon (the X11 tray protocol) while there is none; it
// follows the watcher as it comes and goes, and says on standard error which one shows the entry.
// In the X11 tray the menu opens on a right click as the context menu and on a left click too,
// since a left click is what most users try first.
class QtStatusItem final : public StatusItem {
public:
    explicit QtStatusItem(QDBusConnection bus);
    ~QtStatusItem() override;

    StatusBarButton *button() override { return &m_button; }
    void setMenu(Menu *menu) override;

    // The one that shows the entry; the other is nullptr.
    const StatusNotifierItem *notifierItem() const { return m_notifierItem.get(); }
    const QSystemTrayIcon *trayIcon() const { return m_trayIcon.get(); }

private:
    void useNotifierItem();
    void useTrayIcon(const QString &reason);
    void showIcon();
    void popUpTrayMenu(QSystemTrayIcon::ActivationReason reason);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcherPresence;
    QPointer<QMenu> m_menu;
    std::unique_ptr<StatusNotifierItem> m_notifierItem;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    // On Wayland, where there is no X11 tray: whether it was said that the entry waits for a panel.
    bool m_waitingForPanel = false;
    // Any program on the bus can make the watcher come and go: a few lines a minute say so.
    RateLimitedLog m_log{5, std::chrono::minutes(1)};
    QtStatusBarButton m_button{[this] { showIcon(); }};
};

} // namespace nimbrel
