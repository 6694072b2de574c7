#pragma once

#include "platform/timer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace nimbrel {

class QtPasteboard;

// A timer on the main thread's event loop. A repeating one, tied to a pasteboard, rests and ticks
// once after each rise of the change count, at once or, in a burst, one interval after the previous
// tick: the poll has nothing to find in between, and waking for nothing costs laptops battery. A
// single-shot one ticks once, never before the interval has passed.
class QtTimer final : public Timer {
public:
    struct SingleShot {};

    QtTimer(std::chrono::milliseconds interval, std::function<void()> tick, QtPasteboard &wakeSource);
    QtTimer(std::chrono::milliseconds interval, std::function<void()> tick, SingleShot);
    ~QtTimer() override;

private:
    // What both kinds share: a coarse timer started at the interval.
    QtTimer(std::chrono::milliseconds interval, std::function<void()> tick);
    void wake();

    std::chrono::milliseconds m_interval{0};
    QTimer *m_timer = new QTimer;
    QElapsedTimer m_sinceTick;
    // Set while the tick runs: a timer destroyed from inside its own tick is deleted later, once
    // Qt is done delivering the timeout; at any other time at once, so none outlives the program.
    std::shared_ptr<bool> m_ticking = std::make_shared<bool>(false);
};

} // namespace nimbrel
