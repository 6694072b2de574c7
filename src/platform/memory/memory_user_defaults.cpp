#include "platform/memory/memory_user_defaults.h"

namespace nimbrel {

std::optional<DefaultsValue> MemoryUserDefaults::objectForKey(std::string_view key) const
{
    const auto found = m_values.find(key);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

void MemoryUserDefaults::setValueForKey(const DefaultsValue &value, std::string_view key)
{
    ++m_writes;
    m_values.insert_or_assign(std::string(key), value);
}

} // namespace nimbrel
