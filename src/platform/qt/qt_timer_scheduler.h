#pragma once

#include "platform/timer.h"

namespace nimbrel {

// Timers on the Qt event loop of the thread that schedules them (the main thread).
class QtTimerScheduler final : public TimerScheduler {
public:
    QtTimerScheduler() = default;

    std::unique_ptr<Timer> scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> tick) override;
};

} // namespace nimbrel
