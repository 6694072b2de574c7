// The case-mapping string operations: the whole text through one streaming mapper.
#include "platform/string_operations.h"

#include "platform/streaming_case_mapper.h"
#include "platform/utf8.h"

namespace nimbrel {

namespace {

std::string mapped(std::string_view text, StreamingCaseMapper::Mapping mapping)
{
    std::string storage;
    const std::string_view valid = validUtf8View(text, storage);
    std::string result;
    result.reserve(valid.size() + valid.size() / 8 + 16);
    StreamingCaseMapper mapper(mapping);
    mapper.append(valid, result);
    mapper.endText(result);
    return result;
}

} // namespace

std::string uppercaseString(std::string_view text)
{
    return mapped(text, StreamingCaseMapper::Mapping::upper);
}

std::string lowercaseString(std::string_view text)
{
    return mapped(text, StreamingCaseMapper::Mapping::lower);
}

std::string capitalizedString(std::string_view text)
{
    return mapped(text, StreamingCaseMapper::Mapping::capitalized);
}

} // namespace nimbrel
