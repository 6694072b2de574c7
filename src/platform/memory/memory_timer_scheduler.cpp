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
    auto alive = std::make_shared<bool>(true);
    m_entries.push_back(Entry{std::move(tick), alive});
    return std::make_unique<MemoryTimer>(std::move(alive));
}

void MemoryTimerScheduler::fire()
{
    const auto entries = m_entries;
    for (const auto &entry : entries) {
        if (*entry.alive)
            entry.tick();
    }
}

std::size_t MemoryTimerScheduler::liveTimers() const
{
    return static_cast<std::size_t>(std::count_if(m_entries.begin(), m_entries.end(),
                                                  [](const auto &entry) { return *entry.alive; }));
}

} // namespace nimbrel
