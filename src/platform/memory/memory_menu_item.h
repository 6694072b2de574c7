#pragma once

#include "platform/menu_item.h"

namespace nimbrel {

// A menu entry that records its enabled state; a new entry is enabled, as in a menu.
class MemoryMenuItem final : public MenuItem {
public:
    explicit MemoryMenuItem(std::string title = {}) : m_title(std::move(title)) {}

    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        ++m_enabledChanges;
    }
    std::string title() const override { return m_title; }

    bool isEnabled() const { return m_enabled; }
    int enabledChanges() const { return m_enabledChanges; }

private:
    std::string m_title;
    bool m_enabled = true;
    int m_enabledChanges = 0;
};

// The status menu; nothing to record.
class MemoryMenu final : public Menu {
};

} // namespace nimbrel
