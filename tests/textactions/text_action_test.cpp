#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using TextActionTest = ControllerFixture;

// Run applies the action whose title the picked entry bears, compared whole and case-sensitively;
// picking alone changes nothing, and running by title leaves the pick alone.
TEST_F(TextActionTest, RunAppliesThePickedTitleExactly)
{
    copyText("x y");
    launch();
    const auto count = pasteboard.changeCount();
    for (const std::string title : {"snakecase", "Snakecase ", " Snakecase", "SNAKECASE", "", "Snake case"}) {
        delegate->activePopupRunItem(std::make_shared<MemoryMenuItem>(title));
        delegate->run(nullptr);
        EXPECT_FALSE(delegate->runTextAction(title)) << title;
    }
    delegate->activePopupRunItem(std::make_shared<MemoryMenuItem>("Uppercase"));
    EXPECT_EQ(pasteboard.changeCount(), count);

    EXPECT_TRUE(delegate->runTextAction("Snakecase"));
    EXPECT_EQ(clipboardText(), "x_y");
    delegate->run(nullptr);
    const auto afterFirstRun = pasteboard.changeCount();
    delegate->run(nullptr);
    EXPECT_EQ(clipboardText(), "X_Y");
    EXPECT_GT(pasteboard.changeCount(), afterFirstRun);
}

// Nothing to rewrite: Run before launch has picked an entry, and an empty clipboard under an
// action by title or the notification's other button.
TEST_F(TextActionTest, NothingToRewriteAnswersFalseAndChangesNothing)
{
    createController();
    delegate->run(nullptr);
    launch();
    EXPECT_FALSE(delegate->runTextAction("Capitalize"));
    center.pressOtherButton(UserNotification{});
    EXPECT_EQ(pasteboard.writes(), 0);
}

} // namespace
} // namespace nimbrel::test
