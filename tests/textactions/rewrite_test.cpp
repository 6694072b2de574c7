#include "support/controller_fixture.h"

#include <algorithm>

namespace nimbrel::test {
namespace {

using Action = bool (AppDelegate::*)(const PasteboardItem &);

struct RewriteCase {
    const char *name;
    Action action;
    Entries source;
    // nullopt: the clipboard must be left exactly as it was.
    std::optional<std::string> expectedPlainText;
};

void PrintTo(const RewriteCase &row, std::ostream *os)
{
    *os << row.name;
}

class RewriteTest : public ControllerFixture, public ::testing::WithParamInterface<RewriteCase> {
};

TEST_P(RewriteTest, WritesOnePlainTextItemOrNothing)
{
    const auto &row = GetParam();
    launch();
    const auto source = makeItem(row.source);
    pasteboard.copy({source, textItem("second item")});
    const auto count = pasteboard.changeCount();

    EXPECT_EQ((*delegate.*row.action)(*source), row.expectedPlainText.has_value());

    if (!row.expectedPlainText) {
        EXPECT_EQ(pasteboard.changeCount(), count);
        ASSERT_EQ(pasteboard.items().size(), 2u);
        EXPECT_EQ(pasteboard.items().front(), source);
        return;
    }
    ASSERT_EQ(pasteboard.items().size(), 1u);
    const auto &written = *pasteboard.items().front();
    std::vector<std::string> expectedTypes{plain};
    if (std::ranges::any_of(row.source, [](const auto &entry) { return entry.first == concealed; }))
        expectedTypes.push_back(concealed);
    EXPECT_EQ(written.types(), expectedTypes);
    EXPECT_EQ(clipboardText(), row.expectedPlainText);
    EXPECT_GT(pasteboard.changeCount(), count);
}

const std::string rtfSource = "{\\rtf1\\ansi {\\b Hello} world}";
const std::string htmlSource = "<span style=\"color: red\">Hello</span> world";

INSTANTIATE_TEST_SUITE_P(
    TypeRules, RewriteTest,
    ::testing::Values(
        RewriteCase{"PlainUppercased", &AppDelegate::uppercase, {{plain, "Hello world"}}, "HELLO WORLD"},
        RewriteCase{"EmptyResultLeftAlone", &AppDelegate::snakecase, {{plain, " \t\n "}}, std::nullopt},
        RewriteCase{"EmptyTextLeftAlone", &AppDelegate::capitalize, {{plain, ""}}, std::nullopt},
        RewriteCase{"FilesOfferingTheirPathsAsTextLeftAlone", &AppDelegate::uppercase,
                    {{std::string(FilenamesPboardType), "/home/a.txt"}, {plain, "/home/a.txt"}}, std::nullopt},
        RewriteCase{"HtmlTagsNeverMerged", &AppDelegate::removeAllWhitespace,
                    {{html, htmlSource}, {plain, "Hello world"}}, "Helloworld"},
        RewriteCase{"RtfAndHtmlGiveOnePlainItem", &AppDelegate::snakecase,
                    {{rtf, rtfSource}, {html, htmlSource}, {plain, "Hello  world"}}, "Hello_world"},
        RewriteCase{"RichWithoutPlainTextLeftAlone", &AppDelegate::lowercase, {{rtf, rtfSource}}, std::nullopt},
        RewriteCase{"PlainTypeWithoutTextLeftAlone", &AppDelegate::uppercase, {{plain, std::nullopt}}, std::nullopt},
        RewriteCase{"PrivateTypesDropped", &AppDelegate::removeMultipleWhitespace,
                    {{plain, " a  b "}, {"application/x-private", "secret"}}, "a b"},
        RewriteCase{"RemoveFormattingKeepsPlainText", &AppDelegate::removeFormatting,
                    {{html, htmlSource}, {plain, "Hello <world> & co\nline"}}, "Hello <world> & co\nline"},
        RewriteCase{"RemoveFormattingOnPlainDoesNothing", &AppDelegate::removeFormatting, {{plain, "plain"}},
                    std::nullopt},
        RewriteCase{"SecretUnchangedByActionStaysConcealed", &AppDelegate::lowercase,
                    {{plain, "hunter2"}, {concealed, std::nullopt}}, "hunter2"},
        RewriteCase{"SecretLosesFormattingButStaysConcealed", &AppDelegate::removeFormatting,
                    {{html, "<b>pw</b>"}, {plain, "pw"}, {concealed, ""}}, "pw"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RewriteTest, RefusedWriteReportsNothingRewritten)
{
    launch();
    copyText("newer contents arrived");
    pasteboard.refuseWrites(true);
    EXPECT_FALSE(delegate->runTextAction("Uppercase"));
}

} // namespace
} // namespace nimbrel::test
