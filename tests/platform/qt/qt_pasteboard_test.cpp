#include "platform/pasteboard_types.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/qt_timer_scheduler.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;

std::shared_ptr<StringPasteboardItem> textItem(const std::string &text)
{
    auto item = std::make_shared<StringPasteboardItem>();
    item->setStringForType(text, PasteboardTypeString);
    return item;
}

// A clipboard whose reads the test hands over by hand.
struct FakeBackend final : ClipboardBackend {
    bool start(ChangeHandler changed) override
    {
        handler = std::move(changed);
        return true;
    }
    std::uint64_t latestGeneration() const override { return latest; }
    bool write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis) override
    {
        written = basis == latest ? std::move(offer) : written;
        return basis == latest;
    }
    void clear() override { ++clears; }
    bool connected() const override { return true; }

    // Another program copies, or had copied before the start; its contents arrive once read, and
    // reach the pasteboard as the event loop turns.
    void copy(const std::string &text, bool initial = false)
    {
        latest += initial ? 0 : 1;
        handler(Change{std::make_shared<ClipboardSnapshot>(ClipboardSnapshot{{textItem(text)}, {}}), latest, initial});
        QCoreApplication::processEvents();
    }

    ChangeHandler handler;
    std::uint64_t latest = 1; // the contents found at start, not read yet
    std::shared_ptr<const ClipboardOffer> written;
    int clears = 0;
};

class QtPasteboardTest : public testing::Test {
protected:
    // Lets the queued clears reach the backend.
    static void settle() { QCoreApplication::processEvents(); }

    FakeBackend *backend = new FakeBackend;
    QtPasteboard pasteboard{std::unique_ptr<ClipboardBackend>(backend)};
};

// The contents found at start are no change. A text action clears, then writes: one change of
// the real clipboard, never an empty one, and none at all over contents not read yet, which the
// action waits for instead.
TEST_F(QtPasteboardTest, CountsOthersCopiesAndWritesOnlyOverWhatItRead)
{
    backend->copy("found at start", true);
    EXPECT_EQ(pasteboard.changeCount(), 0);
    backend->copy("seen");
    EXPECT_EQ(pasteboard.changeCount(), 1);
    pasteboard.clearContents();
    EXPECT_TRUE(pasteboard.writeObjects({textItem("SEEN")}));
    settle();
    EXPECT_EQ(backend->clears, 0);
    EXPECT_TRUE(backend->written && *backend->written->find("UTF8_STRING") == "SEEN");

    ++backend->latest; // copied elsewhere, not read yet
    bool ran = false;
    pasteboard.whenCurrent([&ran] { ran = true; });
    pasteboard.clearContents();
    EXPECT_FALSE(pasteboard.writeObjects({textItem("stale")}));
    settle();
    EXPECT_EQ(backend->clears, 0);
    EXPECT_FALSE(ran);
    backend->copy("newer");
    EXPECT_TRUE(ran);

    pasteboard.clearContents();
    settle();
    EXPECT_EQ(backend->clears, 1);
}

// The poll timer rests between changes: one tick after each rise of the count, none otherwise.
// Qt fires due timers in the order of their deadlines, so a plain timer of a longer interval
// started after the poll timer's comes after any tick it makes.
TEST_F(QtPasteboardTest, PollTimerTicksOnlyAfterAChange)
{
    int ticks = 0;
    const auto timer = QtTimerScheduler(pasteboard).scheduledRepeatingTimer(1ms, [&ticks] { ++ticks; });
    const auto ticksByAPlainTimer = [&ticks] {
        bool fired = false;
        QTimer::singleShot(50ms, Qt::PreciseTimer, [&fired] { fired = true; });
        EXPECT_TRUE(QTest::qWaitFor([&fired] { return fired; }, 60000));
        return ticks;
    };
    EXPECT_EQ(ticksByAPlainTimer(), 0);
    backend->copy("one");
    EXPECT_EQ(ticksByAPlainTimer(), 1);
}

} // namespace
} // namespace nimbrel
