#include "platform/qt/file_list_parsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace nimbrel {
namespace {

using Paths = std::vector<std::string>;

struct UriCase {
    const char *name;
    std::string uri;
    std::optional<std::string> expected;
};

void PrintTo(const UriCase &row, std::ostream *out)
{
    *out << row.name;
}

class LocalPathOfUriTest : public testing::TestWithParam<UriCase> {};

TEST_P(LocalPathOfUriTest, Decodes)
{
    EXPECT_EQ(localPathOfUri(GetParam().uri), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LocalPathOfUriTest,
    testing::Values(UriCase{"EmptyHost", "file:///home/a/notes.txt", "/home/a/notes.txt"},
                    UriCase{"LocalhostAnyCase", "FILE://LocalHost/etc/hosts", "/etc/hosts"},
                    UriCase{"SingleSlash", "file:/tmp/x", "/tmp/x"},
                    UriCase{"RemoteHost", "file://server/share/x", std::nullopt},
                    UriCase{"HostWithoutPath", "file://localhost", std::nullopt},
                    UriCase{"Relative", "file:notes.txt", std::nullopt},
                    UriCase{"OtherScheme", "https://example.org/a.txt", std::nullopt},
                    UriCase{"NotAUri", "/home/a/notes.txt", std::nullopt},
                    UriCase{"Spaces", "file:///home/a/My%20Notes.txt", "/home/a/My Notes.txt"},
                    UriCase{"EncodedSlash", "file:///a%2Fb", "/a/b"},
                    UriCase{"LowerCaseHex", "file:///%c3%a9t%C3%A9", "/\xC3\xA9t\xC3\xA9"},
                    UriCase{"EncodedNewline", "file:///tmp/two%0Alines", "/tmp/two\nlines"},
                    UriCase{"NulIsNoFileName", "file:///tmp/a%00b", std::nullopt},
                    UriCase{"InvalidEscapesKept", "file:///tmp/100%25%zz%4%", "/tmp/100%%zz%4%"},
                    UriCase{"QueryAndFragmentCut", "file:///tmp/a.txt?x=1#top", "/tmp/a.txt"},
                    UriCase{"NonUtf8Byte", "file:///tmp/caf%E9", "/tmp/caf\xEF\xBF\xBD"},
                    UriCase{"RawNonUtf8Byte", "file:///tmp/caf\xE9", "/tmp/caf\xEF\xBF\xBD"}),
    [](const testing::TestParamInfo<UriCase> &info) { return std::string(info.param.name); });

struct ListCase {
    const char *name;
    Paths (*parse)(std::string_view);
    std::string input;
    Paths expected;
};

void PrintTo(const ListCase &row, std::ostream *out)
{
    *out << row.name;
}

class FileListTest : public testing::TestWithParam<ListCase> {};

TEST_P(FileListTest, Parses)
{
    EXPECT_EQ(GetParam().parse(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileListTest,
    testing::Values(
        ListCase{"UriListCrlf", parseUriList, "file:///a\r\nfile:///b\r\n", {"/a", "/b"}},
        ListCase{"UriListLfWithoutFinalNewline", parseUriList, "file:///a\nfile:///b", {"/a", "/b"}},
        ListCase{"UriListCommentsAndBlankLines", parseUriList, "# copied\r\n\r\nfile:///a\r\n#file:///b\r\n", {"/a"}},
        ListCase{"UriListSkipsRemoteAndOtherSchemes", parseUriList,
                 "https://example.org/\r\nfile://elsewhere/x\r\nfile:///kept\r\ntrash:///gone\r\n", {"/kept"}},
        ListCase{"UriListEmpty", parseUriList, "", {}},
        ListCase{"UriListNewlineInsideEncodedPath", parseUriList, "file:///tmp/a%0Ab\nfile:///c", {"/tmp/a\nb", "/c"}},
        ListCase{"UriListNulByteInData", parseUriList, std::string("file:///a\0b\nfile:///c", 21), {"/c"}},
        ListCase{"UriListEndingInNul", parseUriList, std::string("file:///a\r\nfile:///b\0", 22), {"/a", "/b"}},
        ListCase{"UriListOfOneEndingInNuls", parseUriList, std::string("file:///a\0\0", 11), {"/a"}},
        ListCase{"GnomeEndingInNul", parseGnomeCopiedFiles, std::string("copy\nfile:///a\nfile:///b\0", 25),
                 {"/a", "/b"}},
        ListCase{"GnomeCopy", parseGnomeCopiedFiles, "copy\nfile:///a\nfile:///b", {"/a", "/b"}},
        ListCase{"GnomeCut", parseGnomeCopiedFiles, "cut\r\nfile:///a\r\n", {"/a"}},
        ListCase{"GnomeWithoutOperation", parseGnomeCopiedFiles, "file:///a\nfile:///b", {}},
        ListCase{"GnomeUnknownOperation", parseGnomeCopiedFiles, "move\nfile:///a", {}},
        ListCase{"GnomeOperationOnly", parseGnomeCopiedFiles, "copy", {}},
        ListCase{"NautilusForm", parseNautilusClipboard, "x-special/nautilus-clipboard\ncopy\nfile:///home/a/b.txt\n",
                 {"/home/a/b.txt"}},
        ListCase{"PlainTextIsNoNautilusForm", parseNautilusClipboard, "copy\nfile:///x", {}},
        ListCase{"NautilusFormWithoutOperation", parseNautilusClipboard, "x-special/nautilus-clipboard\nfile:///x", {}}),
    [](const testing::TestParamInfo<ListCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel
