#include "platform/qt/text_capping.h"

#include "platform/string_operations.h"

namespace nimbrel {

namespace {

constexpr std::string_view ellipsis = "\xE2\x80\xA6";

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The byte length of the first maximumCodePoints code points of valid UTF-8.
std::size_t prefixLength(std::string_view text, std::size_t maximumCodePoints)
{
    std::size_t codePoints = 0;
    for (std::size_t position = 0; position < text.size(); ++position) {
        if (isContinuationByte(text[position]))
            continue;
        if (codePoints == maximumCodePoints)
            return position;
        ++codePoints;
    }
    return text.size();
}

} // namespace

std::string cappedText(std::string_view text, std::size_t maximumCodePoints)
{
    // A code point takes at most four bytes, so anything past this many bytes is cut anyway; a
    // sequence split here turns into U+FFFD beyond the cut.
    const std::size_t examinedBytes = 4 * (maximumCodePoints + 1);
    std::string valid = validUtf8(text.substr(0, examinedBytes));
    if (prefixLength(valid, maximumCodePoints) == valid.size())
        return valid;
    valid.resize(prefixLength(valid, maximumCodePoints - 1));
    valid += ellipsis;
    return valid;
}

} // namespace nimbrel
