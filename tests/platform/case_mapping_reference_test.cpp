// The case mappings take shortcuts (ASCII by hand, one code point at a time, whole words only
// around capital sigma). This compares them with ICU mapping each whole text in one call, the
// title case split by a break iterator whose segments are the whitespace runs and the runs
// between them, over many generated texts rich in letters with special mappings or context.

#include "platform/string_operations.h"

#include <gtest/gtest.h>

#include <unicode/ubrk.h>
#include <unicode/ucasemap.h>
#include <unicode/utf8.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace nimbrel {
namespace {

struct CaseMapCloser {
    void operator()(UCaseMap *caseMap) const { ucasemap_close(caseMap); }
};

class WholeTextMapping {
public:
    WholeTextMapping()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_plain.reset(ucasemap_open("", 0, &status));
        m_title.reset(ucasemap_open("", U_TITLECASE_NO_BREAK_ADJUSTMENT, &status));
        const char16_t rules[] = u"!!chain;"
                                 u"$Space = [\\u0009-\\u000D\\u0020\\u0085\\u00A0\\u1680\\u2000-\\u200A"
                                 u"\\u2028\\u2029\\u202F\\u205F\\u3000];"
                                 u"$Space+;"
                                 u"[^$Space]+;";
        UParseError parseError{};
        UBreakIterator *words = ubrk_openRules(rules, -1, nullptr, 0, &parseError, &status);
        // The case map owns the break iterator from here on.
        ucasemap_setBreakIterator(m_title.get(), words, &status);
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    }

    std::string upper(const std::string &text) { return map(text, ucasemap_utf8ToUpper, m_plain.get()); }
    std::string lower(const std::string &text) { return map(text, ucasemap_utf8ToLower, m_plain.get()); }
    std::string title(const std::string &text) { return map(text, ucasemap_utf8ToTitle, m_title.get()); }

private:
    template <typename Function, typename Map>
    static std::string map(const std::string &text, Function function, Map *caseMap)
    {
        std::string result(text.size() * 3 + 16, '\0');
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = function(caseMap, result.data(), static_cast<int32_t>(result.size()), text.data(),
                                        static_cast<int32_t>(text.size()), &status);
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        result.resize(static_cast<std::size_t>(length));
        return result;
    }

    std::unique_ptr<UCaseMap, CaseMapCloser> m_plain;
    std::unique_ptr<UCaseMap, CaseMapCloser> m_title;
};

std::string randomValidText(std::mt19937 &random)
{
    // Sigma in every context, case-ignorables, titlecase digraphs, expanding and Turkish letters,
    // whitespace and look-alikes, astral letters.
    static const std::vector<UChar32> interesting = {
        0x03A3, 0x03C3, 0x03C2, 0x0391, 0x03B1, 0x002E, 0x0027, 0x0020, 0x00A0, 0x3000, 0x0301, 0x0345,
        0x0130, 0x0131, 0x0049, 0x0069, 0x00DF, 0xFB01, 0x01C4, 0x01C5, 0x01C6, 0x0390, 0x1F80, 0x1FB3,
        0x0041, 0x0061, 0x0009, 0x000A, 0x2028, 0x0085, 0x200B, 0x00AD, 0x10400, 0x10428, 0x1E9E, 0x0587,
        0x0149, 0x01F0, 0x0000,
    };
    std::string text;
    const auto length = random() % 12;
    for (unsigned k = 0; k < length; ++k) {
        UChar32 codePoint = 0;
        switch (random() % 4) {
        case 0:
        case 1:
            codePoint = interesting[random() % interesting.size()];
            break;
        case 2:
            codePoint = static_cast<UChar32>(random() % 0x3000);
            break;
        default:
            codePoint = static_cast<UChar32>(random() % 0x110000);
            break;
        }
        if (U_IS_SURROGATE(codePoint))
            codePoint = 0xFFFD;
        char bytes[U8_MAX_LENGTH];
        int32_t used = 0;
        U8_APPEND_UNSAFE(bytes, used, codePoint);
        text.append(bytes, static_cast<std::size_t>(used));
    }
    return text;
}

TEST(CaseMappingReference, MatchesIcuMappingTheWholeText)
{
    WholeTextMapping reference;
    std::mt19937 random(7);
    for (int n = 0; n < 8000; ++n) {
        const std::string text = randomValidText(random);
        SCOPED_TRACE(::testing::PrintToString(text));
        ASSERT_EQ(uppercaseString(text), reference.upper(text));
        ASSERT_EQ(lowercaseString(text), reference.lower(text));
        ASSERT_EQ(capitalizedString(text), reference.title(text));
    }
}

} // namespace
} // namespace nimbrel
