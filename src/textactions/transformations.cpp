// The transformations check the text first with the fast validator and clean it only when
// needed; on valid text they make one branch-light pass, writing into a result sized like the
// input, which they never outgrow.

#include "textactions/transformations.h"

#include "platform/string_operations.h"
#include "platform/utf8.h"
#include "platform/whitespace_set.h"

#include <array>

namespace nimbrel {

namespace {

// How joinWords treats each byte of valid UTF-8: bit 0 marks ASCII whitespace, bit 1 a lead
// byte that may start non-ASCII whitespace (only C2, E1, E2 and E3 can). Every other byte,
// continuation bytes included, is copied as it is.
constexpr unsigned asciiSpaceBit = 1;
constexpr unsigned maybeSpaceLeadBit = 2;
constexpr std::array<unsigned char, 256> byteClasses = [] {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == ' ' || (byte >= '\t' && byte <= '\r'))
            table[byte] = asciiSpaceBit;
        else if (byte == 0xC2 || (byte >= 0xE1 && byte <= 0xE3))
            table[byte] = maybeSpaceLeadBit;
    }
    return table;
}();

// The words of text, split at the whitespace-and-newline set, joined by one separator byte.
// Every whitespace character writes a separator at the same spot, and the spot is kept only
// after a word: so a run of whitespace leaves one separator, leading whitespace none, and a
// trailing one is dropped at the end. Valid text never grows, so the result is written in place.
std::string joinWords(std::string_view text, char separator)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    std::string result(valid.size(), '\0');
    char *const first = result.data();
    char *target = first;
    unsigned afterSpace = 1;
    const auto separatorByte = static_cast<unsigned char>(separator);
    std::size_t position = 0;
    while (position < valid.size()) {
        const auto byte = static_cast<unsigned char>(valid[position]);
        const unsigned byteClass = byteClasses[byte];
        unsigned space = byteClass & asciiSpaceBit;
        std::size_t length = 1;
        if ((byteClass & maybeSpaceLeadBit) != 0) [[unlikely]] {
            const Utf8Sequence sequence = decodeUtf8(valid, position);
            space = inWhitespaceSet(sequence.codePoint) ? 1 : 0;
            // A non-space sequence goes through byte by byte; its continuation bytes are word bytes.
            length = space ? sequence.length : 1;
        }
        // Masks rather than branches: word ends are too frequent and irregular to predict.
        const unsigned spaceMask = 0U - space;
        *target = static_cast<char>(byte ^ ((byte ^ separatorByte) & spaceMask));
        target += 1 - (space & afterSpace);
        afterSpace = space;
        position += length;
    }
    if (afterSpace && target != first)
        --target;
    result.resize(static_cast<std::size_t>(target - first));
    return result;
}

} // namespace

std::string collapseWhitespace(std::string_view text)
{
    return joinWords(text, ' ');
}

std::string removeAllSpaces(std::string_view text)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    std::string result(valid.size(), '\0');
    char *target = result.data();
    // Branch-free: every byte is written, and the write position only moves past non-spaces.
    // No byte of a multi-byte sequence is 0x20, so those are copied whole.
    for (const char byte : valid) {
        *target = byte;
        target += byte != ' ';
    }
    result.resize(static_cast<std::size_t>(target - result.data()));
    return result;
}

std::string snakeCase(std::string_view text)
{
    return joinWords(text, '_');
}

} // namespace nimbrel
