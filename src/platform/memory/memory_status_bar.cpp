#include "platform/memory/memory_status_bar.h"

namespace nimbrel {

std::unique_ptr<StatusItem> MemoryStatusBar::statusItemWithVariableLength()
{
    ++m_itemsCreated;
    return std::make_unique<MemoryStatusItem>(m_itemsHaveButtons);
}

} // namespace nimbrel
