#include "support/controller_fixture.h"

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace nimbrel::test {
namespace {

using TextActionTest = ControllerFixture;

// Run applies the action whose title the picked entry bears, compared whole and case-sensitively;
// picking alone changes nothing, nor does Run before launch has picked an entry, and running by
// title leaves the pick alone. With nothing to rewrite, an action by title and the notification's
// other button answer false and write nothing.
TEST_F(TextActionTest, RunAppliesThePickedTitleExactlyAndNothingWhenThereIsNothingToRewrite)
{
    copyText("x y");
    const auto count = pasteboard.changeCount();
    createController();
    delegate->run(nullptr);
    launch();
    for (const std::string title : {"snakecase", "Snakecase ", " Snakecase", "SNAKECASE", "", "Snake case"}) {
        delegate->activePopupRunItem(std::make_shared<MemoryMenuItem>(title));
        delegate->run(nullptr);
        EXPECT_EQ(runTextAction(title), false) << title;
    }
    delegate->activePopupRunItem(std::make_shared<MemoryMenuItem>("Uppercase"));
    EXPECT_EQ(pasteboard.changeCount(), count);

    EXPECT_EQ(runTextAction("Snakecase"), true);
    EXPECT_EQ(clipboardText(), "x_y");
    delegate->run(nullptr);
    background.finishAll();
    EXPECT_EQ(clipboardText(), "X_Y");

    pasteboard.clearContents();
    const int writes = pasteboard.writes();
    EXPECT_EQ(runTextAction("Capitalize"), false);
    center.pressOtherButton(UserNotification{});
    EXPECT_EQ(pasteboard.writes(), writes);
}

// The transformation runs in the background; what it made is written only over what it was made
// from. Whatever came meanwhile (a copy, a clear) is newer and stays, and the action says so; a
// secret that was not written leaves nothing to expire.
// name, what happens meanwhile, what the action tells, the clipboard after it
using MeanwhileRow =
    std::tuple<const char *, std::function<void(ControllerFixture &)>, bool, std::optional<std::string>>;
using TextActionMeanwhileTest = ControllerRowTest<MeanwhileRow>;

TEST_P(TextActionMeanwhileTest, OnlyTheContentsItWasMadeFromAreReplaced)
{
    const auto &[name, meanwhile, tells, clipboard] = GetParam();
    copy({{plain, "a b"}, {concealed, std::nullopt}});
    launch();
    std::optional<bool> told;
    delegate->runTextAction("Uppercase", [&told](bool rewritten) { told = rewritten; });
    ASSERT_EQ(background.queued(), 1u);
    EXPECT_EQ(told, std::nullopt) << "the work has not run yet";
    meanwhile(*this);
    background.finishAll();
    EXPECT_EQ(told, tells);
    EXPECT_EQ(clipboardText(), clipboard);
    EXPECT_EQ(timers.liveTimers(), 1u) << "the poll timer alone: no secret was written to expire";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextActionMeanwhileTest,
    ::testing::Values(MeanwhileRow{"NewerCopyWins", [](ControllerFixture &t) { t.copyText("newer"); }, false, "newer"},
                      MeanwhileRow{"ClearWins", [](ControllerFixture &t) { t.delegate->clearClipboardMenuItem(nullptr); },
                                   false, std::nullopt},
                      MeanwhileRow{"RefusedWriteIsNoRewrite", [](ControllerFixture &t) { t.pasteboard.refuseWrites(true); },
                                   false, "a b"}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });

// One action at a time: the next starts on what the one before made, and no more than the
// bound wait; a request past it is refused at once rather than queued without end.
TEST_F(TextActionTest, ActionsRunOneAfterAnotherWithinTheBoundAndTheEndStopsTheOneUnderWay)
{
    copyText("a b");
    launch();
    std::vector<std::string> told;
    const auto tell = [&told](std::string name) { return [&told, name](bool rewritten) { told.push_back(name + (rewritten ? "+" : "-")); }; };
    delegate->runTextAction("Snakecase", tell("snake"));
    delegate->runTextAction("Uppercase", tell("upper"));
    for (std::size_t index = 1; index < maximalWaitingTextActions; ++index)
        delegate->runTextAction("No such action", tell("unknown"));
    delegate->runTextAction("Lowercase", tell("refused"));
    EXPECT_EQ(told, std::vector<std::string>{"refused-"});
    EXPECT_EQ(background.queued(), 1u) << "one action runs at a time";

    background.finishAll();
    EXPECT_EQ(told.size(), maximalWaitingTextActions + 2) << "the running one, the waiting ones and the refused one";
    EXPECT_EQ(told[1], "snake+");
    EXPECT_EQ(told[2], "upper+");
    EXPECT_EQ(clipboardText(), "A_B");

    // At the end an action under way is stopped unwritten and tells nobody: the clipboard stays as
    // it was before it, and so does the one waiting.
    const int writes = pasteboard.writes();
    told.clear();
    delegate->runTextAction("Lowercase", tell("under way"));
    delegate->runTextAction("Snakecase", tell("waiting"));
    delegate->applicationWillTerminate();
    EXPECT_EQ(background.stops(), 1u);
    EXPECT_EQ(background.finishAll(), 0u);
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(clipboardText(), "A_B");
    EXPECT_EQ(pasteboard.writes(), writes);
}

// A stopped work gives up without a result, however large its text, and says so.
TEST_F(TextActionTest, StoppedWorkWritesNothing)
{
    copy({{html, "<p>" + std::string(3 << 20, 'a') + "</p>"}, {plain, std::string(3 << 20, 'a')}});
    launch();
    std::optional<bool> told;
    delegate->runTextAction("Uppercase", [&told](bool rewritten) { told = rewritten; });
    EXPECT_TRUE(background.runFirstStopped());
    EXPECT_EQ(told, false);
    EXPECT_EQ(pasteboard.writes(), 0);
}

} // namespace
} // namespace nimbrel::test
