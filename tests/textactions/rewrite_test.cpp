#include "support/controller_fixture.h"

#include <algorithm>
#include <chrono>
#include <functional>

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
        RewriteCase{"PlainEmptyTextStillWritten", &AppDelegate::capitalize, {{plain, ""}}, ""},
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
                    {{concealed, std::nullopt}, {plain, "hunter2"}}, "hunter2"},
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

// A password manager clears its secret after a while, but only while it still owns the clipboard;
// a rewrite took it over, so the program clears the rewritten secret itself, as long after the
// write as KeePassXC would have, unless the clipboard changed meanwhile: whatever came since is
// newer. Nothing else expires. At the program's end what is left goes to a clipboard manager, but
// never a secret: its password manager meant it to go.
struct ExpiryCase {
    const char *name;
    Entries source;
    bool rewritten; // by Uppercase, or it stays another program's copy
    std::function<void(ControllerFixture &)> meanwhile; // between the write and the wait
    std::chrono::milliseconds waited;
    bool cleared;
    bool handedOverAtTheEnd;
};

void PrintTo(const ExpiryCase &row, std::ostream *os)
{
    *os << row.name;
}

class ConcealedExpiryTest : public ControllerFixture, public ::testing::WithParamInterface<ExpiryCase> {
};

TEST_P(ConcealedExpiryTest, OnlyTheProgramsOwnSecretIsClearedOnTimeAndNoneOutlivesTheProgram)
{
    const auto &row = GetParam();
    launch();
    copy(row.source);
    tick();
    if (row.rewritten) {
        ASSERT_TRUE(delegate->runTextAction("Uppercase"));
    }
    if (row.meanwhile)
        row.meanwhile(*this);
    tick();
    const auto items = pasteboard.items();
    const int writes = pasteboard.writes();

    timers.advance(row.waited);
    tick();
    EXPECT_EQ(pasteboard.items().empty(), row.cleared || items.empty());
    EXPECT_EQ(pasteboard.writes(), writes + (row.cleared ? 1 : 0));
    EXPECT_EQ(textActionsItem->isEnabled(), !pasteboard.items().empty()) << "the poll saw what is there";

    delegate->applicationWillTerminate();
    EXPECT_EQ(pasteboard.handOvers(), row.handedOverAtTheEnd ? 1 : 0);
    EXPECT_TRUE(center.listed().empty());
    EXPECT_EQ(timers.liveTimers(), 0u);
}

using namespace std::chrono_literals;
const Entries secret{{plain, "Kö1n-Paß#2024"}, {concealed, "secret"}};

INSTANTIATE_TEST_SUITE_P(
    Rows, ConcealedExpiryTest,
    ::testing::Values(
        ExpiryCase{"SecretRewriteClearedTenSecondsAfterTheWrite", secret, true, nullptr, 10s, true, false},
        ExpiryCase{"SecretRewriteStillThereJustBefore", secret, true, nullptr, 9999ms, false, false},
        ExpiryCase{"SecretRewriteKeptWhenAnotherProgramCopiedMeanwhile", secret, true,
                   [](ControllerFixture &t) { t.copyText("copied after the secret"); }, 10s, false, true},
        ExpiryCase{"ClipboardClearedMeanwhileNotClearedAgain", secret, true,
                   [](ControllerFixture &t) { t.delegate->clearClipboardMenuItem(nullptr); }, 10s, false, false},
        ExpiryCase{"SecretRewrittenAgainKeptTenSecondsAfterTheSecondWrite", secret, true,
                   [](ControllerFixture &t) {
                       t.timers.advance(5s);
                       ASSERT_TRUE(t.delegate->runTextAction("Lowercase"));
                   },
                   9999ms, false, false},
        ExpiryCase{"PlainRewriteNeverCleared", {{plain, "not a secret"}}, true, nullptr, 24h, false, true},
        ExpiryCase{"AnotherProgramsSecretIsItsOwnToClear", secret, false, nullptr, 24h, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConcealedExpiryTest, RefusedWriteLeavesNothingToExpire)
{
    launch();
    copy(secret);
    pasteboard.refuseWrites(true);
    EXPECT_FALSE(delegate->runTextAction("Uppercase"));
    EXPECT_FALSE(delegate->hasConcealedExpiryTimer());
    EXPECT_EQ(timers.liveTimers(), 1u);
}

} // namespace
} // namespace nimbrel::test
