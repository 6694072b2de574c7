#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

struct TypeRule {
    const char *name;
    std::vector<std::string> types;
    bool text;
    bool html;
    bool rtf;
    std::string_view itemType;
    bool someKindOfString;
};

void PrintTo(const TypeRule &row, std::ostream *os)
{
    *os << row.name;
}

class ItemInspectionTest : public ControllerFixture, public ::testing::WithParamInterface<TypeRule> {
};

TEST_P(ItemInspectionTest, QueriesFollowTheTypeRules)
{
    const auto &row = GetParam();
    Entries entries;
    for (const auto &type : row.types)
        entries.emplace_back(type, "data");
    copy(entries);
    createController();

    const auto item = delegate->getFirstItem();
    ASSERT_TRUE(item);
    EXPECT_EQ(delegate->isTextItem(*item), row.text);
    EXPECT_EQ(delegate->isHTMLItem(*item), row.html);
    EXPECT_EQ(delegate->isRTFItem(*item), row.rtf);
    EXPECT_EQ(delegate->getItemType(*item), row.itemType);
    EXPECT_EQ(delegate->firstItemIsSomeKindOfString(*item), row.someKindOfString);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ItemInspectionTest,
    ::testing::Values(TypeRule{"HtmlThenPlain", {html, plain}, true, true, false, PasteboardTypeHTML, true},
                      TypeRule{"PlainThenRtf", {plain, rtf}, true, false, true, PasteboardTypeRTF, true},
                      TypeRule{"RtfThenHtml", {rtf, html}, false, true, true, PasteboardTypeRTF, true},
                      TypeRule{"HtmlThenRtf", {html, rtf}, false, true, true, PasteboardTypeRTF, true},
                      TypeRule{"ImageThenPlain", {"image/png", plain}, true, false, false, PasteboardTypeString, false},
                      TypeRule{"NoTypes", {}, false, false, false, PasteboardTypeString, false},
                      TypeRule{"CaseDiffers", {"Text/Plain", "TEXT/HTML", "text/RTF"}, false, false, false,
                               PasteboardTypeString, false},
                      TypeRule{"PrefixIsNoMatch", {"text/plain;charset=utf-8", "text/html2"}, false, false, false,
                               PasteboardTypeString, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ItemInspectionTest, OnlyTheFirstOfSeveralItemsIsInspected)
{
    const auto first = makeItem({{"image/png", std::nullopt}});
    pasteboard.copy({first, textItem("second")});
    createController();
    EXPECT_EQ(delegate->getFirstItem(), first);
}

} // namespace
} // namespace nimbrel::test
