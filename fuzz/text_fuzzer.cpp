// The text operations and transformations on arbitrary bytes, each checked against ICU: cleaning
// against ICU's reading with U+FFFD, upper and lower case against ICU mapping the whole cleaned
// text, capitalisation against ICU title-casing each word, and the whitespace transformations
// against the words of the cleaned text. The operations map code point by code point with caches
// and ASCII shortcuts, so any disagreement is one of those going wrong.

#include "platform/string_operations.h"
#include "platform/whitespace_set.h"
#include "textactions/transformations.h"

#include "fuzz_check.h"

#include <unicode/locid.h>
#include <unicode/stringoptions.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using nimbrel::fuzzing::icuText;
using nimbrel::fuzzing::utf8;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const icu::Locale &root = icu::Locale::getRoot(); // case mapping ignores the user's locale
    const std::uint32_t eachWordWhole = U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT;
    const std::string clean = nimbrel::validUtf8(input);
    NIMBREL_FUZZ_CHECK(clean == utf8(icuText(input)));
    NIMBREL_FUZZ_CHECK(nimbrel::uppercaseString(input) == utf8(icuText(input).toUpper(root)));
    NIMBREL_FUZZ_CHECK(nimbrel::lowercaseString(input) == utf8(icuText(input).toLower(root)));

    // Words are the runs outside the whitespace set; capitalisation keeps the whitespace as it is.
    std::string capitalized;
    std::string collapsed;
    const auto length = static_cast<std::int32_t>(clean.size());
    for (std::int32_t next = 0, wordStart = -1; next <= length;) {
        const std::int32_t at = next;
        UChar32 codePoint = ' ';
        if (at < length)
            U8_NEXT(clean.data(), next, length, codePoint);
        else
            ++next;
        const bool whitespace = nimbrel::inWhitespaceSet(static_cast<char32_t>(codePoint));
        if (whitespace && wordStart >= 0) {
            const std::string_view word(clean.data() + wordStart, static_cast<std::size_t>(at - wordStart));
            capitalized += utf8(icuText(word).toTitle(nullptr, root, eachWordWhole));
            collapsed += (collapsed.empty() ? "" : " ") + std::string(word);
        }
        if (whitespace && at < length)
            capitalized.append(clean, static_cast<std::size_t>(at), static_cast<std::size_t>(next - at));
        wordStart = whitespace ? -1 : (wordStart < 0 ? at : wordStart);
    }
    NIMBREL_FUZZ_CHECK(nimbrel::capitalizedString(input) == capitalized);
    NIMBREL_FUZZ_CHECK(nimbrel::collapseWhitespace(input) == collapsed);
    std::replace(collapsed.begin(), collapsed.end(), ' ', '_');
    NIMBREL_FUZZ_CHECK(nimbrel::snakeCase(input) == collapsed);
    std::string spaceless = clean;
    std::erase(spaceless, ' ');
    NIMBREL_FUZZ_CHECK(nimbrel::removeAllSpaces(input) == spaceless);
    return 0;
}
