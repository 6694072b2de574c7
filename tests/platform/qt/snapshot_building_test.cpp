#include "platform/pasteboard_types.h"
#include "platform/qt/snapshot_building.h"
#include "named_rows.h"
#include "recorded_offer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {
namespace {

const std::string text(PasteboardTypeString);
const std::string rtf(PasteboardTypeRTF);
const std::string files(FilenamesPboardType);
const std::string fourLines = "Grüße aus Köln – naïve café\nZweite Zeile: 10 € für die Crème brûlée\n"
                              "\tEingerückt: „Anführung“ und ‘einfach’ — ok\n日本語のテキスト 🙂\n";
const std::string twoLines = fourLines.substr(0, fourLines.find("\n\t"));
const std::string writerParagraph =
    "Grüße aus Köln – wir treffen uns im Café Müller am Montag; bitte pünktlich sein, naïve Gäste!";
const std::string xtermLine2 = "\n  ls -l \"/tmp/Bericht März.pdf\" # tab before the comment\n";
const std::string zwei = "/tmp/rec/home/Dokumente/zwei/";

struct OfferCase {
    const char *name;
    RecordedOffer offer;
    std::vector<std::string> refused;
    std::string firstType;
    std::optional<std::string> plainText;
    std::size_t fileCount = 0;
    bool concealed = false;
};

// What the reader gets: of each group of alternatives, the first one the owner answers.
OwnerContents readFrom(const RecordedOffer &offer, const std::vector<std::string> &refused)
{
    OwnerContents contents{offer.targets, {}};
    for (const std::vector<std::string> &alternatives : targetsToRead(offer.targets)) {
        for (const std::string &target : alternatives) {
            const std::optional<std::string> &value = offer.values.at(target);
            if (value && std::find(refused.begin(), refused.end(), target) == refused.end()) {
                contents.data.emplace(target, *value);
                break;
            }
        }
    }
    return contents;
}

class SnapshotOfOwnerTest : public testing::TestWithParam<OfferCase> {};

TEST_P(SnapshotOfOwnerTest, BuildsTheItemTheOwnerMeant)
{
    const OfferCase &row = GetParam();
    ASSERT_FALSE(row.offer.targets.empty());
    const ClipboardSnapshot snapshot = snapshotOfOwner(readFrom(row.offer, row.refused));
    ASSERT_EQ(snapshot.items.size(), 1u);
    const std::vector<std::string> types = snapshot.items.front()->types();
    EXPECT_EQ(types.front(), row.firstType);
    EXPECT_EQ(snapshot.items.front()->stringForType(PasteboardTypeString), row.plainText);
    EXPECT_EQ(snapshot.fileNames.value_or(std::vector<std::string>{}).size(), row.fileCount);
    EXPECT_EQ(std::count(types.begin(), types.end(), PasteboardTypeConcealed), row.concealed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SnapshotOfOwnerTest,
    testing::Values(
        OfferCase{"Mousepad", recordedOffer("mousepad-text"), {}, text, fourLines},
        OfferCase{"WriterGtk", recordedOffer("libreoffice-writer-paragraph"), {}, rtf, writerParagraph},
        OfferCase{"WriterGtkOnlyUtf16", recordedOffer("libreoffice-writer-paragraph"),
                  {"UTF8_STRING", "text/plain;charset=utf-8"}, rtf, writerParagraph},
        OfferCase{"WriterX11", recordedOffer("libreoffice-writer-x11-paragraph"), {}, text, writerParagraph},
        OfferCase{"Chromium", recordedOffer("chromium-page"), {}, text,
                  "Grüße aus Köln\nEin naïve Rezept für Crème brûlée – siehe die Rezeptseite.\n\n"
                  "Zucker: 100 g\nSahne: ½ Liter"},
        OfferCase{"FeatherPad", recordedOffer("featherpad-text"), {}, text, twoLines},
        OfferCase{"FocusWriter", recordedOffer("focuswriter-text"), {}, rtf, fourLines},
        OfferCase{"Xterm", recordedOffer("xterm-text"), {}, text, "Grüße aus Köln – naïve café" + xtermLine2},
        OfferCase{"XtermLatin1Only", recordedOffer("xterm-text"), {"UTF8_STRING"}, text,
                  "Grüße aus Köln ? naïve café" + xtermLine2},
        OfferCase{"PcmanfmOneFile", recordedOffer("pcmanfm-one-file"), {}, files, std::nullopt, 1},
        OfferCase{"PcmanfmCutOneFile", recordedOffer("pcmanfm-cut-one-file"), {}, files, std::nullopt, 1},
        OfferCase{"PcmanfmThreeFiles", recordedOffer("pcmanfm-three-files"), {}, files, std::nullopt, 3},
        OfferCase{"PcmanfmGnomeFormOnly", recordedOffer("pcmanfm-three-files"), {"text/uri-list"}, files,
                  std::nullopt, 3},
        OfferCase{"ThunarOneFile", recordedOffer("thunar-one-file"), {}, files,
                  "/tmp/rec/home/Dokumente/eins/Grüße aus Köln.txt", 1},
        OfferCase{"ThunarTwoFiles", recordedOffer("thunar-two-files"), {}, files,
                  zwei + "Bericht März.pdf\nfile://" + zwei + "zwei%0Azeilen.txt", 2},
        OfferCase{"NautilusTwoFiles", recordedOffer("nautilus-two-files"), {}, files,
                  zwei + "Bericht März.pdf " + zwei + "zwei\nzeilen.txt", 2},
        OfferCase{"KeePassXC", recordedOffer("keepassxc-password"), {}, text, "Kö1n-Paß#2024", 0, true},
        OfferCase{"KeePassXCHintNotGiven", recordedOffer("keepassxc-password"), {"x-kde-passwordManagerHint"}, text,
                  "Kö1n-Paß#2024", 0, true},
        OfferCase{"KeePassXCCleared", recordedOffer("keepassxc-password-cleared"), {}, text, "", 0, true},
        OfferCase{"OnlyAnImage", {{"TARGETS", "image/png"}, {{"TARGETS", {}}, {"image/png", "\x89PNG"}}}, {},
                  "image/png", std::nullopt},
        OfferCase{"RemoteUrisAreNoFiles", {{"text/uri-list"}, {{"text/uri-list", "https://example.org/\r\n"}}}, {},
                  "text/uri-list", std::nullopt},
        OfferCase{"NautilusPlainTextForm",
                  {{"UTF8_STRING"}, {{"UTF8_STRING", "x-special/nautilus-clipboard\ncopy\nfile:///c\n"}}}, {},
                  files, "x-special/nautilus-clipboard\ncopy\nfile:///c\n", 1}),
    rowName);

TEST(SnapshotOfOwnerTest, OwnerWithoutContentHasNoItems)
{
    EXPECT_TRUE(snapshotOfOwner({}).items.empty());
    EXPECT_TRUE(snapshotOfOwner({{"TARGETS", "MULTIPLE", "TIMESTAMP", "LENGTH"}, {}}).items.empty());
}

TEST(TargetsToReadTest, HintFirstThenEachKindBestFirst)
{
    const std::vector<std::string> offered{"STRING", "image/png", "text/html", "text/rtf", "application/rtf",
                                           "UTF8_STRING", "x-special/gnome-copied-files", "text/plain",
                                           "text/uri-list", "x-kde-passwordManagerHint"};
    EXPECT_EQ(targetsToRead(offered), (std::vector<std::vector<std::string>>{
                                          {"x-kde-passwordManagerHint"},
                                          {"UTF8_STRING", "text/plain", "STRING"},
                                          {"text/uri-list", "x-special/gnome-copied-files"},
                                          {"text/html"},
                                          {"text/rtf", "application/rtf"}}));
    EXPECT_TRUE(targetsToRead({"image/png", "TARGETS"}).empty());
}

} // namespace
} // namespace nimbrel
