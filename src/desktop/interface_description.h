#pragma once

#include "app/interface_outlets.h"
#include "app/message.h"

#include <QMenu>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace Ui {
class PasteItemOptionsWindow;
class SettingsWindow;
} // namespace Ui

namespace nimbrel {

class QtButton;
class QtMenu;
class QtMenuItem;
class QtPopUpMenuItem;
class QtTextView;
class QtWindow;

// The program's interface: the two windows from their Designer files and the status menu. It owns
// the widgets and the adapters the controller sees as outlets, and turns every user action into a
// message by selector name with the adapter that sent it. The windows are built the first time
// they are shown: laying out their texts loads the font machinery, megabytes that a tray program
// which is never opened need not hold.
class InterfaceDescription final {
public:
    using MessageSender = std::function<void(std::string_view selector, const MessageArgument &argument)>;
    // Takes the Run button's message and sends it when the time has come.
    using RunGate = std::function<void(std::function<void()> sendRun)>;

    InterfaceDescription();
    ~InterfaceDescription();
    InterfaceDescription(const InterfaceDescription &) = delete;
    InterfaceDescription &operator=(const InterfaceDescription &) = delete;

    InterfaceOutlets outlets() const;
    // Actions before this call go nowhere.
    void setMessageSender(MessageSender send) { m_send = std::move(send); }
    // Without a gate, Run's message is sent at once.
    void setRunGate(RunGate gate) { m_runGate = std::move(gate); }

    // Each builds its window if it is not built yet.
    QWidget &settingsWindow();
    QWidget &pasteItemOptionsWindow();
    QMenu &statusMenu() const { return *m_menu; }
    const Ui::PasteItemOptionsWindow &pasteItemOptionsForm();
    const std::shared_ptr<QtMenuItem> &clearClipboardMenuItem() const { return m_clearClipboardItem; }
    // The pop-up list's entries in list order.
    const std::vector<std::shared_ptr<QtPopUpMenuItem>> &popUpItems() const { return m_popUpItems; }

private:
    void buildStatusMenu();
    void connectMenuActions();
    void connectSettingsActions();
    void connectPasteItemOptionsActions();
    void send(std::string_view selector, const MessageArgument &argument) const;

    std::unique_ptr<QWidget> m_settingsWindow;
    std::unique_ptr<Ui::SettingsWindow> m_settingsForm;
    std::unique_ptr<QWidget> m_pasteItemOptionsWindow;
    std::unique_ptr<Ui::PasteItemOptionsWindow> m_pasteItemOptionsForm;
    std::unique_ptr<QMenu> m_menu = std::make_unique<QMenu>();

    std::shared_ptr<QtWindow> m_window;
    std::shared_ptr<QtWindow> m_pasteItemOptionsWindowOutlet;
    std::shared_ptr<QtMenu> m_menuOutlet;
    std::shared_ptr<QtMenuItem> m_textActionsItem;
    std::shared_ptr<QtMenuItem> m_clearClipboardItem;
    std::shared_ptr<QtMenuItem> m_settingsItem;
    std::shared_ptr<QtMenuItem> m_quitItem;
    std::shared_ptr<QtButton> m_textNotificationButton;
    std::shared_ptr<QtButton> m_filesAndDirectoriesNotificationButton;
    std::shared_ptr<QtButton> m_keepClipboardButton;
    std::shared_ptr<QtButton> m_startAtLoginButton;
    std::shared_ptr<QtButton> m_runButton;
    std::vector<std::shared_ptr<QtPopUpMenuItem>> m_popUpItems;
    std::shared_ptr<QtTextView> m_currentItemTextView;
    MessageSender m_send;
    RunGate m_runGate;
};

} // namespace nimbrel
