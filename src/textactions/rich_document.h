#pragma once

#include "textactions/text_transformer.h"

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace nimbrel {

// How a run of text was written, so that new text can be written the same way. RTF's: the \ucN
// count in force, and whether the run directly follows a control word that took no delimiter,
// so that a letter, digit, '-' or space written first would join it.
struct TextStyle {
    int unicodeSkip = 1;
    bool followsControlWord = false;
    // A character written as a reference or control word (&nbsp;, \emdash): a run of its own, so
    // that it keeps its spelling wherever the action leaves it as it is.
    bool alone = false;
};

// What a reader tells of a document: every byte of the source, in order, either as markup or as
// text. Each call covers the source from where the one before ended.
class DocumentSink {
public:
    DocumentSink() = default;
    virtual ~DocumentSink() = default;
    DocumentSink(const DocumentSink &) = delete;
    DocumentSink &operator=(const DocumentSink &) = delete;

    // The source up to end is markup, to be kept byte for byte; breaksText when it ends a block
    // of text (a paragraph, a cell, a line break), which words never span.
    virtual void markup(std::size_t end, bool breaksText) = 0;
    // The source up to end is text that reads as decoded: valid UTF-8, non-empty.
    virtual void text(std::size_t end, std::string_view decoded, const TextStyle &style) = 0;
    // The source up to end is markup that opens (or closes) a story of its own, such as a
    // footnote: its text stands apart, and the text around it goes on after it as one.
    virtual void story(std::size_t end, bool opens) = 0;
};

enum class RichFormat { html, rtf };

// Rich documents larger than this are not read: their plain text alone is rewritten.
inline constexpr std::size_t richDocumentLimit = std::size_t{16} << 20;

// Reads the document into the sink; false when it cannot be read with confidence (or stop was
// requested), and the sink's calls so far are to be forgotten. Time is linear in the source.
bool readHtml(std::string_view html, DocumentSink &sink, const std::stop_token &stop);
bool readRtf(std::string_view rtf, DocumentSink &sink, const std::stop_token &stop);
bool readDocument(RichFormat format, std::string_view source, DocumentSink &sink, const std::stop_token &stop);

// Appends text in the document's own escaping, written as a run of that style.
void appendHtmlText(std::string &out, std::string_view text);
void appendRtfText(std::string &out, std::string_view text, const TextStyle &style);

// The document with the text of each block transformed as one text and every piece of markup
// kept byte for byte; nullopt when it cannot be read with confidence or stop was requested.
std::optional<std::string> rewriteDocument(RichFormat format, std::string_view source,
                                           Transformation transformation, const std::stop_token &stop = {});

// The text of each block with text, in order, a paragraph's before its footnotes'; nullopt as
// for rewriteDocument.
std::optional<std::vector<std::string>> documentBlocks(RichFormat format, std::string_view source);
// The document's markup, piece by piece as read, each that breaks the text marked "break:" and
// each that opens or closes a story "open:" or "close:"; nullopt as for rewriteDocument. What a
// rewrite must leave as it is.
std::optional<std::vector<std::string>> documentMarkup(RichFormat format, std::string_view source);

} // namespace nimbrel
