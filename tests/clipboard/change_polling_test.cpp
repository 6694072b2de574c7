#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using ChangePollingTest = ControllerFixture;

TEST_F(ChangePollingTest, UnchangedTickReadsTheChangeCountOnceAndNothingElse)
{
    copyText("already there");
    launch();
    const auto countReads = pasteboard.changeCountReads();
    const auto otherReads = pasteboard.otherReads();
    const auto viewSets = textView->setCount();
    const auto enabledChanges = clearItem->enabledChanges() + textActionsItem->enabledChanges();

    for (int i = 0; i < 5; ++i)
        tick();

    EXPECT_EQ(pasteboard.changeCountReads(), countReads + 5);
    EXPECT_EQ(pasteboard.otherReads(), otherReads);
    EXPECT_EQ(textView->setCount(), viewSets);
    EXPECT_EQ(clearItem->enabledChanges() + textActionsItem->enabledChanges(), enabledChanges);
    EXPECT_TRUE(center.delivered().empty());
}

struct Outcome {
    const char *name;
    Entries entries;
    std::optional<std::vector<std::string>> fileNames;
    double notifyText;
    double notifyFiles;
    std::string expectedText;
    bool expectNotification;
    bool expectWindowClosed;
    bool expectTextActions;
};

void PrintTo(const Outcome &row, std::ostream *os)
{
    *os << row.name;
}

class PollOutcomeTest : public ControllerFixture, public ::testing::WithParamInterface<Outcome> {
};

TEST_P(PollOutcomeTest, ShowsAndAnnouncesAsTheContentAndPreferencesSay)
{
    const auto &row = GetParam();
    defaults.setValueForKey(row.notifyText, "notifyText");
    defaults.setValueForKey(row.notifyFiles, "notifyFilesAndDirectories");
    launch();
    textView->setString("stale");
    clearItem->setEnabled(false);

    pasteboard.copy({makeItem(row.entries)}, row.fileNames);
    tick();

    EXPECT_EQ(textView->string(), row.expectedText);
    ASSERT_EQ(center.delivered().size(), row.expectNotification ? 1u : 0u);
    if (row.expectNotification) {
        EXPECT_EQ(center.delivered().front()->informativeText, row.expectedText);
    }
    EXPECT_EQ(pasteItemOptionsWindow->orderOutCount(), row.expectWindowClosed ? 1 : 0);
    EXPECT_EQ(textActionsItem->isEnabled(), row.expectTextActions);
    EXPECT_TRUE(clearItem->isEnabled());
    EXPECT_EQ(delegate->changeCount(), pasteboard.changeCount());
}

const std::string files(FilenamesPboardType);
const std::string png = "image/png";

INSTANTIATE_TEST_SUITE_P(
    OutcomeTable, PollOutcomeTest,
    ::testing::Values(
        Outcome{"PlainTextAnnounced", {{plain, "a sentence"}}, std::nullopt, 1, 1, "a sentence", true, false, true},
        Outcome{"PlainTextWithTextOff", {{plain, "quiet"}}, std::nullopt, 0, 1, "quiet", false, false, true},
        Outcome{"HtmlFirstReadsPlain", {{html, "<b>x</b>"}, {plain, "x"}}, std::nullopt, 1, 1, "x", true, false, true},
        Outcome{"RtfFirstWithoutPlainAlwaysAnnounced", {{rtf, "{\\rtf1 x}"}}, std::nullopt, 0, 0, "", true, false, true},
        Outcome{"OneFileGivesItsName", {{files, std::nullopt}}, std::vector<std::string>{"/home/u/notes.txt"}, 1, 1,
                "notes.txt", true, true, false},
        Outcome{"TwoFilesGiveACount", {{files, std::nullopt}}, std::vector<std::string>{"/a", "/b"}, 1, 1,
                "2 files", true, true, false},
        Outcome{"ControlCharactersInANameAreNotShown", {{files, std::nullopt}},
                std::vector<std::string>{"/tmp/two\nlines\x1B[2J\u202Etxt.exe"}, 1, 1,
                "two\uFFFDlines\uFFFD[2J\uFFFDtxt.exe", true, true, false},
        Outcome{"FilesWithPreferenceOff", {{files, std::nullopt}}, std::vector<std::string>{"/a", "/b"}, 1, 0, "",
                false, true, false},
        Outcome{"EmptyFileListGivesEmptyText", {{files, std::nullopt}}, std::vector<std::string>{}, 1, 1, "", true,
                true, false},
        Outcome{"ImageBeforeTextAnnouncedEmptyWhateverThePreferences", {{png, std::nullopt}, {plain, "hidden"}},
                std::nullopt, 0, 0, "", true, false, false},
        Outcome{"ConcealedTextNeverShown", {{plain, "hunter2"}, {concealed, std::nullopt}},
                std::nullopt, 1, 1, "", false, false, true},
        Outcome{"ConcealedFilesNeverShown", {{files, std::nullopt}, {concealed, std::nullopt}},
                std::vector<std::string>{"/secret/key"}, 1, 1, "", false, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::test
