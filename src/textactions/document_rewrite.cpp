// The rewrite of a rich document, block by block as the reader reaches them: the text of a
// block is transformed once, as one text, while each run's end is noted where it falls in the
// result, and the block is then written out: the markup before each run as it stands, then the
// run's share of the result. So the work is linear in the document and what is held at a time is
// one block. A run whose share is its own text unchanged keeps its spelling (entities, escapes).
// A hard break inside a block (a tab or line break of RTF, a line separator) ends a line there,
// as it does in plain text.
#include "textactions/rich_document.h"

#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace nimbrel {
namespace {

// Pieces of a long run are transformed this long at most between looks at the stop request.
constexpr std::size_t transformChunk = std::size_t{64} << 10;

// How the text of a document's blocks flows.
TextLayout layoutOf(RichFormat format)
{
    return format == RichFormat::html ? TextLayout::htmlFlow : TextLayout::rich;
}

// Where the next hard break in text[from, to) starts, or to; its length in length. HTML's, rare
// line and paragraph separators, are looked for with memchr; RTF's include ASCII controls.
std::size_t nextHardBreak(std::string_view text, std::size_t from, std::size_t to, TextLayout layout,
                          std::size_t &length)
{
    for (std::size_t position = from; position < to; ++position) {
        if (layout == TextLayout::htmlFlow) {
            const void *found = std::memchr(text.data() + position, 0xE2, to - position);
            if (!found)
                return to;
            position = static_cast<std::size_t>(static_cast<const char *>(found) - text.data());
        } else {
            const auto byte = static_cast<unsigned char>(text[position]);
            // Every hard break is ASCII or starts with one of these two bytes.
            if (byte > '\r' && byte != 0xC2 && byte != 0xE2)
                continue;
        }
        const Utf8Sequence sequence = decodeUtf8(text, position);
        if (isHardBreak(sequence.codePoint, layout)) {
            length = sequence.length;
            return position;
        }
    }
    return to;
}

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

    void story(bool opens)
    {
        if (opens)
            m_stories.push_back(m_count++);
        else if (m_stories.size() > 1)
            m_stories.pop_back();
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
        , m_transformer(makeTextTransformer(transformation, m_layout))
        , m_stop(stop)
    {
        m_result.reserve(source.size() + source.size() / 16);
    }

    void markup(std::size_t end, bool breaksText) override
    {
        m_position = end;
        if (breaksText && m_texts.breakText())
            writeBlock();
    }

    void story(std::size_t end, bool opens) override
    {
        m_position = end;
        m_texts.story(opens);
    }

    void text(std::size_t end, std::string_view decoded, const TextStyle &style) override
    {
        const std::uint32_t text = m_texts.current();
        const bool joins = !m_runs.empty() && m_runs.back().end == m_position && m_runs.back().text == text
            && !m_runs.back().style.alone && !style.alone && m_runs.back().style.unicodeSkip == style.unicodeSkip;
        if (!joins) {
            Run run;
            run.begin = static_cast<std::uint32_t>(m_position);
            run.textBegin = static_cast<std::uint32_t>(m_blockText.size());
            run.text = text;
            run.style = style;
            m_runs.push_back(run);
        }
        m_blockText.append(decoded);
        m_runs.back().end = static_cast<std::uint32_t>(end);
        m_runs.back().textEnd = static_cast<std::uint32_t>(m_blockText.size());
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
        // The run's text in the block's text, and its share in the block's result.
        std::uint32_t textBegin = 0;
        std::uint32_t textEnd = 0;
        std::uint32_t resultBegin = 0;
        std::uint32_t resultEnd = 0;
        std::uint32_t text = 0;
        TextStyle style;
    };

    void writeBlock()
    {
        if (!m_runs.empty() && !m_stop.stop_requested()) {
            transformBlock();
            for (const Run &run : m_runs) {
                m_result.append(m_source.substr(m_written, run.begin - m_written));
                const std::string_view share(m_blockResult.data() + run.resultBegin,
                                             std::max(run.resultBegin, run.resultEnd) - run.resultBegin);
                const std::string_view text(m_blockText.data() + run.textBegin, run.textEnd - run.textBegin);
                if (share == text)
                    m_result.append(m_source.substr(run.begin, run.end - run.begin));
                else if (m_format == RichFormat::html)
                    appendHtmlText(m_result, share);
                else
                    appendRtfText(m_result, share, run.style);
                m_written = run.end;
            }
        }
        m_runs.clear();
        m_blockText.clear();
        m_blockResult.clear();
        m_texts.startBlock();
    }

    // Each text of the block transformed as one, its runs' shares noted as they come.
    void transformBlock()
    {
        m_runsOfText.resize(std::max(m_runsOfText.size(), m_texts.count()));
        for (std::size_t text = 0; text < m_texts.count(); ++text)
            m_runsOfText[text].clear();
        for (std::uint32_t index = 0; index < m_runs.size(); ++index)
            m_runsOfText[m_runs[index].text].push_back(index);
        for (std::size_t text = 0; text < m_texts.count(); ++text) {
            m_textRuns.clear();
            for (const std::uint32_t index : m_runsOfText[text]) {
                m_textRuns.push_back(index);
                transformRun(m_runs[index]);
            }
            endText();
        }
    }

    void transformRun(Run &run)
    {
        // Where the run ends so far, so that a separator dropped within it moves its end too.
        run.resultBegin = run.resultEnd = static_cast<std::uint32_t>(m_blockResult.size());
        std::size_t position = run.textBegin;
        while (position < run.textEnd && !m_stop.stop_requested()) {
            std::size_t breakLength = 0;
            const std::size_t end = nextHardBreak(m_blockText, position, run.textEnd, m_layout, breakLength);
            for (std::size_t piece = position; piece < end;) {
                const std::size_t pieceEnd = chunkEnd(m_blockText, piece, end);
                m_transformer->append(std::string_view(m_blockText).substr(piece, pieceEnd - piece), m_blockResult);
                piece = pieceEnd;
            }
            position = end;
            if (position < run.textEnd) {
                endText();
                m_transformer->append(std::string_view(m_blockText).substr(position, breakLength), m_blockResult);
                position += breakLength;
            }
        }
        run.resultEnd = static_cast<std::uint32_t>(m_blockResult.size());
    }

    // Ends a text, which may drop a trailing separator: the text's runs that ended after it end
    // before.
    void endText()
    {
        m_transformer->endText(m_blockResult);
        const auto size = static_cast<std::uint32_t>(m_blockResult.size());
        for (auto index = m_textRuns.rbegin(); index != m_textRuns.rend() && m_runs[*index].resultEnd > size; ++index) {
            m_runs[*index].resultEnd = size;
            m_runs[*index].resultBegin = std::min(m_runs[*index].resultBegin, size);
        }
    }

    std::string_view m_source;
    RichFormat m_format = RichFormat::html;
    TextLayout m_layout = TextLayout::rich;
    std::unique_ptr<TextTransformer> m_transformer;
    const std::stop_token &m_stop;
    std::size_t m_position = 0;
    std::size_t m_written = 0;
    BlockTexts m_texts;
    std::vector<Run> m_runs;
    // The runs of each text of the block, and of the text being transformed, in order; kept from
    // block to block so that a document of many blocks costs no allocation for each.
    std::vector<std::vector<std::uint32_t>> m_runsOfText;
    std::vector<std::uint32_t> m_textRuns;
    std::string m_blockText;
    std::string m_blockResult;
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
