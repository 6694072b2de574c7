#include "support/controller_fixture.h"
#include "textactions/text_action.h"

namespace nimbrel::test {
namespace {

class TextActionTest : public ControllerFixture {
protected:
    void pick(const std::string &title)
    {
        delegate->perform("activePopupRunItem:", std::shared_ptr<MenuItem>(std::make_shared<MemoryMenuItem>(title)));
    }
};

TEST_F(TextActionTest, EachTitleRunsItsAction)
{
    launch();
    const struct {
        std::string title;
        Entries source;
        std::string expected;
    } rows[] = {
        {"Capitalize", {{std::string(PasteboardTypeString), "hello wORLD"}}, "Hello World"},
        {"Lowercase", {{std::string(PasteboardTypeString), "Hello World 42!"}}, "hello world 42!"},
        {"Uppercase", {{std::string(PasteboardTypeString), "Hello World 42!"}}, "HELLO WORLD 42!"},
        {"Snakecase", {{std::string(PasteboardTypeString), " Hello \t World\n"}}, "Hello_World"},
        {"Remove rich text formatting",
         {{std::string(PasteboardTypeHTML), "<b>x</b>"}, {std::string(PasteboardTypeString), "x"}},
         "x"},
        {"Remove multiple whitespace", {{std::string(PasteboardTypeString), "  a \t b\n\nc  "}}, "a b c"},
        {"Remove all whitespace", {{std::string(PasteboardTypeString), "a b\tc\nd"}}, "ab\tc\nd"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.title);
        copy(row.source);
        pick(row.title);
        delegate->perform("run:");
        EXPECT_EQ(clipboardText(), row.expected);
    }
}

TEST_F(TextActionTest, RunBeforeAnyPickCapitalizes)
{
    copyText("before any pick");
    launch();
    delegate->run(nullptr);
    EXPECT_EQ(clipboardText(), "Before Any Pick");
}

TEST_F(TextActionTest, TitlesThatDifferInAnyWayRunNothing)
{
    copyText("Keep Me");
    launch();
    const auto count = pasteboard.changeCount();
    for (const std::string title : {"snakecase", "Snakecase ", " Snakecase", "SNAKECASE", "", "Snake case"}) {
        SCOPED_TRACE(title);
        pick(title);
        delegate->run(nullptr);
        EXPECT_EQ(pasteboard.changeCount(), count);
        EXPECT_FALSE(delegate->runTextAction(title));
    }
}

TEST_F(TextActionTest, PickingChangesNothingAndRunTwiceRewritesTwice)
{
    copyText("a b");
    launch();
    const auto count = pasteboard.changeCount();
    pick("Snakecase");
    EXPECT_EQ(pasteboard.changeCount(), count);

    delegate->run(nullptr);
    const auto afterFirst = pasteboard.changeCount();
    delegate->run(nullptr);
    EXPECT_GT(afterFirst, count);
    EXPECT_GT(pasteboard.changeCount(), afterFirst);
    EXPECT_EQ(clipboardText(), "a_b");
}

TEST_F(TextActionTest, RunningByTitleKeepsThePopUpChoice)
{
    copyText("x y");
    launch();
    pick("Uppercase");
    EXPECT_TRUE(delegate->runTextAction("Snakecase"));
    EXPECT_EQ(clipboardText(), "x_y");
    delegate->run(nullptr);
    EXPECT_EQ(clipboardText(), "X_Y");
}

TEST_F(TextActionTest, NothingToRewriteAnswersFalseAndChangesNothing)
{
    createController();
    delegate->run(nullptr);
    launch();
    EXPECT_FALSE(delegate->runTextAction("Capitalize"));
    for (const auto &[title, entries] : std::vector<std::pair<std::string, Entries>>{
             {"Lowercase", {{"image/png", std::nullopt}}},
             {"Remove rich text formatting", {{std::string(PasteboardTypeString), "plain"}}}}) {
        copy(entries);
        EXPECT_FALSE(delegate->runTextAction(title)) << title;
    }
    EXPECT_EQ(pasteboard.writes(), 0);
}

} // namespace
} // namespace nimbrel::test
