#include "platform/qt/qt_timer.h"

#include <utility>

namespace nimbrel {

QtTimer::QtTimer(std::chrono::milliseconds interval, std::function<void()> tick)
{
    m_timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [ticking = m_ticking, tick = std::move(tick)] {
        *ticking = true;
        tick();
        *ticking = false;
    });
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

} // namespace nimbrel
