#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/target_text_decoding.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

// Snapshots of owners' offers, and the parts they are built of: target names folded onto our
// types, file lists, and texts decoded by what their target declares.
namespace nimbrel {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using Names = std::vector<std::string>; // of targets, types or files
using Parser = Names (*)(std::string_view);

// A real program's offer as tests/data/offers records it: targets in the owner's order, and the
// bytes of each that was answered.
OwnerContents recordedOffer(const char *name)
{
    OwnerContents offer;
    QFile file(QStringLiteral(NIMBREL_OFFERS_DIR "/%1.offer").arg(QString::fromUtf8(name)));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('#') || fields.size() != 2)
            continue;
        offer.targets.push_back(fields[0].toStdString());
        if (fields[1].startsWith("base64:"))
            offer.data.emplace(offer.targets.back(), QByteArray::fromBase64(fields[1].mid(7)).toStdString());
    }
    return offer;
}

// Owners list pseudo-targets and private ones anywhere, often first: the item's first type is the
// first one we know, in the owner's order. One recording a path: pseudo and private targets before
// UTF8_STRING, private ones before text/rtf, text/plain;charset=utf-8 first, files before text,
// text/plain first beside a password manager's hint. What every recording announces and which text
// the actions start from is played end to end (tests/e2e/offers.sh); the fuzzer checks the folding
// for any list of targets.
TEST(SnapshotOfOwner, FirstTypeIsTheFirstOneWeKnowAndPseudoTargetsAreNoContent)
{
    const std::pair<const char *, std::string_view> rows[] = {
        {"mousepad-text", PasteboardTypeString}, {"libreoffice-writer-paragraph", PasteboardTypeRTF},
        {"libreoffice-writer-x11-paragraph", PasteboardTypeString}, {"thunar-two-files", FilenamesPboardType},
        {"keepassxc-password", PasteboardTypeString}};
    for (const auto &[recording, firstType] : rows) {
        const ClipboardSnapshot snapshot = snapshotOfOwner(recordedOffer(recording));
        ASSERT_EQ(snapshot.items.size(), 1u) << recording;
        EXPECT_EQ(snapshot.items.front()->types().front(), firstType) << recording;
    }
    // What we do not know never comes first, and pseudo-targets are no content at all. The older
    // Nautilus form of a file list is plain text.
    EXPECT_TRUE(snapshotOfOwner({{"TARGETS", "MULTIPLE", "TIMESTAMP", "LENGTH"}, {}}).items.empty());
    const ClipboardSnapshot image = snapshotOfOwner({{"TARGETS", "LENGTH", "SAVE_TARGETS", "image/png"}, {}});
    EXPECT_EQ(image.items.at(0)->types(), Names{"image/png"});
    const std::string nautilus = "x-special/nautilus-clipboard\ncopy\nfile:///c\n";
    EXPECT_EQ(snapshotOfOwner({{"UTF8_STRING"}, {{"UTF8_STRING", nautilus}}}).fileNames, Names{"/c"});
}

TEST(SnapshotOfOwner, ReadsTheHintFirstThenEachKindBestFirst)
{
    const Names offered{"STRING", "image/png", "text/html", "text/rtf", "application/rtf", "UTF8_STRING", "text/plain",
                        "x-special/gnome-copied-files", "text/uri-list", "x-kde-passwordManagerHint"};
    EXPECT_EQ(targetsToRead(offered),
              (std::vector<Names>{{"x-kde-passwordManagerHint"}, {"UTF8_STRING", "text/plain", "STRING"},
                                  {"text/uri-list", "x-special/gnome-copied-files"}, {"text/html"},
                                  {"text/rtf", "application/rtf"}}));
    // Keeping adds every kept type offered, in the owner's order; with the hint, nothing is kept.
    EXPECT_EQ(targetsToRead(offered, true), targetsToRead(offered));
    const Names kept(offered.begin(), offered.end() - 1);
    std::vector<Names> keeping = targetsToRead(kept);
    for (const std::string &target : kept)
        keeping.push_back({target});
    EXPECT_EQ(targetsToRead(kept, true), keeping);
    EXPECT_EQ(targetsToRead({"GTK_TEXT_BUFFER_CONTENTS", "TEXT", "COMPOUND_TEXT", "SAVE_TARGETS"}, true),
              (std::vector<Names>{{"TEXT"}, {"COMPOUND_TEXT"}}));
}

