#pragma once

#include "platform/button.h"

namespace nimbrel {

// A check box that records its state.
class MemoryButton final : public Button {
public:
    explicit MemoryButton(int state = 1) : m_state(state) {}

    int state() const override { return m_state; }
    void setState(int state) override
    {
        m_state = state;
        ++m_stateChanges;
    }

    int stateChanges() const { return m_stateChanges; }

private:
    int m_state = 1;
    int m_stateChanges = 0;
};

} // namespace nimbrel
