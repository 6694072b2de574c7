#include "platform/qt/interface_description.h"

#include "platform/button.h"
#include "platform/menu_item.h"
#include "platform/qt/qt_button.h"
#include "platform/qt/qt_menu_item.h"
#include "platform/qt/qt_pop_up_menu_item.h"
#include "platform/qt/qt_text_view.h"
#include "platform/text_view.h"
#include "platform/window.h"
#include "textactions/text_action.h"
#include "ui_paste_item_options_window.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nimbrel {
namespace {

struct SentMessage {
    std::string selector;
    MessageArgument argument;
};

class InterfaceDescriptionTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_interface.setMessageSender([this](std::string_view selector, const MessageArgument &argument) {
            m_sent.push_back({std::string(selector), argument});
        });
    }

    QAction *menuAction(const QString &text) const
    {
        for (QAction *action : m_interface.statusMenu().actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    InterfaceDescription m_interface;
    std::vector<SentMessage> m_sent;
};

const std::vector<std::string> popUpTitles = {
    "Capitalize", "Lowercase", "Uppercase", "Snakecase",
    "Remove rich text formatting", "Remove multiple whitespace", "Remove all whitespace",
};

TEST_F(InterfaceDescriptionTest, PopUpListOffersTheSevenActionsInOrder)
{
    std::vector<std::string> shown;
    for (const auto &item : m_interface.popUpItems())
        shown.push_back(item->title());
    EXPECT_EQ(shown, popUpTitles);

    // The controller finds actions by these titles, so the list must match its own.
    std::vector<std::string> controllerTitles;
    for (const std::string_view title : textActionTitles())
        controllerTitles.emplace_back(title);
    EXPECT_EQ(shown, controllerTitles);
}

TEST_F(InterfaceDescriptionTest, WindowsCheckBoxesAndMenuAreAsDescribed)
{
    EXPECT_EQ(m_interface.settingsWindow().windowTitle(), QStringLiteral("Nimbrel Settings"));
    EXPECT_EQ(m_interface.pasteItemOptionsWindow().windowTitle(), QStringLiteral("Paste Item Options"));
    EXPECT_FALSE(m_interface.settingsWindow().isVisible());
    EXPECT_FALSE(m_interface.pasteItemOptionsWindow().isVisible());

    const InterfaceOutlets outlets = m_interface.outlets();
    EXPECT_EQ(outlets.textNotificationButton.lock()->state(), 1);
    EXPECT_EQ(outlets.filesAndDirectoriesNotificationButton.lock()->state(), 1);
    EXPECT_TRUE(m_interface.pasteItemOptionsForm().currentItemTextView->isReadOnly());

    QStringList entries;
    for (const QAction *action : m_interface.statusMenu().actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Text actions…"), QStringLiteral("Clear clipboard"),
                                    QStringLiteral("Settings…"), QStringLiteral("-"), QStringLiteral("Quit")}));
}

TEST_F(InterfaceDescriptionTest, EveryOutletIsConnected)
{
    const InterfaceOutlets outlets = m_interface.outlets();
    EXPECT_NE(outlets.window.lock(), nullptr);
    EXPECT_NE(outlets.textActionsMenuItem.lock(), nullptr);
    EXPECT_NE(outlets.pasteItemOptionsWindow.lock(), nullptr);
    EXPECT_NE(outlets.menu.lock(), nullptr);
    EXPECT_NE(outlets.clearClipboardMenuItem.lock(), nullptr);
    EXPECT_NE(outlets.textNotificationButton.lock(), nullptr);
    EXPECT_NE(outlets.filesAndDirectoriesNotificationButton.lock(), nullptr);
    EXPECT_NE(outlets.currentItemTextView, nullptr);
    EXPECT_NE(outlets.window.lock(), outlets.pasteItemOptionsWindow.lock());
    EXPECT_NE(outlets.textNotificationButton.lock(), outlets.filesAndDirectoriesNotificationButton.lock());
    ASSERT_NE(outlets.capitalizeMenuItem.lock(), nullptr);
    EXPECT_EQ(outlets.capitalizeMenuItem.lock()->title(), "Capitalize");
    EXPECT_EQ(outlets.textActionsMenuItem.lock()->title(), "Text actions…");
    EXPECT_EQ(outlets.clearClipboardMenuItem.lock()->title(), "Clear clipboard");
}

