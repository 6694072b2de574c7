#include "desktop/keeper_aware_clearing.h"

#include "desktop/clipboard_owner_name.h"
#include "platform/qt/qt_pasteboard.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTimer>

#include <chrono>

namespace nimbrel {

namespace {

// Klipper answers at once; one that hangs must not hold the clearing up for long.
constexpr int keeperPatienceMs = 1000;
// Keepers put contents back as soon as they hear of the empty clipboard: well within this.
constexpr std::chrono::milliseconds putBackWindow{500};

} // namespace

KeeperAwareClearing::KeeperAwareClearing(QDBusConnection bus, QtPasteboard &pasteboard, std::function<void()> clear)
    : m_bus(std::move(bus))
    , m_pasteboard(pasteboard)
    , m_clear(std::move(clear))
{
}

void KeeperAwareClearing::clear(Done done)
{
    if (!m_bus.isConnected()) {
        clearAndWatch(done);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
                                                       QStringLiteral("org.kde.klipper.klipper"),
                                                       QStringLiteral("clearClipboardContents"));
    call.setAutoStartService(false);
    // Where Klipper does not run the bus says so at once; either way the clipboard is cleared next.
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, keeperPatienceMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, done = std::move(done)](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        clearAndWatch(done);
    });
}

void KeeperAwareClearing::clearAndWatch(const Done &done)
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

} // namespace nimbrel
