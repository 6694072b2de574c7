#include "support/controller_fixture.h"

#include <algorithm>

namespace nimbrel::test {
namespace {

class MessageDispatchTest : public ControllerFixture {
};

TEST_F(MessageDispatchTest, EveryOperationIsPublishedInDeclarationOrder)
{
    const std::vector<std::string_view> declared{
        "applicationDidFinishLaunching:", "setTextActionsMenuItemEnabledState",
        "pollPasteboardForChanges", "setCurrentTextItemViewValue:",
        "userNotificationCenter:shouldPresentNotification:", "userNotificationCenter:didActivateNotification:",
        "showSettings", "textActionsMenuItem:", "showPasteItemOptions", "closePasteItemOptions",
        "textNotificationButton:", "filesAndDirectoriesNotificationButton:", "clearClipboardMenuItem:",
        "openSettings:", "run:", "activePopupRunItem:", "setActivePopupRunMenuItem:", "getFirstItem",
        "isTextItem:", "isHTMLItem:", "isRTFItem:", "getItemType:", "hasItems", "firstItemIsSomeKindOfString:",
        "capitalize:", "lowercase:", "uppercase:", "snakecase:", "removeFormatting:",
        "removeMultipleWhitespace:", "removeAllWhitespace:"};
    const auto published = AppDelegate::selectors();
    ASSERT_GE(published.size(), declared.size());
    EXPECT_TRUE(std::equal(declared.begin(), declared.end(), published.begin()));
}

TEST_F(MessageDispatchTest, QueriesAnswerByName)
{
    createController();
    EXPECT_EQ(delegate->perform("hasItems"), MessageResult{false});
    const auto item = makeItem({{"image/png", std::nullopt}, {std::string(PasteboardTypeHTML), "<p>"}});
    pasteboard.copy({item});

    EXPECT_EQ(delegate->perform("hasItems"), MessageResult{true});
    EXPECT_EQ(delegate->perform("getFirstItem"), MessageResult{item});
    EXPECT_EQ(delegate->perform("isHTMLItem:", item), MessageResult{true});
    EXPECT_EQ(delegate->perform("isTextItem:", item), MessageResult{false});
    EXPECT_EQ(delegate->perform("getItemType:", item), MessageResult{std::string(PasteboardTypeHTML)});
    EXPECT_EQ(delegate->perform("firstItemIsSomeKindOfString:", item), MessageResult{false});
}

TEST_F(MessageDispatchTest, ActionsRunByName)
{
    launch();
    copyText("mixed Case");
    EXPECT_EQ(delegate->perform("lowercase:", delegate->getFirstItem()), MessageResult{true});
    EXPECT_EQ(clipboardText(), "mixed case");

    EXPECT_EQ(delegate->perform("runTextAction:", std::string("Uppercase")), MessageResult{true});
    EXPECT_EQ(clipboardText(), "MIXED CASE");
    EXPECT_EQ(delegate->perform("runTextAction:", std::string("uppercase")), MessageResult{false});

    delegate->perform("setCurrentTextItemViewValue:", std::string("shown"));
    EXPECT_EQ(textView->string(), "shown");

    delegate->perform("clearClipboardMenuItem:");
    EXPECT_TRUE(pasteboard.items().empty());
    EXPECT_FALSE(clearItem->isEnabled());
}

TEST_F(MessageDispatchTest, UnknownNamesAndWrongArgumentsAreRefusedQuietly)
{
    launch();
    copyText("keep me");
    const auto count = pasteboard.changeCount();
    const auto writes = defaults.writes();

    EXPECT_EQ(delegate->perform("noSuchSelector"), std::nullopt);
    EXPECT_EQ(delegate->perform("capitalize"), std::nullopt);
    EXPECT_EQ(delegate->perform("capitalize:"), std::nullopt);
    EXPECT_EQ(delegate->perform("capitalize:", std::string("keep me")), std::nullopt);
    EXPECT_EQ(delegate->perform("capitalize:", std::shared_ptr<const PasteboardItem>()), std::nullopt);
    EXPECT_EQ(delegate->perform("isTextItem:"), std::nullopt);
    EXPECT_EQ(delegate->perform("textNotificationButton:"), std::nullopt);
    EXPECT_EQ(delegate->perform("activePopupRunItem:", std::shared_ptr<MenuItem>()), std::nullopt);
    EXPECT_EQ(delegate->perform("setCurrentTextItemViewValue:"), std::nullopt);
    EXPECT_EQ(delegate->perform("userNotificationCenter:didActivateNotification:"), std::nullopt);

    EXPECT_EQ(pasteboard.changeCount(), count);
    EXPECT_EQ(defaults.writes(), writes);
    EXPECT_EQ(delegate->activePopupRunMenuItem(), capitalizeEntry);
}

TEST_F(MessageDispatchTest, CheckBoxActionsStoreTheSendersState)
{
    launch();
    const auto other = std::make_shared<MemoryButton>(0);
    delegate->perform("filesAndDirectoriesNotificationButton:", std::shared_ptr<Button>(other));
    EXPECT_EQ(defaults.objectForKey("notifyFilesAndDirectories"), DefaultsValue{0.0});
    EXPECT_EQ(filesCheckBox->state(), 1);
}

} // namespace
} // namespace nimbrel::test