TEST_F(InterfaceDescriptionTest, MenuEntriesSendTheirSelectorWithThemselves)
{
    const InterfaceOutlets outlets = m_interface.outlets();
    const struct {
        QString entry;
        std::string selector;
        std::shared_ptr<MenuItem> outlet;
    } rows[] = {
        {QStringLiteral("Text actions…"), "textActionsMenuItem:", outlets.textActionsMenuItem.lock()},
        {QStringLiteral("Clear clipboard"), "clearClipboardMenuItem:", outlets.clearClipboardMenuItem.lock()},
        {QStringLiteral("Settings…"), "openSettings:", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.selector);
        m_sent.clear();
        QAction *action = menuAction(row.entry);
        ASSERT_NE(action, nullptr);
        action->trigger();
        ASSERT_EQ(m_sent.size(), 1u);
        EXPECT_EQ(m_sent[0].selector, row.selector);
        const auto *sender = std::get_if<std::shared_ptr<MenuItem>>(&m_sent[0].argument);
        ASSERT_NE(sender, nullptr);
        EXPECT_EQ((*sender)->title(), row.entry.toStdString());
        if (row.outlet != nullptr) {
            EXPECT_EQ(*sender, row.outlet);
        }
    }
    EXPECT_EQ(std::shared_ptr<MenuItem>(m_interface.clearClipboardMenuItem()), outlets.clearClipboardMenuItem.lock());
}

TEST_F(InterfaceDescriptionTest, CheckBoxClicksSendTheirSelectorWithTheOutlet)
{
    const InterfaceOutlets outlets = m_interface.outlets();
    const struct {
        std::shared_ptr<Button> outlet;
        std::string selector;
    } rows[] = {
        {outlets.textNotificationButton.lock(), "textNotificationButton:"},
        {outlets.filesAndDirectoriesNotificationButton.lock(), "filesAndDirectoriesNotificationButton:"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.selector);
        m_sent.clear();
        auto *checkBox = dynamic_cast<QtButton &>(*row.outlet).button();
        QTest::mouseClick(checkBox, Qt::LeftButton);
        ASSERT_EQ(m_sent.size(), 1u);
        EXPECT_EQ(m_sent[0].selector, row.selector);
        EXPECT_EQ(std::get<std::shared_ptr<Button>>(m_sent[0].argument), row.outlet);
        EXPECT_EQ(row.outlet->state(), 0);
    }
}

TEST_F(InterfaceDescriptionTest, SettingStateFromTheControllerSendsNothing)
{
    const auto checkBox = m_interface.outlets().textNotificationButton.lock();
    checkBox->setState(0);
    EXPECT_EQ(checkBox->state(), 0);
    checkBox->setState(1);
    EXPECT_EQ(checkBox->state(), 1);
    EXPECT_TRUE(m_sent.empty());
}

TEST_F(InterfaceDescriptionTest, PickingAPopUpEntrySendsThatEntry)
{
    QComboBox *popUp = m_interface.pasteItemOptionsForm().textActionPopUp;
    for (int index : {3, 0, 6}) {
        SCOPED_TRACE(index);
        m_sent.clear();
        popUp->setCurrentIndex(index);
        emit popUp->activated(index);
        ASSERT_EQ(m_sent.size(), 1u);
        EXPECT_EQ(m_sent[0].selector, "activePopupRunItem:");
        const auto sender = std::get<std::shared_ptr<MenuItem>>(m_sent[0].argument);
        EXPECT_EQ(sender, std::shared_ptr<MenuItem>(m_interface.popUpItems()[static_cast<std::size_t>(index)]));
        EXPECT_EQ(sender->title(), popUpTitles[static_cast<std::size_t>(index)]);
    }
}

