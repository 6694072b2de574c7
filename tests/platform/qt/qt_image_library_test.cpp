#include "platform/qt/qt_image_library.h"

#include "platform/qt/qt_image.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_status_item.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <string>

namespace nimbrel {
namespace {

TEST(QtImageLibrary, FindsOnlyImagesCompiledIntoTheProgram)
{
    QtImageLibrary library;
    const struct {
        std::string name;
        bool found;
    } rows[] = {
        {"statusIcon", true},
        {"nimbrel", true},
        {"StatusIcon", false},
        {"missing", false},
        {"", false},
        {"../icons/statusIcon", false},
        {"statusIcon.svg", false},
        {std::string("statusIcon\0x", 12), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto image = library.imageNamed(row.name);
        EXPECT_EQ(image != nullptr, row.found);
        if (image != nullptr) {
            EXPECT_FALSE(dynamic_cast<QtImage &>(*image).icon().pixmap(22, 22).isNull());
        }
    }
}

TEST(QtImageLibrary, TemplateImageIsAMaskIcon)
{
    QtImageLibrary library;
    const auto image = library.imageNamed("statusIcon");
    ASSERT_NE(image, nullptr);
    const auto &icon = dynamic_cast<QtImage &>(*image).icon();
    EXPECT_FALSE(icon.isMask());
    image->setTemplate(true);
    EXPECT_TRUE(icon.isMask());
    image->setTemplate(false);
    EXPECT_FALSE(icon.isMask());
}

TEST(QtStatusItem, ShowsTheTrayIconOnlyWithAnImageAndTakesTheMenu)
{
    QtStatusItem item;
    ASSERT_NE(item.button(), nullptr);
    EXPECT_FALSE(item.trayIcon().isVisible());

    QtImageLibrary library;
    const auto image = library.imageNamed("statusIcon");
    image->setTemplate(true);
    item.button()->setImage(image);
    EXPECT_TRUE(item.trayIcon().isVisible());
    EXPECT_TRUE(item.trayIcon().icon().isMask());

    QMenu menu;
    QtMenu adapter(&menu);
    item.setMenu(&adapter);
    EXPECT_EQ(item.trayIcon().contextMenu(), &menu);
    item.setMenu(nullptr);
    EXPECT_EQ(item.trayIcon().contextMenu(), nullptr);

    item.button()->setImage(nullptr);
    EXPECT_FALSE(item.trayIcon().isVisible());
}

} // namespace
} // namespace nimbrel
