// The rich-text rewrite on arbitrary HTML and RTF. The first byte picks the format and the text
// action's transformation, the rest is the document. For every document the reader accepts,
// the rewritten one must read back with the same markup, piece for piece, and its visible text
// must be the transformation of the original's, block by block (an emptied block disappears).

#include "platform/string_operations.h"
#include "textactions/marked_up_text.h"
#include "textactions/transformations.h"

#include "fuzz_check.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> markupOf(std::string_view source, const std::vector<nimbrel::DocumentPiece> &pieces)
{
    std::vector<std::string> markup;
    for (const auto &piece : pieces) {
        if (!piece.isText)
            markup.emplace_back(std::string(piece.breaksText ? "break:" : "") +
                                std::string(source.substr(piece.begin, piece.end - piece.begin)));
    }
    return markup;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::array<nimbrel::TextTransformation, 6> transformations{
        nimbrel::capitalizedString, nimbrel::lowercaseString, nimbrel::uppercaseString,
        nimbrel::snakeCase,         nimbrel::collapseWhitespace, nimbrel::removeAllSpaces};
    if (size == 0)
        return 0;
    const bool rtf = (data[0] & 1) != 0;
    const auto transformation = transformations[(data[0] >> 1) % transformations.size()];
    const std::string_view source(reinterpret_cast<const char *>(data + 1), size - 1);
    const auto parse = rtf ? nimbrel::rtfPieces : nimbrel::htmlPieces;

    const nimbrel::DocumentPieces pieces = parse(source);
    if (!pieces)
        return 0;
    const std::string rewritten =
        nimbrel::rewriteDocument(source, *pieces, transformation, rtf ? nimbrel::appendRtfText : nimbrel::appendHtmlText);
    const nimbrel::DocumentPieces reread = parse(rewritten);
    NIMBREL_FUZZ_CHECK(reread.has_value());
    NIMBREL_FUZZ_CHECK(markupOf(rewritten, *reread) == markupOf(source, *pieces));

    std::vector<std::string> expected;
    for (const auto &block : nimbrel::documentBlocks(*pieces)) {
        std::string transformed = transformation(block);
        if (!transformed.empty())
            expected.push_back(std::move(transformed));
    }
    NIMBREL_FUZZ_CHECK(nimbrel::documentBlocks(*reread) == expected);
    return 0;
}
