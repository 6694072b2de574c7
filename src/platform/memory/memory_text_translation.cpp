#include "platform/memory/memory_text_translation.h"

namespace nimbrel {

std::string MemoryTextTranslation::translate(std::string_view context, std::string_view text) const
{
    const auto found = m_catalog.find(std::pair{std::string(context), std::string(text)});
    return found != m_catalog.end() ? found->second : std::string(text);
}

std::string MemoryTextTranslation::translate(std::string_view context, std::string_view text, std::string_view,
                                             std::int64_t count) const
{
    const auto found = m_catalog.find(std::pair{std::string(context), std::string(text)});
    if (found == m_catalog.end())
        return std::to_string(count) + std::string(text);
    std::string translated = found->second;
    if (const auto marker = translated.find("%n"); marker != std::string::npos)
        translated.replace(marker, 2, std::to_string(count));
    return translated;
}

void MemoryTextTranslation::add(std::string context, std::string text, std::string translation)
{
    m_catalog[{std::move(context), std::move(text)}] = std::move(translation);
}

} // namespace nimbrel
