// The whitespace transformations make one branch-light pass over each piece, writing into room
// the size of the piece (valid text never grows under them), and case mapping streams through the
// platform's mapper. Each keeps between pieces only what the next character needs to know.
#include "textactions/text_transformer.h"

#include "platform/streaming_case_mapper.h"
#include "platform/utf8.h"
#include "platform/whitespace_set.h"

#include <array>

namespace nimbrel {

namespace {

// How the loops treat each byte of valid UTF-8: bit 0 marks ASCII whitespace that joins words,
// bit 1 a byte that needs a closer look (a lead byte that may start non-ASCII whitespace, only
// C2, E1, E2 and E3 can, or in a rich layout an ASCII hard break). Every other byte, continuation
// bytes included, is copied as it is.
constexpr unsigned spaceBit = 1;
constexpr unsigned closerLookBit = 2;
constexpr std::array<unsigned char, 256> byteClassesFor(TextLayout layout)
{
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        if (layout == TextLayout::rich && byte >= '\t' && byte <= '\r')
            table[byte] = closerLookBit;
        else if (byte == ' ' || (byte >= '\t' && byte <= '\r'))
            table[byte] = spaceBit;
        else if (byte == 0xC2 || (byte >= 0xE1 && byte <= 0xE3))
            table[byte] = closerLookBit;
    }
    return table;
}
constexpr std::array<std::array<unsigned char, 256>, 3> byteClasses{
    byteClassesFor(TextLayout::plain), byteClassesFor(TextLayout::rich), byteClassesFor(TextLayout::htmlFlow)};

// The words of the text, split at the whitespace set, joined by one separator byte. Every
// whitespace character writes a separator at the same spot, and the spot is kept only after a
// word: so a run of whitespace leaves one separator where it began, leading whitespace none, and
// a trailing one is dropped when the text ends. In a rich layout a hard break ends the text
// so far and is copied as it is.
class WordJoiner final : public TextTransformer {
public:
    WordJoiner(char separator, TextLayout layout)
        : m_separator(static_cast<unsigned char>(separator))
        , m_layout(layout)
        , m_classes(byteClasses[static_cast<std::size_t>(layout)])
    {
    }

    void append(std::string_view piece, std::string &out) override
    {
        const std::size_t start = out.size();
        out.resize(start + piece.size());
        char *const first = out.data();
        char *target = first + start;
        unsigned afterSpace = m_afterSpace;
        unsigned wordSeen = m_wordSeen;
        std::size_t position = 0;
        while (position < piece.size()) {
            const auto byte = static_cast<unsigned char>(piece[position]);
            const unsigned byteClass = m_classes[byte];
            unsigned space = byteClass & spaceBit;
            std::size_t length = 1;
            if ((byteClass & closerLookBit) != 0) [[unlikely]] {
                const Utf8Sequence sequence = decodeUtf8(piece, position);
                if (isHardBreak(sequence.codePoint, m_layout)) {
                    // The line ends here: its trailing separator goes, the break stays.
                    target -= afterSpace & wordSeen;
                    for (std::size_t index = 0; index < sequence.length; ++index)
                        *target++ = piece[position + index];
                    afterSpace = 1;
                    wordSeen = 0;
                    position += sequence.length;
                    continue;
                }
                space = inWhitespaceSet(sequence.codePoint) ? 1 : 0;
                // A non-space sequence goes through byte by byte; its continuation bytes are word bytes.
                length = space ? sequence.length : 1;
            }
            // Masks rather than branches: word ends are too frequent and irregular to predict.
            const unsigned spaceMask = 0U - space;
            *target = static_cast<char>(byte ^ ((byte ^ m_separator) & spaceMask));
            target += 1 - (space & afterSpace);
            afterSpace = space;
            wordSeen |= space ^ 1U;
            position += length;
        }
        m_afterSpace = afterSpace;
        m_wordSeen = wordSeen;
        out.resize(static_cast<std::size_t>(target - first));
    }

