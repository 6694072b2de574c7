#include "platform/qt/qt_timer_scheduler.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace nimbrel {
namespace {

TEST(QtTimerScheduler, TicksRepeatedlyUntilTheTimerIsDestroyed)
{
    QtTimerScheduler scheduler;
    int ticks = 0;
    auto timer = scheduler.scheduledRepeatingTimer(std::chrono::milliseconds(5), [&ticks] { ++ticks; });
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, 10000));
    timer.reset();
    const int ticksAtStop = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, ticksAtStop);
}

TEST(QtTimerScheduler, TimerMayBeDestroyedFromItsOwnTick)
{
    QtTimerScheduler scheduler;
    int ticks = 0;
    std::unique_ptr<Timer> timer;
    timer = scheduler.scheduledRepeatingTimer(std::chrono::milliseconds(1), [&] {
        ++ticks;
        timer.reset();
    });
    ASSERT_TRUE(QTest::qWaitFor([&timer] { return timer == nullptr; }, 10000));
    QTest::qWait(30);
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace nimbrel
