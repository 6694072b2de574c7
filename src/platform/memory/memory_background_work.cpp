#include "platform/memory/memory_background_work.h"

namespace nimbrel {

void MemoryBackgroundWork::start(Work work)
{
    m_queue.push_back(std::move(work));
}

void MemoryBackgroundWork::stopAll()
{
    m_queue.clear();
    ++m_stops;
}

std::size_t MemoryBackgroundWork::finishAll()
{
    std::size_t count = 0;
    while (!m_queue.empty()) {
        Work work = std::move(m_queue.front());
        m_queue.pop_front();
        if (Completion completion = work(std::stop_token{}))
            completion();
        ++count;
    }
    return count;
}

bool MemoryBackgroundWork::runFirstStopped()
{
    if (m_queue.empty())
        return false;
    Work work = std::move(m_queue.front());
    m_queue.pop_front();
    std::stop_source stopped;
    stopped.request_stop();
    if (Completion completion = work(stopped.get_token()))
        completion();
    return true;
}

} // namespace nimbrel
