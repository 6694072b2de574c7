// The rewrite of a rich document, block by block as the reader reaches them. Each text of a
// block (the block's own, and a footnote's inside it) is transformed as one text, run by run as
// the runs come, into a result of its own, and each run's share of that result is noted. At the
// block's end it is written out: the markup before each run as it stands, then the run's share.
// So the work is linear in the document, no text is copied before it is transformed, and what is
// held at a time is one block's result. A run whose share is its own text unchanged keeps its
// spelling (entities, escapes). A hard break inside a block (a tab or line break of RTF, a line
// separator) ends a line there, as it does in plain text.
#include "textactions/rich_document.h"

#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace nimbrel {
namespace {

// Pieces of a long run are transformed this long at most between looks at the stop request.
constexpr std::size_t transformChunk = std::size_t{64} << 10;

TextLayout layoutOf(RichFormat format)
{
    return format == RichFormat::html ? TextLayout::htmlFlow : TextLayout::rich;
}

// A text layout's hard breaks. HTML's, rare line and paragraph separators, start with a byte that
// is looked for with memchr: in the source once for all the text that is the source's own bytes,
// not once for each run. RTF's include ASCII controls and are looked for byte by byte.
class HardBreakFinder {
public:
    HardBreakFinder(TextLayout layout, std::string_view source)
        : m_layout(layout)
        , m_source(source)
    {
    }

    // The next hard break in text from from on, or text's end; its length in length.
    std::size_t next(std::string_view text, std::size_t from, std::size_t &length)
    {
        for (std::size_t position = from; position < text.size(); ++position) {
            if (m_layout == TextLayout::htmlFlow) {
                position = nextCandidate(text, position);
                if (position == text.size())
                    return position;
            } else {
                const auto byte = static_cast<unsigned char>(text[position]);
                // Every hard break is ASCII or starts with one of these two bytes.
                if (byte > '\r' && byte != 0xC2 && byte != 0xE2)
                    continue;
            }
            const Utf8Sequence sequence = decodeUtf8(text, position);
            if (isHardBreak(sequence.codePoint, m_layout)) {
                length = sequence.length;
                return position;
            }
        }
        return text.size();
    }

private:
    static constexpr unsigned char separatorLead = 0xE2;

    // The first separator lead byte in text at or after position, or text's end.
    std::size_t nextCandidate(std::string_view text, std::size_t position)
    {
        const auto sourceStart = reinterpret_cast<std::uintptr_t>(m_source.data());
        const auto textStart = reinterpret_cast<std::uintptr_t>(text.data());
        if (textStart < sourceStart || textStart - sourceStart + text.size() > m_source.size()) {
            const void *found = std::memchr(text.data() + position, separatorLead, text.size() - position);
            return found ? static_cast<std::size_t>(static_cast<const char *>(found) - text.data()) : text.size();
        }
        const std::size_t offset = textStart - sourceStart;
        if (offset + position > m_candidate || offset + position < m_searchedFrom) {
            m_searchedFrom = offset + position;
            const void *found = std::memchr(m_source.data() + offset + position, separatorLead,
                                            m_source.size() - offset - position);
            m_candidate = found ? static_cast<std::size_t>(static_cast<const char *>(found) - m_source.data())
                                : m_source.size();
        }
        return std::min(m_candidate - offset, text.size());
    }

