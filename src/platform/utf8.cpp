#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace nimbrel {

namespace {

// A validating automaton in the "shift DFA" form: each state is a bit offset, and the entry
// for a byte holds, at every state's offset, the offset of the state that byte leads to. One
// table load and one shift per byte, no branches on the data.
enum State : unsigned {
    accept = 0,
    reject = 6,
    needOne = 12,
    needTwo = 18,
    afterE0 = 24, // A0..BF next: no overlong three-byte forms
    afterED = 30, // 80..9F next: no surrogates
    needThree = 36,
    afterF0 = 42, // 90..BF next: no overlong four-byte forms
    afterF4 = 48, // 80..8F next: nothing past U+10FFFF
};

constexpr unsigned nextState(unsigned state, unsigned byte)
{
    const bool continuation = byte >= 0x80 && byte <= 0xBF;
    switch (state) {
    case accept:
        if (byte < 0x80)
            return accept;
        if (byte >= 0xC2 && byte <= 0xDF)
            return needOne;
        if (byte == 0xE0)
            return afterE0;
        if (byte == 0xED)
            return afterED;
        if (byte >= 0xE1 && byte <= 0xEF)
            return needTwo;
        if (byte == 0xF0)
            return afterF0;
        if (byte == 0xF4)
            return afterF4;
        if (byte >= 0xF1 && byte <= 0xF3)
            return needThree;
        return reject;
    case needOne:
        return continuation ? accept : reject;
    case needTwo:
        return continuation ? needOne : reject;
    case needThree:
        return continuation ? needTwo : reject;
    case afterE0:
        return byte >= 0xA0 && byte <= 0xBF ? needOne : reject;
    case afterED:
        return byte >= 0x80 && byte <= 0x9F ? needOne : reject;
    case afterF0:
        return byte >= 0x90 && byte <= 0xBF ? needTwo : reject;
    case afterF4:
        return byte >= 0x80 && byte <= 0x8F ? needTwo : reject;
    default:
        return reject;
    }
}

constexpr std::array<std::uint64_t, 256> transitions = [] {
    std::array<std::uint64_t, 256> table{};
    constexpr std::array<unsigned, 9> states = {accept, reject, needOne, needTwo, afterE0,
                                                afterED, needThree, afterF0, afterF4};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (const unsigned state : states)
            table[byte] |= std::uint64_t{nextState(state, byte)} << state;
    return table;
}();

constexpr std::size_t blockSize = 64;

bool isAsciiBlock(const unsigned char *block)
{
    std::uint64_t highBits = 0;
    for (std::size_t offset = 0; offset < blockSize; offset += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, block + offset, sizeof word);
        highBits |= word;
    }
    return (highBits & 0x8080808080808080ULL) == 0;
}

// The offset of the first invalid sequence found by decoding from start, which must be where
// a sequence begins; text.size() when there is none.
std::size_t firstInvalidByDecoding(std::string_view text, std::size_t start)
{
    std::size_t position = start;
    while (position < text.size()) {
        const Utf8Sequence sequence = decodeUtf8(text, position);
        if (!sequence.valid)
            return position;
        position += sequence.length;
    }
    return text.size();
}

// Appends text to out with every invalid sequence replaced by U+FFFD.
void appendValidUtf8(std::string &out, std::string_view text)
{
    // Decoding every sequence is slower than the automaton on valid text but costs the same per
    // byte however many errors there are; callers check with firstInvalidUtf8 first.
    std::size_t validFrom = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        if (static_cast<unsigned char>(text[position]) < 0x80) {
            ++position;
            continue;
        }
        const Utf8Sequence sequence = decodeUtf8(text, position);
        if (!sequence.valid) {
            out.append(text.substr(validFrom, position - validFrom));
            out.append(replacementCharacterUtf8);
            validFrom = position + sequence.length;
        }
        position += sequence.length;
    }
    out.append(text.substr(validFrom));
}

} // namespace

std::size_t firstInvalidUtf8(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    unsigned state = accept;
    std::size_t blockStart = 0;
    for (; blockStart < text.size(); blockStart += blockSize) {
        const std::size_t blockEnd = std::min(text.size(), blockStart + blockSize);
        // Most clipboard text is ASCII: a whole block of it between sequences needs no automaton.
        if (state == accept && blockEnd - blockStart == blockSize && isAsciiBlock(bytes + blockStart))
            continue;
        unsigned blockState = state;
        for (std::size_t i = blockStart; i < blockEnd; ++i)
            blockState = static_cast<unsigned>(transitions[bytes[i]] >> blockState) & 63U;
        if (blockState == reject)
            break;
        state = blockState;
    }
    if (blockStart >= text.size() && state == accept)
        return text.size();
    // Either a block holds an error or the text ends inside a sequence. state is the state at
    // blockStart; mid-sequence means the sequence's lead byte is up to three bytes earlier.
    std::size_t sequenceStart = std::min(blockStart, text.size());
    if (state != accept) {
        do
            --sequenceStart;
        while ((bytes[sequenceStart] & 0xC0U) == 0x80U);
    }
    return firstInvalidByDecoding(text, sequenceStart);
}

std::string_view validUtf8View(std::string_view text, std::string &storage)
{
    const std::size_t invalidAt = firstInvalidUtf8(text);
    if (invalidAt == text.size())
        return text;
    storage.clear();
    storage.reserve(text.size() + 16);
    storage.append(text.substr(0, invalidAt));
    appendValidUtf8(storage, text.substr(invalidAt));
    return storage;
}

} // namespace nimbrel
