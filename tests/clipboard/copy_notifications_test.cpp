#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

class CopyNotificationsTest : public ControllerFixture {
};

TEST_F(CopyNotificationsTest, EachPostReplacesTheEarlierOne)
{
    launch();
    copyText("first");
    tick();
    copyText("second");
    tick();

    ASSERT_EQ(center.listed().size(), 1u);
    EXPECT_EQ(center.listed().front()->informativeText, "second");
    EXPECT_EQ(center.removals(), 1);
    const auto &posted = *center.listed().front();
    EXPECT_EQ(posted.title, "Nimbrel!");
    EXPECT_FALSE(posted.hasActionButton);
    EXPECT_EQ(posted.otherButtonTitle, "Clear formatting");
    EXPECT_EQ(delegate->notification(), center.listed().front());
}

// A click opens the options window for what the clipboard holds now, and only for text.
TEST_F(CopyNotificationsTest, ClickOpensThePasteItemOptionsForTheCurrentText)
{
    launch();
    copyText("old");
    tick();
    const auto notification = center.delivered().back();
    pasteboard.clearContents();
    center.click(*notification);
    copyFiles({"/a", "/b"});
    center.click(*notification);
    EXPECT_FALSE(pasteItemOptionsWindow->isVisible());

    copy({{std::string(PasteboardTypeHTML), "<i>new</i>"}, {std::string(PasteboardTypeString), "new"}});
    center.click(*notification);
    EXPECT_TRUE(pasteItemOptionsWindow->isVisible());
    EXPECT_EQ(application.activations(), 1);
}

TEST_F(CopyNotificationsTest, OtherButtonRemovesTheFormattingOfTheFirstItem)
{
    launch();
    copy({{std::string(PasteboardTypeHTML), "<b>bold</b>"}, {std::string(PasteboardTypeString), "bold"}});
    tick();

    const auto notification = center.delivered().back();
    center.pressOtherButton(*notification);

    ASSERT_EQ(pasteboard.items().size(), 1u);
    EXPECT_EQ(pasteboard.items().front()->types(), std::vector<std::string>{std::string(PasteboardTypeString)});
    EXPECT_EQ(clipboardText(), "bold");

    // Plain text has no formatting, and an empty clipboard nothing at all: nothing is written.
    const auto writes = pasteboard.writes();
    center.pressOtherButton(*notification);
    pasteboard.clearContents();
    center.pressOtherButton(*notification);
    EXPECT_EQ(pasteboard.writes(), writes + 1);
}

TEST_F(CopyNotificationsTest, DestroyedControllerDetachesFromTheCentre)
{
    launch();
    delegate.reset();
    EXPECT_EQ(center.delegate(), nullptr);
}

} // namespace
} // namespace nimbrel::test
