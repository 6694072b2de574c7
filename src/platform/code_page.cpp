// Bytes of a Windows or Mac code page as UTF-8, through ICU's converters: RTF documents write
// the characters of their code page as \'hh escapes.
#include "platform/string_operations.h"
#include "platform/utf8.h"

#include <unicode/unistr.h>

#include <climits>
#include <string>

namespace nimbrel {

std::optional<std::string> codePageToUtf8(unsigned codePage, std::string_view bytes)
{
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    const std::string name = codePage == 10000 ? "macintosh" : "windows-" + std::to_string(codePage);
    const icu::UnicodeString text(bytes.data(), static_cast<std::int32_t>(bytes.size()), name.c_str());
    // An unknown converter gives a bogus string; an unmapped byte, U+FFFD.
    if (text.isBogus() || text.indexOf(static_cast<char16_t>(replacementCharacter)) >= 0)
        return std::nullopt;
    std::string result;
    return text.toUTF8String(result);
}

} // namespace nimbrel
