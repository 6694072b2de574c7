#pragma once

#include "desktop/bus_connection.h"

#include <QObject>

#include <cstddef>
#include <memory>
#include <string>

namespace nimbrel {

class AppDelegate;
class KeeperAwareClearing;
class QtPasteboard;

// The scripting interface org.nimbrel.Nimbrel at /org/nimbrel/Nimbrel, so hotkey daemons and
// scripts can reach the text actions and the windows. Calls arrive on the bus connection's own
// thread, where malformed ones and titles longer than any action's are refused at once, before
// they cost the main thread anything; the rest go through the controller on the main thread.
class BusService final : public QObject {
    Q_OBJECT
public:
    static constexpr const char *serviceName = "org.nimbrel.Nimbrel";
    static constexpr const char *objectPath = "/org/nimbrel/Nimbrel";
    // ClearClipboard's error when another program put contents back on the emptied clipboard.
    static constexpr const char *contentsPutBackError = "org.nimbrel.Nimbrel.Error.ContentsPutBack";
    // No text action's title is longer, in bytes.
    static constexpr std::size_t longestTitle = 64;

    // Serves on the connection, which it keeps, once serve() is called.
    BusService(std::unique_ptr<BusConnection> connection, AppDelegate &delegate, QtPasteboard &pasteboard,
               KeeperAwareClearing &clearing, QObject *parent = nullptr);
    ~BusService() override;

    // Starts answering calls: RunTextAction(s) -> b runs the action with exactly this title once
    // what was copied last has been read (a hotkey often comes right after a copy), answered once
    // the action is done (other calls are answered meanwhile), true only when it rewrote the
    // clipboard, and not while the clipboard cannot be reached; ClearClipboard(), answered once
    // the clipboard is seen to stay empty, an error while it cannot be reached or when another
    // program put contents back (contentsPutBackError, naming it where known); ShowSettings(); ShowPasteItemOptions() -> b,
    // once what was copied last has been read, true only when the window opened, which it does
    // while the clipboard holds text; and TextActionTitles() -> as in the pop-up list's order.
    // False when the bus refused the object.
    bool serve();

private:
    // On the connection's thread.
    void receive(const BusMessage &call);
    // On the main thread.
    void perform(const BusMessage &call, const std::string &member, const std::string &title);
    void answer(const BusMessage &call, BusMessage reply);

    AppDelegate &m_delegate;
    QtPasteboard &m_pasteboard;
    KeeperAwareClearing &m_clearing;
    // Last, so that it stops calling receive() first.
    std::unique_ptr<BusConnection> m_connection;
};

} // namespace nimbrel
