#pragma once

#include "textactions/text_runs.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// One stretch of a rich document's source: markup, kept byte for byte, or a run of text.
struct DocumentPiece {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool isText = false;
    // Markup that ends a block of text (a paragraph, a line break): words never span it.
    bool breaksText = false;
    // A text run's characters, decoded from the source (valid UTF-8).
    std::string text;
    // RTF only: the \ucN count in force, and whether the run directly follows a control word
    // that took no delimiter, so that a letter, digit, '-' or space written first would join it.
    int unicodeSkip = 1;
    bool followsControlWord = false;
};

// A parsed document; nullopt when the markup could not be parsed with confidence.
using DocumentPieces = std::optional<std::vector<DocumentPiece>>;
// Appends a run's new text in the document's own escaping.
using TextEncoder = void (*)(std::string &out, std::string_view text, const DocumentPiece &run);

// Rich documents larger than this are not parsed: their plain text alone is rewritten.
inline constexpr std::size_t richDocumentLimit = std::size_t{16} << 20;

// Adds markup as a piece of its own, or text to the run that ends at begin (else to a new run).
void addPiece(std::vector<DocumentPiece> &pieces, std::size_t begin, std::size_t end,
              std::optional<std::string_view> text, bool breaksText = false);

// The visible text of the document: its runs joined, one string per block.
std::vector<std::string> documentBlocks(const std::vector<DocumentPiece> &pieces);
// The source with each block's text transformed and every piece of markup kept.
std::string rewriteDocument(std::string_view source, const std::vector<DocumentPiece> &pieces,
                            TextTransformation transformation, TextEncoder encode);

// The markup of HTML and RTF documents, and how each writes text.
DocumentPieces htmlPieces(std::string_view html);
void appendHtmlText(std::string &out, std::string_view text, const DocumentPiece &run);
DocumentPieces rtfPieces(std::string_view rtf);
void appendRtfText(std::string &out, std::string_view text, const DocumentPiece &run);

} // namespace nimbrel
