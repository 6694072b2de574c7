#include "platform/qt/wakeable_thread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <utility>

namespace nimbrel {

WakeableThread::WakeableThread()
    : m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

WakeableThread::~WakeableThread()
{
    stopThread();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void WakeableThread::startThread(std::function<void()> body)
{
    m_thread = std::thread(std::move(body));
}

void WakeableThread::wakeThread() const
{
    const std::uint64_t one = 1;
    if (m_wakeFd >= 0)
        [[maybe_unused]] const auto written = ::write(m_wakeFd, &one, sizeof one);
}

void WakeableThread::stopThread()
{
    m_stop.store(true);
    wakeThread();
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace nimbrel
