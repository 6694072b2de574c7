#include "platform/qt/qt_background_work.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace nimbrel {
namespace {

// The work runs on a thread of its own and its completion on the main thread, after the call
// that started it. stopAll asks a work that waits for it to stop, returns once it has, and its
// completion never runs, nor does the completion of a work that ended before but was not completed
// yet.
TEST(QtBackgroundWork, WorksOffTheMainThreadCompletesOnItAndStopAllDropsEveryCompletion)
{
    QtBackgroundWork background;
    const auto mainThread = std::this_thread::get_id();
    std::thread::id workThread;
    std::thread::id completionThread;
    background.start([&](std::stop_token) -> BackgroundWork::Completion {
        workThread = std::this_thread::get_id();
        return [&] { completionThread = std::this_thread::get_id(); };
    });
    EXPECT_EQ(completionThread, std::thread::id()) << "completed within start";
    EXPECT_TRUE(QTest::qWaitFor([&] { return completionThread != std::thread::id(); }));
    EXPECT_NE(workThread, mainThread);
    EXPECT_EQ(completionThread, mainThread);

    std::atomic<bool> finished{false};
    std::atomic<bool> stopping{false};
    int completions = 0;
    background.start([&](std::stop_token) -> BackgroundWork::Completion {
        finished = true;
        return [&] { ++completions; };
    });
    background.start([&](std::stop_token stop) -> BackgroundWork::Completion {
        stopping = true;
        while (!stop.stop_requested())
            std::this_thread::yield();
        return [&] { ++completions; };
    });
    // Waits without handling events, so the first work's completion stays posted.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(finished && stopping) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(finished && stopping);
    background.stopAll();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(completions, 0);
}

} // namespace
} // namespace nimbrel
