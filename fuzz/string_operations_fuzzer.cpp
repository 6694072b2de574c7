// Case mapping and UTF-8 cleaning on arbitrary bytes. Besides "the output is valid UTF-8", upper and
// lower case are compared with ICU mapping the whole cleaned text at once, and capitalisation with
// ICU title-casing each word on its own: the operations map code point by code point with caches
// and ASCII shortcuts, so any disagreement is one of those shortcuts going wrong.

#include "platform/string_operations.h"

#include "fuzz_check.h"
#include "utf8_oracle.h"

#include <unicode/ucasemap.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

using nimbrel::fuzzing::isWellFormedUtf8;

struct CaseMapCloser {
    void operator()(UCaseMap *caseMap) const { ucasemap_close(caseMap); }
};
using CaseMap = std::unique_ptr<UCaseMap, CaseMapCloser>;

CaseMap openCaseMap(std::uint32_t options)
{
    UErrorCode status = U_ZERO_ERROR;
    CaseMap caseMap(ucasemap_open("", options, &status));
    NIMBREL_FUZZ_CHECK(U_SUCCESS(status));
    return caseMap;
}

enum class Mapping { upper, lower, title };

std::int32_t icuMap(UCaseMap *caseMap, Mapping mapping, std::string &out, std::string_view text, UErrorCode &status)
{
    const auto capacity = static_cast<std::int32_t>(out.size());
    const auto length = static_cast<std::int32_t>(text.size());
    switch (mapping) {
    case Mapping::upper: return ucasemap_utf8ToUpper(caseMap, out.data(), capacity, text.data(), length, &status);
    case Mapping::lower: return ucasemap_utf8ToLower(caseMap, out.data(), capacity, text.data(), length, &status);
    case Mapping::title: return ucasemap_utf8ToTitle(caseMap, out.data(), capacity, text.data(), length, &status);
    }
    return 0;
}

std::string icuMapped(UCaseMap *caseMap, Mapping mapping, std::string_view text)
{
    std::string out(text.size() * 3 + 16, '\0');
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = icuMap(caseMap, mapping, out, text, status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(static_cast<std::size_t>(length));
        status = U_ZERO_ERROR;
        length = icuMap(caseMap, mapping, out, text, status);
    }
    NIMBREL_FUZZ_CHECK(U_SUCCESS(status));
    out.resize(static_cast<std::size_t>(length));
    return out;
}

// Words are runs outside the whitespace set; each is title-cased alone, whitespace is kept.
std::string icuCapitalized(UCaseMap *title, std::string_view cleanText)
{
    const auto codePoints = nimbrel::fuzzing::decodeStrictly(cleanText);
    NIMBREL_FUZZ_CHECK(codePoints.has_value());
    std::string result;
    std::size_t offset = 0;
    std::size_t wordStart = 0;
    bool inWord = false;
    for (const char32_t codePoint : *codePoints) {
        const std::size_t length = nimbrel::fuzzing::encodedLength(codePoint);
        const bool whitespace = nimbrel::isWhitespaceAndNewline(codePoint);
        if (whitespace && inWord)
            result += icuMapped(title, Mapping::title, cleanText.substr(wordStart, offset - wordStart));
        if (whitespace)
            result.append(cleanText.substr(offset, length));
        else if (!inWord)
            wordStart = offset;
        inWord = !whitespace;
        offset += length;
    }
    if (inWord)
        result += icuMapped(title, Mapping::title, cleanText.substr(wordStart));
    return result;
}

bool isAscii(std::string_view text)
{
    for (const char byte : text) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const CaseMap plain = openCaseMap(0);
    static const CaseMap title = openCaseMap(U_TITLECASE_WHOLE_STRING | U_TITLECASE_NO_BREAK_ADJUSTMENT);
    const std::string_view input(reinterpret_cast<const char *>(data), size);

    const std::string clean = nimbrel::validUtf8(input);
    NIMBREL_FUZZ_CHECK(isWellFormedUtf8(clean));
    NIMBREL_FUZZ_CHECK(nimbrel::validUtf8(clean) == clean);
    if (isWellFormedUtf8(input))
        NIMBREL_FUZZ_CHECK(clean == input);

    const std::string upper = nimbrel::uppercaseString(input);
    const std::string lower = nimbrel::lowercaseString(input);
    const std::string capitalized = nimbrel::capitalizedString(input);
    NIMBREL_FUZZ_CHECK(isWellFormedUtf8(upper));
    NIMBREL_FUZZ_CHECK(isWellFormedUtf8(lower));
    NIMBREL_FUZZ_CHECK(isWellFormedUtf8(capitalized));

    NIMBREL_FUZZ_CHECK(upper == icuMapped(plain.get(), Mapping::upper, clean));
    NIMBREL_FUZZ_CHECK(lower == icuMapped(plain.get(), Mapping::lower, clean));
    NIMBREL_FUZZ_CHECK(capitalized == icuCapitalized(title.get(), clean));

    if (isAscii(input))
        NIMBREL_FUZZ_CHECK(nimbrel::lowercaseString(upper) == lower);
    return 0;
}
