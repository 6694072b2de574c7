#include "platform/qt/interface_description.h"

#include "platform/button.h"
#include "platform/menu_item.h"
#include "platform/qt/qt_button.h"
#include "platform/qt/qt_pop_up_menu_item.h"
#include "platform/qt/qt_text_view.h"
#include "platform/text_view.h"
#include "platform/window.h"
#include "textactions/text_action.h"
#include "ui_paste_item_options_window.h"

#include <QAction>
#include <QApplication>
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
    InterfaceOutlets m_outlets = m_interface.outlets();
    std::vector<SentMessage> m_sent;
};

// The windows cost megabytes of fonts and text layout: nothing the controller does before a
// window is shown builds it, and what it did shows once it is.
TEST_F(InterfaceDescriptionTest, WindowsAreBuiltWhenFirstShownWithWhatTheControllerSet)
{
    const auto topLevels = QApplication::topLevelWidgets().size();
    m_outlets.textNotificationButton.lock()->setState(0);
    m_outlets.currentItemTextView->setString("no-break\xC2\xA0space, line\xE2\x80\xA8separator");
    m_outlets.window.lock()->setMovableByWindowBackground(true);
    m_outlets.pasteItemOptionsWindow.lock()->orderOut();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);

    m_outlets.window.lock()->orderFrontRegardless();
    m_outlets.pasteItemOptionsWindow.lock()->center();
    EXPECT_EQ(m_interface.settingsWindow().windowTitle(), QStringLiteral("Nimbrel Settings"));
    EXPECT_EQ(m_interface.pasteItemOptionsWindow().windowTitle(), QStringLiteral("Paste Item Options"));
    EXPECT_TRUE(m_interface.settingsWindow().isVisible());
    EXPECT_EQ(m_outlets.textNotificationButton.lock()->state(), 0);
    EXPECT_EQ(m_outlets.filesAndDirectoriesNotificationButton.lock()->state(), 1);
    const auto &form = m_interface.pasteItemOptionsForm();
    EXPECT_TRUE(form.currentItemTextView->isReadOnly());
    EXPECT_TRUE(form.currentItemTextView->toPlainText().startsWith(QStringLiteral("no-break")));
    // The view answers with the text as given, which the widget's own plain text is not.
    EXPECT_EQ(m_outlets.currentItemTextView->string(), "no-break\xC2\xA0space, line\xE2\x80\xA8separator");

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(m_interface.pasteItemOptionsWindow().geometry().center().x() - screen.center().x()), 1);
    m_outlets.window.lock()->orderOut();
    EXPECT_FALSE(m_interface.settingsWindow().isVisible());
}

TEST_F(InterfaceDescriptionTest, MenuAndPopUpListOfferTheirEntriesInOrder)
{
    QStringList entries;
    for (const QAction *action : m_interface.statusMenu().actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Text actions…"), QStringLiteral("Clear clipboard"),
                                    QStringLiteral("Settings…"), QStringLiteral("-"), QStringLiteral("Quit")}));

    QComboBox *popUp = m_interface.pasteItemOptionsForm().textActionPopUp;
    ASSERT_EQ(popUp->count(), static_cast<int>(textActionTitles().size()));
    for (int index = 0; index < popUp->count(); ++index)
        EXPECT_EQ(popUp->itemText(index).toStdString(), textActionTitles()[static_cast<std::size_t>(index)]);
    EXPECT_EQ(m_outlets.capitalizeMenuItem.lock(), m_interface.popUpItems().front());
    EXPECT_EQ(m_outlets.capitalizeMenuItem.lock()->title(), "Capitalize");

    m_interface.popUpItems()[2]->setEnabled(false);
    const auto *model = popUp->model();
    EXPECT_FALSE(model->flags(model->index(2, 0)).testFlag(Qt::ItemIsEnabled));
    EXPECT_TRUE(model->flags(model->index(1, 0)).testFlag(Qt::ItemIsEnabled));
}

TEST_F(InterfaceDescriptionTest, EveryControlSendsItsSelectorWithItsOutlet)
{
    for (const auto &[entry, selector] : std::vector<std::pair<QString, std::string>>{
             {QStringLiteral("Text actions…"), "textActionsMenuItem:"},
             {QStringLiteral("Clear clipboard"), "clearClipboardMenuItem:"},
             {QStringLiteral("Settings…"), "openSettings:"}}) {
        menuAction(entry)->trigger();
        ASSERT_FALSE(m_sent.empty());
        EXPECT_EQ(m_sent.back().selector, selector);
        EXPECT_EQ(std::get<std::shared_ptr<MenuItem>>(m_sent.back().argument)->title(), entry.toStdString());
    }
    EXPECT_EQ(std::get<std::shared_ptr<MenuItem>>(m_sent[1].argument), m_outlets.clearClipboardMenuItem.lock());

    m_interface.settingsWindow();
    for (const auto &[outlet, selector] : std::vector<std::pair<std::shared_ptr<Button>, std::string>>{
             {m_outlets.textNotificationButton.lock(), "textNotificationButton:"},
             {m_outlets.filesAndDirectoriesNotificationButton.lock(), "filesAndDirectoriesNotificationButton:"}}) {
        QTest::mouseClick(dynamic_cast<QtButton &>(*outlet).button(), Qt::LeftButton);
        EXPECT_EQ(m_sent.back().selector, selector);
        EXPECT_EQ(std::get<std::shared_ptr<Button>>(m_sent.back().argument), outlet);
        EXPECT_EQ(outlet->state(), 0);
    }

    QComboBox *popUp = m_interface.pasteItemOptionsForm().textActionPopUp;
    emit popUp->activated(3);
    EXPECT_EQ(m_sent.back().selector, "activePopupRunItem:");
    EXPECT_EQ(std::get<std::shared_ptr<MenuItem>>(m_sent.back().argument)->title(), "Snakecase");

    // The controller setting a check box is no click: it sends nothing.
    const auto sent = m_sent.size();
    m_outlets.textNotificationButton.lock()->setState(1);
    EXPECT_EQ(m_sent.size(), sent);
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
    for (const auto &message : m_sent)
        EXPECT_EQ(message.selector, "run:");
}

TEST_F(InterfaceDescriptionTest, TextViewShowsAndAnswersWithOnlyTheStartOfAHugeText)
{
    m_outlets.currentItemTextView->setString(std::string(50'000'000, 'y'));
    EXPECT_EQ(m_outlets.currentItemTextView->string(), std::string(QtTextView::displayedMaximumLength - 1, 'y') + "\u2026");
    const QString shown = m_interface.pasteItemOptionsForm().currentItemTextView->toPlainText();
    EXPECT_EQ(static_cast<std::size_t>(shown.size()), QtTextView::displayedMaximumLength);
}

TEST_F(InterfaceDescriptionTest, AdaptersOutliveTheInterfaceQuietly)
{
    std::shared_ptr<Window> window;
    std::shared_ptr<TextView> textView;
    {
        InterfaceDescription interface;
        window = interface.outlets().window.lock();
        textView = interface.outlets().currentItemTextView;
    }
    window->center();
    window->orderFrontRegardless();
    window->setMovableByWindowBackground(true);
    window->orderOut();
    textView->setString("kept");
    EXPECT_EQ(textView->string(), "kept");
}

} // namespace
} // namespace nimbrel
