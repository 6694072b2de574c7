#include "textactions/rich_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace nimbrel {
namespace {

// name, format, transformation, source, the rewritten document (nullopt: not one the reader rewrites)
using DocumentRow = std::tuple<const char *, RichFormat, Transformation, std::string, std::optional<std::string>>;

using enum RichFormat;
using enum Transformation;

TEST(DocumentRewrite, ChangesTheTextAsShownAndKeepsTheMarkup)
{
    const DocumentRow rows[] = {
        // Browsers and LibreOffice wrap their source; a line end and a no-break space show as spaces.
        {"RemoveAllWhitespaceTakesWrappedLineEndsAndNoBreakSpaces", html, removeAllSpaces,
            "<p>one\ntwo<b>bold&nbsp;word</b>\r\nthree\xC2\xA0" "four</p>", "<p>onetwo<b>boldword</b>threefour</p>"},
        {"SeparatorStaysWhereTheSpaceWasNotInsideTheNextElement", html, snakeCase,
            "<p>see <a href=\"x\">the link</a> and <b>bold</b> here</p>",
            "<p>see_<a href=\"x\">the_link</a>_and_<b>bold</b>_here</p>"},
        // Quotes share their first byte with the line separator, which still ends the line.
        {"LineSeparatorAfterQuotesDropsTheSeparatorBeforeIt", html, snakeCase,
            "<p>\u201Ea\u201C <b>b </b>\u2028c</p>", "<p>\u201Ea\u201C_<b>b</b>\u2028c</p>"},
        {"CollapseKeepsTheFirstSpaceOfARunThatSpansElements", html, collapseWhitespace,
            "<p>see  <a href=\"x\"> the link </a> </p>", "<p>see <a href=\"x\">the link</a></p>"},
        {"BlocksAndCellsStayApart", html, snakeCase,
            "<table><tr><td> first name </td><td>city name</td></tr></table><ul><li>a b<li>c d</ul>",
            "<table><tr><td>first_name</td><td>city_name</td></tr></table><ul><li>a_b<li>c_d</ul>"},
        {"EveryBlockElementBreaks", html, capitalize,
            "a<ul>b</ul>c<dl>d<dt>e</dl>f<pre>g</pre>h<listing>i</listing>j<table>k</table>l<br>m<hr>n<h1>o</h1>p"
            "<blockquote>q</blockquote>r<div>s</div>t<section>u</section>v<address>w</address>x<b>y</b>z",
            "A<ul>B</ul>C<dl>D<dt>E</dl>F<pre>G</pre>H<listing>I</listing>J<table>K</table>L<br>M<hr>N<h1>O</h1>P"
            "<blockquote>Q</blockquote>R<div>S</div>T<section>U</section>V<address>W</address>X<b>y</b>z"},
        {"ReferencesAsBrowsersReadThem", html, uppercase,
            "&amp Jerry &copy 2024 &notit; &alpha;&Afr; &#x41;&#150;&#0;&#x110000;&#65 &unknown; & x",
            "&amp JERRY &copy 2024 &notIT; \u0391&Afr; &#x41;&#150;&#0;&#x110000;&#65 &amp;UNKNOWN; &amp; X"},
        {"MarkupCharactersInChangedTextAreEscaped", html, uppercase, "a < b > c & d", "A &lt; B &gt; C &amp; D"},
        {"PreformattedLinesStayLines", html, snakeCase, "<pre>\na b\n  c\td\r\ne</pre>f g",
            "<pre>\na_b\nc\td\r\ne</pre>f_g"},
        {"HiddenContentIsMarkup", html, snakeCase,
            "<xmp>a b</xmp><noscript>c d</noscript><template>e f</template><!-->x y<!--->g h",
            "<xmp>a b</xmp><noscript>c d</noscript><template>e f</template><!-->x_y<!--->g_h"},
        {"FootnoteTextTransformedApartFromTheText", rtf, snakeCase,
            "{\\rtf1 main text{\\*\\footnote foot note}, more {\\*\\unknown a b}words}",
            "{\\rtf1 main_text{\\*\\footnote foot_note},_more_{\\*\\unknown a b}words}"},
        // As LibreOffice Writer writes a footnote inside a sentence: the sentence goes on after it.
        {"TextAroundAFootnoteIsOne", rtf, snakeCase,
            "{\\rtf1 {die F\\u252\\'fchrung.}{{\\super \\chftn{\\*\\footnote \\chftn\\pard{ Treffpunkt  vor\\par "
            "dem Caf\\'e9}}} }{\\loch  Bitte sein.}}",
            "{\\rtf1 {die_F\\u252?hrung.}{{\\super \\chftn{\\*\\footnote \\chftn\\pard{Treffpunkt_vor\\par "
            "dem_Caf\\u233?}}}_}{\\loch Bitte_sein.}}"},
        {"UnicodeOutOfRangeIsOneReplacementAndTheLettersAfterItStay", rtf, uppercase,
            "{\\rtf1 a\\u-99999?bc\\u99999999999?d}", "{\\rtf1 A\\u-3?BC\\u-3?D}"},
        {"SymbolsAreText", rtf, removeAllSpaces, "{\\rtf1 10\\~km\\emdash b \\_c}", "{\\rtf1 10km\\emdash b\\u8209?c}"},
        {"TabsStay", rtf, snakeCase, "{\\rtf1 a b\\tab c d\te f}", "{\\rtf1 a_b\\tab c_d\te_f}"},
        {"CellsAndRowsStayApart", rtf, snakeCase, "{\\rtf1 a b \\cell c \\row d}", "{\\rtf1 a_b\\cell c\\row d}"},
        {"NestedTooDeepIsInDoubt", rtf, uppercase,
            "{\\rtf1 " + std::string(5000, '{') + "a" + std::string(5000, '}') + "}", std::nullopt}};
    for (const auto &[name, format, transformation, source, expected] : rows)
        EXPECT_EQ(rewriteDocument(format, source, transformation), expected) << name;
    // References in text are read as browsers read them, with or without their semicolon.
    EXPECT_EQ(documentBlocks(RichFormat::html, "&amp Jerry &copy 2024 &notit; &Afr;&AMP;&ampx &#150;&#0;&#x110000;&#65&#X42;&#;&"),
              std::vector<std::string>{"& Jerry \u00A9 2024 \u00ACit; \U0001D504&&x \u2013\uFFFD\uFFFDAB&#;&"});
}

// name, transformation, text, the text transformed as a rich copy's and as a plain copy's
using LayoutRow = std::tuple<const char *, Transformation, std::string, std::string, std::string>;

// A rich copy's plain text keeps its lines and cells; a plain copy becomes one line, as ever.
TEST(TransformedText, RichKeepsLinesAndCells)
{
    const LayoutRow rows[] = {
        {"SpreadsheetRange", snakeCase, "first name\tcity name\nAnna Maria\tBad Homburg\n",
            "first_name\tcity_name\nAnna_Maria\tBad_Homburg\n", "first_name_city_name_Anna_Maria_Bad_Homburg"},
        {"Paragraphs", collapseWhitespace, " para  one \r\n\n  para two \u2029x",
            "para one\r\n\npara two\u2029x", "para one para two x"},
        {"EverySpaceGoesInRichOnly", removeAllSpaces, "10\u00A0km \u3000x\ty\n z",
            "10kmx\ty\nz", "10\u00A0km\u3000x\ty\nz"}};
    for (const auto &[name, transformation, text, rich, plain] : rows) {
        EXPECT_EQ(transformedText(transformation, TextLayout::rich, text), rich) << name;
        EXPECT_EQ(transformedText(transformation, TextLayout::plain, text), plain) << name;
    }
}

} // namespace
} // namespace nimbrel
