#include "platform/qt/qt_image.h"

#include <utility>

namespace nimbrel {

QtImage::QtImage(QIcon icon)
    : m_icon(std::move(icon))
{
}

void QtImage::setTemplate(bool isTemplate)
{
    m_icon.setIsMask(isTemplate);
}

} // namespace nimbrel
