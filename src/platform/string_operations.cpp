#include "platform/string_operations.h"

#include "platform/utf8.h"
#include "platform/whitespace_set.h"

namespace nimbrel {

bool isWhitespaceAndNewline(char32_t codePoint)
{
    return inWhitespaceSet(codePoint);
}

std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement)
{
    // Searching valid UTF-8 for a valid UTF-8 target only ever matches whole code points, so
    // cleaning all three first is enough to keep the result valid.
    const std::string cleanText = validUtf8(text);
    const std::string cleanTarget = validUtf8(target);
    if (cleanTarget.empty())
        return cleanText;
    const std::string cleanReplacement = validUtf8(replacement);

    std::string result;
    result.reserve(cleanText.size());
    std::size_t position = 0;
    for (;;) {
        const std::size_t found = cleanText.find(cleanTarget, position);
        if (found == std::string::npos)
            break;
        result.append(cleanText, position, found - position);
        result.append(cleanReplacement);
        position = found + cleanTarget.size();
    }
    result.append(cleanText, position);
    return result;
}

std::string lastPathComponent(std::string_view path)
{
    const std::string clean = validUtf8(path);
    const std::size_t lastKept = clean.find_last_not_of('/');
    if (lastKept == std::string::npos)
        return clean.empty() ? std::string() : std::string("/");
    const std::size_t separator = clean.find_last_of('/', lastKept);
    const std::size_t first = separator == std::string::npos ? 0 : separator + 1;
    return clean.substr(first, lastKept + 1 - first);
}

std::string validUtf8(std::string_view text)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    if (valid.data() == text.data())
        return std::string(text);
    return storage;
}

} // namespace nimbrel
