// The whitespace transformations on arbitrary bytes, checked against what they promise: valid
// UTF-8 out, words split at exactly the whitespace-and-newline set, and nothing else touched.

#include "textactions/transformations.h"

#include "platform/string_operations.h"

#include "fuzz_check.h"
#include "utf8_oracle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nimbrel::fuzzing::decodeStrictly;

std::vector<char32_t> codePointsOf(std::string_view text)
{
    auto codePoints = decodeStrictly(text);
    NIMBREL_FUZZ_CHECK(codePoints.has_value());
    return std::move(*codePoints);
}

// Single spaces between words, none at either end, no other whitespace.
void checkCollapsed(std::string_view text)
{
    const std::vector<char32_t> codePoints = codePointsOf(text);
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        if (!nimbrel::isWhitespaceAndNewline(codePoints[i]))
            continue;
        NIMBREL_FUZZ_CHECK(codePoints[i] == U' ');
        NIMBREL_FUZZ_CHECK(i != 0 && i + 1 != codePoints.size());
        NIMBREL_FUZZ_CHECK(!nimbrel::isWhitespaceAndNewline(codePoints[i + 1]));
    }
}

// The words of valid text, split at the whitespace set and joined by single spaces.
std::string wordsJoined(std::string_view cleanText)
{
    std::string result;
    std::size_t offset = 0;
    bool spaceDue = false;
    for (const char32_t codePoint : codePointsOf(cleanText)) {
        const std::size_t length = nimbrel::fuzzing::encodedLength(codePoint);
        if (nimbrel::isWhitespaceAndNewline(codePoint)) {
            spaceDue = !result.empty();
        } else {
            if (spaceDue)
                result.push_back(' ');
            spaceDue = false;
            result.append(cleanText.substr(offset, length));
        }
        offset += length;
    }
    return result;
}

std::string replacedSpaces(std::string text, char with)
{
    std::replace(text.begin(), text.end(), ' ', with);
    return text;
}

std::string withoutSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::string clean = nimbrel::validUtf8(input);

    const std::string collapsed = nimbrel::collapseWhitespace(input);
    checkCollapsed(collapsed);
    NIMBREL_FUZZ_CHECK(nimbrel::collapseWhitespace(collapsed) == collapsed);
    NIMBREL_FUZZ_CHECK(collapsed == wordsJoined(clean));

    const std::string snake = nimbrel::snakeCase(input);
    for (const char32_t codePoint : codePointsOf(snake))
        NIMBREL_FUZZ_CHECK(!nimbrel::isWhitespaceAndNewline(codePoint));
    NIMBREL_FUZZ_CHECK(snake == replacedSpaces(collapsed, '_'));

    const std::string spaceless = nimbrel::removeAllSpaces(input);
    NIMBREL_FUZZ_CHECK(nimbrel::fuzzing::isWellFormedUtf8(spaceless));
    NIMBREL_FUZZ_CHECK(spaceless == withoutSpaces(clean));
    return 0;
}
