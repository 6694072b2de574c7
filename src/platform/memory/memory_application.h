#pragma once

#include "platform/application.h"

namespace nimbrel {

// Counts activations.
class MemoryApplication final : public Application {
public:
    void activateIgnoringOtherApps(bool flag) override
    {
        if (flag)
            ++m_activations;
    }
    int activations() const { return m_activations; }

private:
    int m_activations = 0;
};

} // namespace nimbrel
