#include "platform/qt/qt_timer_scheduler.h"

#include "platform/qt/qt_timer.h"

#include <utility>

namespace nimbrel {

std::unique_ptr<Timer> QtTimerScheduler::scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                                 std::function<void()> tick)
{
    return std::make_unique<QtTimer>(interval, std::move(tick), m_wakeSource);
}

std::unique_ptr<Timer> QtTimerScheduler::scheduledTimer(std::chrono::milliseconds delay, std::function<void()> fire)
{
    return std::make_unique<QtTimer>(delay, std::move(fire), QtTimer::SingleShot{});
}

} // namespace nimbrel
