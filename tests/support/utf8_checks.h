#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An independent UTF-8 reader for test checks, written from the encoding rules rather than
// sharing code with the decoder under test.
namespace nimbrel::testing {

// The code points of valid UTF-8, or nothing when the text is not valid UTF-8.
inline std::optional<std::vector<char32_t>> codePointsOf(std::string_view text)
{
    std::vector<char32_t> result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t smallest = 0;
        if (lead <= 0x7F) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<std::uint8_t>(text[i + k]);
            if ((byte & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (byte & 0x3F);
        }
        if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        result.push_back(value);
        i += length;
    }
    return result;
}

inline bool isValidUtf8(std::string_view text)
{
    return codePointsOf(text).has_value();
}

inline std::string repeated(std::string_view unit, std::size_t count, std::string_view separator = {})
{
    std::string result;
    result.reserve((unit.size() + separator.size()) * count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            result.append(separator);
        result.append(unit);
    }
    return result;
}

// A deterministic mix of ASCII, accented Latin, Greek, CJK, emoji, the whole whitespace set,
// look-alikes that are not whitespace, NUL and invalid byte sequences.
inline std::vector<std::string> generatedTexts(std::size_t count)
{
    static const std::vector<std::string> fragments = {
        "a", "Z", "word", "iPhone", "don't", "-", "0", std::string("\0", 1),
        "é", "ß", "ǆ", "ﬁ", "ΟΔΟΣ", "Σ", "ς", "İ", "東京", "😀", "\u0301",
        " ", "  ", "\t", "\n", "\r\n", "\v", "\f", "\u0085", "\u00A0", "\u1680", "\u2000", "\u200A",
        "\u2028", "\u2029", "\u202F", "\u205F", "\u3000", "\u200B", "\uFEFF", "\u180E",
        "\xFF", "\x80", "\xC3", "\xE2\x80", "\xF0\x9F\x98", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5",
    };
    std::vector<std::string> texts;
    texts.reserve(count);
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525U + 1013904223U;
        return state >> 8;
    };
    for (std::size_t n = 0; n < count; ++n) {
        std::string text;
        const std::size_t pieces = next() % 64;
        for (std::size_t k = 0; k < pieces; ++k)
            text += fragments[next() % fragments.size()];
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace nimbrel::testing
