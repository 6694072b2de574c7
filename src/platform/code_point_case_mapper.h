#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UCaseMap;

namespace nimbrel {

// Full Unicode case mappings (root locale) from ICU, one code point or one run of text at a
// time. Single code points are remembered, so a long text costs one ICU call per distinct
// letter instead of one per letter. Used by the case-mapping string operations only.
class CodePointCaseMapper {
public:
    enum class Mapping { upper, lower, title };

    explicit CodePointCaseMapper(Mapping mapping);
    ~CodePointCaseMapper();
    CodePointCaseMapper(const CodePointCaseMapper &) = delete;
    CodePointCaseMapper &operator=(const CodePointCaseMapper &) = delete;

    // Appends the mapping of one code point given with its UTF-8 bytes. Only correct where the
    // mapping needs no context: everywhere except capital sigma in lower and title case.
    void appendCodePoint(std::string &out, char32_t codePoint, std::string_view bytes);
    // Appends the mapping of valid UTF-8 text as a whole; title case treats it as one word.
    void appendText(std::string &out, std::string_view text);

private:
    struct CaseMapCloser {
        void operator()(UCaseMap *caseMap) const;
    };
    struct Entry {
        char32_t codePoint = 0xFFFFFFFF;
        std::uint8_t length = 0;
        std::array<char, 15> bytes{};
    };

    void appendIcuMapped(std::string &out, std::string_view text, Mapping mapping);
    Entry &lookUp(char32_t codePoint, std::string_view bytes);

    Mapping m_mapping = Mapping::upper;
    std::unique_ptr<UCaseMap, CaseMapCloser> m_caseMap;
    std::vector<Entry> m_entries;
};

} // namespace nimbrel
