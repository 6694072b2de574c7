#include "desktop/interface_description.h"

#include "platform/qt/qt_button.h"
#include "platform/qt/qt_pop_up_menu_item.h"
#include "platform/qt/qt_text_translation.h"
#include "platform/qt/qt_text_view.h"
#include "platform/window.h"
#include "textactions/text_action.h"
#include "ui_paste_item_options_window.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace nimbrel {
namespace {

class InterfaceDescriptionTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_interface.setMessageSender([this](std::string_view selector, const MessageArgument &argument) {
            m_sent.emplace_back(selector, argument);
        });
    }
    std::string sentTitle() const { return std::get<std::shared_ptr<MenuItem>>(m_sent.back().second)->title(); }

    // Counted before the description is made, which makes the status menu at once.
    const qsizetype m_topLevelsBefore = QApplication::topLevelWidgets().size();
    InterfaceDescription m_interface;
    InterfaceOutlets m_outlets = m_interface.outlets();
    std::vector<std::pair<std::string, MessageArgument>> m_sent; // selector and argument
};

// The windows cost megabytes of fonts and text layout: nothing the controller does before a
// window is shown builds it, and what it did shows once it is. The text view keeps and shows only
// the start of a huge text, as it was given: the widget's own plain text turns no-break spaces and
// line separators into ASCII.
TEST_F(InterfaceDescriptionTest, WindowsAreBuiltWhenFirstShownWithWhatTheControllerSet)
{
    const std::string start = "no-break\u00A0space, line\u2028separator";
    m_outlets.textNotificationButton.lock()->setState(0);
    m_outlets.currentItemTextView->setString(start + std::string(100000, 'y'));
    m_outlets.window.lock()->setMovableByWindowBackground(true);
    m_outlets.pasteItemOptionsWindow.lock()->orderOut();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), m_topLevelsBefore + 1) << "a window was built";

    m_outlets.window.lock()->orderFrontRegardless();
    m_outlets.pasteItemOptionsWindow.lock()->center();
    EXPECT_TRUE(m_interface.settingsWindow().isVisible());
    EXPECT_EQ(m_outlets.textNotificationButton.lock()->state(), 0);
    EXPECT_EQ(m_outlets.filesAndDirectoriesNotificationButton.lock()->state(), 1);
    const QPlainTextEdit &view = *m_interface.pasteItemOptionsForm().currentItemTextView;
    const std::string kept = m_outlets.currentItemTextView->string();
    EXPECT_TRUE(view.isReadOnly() && view.toPlainText().startsWith(QStringLiteral("no-break")));
    EXPECT_EQ(static_cast<std::size_t>(view.toPlainText().size()), QtTextView::displayedMaximumLength);
    EXPECT_TRUE(kept.starts_with(start) && kept.ends_with("y\u2026")) << kept.substr(0, 100);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(m_interface.pasteItemOptionsWindow().geometry().center().x() - screen.center().x()), 1);
    m_outlets.window.lock()->orderOut();
    EXPECT_FALSE(m_interface.settingsWindow().isVisible());
}

