#pragma once

#include "support/recorded_offer.h"
#include "textactions/rich_document.h"

#include <cstddef>
#include <string>
#include <string_view>

// Real programs' rich copies (tests/data/offers) grown to a size: Firefox's HTML and Writer's RTF,
// their body repeated, and the plain text they came with, repeated as often.
namespace nimbrel::bench {

struct RecordedDocument {
    std::string document;
    std::string plainText;
};

// The document of that format grown to at most size bytes. HTML: the fragment after its <meta>
// repeated; RTF: the paragraphs between the header and the closing brace repeated.
inline RecordedDocument recordedDocument(RichFormat format, std::size_t size)
{
    const std::string_view recording =
        format == RichFormat::html ? "firefox-esr-wrapped-page" : "libreoffice-writer-footnote-list-table";
    const std::string source = test::recordedTarget(recording, format == RichFormat::html ? "text/html" : "text/rtf");
    const std::string plain = test::recordedTarget(recording, "UTF8_STRING");
    const std::size_t bodyStart = format == RichFormat::html ? source.find('>') + 1 : source.find("\\pard");
    const std::size_t bodyEnd = format == RichFormat::html ? source.size() : source.rfind('}');
    const std::string_view head = std::string_view(source).substr(0, bodyStart);
    const std::string_view body = std::string_view(source).substr(bodyStart, bodyEnd - bodyStart);
    const std::string_view tail = std::string_view(source).substr(bodyEnd);
    RecordedDocument grown{std::string(head), {}};
    while (grown.document.size() + body.size() + tail.size() <= size) {
        grown.document += body;
        grown.plainText += plain;
    }
    grown.document += tail;
    return grown;
}

} // namespace nimbrel::bench
