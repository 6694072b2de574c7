#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>

#include "app/message.h"

#include <functional>
#include <memory>
#include <string_view>

namespace nimbrel {

class AppDelegate;
class MenuItem;
class QtPasteboard;

// The scripting interface org.nimbrel.Nimbrel at /org/nimbrel/Nimbrel, so hotkey daemons and
// scripts can reach the text actions and the windows. Every method goes through the controller.
class BusService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.nimbrel.Nimbrel")
public:
    static constexpr const char *serviceName = "org.nimbrel.Nimbrel";
    static constexpr const char *objectPath = "/org/nimbrel/Nimbrel";

    BusService(AppDelegate &delegate, QtPasteboard &pasteboard, std::shared_ptr<MenuItem> clearClipboardMenuItem,
               QObject *parent = nullptr);

public slots: // Named as the bus methods are, which the bus takes from the slot names.
    // Runs the text action with exactly this title on the clipboard, once what was copied last has
    // been read (a hotkey often comes right after a copy); true only when it rewrote the clipboard.
    Q_SCRIPTABLE bool RunTextAction(const QString &title);
    // Empties the clipboard; an error while the clipboard cannot be reached.
    Q_SCRIPTABLE void ClearClipboard();
    Q_SCRIPTABLE void ShowSettings();
    // Opens the paste item options window once what was copied last has been read; true only
    // when it opened, which it does while the clipboard holds text.
    Q_SCRIPTABLE bool ShowPasteItemOptions();
    // The text actions' titles in the pop-up list's order.
    Q_SCRIPTABLE QStringList TextActionTitles() const;

private:
    // Answers a call from the bus with the answer of the operation, run once the pasteboard is current.
    bool answerWhenCurrent(std::function<bool()> operation);
    bool answerOf(std::string_view selector, const MessageArgument &argument = {});

    AppDelegate &m_delegate;
    QtPasteboard &m_pasteboard;
    std::shared_ptr<MenuItem> m_clearClipboardMenuItem;
};

} // namespace nimbrel
