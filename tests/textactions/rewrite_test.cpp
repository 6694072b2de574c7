#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

const std::string plain(PasteboardTypeString);
const std::string rtf(PasteboardTypeRTF);
const std::string html(PasteboardTypeHTML);
const std::string concealedType(PasteboardTypeConcealed);

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
    const bool concealed = delegate->itemIsConcealed(*source);
    const std::vector<std::string> expectedTypes =
        concealed ? std::vector<std::string>{plain, concealedType} : std::vector<std::string>{plain};
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
        RewriteCase{"PlainEmptyTextStillWritten", &AppDelegate::capitalize, {{plain, ""}}, ""},
        RewriteCase{"RtfMarkupNeverTransformed", &AppDelegate::uppercase, {{rtf, rtfSource}, {plain, "Hello world"}},
                    "HELLO WORLD"},
        RewriteCase{"HtmlTagsNeverMerged", &AppDelegate::removeAllWhitespace,
                    {{html, htmlSource}, {plain, "Hello world"}}, "Helloworld"},
        RewriteCase{"HtmlCapitalizedPlainOnly", &AppDelegate::capitalize, {{plain, "hello WORLD"}, {html, htmlSource}},
                    "Hello World"},
        RewriteCase{"RtfAndHtmlGiveOnePlainItem", &AppDelegate::snakecase,
                    {{rtf, rtfSource}, {html, htmlSource}, {plain, "Hello  world"}}, "Hello_world"},
        RewriteCase{"RichWithoutPlainTextLeftAlone", &AppDelegate::lowercase, {{rtf, rtfSource}}, std::nullopt},
        RewriteCase{"RichWithPlainTypeButNoTextLeftAlone", &AppDelegate::lowercase,
                    {{html, htmlSource}, {plain, std::nullopt}}, std::nullopt},
        RewriteCase{"ImageAloneLeftAlone", &AppDelegate::uppercase, {{"image/png", std::nullopt}}, std::nullopt},
        RewriteCase{"PlainTypeWithoutTextLeftAlone", &AppDelegate::uppercase, {{plain, std::nullopt}}, std::nullopt},
        RewriteCase{"PrivateTypesDropped", &AppDelegate::removeMultipleWhitespace,
                    {{plain, " a  b "}, {"application/x-private", "secret"}}, "a b"},
        RewriteCase{"RemoveFormattingKeepsPlainText", &AppDelegate::removeFormatting,
                    {{html, htmlSource}, {plain, "Hello <world> & co\nline"}}, "Hello <world> & co\nline"},
        RewriteCase{"RemoveFormattingOnRtfAndHtml", &AppDelegate::removeFormatting,
                    {{rtf, rtfSource}, {html, htmlSource}, {plain, "Hello world"}}, "Hello world"},
        RewriteCase{"RemoveFormattingEmptyPlainText", &AppDelegate::removeFormatting, {{rtf, rtfSource}, {plain, ""}},
                    ""},
        RewriteCase{"RemoveFormattingOnPlainDoesNothing", &AppDelegate::removeFormatting, {{plain, "plain"}},
                    std::nullopt},
        RewriteCase{"RemoveFormattingWithoutPlainDoesNothing", &AppDelegate::removeFormatting, {{rtf, rtfSource}},
                    std::nullopt},
        RewriteCase{"SecretStaysConcealed", &AppDelegate::uppercase, {{plain, "hunter2"}, {concealedType, ""}},
                    "HUNTER2"},
        RewriteCase{"SecretUnchangedByActionStaysConcealed", &AppDelegate::lowercase,
                    {{concealedType, std::nullopt}, {plain, "hunter2"}}, "hunter2"},
        RewriteCase{"SecretLosesFormattingButStaysConcealed", &AppDelegate::removeFormatting,
                    {{html, "<b>pw</b>"}, {plain, "pw"}, {concealedType, ""}}, "pw"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RewriteTest, RefusedWriteReportsNothingRewritten)
{
    launch();
    copyText("newer contents arrived");
    pasteboard.refuseWrites(true);
    EXPECT_FALSE(delegate->runTextAction("Uppercase"));
    EXPECT_FALSE(delegate->perform("uppercase:", delegate->getFirstItem()) == MessageResult{true});
}

} // namespace
} // namespace nimbrel::test
