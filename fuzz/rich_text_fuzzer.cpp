// The rich-text rewrite on arbitrary HTML and RTF. The first byte picks the format and the text
// action's transformation, the rest is the document. For every document the reader accepts:
// - the rewritten one reads back with the same markup, piece for piece;
// - its visible text is the transformation of the original's, block by block;
// - the plain text that goes with it (the blocks, a line each) comes out of the same action as
//   the rewritten document's blocks, a line each: every program that pastes sees the same text;
// - the document repeated to 16 KiB is rewritten within a time linear in its size.

#include "textactions/rich_document.h"
#include "textactions/text_transformer.h"

#include "fuzz_check.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nimbrel::RichFormat;
using nimbrel::TextLayout;
using nimbrel::Transformation;

// The lines of text that are not empty, as a person reading it sees them.
std::vector<std::string> nonEmptyLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start)
            lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The blocks as a person sees them, a line each: in HTML, the whitespace that flows shows as
// spaces; a line or paragraph separator shows as a line end.
std::string shown(RichFormat format, const std::vector<std::string> &blocks)
{
    std::string text;
    for (const auto &block : blocks) {
        for (std::size_t position = 0; position < block.size(); ++position) {
            const std::string_view rest = std::string_view(block).substr(position);
            if (rest.starts_with("\u2028") || rest.starts_with("\u2029")) {
                text += '\n';
                position += 2;
            } else if (format == RichFormat::html && rest.starts_with("\u0085")) {
                text += ' ';
                ++position;
            } else if (format == RichFormat::html && rest[0] >= '\t' && rest[0] <= '\r') {
                text += ' ';
            } else {
                text += rest[0];
            }
        }
        text += '\n';
    }
    return text;
}

// Whether the rewrite of the document stays within a time linear in its size; measured again
// once when it does not, so that a moment of a busy machine is not taken for a slow rewrite.
bool rewritesInLinearTime(RichFormat format, std::string_view document, Transformation transformation)
{
    using namespace std::chrono;
    const auto budget = milliseconds(500) + microseconds(10) * document.size();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = steady_clock::now();
        const auto rewritten = nimbrel::rewriteDocument(format, document, transformation);
        if (steady_clock::now() - start <= budget)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::array<Transformation, 6> transformations{
        Transformation::capitalize, Transformation::lowercase,          Transformation::uppercase,
        Transformation::snakeCase,  Transformation::collapseWhitespace, Transformation::removeAllSpaces};
    if (size == 0)
        return 0;
    const RichFormat format = (data[0] & 1) != 0 ? RichFormat::rtf : RichFormat::html;
    const Transformation transformation = transformations[(data[0] >> 1) % transformations.size()];
    const std::string_view source(reinterpret_cast<const char *>(data + 1), size - 1);

    const auto blocks = nimbrel::documentBlocks(format, source);
    if (!blocks)
        return 0;
    const auto rewritten = nimbrel::rewriteDocument(format, source, transformation);
    NIMBREL_FUZZ_CHECK(rewritten.has_value());
    const auto reread = nimbrel::documentBlocks(format, *rewritten);
    NIMBREL_FUZZ_CHECK(reread.has_value());
    NIMBREL_FUZZ_CHECK(nimbrel::documentMarkup(format, *rewritten) == nimbrel::documentMarkup(format, source));

    // As shown, HTML's whitespace flows: the plain text a browser gives has spaces for it.
    const TextLayout layout = format == RichFormat::html ? TextLayout::htmlFlow : TextLayout::rich;
    std::vector<std::string> expected;
    for (const auto &block : *blocks) {
        std::string transformed = nimbrel::transformedText(transformation, layout, block);
        if (!transformed.empty())
            expected.push_back(std::move(transformed));
    }
    NIMBREL_FUZZ_CHECK(*reread == expected);

    const std::string plainResult = nimbrel::transformedText(transformation, TextLayout::rich, shown(format, *blocks));
    NIMBREL_FUZZ_CHECK(nonEmptyLines(plainResult) == nonEmptyLines(shown(format, *reread)));

    if (source.empty())
        return 0;
    std::string repeated = format == RichFormat::rtf ? "{\\rtf1 " : "";
    while (repeated.size() < (std::size_t{16} << 10))
        repeated += source;
    repeated += format == RichFormat::rtf ? "}" : "";
    NIMBREL_FUZZ_CHECK(rewritesInLinearTime(format, repeated, transformation));
    return 0;
}
