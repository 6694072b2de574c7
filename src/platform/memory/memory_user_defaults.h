#pragma once

#include "platform/user_defaults.h"

#include <map>

namespace nimbrel {

// A preference store in memory; a second controller on the same store plays a restart.
class MemoryUserDefaults final : public UserDefaults {
public:
    std::optional<DefaultsValue> objectForKey(std::string_view key) const override;
    void setValueForKey(const DefaultsValue &value, std::string_view key) override;

    int writes() const { return m_writes; }

private:
    std::map<std::string, DefaultsValue, std::less<>> m_values;
    int m_writes = 0;
};

} // namespace nimbrel
