#pragma once

#include "platform/text_translation.h"

#include <map>
#include <string>
#include <utility>

namespace nimbrel {

// A catalog in memory, empty at first, so that every text stays English; a test adds translations to
// see which texts reach the user through it. A translation of a counted text writes the count as %n.
class MemoryTextTranslation final : public TextTranslation {
public:
    std::string translate(std::string_view context, std::string_view text) const override;
    std::string translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                          std::int64_t count) const override;

    void add(std::string context, std::string text, std::string translation);

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> m_catalog;
};

} // namespace nimbrel
