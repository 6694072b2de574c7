// ICU supplies every Unicode mapping (root locale, full mappings). In the root locale a code point
// maps the same wherever it stands, with one exception: capital sigma, whose lower case depends on
// its neighbours (final sigma: after a cased letter and not before one, case-ignorable characters
// between them skipped). Plain ASCII is mapped here directly (A-Z <-> a-z is exactly Unicode's
// mapping for ASCII); everything else one code point at a time through a remembered table.
#include "platform/streaming_case_mapper.h"

#include "platform/utf8.h"
#include "platform/whitespace_set.h"

#include <unicode/uchar.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace nimbrel {

namespace {

constexpr char32_t capitalSigma = U'\u03A3';
// The second byte of U+03C3 (medial) and U+03C2 (final) sigma, which share the first.
constexpr char finalSigmaLastByte = '\x82';
constexpr std::string_view medialSigma = "\u03C3";

char asciiUpper(char byte)
{
    return static_cast<char>(byte - ((static_cast<unsigned char>(byte - 'a') < 26) << 5));
}

char asciiLower(char byte)
{
    return static_cast<char>(byte + ((static_cast<unsigned char>(byte - 'A') < 26) << 5));
}

constexpr bool isAsciiWhitespace(char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The case classes of ASCII, from ICU, so that the ASCII loop agrees with the rest.
const std::array<CodePointCaseMapper::CaseClass, 128> &asciiCaseClasses()
{
    static const std::array<CodePointCaseMapper::CaseClass, 128> classes = [] {
        std::array<CodePointCaseMapper::CaseClass, 128> table{};
        for (UChar32 character = 0; character < 128; ++character) {
            if (u_hasBinaryProperty(character, UCHAR_CASE_IGNORABLE))
                table[static_cast<std::size_t>(character)] = CodePointCaseMapper::CaseClass::ignorable;
            else if (u_hasBinaryProperty(character, UCHAR_CASED))
                table[static_cast<std::size_t>(character)] = CodePointCaseMapper::CaseClass::cased;
        }
        return table;
    }();
    return classes;
}

std::size_t findNonAscii(std::string_view text, std::size_t from)
{
    std::size_t position = from;
    for (; position + 8 <= text.size(); position += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + position, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0)
            break;
    }
    while (position < text.size() && static_cast<unsigned char>(text[position]) < 0x80)
        ++position;
    return position;
}

CodePointCaseMapper::Mapping firstMapping(StreamingCaseMapper::Mapping mapping)
{
    switch (mapping) {
    case StreamingCaseMapper::Mapping::upper:
        return CodePointCaseMapper::Mapping::upper;
    case StreamingCaseMapper::Mapping::lower:
        return CodePointCaseMapper::Mapping::lower;
    case StreamingCaseMapper::Mapping::capitalized:
        break;
    }
    return CodePointCaseMapper::Mapping::title;
}

} // namespace

StreamingCaseMapper::StreamingCaseMapper(Mapping mapping)
    : m_mapping(mapping)
    , m_first(firstMapping(mapping))
    , m_rest(mapping == Mapping::upper ? CodePointCaseMapper::Mapping::upper : CodePointCaseMapper::Mapping::lower)
{
}

void StreamingCaseMapper::append(std::string_view piece, std::string &out)
{
    std::size_t position = 0;
    while (position < piece.size()) {
        const std::size_t asciiEnd = findNonAscii(piece, position);
        if (asciiEnd > position) {
            appendAscii(piece.substr(position, asciiEnd - position), out);
            position = asciiEnd;
            continue;
        }
        const Utf8Sequence sequence = decodeUtf8(piece, position);
        appendCodePoint(sequence.codePoint, piece.substr(position, sequence.length), out);
        position += sequence.length;
    }
}

void StreamingCaseMapper::endText(std::string &out)
{
    settleSigma(CaseClass::other, out);
    m_atWordStart = true;
    m_afterCased = false;
}

void StreamingCaseMapper::appendAscii(std::string_view run, std::string &out)
{
    const std::size_t start = out.size();
    out.resize(start + run.size());
    char *const target = out.data() + start;
    if (m_mapping == Mapping::upper) {
        for (std::size_t index = 0; index < run.size(); ++index)
            target[index] = asciiUpper(run[index]);
        return;
    }
    const auto &classes = asciiCaseClasses();
    if (m_pendingSigma != noSigma) {
        for (const char byte : run) {
            const CaseClass caseClass = classes[static_cast<unsigned char>(byte)];
            if (caseClass != CaseClass::ignorable) {
                settleSigma(caseClass, out);
                break;
            }
        }
    }
    if (m_mapping == Mapping::lower) {
        for (std::size_t index = 0; index < run.size(); ++index)
            target[index] = asciiLower(run[index]);
    } else {
        bool atWordStart = m_atWordStart;
        for (std::size_t index = 0; index < run.size(); ++index) {
            const char byte = run[index];
            // Whitespace has no case, so mapping it like a letter leaves it as it is.
            target[index] = atWordStart ? asciiUpper(byte) : asciiLower(byte);
            atWordStart = isAsciiWhitespace(byte);
        }
        m_atWordStart = atWordStart;
    }
    for (std::size_t index = run.size(); index > 0; --index) {
        const CaseClass caseClass = classes[static_cast<unsigned char>(run[index - 1])];
        if (caseClass != CaseClass::ignorable) {
            m_afterCased = caseClass == CaseClass::cased;
            break;
        }
    }
}

void StreamingCaseMapper::appendCodePoint(char32_t codePoint, std::string_view bytes, std::string &out)
{
    if (m_mapping == Mapping::upper) {
        m_first.appendCodePoint(out, codePoint, bytes);
        return;
    }
    const bool atWordStart = m_atWordStart && m_mapping == Mapping::capitalized;
    m_atWordStart = inWhitespaceSet(codePoint);
    if (codePoint == capitalSigma && !atWordStart) {
        settleSigma(CaseClass::cased, out);
        if (m_afterCased)
            m_pendingSigma = out.size();
        out.append(medialSigma);
        m_afterCased = true;
        return;
    }
    const CaseClass caseClass = (atWordStart ? m_first : m_rest).appendCodePoint(out, codePoint, bytes);
    if (caseClass != CaseClass::ignorable) {
        settleSigma(caseClass, out);
        m_afterCased = caseClass == CaseClass::cased;
    }
}

void StreamingCaseMapper::settleSigma(CaseClass next, std::string &out)
{
    if (m_pendingSigma == noSigma || next == CaseClass::ignorable)
        return;
    if (next != CaseClass::cased)
        out[m_pendingSigma + 1] = finalSigmaLastByte;
    m_pendingSigma = noSigma;
}

} // namespace nimbrel
