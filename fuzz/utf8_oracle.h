#pragma once

#include <unicode/utf8.h>

#include <cstdint>
#include <string_view>

// Whether bytes are well-formed UTF-8, as ICU reads them: a check that shares nothing with the
// decoder under test, which it would otherwise agree with in its mistakes.
namespace nimbrel::fuzzing {

inline bool isWellFormedUtf8(std::string_view text)
{
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 codePoint = 0;
        U8_NEXT(text.data(), i, length, codePoint);
        if (codePoint < 0)
            return false;
    }
    return true;
}

} // namespace nimbrel::fuzzing
