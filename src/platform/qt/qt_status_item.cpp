#include "platform/qt/qt_status_item.h"

#include "platform/qt/qt_menu.h"

#include <QCursor>
#include <QMenu>

namespace nimbrel {

QtStatusItem::QtStatusItem()
{
    m_trayIcon->setToolTip(QStringLiteral("Nimbrel"));
    QObject::connect(m_trayIcon.get(), &QSystemTrayIcon::activated, m_trayIcon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) { popUpMenu(reason); });
}

void QtStatusItem::setMenu(Menu *menu)
{
    const auto *qtMenu = dynamic_cast<const QtMenu *>(menu);
    m_menu = qtMenu != nullptr ? qtMenu->menu() : nullptr;
    m_trayIcon->setContextMenu(m_menu);
}

void QtStatusItem::popUpMenu(QSystemTrayIcon::ActivationReason reason)
{
    // A host that draws no menus of its own (swaybar) asks for the context menu with a position.
    // Qt reports a click that follows the last one within the double-click interval (say, right
    // after the menu closed) only as a double click; a quick user still wants the menu.
    const std::optional<QPoint> hostClick = m_hostClicks.take();
    const bool wanted = reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick
        || (reason == QSystemTrayIcon::Context && hostClick);
    if (wanted && m_menu != nullptr && !m_menu->isVisible())
        m_menu->popup(hostClick.value_or(QCursor::pos()));
}

} // namespace nimbrel
