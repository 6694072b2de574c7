// The text operations and transformations on arbitrary bytes, each checked against ICU: cleaning
// against ICU's conversion with U+FFFD, upper and lower case against ICU mapping the whole cleaned
// text, capitalisation against ICU title-casing each word, and the whitespace transformations
// against the words of the cleaned text. The operations map code point by code point with caches
// and ASCII shortcuts, so any disagreement is one of those going wrong.

#include "platform/string_operations.h"
#include "platform/whitespace_set.h"
#include "textactions/transformations.h"

#include "fuzz_check.h"

#include <unicode/ucasemap.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

using CaseMap = std::unique_ptr<UCaseMap, decltype(&ucasemap_close)>;

using Mapping = std::int32_t (*)(const UCaseMap *, char *, std::int32_t, const char *, std::int32_t, UErrorCode *);

// Full case mapping makes a text at most three times as long in UTF-8 (U+0390 becomes three letters).
std::string icuMapped(const CaseMap &caseMap, Mapping mapping, std::string_view text)
{
    std::string out(text.size() * 3 + 16, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const auto length = mapping(caseMap.get(), out.data(), static_cast<std::int32_t>(out.size()), text.data(),
                                static_cast<std::int32_t>(text.size()), &status);
    NIMBREL_FUZZ_CHECK(U_SUCCESS(status));
    out.resize(static_cast<std::size_t>(length));
    return out;
}

// ICU's reading of the bytes with U+FFFD for each ill-formed part, written back as UTF-8.
std::string icuCleaned(std::string_view text)
{
    std::u16string wide(text.size() + 1, u'\0');
    std::string out(text.size() * 3 + 1, '\0');
    std::int32_t wideLength = 0;
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(wide.data(), static_cast<std::int32_t>(wide.size()), &wideLength, text.data(),
                         static_cast<std::int32_t>(text.size()), 0xFFFD, nullptr, &status);
    u_strToUTF8(out.data(), static_cast<std::int32_t>(out.size()), &length, wide.data(), wideLength, &status);
    NIMBREL_FUZZ_CHECK(U_SUCCESS(status));
    out.resize(static_cast<std::size_t>(length));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static UErrorCode opened = U_ZERO_ERROR;
    static const CaseMap plain(ucasemap_open("", 0, &opened), ucasemap_close);
    static const CaseMap title(ucasemap_open("", U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT, &opened),
                               ucasemap_close);
    NIMBREL_FUZZ_CHECK(U_SUCCESS(opened));
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::string clean = nimbrel::validUtf8(input);
    NIMBREL_FUZZ_CHECK(clean == icuCleaned(input));
    NIMBREL_FUZZ_CHECK(nimbrel::uppercaseString(input) == icuMapped(plain, ucasemap_utf8ToUpper, clean));
    NIMBREL_FUZZ_CHECK(nimbrel::lowercaseString(input) == icuMapped(plain, ucasemap_utf8ToLower, clean));

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
            capitalized += icuMapped(title, [](const UCaseMap *map, char *out, std::int32_t capacity, const char *text,
                                               std::int32_t size, UErrorCode *status) {
                return ucasemap_utf8ToTitle(const_cast<UCaseMap *>(map), out, capacity, text, size, status);
            }, word);
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
