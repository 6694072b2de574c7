#include "platform/memory/memory_image_library.h"

namespace nimbrel {

std::shared_ptr<Image> MemoryImageLibrary::imageNamed(std::string_view name)
{
    if (!m_names.contains(name))
        return nullptr;
    return std::make_shared<MemoryImage>();
}

} // namespace nimbrel
