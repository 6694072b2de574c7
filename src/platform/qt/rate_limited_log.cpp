#include "platform/qt/rate_limited_log.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <utility>

namespace nimbrel {

RateLimitedLog::RateLimitedLog(std::size_t linesPerWindow, std::chrono::milliseconds window, Sink sink, Clock clock)
    : m_linesPerWindow(linesPerWindow)
    , m_window(window)
    , m_sink(std::move(sink))
    , m_clock(std::move(clock))
    , m_windowStart(m_clock() - window)
{
    m_flushTimer.setSingleShot(true);
    QObject::connect(&m_flushTimer, &QTimer::timeout, &m_flushTimer, [this] { flush(); });
}

void RateLimitedLog::say(const std::string &line)
{
    startWindowIfEnded();
    // A line held back is stale once a newer one comes: it only counts as untold.
    if (std::exchange(m_heldBack, line))
        ++m_untold;
    flush();
}

void RateLimitedLog::flush()
{
    startWindowIfEnded();
    if (!m_heldBack)
        return;
    if (m_saidInWindow >= m_linesPerWindow) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_windowStart + m_window - m_clock());
        m_flushTimer.start(std::max(left, std::chrono::milliseconds(1)));
        return;
    }
    ++m_saidInWindow;
    const int untold = static_cast<int>(std::min<std::size_t>(std::exchange(m_untold, 0), INT_MAX));
    //: Follows a line on standard error that stood for several changes: "(after 3 changes not told)"
    m_sink(*std::exchange(m_heldBack, std::nullopt)
           + (untold > 0 ? QCoreApplication::translate("RateLimitedLog", " (after %n changes not told)", nullptr, untold)
                               .toStdString()
                         : std::string()));
}

void RateLimitedLog::startWindowIfEnded()
{
    const auto now = m_clock();
    if (now - m_windowStart < m_window)
        return;
    m_windowStart = now;
    m_saidInWindow = 0;
}

void RateLimitedLog::writeToStandardError(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace nimbrel
