#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

class TextActionTest : public ControllerFixture {
public:
    void pick(const std::string &title)
    {
        delegate->perform("activePopupRunItem:", std::shared_ptr<MenuItem>(std::make_shared<MemoryMenuItem>(title)));
    }
};

// Run applies the action whose title the picked entry bears, compared whole and case-sensitively;
// picking alone changes nothing, and running by title leaves the pick alone.
TEST_F(TextActionTest, RunAppliesThePickedTitleExactly)
{
    copyText("x y");
    launch();
    const auto count = pasteboard.changeCount();
    for (const std::string title : {"snakecase", "Snakecase ", " Snakecase", "SNAKECASE", "", "Snake case"}) {
        pick(title);
        delegate->run(nullptr);
        EXPECT_FALSE(delegate->runTextAction(title)) << title;
    }
    pick("Uppercase");
    EXPECT_EQ(pasteboard.changeCount(), count);

    EXPECT_TRUE(delegate->runTextAction("Snakecase"));
    EXPECT_EQ(clipboardText(), "x_y");
    delegate->run(nullptr);
    const auto afterFirstRun = pasteboard.changeCount();
    delegate->run(nullptr);
    EXPECT_EQ(clipboardText(), "X_Y");
    EXPECT_GT(pasteboard.changeCount(), afterFirstRun);
}

// Nothing to rewrite: no entry picked before launch, an empty clipboard.
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
