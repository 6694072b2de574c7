#include "support/controller_fixture.h"

#include "textactions/rich_document.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <tuple>

namespace nimbrel::test {
namespace {

// name, action, source, the plain text written (nullopt: the clipboard must be left exactly as it
// was), and the rich types written before it, with their documents
using RewriteCase = std::tuple<const char *, ControllerFixture::Action, Entries, std::optional<std::string>, Entries>;

class RewriteTest : public ControllerRowTest<RewriteCase> {
protected:
    void expectRewrite(const RewriteCase &row);
};

void RewriteTest::expectRewrite(const RewriteCase &row)
{
    const auto &[name, action, sourceEntries, expectedPlainText, expectedRich] = row;
    launch();
    const auto source = makeItem(sourceEntries);
    pasteboard.copy({source, textItem("second item")});
    const auto count = pasteboard.changeCount();

    EXPECT_EQ(runAction(action, source), expectedPlainText.has_value());

    if (!expectedPlainText) {
        EXPECT_EQ(pasteboard.changeCount(), count);
        ASSERT_EQ(pasteboard.items().size(), 2u);
        EXPECT_EQ(pasteboard.items().front(), source);
        return;
    }
    ASSERT_EQ(pasteboard.items().size(), 1u);
    const auto &written = *pasteboard.items().front();
    std::vector<std::string> expectedTypes;
    for (const auto &[type, document] : expectedRich) {
        expectedTypes.push_back(type);
        EXPECT_EQ(written.stringForType(type), document) << type;
    }
    expectedTypes.push_back(plain);
    if (std::ranges::any_of(sourceEntries, [](const auto &entry) { return entry.first == concealed; }))
        expectedTypes.push_back(concealed);
    EXPECT_EQ(written.types(), expectedTypes);
    EXPECT_EQ(clipboardText(), expectedPlainText);
    EXPECT_GT(pasteboard.changeCount(), count);
}

TEST_P(RewriteTest, WritesOneItemOrNothing) { expectRewrite(GetParam()); }

// Its 16 MiB document is made here, not in the table below, which every start of this program
// builds whether it runs the row or not.
TEST_F(RewriteTest, HtmlOverLimitFallsBackToPlain)
{
    expectRewrite({"HtmlOverLimitFallsBackToPlain", &AppDelegate::uppercase,
                   {{html, std::string(richDocumentLimit + 1, 'a')}, {plain, "c"}}, "C", {}});
}

const std::string rtfSource = "{\\rtf1\\ansi {\\b Hello} world}";
const std::string htmlSource = "<span style=\"color: red\">Hello</span> world";

INSTANTIATE_TEST_SUITE_P(
    TypeRules, RewriteTest, ::testing::Values(
        RewriteCase{"EmptyResultLeftAlone", &AppDelegate::snakecase, {{plain, " \t\n "}}, std::nullopt, {}},
        RewriteCase{"FilesOfferingTheirPathsAsTextLeftAlone", &AppDelegate::uppercase,
                    {{std::string(FilenamesPboardType), "/home/a.txt"}, {plain, "/home/a.txt"}}, std::nullopt, {}},
        RewriteCase{"RtfAndHtmlBothKeptWordsSpanRuns", &AppDelegate::snakecase,
                    {{html, htmlSource}, {rtf, rtfSource}, {plain, "Hello  world"}}, "Hello_world",
                    {{rtf, "{\\rtf1\\ansi {\\b Hello}_world}"}, {html, "<span style=\"color: red\">Hello</span>_world"}}},
        RewriteCase{"HtmlInlineJoinsBlockBreaks", &AppDelegate::capitalize, {{html, "<p>hel<b>LO</b> wo</p>rLD"}, {plain, "x"}},
                    "X", {{html, "<p>Hel<b>lo</b> Wo</p>Rld"}}},
        RewriteCase{"HtmlMarkupUntouched", &AppDelegate::uppercase,
                    {{html, "<!--StartFragment--><title/>x<a title='a>b' href=x>go</a><style>p{}</style><script>x<y</script>"
                            "<![CDATA[c]]><i>&lt;b&gt; caf&eacute; &alpha;&amp;\xC3\x9F</i><br>x"}, {plain, "p"}}, "P",
                    {{html, "<!--StartFragment--><title/>X<a title='a>b' href=x>GO</a><style>p{}</style><script>x<y</script>"
                            "<![CDATA[c]]><i>&lt;B&gt; CAF\xC3\x89 \u0391&amp;SS</i><br>X"}}},
        RewriteCase{"HtmlFinalSigmaAcrossElements", &AppDelegate::lowercase, {{html, "\u039F\u0394\u039F<b>\u03A3</b>"}, {plain, "p"}},
                    "p", {{html, "\u03BF\u03B4\u03BF<b>\u03C2</b>"}}},
        RewriteCase{"RtfCodePageUnicodeAndFallbacks", &AppDelegate::uppercase,
                    {{rtf, "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 a;}{\\f1\\fcharset2 s;}}{\\*\\x y}"
                           "{\\f1\\'b7}\\'e0\\uc2\\u946\\'00\\'e2 \\u-10179??\\u-8704?? b\\par\\b\\'61\\uc0 \\u946 c\\{\\'0a}"}, {plain, "p"}}, "P",
                    {{rtf, "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 a;}{\\f1\\fcharset2 s;}}{\\*\\x y}"
                           "{\\f1\\'b7}\\u1040?\\uc2\\u914?? \\u-10179??\\u-8704?? B\\par\\b\\u65??\\uc0 \\u914 C\\{\\u10 }"}}},
        RewriteCase{"RtfUnbalancedFallsBackToPlain", &AppDelegate::uppercase,
                    {{rtf, "{\\rtf1 {\\b a}"}, {html, "b"}, {plain, "c"}}, "C", {}},
        RewriteCase{"RtfBinaryFallsBackToPlain", &AppDelegate::uppercase, {{rtf, "{\\rtf1 {\\bin1 a}}"}, {plain, "c"}}, "C", {}},
        RewriteCase{"RichWithoutPlainTextLeftAlone", &AppDelegate::lowercase, {{rtf, rtfSource}}, std::nullopt, {}},
        RewriteCase{"PlainTypeWithoutTextLeftAlone", &AppDelegate::uppercase, {{plain, std::nullopt}}, std::nullopt, {}},
        RewriteCase{"PrivateTypesDropped", &AppDelegate::removeMultipleWhitespace,
                    {{plain, " a  b "}, {"application/x-private", "secret"}}, "a b", {}},
        RewriteCase{"RemoveFormattingKeepsPlainText", &AppDelegate::removeFormatting,
                    {{html, htmlSource}, {plain, "Hello <world> & co\nline"}}, "Hello <world> & co\nline", {}},
        RewriteCase{"RemoveFormattingOnPlainDoesNothing", &AppDelegate::removeFormatting, {{plain, "plain"}},
                    std::nullopt, {}},
        RewriteCase{"SecretUnchangedByActionStaysConcealed", &AppDelegate::lowercase,
                    {{html, "<b>hunter2</b>"}, {plain, "hunter2"}, {concealed, std::nullopt}}, "hunter2",
                    {{html, "<b>hunter2</b>"}}},
        RewriteCase{"SecretLosesFormattingButStaysConcealed", &AppDelegate::removeFormatting,
                    {{html, "<b>pw</b>"}, {plain, "pw"}, {concealed, ""}}, "pw", {}}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });

// A password manager clears its secret after a while, but only while it still owns the clipboard;
// a rewrite took it over, so the program clears the rewritten secret itself, as long after the
// write as KeePassXC would have, unless the clipboard changed meanwhile: whatever came since is
// newer. Nothing else expires. At the program's end what is left goes to a clipboard manager, but
// never a secret: its password manager meant it to go.
// name, the copy, whether Uppercase rewrites it (or it stays another program's copy), what happens
// between the write and the wait, the wait, whether the clipboard is cleared, whether what is left
// is handed over at the end
using ExpiryCase = std::tuple<const char *, Entries, bool, std::function<void(ControllerFixture &)>,
                              std::chrono::milliseconds, bool, bool>;
using ConcealedExpiryTest = ControllerRowTest<ExpiryCase>;

TEST_P(ConcealedExpiryTest, OnlyTheProgramsOwnSecretIsClearedOnTimeAndNoneOutlivesTheProgram)
{
    const auto &[name, source, rewritten, meanwhile, waited, cleared, handedOverAtTheEnd] = GetParam();
    launch();
    copy(source);
    tick();
    if (rewritten) {
        ASSERT_EQ(runTextAction("Uppercase"), true);
    }
    if (meanwhile)
        meanwhile(*this);
    tick();
    const auto items = pasteboard.items();
    const int writes = pasteboard.writes();

    timers.advance(waited);
    tick();
    EXPECT_EQ(pasteboard.items().empty(), cleared || items.empty());
    EXPECT_EQ(pasteboard.writes(), writes + (cleared ? 1 : 0));
    EXPECT_EQ(textActionsItem->isEnabled(), !pasteboard.items().empty()) << "the poll saw what is there";

    delegate->applicationWillTerminate();
    EXPECT_EQ(pasteboard.handOvers(), handedOverAtTheEnd ? 1 : 0);
    EXPECT_TRUE(center.listed().empty());
    EXPECT_EQ(timers.liveTimers(), 0u);
}

using namespace std::chrono_literals;
const Entries secret{{plain, "Kö1n-Paß#2024"}, {concealed, "secret"}};

INSTANTIATE_TEST_SUITE_P(
    Rows, ConcealedExpiryTest, ::testing::Values(
        ExpiryCase{"SecretRewriteClearedTenSecondsAfterTheWrite", secret, true, nullptr, 10s, true, false},
        ExpiryCase{"SecretRewriteStillThereJustBefore", secret, true, nullptr, 9999ms, false, false},
        ExpiryCase{"SecretRewriteKeptWhenAnotherProgramCopiedMeanwhile", secret, true,
                   [](ControllerFixture &t) { t.copyText("copied after the secret"); }, 10s, false, true},
        ExpiryCase{"ClipboardClearedMeanwhileNotClearedAgain", secret, true,
                   [](ControllerFixture &t) { t.delegate->clearClipboardMenuItem(nullptr); }, 10s, false, false},
        ExpiryCase{"SecretRewrittenAgainKeptTenSecondsAfterTheSecondWrite", secret, true,
                   [](ControllerFixture &t) {
                       t.timers.advance(5s);
                       ASSERT_EQ(t.runTextAction("Lowercase"), true);
                   },
                   9999ms, false, false},
        ExpiryCase{"PlainRewriteNeverCleared", {{plain, "not a secret"}}, true, nullptr, 24h, false, true},
        ExpiryCase{"AnotherProgramsSecretIsItsOwnToClear", secret, false, nullptr, 24h, false, false}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });

} // namespace
} // namespace nimbrel::test
