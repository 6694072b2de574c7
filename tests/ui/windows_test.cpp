#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

class WindowsTest : public ControllerFixture {
};

TEST_F(WindowsTest, PasteItemOptionsOpenOnlyForText)
{
    launch();
    const struct {
        const char *name;
        Entries entries;
        bool opens;
    } rows[] = {
        {"plain", {{std::string(PasteboardTypeString), "x"}}, true},
        {"html first", {{std::string(PasteboardTypeHTML), "x"}}, true},
        {"files", {{std::string(FilenamesPboardType), std::nullopt}}, false},
        {"image then text", {{"image/png", std::nullopt}, {std::string(PasteboardTypeString), "x"}}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        pasteItemOptionsWindow->orderOut();
        copy(row.entries);
        delegate->perform("textActionsMenuItem:");
        EXPECT_EQ(pasteItemOptionsWindow->isVisible(), row.opens);
    }
    pasteboard.clearContents();
    pasteItemOptionsWindow->orderOut();
    delegate->perform("showPasteItemOptions");
    EXPECT_FALSE(pasteItemOptionsWindow->isVisible());
}

TEST_F(WindowsTest, OpeningTwiceCentresTwiceAndKeepsTheText)
{
    copyText("shown");
    launch();
    delegate->showPasteItemOptions();
    delegate->showPasteItemOptions();
    EXPECT_EQ(pasteItemOptionsWindow->centerCount(), 2);
    EXPECT_EQ(textView->string(), "shown");
}

TEST_F(WindowsTest, ClearEmptiesTheClipboardAndDisablesItsEntryUntilNewContent)
{
    copyText("text");
    launch();
    delegate->showPasteItemOptions();
    const auto count = pasteboard.changeCount();

    delegate->perform("clearClipboardMenuItem:");
    EXPECT_TRUE(pasteboard.items().empty());
    EXPECT_GT(pasteboard.changeCount(), count);
    EXPECT_FALSE(clearItem->isEnabled());

    tick();
    EXPECT_FALSE(textActionsItem->isEnabled());
    EXPECT_FALSE(clearItem->isEnabled());
    EXPECT_TRUE(pasteItemOptionsWindow->isVisible());
    EXPECT_EQ(textView->string(), "text");
    EXPECT_TRUE(center.delivered().empty());

    copyText("new");
    tick();
    EXPECT_TRUE(clearItem->isEnabled());
}

TEST_F(WindowsTest, ClearingAnEmptyClipboardStillRaisesTheCount)
{
    launch();
    const auto count = pasteboard.changeCount();
    delegate->perform("clearClipboardMenuItem:");
    EXPECT_EQ(pasteboard.changeCount(), count + 1);
    EXPECT_FALSE(clearItem->isEnabled());
}

} // namespace
} // namespace nimbrel::test
