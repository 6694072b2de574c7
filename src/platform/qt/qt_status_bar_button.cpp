#include "platform/qt/qt_status_bar_button.h"

#include "platform/qt/qt_image.h"

#include <utility>

namespace nimbrel {

QtStatusBarButton::QtStatusBarButton(QSystemTrayIcon *trayIcon)
    : m_trayIcon(trayIcon)
{
}

void QtStatusBarButton::setImage(std::shared_ptr<Image> image)
{
    m_image = std::move(image);
    if (m_trayIcon == nullptr)
        return;
    const auto *qtImage = dynamic_cast<const QtImage *>(m_image.get());
    if (qtImage == nullptr) {
        m_trayIcon->hide();
        m_trayIcon->setIcon(QIcon());
        return;
    }
    m_trayIcon->setIcon(qtImage->icon());
    m_trayIcon->show();
}

} // namespace nimbrel
