// The text actions on rich copies as real programs make them (tests/data/offers): what a person
// sees once the result is pasted. Every action keeps each document's markup piece for piece and
// the plain text's lines and cells; the rows say what the text becomes where it matters.
#include "support/controller_fixture.h"
#include "support/recorded_offer.h"

#include "textactions/rich_document.h"

#include <algorithm>
#include <tuple>

namespace nimbrel::test {
namespace {

// HTML's whitespace as browsers show it: a run of it as one space.
std::string asBrowsersShow(std::string_view text)
{
    std::string shown;
    for (const char byte : text) {
        const bool space = byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f';
        if (!space)
            shown += byte;
        else if (!shown.empty() && shown.back() != ' ')
            shown += ' ';
    }
    return shown;
}

// name, recording, action, and texts each result must hold: the rich one's blocks, one a line, and
// the plain text
using RecordedRow =
    std::tuple<const char *, std::string, const char *, std::vector<std::string>, std::vector<std::string>>;
using RecordedOfferTest = ControllerRowTest<RecordedRow>;

TEST_P(RecordedOfferTest, KeepsMarkupLinesAndCellsAndChangesTheShownText)
{
    const auto &[name, recording, title, shownRich, shownPlain] = GetParam();
    Entries entries;
    for (const auto &[type, target] : {std::pair{rtf, "text/rtf"}, std::pair{html, "text/html"}}) {
        std::string document = recordedTarget(recording, target);
        if (!document.empty())
            entries.emplace_back(type, std::move(document));
    }
    const std::string plainText = recordedTarget(recording, "UTF8_STRING");
    ASSERT_FALSE(plainText.empty());
    entries.emplace_back(plain, plainText);
    copy(entries);
    launch();
    ASSERT_EQ(runTextAction(title), true);
    const auto &written = *pasteboard.items().front();

    std::string shown;
    for (const auto &[type, source] : entries) {
        if (type == plain)
            continue;
        const auto document = written.stringForType(type);
        ASSERT_TRUE(document) << type;
        const RichFormat format = type == html ? RichFormat::html : RichFormat::rtf;
        EXPECT_EQ(documentMarkup(format, *document), documentMarkup(format, *source)) << type;
        for (const auto &block : documentBlocks(format, *document).value_or(std::vector<std::string>{}))
            shown += (format == RichFormat::html ? asBrowsersShow(block) : block) + "\n";
    }
    for (const auto &text : shownRich)
        EXPECT_NE(shown.find(text), std::string::npos) << text << " not in:\n" << shown;

    const std::string result = written.stringForType(plain)->str();
    for (const char separator : {'\n', '\t'})
        EXPECT_EQ(std::count(result.begin(), result.end(), separator),
                  std::count(plainText.begin(), plainText.end(), separator));
    for (const auto &text : shownPlain)
        EXPECT_NE(result.find(text), std::string::npos) << text << " not in:\n" << result;
}

const std::string firefox = "firefox-esr-wrapped-page";
const std::string writer = "libreoffice-writer-footnote-list-table";
const std::string calc = "libreoffice-calc-range";

INSTANTIATE_TEST_SUITE_P(
    Rows, RecordedOfferTest, ::testing::Values(
        RecordedRow{"FirefoxRemoveAllWhitespace", firefox, "Remove all whitespace",
                    {"AmSamstagführtunsdieWanderungüber10kmamRheinuferentlang,vorbei", "seethelinkandboldwordshere."},
                    {"\n\nAmSamstagführtunsdieWanderungüber10kmamRheinuferentlang,vorbei", "Strecke\t10km\n"}},
        RecordedRow{"FirefoxSnakecase", firefox, "Snakecase",
                    {"Am_Samstag_führt_uns_die_Wanderung_über_10_km_am_Rheinufer_entlang,_vorbei",
                     "see_the_link_and_bold_words_here."},
                    {"willkommen;_see_the_link_and_bold_words_here.\n\nRucksack_mit_Proviant_und_Regenjacke\n",
                     "Dauer\tungefähr_drei_Stunden\n"}},
        RecordedRow{"WriterSnakecase", writer, "Snakecase",
                    {"Treffpunkt_vor_dem_Café_Müller.", "Rucksack_mit_Proviant\n", "\nStrecke\n10_km\n",
                     "die_Führung._Bitte_pünktlich_sein.\n", "die_Führung.1_Bitte_pünktlich_sein.\n"},
                    {"Führung.1_Bitte_pünktlich_sein.\nZweiter_Absatz:", "•_Rucksack_mit_Proviant\n",
                     "\nStrecke\n10_km\nDauer\ndrei_Stunden\nEnde."}},
        RecordedRow{"WriterRemoveAllWhitespace", writer, "Remove all whitespace",
                    {"TreffpunktvordemCaféMüller.", "übernimmtdieFührung.1Bittepünktlichsein."},
                    {"10kmamRheinentlang,undDr.MeierübernimmtdieFührung.1Bitte", "\n•Regenjacke\n"}},
        RecordedRow{"CalcSnakecase", calc, "Snakecase", {"\nfirst_name\ncity_name\n", "\npaid_in_full\n"},
                    {"first_name\tcity_name\tamount\tnote\nAnna_Maria\tBad_Homburg\t12,50\tpaid_in_full\n"}},
        RecordedRow{"CalcRemoveAllWhitespace", calc, "Remove all whitespace", {"\nnochoffen–bittemahnen\n"},
                    {"JürgenWeiß\tFrankfurtamMain\t7,00\tnochoffen–bittemahnen\n"}},
        RecordedRow{"CalcUppercase", calc, "Uppercase", {"\nJÜRGEN WEISS\n"}, {"\nJÜRGEN WEISS\tFRANKFURT AM MAIN"}},
        RecordedRow{"CalcCapitalize", calc, "Capitalize", {"\nPaid In Full\n"}, {"First Name\tCity Name"}}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });

} // namespace
} // namespace nimbrel::test
