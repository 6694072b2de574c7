#pragma once

#include "platform/status_item.h"

#include <QPointer>
#include <QSystemTrayIcon>

namespace nimbrel {

// The icon of the tray entry. The entry is shown only while it has an image, since a tray
// icon without one is an empty, unclickable slot.
class QtStatusBarButton final : public StatusBarButton {
public:
    explicit QtStatusBarButton(QSystemTrayIcon *trayIcon);

    void setImage(std::shared_ptr<Image> image) override;

private:
    QPointer<QSystemTrayIcon> m_trayIcon;
    std::shared_ptr<Image> m_image;
};

} // namespace nimbrel
