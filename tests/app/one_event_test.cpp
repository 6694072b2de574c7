#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

class OneEventTest : public ControllerFixture {
};

// A sentence copied elsewhere is shown and announced; a click opens the options window; the
// user picks Snakecase and runs it; the rewritten text replaces the announcement.
TEST_F(OneEventTest, CopyAnnounceClickPickRun)
{
    launch();
    copyText("The quick brown fox");
    tick();

    EXPECT_EQ(textView->string(), "The quick brown fox");
    ASSERT_EQ(center.listed().size(), 1u);
    EXPECT_EQ(center.listed().front()->informativeText, "The quick brown fox");

    center.click(*center.listed().front());
    EXPECT_TRUE(pasteItemOptionsWindow->isVisible());

    const auto snakecaseEntry = std::make_shared<MemoryMenuItem>("Snakecase");
    delegate->perform("activePopupRunItem:", std::shared_ptr<MenuItem>(snakecaseEntry));
    EXPECT_EQ(clipboardText(), "The quick brown fox");
    delegate->perform("run:");
    EXPECT_EQ(clipboardText(), "The_quick_brown_fox");

    tick();
    EXPECT_EQ(textView->string(), "The_quick_brown_fox");
    ASSERT_EQ(center.listed().size(), 1u);
    EXPECT_EQ(center.listed().front()->informativeText, "The_quick_brown_fox");
    EXPECT_TRUE(pasteItemOptionsWindow->isVisible());
}

} // namespace
} // namespace nimbrel::test
