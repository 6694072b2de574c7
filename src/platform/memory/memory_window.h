#pragma once

#include "platform/window.h"

namespace nimbrel {

// Records what was done to the window.
class MemoryWindow final : public Window {
public:
    void center() override { ++m_centerCount; }
    void orderFrontRegardless() override
    {
        ++m_orderFrontCount;
        m_visible = true;
    }
    void orderOut() override
    {
        ++m_orderOutCount;
        m_visible = false;
    }
    void setMovableByWindowBackground(bool movable) override { m_movableByBackground = movable; }

    bool isVisible() const { return m_visible; }
    bool isMovableByBackground() const { return m_movableByBackground; }
    int centerCount() const { return m_centerCount; }
    int orderFrontCount() const { return m_orderFrontCount; }
    int orderOutCount() const { return m_orderOutCount; }

private:
    bool m_visible = false;
    bool m_movableByBackground = false;
    int m_centerCount = 0;
    int m_orderFrontCount = 0;
    int m_orderOutCount = 0;
};

} // namespace nimbrel