TEST_F(InterfaceDescriptionTest, RunButtonAndControlReturnSendRun)
{
    QWidget &window = m_interface.pasteItemOptionsWindow();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(m_interface.pasteItemOptionsForm().runButton, Qt::LeftButton);
    // From the read-only text view, where the focus usually is.
    m_interface.pasteItemOptionsForm().currentItemTextView->setFocus();
    QTest::keyClick(m_interface.pasteItemOptionsForm().currentItemTextView, Qt::Key_Return, Qt::ControlModifier);
    // A button's shortcut animates the press and clicks once the animation ends.
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_sent.size() >= 2; }, 5000));
    window.hide();

    ASSERT_EQ(m_sent.size(), 2u);
    for (const auto &message : m_sent) {
        EXPECT_EQ(message.selector, "run:");
        EXPECT_TRUE(std::holds_alternative<std::shared_ptr<Button>>(message.argument));
    }
}

TEST_F(InterfaceDescriptionTest, AdaptersOutliveTheirWidgetsQuietly)
{
    std::shared_ptr<Window> window;
    std::shared_ptr<MenuItem> item;
    std::shared_ptr<TextView> textView;
    {
        InterfaceDescription interface;
        window = interface.outlets().window.lock();
        item = interface.outlets().capitalizeMenuItem.lock();
        textView = interface.outlets().currentItemTextView;
        textView->setString("kept");
    }
    window->center();
    window->orderFrontRegardless();
    window->setMovableByWindowBackground(true);
    window->orderOut();
    item->setEnabled(false);
    EXPECT_EQ(item->title(), "");
    textView->setString("gone");
    EXPECT_EQ(textView->string(), "");
}

TEST_F(InterfaceDescriptionTest, TextViewAnswersWithExactlyTheTextShown)
{
    const auto textView = m_interface.outlets().currentItemTextView;
    const std::string text = "no-break\xC2\xA0space, line\xE2\x80\xA8separator\r\nand CRLF";
    textView->setString(text);
    EXPECT_EQ(textView->string(), text);
    EXPECT_TRUE(m_interface.pasteItemOptionsForm().currentItemTextView->toPlainText().startsWith(QStringLiteral("no-break")));
}

TEST_F(InterfaceDescriptionTest, TextViewShowsAndAnswersWithOnlyTheStartOfAHugeText)
{
    const auto textView = m_interface.outlets().currentItemTextView;
    const std::string huge(50'000'000, 'y');
    textView->setString(huge);
    EXPECT_EQ(textView->string(), std::string(QtTextView::displayedMaximumLength - 1, 'y') + "\u2026");
    const QString shown = m_interface.pasteItemOptionsForm().currentItemTextView->toPlainText();
    EXPECT_EQ(static_cast<std::size_t>(shown.size()), QtTextView::displayedMaximumLength);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("yy…")));
}

TEST_F(InterfaceDescriptionTest, DisabledPopUpEntryCannotBeChosen)
{
    const auto &items = m_interface.popUpItems();
    items[2]->setEnabled(false);
    const auto *model = m_interface.pasteItemOptionsForm().textActionPopUp->model();
    EXPECT_FALSE(model->flags(model->index(2, 0)).testFlag(Qt::ItemIsEnabled));
    EXPECT_TRUE(model->flags(model->index(1, 0)).testFlag(Qt::ItemIsEnabled));
    items[2]->setEnabled(true);
    EXPECT_TRUE(model->flags(model->index(2, 0)).testFlag(Qt::ItemIsEnabled));
}

TEST_F(InterfaceDescriptionTest, WindowsAreCentredOnTheScreenAndShownAndHidden)
{
    const auto window = m_interface.outlets().pasteItemOptionsWindow.lock();
    window->center();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = m_interface.pasteItemOptionsWindow().geometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);

    window->orderFrontRegardless();
    EXPECT_TRUE(m_interface.pasteItemOptionsWindow().isVisible());
    window->orderOut();
    EXPECT_FALSE(m_interface.pasteItemOptionsWindow().isVisible());
}

} // namespace
} // namespace nimbrel
