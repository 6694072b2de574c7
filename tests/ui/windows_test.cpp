#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using WindowsTest = ControllerFixture;

// The options window opens, centred anew each time, only while the first item is text by its
// first type; it keeps showing the last text it was given.
TEST_F(WindowsTest, PasteItemOptionsOpenOnlyForText)
{
    copyText("shown");
    launch();
    for (const auto &[entries, opens] : std::vector<std::pair<Entries, bool>>{
             {{{plain, "x"}}, true}, {{{html, "x"}}, true}, {{{"image/png", std::nullopt}, {plain, "x"}}, false},
             {{}, false}}) {
        pasteItemOptionsWindow->orderOut();
        copyOrClear(entries);
        EXPECT_EQ(delegate->perform("showPasteItemOptions"), MessageResult{opens});
        EXPECT_EQ(pasteItemOptionsWindow->isVisible(), opens);
    }
    EXPECT_EQ(pasteItemOptionsWindow->centerCount(), 2);
    EXPECT_EQ(textView->string(), "shown");
}

// Clear empties the clipboard, even an empty one, and disables its entry until new content; an
// emptying by another program disables it too.
TEST_F(WindowsTest, ClearDisablesItsEntryUntilNewContent)
{
    copyText("text");
    launch();
    delegate->showPasteItemOptions();
    for (int clear = 0; clear < 2; ++clear) {
        const auto count = pasteboard.changeCount();
        delegate->perform("clearClipboardMenuItem:");
        EXPECT_EQ(pasteboard.changeCount(), count + 1);
        tick();
    }
    EXPECT_FALSE(textActionsItem->isEnabled());
    EXPECT_FALSE(clearItem->isEnabled());
    EXPECT_TRUE(pasteItemOptionsWindow->isVisible());
    EXPECT_EQ(textView->string(), "text");
    EXPECT_TRUE(center.delivered().empty());

    copyText("new");
    tick();
    EXPECT_TRUE(clearItem->isEnabled());
    pasteboard.clearContents(); // as another program empties it
    tick();
    EXPECT_FALSE(clearItem->isEnabled());
}

// Not a preference: each time the settings window is shown, its box shows whether Nimbrel starts
// at login, which the user may have changed meanwhile; a click that could not change it leaves
// the box showing what is so.
TEST_F(WindowsTest, StartAtLoginBoxShowsAndChangesWhatIsOnDisk)
{
    launch();
    const auto writes = defaults.writes();
    for (const auto &[row, onDisk, failing] : {std::tuple{"turned on", false, false}, {"turned off", true, false},
             {"write fails", false, true}, {"removal fails", true, true}}) {
        SCOPED_TRACE(row);
        loginItem.setFailing(false);
        loginItem.setEnabled(onDisk);
        loginItem.setFailing(failing);
        startAtLoginCheckBox->setState(!onDisk);
        delegate->showSettings();
        EXPECT_EQ(startAtLoginCheckBox->state(), onDisk);
        startAtLoginCheckBox->setState(!onDisk);
        delegate->perform("startAtLoginButton:", std::shared_ptr<Button>(startAtLoginCheckBox));
        EXPECT_EQ(loginItem.isEnabled(), onDisk == failing);
        EXPECT_EQ(startAtLoginCheckBox->state(), onDisk == failing);
    }
    EXPECT_EQ(defaults.writes(), writes);
}

} // namespace
} // namespace nimbrel::test
