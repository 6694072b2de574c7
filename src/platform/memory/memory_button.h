#pragma once

#include "platform/button.h"

namespace nimbrel {

// A check box holding its state.
class MemoryButton final : public Button {
public:
    explicit MemoryButton(int state = 1) : m_state(state) {}

    int state() const override { return m_state; }
    void setState(int state) override { m_state = state; }

private:
    int m_state = 1;
};

} // namespace nimbrel
