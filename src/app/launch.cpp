#include "app/app_delegate.h"

#include "platform/button.h"
#include "platform/image.h"
#include "platform/menu_item.h"
#include "platform/pasteboard.h"
#include "platform/pasteboard_types.h"
#include "platform/status_item.h"
#include "platform/text_view.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "ui/preferences.h"

namespace nimbrel {
namespace {

constexpr std::chrono::milliseconds pollInterval{20};

} // namespace

void AppDelegate::applicationDidFinishLaunching()
{
    // What is on the clipboard now counts as seen: the first tick announces nothing.
    m_changeCount = m_pasteboard.changeCount();

    auto statusIcon = m_images.imageNamed("statusIcon");
    if (statusIcon)
        statusIcon->setTemplate(true);
    if (auto *button = m_statusItem->button())
        button->setImage(std::move(statusIcon));
    m_statusItem->setMenu(m_outlets.menu.lock().get());

    m_center.setDelegate(this);

    if (const auto window = m_outlets.window.lock())
        window->setMovableByWindowBackground(true);
    // Clearing an empty clipboard would do nothing: the entry follows what the clipboard holds.
    if (const auto clearItem = m_outlets.clearClipboardMenuItem.lock())
        clearItem->setEnabled(hasItems());

    reconcilePreference(notifyTextKey, m_outlets.textNotificationButton);
    reconcilePreference(notifyFilesAndDirectoriesKey, m_outlets.filesAndDirectoriesNotificationButton);
    reconcilePreference(keepClipboardKey, m_outlets.keepClipboardButton);

    if (auto capitalizeItem = m_outlets.capitalizeMenuItem.lock())
        setActivePopupRunMenuItem(std::move(capitalizeItem));

    setTextActionsMenuItemEnabledState();

    if (hasItems()) {
        const auto item = getFirstItem();
        // A concealed item's text never reaches the view.
        if (item && !itemIsConcealed(*item)) {
            if (const auto text = item->stringForType(PasteboardTypeString))
                setCurrentTextItemViewValue(*text);
        }
    }

    m_pasteboardPollTimer = m_timers.scheduledRepeatingTimer(pollInterval, [this] { pollPasteboardForChanges(); });
}

} // namespace nimbrel
