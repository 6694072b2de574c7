#include "desktop/interface_description.h"

#include "platform/qt/qt_button.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_menu_item.h"
#include "platform/qt/qt_pop_up_menu_item.h"
#include "platform/qt/qt_text_view.h"
#include "platform/qt/qt_window.h"
#include "ui_paste_item_options_window.h"
#include "textactions/text_action.h"
#include "ui_settings_window.h"

#include <QCoreApplication>
#include <QShortcut>

namespace nimbrel {

namespace {

// Escape closes a window, as it closes a dialog; the program keeps running.
void closeOnEscape(QWidget *window)
{
    QObject::connect(new QShortcut(QKeySequence::Cancel, window), &QShortcut::activated, window, &QWidget::close);
}

} // namespace

InterfaceDescription::InterfaceDescription()
{
    buildStatusMenu();
    m_window = std::make_shared<QtWindow>([this] { return &settingsWindow(); });
    m_pasteItemOptionsWindowOutlet = std::make_shared<QtWindow>([this] { return &pasteItemOptionsWindow(); });
    m_menuOutlet = std::make_shared<QtMenu>(m_menu.get());
    // Both announcements, and keeping the clipboard, are on until the user says otherwise.
    m_textNotificationButton = std::make_shared<QtButton>(1);
    m_filesAndDirectoriesNotificationButton = std::make_shared<QtButton>(1);
    m_keepClipboardButton = std::make_shared<QtButton>(1);
    // Off until showing the window sets it from what is on disk.
    m_startAtLoginButton = std::make_shared<QtButton>();
    m_runButton = std::make_shared<QtButton>();
    m_currentItemTextView = std::make_shared<QtTextView>();
    // The list shows the titles translated; the controller runs an action by its English title.
    for (const std::string_view title : textActionTitles()) {
        const std::string english(title);
        m_popUpItems.push_back(std::make_shared<QtPopUpMenuItem>(
            english, QCoreApplication::translate("TextAction", english.c_str())));
    }
    connectMenuActions();
}

// The adapters may outlive the description (the controller holds some); they must not build a window
// of a description that is gone.
InterfaceDescription::~InterfaceDescription()
{
    m_window->stopBuilding();
    m_pasteItemOptionsWindowOutlet->stopBuilding();
}

QWidget &InterfaceDescription::settingsWindow()
{
    if (m_settingsWindow)
        return *m_settingsWindow;
    m_settingsWindow = std::make_unique<QWidget>();
    m_settingsForm = std::make_unique<Ui::SettingsWindow>();
    m_settingsForm->setupUi(m_settingsWindow.get());
    closeOnEscape(m_settingsWindow.get());
    m_textNotificationButton->attach(m_settingsForm->textNotificationButton);
    m_filesAndDirectoriesNotificationButton->attach(m_settingsForm->filesAndDirectoriesNotificationButton);
    m_keepClipboardButton->attach(m_settingsForm->keepClipboardButton);
    m_startAtLoginButton->attach(m_settingsForm->startAtLoginButton);
    connectSettingsActions();
    return *m_settingsWindow;
}

QWidget &InterfaceDescription::pasteItemOptionsWindow()
{
    if (m_pasteItemOptionsWindow)
        return *m_pasteItemOptionsWindow;
    m_pasteItemOptionsWindow = std::make_unique<QWidget>();
    m_pasteItemOptionsForm = std::make_unique<Ui::PasteItemOptionsWindow>();
    m_pasteItemOptionsForm->setupUi(m_pasteItemOptionsWindow.get());
    closeOnEscape(m_pasteItemOptionsWindow.get());
    // The same key in every language; the form would set it before the button's translated text,
    // which replaces a button's shortcut with its mnemonic.
    m_pasteItemOptionsForm->runButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    m_runButton->attach(m_pasteItemOptionsForm->runButton);
    m_currentItemTextView->attach(m_pasteItemOptionsForm->currentItemTextView);
    for (const auto &entry : m_popUpItems)
        entry->attach(m_pasteItemOptionsForm->textActionPopUp);
    connectPasteItemOptionsActions();
    return *m_pasteItemOptionsWindow;
}

const Ui::PasteItemOptionsWindow &InterfaceDescription::pasteItemOptionsForm()
{
    pasteItemOptionsWindow();
    return *m_pasteItemOptionsForm;
}

void InterfaceDescription::buildStatusMenu()
{
    const auto addEntry = [this](const char *title) {
        return std::make_shared<QtMenuItem>(m_menu->addAction(QCoreApplication::translate("StatusMenu", title)));
    };
    m_textActionsItem = addEntry(QT_TRANSLATE_NOOP("StatusMenu", "Text actions…"));
    m_clearClipboardItem = addEntry(QT_TRANSLATE_NOOP("StatusMenu", "Clear clipboard"));
    m_settingsItem = addEntry(QT_TRANSLATE_NOOP("StatusMenu", "Settings…"));
    m_menu->addSeparator();
    m_quitItem = addEntry(QT_TRANSLATE_NOOP("StatusMenu", "Quit"));
}

InterfaceOutlets InterfaceDescription::outlets() const
{
    InterfaceOutlets outlets;
    outlets.window = m_window;
    outlets.textActionsMenuItem = m_textActionsItem;
    outlets.pasteItemOptionsWindow = m_pasteItemOptionsWindowOutlet;
    outlets.menu = m_menuOutlet;
    outlets.clearClipboardMenuItem = m_clearClipboardItem;
    outlets.textNotificationButton = m_textNotificationButton;
    outlets.filesAndDirectoriesNotificationButton = m_filesAndDirectoriesNotificationButton;
    outlets.keepClipboardButton = m_keepClipboardButton;
    outlets.startAtLoginButton = m_startAtLoginButton;
    if (!m_popUpItems.empty())
        outlets.capitalizeMenuItem = m_popUpItems.front();
    outlets.currentItemTextView = m_currentItemTextView;
    return outlets;
}

void InterfaceDescription::connectMenuActions()
{
    const auto sendOnTrigger = [this](const std::shared_ptr<QtMenuItem> &item, std::string_view selector) {
        QObject::connect(item->action(), &QAction::triggered, m_menu.get(),
                         [this, item, selector] { send(selector, std::shared_ptr<MenuItem>(item)); });
    };
    sendOnTrigger(m_textActionsItem, "textActionsMenuItem:");
    sendOnTrigger(m_clearClipboardItem, "clearClipboardMenuItem:");
    sendOnTrigger(m_settingsItem, "openSettings:");
    QObject::connect(m_quitItem->action(), &QAction::triggered, m_menu.get(), [] { QCoreApplication::quit(); });
}

void InterfaceDescription::connectSettingsActions()
{
    // clicked, not toggled: only the user's clicks are actions, the controller's setState is not.
    const auto sendOnClick = [this](const std::shared_ptr<QtButton> &button, std::string_view selector) {
        QObject::connect(button->button(), &QAbstractButton::clicked, button->button(),
                         [this, button, selector] { send(selector, std::shared_ptr<Button>(button)); });
    };
    sendOnClick(m_textNotificationButton, "textNotificationButton:");
    sendOnClick(m_filesAndDirectoriesNotificationButton, "filesAndDirectoriesNotificationButton:");
    sendOnClick(m_keepClipboardButton, "keepClipboardButton:");
    sendOnClick(m_startAtLoginButton, "startAtLoginButton:");
}

void InterfaceDescription::connectPasteItemOptionsActions()
{
    QObject::connect(m_runButton->button(), &QAbstractButton::clicked, m_runButton->button(), [this] {
        auto sendRun = [this] { send("run:", std::shared_ptr<Button>(m_runButton)); };
        if (m_runGate)
            m_runGate(std::move(sendRun));
        else
            sendRun();
    });
    QComboBox *popUp = m_pasteItemOptionsForm->textActionPopUp;
    QObject::connect(popUp, &QComboBox::activated, popUp, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < m_popUpItems.size())
            send("activePopupRunItem:", std::shared_ptr<MenuItem>(m_popUpItems[static_cast<std::size_t>(index)]));
    });
}

void InterfaceDescription::send(std::string_view selector, const MessageArgument &argument) const
{
    if (m_send)
        m_send(selector, argument);
}

} // namespace nimbrel
