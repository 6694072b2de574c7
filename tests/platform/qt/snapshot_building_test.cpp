#include "platform/pasteboard_types.h"
#include "platform/qt/file_list_parsing.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/target_text_decoding.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// Snapshots of owners' offers, and the parts they are built of: target names folded onto our
// types, file lists, and texts decoded by what their target declares.
namespace nimbrel {
namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>; // of targets, types or files
using Parser = Names (*)(std::string_view);

const std::string fourLines = "Grüße aus Köln – naïve café\nZweite Zeile: 10 € für die Crème brûlée\n"
                              "\tEingerückt: „Anführung“ und ‘einfach’ — ok\n日本語のテキスト 🙂\n";
const std::string paragraph =
    "Grüße aus Köln – wir treffen uns im Café Müller am Montag; bitte pünktlich sein, naïve Gäste!";
const std::string xtermLine2 = "\n  ls -l \"/tmp/Bericht März.pdf\" # tab before the comment\n";
const std::string zwei = "/tmp/rec/home/Dokumente/zwei/";

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

// Each recorded offer, also with the owner refusing the best targets of a kind (the readers' turn
// to the next alternative is tested end to end, in tests/e2e/real_offers.sh). Owners list
// pseudo-targets and private ones anywhere, often first: the item's first type is one we know when
// the owner offers one. The fuzzer checks the folding for any list of targets.
TEST(SnapshotOfOwner, BuildsTheItemTheOwnerMeant)
{
    const struct {
        const char *recording;
        Names refused;
        std::string_view firstType;
        std::optional<std::string> plainText;
        std::size_t fileCount = 0;
        bool concealed = false;
    } rows[] = {
        {"mousepad-text", {}, PasteboardTypeString, fourLines},
        {"libreoffice-writer-paragraph", {}, PasteboardTypeRTF, paragraph},
        {"libreoffice-writer-paragraph", {"UTF8_STRING", "text/plain;charset=utf-8"}, PasteboardTypeRTF, paragraph},
        {"libreoffice-writer-x11-paragraph", {}, PasteboardTypeString, paragraph},
        {"chromium-page", {}, PasteboardTypeString,
         "Grüße aus Köln\nEin naïve Rezept für Crème brûlée – siehe die Rezeptseite.\n\nZucker: 100 g\nSahne: ½ Liter"},
        {"featherpad-text", {}, PasteboardTypeString, fourLines.substr(0, fourLines.find("\n\t"))},
        {"focuswriter-text", {}, PasteboardTypeRTF, fourLines},
        {"xterm-text", {}, PasteboardTypeString, "Grüße aus Köln – naïve café" + xtermLine2},
        {"xterm-text", {"UTF8_STRING"}, PasteboardTypeString, "Grüße aus Köln ? naïve café" + xtermLine2},
        {"pcmanfm-one-file", {}, FilenamesPboardType, std::nullopt, 1},
        {"pcmanfm-cut-one-file", {}, FilenamesPboardType, std::nullopt, 1},
        {"pcmanfm-three-files", {}, FilenamesPboardType, std::nullopt, 3},
        {"pcmanfm-three-files", {"text/uri-list"}, FilenamesPboardType, std::nullopt, 3},
        {"thunar-one-file", {}, FilenamesPboardType, "/tmp/rec/home/Dokumente/eins/Grüße aus Köln.txt", 1},
        {"thunar-two-files", {}, FilenamesPboardType,
         zwei + "Bericht März.pdf\nfile://" + zwei + "zwei%0Azeilen.txt", 2},
        {"nautilus-two-files", {}, FilenamesPboardType, zwei + "Bericht März.pdf " + zwei + "zwei\nzeilen.txt", 2},
        {"keepassxc-password", {}, PasteboardTypeString, "Kö1n-Paß#2024", 0, true},
        {"keepassxc-password", {"x-kde-passwordManagerHint"}, PasteboardTypeString, "Kö1n-Paß#2024", 0, true},
        {"keepassxc-password-cleared", {}, PasteboardTypeString, "", 0, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.recording << ", refusing " << testing::PrintToString(row.refused));
        OwnerContents offer = recordedOffer(row.recording);
        for (const std::string &refused : row.refused)
            offer.data.erase(refused);
        const ClipboardSnapshot snapshot = snapshotOfOwner(std::move(offer));
        ASSERT_EQ(snapshot.items.size(), 1u);
        const Names types = snapshot.items.front()->types();
        EXPECT_EQ(types.front(), row.firstType);
        EXPECT_EQ(snapshot.items.front()->stringForType(PasteboardTypeString), row.plainText);
        EXPECT_EQ(snapshot.fileNames.value_or(Names{}).size(), row.fileCount);
        EXPECT_EQ(std::count(types.begin(), types.end(), PasteboardTypeConcealed), row.concealed ? 1 : 0);
    }
}

// What we do not know never comes first, and pseudo-targets are no content at all. The older
// Nautilus form of a file list is plain text.
TEST(SnapshotOfOwner, KnowsPseudoTargetsAndFilesInPlainText)
{
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
