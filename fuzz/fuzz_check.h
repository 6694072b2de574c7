#pragma once

#include <unicode/unistr.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A violated invariant: say which one, then abort so that libFuzzer saves the input.
#define NIMBREL_FUZZ_CHECK(condition)                                                                          \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: invariant violated: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace nimbrel::fuzzing {

// ICU's reading of bytes as UTF-8, with U+FFFD for each ill-formed part: a reference that shares
// nothing with the decoder under test, which it would otherwise agree with in its mistakes.
inline icu::UnicodeString icuText(std::string_view bytes)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(bytes.data(), static_cast<std::int32_t>(bytes.size())));
}

inline std::string utf8(const icu::UnicodeString &text)
{
    std::string bytes;
    return text.toUTF8String(bytes);
}

// Well-formed UTF-8 is exactly what ICU's reading gives back unchanged.
inline bool isWellFormedUtf8(std::string_view bytes) { return utf8(icuText(bytes)) == bytes; }

} // namespace nimbrel::fuzzing
