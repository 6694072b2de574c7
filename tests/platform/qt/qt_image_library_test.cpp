#include "platform/qt/qt_image.h"
#include "platform/qt/qt_image_library.h"

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

} // namespace
} // namespace nimbrel
