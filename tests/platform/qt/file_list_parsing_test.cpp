#include "platform/qt/file_list_parsing.h"

#include "named_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nimbrel {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

Paths pathOfUri(std::string_view uri)
{
    const std::optional<std::string> path = localPathOfUri(uri);
    return path ? Paths{*path} : Paths{};
}

struct ListCase {
    const char *name;
    Paths (*parse)(std::string_view);
    std::string input;
    Paths expected;
};

class FileListTest : public testing::TestWithParam<ListCase> {};

TEST_P(FileListTest, Parses)
{
    EXPECT_EQ(GetParam().parse(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileListTest,
    testing::Values(
        ListCase{"UriEmptyHost", pathOfUri, "file:///home/a/notes.txt", {"/home/a/notes.txt"}},
        ListCase{"UriLocalhostAnyCase", pathOfUri, "FILE://LocalHost/etc/hosts", {"/etc/hosts"}},
        ListCase{"UriSingleSlash", pathOfUri, "file:/tmp/x", {"/tmp/x"}},
        ListCase{"UriHostWithoutPath", pathOfUri, "file://localhost", {}},
        ListCase{"UriRelative", pathOfUri, "file:notes.txt", {}},
        ListCase{"UriOtherScheme", pathOfUri, "https://example.org/a.txt", {}},
        ListCase{"UriLowerCaseHex", pathOfUri, "file:///%c3%a9t%C3%A9", {"/\xC3\xA9t\xC3\xA9"}},
        ListCase{"UriNulIsNoFileName", pathOfUri, "file:///tmp/a%00b", {}},
        ListCase{"UriInvalidEscapesKept", pathOfUri, "file:///tmp/100%25%zz%4%", {"/tmp/100%%zz%4%"}},
        ListCase{"UriQueryAndFragmentCut", pathOfUri, "file:///tmp/a.txt?x=1#top", {"/tmp/a.txt"}},
        ListCase{"UriNonUtf8Byte", pathOfUri, "file:///tmp/caf%E9", {"/tmp/caf\xEF\xBF\xBD"}},
        ListCase{"UriListCrlf", parseUriList, "file:///a\r\nfile:///b\r\n", {"/a", "/b"}},
        ListCase{"UriListLfWithoutFinalNewline", parseUriList, "file:///a\nfile:///b", {"/a", "/b"}},
        ListCase{"UriListCommentsAndBlankLines", parseUriList, "# copied\r\n\r\nfile:///a\r\n#file:///b\r\n", {"/a"}},
        ListCase{"UriListSkipsRemoteAndOtherSchemes", parseUriList,
                 "https://example.org/\r\nfile://elsewhere/x\r\nfile:///kept\r\ntrash:///gone\r\n", {"/kept"}},
        ListCase{"UriListNewlineInsideEncodedPath", parseUriList, "file:///tmp/a%0Ab\nfile:///c", {"/tmp/a\nb", "/c"}},
        ListCase{"UriListNulByteInData", parseUriList, "file:///a\0b\nfile:///c"s, {"/c"}},
        ListCase{"UriListEndingInNul", parseUriList, "file:///a\r\nfile:///b\0"s, {"/a", "/b"}},
        ListCase{"UriListOfOneEndingInNuls", parseUriList, "file:///a\0\0"s, {"/a"}},
        ListCase{"GnomeEndingInNul", parseGnomeCopiedFiles, "copy\nfile:///a\nfile:///b\0"s, {"/a", "/b"}},
        ListCase{"GnomeCut", parseGnomeCopiedFiles, "cut\r\nfile:///a\r\n", {"/a"}},
        ListCase{"GnomeWithoutOperation", parseGnomeCopiedFiles, "file:///a\nfile:///b", {}},
        ListCase{"GnomeUnknownOperation", parseGnomeCopiedFiles, "move\nfile:///a", {}},
        ListCase{"GnomeOperationOnly", parseGnomeCopiedFiles, "copy", {}},
        ListCase{"NautilusForm", parseNautilusClipboard, "x-special/nautilus-clipboard\ncopy\nfile:///b.txt\n",
                 {"/b.txt"}},
        ListCase{"PlainTextIsNoNautilusForm", parseNautilusClipboard, "copy\nfile:///x", {}},
        ListCase{"NautilusWithoutOperation", parseNautilusClipboard, "x-special/nautilus-clipboard\nfile:///x", {}}),
    rowName);

} // namespace
} // namespace nimbrel
