#pragma once

#include "app/app_delegate.h"
#include "platform/memory/memory_application.h"
#include "platform/memory/memory_background_work.h"
#include "platform/memory/memory_button.h"
#include "platform/memory/memory_image_library.h"
#include "platform/memory/memory_login_item.h"
#include "platform/memory/memory_menu_item.h"
#include "platform/memory/memory_pasteboard.h"
#include "platform/memory/memory_status_bar.h"
#include "platform/memory/memory_text_translation.h"
#include "platform/memory/memory_text_view.h"
#include "platform/memory/memory_timer_scheduler.h"
#include "platform/memory/memory_user_defaults.h"
#include "platform/memory/memory_user_notification_center.h"
#include "platform/memory/memory_window.h"
#include "platform/pasteboard_types.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace nimbrel::test {

using Entries = std::vector<std::pair<std::string, std::optional<std::string>>>;

inline const std::string plain(PasteboardTypeString);
inline const std::string rtf(PasteboardTypeRTF);
inline const std::string html(PasteboardTypeHTML);
inline const std::string concealed(PasteboardTypeConcealed);

inline std::shared_ptr<const PasteboardItem> textItem(const std::string &text)
{
    return makeItem({{std::string(PasteboardTypeString), text}});
}

// A controller on the in-memory platform with every outlet connected, as the interface
// description connects them: the preferences' check boxes on, the text view empty.
class ControllerFixture : public ::testing::Test {
public:
    void createController()
    {
        delegate = std::make_unique<AppDelegate>(PlatformServices{
            center, pasteboard, statusBar, defaults, timers, *imagesInUse, application, background, loginItem,
            translation});
        delegate->setOutlets(InterfaceOutlets{settingsWindow, textActionsItem, pasteItemOptionsWindow, menu, clearItem,
                                              textCheckBox, filesCheckBox, keepCheckBox, startAtLoginCheckBox,
                                              capitalizeEntry, textView});
    }

    void launch()
    {
        createController();
        delegate->applicationDidFinishLaunching();
    }

    void copy(Entries entries) { pasteboard.copy({makeItem(std::move(entries))}); }
    // Another program's copy of the entries; none empties the clipboard.
    void copyOrClear(Entries entries) { entries.empty() ? pasteboard.clearContents() : copy(std::move(entries)); }
    void copyText(const std::string &text) { pasteboard.copy({textItem(text)}); }
    void tick() { timers.fire(); }

    // Runs the text action by title as the main loop would, its background work included; what
    // it told, or nullopt when it told nothing.
    std::optional<bool> runTextAction(std::string_view title)
    {
        std::optional<bool> told;
        delegate->runTextAction(title, [&told](bool rewritten) { told = rewritten; });
        background.finishAll();
        return told;
    }

    using Action = void (AppDelegate::*)(const std::shared_ptr<const PasteboardItem> &, TextActionDone);
    std::optional<bool> runAction(Action action, const std::shared_ptr<const PasteboardItem> &item)
    {
        std::optional<bool> told;
        (*delegate.*action)(item, [&told](bool rewritten) { told = rewritten; });
        background.finishAll();
        return told;
    }

    // The plain text of the only item on the clipboard, or nullopt when there is not exactly one.
    std::optional<std::string> clipboardText() const
    {
        const auto text = pasteboard.items().size() == 1
            ? pasteboard.items().front()->stringForType(PasteboardTypeString) : std::nullopt;
        return text ? std::optional(text->str()) : std::nullopt;
    }

    MemoryUserNotificationCenter center;
    MemoryPasteboard pasteboard;
    MemoryStatusBar statusBar;
    MemoryUserDefaults defaults;
    MemoryTimerScheduler timers;
    MemoryImageLibrary images;
    MemoryApplication application;
    MemoryBackgroundWork background;
    MemoryLoginItem loginItem;
    MemoryTextTranslation translation;
    // A test that needs the icon missing points this elsewhere.
    ImageLibrary *imagesInUse = &images;

    std::shared_ptr<MemoryWindow> settingsWindow = std::make_shared<MemoryWindow>();
    std::shared_ptr<MemoryWindow> pasteItemOptionsWindow = std::make_shared<MemoryWindow>();
    std::shared_ptr<MemoryMenu> menu = std::make_shared<MemoryMenu>();
    std::shared_ptr<MemoryMenuItem> textActionsItem = std::make_shared<MemoryMenuItem>("Text actions");
    std::shared_ptr<MemoryMenuItem> clearItem = std::make_shared<MemoryMenuItem>("Clear clipboard");
    std::shared_ptr<MemoryMenuItem> capitalizeEntry = std::make_shared<MemoryMenuItem>("Capitalize");
    std::shared_ptr<MemoryButton> textCheckBox = std::make_shared<MemoryButton>(1);
    std::shared_ptr<MemoryButton> filesCheckBox = std::make_shared<MemoryButton>(1);
    std::shared_ptr<MemoryButton> keepCheckBox = std::make_shared<MemoryButton>(1);
    std::shared_ptr<MemoryButton> startAtLoginCheckBox = std::make_shared<MemoryButton>(0);
    std::shared_ptr<MemoryTextView> textView = std::make_shared<MemoryTextView>();

    std::unique_ptr<AppDelegate> delegate;
};

// A table's rows, each on a controller of its own.
template <typename Row>
class ControllerRowTest : public ControllerFixture, public ::testing::WithParamInterface<Row> {};

} // namespace nimbrel::test
