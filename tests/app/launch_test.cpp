#include "support/controller_fixture.h"
#include "ui/preferences.h"

namespace nimbrel::test {
namespace {

using LaunchTest = ControllerFixture;

// What is on the clipboard at launch is shown when it is text (never a secret's), and never
// announced; the clear entry is enabled unless it is empty. Launch sets up the status item with the
// template icon and the menu, and the poll timer, the one timer left running by the controllers.
TEST_F(LaunchTest, SetsUpTheStatusItemAndTimerAndShowsTheClipboardButNeverAnnouncesIt)
{
    for (const auto &[entries, shown, textActions] : std::vector<std::tuple<Entries, std::string, bool>>{
             {{{plain, "from before"}}, "from before", true},
             {{}, "from the interface", false},
             {{{plain, "password"}, {concealed, std::nullopt}}, "from the interface", true},
             {{{"image/png", std::nullopt}, {plain, "behind an image"}}, "behind an image", false}}) {
        copyOrClear(entries);
        textView->setString("from the interface");
        clearItem->setEnabled(entries.empty());
        launch();
        EXPECT_EQ(textView->string(), shown);
        EXPECT_EQ(textActionsItem->isEnabled(), textActions) << shown;
        EXPECT_EQ(clearItem->isEnabled(), !entries.empty()) << shown;
        tick();
    }
    EXPECT_TRUE(center.delivered().empty());
    const auto &item = static_cast<MemoryStatusItem &>(delegate->statusItem());
    const auto image = std::dynamic_pointer_cast<MemoryImage>(item.memoryButton().image());
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->isTemplate());
    EXPECT_EQ(item.menu(), menu.get());
    EXPECT_EQ(center.delegate(), delegate.get());
    EXPECT_TRUE(settingsWindow->isMovableByBackground());
    EXPECT_EQ(timers.liveTimers(), 1u);
    EXPECT_EQ(timers.lastInterval(), std::chrono::milliseconds(20));
}

// name, stored, the check box before launch and after it, stored after it
using StoredPreference = std::tuple<std::string, std::optional<DefaultsValue>, int, int, std::optional<DefaultsValue>>;

using PreferenceReconciliationTest = ControllerRowTest<StoredPreference>;

TEST_P(PreferenceReconciliationTest, CheckBoxShowsTheStoredPreference)
{
    const auto &[name, stored, checkBoxBefore, checkBoxAfter, storedAfter] = GetParam();
    const std::pair<const char *, std::shared_ptr<MemoryButton>> preferences[] = {
        {"notifyText", textCheckBox}, {"notifyFilesAndDirectories", filesCheckBox}, {"keepClipboard", keepCheckBox}};
    for (const auto &[key, checkBox] : preferences) {
        if (stored)
            defaults.setValueForKey(*stored, key);
        checkBox->setState(checkBoxBefore);
    }
    // Keeping the clipboard is on unless stored as off, even before launch reconciles it.
    EXPECT_EQ(keepsClipboard(defaults), stored != DefaultsValue{0.0});

    launch();

    for (const auto &[key, checkBox] : preferences) {
        EXPECT_EQ(checkBox->state(), checkBoxAfter) << key;
        EXPECT_EQ(defaults.objectForKey(key), storedAfter) << key;
    }
}

const StoredPreference storedPreferences[] = {
    {"FirstRunStoresCheckBoxOn", std::nullopt, 1, 1, 1.0},
    {"StoredFalseTurnsCheckBoxOff", 0.0, 1, 0, 0.0},
    {"OtherNumberIsTrueAndKept", -3.5, 0, 1, -3.5},
    {"StringIsReplaced", std::string("1"), 0, 0, 0.0},
    {"OtherValueIsReplaced", OtherDefaultsValue{}, 1, 1, 1.0},
};

INSTANTIATE_TEST_SUITE_P(Preferences, PreferenceReconciliationTest, ::testing::ValuesIn(storedPreferences),
                         [](const auto &info) { return std::get<0>(info.param); });

TEST_F(LaunchTest, MissingOutletsAndImagesAreSkippedQuietly)
{
    MemoryImageLibrary noImages(std::set<std::string, std::less<>>{});
    imagesInUse = &noImages;
    createController();
    delegate->setOutlets({});
    copyText("text");
    delegate->applicationDidFinishLaunching();
    delegate->showSettings();
    EXPECT_EQ(application.activations(), 0);

    const auto &item = static_cast<MemoryStatusItem &>(delegate->statusItem());
    EXPECT_EQ(item.memoryButton().image(), nullptr);
    EXPECT_EQ(item.menu(), nullptr);
    EXPECT_TRUE(delegate->hasPasteboardPollTimer());
    EXPECT_FALSE(defaults.objectForKey("notifyText"));
}

} // namespace
} // namespace nimbrel::test
