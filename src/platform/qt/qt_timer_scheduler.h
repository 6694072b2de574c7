#pragma once

#include "platform/timer.h"

namespace nimbrel {

class QtPasteboard;

// Timers on the Qt event loop of the thread that schedules them (the main thread). Its repeating
// timers tick only after the pasteboard's change count rose (see QtTimer).
class QtTimerScheduler final : public TimerScheduler {
public:
    explicit QtTimerScheduler(QtPasteboard &wakeSource)
        : m_wakeSource(wakeSource)
    {
    }

    std::unique_ptr<Timer> scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> tick) override;
    std::unique_ptr<Timer> scheduledTimer(std::chrono::milliseconds delay, std::function<void()> fire) override;

private:
    QtPasteboard &m_wakeSource;
};

} // namespace nimbrel