// The controller setting a check box is no click: it sends nothing.
TEST_F(InterfaceDescriptionTest, EveryControlSendsItsSelectorWithItsOutlet)
{
    const QList<QAction *> entries = m_interface.statusMenu().actions();
    for (const auto &[index, selector] :
         {std::pair{0, "textActionsMenuItem:"}, {1, "clearClipboardMenuItem:"}, {2, "openSettings:"}}) {
        entries.at(index)->trigger();
        EXPECT_EQ(m_sent.back().first, selector);
        EXPECT_EQ(sentTitle(), entries.at(index)->text().toStdString());
    }
    EXPECT_EQ(std::get<std::shared_ptr<MenuItem>>(m_sent[1].second), m_outlets.clearClipboardMenuItem.lock());

    m_interface.settingsWindow();
    m_outlets.startAtLoginButton.lock()->setState(1);
    for (const auto &[outlet, selector] :
         {std::pair{m_outlets.textNotificationButton.lock(), "textNotificationButton:"},
          {m_outlets.filesAndDirectoriesNotificationButton.lock(), "filesAndDirectoriesNotificationButton:"},
          {m_outlets.startAtLoginButton.lock(), "startAtLoginButton:"}}) {
        QTest::mouseClick(dynamic_cast<QtButton &>(*outlet).button(), Qt::LeftButton);
        EXPECT_EQ(m_sent.back().first, selector);
        EXPECT_EQ(std::get<std::shared_ptr<Button>>(m_sent.back().second), outlet);
        EXPECT_EQ(outlet->state(), 0);
        outlet->setState(1);
    }
    EXPECT_EQ(m_sent.size(), 6u);

    QComboBox *popUp = m_interface.pasteItemOptionsForm().textActionPopUp;
    ASSERT_EQ(popUp->count(), std::ssize(textActionTitles()));
    for (int index = 0; index < popUp->count(); ++index) {
        emit popUp->activated(index);
        EXPECT_EQ(m_sent.back().first, "activePopupRunItem:");
        EXPECT_EQ(sentTitle(), popUp->itemText(index).toStdString());
    }
    EXPECT_EQ(m_outlets.capitalizeMenuItem.lock(), m_interface.popUpItems().front());
    m_interface.popUpItems()[2]->setEnabled(false);
    EXPECT_FALSE(popUp->model()->flags(popUp->model()->index(2, 0)).testFlag(Qt::ItemIsEnabled));
    EXPECT_TRUE(popUp->model()->flags(popUp->model()->index(1, 0)).testFlag(Qt::ItemIsEnabled));

    // Run goes at once without a gate, and only when the gate lets it with one.
    QPushButton *run = m_interface.pasteItemOptionsForm().runButton;
    m_sent.clear();
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_EQ(m_sent.size(), 1u);
    std::function<void()> held;
    m_interface.setRunGate([&held](std::function<void()> sendRun) { held = std::move(sendRun); });
    QTest::mouseClick(run, Qt::LeftButton);
    ASSERT_TRUE(held);
    EXPECT_EQ(m_sent.size(), 1u) << "sent before the gate let it";
    held();
    ASSERT_EQ(m_sent.size(), 2u);
    EXPECT_EQ(m_sent.back().first, "run:");
    EXPECT_TRUE(std::get<std::shared_ptr<Button>>(m_sent.back().second));
}

// In the user's language the menu, the windows and the announcements' texts are translated, the
// count of files in the language's plural, and the layout follows the language's direction; the
// pop-up list shows the actions' titles translated, while the controller still gets an action by its
// English title. A language without a catalog stays English. German, a catalog written left to
// right, is read by tests/e2e/languages.sh; the catalogs check finds any text it lacks.
TEST(TranslatedInterfaceTest, TextsFollowTheLanguageWhileActionTitlesStayEnglish)
{
    // language, direction, the clear entry, the Uppercase entry, a count of two files and of three
    const std::tuple<const char *, Qt::LayoutDirection, std::string, std::string, std::string, std::string> rows[] = {
        {"ar", Qt::RightToLeft, "مسح الحافظة", "أحرف كبيرة", "ملفان", "3 ملفات"},
        {"sv", Qt::LeftToRight, "Clear clipboard", "Uppercase", "2 files", "3 files"},
    };
    for (const auto &[language, direction, clearEntry, uppercaseEntry, twoFiles, threeFiles] : rows) {
        QtTextTranslation translation{QLocale(QString::fromLatin1(language))};
        translation.install();
        EXPECT_EQ(translation.layoutDirection(), direction) << language;
        EXPECT_EQ(translation.translate("Notification", " files", "", 2), twoFiles);
        EXPECT_EQ(translation.translate("Notification", " files", "", 3), threeFiles);
        InterfaceDescription interface;
        EXPECT_EQ(interface.statusMenu().actions().at(1)->text().toStdString(), clearEntry);
        EXPECT_EQ(interface.pasteItemOptionsForm().textActionPopUp->itemText(2).toStdString(), uppercaseEntry);
        EXPECT_EQ(interface.popUpItems()[2]->title(), "Uppercase");
    }
}

} // namespace
} // namespace nimbrel
