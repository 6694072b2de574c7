#pragma once

#include "app/interface_outlets.h"
#include "app/message.h"
#include "platform/platform_services.h"
#include "platform/shared_text.h"
#include "platform/user_notification_center.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// How long a secret that the program wrote stays on the clipboard: as long as KeePassXC, by
// default, leaves the secret it copied, which it clears only while it still owns the clipboard.
inline constexpr std::chrono::seconds concealedItemLifetime{10};

// The type that stands for an item's text: PasteboardTypeRTF, PasteboardTypeHTML or
// PasteboardTypeString, never empty.
using ClipboardItemType = std::string;

class BackgroundWork;
class LoginItem;
class TextTranslation;
class PasteboardItem;
class StringPasteboardItem;
enum class Transformation;

// Told, on the main thread, whether a text action rewrote the clipboard.
using TextActionDone = std::function<void(bool rewritten)>;

// How many text actions may wait while one runs; more are refused.
inline constexpr std::size_t maximalWaitingTextActions = 64;
class StatusItem;
class Timer;

// The program's one controller: it owns the run-time state, answers the notification centre,
// receives every action of the interface and drives the clipboard poll. Everything runs on the
// main thread, one call at a time, but for the text actions' transformations: those run as
// background work on copies of the texts they need, and their results are written back here.
class AppDelegate final : public UserNotificationCenterDelegate {
public:
    explicit AppDelegate(PlatformServices services);
    ~AppDelegate() override;

    // Connected by the interface description before applicationDidFinishLaunching.
    void setOutlets(InterfaceOutlets outlets) { m_outlets = std::move(outlets); }

    // Launch and termination.
    void applicationDidFinishLaunching();
    // Called once, as the program ends: stops the timers, withdraws the notification and hands
    // the clipboard over to a clipboard manager unless it holds a secret.
    void applicationWillTerminate();

    // Clipboard monitoring.
    void setTextActionsMenuItemEnabledState();
    void pollPasteboardForChanges();
    void setCurrentTextItemViewValue(std::string_view value);
    bool userNotificationCenterShouldPresentNotification(UserNotificationCenter &center,
                                                         const UserNotification &notification) override;
    void userNotificationCenterDidActivateNotification(UserNotificationCenter &center,
                                                       const UserNotification &notification) override;
    // The notification's "Clear formatting" button removes the formatting of the first clipboard item.
    void userNotificationCenterDidPressOtherButton(UserNotificationCenter &center,
                                                   const UserNotification &notification) override;

    // Windows and preferences.
    void showSettings();
    void textActionsMenuItem(const std::shared_ptr<MenuItem> &sender);
    // Opens the paste item options window while the first clipboard item is text; says whether it did.
    bool showPasteItemOptions();
    void closePasteItemOptions();
    void textNotificationButton(const std::shared_ptr<Button> &sender);
    void filesAndDirectoriesNotificationButton(const std::shared_ptr<Button> &sender);
    void keepClipboardButton(const std::shared_ptr<Button> &sender);
    // Not a preference: the check box sets, and shows, whether the desktop starts the program at login.
    void startAtLoginButton(const std::shared_ptr<Button> &sender);
    void clearClipboardMenuItem(const std::shared_ptr<MenuItem> &sender);
    void openSettings(const std::shared_ptr<MenuItem> &sender);

    // Text actions: the Run button, the pop-up list's choice.
    void run(const std::shared_ptr<Button> &sender);
    void activePopupRunItem(const std::shared_ptr<MenuItem> &sender);
    void setActivePopupRunMenuItem(std::shared_ptr<MenuItem> item);
    // Runs the text action with exactly this title on the first clipboard item as it is when the
    // action starts, leaving the pop-up's choice alone. Actions run one after another: one asked
    // for while another runs waits for it (up to maximalWaitingTextActions of them). done learns
    // whether the clipboard was rewritten: not when nothing could be, nor when the clipboard
    // changed while the action ran, which leaves the newer contents alone.
    void runTextAction(std::string_view title, TextActionDone done = {});

