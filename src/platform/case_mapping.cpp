// Case mapping for the string operations: uppercaseString, lowercaseString, capitalizedString.
//
// ICU supplies every Unicode mapping (root locale, full mappings). In the root locale a code
// point maps the same wherever it stands, with one exception: capital sigma, whose lower case
// depends on its neighbours (final sigma). So the text is mapped one code point at a time, with
// plain ASCII done here directly (A-Z <-> a-z is exactly Unicode's mapping for ASCII), and a
// word holding a capital sigma goes to ICU whole. Words end at the whitespace set, which is
// neither cased nor case-ignorable, so no final-sigma context ever reaches past a word.

#include "platform/string_operations.h"

#include "platform/code_point_case_mapper.h"
#include "platform/utf8.h"
#include "platform/whitespace_set.h"

#include <cstdint>
#include <cstring>

namespace nimbrel {

namespace {

constexpr char32_t capitalSigma = U'\u03A3';
constexpr std::string_view capitalSigmaUtf8 = "\u03A3";

constexpr bool isAsciiWhitespace(char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

char asciiUpper(char byte)
{
    return static_cast<char>(byte - ((static_cast<unsigned char>(byte - 'a') < 26) << 5));
}

char asciiLower(char byte)
{
    return static_cast<char>(byte + ((static_cast<unsigned char>(byte - 'A') < 26) << 5));
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

// The end of the word that holds position: the next member of the whitespace set, or the end.
std::size_t wordEnd(std::string_view text, std::size_t position)
{
    while (position < text.size()) {
        const Utf8Sequence sequence = decodeUtf8(text, position);
        if (sequence.valid && inWhitespaceSet(sequence.codePoint))
            break;
        position += sequence.length;
    }
    return position;
}

// Upper case, and lower case of text without capital sigma: no mapping needs context.
template <char (*mapByte)(char)>
std::string mapEachCodePoint(std::string_view text, CodePointCaseMapper::Mapping mapping)
{
    CodePointCaseMapper mapper(mapping);
    std::string result;
    result.reserve(text.size() + text.size() / 8 + 16);
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t asciiEnd = findNonAscii(text, position);
        const std::size_t start = result.size();
        result.resize(start + (asciiEnd - position));
        for (char *target = result.data() + start; position < asciiEnd; ++position, ++target)
            *target = mapByte(text[position]);
        if (position == text.size())
            break;

        const Utf8Sequence sequence = decodeUtf8(text, position);
        if (sequence.valid)
            mapper.appendCodePoint(result, sequence.codePoint, text.substr(position, sequence.length));
        else
            result.append(replacementCharacterUtf8);
        position += sequence.length;
    }
    return result;
}

// Lower or title case word by word: the first character of each word through first, the rest
// through rest, and a word with a capital sigma through first as a whole.
template <char (*firstAsciiByte)(char)>
std::string mapEachWord(std::string_view text, CodePointCaseMapper &first, CodePointCaseMapper &rest)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8 + 16);
    bool atWordStart = true;
    // Where the current word began, in text and in result; kept up to date at each whitespace.
    std::size_t wordStartIn = 0;
    std::size_t wordStartOut = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t asciiEnd = findNonAscii(text, position);
        if (asciiEnd > position) {
            const std::size_t start = result.size();
            result.resize(start + (asciiEnd - position));
            char *const base = result.data();
            for (std::size_t out = start; position < asciiEnd; ++position, ++out) {
                const char byte = text[position];
                // Whitespace has no case, so mapping it like a letter leaves it as it is.
                base[out] = atWordStart ? firstAsciiByte(byte) : asciiLower(byte);
                atWordStart = isAsciiWhitespace(byte);
                if (atWordStart) {
                    wordStartIn = position + 1;
                    wordStartOut = out + 1;
                }
            }
            if (position == text.size())
                break;
        }

        const Utf8Sequence sequence = decodeUtf8(text, position);
        const std::string_view bytes = text.substr(position, sequence.length);
        position += sequence.length;
        if (!sequence.valid) {
            result.append(replacementCharacterUtf8);
            atWordStart = false;
        } else if (inWhitespaceSet(sequence.codePoint)) {
            result.append(bytes);
            atWordStart = true;
            wordStartIn = position;
            wordStartOut = result.size();
        } else if (sequence.codePoint == capitalSigma) {
            // Redo the whole word in ICU, which knows the final-sigma rule.
            const std::size_t end = wordEnd(text, position);
            std::string storage;
            result.resize(wordStartOut);
            first.appendText(result, validUtf8View(text.substr(wordStartIn, end - wordStartIn), storage));
            position = end;
            atWordStart = false;
        } else {
            (atWordStart ? first : rest).appendCodePoint(result, sequence.codePoint, bytes);
            atWordStart = false;
        }
    }
    return result;
}

} // namespace

std::string uppercaseString(std::string_view text)
{
    return mapEachCodePoint<asciiUpper>(text, CodePointCaseMapper::Mapping::upper);
}

std::string lowercaseString(std::string_view text)
{
    if (text.find(capitalSigmaUtf8) == std::string_view::npos)
        return mapEachCodePoint<asciiLower>(text, CodePointCaseMapper::Mapping::lower);
    CodePointCaseMapper lower(CodePointCaseMapper::Mapping::lower);
    return mapEachWord<asciiLower>(text, lower, lower);
}

std::string capitalizedString(std::string_view text)
{
    CodePointCaseMapper title(CodePointCaseMapper::Mapping::title);
    CodePointCaseMapper lower(CodePointCaseMapper::Mapping::lower);
    return mapEachWord<asciiUpper>(text, title, lower);
}

} // namespace nimbrel