    TextLayout m_layout;
    std::string_view m_source;
    // The first separator lead byte in the source from m_searchedFrom on; text in the source
    // comes in the source's order, so each byte of it is looked at once.
    std::size_t m_searchedFrom = 0;
    std::size_t m_candidate = 0;
};

// The end of a piece that starts at begin: at most transformChunk on, on a character boundary.
std::size_t chunkEnd(std::string_view text, std::size_t begin, std::size_t end)
{
    if (end - begin <= transformChunk)
        return end;
    std::size_t cut = begin + transformChunk;
    while (cut > begin && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

// Which text of a block the reading is in: a story (a footnote) inside a paragraph has texts of
// its own, and the paragraph's text goes on after it. Texts are numbered from 0 in each block.
class BlockTexts {
public:
    std::uint32_t current() const { return m_stories.back(); }
    std::size_t count() const { return m_count; }

    // A break: a new text in a story; the block's end at the top level, which it says.
    bool breakText()
    {
        if (m_stories.size() == 1)
            return true;
        m_stories.back() = m_count++;
        return false;
    }

    // Whether a story closed.
    bool story(bool opens)
    {
        if (opens)
            m_stories.push_back(m_count++);
        else if (m_stories.size() > 1)
            m_stories.pop_back();
        else
            return false;
        return !opens;
    }

    void startBlock()
    {
        m_stories.assign(1, 0);
        m_count = 1;
    }

private:
    std::vector<std::uint32_t> m_stories{0};
    std::uint32_t m_count = 1;
};

class DocumentRewriter final : public DocumentSink {
public:
    DocumentRewriter(std::string_view source, RichFormat format, Transformation transformation,
                     const std::stop_token &stop)
        : m_source(source)
        , m_format(format)
        , m_layout(layoutOf(format))
        , m_transformation(transformation)
        , m_hardBreaks(m_layout, source)
        , m_stop(stop)
    {
        m_result.reserve(source.size() + source.size() / 16);
    }

    void markup(std::size_t end, bool breaksText) override
    {
        m_position = end;
        if (!breaksText)
            return;
        const std::uint32_t ended = m_texts.current();
        if (m_texts.breakText())
            writeBlock();
        else
            endText(ended);
    }

    void story(std::size_t end, bool opens) override
    {
        m_position = end;
        const std::uint32_t current = m_texts.current();
        if (m_texts.story(opens))
            endText(current);
    }

    void text(std::size_t end, std::string_view decoded, const TextStyle &style) override
    {
        const std::uint32_t text = m_texts.current();
        TextResult &result = resultOf(text);
        const bool joins = !m_runs.empty() && m_runs.back().end == m_position && m_runs.back().text == text
            && !m_runs.back().style.alone && !style.alone && m_runs.back().style.unicodeSkip == style.unicodeSkip;
        if (!joins) {
            result.runs.push_back(static_cast<std::uint32_t>(m_runs.size()));
            // Filled in place: a copy through the stack stalls on its partly written style.
            Run &run = m_runs.emplace_back();
            run.begin = static_cast<std::uint32_t>(m_position);
            run.resultBegin = static_cast<std::uint32_t>(result.text.size());
            run.text = text;
            run.style = style;
        }
        transformPiece(result, decoded);
        m_runs.back().end = static_cast<std::uint32_t>(end);
        m_position = end;
    }

    std::optional<std::string> finish()
    {
        writeBlock();
        if (m_stop.stop_requested())
            return std::nullopt;
        m_result.append(m_source.substr(m_written));
        return std::move(m_result);
    }

private:
    struct Run {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
        // The run's share of its text's result.
        std::uint32_t resultBegin = 0;
        std::uint32_t resultEnd = 0;
        std::uint32_t text = 0;
        // Whether the share is the run's decoded text as it was.
        bool unchanged = true;
        TextStyle style;
    };

    // One text of the block: its transformer, its result so far and its runs in order.
    struct TextResult {
        std::unique_ptr<TextTransformer> transformer;
        std::string text;
        std::vector<std::uint32_t> runs;
    };

    TextResult &resultOf(std::uint32_t text)
    {
        // Kept from block to block, so that a document of many blocks costs no allocation for each.
        if (m_textResults.size() <= text)
            m_textResults.resize(text + 1);
        TextResult &result = m_textResults[text];
        if (!result.transformer)
            result.transformer = makeTextTransformer(m_transformation, m_layout);
        return result;
    }

    // Transforms a piece of the last run, noting whether it came out as it went in.
    void transformPiece(TextResult &result, std::string_view piece)
    {
        Run &run = m_runs.back();
        const std::size_t resultStart = result.text.size();
        std::size_t position = 0;
        while (position < piece.size() && !m_stop.stop_requested()) {
            std::size_t breakLength = 0;
            const std::size_t end = m_hardBreaks.next(piece, position, breakLength);
            for (std::size_t chunk = position; chunk < end;) {
                const std::size_t chunkStop = chunkEnd(piece, chunk, end);
                result.transformer->append(piece.substr(chunk, chunkStop - chunk), result.text);
                chunk = chunkStop;
            }
            position = end;
            if (position < piece.size()) {
                run.resultEnd = static_cast<std::uint32_t>(result.text.size());
                endText(run.text);
                result.transformer->append(piece.substr(position, breakLength), result.text);
                position += breakLength;
            }
        }
        // A separator dropped at a break may have shortened what came before the piece.
        run.unchanged = run.unchanged && result.text.size() >= resultStart
            && std::string_view(result.text).substr(resultStart) == piece;
        run.resultEnd = static_cast<std::uint32_t>(result.text.size());
    }

    // Ends a text, which may drop a trailing separator: the text's runs that ended after it end
    // before, and their shares are no longer their texts.
    void endText(std::uint32_t text)
    {
        TextResult &result = resultOf(text);
        result.transformer->endText(result.text);
        const auto size = static_cast<std::uint32_t>(result.text.size());
        for (auto index = result.runs.rbegin(); index != result.runs.rend() && m_runs[*index].resultEnd > size; ++index) {
            Run &run = m_runs[*index];
            run.resultEnd = size;
            run.resultBegin = std::min(run.resultBegin, size);
            run.unchanged = false;
        }
    }

    void writeBlock()
    {
        for (std::uint32_t text = 0; text < m_texts.count() && text < m_textResults.size(); ++text)
            endText(text);
        if (!m_stop.stop_requested()) {
            for (const Run &run : m_runs) {
                m_result.append(m_source.substr(m_written, run.begin - m_written));
                const std::string &text = m_textResults[run.text].text;
                const std::string_view share(text.data() + run.resultBegin, run.resultEnd - run.resultBegin);
                if (run.unchanged)
                    m_result.append(m_source.substr(run.begin, run.end - run.begin));
                else if (m_format == RichFormat::html)
                    appendHtmlText(m_result, share);
                else
                    appendRtfText(m_result, share, run.style);
                m_written = run.end;
            }
        }
        m_runs.clear();
        for (TextResult &result : m_textResults) {
            result.text.clear();
            result.runs.clear();
        }
        m_texts.startBlock();
    }

    std::string_view m_source;
    RichFormat m_format = RichFormat::html;
    TextLayout m_layout = TextLayout::rich;
    Transformation m_transformation;
    HardBreakFinder m_hardBreaks;
    const std::stop_token &m_stop;
    std::size_t m_position = 0;
    std::size_t m_written = 0;
    BlockTexts m_texts;
    std::vector<Run> m_runs;
    std::vector<TextResult> m_textResults;
    std::string m_result;
};

class BlockCollector final : public DocumentSink {
public:
    void markup(std::size_t, bool breaksText) override
    {
        if (breaksText && m_texts.breakText())
            endBlock();
    }

    void story(std::size_t, bool opens) override { m_texts.story(opens); }

    void text(std::size_t, std::string_view decoded, const TextStyle &) override
    {
        m_block.resize(std::max<std::size_t>(m_block.size(), m_texts.count()));
        m_block[m_texts.current()].append(decoded);
    }

    std::vector<std::string> finish()
    {
        endBlock();
        return std::move(m_blocks);
    }

private:
    void endBlock()
    {
        for (auto &text : m_block) {
            if (!text.empty())
                m_blocks.push_back(std::move(text));
        }
        m_block.clear();
        m_texts.startBlock();
    }

    BlockTexts m_texts;
    std::vector<std::string> m_block;
    std::vector<std::string> m_blocks;
};

class MarkupCollector final : public DocumentSink {
public:
    explicit MarkupCollector(std::string_view source)
        : m_source(source)
    {
    }

    void markup(std::size_t end, bool breaksText) override
    {
        pieces.push_back((breaksText ? "break:" : "") + std::string(m_source.substr(m_position, end - m_position)));
        m_position = end;
    }

    void text(std::size_t end, std::string_view, const TextStyle &) override { m_position = end; }

    void story(std::size_t end, bool opens) override
    {
        pieces.push_back((opens ? "open:" : "close:") + std::string(m_source.substr(m_position, end - m_position)));
        m_position = end;
    }

    std::vector<std::string> pieces;

private:
    std::string_view m_source;
    std::size_t m_position = 0;
};

} // namespace

bool readDocument(RichFormat format, std::string_view source, DocumentSink &sink, const std::stop_token &stop)
{
    if (source.size() > richDocumentLimit)
        return false;
    return format == RichFormat::html ? readHtml(source, sink, stop) : readRtf(source, sink, stop);
}

std::optional<std::string> rewriteDocument(RichFormat format, std::string_view source, Transformation transformation,
                                           const std::stop_token &stop)
{
    DocumentRewriter rewriter(source, format, transformation, stop);
    if (!readDocument(format, source, rewriter, stop))
        return std::nullopt;
    return rewriter.finish();
}

std::optional<std::vector<std::string>> documentBlocks(RichFormat format, std::string_view source)
{
    BlockCollector collector;
    if (!readDocument(format, source, collector, {}))
        return std::nullopt;
    return collector.finish();
}

std::optional<std::vector<std::string>> documentMarkup(RichFormat format, std::string_view source)
{
    MarkupCollector collector(source);
    if (!readDocument(format, source, collector, {}))
        return std::nullopt;
    return std::move(collector.pieces);
}

} // namespace nimbrel