    // Clipboard item inspection; only the first item is ever inspected.
    std::shared_ptr<const PasteboardItem> getFirstItem() const;
    bool isTextItem(const PasteboardItem &item) const;
    bool isHTMLItem(const PasteboardItem &item) const;
    bool isRTFItem(const PasteboardItem &item) const;
    ClipboardItemType getItemType(const PasteboardItem &item) const;
    bool hasItems() const;
    bool firstItemIsSomeKindOfString(const PasteboardItem &item) const;
    // Whether a password manager marked the item as a secret.
    bool itemIsConcealed(const PasteboardItem &item) const;

    // The seven text actions; each rewrites the clipboard from the item given, which is what the
    // clipboard holds when it is called, and tells done whether it did: not for an item that is
    // not text by its first type or lacks the text it needs, not when the result would be empty,
    // not when the clipboard changed meanwhile, nor when the platform refused the write.
    void capitalize(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void lowercase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void uppercase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void snakecase(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void removeFormatting(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void removeMultipleWhitespace(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});
    void removeAllWhitespace(const std::shared_ptr<const PasteboardItem> &item, TextActionDone done = {});

    // Any operation above by its selector name ("isTextItem:", "run:", "pollPasteboardForChanges").
    // nullopt when no operation has that name or the argument is not of the kind it takes.
    std::optional<MessageResult> perform(std::string_view selector, const MessageArgument &argument = {});
    // Every selector that perform knows, in declaration order.
    static std::vector<std::string_view> selectors();

    // Fields that tests and the interface may read.
    std::int64_t changeCount() const { return m_changeCount; }
    const std::shared_ptr<MenuItem> &activePopupRunMenuItem() const { return m_activePopupRunItem; }
    const std::shared_ptr<const UserNotification> &notification() const { return m_notification; }
    bool hasPasteboardPollTimer() const { return m_pasteboardPollTimer != nullptr; }
    StatusItem &statusItem() { return *m_statusItem; }
    UserNotificationCenter &center() { return m_center; }

private:
    // Transforms the item's plain text and the text of its RTF and HTML, keeping their markup, in
    // the background; the result is written unless the clipboard changed meanwhile.
    void rewriteItem(const std::shared_ptr<const PasteboardItem> &item, Transformation transformation,
                     TextActionDone done);
    // Replaces the clipboard with the item, marked concealed when the source was; a concealed
    // item is cleared concealedItemLifetime after the write unless the clipboard changed meanwhile.
    bool writeItem(bool concealed, std::shared_ptr<StringPasteboardItem> item);
    void finishTextAction(bool rewritten, const TextActionDone &done);
    void postNotification(SharedText itemText);
    void reconcilePreference(std::string_view key, const std::weak_ptr<Button> &checkBox);
    void storeCheckBoxState(std::string_view key, const Button &checkBox);
    bool preferenceIsOn(std::string_view key) const;
    void presentWindow(const std::weak_ptr<Window> &window);
    void showWhetherStartingAtLogin();

    InterfaceOutlets m_outlets;
    UserNotificationCenter &m_center;
    std::shared_ptr<const UserNotification> m_notification;
    Pasteboard &m_pasteboard;
    std::int64_t m_changeCount = 0;
    std::unique_ptr<Timer> m_pasteboardPollTimer;
    std::unique_ptr<Timer> m_concealedExpiryTimer;
    std::shared_ptr<MenuItem> m_activePopupRunItem;
    bool m_textActionRunning = false;
    std::deque<std::pair<std::string, TextActionDone>> m_waitingTextActions;
    std::unique_ptr<StatusItem> m_statusItem;
    UserDefaults &m_userDefaults;
    TimerScheduler &m_timers;
    ImageLibrary &m_images;
    Application &m_application;
    BackgroundWork &m_background;
    LoginItem &m_loginItem;
    const TextTranslation &m_translation;
};

} // namespace nimbrel
