#include "platform/qt/target_text_decoding.h"

#include "platform/string_operations.h"
#include "platform/utf8.h"

#include <algorithm>

namespace nimbrel {
namespace {

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(text, static_cast<unsigned char>(byte));
    return text;
}

// Unpaired surrogates and a trailing odd byte come out as U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool littleEndian)
{
    const auto unit = [bytes, littleEndian](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
    };
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t current = unit(i);
        if (current >= 0xD800 && current <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(text, 0x10000 + ((char32_t(current) - 0xD800) << 10) + (char32_t(next) - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(text, current >= 0xD800 && current <= 0xDFFF ? replacementCharacter : char32_t(current));
    }
    if (i < bytes.size())
        appendUtf8(text, replacementCharacter);
    return text;
}

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The charset parameter of a MIME type, lower-cased; empty without one.
std::string charsetOf(std::string_view target)
{
    constexpr std::string_view parameter = "charset=";
    std::string lowered(target);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::size_t start = lowered.find(parameter);
    if (start == std::string::npos || lowered.find(';') > start)
        return {};
    const std::size_t valueStart = start + parameter.size();
    return lowered.substr(valueStart, lowered.find(';', valueStart) - valueStart);
}

std::string utf16Text(std::string_view bytes, bool littleEndian)
{
    if (bytes.starts_with("\xFF\xFE"))
        return utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF"))
        return utf16ToUtf8(bytes.substr(2), false);
    return utf16ToUtf8(bytes, littleEndian);
}

} // namespace

std::string decodedTargetText(std::string_view target, std::string bytes)
{
    const std::string charset = charsetOf(target);
    if (charset == "utf-16" || charset == "utf-16le" || charset == "utf-16be")
        return utf16Text(bytes, charset != "utf-16be");
    if (target == "text/html" && (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")))
        return utf16Text(bytes, true);
    if (isAscii(bytes))
        return bytes;
    if (target == "STRING")
        return latin1ToUtf8(bytes);
    return validUtf8(bytes);
}

} // namespace nimbrel
