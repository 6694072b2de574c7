#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace nimbrel {

class AppDelegate;
class MenuItem;

// The scripting interface org.nimbrel.Nimbrel at /org/nimbrel/Nimbrel, so hotkey daemons and
// scripts can reach the text actions and the windows. Every method goes through the controller.
class BusService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.nimbrel.Nimbrel")
public:
    static constexpr const char *serviceName = "org.nimbrel.Nimbrel";
    static constexpr const char *objectPath = "/org/nimbrel/Nimbrel";

    BusService(AppDelegate &delegate, std::shared_ptr<MenuItem> clearClipboardMenuItem, QObject *parent = nullptr);

public slots: // Named as the bus methods are, which the bus takes from the slot names.
    // Runs the text action with exactly this title on the clipboard; false when none has it or
    // the clipboard is empty.
    Q_SCRIPTABLE bool RunTextAction(const QString &title);
    Q_SCRIPTABLE void ClearClipboard();
    Q_SCRIPTABLE void ShowSettings();
    Q_SCRIPTABLE void ShowPasteItemOptions();
    // The text actions' titles in the pop-up list's order.
    Q_SCRIPTABLE QStringList TextActionTitles() const;

private:
    AppDelegate &m_delegate;
    std::shared_ptr<MenuItem> m_clearClipboardMenuItem;
};

} // namespace nimbrel
