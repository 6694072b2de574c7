#pragma once

#include "platform/qt/qt_status_bar_button.h"
#include "platform/qt/tray_host_clicks.h"
#include "platform/status_item.h"

#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace nimbrel {

// The program's entry in the panel's system tray. The menu opens on a right click as the context
// menu and on a left click too, since a left click is what most users try first; it opens where
// the tray host says the icon was clicked, when the host says so.
class QtStatusItem final : public StatusItem {
public:
    QtStatusItem();

    StatusBarButton *button() override { return &m_button; }
    void setMenu(Menu *menu) override;

    const QSystemTrayIcon &trayIcon() const { return *m_trayIcon; }

private:
    void popUpMenu(QSystemTrayIcon::ActivationReason reason);

    TrayHostClicks m_hostClicks;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon = std::make_unique<QSystemTrayIcon>();
    QtStatusBarButton m_button{m_trayIcon.get()};
    QPointer<QMenu> m_menu;
};

} // namespace nimbrel