    void endText(std::string &out) override
    {
        if ((m_afterSpace & m_wordSeen) != 0)
            out.pop_back();
        m_afterSpace = 1;
        m_wordSeen = 0;
    }

private:
    unsigned char m_separator = ' ';
    TextLayout m_layout = TextLayout::plain;
    const std::array<unsigned char, 256> &m_classes;
    unsigned m_afterSpace = 1;
    // Whether the text since its start or its last hard break has a word.
    unsigned m_wordSeen = 0;
};

// Removes U+0020; in a rich copy every member of the whitespace set but the hard breaks.
class SpaceRemover final : public TextTransformer {
public:
    explicit SpaceRemover(TextLayout layout)
        : m_layout(layout)
    {
    }

    void append(std::string_view piece, std::string &out) override
    {
        const std::size_t start = out.size();
        out.resize(start + piece.size());
        char *target = out.data() + start;
        if (m_layout == TextLayout::plain) {
            // Branch-free: every byte is written, and the write position only moves past non-spaces.
            // No byte of a multi-byte sequence is 0x20, so those are copied whole.
            for (const char byte : piece) {
                *target = byte;
                target += byte != ' ';
            }
        } else {
            const auto &classes = byteClasses[static_cast<std::size_t>(m_layout)];
            for (std::size_t position = 0; position < piece.size();) {
                const auto byte = static_cast<unsigned char>(piece[position]);
                if ((classes[byte] & closerLookBit) == 0) {
                    *target = static_cast<char>(byte);
                    target += (classes[byte] & spaceBit) ^ 1U;
                    ++position;
                    continue;
                }
                const Utf8Sequence sequence = decodeUtf8(piece, position);
                const bool removed = inWhitespaceSet(sequence.codePoint) && !isHardBreak(sequence.codePoint, m_layout);
                const std::size_t length = removed ? sequence.length : 1;
                if (!removed)
                    *target++ = static_cast<char>(byte);
                position += length;
            }
        }
        out.resize(static_cast<std::size_t>(target - out.data()));
    }

    void endText(std::string &) override {}

private:
    TextLayout m_layout = TextLayout::plain;
};

class CaseTransformer final : public TextTransformer {
public:
    explicit CaseTransformer(StreamingCaseMapper::Mapping mapping)
        : m_mapper(mapping)
    {
    }

    void append(std::string_view piece, std::string &out) override { m_mapper.append(piece, out); }
    void endText(std::string &out) override { m_mapper.endText(out); }

private:
    StreamingCaseMapper m_mapper;
};

} // namespace

bool isHardBreak(char32_t codePoint, TextLayout layout)
{
    switch (layout) {
    case TextLayout::plain:
        return false;
    case TextLayout::rich:
        return (codePoint >= U'\t' && codePoint <= U'\r') || codePoint == U'\u0085' || codePoint == U'\u2028'
            || codePoint == U'\u2029';
    case TextLayout::htmlFlow:
        break;
    }
    return codePoint == U'\u2028' || codePoint == U'\u2029';
}

std::unique_ptr<TextTransformer> makeTextTransformer(Transformation transformation, TextLayout layout)
{
    switch (transformation) {
    case Transformation::capitalize:
        return std::make_unique<CaseTransformer>(StreamingCaseMapper::Mapping::capitalized);
    case Transformation::lowercase:
        return std::make_unique<CaseTransformer>(StreamingCaseMapper::Mapping::lower);
    case Transformation::uppercase:
        return std::make_unique<CaseTransformer>(StreamingCaseMapper::Mapping::upper);
    case Transformation::snakeCase:
        return std::make_unique<WordJoiner>('_', layout);
    case Transformation::collapseWhitespace:
        return std::make_unique<WordJoiner>(' ', layout);
    case Transformation::removeAllSpaces:
        break;
    }
    return std::make_unique<SpaceRemover>(layout);
}

std::string transformedText(Transformation transformation, TextLayout layout, std::string_view text)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    std::string result;
    result.reserve(valid.size() + valid.size() / 8 + 16);
    const auto transformer = makeTextTransformer(transformation, layout);
    transformer->append(valid, result);
    transformer->endText(result);
    return result;
}

} // namespace nimbrel
