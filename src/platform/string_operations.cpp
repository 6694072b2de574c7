#include "platform/string_operations.h"

#include "platform/utf8.h"

namespace nimbrel {

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
