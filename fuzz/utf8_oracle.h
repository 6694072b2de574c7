#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A UTF-8 reader for the fuzzers' checks, written from the table of well-formed byte sequences
// in the Unicode standard (chapter 3) and sharing nothing with the decoder under test: a check
// that used the same decoder would agree with its mistakes.
namespace nimbrel::fuzzing {

// The code points of well-formed UTF-8, or nothing when any byte sequence is ill-formed.
inline std::optional<std::vector<char32_t>> decodeStrictly(std::string_view text)
{
    struct Row {
        std::uint8_t leadFirst;
        std::uint8_t leadLast;
        std::uint8_t secondFirst;
        std::uint8_t secondLast;
        int length;
    };
    // Each row: lead byte range, the range allowed for the second byte, sequence length.
    static constexpr Row rows[] = {
        {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
    };
    std::vector<char32_t> codePoints;
    codePoints.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        if (lead < 0x80) {
            codePoints.push_back(lead);
            ++i;
            continue;
        }
        const Row *row = nullptr;
        for (const Row &candidate : rows) {
            if (lead >= candidate.leadFirst && lead <= candidate.leadLast)
                row = &candidate;
        }
        if (row == nullptr || text.size() - i < static_cast<std::size_t>(row->length))
            return std::nullopt;
        const auto second = static_cast<std::uint8_t>(text[i + 1]);
        if (second < row->secondFirst || second > row->secondLast)
            return std::nullopt;
        char32_t value = lead & (0x7F >> row->length);
        for (int k = 1; k < row->length; ++k) {
            const auto byte = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            if (byte < 0x80 || byte > 0xBF)
                return std::nullopt;
            value = (value << 6) | (byte & 0x3F);
        }
        codePoints.push_back(value);
        i += static_cast<std::size_t>(row->length);
    }
    return codePoints;
}

// The number of bytes a code point takes in UTF-8.
inline std::size_t encodedLength(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

inline bool isWellFormedUtf8(std::string_view text)
{
    return decodeStrictly(text).has_value();
}

} // namespace nimbrel::fuzzing
