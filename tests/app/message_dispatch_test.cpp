#include "support/controller_fixture.h"

#include <algorithm>
#include <functional>

namespace nimbrel::test {
namespace {

enum class Argument { none, firstItem, text, checkBoxOff, uppercaseEntry, notification };

// One operation reached by its name: what is on the clipboard (nothing when empty), what it is
// handed, what it answers and the effect by which it is told apart from every other operation;
// a query is told apart by its answer alone.
struct Operation {
    std::string selector;
    Entries clipboard;
    Argument argument = Argument::none;
    std::string text;
    MessageResult answer;
    std::function<bool(ControllerFixture &)> effect;
};

void PrintTo(const Operation &operation, std::ostream *os)
{
    *os << operation.selector;
}

class MessageDispatchTest : public ControllerFixture, public ::testing::WithParamInterface<Operation> {
public:
    MessageArgument argumentFor(Argument argument)
    {
        switch (argument) {
        case Argument::none: return {};
        case Argument::firstItem: return delegate->getFirstItem();
        case Argument::text: return GetParam().text;
        case Argument::checkBoxOff: return std::shared_ptr<Button>(std::make_shared<MemoryButton>(0));
        case Argument::uppercaseEntry: return std::shared_ptr<MenuItem>(uppercaseEntry);
        case Argument::notification: return std::shared_ptr<const UserNotification>(std::make_shared<UserNotification>());
        }
        return {};
    }

