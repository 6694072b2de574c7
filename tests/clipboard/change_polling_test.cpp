#include "support/controller_fixture.h"

namespace nimbrel::test {
namespace {

using ChangePollingTest = ControllerFixture;
using Names = std::vector<std::string>;
const std::string files(FilenamesPboardType);
const Entries fileList{{files, std::nullopt}};

// A tick without a change reads the change count once and nothing else. A change announced
// replaces the announcement before it (clicking one and its other button are checked through
// message dispatch); the announcement's own texts reach the user through the translation, a count
// of files in the plural form of the user's language, while what was copied, a file's name
// included, is shown as it is. A destroyed controller leaves the centre no delegate to call.
TEST_F(ChangePollingTest, UnchangedTickReadsOnlyTheChangeCountAndEachPostReplacesTheEarlierOneInTheUsersLanguage)
{
    translation.add("Notification", "Nimbrel!", "[de] Nimbrel!");
    translation.add("Notification", "Clear formatting", "Formatierung entfernen");
    translation.add("Notification", " files", "%n Dateien");
    translation.add("Notification", "notes.txt", "Notizen.txt");
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

    copyText("first");
    tick();
    copyText("second");
    tick();
    ASSERT_EQ(center.listed().size(), 1u);
    EXPECT_EQ(center.listed().front()->informativeText, "second");
    EXPECT_EQ(center.removals(), 1);
    EXPECT_FALSE(center.listed().front()->hasActionButton);
    for (const auto &[names, body] :
         {std::pair{Names{"/a", "/b", "/c"}, "3 Dateien"}, {Names{"/notes.txt"}, "notes.txt"}}) {
        pasteboard.copy({makeItem(fileList)}, names);
        tick();
        const auto &posted = *center.listed().back();
        EXPECT_EQ(posted.informativeText, body);
        EXPECT_EQ(posted.title, "[de] Nimbrel!");
        EXPECT_EQ(posted.otherButtonTitle, "Formatierung entfernen");
    }
    delegate.reset();
    EXPECT_EQ(center.delegate(), nullptr);
}

// name, clipboard, file names, notifyText, notifyFilesAndDirectories, the text shown, announced,
// the options window closed, text actions enabled
using Outcome = std::tuple<const char *, Entries, std::optional<Names>, double, double, std::string, bool, bool, bool>;
using PollOutcomeTest = ControllerRowTest<Outcome>;

TEST_P(PollOutcomeTest, ShowsAndAnnouncesAsTheContentAndPreferencesSay)
{
    const auto &[name, entries, fileNames, notifyText, notifyFiles, shown, announced, windowClosed, textActions] =
        GetParam();
    defaults.setValueForKey(notifyText, "notifyText");
    defaults.setValueForKey(notifyFiles, "notifyFilesAndDirectories");
    launch();
    textView->setString("stale");
    clearItem->setEnabled(false);

    pasteboard.copy({makeItem(entries)}, fileNames);
    tick();

    EXPECT_EQ(textView->string(), shown);
    ASSERT_EQ(center.delivered().size(), announced ? 1u : 0u);
    if (announced) {
        EXPECT_EQ(center.delivered().front()->informativeText, shown);
    }
    EXPECT_EQ(pasteItemOptionsWindow->orderOutCount(), windowClosed ? 1 : 0);
    EXPECT_EQ(textActionsItem->isEnabled(), textActions);
    EXPECT_TRUE(clearItem->isEnabled());
    EXPECT_EQ(delegate->changeCount(), pasteboard.changeCount());
}

const Outcome outcomes[] = {
    {"PlainTextWithTextOff", {{plain, "quiet"}}, std::nullopt, 0, 1, "quiet", false, false, true},
    {"HtmlFirstReadsPlain", {{html, "<b>x</b>"}, {plain, "x"}}, std::nullopt, 1, 1, "x", true, false, true},
    {"RtfFirstWithoutPlainAlwaysAnnounced", {{rtf, "{\\rtf1 x}"}}, std::nullopt, 0, 0, "", true, false, true},
    {"OneFileGivesItsName", fileList, Names{"/home/u/notes.txt"}, 1, 1, "notes.txt", true, true, false},
    {"TwoFilesGiveACount", fileList, Names{"/a", "/b"}, 1, 1, "2 files", true, true, false},
    {"ControlCharactersInANameAreNotShown", fileList, Names{"/tmp/two\nlines\x1B[2J\u202Etxt.exe"}, 1, 1,
     "two\uFFFDlines\uFFFD[2J\uFFFDtxt.exe", true, true, false},
    {"FilesWithPreferenceOff", fileList, Names{"/a", "/b"}, 1, 0, "", false, true, false},
    {"EmptyFileListGivesEmptyText", fileList, Names{}, 1, 1, "", true, true, false},
    {"ImageBeforeTextAnnouncedEmptyWhateverThePreferences", {{"image/png", std::nullopt}, {plain, "hidden"}},
     std::nullopt, 0, 0, "", true, false, false},
    {"ConcealedTextNeverShown", {{plain, "hunter2"}, {concealed, std::nullopt}}, std::nullopt, 1, 1, "", false, false,
     true},
    {"ConcealedFilesNeverShown", {{files, std::nullopt}, {concealed, std::nullopt}}, Names{"/secret/key"}, 1, 1, "",
     false, false, false},
};

INSTANTIATE_TEST_SUITE_P(OutcomeTable, PollOutcomeTest, ::testing::ValuesIn(outcomes),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

} // namespace
} // namespace nimbrel::test
