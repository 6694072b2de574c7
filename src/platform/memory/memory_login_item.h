#pragma once

#include "platform/login_item.h"

namespace nimbrel {

// Starting at login, off at first; a test may make every change fail, as a read-only disk does.
class MemoryLoginItem final : public LoginItem {
public:
    bool isEnabled() const override { return m_enabled; }
    bool setEnabled(bool enabled) override
    {
        if (m_failing)
            return false;
        m_enabled = enabled;
        return true;
    }
    void setFailing(bool failing) { m_failing = failing; }

private:
    bool m_enabled = false;
    bool m_failing = false;
};

} // namespace nimbrel
