#include "platform/qt/qt_status_bar.h"

#include "platform/qt/qt_status_item.h"

namespace nimbrel {

std::unique_ptr<StatusItem> QtStatusBar::statusItemWithVariableLength()
{
    return std::make_unique<QtStatusItem>(m_bus);
}

} // namespace nimbrel
