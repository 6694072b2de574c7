#include "platform/qt/qt_status_bar_button.h"

#include "platform/qt/qt_image.h"

#include <utility>

namespace nimbrel {

void QtStatusBarButton::setImage(std::shared_ptr<Image> image)
{
    m_image = std::move(image);
    m_changed();
}

QIcon QtStatusBarButton::icon() const
{
    const auto *qtImage = dynamic_cast<const QtImage *>(m_image.get());
    return qtImage != nullptr ? qtImage->icon() : QIcon();
}

} // namespace nimbrel
