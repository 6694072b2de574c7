#include "platform/memory/memory_timer_scheduler.h"

#include <algorithm>

namespace nimbrel {
namespace {

// Stops its entry when destroyed, as a real timer stops.
class MemoryTimer final : public Timer {
public:
    explicit MemoryTimer(std::shared_ptr<bool> alive) : m_alive(std::move(alive)) {}
    ~MemoryTimer() override { *m_alive = false; }

private:
    std::shared_ptr<bool> m_alive;
};

} // namespace

std::unique_ptr<Timer> MemoryTimerScheduler::scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                                     std::function<void()> tick)
{
    m_lastInterval = interval;
    return schedule(Entry{std::move(tick), std::make_shared<bool>(true), std::nullopt});
}

std::unique_ptr<Timer> MemoryTimerScheduler::scheduledTimer(std::chrono::milliseconds delay, std::function<void()> fire)
{
    return schedule(Entry{std::move(fire), std::make_shared<bool>(true), m_now + delay});
}

std::unique_ptr<Timer> MemoryTimerScheduler::schedule(Entry entry)
{
    auto alive = entry.alive;
    m_entries.push_back(std::move(entry));
    return std::make_unique<MemoryTimer>(std::move(alive));
}

void MemoryTimerScheduler::fire()
{
    const auto entries = m_entries;
    for (const auto &entry : entries) {
        if (*entry.alive && !entry.deadline)
            entry.tick();
    }
}

void MemoryTimerScheduler::advance(std::chrono::milliseconds duration)
{
    const auto until = m_now + duration;
    const auto isDue = [until](const Entry &entry) { return *entry.alive && entry.deadline && *entry.deadline <= until; };
    // A timer fired here may schedule or stop others, so the next one due is looked for anew.
    for (;;) {
        auto next = m_entries.end();
        for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
            if (isDue(*entry) && (next == m_entries.end() || *entry->deadline < *next->deadline))
                next = entry;
        }
        if (next == m_entries.end())
            break;
        m_now = *next->deadline;
        *next->alive = false;
        const auto fire = next->tick; // a copy: the entries may grow while it runs
        fire();
    }
    m_now = until;
}

std::size_t MemoryTimerScheduler::liveTimers() const
{
    return static_cast<std::size_t>(std::count_if(m_entries.begin(), m_entries.end(),
                                                  [](const auto &entry) { return *entry.alive; }));
}

} // namespace nimbrel
