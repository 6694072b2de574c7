#include "platform/qt/qt_image.h"
#include "platform/qt/qt_image_library.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_status_item.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

// Plain names only, so that no name reaches outside the icons compiled into the program.
TEST(QtImageLibrary, FindsOnlyImagesCompiledIntoTheProgramByPlainName)
{
    for (const auto &[name, found] : {std::pair<std::string, bool>{"statusIcon", true}, {"nimbrel", true},
                                      {"../icons/statusIcon", false}, {std::string("statusIcon\0x", 12), false}}) {
        const auto image = QtImageLibrary().imageNamed(name);
        EXPECT_EQ(image != nullptr, found) << name;
        EXPECT_TRUE(!image || !dynamic_cast<QtImage &>(*image).icon().pixmap(22, 22).isNull()) << name;
    }
}

// Without a session bus there is no StatusNotifierWatcher: the X11 tray shows the entry.
TEST(QtStatusItem, ShowsTheTrayIconOnlyWithAnImageAndTakesTheMenu)
{
    QtStatusItem item(QDBusConnection(QStringLiteral("no bus")));
    ASSERT_TRUE(item.trayIcon() != nullptr && item.notifierItem() == nullptr);
    EXPECT_FALSE(item.trayIcon()->isVisible());
    const auto image = QtImageLibrary().imageNamed("statusIcon");
    image->setTemplate(true);
    item.button()->setImage(image);
    EXPECT_TRUE(item.trayIcon()->isVisible() && item.trayIcon()->icon().isMask());
    QMenu menu;
    QtMenu adapter(&menu);
    item.setMenu(&adapter);
    EXPECT_EQ(item.trayIcon()->contextMenu(), &menu);
    item.button()->setImage(nullptr);
    EXPECT_FALSE(item.trayIcon()->isVisible());
}

} // namespace
} // namespace nimbrel
