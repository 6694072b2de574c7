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

using ItemInspectionTest = ControllerFixture;

TEST_F(ItemInspectionTest, QueriesFollowTheTypeRules)
{
    // name, types, isTextItem, isHTMLItem, isRTFItem, getItemType, firstItemIsSomeKindOfString
    const TypeRule rows[] = {
        {"HtmlThenPlain", {html, plain}, true, true, false, PasteboardTypeHTML, true},
        {"PlainThenRtf", {plain, rtf}, true, false, true, PasteboardTypeRTF, true},
        {"RtfThenHtml", {rtf, html}, false, true, true, PasteboardTypeRTF, true},
        {"HtmlThenRtf", {html, rtf}, false, true, true, PasteboardTypeRTF, true},
        {"ImageThenPlain", {"image/png", plain}, true, false, false, PasteboardTypeString, false},
        {"NoTypes", {}, false, false, false, PasteboardTypeString, false},
        {"CaseDiffers", {"Text/Plain", "TEXT/HTML", "text/RTF"}, false, false, false, PasteboardTypeString, false},
        {"PrefixIsNoMatch", {"text/plain;charset=utf-8", "text/html2"}, false, false, false, PasteboardTypeString, false},
    };
    createController();
    for (const TypeRule &row : rows) {
        SCOPED_TRACE(row.name);
        Entries entries;
        for (const auto &type : row.types)
            entries.emplace_back(type, "data");
        // Only the first item is inspected, never the text after it.
        const auto first = makeItem(entries);
        pasteboard.copy({first, textItem("second")});
        const auto item = delegate->getFirstItem();
        ASSERT_EQ(item, first);
        EXPECT_EQ(delegate->isTextItem(*item), row.text);
        EXPECT_EQ(delegate->isHTMLItem(*item), row.html);
        EXPECT_EQ(delegate->isRTFItem(*item), row.rtf);
        EXPECT_EQ(delegate->getItemType(*item), row.itemType);
        EXPECT_EQ(delegate->firstItemIsSomeKindOfString(*item), row.someKindOfString);
    }
}

} // namespace
} // namespace nimbrel::test
