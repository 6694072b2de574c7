#include "platform/pasteboard_item.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

TEST(StringPasteboardItemTest, KeepsFirstSetOrderAndReplacesRepeatedTypes)
{
    StringPasteboardItem item;
    EXPECT_TRUE(item.types().empty());
    EXPECT_EQ(item.stringForType("text/plain"), std::nullopt);

    item.setStringForType("rich", "text/rtf");
    item.setStringForType("plain", "text/plain");
    item.setStringForType("again", "text/rtf");

    EXPECT_EQ(item.types(), (std::vector<std::string>{"text/rtf", "text/plain"}));
    EXPECT_EQ(item.stringForType("text/rtf"), "again");
    EXPECT_EQ(item.stringForType("text/plain"), "plain");
    EXPECT_EQ(item.stringForType("TEXT/PLAIN"), std::nullopt);
}

TEST(StringPasteboardItemTest, EmptyStringIsAStringNotAMissingOne)
{
    StringPasteboardItem item;
    item.setStringForType("", "text/plain");
    EXPECT_EQ(item.stringForType("text/plain"), std::string());
}

} // namespace
} // namespace nimbrel