    std::shared_ptr<MemoryMenuItem> uppercaseEntry = std::make_shared<MemoryMenuItem>("Uppercase");
};

TEST_P(MessageDispatchTest, EachOperationHasItsOwnEffect)
{
    const Operation &row = GetParam();
    launch();
    pasteItemOptionsWindow->orderOut();
    if (!row.clipboard.empty())
        copy(row.clipboard);
    EXPECT_EQ(delegate->perform(row.selector, argumentFor(row.argument)), row.answer);
    EXPECT_TRUE(!row.effect || row.effect(*this));
}

const Entries hello{{plain, "hello wORLD  x"}};
const Entries rich{{html, "<b>hello</b>"}, {plain, "hello"}};

bool clipboardHolds(ControllerFixture &test, const std::string &text)
{
    return test.clipboardText() == text;
}

const std::vector<Operation> operations{
    {"applicationDidFinishLaunching:", hello, Argument::none, {}, {},
     [](auto &t) { return t.textView->string() == "hello wORLD  x" && t.center.delivered().empty(); }},
    {"setTextActionsMenuItemEnabledState", hello, Argument::none, {}, {}, [](auto &t) { return t.textActionsItem->isEnabled(); }},
    {"pollPasteboardForChanges", hello, Argument::none, {}, {}, [](auto &t) { return t.center.delivered().size() == 1; }},
    {"setCurrentTextItemViewValue:", hello, Argument::text, "shown by name", {},
     [](auto &t) { return t.textView->string() == "shown by name"; }},
    {"userNotificationCenter:shouldPresentNotification:", hello, Argument::notification, {}, MessageResult{true},
     [](auto &t) { return t.center.delivered().empty(); }},
    {"userNotificationCenter:didActivateNotification:", hello, Argument::notification, {}, {},
     [](auto &t) { return t.pasteItemOptionsWindow->isVisible(); }},
    {"showSettings", hello, Argument::none, {}, {}, [](auto &t) { return t.settingsWindow->isVisible(); }},
    {"textActionsMenuItem:", hello, Argument::none, {}, {}, [](auto &t) { return t.pasteItemOptionsWindow->isVisible(); }},
    {"showPasteItemOptions", hello, Argument::none, {}, {}, [](auto &t) { return t.pasteItemOptionsWindow->isVisible(); }},
    {"closePasteItemOptions", hello, Argument::none, {}, {}, [](auto &t) { return t.pasteItemOptionsWindow->orderOutCount() == 2; }},
    {"textNotificationButton:", hello, Argument::checkBoxOff, {}, {},
     [](auto &t) { return t.defaults.objectForKey("notifyText") == DefaultsValue{0.0} && t.textCheckBox->state() == 1; }},
    {"filesAndDirectoriesNotificationButton:", hello, Argument::checkBoxOff, {}, {},
     [](auto &t) { return t.defaults.objectForKey("notifyFilesAndDirectories") == DefaultsValue{0.0}; }},
    {"clearClipboardMenuItem:", hello, Argument::none, {}, {},
     [](auto &t) { return t.pasteboard.items().empty() && !t.clearItem->isEnabled(); }},
    {"openSettings:", hello, Argument::none, {}, {}, [](auto &t) { return t.settingsWindow->isVisible(); }},
    {"run:", hello, Argument::none, {}, {}, [](auto &t) { return clipboardHolds(t, "Hello World  X"); }},
    {"activePopupRunItem:", hello, Argument::uppercaseEntry, {}, {},
     [](auto &t) { return t.delegate->activePopupRunMenuItem()->title() == "Uppercase"; }},
    {"setActivePopupRunMenuItem:", hello, Argument::uppercaseEntry, {}, {},
     [](auto &t) { return t.delegate->activePopupRunMenuItem()->title() == "Uppercase"; }},
    {"getFirstItem", {}, Argument::none, {}, MessageResult{std::shared_ptr<const PasteboardItem>()},
     [](auto &t) { return t.pasteboard.writes() == 0; }},
    {"isTextItem:", {{html, "x"}}, Argument::firstItem, {}, MessageResult{false}, nullptr},
    {"isHTMLItem:", {{html, "x"}}, Argument::firstItem, {}, MessageResult{true}, nullptr},
    {"isRTFItem:", {{rtf, "x"}}, Argument::firstItem, {}, MessageResult{true}, nullptr},
    {"getItemType:", {{html, "x"}, {rtf, "x"}}, Argument::firstItem, {}, MessageResult{rtf}, nullptr},
    {"hasItems", {}, Argument::none, {}, MessageResult{false}, nullptr},
    {"firstItemIsSomeKindOfString:", {{"image/png", "x"}, {plain, "x"}}, Argument::firstItem, {}, MessageResult{false},
     nullptr},
    {"capitalize:", hello, Argument::firstItem, {}, MessageResult{true}, [](auto &t) { return clipboardHolds(t, "Hello World  X"); }},
    {"lowercase:", hello, Argument::firstItem, {}, MessageResult{true}, [](auto &t) { return clipboardHolds(t, "hello world  x"); }},
    {"uppercase:", hello, Argument::firstItem, {}, MessageResult{true}, [](auto &t) { return clipboardHolds(t, "HELLO WORLD  X"); }},
    {"snakecase:", hello, Argument::firstItem, {}, MessageResult{true}, [](auto &t) { return clipboardHolds(t, "hello_wORLD_x"); }},
    {"removeFormatting:", rich, Argument::firstItem, {}, MessageResult{true},
     [](auto &t) { return t.pasteboard.items().front()->types() == std::vector<std::string>{plain}; }},
    {"removeMultipleWhitespace:", hello, Argument::firstItem, {}, MessageResult{true},
     [](auto &t) { return clipboardHolds(t, "hello wORLD x"); }},
    {"removeAllWhitespace:", hello, Argument::firstItem, {}, MessageResult{true},
     [](auto &t) { return clipboardHolds(t, "hellowORLDx"); }},
    {"userNotificationCenter:didPressOtherButton:", rich, Argument::notification, {}, {},
     [](auto &t) { return t.pasteboard.items().front()->types() == std::vector<std::string>{plain}; }},
    {"runTextAction:", hello, Argument::text, "Uppercase", MessageResult{true},
     [](auto &t) { return clipboardHolds(t, "HELLO WORLD  X"); }},
};

INSTANTIATE_TEST_SUITE_P(Selectors, MessageDispatchTest, ::testing::ValuesIn(operations), [](const auto &info) {
    std::string name = info.param.selector;
    std::replace(name.begin(), name.end(), ':', '_');
    return name;
});

TEST(MessageDispatchTable, EveryPublishedOperationIsCheckedByItsEffect)
{
    for (const std::string_view selector : AppDelegate::selectors()) {
        EXPECT_TRUE(std::any_of(operations.begin(), operations.end(),
                                [selector](const Operation &row) { return row.selector == selector; }))
            << selector;
    }
}

TEST_F(MessageDispatchTest, UnknownNamesAndWrongArgumentsAreRefusedQuietly)
{
    launch();
    copyText("keep me");
    const auto count = pasteboard.changeCount();
    const auto writes = defaults.writes();
    const std::vector<std::pair<std::string, MessageArgument>> refused{
        {"noSuchSelector", {}},
        {"capitalize:", {}},
        {"capitalize:", std::shared_ptr<const PasteboardItem>()},
        {"isTextItem:", {}},
        {"textNotificationButton:", {}},
        {"activePopupRunItem:", std::shared_ptr<MenuItem>()},
        {"setCurrentTextItemViewValue:", {}},
        {"userNotificationCenter:didActivateNotification:", std::shared_ptr<const UserNotification>()},
        {"runTextAction:", delegate->getFirstItem()},
    };
    for (const auto &[selector, argument] : refused)
        EXPECT_EQ(delegate->perform(selector, argument), std::nullopt) << selector;
    EXPECT_EQ(pasteboard.changeCount(), count);
    EXPECT_EQ(defaults.writes(), writes);
    EXPECT_EQ(delegate->activePopupRunMenuItem(), capitalizeEntry);
}

} // namespace
} // namespace nimbrel::test