// What is served once the owner quits: the same bytes under each kept type, in the owner's order,
// under the type the owner answered with (TEXT in the encoding it picked), and nothing when it must
// not be kept.
TEST(KeptContents, KeepsTheSameBytesOfKeptTypesOnly)
{
    const auto formats = [](const OwnerContents &contents) {
        Names named;
        if (const auto offer = keptOffer(contents)) {
            for (const auto &[name, bytes] : offer->formats) {
                const auto type = offer->answerTypes.find(name);
                named.push_back(name + "=" + bytes.str() + (type == offer->answerTypes.end() ? "" : " as " + type->second));
            }
        }
        return named;
    };
    const std::string atBound(maxKeptBytes - 1, 'a');
    const std::tuple<const char *, OwnerContents, Names> rows[] = {
        {"owner's order, private and unread left out",
         {{"GTK_TEXT_BUFFER_CONTENTS", "image/png", "TEXT", "STRING", "UTF8_STRING", "text/html", "COMPOUND_TEXT"},
          {{"GTK_TEXT_BUFFER_CONTENTS", "p"}, {"image/png", "P"}, {"UTF8_STRING", "é"}, {"STRING", "e"},
           {"TEXT", "\x1b%Gé"}, {"COMPOUND_TEXT", "c"}}, false, false,
          {{"TEXT", "COMPOUND_TEXT"}, {"GTK_TEXT_BUFFER_CONTENTS", "GTK_POINTER"}}},
         {"image/png=P", "TEXT=\x1b%Gé as COMPOUND_TEXT", "STRING=e", "UTF8_STRING=é", "COMPOUND_TEXT=c"}},
        {"files",
         {{"text/uri-list", "x-special/gnome-copied-files"}, {{"text/uri-list", "u"}, {"x-special/gnome-copied-files", "g"}}},
         {"text/uri-list=u", "x-special/gnome-copied-files=g"}},
        {"a secret", {{"UTF8_STRING", "x-kde-passwordManagerHint"}, {{"UTF8_STRING", "pw"}}}, {}},
        {"cut short by the limits", {{"UTF8_STRING"}, {{"UTF8_STRING", "a"}}, true}, {}},
        {"a type too large to read", {{"UTF8_STRING", "STRING"}, {{"UTF8_STRING", "a"}}, true, true}, {}},
        {"nothing kept read", {{"UTF8_STRING", "application/x-private"}, {{"application/x-private", "p"}}}, {}},
        {"one byte over the bound", {{"UTF8_STRING", "STRING"}, {{"UTF8_STRING", atBound}, {"STRING", "ab"}}}, {}},
    };
    for (const auto &[name, contents, expected] : rows) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(formats(contents), expected) << name;
        // Only a copy too large to keep is said to be so: the user would expect it kept.
        const bool tooLarge = name == "one byte over the bound"sv || name == "a type too large to read"sv;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  tooLarge ? "nimbrel: a copy of more than 32 MiB is not kept when the program that copied it quits\n" : "")
            << name;
    }
    EXPECT_EQ(formats({{"UTF8_STRING", "STRING"}, {{"UTF8_STRING", atBound}, {"STRING", "a"}}}).size(), 2u);
    // One text under several names is held, and counted, once.
    const auto shared = keptOffer({{"UTF8_STRING", "text/plain;charset=utf-8", "STRING"},
                                   {{"UTF8_STRING", atBound}, {"text/plain;charset=utf-8", atBound}, {"STRING", "a"}}});
    ASSERT_TRUE(shared);
    EXPECT_EQ(&shared->find("UTF8_STRING")->str(), &shared->find("text/plain;charset=utf-8")->str());
    EXPECT_EQ(shared->find("STRING")->str(), "a");
    EXPECT_EQ(keptRoom({{"STRING", "x-private"}, {{"STRING", "ab"}, {"x-private", "cd"}}}), maxKeptBytes - 2);
    // The snapshot's text is the kept bytes themselves where they are its text, and its own where
    // they had to be decoded.
    for (const std::string_view target : {"UTF8_STRING", "STRING"}) {
        const OwnerContents contents{{std::string(target)}, {{std::string(target), "café"}}};
        const auto kept = keptOffer(contents);
        ASSERT_TRUE(kept);
        const std::optional<SharedText> text = snapshotOfOwner(contents, kept.get()).items.at(0)->stringForType(PasteboardTypeString);
        ASSERT_TRUE(text);
        EXPECT_EQ(&text->str() == &kept->find(target)->str(), target == "UTF8_STRING") << target;
        EXPECT_EQ(text->str(), target == "UTF8_STRING" ? "café" : "cafÃ©") << target;
    }
}

