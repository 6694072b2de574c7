#include "platform/pasteboard_types.h"
#include "platform/qt/snapshot_building.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace nimbrel {
namespace {

const std::string text(PasteboardTypeString);
const std::string rtf(PasteboardTypeRTF);
const std::string html(PasteboardTypeHTML);
const std::string files(FilenamesPboardType);
const std::string concealed(PasteboardTypeConcealed);

struct SnapshotCase {
    const char *name;
    OwnerContents contents;
    std::vector<std::string> types;
    std::optional<std::string> plainText;
    std::optional<std::string> rtfText;
    std::optional<std::string> htmlText;
    std::optional<std::vector<std::string>> fileNames;
};

class SnapshotOfOwnerTest : public testing::TestWithParam<SnapshotCase> {};

TEST_P(SnapshotOfOwnerTest, BuildsOneItem)
{
    const SnapshotCase &row = GetParam();
    const ClipboardSnapshot snapshot = snapshotOfOwner(row.contents);
    ASSERT_EQ(snapshot.items.size(), 1u);
    const auto &item = *snapshot.items.front();
    EXPECT_EQ(item.types(), row.types);
    EXPECT_EQ(item.stringForType(PasteboardTypeString), row.plainText);
    EXPECT_EQ(item.stringForType(PasteboardTypeRTF), row.rtfText);
    EXPECT_EQ(item.stringForType(PasteboardTypeHTML), row.htmlText);
    EXPECT_EQ(item.stringForType(FilenamesPboardType), std::nullopt);
    EXPECT_EQ(snapshot.fileNames, row.fileNames);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SnapshotOfOwnerTest,
    testing::Values(
        SnapshotCase{"Utf8Text", {{"TARGETS", "UTF8_STRING", "STRING"}, {{"UTF8_STRING", "h\xC3\xA9llo"}}}, {text},
                     "h\xC3\xA9llo", std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"BestPlainTextFormWins",
                     {{"STRING", "text/plain", "text/plain;charset=utf-8"},
                      {{"STRING", "latin"}, {"text/plain", "plain"}, {"text/plain;charset=utf-8", "utf8"}}},
                     {text}, "utf8", std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"StringIsLatin1", {{"STRING"}, {{"STRING", "caf\xE9"}}}, {text}, "caf\xC3\xA9", std::nullopt,
                     std::nullopt, std::nullopt},
        SnapshotCase{"InvalidUtf8Replaced", {{"text/plain"}, {{"text/plain", "a\xFF" "b"}}}, {text}, "a\xEF\xBF\xBD" "b",
                     std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"NulBytesKept", {{"UTF8_STRING"}, {{"UTF8_STRING", std::string("a\0b", 3)}}}, {text},
                     std::string("a\0b", 3), std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"TypeWithoutBytesHasNoText", {{"UTF8_STRING", "image/png"}, {}}, {text, "image/png"},
                     std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"RichTextAndHtml",
                     {{"text/html", "application/rtf", "UTF8_STRING"},
                      {{"text/html", "<b>x</b>"}, {"application/rtf", "{\\rtf1 x}"}, {"UTF8_STRING", "x"}}},
                     {html, rtf, text}, "x", "{\\rtf1 x}", "<b>x</b>", std::nullopt},
        SnapshotCase{"Utf16Html", {{"text/html"}, {{"text/html", std::string("\xFF\xFE<\0\xE9\0", 6)}}}, {html},
                     std::nullopt, std::nullopt, "<\xC3\xA9", std::nullopt},
        SnapshotCase{"UriListIsFilesAndNoInventedText",
                     {{"text/uri-list"}, {{"text/uri-list", "file:///a\r\nhttps://example.org/\r\n"}}},
                     {files, "text/uri-list"}, std::nullopt, std::nullopt, std::nullopt, std::vector<std::string>{"/a"}},
        SnapshotCase{"RemoteUrisAreNoFiles", {{"text/uri-list"}, {{"text/uri-list", "https://example.org/\r\n"}}},
                     {"text/uri-list"}, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        SnapshotCase{"GnomeCopiedFiles",
                     {{"x-special/gnome-copied-files", "UTF8_STRING"},
                      {{"x-special/gnome-copied-files", "cut\nfile:///b"}, {"UTF8_STRING", "/b"}}},
                     {files, "x-special/gnome-copied-files", text}, "/b", std::nullopt, std::nullopt,
                     std::vector<std::string>{"/b"}},
        SnapshotCase{"NautilusPlainText",
                     {{"UTF8_STRING"}, {{"UTF8_STRING", "x-special/nautilus-clipboard\ncopy\nfile:///c\n"}}},
                     {files, text}, "x-special/nautilus-clipboard\ncopy\nfile:///c\n", std::nullopt, std::nullopt,
                     std::vector<std::string>{"/c"}},
        SnapshotCase{"PasswordManagerSecret",
                     {{"UTF8_STRING", "x-kde-passwordManagerHint"},
                      {{"UTF8_STRING", "hunter2"}, {"x-kde-passwordManagerHint", "secret"}}},
                     {text, concealed}, "hunter2", std::nullopt, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<SnapshotCase> &info) { return std::string(info.param.name); });

TEST(SnapshotOfOwnerTest, OwnerWithoutContentHasNoItems)
{
    EXPECT_TRUE(snapshotOfOwner({}).items.empty());
    EXPECT_TRUE(snapshotOfOwner({{"TARGETS", "MULTIPLE", "TIMESTAMP"}, {}}).items.empty());
}

TEST(TargetsToReadTest, AsksOnlyForWhatTheSnapshotNeeds)
{
    const std::vector<std::string> offered{"STRING",   "text/plain",    "UTF8_STRING", "text/html",
                                           "application/rtf", "text/rtf", "image/png",   "text/uri-list",
                                           "x-kde-passwordManagerHint", "org.nspasteboard.ConcealedType"};
    EXPECT_EQ(targetsToRead(offered), (std::vector<std::string>{"UTF8_STRING", "text/rtf", "text/html", "text/uri-list",
                                                               "x-kde-passwordManagerHint"}));
    EXPECT_EQ(targetsToRead({"STRING", "x-special/gnome-copied-files"}),
              (std::vector<std::string>{"STRING", "x-special/gnome-copied-files"}));
    EXPECT_TRUE(targetsToRead({"image/png", "TARGETS"}).empty());
}

} // namespace
} // namespace nimbrel
