#include "support/controller_fixture.h"
#include "ui/preferences.h"

namespace nimbrel::test {
namespace {

using LaunchTest = ControllerFixture;

TEST_F(LaunchTest, SetsUpStatusItemTimerAndActiveEntry)
{
    launch();
    const auto &item = static_cast<MemoryStatusItem &>(delegate->statusItem());
    const auto image = std::dynamic_pointer_cast<MemoryImage>(item.memoryButton().image());
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->isTemplate());
    EXPECT_EQ(item.menu(), menu.get());
    EXPECT_EQ(center.delegate(), delegate.get());
    EXPECT_TRUE(settingsWindow->isMovableByBackground());
    EXPECT_TRUE(delegate->hasPasteboardPollTimer());
    EXPECT_EQ(timers.liveTimers(), 1u);
    EXPECT_EQ(timers.lastInterval(), std::chrono::milliseconds(20));
}

// What is on the clipboard at launch is shown when it is text (never a secret's), and never
// announced; the clear entry is enabled whatever it holds.
TEST_F(LaunchTest, ClipboardAtLaunchIsShownButNeverAnnounced)
{
    for (const auto &[entries, shown, textActions] : std::vector<std::tuple<Entries, std::string, bool>>{
             {{{plain, "from before"}}, "from before", true},
             {{}, "from the interface", false},
             {{{plain, "password"}, {concealed, std::nullopt}}, "from the interface", true},
             {{{"image/png", std::nullopt}, {plain, "behind an image"}}, "behind an image", false}}) {
        if (entries.empty())
            pasteboard.clearContents();
        else
            copy(entries);
        textView->setString("from the interface");
        clearItem->setEnabled(false);
        launch();
        EXPECT_EQ(textView->string(), shown);
        EXPECT_EQ(textActionsItem->isEnabled(), textActions) << shown;
        EXPECT_TRUE(clearItem->isEnabled());
        tick();
    }
    EXPECT_TRUE(center.delivered().empty());
}

struct StoredPreference {
    const char *name;
    std::optional<DefaultsValue> stored;
    int checkBoxBefore;
    int checkBoxAfter;
    std::optional<DefaultsValue> storedAfter;
};

class PreferenceReconciliationTest : public ControllerFixture,
                                     public ::testing::WithParamInterface<StoredPreference> {
};

TEST_P(PreferenceReconciliationTest, CheckBoxShowsTheStoredPreference)
{
    const auto &row = GetParam();
    const std::pair<const char *, std::shared_ptr<MemoryButton>> preferences[] = {
        {"notifyText", textCheckBox}, {"notifyFilesAndDirectories", filesCheckBox}, {"keepClipboard", keepCheckBox}};
    for (const auto &[key, checkBox] : preferences) {
        if (row.stored)
            defaults.setValueForKey(*row.stored, key);
        checkBox->setState(row.checkBoxBefore);
    }
    // Keeping the clipboard is on unless stored as off, even before launch reconciles it.
    EXPECT_EQ(keepsClipboard(defaults), row.stored != DefaultsValue{0.0});

    launch();

    for (const auto &[key, checkBox] : preferences) {
        EXPECT_EQ(checkBox->state(), row.checkBoxAfter) << key;
        EXPECT_EQ(defaults.objectForKey(key), row.storedAfter) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferenceReconciliationTest,
    ::testing::Values(StoredPreference{"FirstRunStoresCheckBoxOn", std::nullopt, 1, 1, DefaultsValue{1.0}},
                      StoredPreference{"StoredFalseTurnsCheckBoxOff", DefaultsValue{0.0}, 1, 0, DefaultsValue{0.0}},
                      StoredPreference{"OtherNumberIsTrueAndKept", DefaultsValue{-3.5}, 0, 1, DefaultsValue{-3.5}},
                      StoredPreference{"StringIsReplaced", DefaultsValue{std::string("1")}, 0, 0,
                                       DefaultsValue{0.0}},
                      StoredPreference{"OtherValueIsReplaced", DefaultsValue{OtherDefaultsValue{}}, 1, 1,
                                       DefaultsValue{1.0}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LaunchTest, PreferencesSurviveARestart)
{
    launch();
    textCheckBox->setState(0);
    delegate->perform("textNotificationButton:", std::shared_ptr<Button>(textCheckBox));
    delegate.reset();

    textCheckBox->setState(1);
    launch();
    EXPECT_EQ(textCheckBox->state(), 0);
    copyText("not announced");
    tick();
    EXPECT_TRUE(center.delivered().empty());
}

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
