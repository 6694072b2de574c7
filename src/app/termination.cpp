// The end of the program, by the Quit entry or a termination signal alike: nothing it started
// stays behind, and nothing it wrote is lost that may outlive it. A secret may not: the password
// manager that put it on the clipboard meant it to go, so it goes with the program.
#include "app/app_delegate.h"

#include "platform/background_work.h"
#include "platform/pasteboard.h"
#include "platform/timer.h"

namespace nimbrel {

void AppDelegate::applicationWillTerminate()
{
    // A text action under way ends unwritten: the clipboard stays as it was before it.
    m_background.stopAll();
    m_waitingTextActions.clear();
    m_textActionRunning = false;
    m_pasteboardPollTimer.reset();
    m_concealedExpiryTimer.reset();
    if (m_notification) {
        m_center.removeDeliveredNotification(m_notification);
        m_notification.reset();
    }
    const auto item = getFirstItem();
    if (item && !itemIsConcealed(*item))
        m_pasteboard.handOverContents();
}

} // namespace nimbrel
