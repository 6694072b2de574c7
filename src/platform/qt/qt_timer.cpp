#include "platform/qt/qt_timer.h"

#include "platform/qt/qt_pasteboard.h"

#include <algorithm>
#include <utility>

namespace nimbrel {

QtTimer::QtTimer(std::chrono::milliseconds interval, std::function<void()> tick)
    : m_interval(interval)
{
    m_timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [ticking = m_ticking, tick = std::move(tick)] {
        *ticking = true;
        tick();
        *ticking = false;
    });
    m_timer->start(interval);
}

QtTimer::QtTimer(std::chrono::milliseconds interval, std::function<void()> tick, QtPasteboard &wakeSource)
    : QtTimer(interval, std::move(tick))
{
    m_timer->stop();
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { m_sinceTick.start(); });
    QObject::connect(&wakeSource, &QtPasteboard::changeCountRaised, m_timer, [this] { wake(); });
}

QtTimer::QtTimer(std::chrono::milliseconds interval, std::function<void()> tick, SingleShot)
    : QtTimer(interval, std::move(tick))
{
    // A coarse timer may fire early by up to a twentieth of its interval.
    m_timer->stop();
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->start(interval);
}

QtTimer::~QtTimer()
{
    m_timer->stop();
    if (*m_ticking)
        m_timer->deleteLater();
    else
        delete m_timer;
}

void QtTimer::wake()
{
    if (m_timer->isActive())
        return;
    const auto sinceTick = m_sinceTick.isValid() ? std::chrono::milliseconds(m_sinceTick.elapsed()) : m_interval;
    m_timer->start(std::max(std::chrono::milliseconds(0), m_interval - sinceTick));
}

} // namespace nimbrel
