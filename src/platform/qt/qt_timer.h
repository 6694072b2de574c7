#pragma once

#include "platform/timer.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace nimbrel {

// A repeating QTimer on the main thread's event loop.
class QtTimer final : public Timer {
public:
    QtTimer(std::chrono::milliseconds interval, std::function<void()> tick);
    ~QtTimer() override;

private:
    QTimer *m_timer = new QTimer;
    // Set while the tick runs: a timer destroyed from inside its own tick is deleted later, once
    // Qt is done delivering the timeout; at any other time at once, so none outlives the program.
    std::shared_ptr<bool> m_ticking = std::make_shared<bool>(false);
};

} // namespace nimbrel
