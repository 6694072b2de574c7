#include "desktop/keeper_aware_clearing.h"

#include "desktop/clipboard_owner_name.h"
#include "platform/qt/qt_pasteboard.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>

namespace nimbrel {

namespace {

// Keepers put contents back as soon as they hear of the empty clipboard: well within this.
constexpr std::chrono::milliseconds putBackWindow{500};

} // namespace

KeeperAwareClearing::KeeperAwareClearing(QtPasteboard &pasteboard, std::function<void()> clear)
    : m_pasteboard(pasteboard)
    , m_clear(std::move(clear))
{
}

void KeeperAwareClearing::clear(const Done &done)
{
    m_clear();
    const std::int64_t cleared = m_pasteboard.changeCount();
    QTimer::singleShot(putBackWindow, this, [this, done, cleared] {
        m_pasteboard.whenCurrent([this, done, cleared] {
            if (m_pasteboard.changeCount() == cleared || m_pasteboard.pasteboardItems().empty()) {
                done(std::nullopt);
                return;
            }
            done(clipboardOwnerName().value_or(QString()));
        });
    });
}

QString contentsPutBackMessage(const QString &putBackBy)
{
    if (putBackBy.isEmpty())
        return QCoreApplication::translate("KeeperAwareClearing", "another program put the clipboard's contents back");
    //: %1 is the name of the program, as in "(xfce4-clipman)"
    return QCoreApplication::translate("KeeperAwareClearing", "another program (%1) put the clipboard's contents back")
        .arg(putBackBy);
}

} // namespace nimbrel
