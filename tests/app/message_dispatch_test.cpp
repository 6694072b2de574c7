#include "support/controller_fixture.h"

#include <algorithm>
#include <functional>
#include <ranges>
#include <tuple>

namespace nimbrel::test {
namespace {

using Effect = std::function<bool(ControllerFixture &)>;

// One operation reached by its name: what is on the clipboard (nothing when empty), what it is
// handed, what it answers and the effect by which it is told apart from every other operation;
// a query is told apart by its answer alone.
using Operation = std::tuple<std::string, Entries, MessageArgument, MessageResult, Effect>;

using MessageDispatchTest = ControllerRowTest<Operation>;

TEST_P(MessageDispatchTest, EachOperationHasItsOwnEffect)
{
    const auto &[selector, clipboard, argument, answer, effect] = GetParam();
    launch();
    pasteItemOptionsWindow->orderOut();
    if (!clipboard.empty())
        copy(clipboard);
    EXPECT_EQ(delegate->perform(selector, argument), answer);
    background.finishAll();
    EXPECT_TRUE(!effect || effect(*this));
}

const Entries hello{{plain, "hello wORLD  x"}};
// Its plain text is left as it is by removing the formatting alone.
const Entries rich{{html, "<b>hello</b> wORLD  x"}, {plain, "hello wORLD  x"}};
const MessageArgument helloItem = makeItem(hello);
const MessageArgument checkBoxOff = std::shared_ptr<Button>(std::make_shared<MemoryButton>(0));
const MessageArgument checkBoxOn = std::shared_ptr<Button>(std::make_shared<MemoryButton>(1));
const MessageArgument uppercaseEntry = std::shared_ptr<MenuItem>(std::make_shared<MemoryMenuItem>("Uppercase"));
const MessageArgument notification = std::shared_ptr<const UserNotification>(std::make_shared<UserNotification>());

// Text actions leave one item of plain text alone on the clipboard.
Effect holdsPlainText(std::string text)
{
    return [text](ControllerFixture &t) {
        return t.clipboardText() == text && t.pasteboard.items().front()->types() == std::vector<std::string>{plain};
    };
}
const Effect optionsShown = [](auto &t) { return t.pasteItemOptionsWindow->isVisible(); };
const Effect uppercasePicked = [](auto &t) { return t.delegate->activePopupRunMenuItem()->title() == "Uppercase"; };

const std::vector<Operation> operations{
    {"applicationDidFinishLaunching:", hello, {}, {},
     [](auto &t) { return t.textView->string() == "hello wORLD  x" && t.center.delivered().empty(); }},
    {"applicationWillTerminate:", hello, {}, {},
     [](auto &t) { return t.timers.liveTimers() == 0 && t.pasteboard.handOvers() == 1; }},
    {"setTextActionsMenuItemEnabledState", hello, {}, {}, [](auto &t) { return t.textActionsItem->isEnabled(); }},
    {"pollPasteboardForChanges", hello, {}, {}, [](auto &t) { return t.center.delivered().size() == 1; }},
    {"setCurrentTextItemViewValue:", hello, std::string("shown by name"), {},
     [](auto &t) { return t.textView->string() == "shown by name"; }},
    {"userNotificationCenter:shouldPresentNotification:", hello, notification, MessageResult{true},
     [](auto &t) { return t.center.delivered().empty(); }},
    {"userNotificationCenter:didActivateNotification:", hello, notification, {}, optionsShown},
    {"showSettings", hello, {}, {}, [](auto &t) { return t.settingsWindow->isVisible(); }},
    {"textActionsMenuItem:", hello, {}, {}, optionsShown},
    {"showPasteItemOptions", hello, {}, MessageResult{true}, optionsShown},
    {"closePasteItemOptions", hello, {}, {}, [](auto &t) { return t.pasteItemOptionsWindow->orderOutCount() == 2; }},
    {"textNotificationButton:", hello, checkBoxOff, {},
     [](auto &t) { return t.defaults.objectForKey("notifyText") == DefaultsValue{0.0} && t.textCheckBox->state() == 1; }},
    {"filesAndDirectoriesNotificationButton:", hello, checkBoxOff, {},
     [](auto &t) { return t.defaults.objectForKey("notifyFilesAndDirectories") == DefaultsValue{0.0}; }},
    {"keepClipboardButton:", hello, checkBoxOff, {},
     [](auto &t) { return t.defaults.objectForKey("keepClipboard") == DefaultsValue{0.0}; }},
    {"startAtLoginButton:", hello, checkBoxOn, {}, [](auto &t) { return t.loginItem.isEnabled(); }},
    {"clearClipboardMenuItem:", hello, {}, {},
     [](auto &t) { return t.pasteboard.items().empty() && !t.clearItem->isEnabled(); }},
    {"openSettings:", hello, {}, {}, [](auto &t) { return t.settingsWindow->isVisible(); }},
    {"run:", hello, {}, {}, holdsPlainText("Hello World  X")},
    {"activePopupRunItem:", hello, uppercaseEntry, {}, uppercasePicked},
    {"setActivePopupRunMenuItem:", hello, uppercaseEntry, {}, uppercasePicked},
    {"getFirstItem", {}, {}, MessageResult{std::shared_ptr<const PasteboardItem>()},
     [](auto &t) { return t.pasteboard.writes() == 0; }},
    {"hasItems", {}, {}, MessageResult{false}, nullptr},
    {"capitalize:", {}, helloItem, {}, holdsPlainText("Hello World  X")},
    {"lowercase:", {}, helloItem, {}, holdsPlainText("hello world  x")},
    {"uppercase:", {}, helloItem, {}, holdsPlainText("HELLO WORLD  X")},
    {"snakecase:", {}, helloItem, {}, holdsPlainText("hello_wORLD_x")},
    {"removeFormatting:", {}, makeItem(rich), {}, holdsPlainText("hello wORLD  x")},
    {"removeMultipleWhitespace:", {}, helloItem, {}, holdsPlainText("hello wORLD x")},
    {"removeAllWhitespace:", {}, helloItem, {}, holdsPlainText("hellowORLDx")},
    {"userNotificationCenter:didPressOtherButton:", rich, notification, {}, holdsPlainText("hello wORLD  x")},
    {"runTextAction:", hello, std::string("Uppercase"), {}, holdsPlainText("HELLO WORLD  X")},
};

INSTANTIATE_TEST_SUITE_P(Selectors, MessageDispatchTest, ::testing::ValuesIn(operations), [](const auto &info) {
    std::string name = std::get<0>(info.param);
    std::replace(name.begin(), name.end(), ':', '_');
    return name;
});

// The queries on an item, each checked by its answers in ItemQueriesFollowTheTypeRules.
const std::string itemQueries[] = {"isTextItem:", "isHTMLItem:", "isRTFItem:", "getItemType:",
                                   "firstItemIsSomeKindOfString:"};

TEST(MessageDispatchTable, EveryPublishedOperationIsCheckedByItsEffect)
{
    for (const std::string_view selector : AppDelegate::selectors())
        EXPECT_EQ(std::ranges::count(std::views::keys(operations), selector) + std::ranges::count(itemQueries, selector), 1)
            << selector;
}

// Only the first item is inspected, never the text after it.
TEST_F(MessageDispatchTest, ItemQueriesFollowTheTypeRules)
{
    // name, types, then the answers of the itemQueries in their order
    const std::tuple<const char *, std::vector<std::string>, bool, bool, bool, std::string, bool> rows[] = {
        {"HtmlThenPlain", {html, plain}, true, true, false, html, true},
        {"PlainThenRtf", {plain, rtf}, true, false, true, rtf, true},
        {"RtfThenHtml", {rtf, html}, false, true, true, rtf, true},
        {"HtmlThenRtf", {html, rtf}, false, true, true, rtf, true},
        {"ImageThenPlain", {"image/png", plain}, true, false, false, plain, false},
        {"NoTypes", {}, false, false, false, plain, false},
        {"CaseDiffers", {"Text/Plain", "TEXT/HTML", "text/RTF"}, false, false, false, plain, false},
        {"PrefixIsNoMatch", {"text/plain;charset=utf-8", "text/html2"}, false, false, false, plain, false},
    };
    createController();
    for (const auto &[name, types, isText, isHtml, isRtf, itemType, someKindOfString] : rows) {
        SCOPED_TRACE(name);
        Entries entries;
        for (const auto &type : types)
            entries.emplace_back(type, "data");
        const auto first = makeItem(entries);
        pasteboard.copy({first, textItem("second")});
        ASSERT_EQ(delegate->perform("getFirstItem"), MessageResult{first});
        const MessageResult answers[] = {isText, isHtml, isRtf, itemType, someKindOfString};
        for (std::size_t query = 0; query < std::size(itemQueries); ++query)
            EXPECT_EQ(delegate->perform(itemQueries[query], first), answers[query]) << itemQueries[query];
    }
}

TEST_F(MessageDispatchTest, UnknownNamesAndWrongArgumentsAreRefusedQuietly)
{
    launch();
    copyText("keep me");
    const auto count = pasteboard.changeCount();
    const auto writes = defaults.writes();
    const std::vector<std::pair<std::string, MessageArgument>> refused{{"noSuchSelector", {}}, {"capitalize:", {}},
        {"capitalize:", std::shared_ptr<const PasteboardItem>()}, {"isTextItem:", {}}, {"textNotificationButton:", {}},
        {"activePopupRunItem:", std::shared_ptr<MenuItem>()}, {"setCurrentTextItemViewValue:", {}},
        {"userNotificationCenter:didActivateNotification:", std::shared_ptr<const UserNotification>()},
        {"runTextAction:", helloItem}};
    for (const auto &[selector, argument] : refused)
        EXPECT_EQ(delegate->perform(selector, argument), std::nullopt) << selector;
    EXPECT_EQ(pasteboard.changeCount(), count);
    EXPECT_EQ(defaults.writes(), writes);
    EXPECT_EQ(delegate->activePopupRunMenuItem(), capitalizeEntry);
}

} // namespace
} // namespace nimbrel::test
