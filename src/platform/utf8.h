#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A small UTF-8 decoder shared by the string operations and the text transformations.
// Invalid input decodes to U+FFFD, one per maximal invalid subsequence (the WHATWG and
// ICU convention), so byte-level loops can copy valid sequences and never split one.
namespace nimbrel {

// One decoded code point and the number of bytes it took (at least 1).
struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool valid = true;
};

// U+FFFD, which stands in for what cannot be read or must not be shown.
inline constexpr char32_t replacementCharacter = U'\uFFFD';
inline constexpr std::string_view replacementCharacterUtf8 = "\xEF\xBF\xBD";

// Decodes the sequence starting at text[position]; position must be inside text. Inline, as
// it sits in the inner loop of every transformation.
inline Utf8Sequence decodeUtf8(std::string_view text, std::size_t position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead < 0x80)
        return {lead, 1, true};

    // The second byte's range is narrower after E0, ED, F0 and F4: that is what rules out
    // overlong forms, surrogates and values past U+10FFFF without a separate check.
    std::size_t trailing = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        codePoint = lead & 0x0FU;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        codePoint = lead & 0x07U;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return Utf8Sequence{replacementCharacter, 1, false};
    }

    for (std::size_t length = 1; length <= trailing; ++length) {
        if (position + length >= text.size())
            return Utf8Sequence{replacementCharacter, length, false};
        const auto byte = static_cast<unsigned char>(text[position + length]);
        if (byte < low || byte > high)
            return Utf8Sequence{replacementCharacter, length, false};
        codePoint = (codePoint << 6) | (byte & 0x3FU);
        low = 0x80;
        high = 0xBF;
    }
    return {codePoint, trailing + 1, true};
}

// The bidirectional embeddings, overrides and isolates (U+202A to U+202E, U+2066 to U+2069). Shown
// raw they reorder what follows them: "invoice\u202Egpj.exe" reads as "invoiceexe.jpg".
inline constexpr bool isBidirectionalControl(char32_t codePoint)
{
    return (codePoint >= 0x202A && codePoint <= 0x202E) || (codePoint >= 0x2066 && codePoint <= 0x2069);
}

// Appends the UTF-8 form of a Unicode scalar value.
inline void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    const int trailing = codePoint < 0x800 ? 1 : (codePoint < 0x10000 ? 2 : 3);
    out += static_cast<char>(((0xFF00U >> (trailing + 1)) & 0xFFU) | (codePoint >> (6 * trailing)));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80U | ((codePoint >> shift) & 0x3FU));
}

// The offset of the first invalid sequence, or text.size() when the whole text is valid.
std::size_t firstInvalidUtf8(std::string_view text);

// The text itself when it is valid UTF-8, otherwise a cleaned copy kept in storage; saves the
// copy in the common case of valid input.
std::string_view validUtf8View(std::string_view text, std::string &storage);

} // namespace nimbrel
