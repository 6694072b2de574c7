#include "platform/pasteboard_types.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/qt_timer_scheduler.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace nimbrel {
namespace {

// A clipboard whose reads the test hands over by hand.
class FakeBackend final : public ClipboardBackend {
public:
    bool start(ChangeHandler handler) override
    {
        m_handler = std::move(handler);
        latest = 1; // the contents found at start, not read yet
        return true;
    }
    std::uint64_t latestGeneration() const override { return latest; }
    bool write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis) override
    {
        if (basis != latest)
            return false;
        written = std::move(offer);
        return true;
    }
    void clear() override { ++clears; }

    // Another program copies; its contents arrive once read.
    void copy(const std::string &text, bool initial = false)
    {
        auto item = std::make_shared<StringPasteboardItem>();
        item->setStringForType(text, PasteboardTypeString);
        auto snapshot = std::make_shared<ClipboardSnapshot>();
        snapshot->items.push_back(item);
        if (!initial)
            ++latest;
        m_handler(Change{std::move(snapshot), latest, initial});
    }

    std::uint64_t latest = 0;
    std::shared_ptr<const ClipboardOffer> written;
    int clears = 0;

private:
    ChangeHandler m_handler;
};

std::vector<std::shared_ptr<const StringPasteboardItem>> textItems(const std::string &text)
{
    auto item = std::make_shared<StringPasteboardItem>();
    item->setStringForType(text, PasteboardTypeString);
    return {item};
}

class QtPasteboardTest : public testing::Test {
protected:
    // Lets the queued reads and clears reach the pasteboard.
    static void settle() { QCoreApplication::processEvents(); }

    FakeBackend *backend = new FakeBackend;
    QtPasteboard pasteboard{std::unique_ptr<ClipboardBackend>(backend)};
};

TEST_F(QtPasteboardTest, ReadsRaiseTheCountOnceExceptTheContentsFoundAtStart)
{
    bool launched = false;
    pasteboard.whenCurrent([&launched] { launched = true; });
    backend->copy("found at start", true);
    EXPECT_FALSE(launched);
    settle();
    EXPECT_TRUE(launched);
    EXPECT_EQ(pasteboard.changeCount(), 0);
    ASSERT_EQ(pasteboard.pasteboardItems().size(), 1u);

    backend->copy("copied");
    settle();
    EXPECT_EQ(pasteboard.changeCount(), 1);
    EXPECT_EQ(pasteboard.pasteboardItems().front()->stringForType(PasteboardTypeString), "copied");
}

// A text action clears, then writes: one change of the real clipboard, never an empty one, and
// none at all over contents the pasteboard has not read yet.
TEST_F(QtPasteboardTest, ClearThenWriteIsOneWriteAndNeverOverUnreadContents)
{
    backend->copy("seen");
    settle();
    pasteboard.clearContents();
    EXPECT_TRUE(pasteboard.writeObjects(textItems("SEEN")));
    settle();
    EXPECT_EQ(backend->clears, 0);
    ASSERT_TRUE(backend->written);
    EXPECT_EQ(*backend->written->find("UTF8_STRING"), "SEEN");

    ++backend->latest; // copied elsewhere, not read yet
    bool ran = false;
    pasteboard.whenCurrent([&ran] { ran = true; });
    pasteboard.clearContents();
    EXPECT_FALSE(pasteboard.writeObjects(textItems("stale")));
    settle();
    EXPECT_EQ(backend->clears, 0);
    EXPECT_FALSE(ran);
    backend->copy("newer");
    settle();
    EXPECT_TRUE(ran);
    EXPECT_EQ(pasteboard.pasteboardItems().front()->stringForType(PasteboardTypeString), "newer");

    pasteboard.clearContents();
    settle();
    EXPECT_EQ(backend->clears, 1);
}

// The poll timer rests between changes: one tick after each rise of the count, none otherwise.
TEST_F(QtPasteboardTest, PollTimerTicksOnlyAfterAChange)
{
    QtTimerScheduler timers(pasteboard);
    int ticks = 0;
    const auto timer = timers.scheduledRepeatingTimer(std::chrono::milliseconds(20), [&ticks] { ++ticks; });
    QTest::qWait(60);
    EXPECT_EQ(ticks, 0);
    backend->copy("one");
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks == 1; }, 10000));
    QTest::qWait(60);
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace nimbrel
