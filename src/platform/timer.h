#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace nimbrel {

// A scheduled timer; it stops when destroyed.
class Timer {
public:
    Timer() = default;
    virtual ~Timer() = default;
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
};

// Schedules timers on the main thread's event loop.
class TimerScheduler {
public:
    TimerScheduler() = default;
    virtual ~TimerScheduler() = default;
    TimerScheduler(const TimerScheduler &) = delete;
    TimerScheduler &operator=(const TimerScheduler &) = delete;

    // Calls tick every interval, on the main thread, until the returned timer is destroyed.
    virtual std::unique_ptr<Timer> scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                           std::function<void()> tick) = 0;
    // Calls fire once, on the main thread, the delay from now, unless the returned timer is
    // destroyed first.
    virtual std::unique_ptr<Timer> scheduledTimer(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
};

} // namespace nimbrel
