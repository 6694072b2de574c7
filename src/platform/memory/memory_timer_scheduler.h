#pragma once

#include "platform/timer.h"

#include <memory>
#include <optional>
#include <vector>

namespace nimbrel {

// Timers that fire only when the test says so: the repeating ones at fire(), the one-shot ones
// when advance() moves the scheduler's clock past their deadline.
class MemoryTimerScheduler final : public TimerScheduler {
public:
    std::unique_ptr<Timer> scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> tick) override;
    std::unique_ptr<Timer> scheduledTimer(std::chrono::milliseconds delay, std::function<void()> fire) override;

    // Fires every live repeating timer once, in the order they were scheduled.
    void fire();
    // Moves the clock on by the duration, firing the one-shot timers that fall due on the way,
    // the earliest first (in the order they were scheduled when due together).
    void advance(std::chrono::milliseconds duration);
    // The timers scheduled that neither were destroyed nor, for a one-shot one, have fired.
    std::size_t liveTimers() const;
    // The interval of the repeating timer scheduled last.
    std::chrono::milliseconds lastInterval() const { return m_lastInterval; }

private:
    struct Entry {
        std::function<void()> tick;
        std::shared_ptr<bool> alive;
        // For a one-shot timer: when it falls due.
        std::optional<std::chrono::milliseconds> deadline;
    };
    std::unique_ptr<Timer> schedule(Entry entry);

    std::vector<Entry> m_entries;
    std::chrono::milliseconds m_lastInterval{0};
    std::chrono::milliseconds m_now{0};
};

} // namespace nimbrel
