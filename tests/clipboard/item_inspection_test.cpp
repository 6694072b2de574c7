#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using ItemInspectionTest = ControllerFixture;

TEST_F(ItemInspectionTest, QueriesFollowTheTypeRules)
{
    // name, types, isTextItem, isHTMLItem, isRTFItem, getItemType, firstItemIsSomeKindOfString
    const std::tuple<const char *, std::vector<std::string>, bool, bool, bool, std::string_view, bool> rows[] = {
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
    for (const auto &[name, types, isText, isHtml, isRtf, itemType, someKindOfString] : rows) {
        SCOPED_TRACE(name);
        Entries entries;
        for (const auto &type : types)
            entries.emplace_back(type, "data");
        // Only the first item is inspected, never the text after it.
        const auto first = makeItem(entries);
        pasteboard.copy({first, textItem("second")});
        const auto item = delegate->getFirstItem();
        ASSERT_EQ(item, first);
        EXPECT_EQ(delegate->isTextItem(*item), isText);
        EXPECT_EQ(delegate->isHTMLItem(*item), isHtml);
        EXPECT_EQ(delegate->isRTFItem(*item), isRtf);
        EXPECT_EQ(delegate->getItemType(*item), itemType);
        EXPECT_EQ(delegate->firstItemIsSomeKindOfString(*item), someKindOfString);
    }
}

} // namespace
} // namespace nimbrel::test
