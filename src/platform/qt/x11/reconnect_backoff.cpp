#include "platform/qt/x11/reconnect_backoff.h"

#include <poll.h>

#include <algorithm>

namespace nimbrel {
namespace {

constexpr std::chrono::milliseconds firstPause{100};
constexpr std::chrono::milliseconds longestPause{2000};

} // namespace

ReconnectBackoff::ReconnectBackoff(int wakeFd, const std::atomic<bool> &stop)
    : m_wakeFd(wakeFd)
    , m_stop(stop)
{
}

bool ReconnectBackoff::wait()
{
    pollfd wake{m_wakeFd, POLLIN, 0};
    poll(&wake, 1, static_cast<int>(m_pause.count()));
    m_pause = std::clamp(m_pause * 2, firstPause, longestPause);
    return !m_stop.load();
}

std::chrono::steady_clock::duration ReconnectBackoff::elapsed() const
{
    return std::chrono::steady_clock::now() - m_start;
}

} // namespace nimbrel