// Only what a target declares decides how its bytes are read; the recorded offers above read real
// programs' UTF-8, Latin-1 and UTF-16 through here as well.
TEST(TargetTextDecoding, GivesValidUtf8)
{
    const std::tuple<const char *, std::string, std::string, std::string> rows[] = { // name, target, bytes, text
        {"byte 0x80 in UTF8_STRING", "UTF8_STRING", "a\x80", "a\uFFFD"},
        {"byte 0x80 in STRING", "STRING", "a\x80", "a\u0080"},
        {"Latin-1 looking like UTF-16", "STRING", "\xFF\xFE caf\xE9", "ÿþ café"},
        {"UTF-16 big-endian mark", "text/plain;charset=UTF-16", "\xFE\xFF\0h"s, "h"},
        {"UTF-16 HTML by its mark", "text/html", "\xFF\xFE<\0\xE9\0"s, "<é"},
        {"UTF-16 surrogate pair", "text/plain;charset=utf-16", "\x3D\xD8\x00\xDE"s, "😀"},
        {"UTF-16 lone surrogate and odd byte", "text/plain;charset=utf-16", "\x3D\xD8x", "\uFFFD\uFFFD"},
    };
    for (const auto &[name, target, bytes, expected] : rows)
        EXPECT_EQ(decodedTargetText(target, bytes), expected) << name;
}

// The fuzzer checks what holds for any input (only local absolute paths, valid UTF-8, the same
// list under either file manager's header); these rows pin down the forms owners really send.
TEST(FileListParsing, FindsTheLocalFilesOfEachForm)
{
    const std::tuple<const char *, Parser, std::string, Names> rows[] = { // name, parser, text, files
        {"URI with localhost in any case", parseUriList, "FILE://LocalHost/etc/hosts", {"/etc/hosts"}},
        {"URI with one slash", parseUriList, "file:/tmp/x", {"/tmp/x"}},
        {"URI of a host without a path", parseUriList, "file://localhost", {}},
        {"URI escapes in lower case, bad ones kept", parseUriList, "file:///%c3%a9/100%25%zz%4%", {"/é/100%%zz%4%"}},
        {"URI query and fragment cut", parseUriList, "file:///tmp/a.txt?x=1#top", {"/tmp/a.txt"}},
        {"list by CRLF and LF", parseUriList, "file:///a\r\nfile:///b\nfile:///c", {"/a", "/b", "/c"}},
        {"list without comments, remote and other schemes", parseUriList,
         "# copied\r\n\r\nhttps://e.org/\r\nfile://elsewhere/x\r\nfile:///kept\r\n#file:///b\r\n", {"/kept"}},
        {"list ending in NULs; one inside spoils its line", parseUriList, "file:///x\0y\nfile:///a\nfile:///b\0\0"s,
         {"/a", "/b"}},
        {"GNOME without an operation", parseGnomeCopiedFiles, "file:///a\nfile:///b", {}},
    };
    for (const auto &[name, parse, text, expected] : rows)
        EXPECT_EQ(parse(text), expected) << name;
}

} // namespace
} // namespace nimbrel
